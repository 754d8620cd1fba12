// The person's actions on the page, as the page sends them (a form body of
// name=value pairs, percent-encoded UTF-8), turned into the input messages
// that a person's own taps, keys and gestures are. Every action names its
// "kind"; "window" is a window id from the window tree; x, y are client
// pixels of that window (0 to 32767).
//
//   kind=tap window x y             WM_LBUTTONDOWN + WM_LBUTTONUP at (x, y)
//   kind=choose window index        kGestureChoose: a combo item, a list row,
//                                   a tab, a toolbar button
//   kind=activate window index      kGestureActivate: double tap of a list row
//   kind=check-date window checked  kGestureCheck: a date picker's "no date" box (0 or 1)
//   kind=set-date window date       kGestureSetDate, date YYYYMMDD
//   kind=scroll window code [pos]   WM_VSCROLL; code up|down|page-up|page-down|top|bottom|thumb
//   kind=caption-ok window          kGestureCaptionOk
//   kind=close window               kGestureClose
//   kind=key name [shift]           WM_KEYDOWN + WM_KEYUP to the focus (shift 1: inside
//                                   VK_SHIFT down and up); name Enter|Escape|Tab|Backspace|
//                                   Delete|Left|Right|Up|Down|Home|End|F4|Space
//   kind=text text                  WM_CHAR for each UTF-16 unit to the focus
//                                   (at most kMaxTextUnits, no control characters)
// Any other kind with a window goes to the adapter of the window's class.
#pragma once
#include <plat/web_display.h>

#include <string>
#include <string_view>
#include <vector>

namespace plat::web {

inline constexpr size_t kMaxTextUnits = 256;

// Decodes application/x-www-form-urlencoded text ('+' is a space); false
// for a bad escape or a name given twice.
bool DecodeForm(std::string_view body, Fields* fields);

struct DecodedAction {
  std::string error;          // non-empty: the action does not decode
  std::vector<Input> input;   // the input, in order
  HWND window = nullptr;      // the window named, when the action names one
  bool forAdapter = false;    // a kind the display does not know: ask the window's adapter
};
DecodedAction DecodeAction(const Fields& fields);

}  // namespace plat::web
