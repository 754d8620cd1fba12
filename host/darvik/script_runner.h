// Scenarios of user actions and expectations run against the host on the
// headless desktop, with a transcript of what a person would have seen.
//
// One step a line; blank lines and lines starting with '#' are skipped. The
// window on display is the topmost visible top-level window other than the
// host's main window and the open message box (a plug-in's screen), else the
// host's main window; message boxes have steps of their own. Steps:
//   press <command name>      click the host bar's button of that name
//   click <control id>        click a control of the window on display
//   type <control id> <text>  type text into a control of the window on display
//   close                     the close box of the window on display
//   answer OK|CANCEL|YES|NO   press that button of the open message box
//   settle                    wait until the system is idle
//   expect-window <caption>   the window on display has this caption
//   expect-text <id> <text>   a control of the window on display shows text
//   expect-box <text>         the last message box had this text
//   expect-box-caption <cap>  the last message box had this caption
// The transcript (UTF-8) echoes each step as "> step", then what it caused:
// "screen <caption>" when another window came on display, "box
// caption=\"..\" text=\"..\"" for each message box, "beep <type>" for each
// beep, "ended" when the host's application ended. The run stops at the first step that fails (an action that the
// window cannot take, an unknown step, a failed expectation) with
// "FAILED line <n>: <step>: <why>".
#pragma once
#include <iosfwd>

namespace darvik {

// Runs the host on a headless desktop through the scenario; the device must
// be open. 0 when every step passed, 1 at the first failure.
int RunScript(std::istream& script, std::ostream& transcript);

}  // namespace darvik
