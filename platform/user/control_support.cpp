// The plumbing that the system's controls share: fonts, the painting pass and
// their own backgrounds, focus and its notifications, tap points and item
// gestures, image slots and copying text out to a caller's buffer.
#include <plat/display.h>
#include <windows.h>

#include <algorithm>

#include "user/window.h"

namespace plat::user {

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

std::optional<LRESULT> FontMessage(HWND control, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) Invalidate(control);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font ? font : SystemFont());
    default:
      return std::nullopt;
  }
}

void PaintControl(HWND control, UINT ctlColorMessage) {
  PAINTSTRUCT paint;
  BeginPaint(control, &paint);
  PaintWithParentColors(control, ctlColorMessage);
  EndPaint(control, &paint);
}

LRESULT EraseWithSystemColors(HWND control, HDC dc, int backgroundColor, int textColor) {
  SetBkColor(dc, GetSysColor(backgroundColor));
  SetTextColor(dc, GetSysColor(textColor));
  RecordBackground(control, GetSysColorBrush(backgroundColor), dc);
  return 1;
}

LRESULT NotifyParent(HWND control, UINT code) {
  NMHDR header{};
  return NotifyParent(control, code, &header);
}

void TakeFocus(HWND control) {
  if (GetFocus() != control) SetFocus(control);
}

void NotifyFocusCommand(HWND control, WORD code) {
  Invalidate(control);
  NotifyParentCommand(control, code);
}

void NotifyFocusHeader(HWND control, UINT code) {
  Invalidate(control);
  NotifyParent(control, code);
}

POINT PointFrom(LPARAM packed) { return POINT{GET_X_LPARAM(packed), GET_Y_LPARAM(packed)}; }

LRESULT ChooseOrTap(HWND control, WPARAM gesture, LPARAM argument, void (*choose)(HWND control, int index),
                    void (*tap)(HWND control, POINT point)) {
  if (gesture == plat::kGestureChoose) {
    choose(control, static_cast<int>(argument));
  } else if (gesture == plat::kGestureTap) {
    tap(control, PointFrom(argument));
  }
  return 0;
}

int SteppedSelection(int selection, int step) { return selection < 0 ? 0 : selection + step; }

LRESULT ReplaceImage(HWND control, HANDLE* slot, HANDLE image) {
  if (!slot) return 0;
  HANDLE previous = *slot;
  *slot = image;
  Invalidate(control);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT ImageIn(const HANDLE* slot) { return slot ? reinterpret_cast<LRESULT>(*slot) : 0; }

int CopyTextOut(const std::u16string& text, WCHAR* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int count = std::min(static_cast<int>(text.size()), size - 1);
  std::copy_n(text.begin(), count, buffer);
  buffer[count] = 0;
  return count;
}

}  // namespace plat::user
