// Scenarios of user actions and expectations run against the host on the
// headless desktop, with a transcript of what a person would have seen.
//
// One step a line; blank lines and lines starting with '#' are skipped. The
// window on display is the topmost visible top-level window other than the
// host's main window and the open message box (a plug-in's screen), else the
// host's main window; message boxes and the file dialog have steps of their
// own. Control ids are those of the window on display. Steps:
//   press <command name>      click the host bar's button of that name
//   click <id>                click a control
//   type <id> <text>          type text into a control
//   choose <id> <item text>   choose a combo item by its text
//   choose-index <id> <n>     choose a combo item by its index
//   tick <id> / untick <id>   set / clear a check box (a click when it differs)
//   radio <id>                choose a radio button
//   key Enter|Escape|Tab|Shift+Tab   press a key (to the focus)
//   toolbar <command id>      a toolbar command of the window on display
//   select-row <id> <row>     select a list row; double-tap-row likewise
//   tab <id> <index>          switch a tab control to that tab
//   scroll up|down|page-up|page-down|top|bottom   scroll the window on display
//   tap-point <number>        tap the map point of that number (as
//                             MapdbPnt_GetId picks); tap-point-id <id> by id
//   tap-map <x> <y>           tap the map at that map coordinate
//   file-choose <name>        in the file dialog: open, the listed entry of
//                             that name, then OK; save, type the name, then OK
//   file-cancel               the file dialog's cancel button
//   close                     the close box of the window on display
//   answer OK|CANCEL|YES|NO   press that button of the open message box
//   settle                    wait until the system is idle
//   advance <ms>              move the manual clock on, deadline by deadline
//   expect-window <caption>   the window on display has this caption
//   expect-text <id> <text>   a control shows text
//   expect-checked <id> 0|1|2 a button's check state
//   expect-enabled <id> 0|1   a control's enabled state
//   expect-selection <id> <t> the text of a combo's chosen item ("" for none)
//   expect-row <id> <row> <cells>  a list row's cells, joined by '|'
//   expect-tab <id> <index>   the tab control's chosen tab (-1 for none)
//   expect-map-selection <ids>  the map's selected point ids, ascending,
//                             joined by ',' (empty for none)
//   expect-box <text>         the last message box had this text
//   expect-box-caption <cap>  the last message box had this caption
// The transcript (UTF-8) echoes each step as "> step", then what it caused:
// "screen <caption>" when another window came on display, "box
// caption=\"..\" text=\"..\"" for each message box, "beep <type>" for each
// beep, "ended" when the host's application ended. The run stops at the
// first step that fails (an action that the window cannot take, a missing
// control, map point or file dialog, a bad number, an unknown step or key, a
// failed expectation) with "FAILED line <n>: <step>: <why>".
#pragma once
#include <iosfwd>

namespace darvik {

// Runs the host on a headless desktop through the scenario; the device must
// be open. 0 when every step passed, 1 at the first failure.
int RunScript(std::istream& script, std::ostream& transcript);

}  // namespace darvik
