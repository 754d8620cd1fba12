// The default window procedure, calling a saved window procedure, the text
// messages in both widths, sounds and the cursor.
#include <plat/codepage.h>
#include <plat/display.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "user/window.h"

using namespace plat::user;

namespace {

LPCWSTR currentCursor = IDC_ARROW;

LRESULT CopyText(const std::u16string& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<WCHAR*>(buffer);
  if (!out || size == 0) return 0;
  const size_t count = std::min<size_t>(text.size(), size - 1);
  std::copy_n(text.begin(), count, out);
  out[count] = 0;
  return static_cast<LRESULT>(count);
}

LRESULT DefaultColors(WPARAM dc, UINT message) {
  const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  SetTextColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(reinterpret_cast<HDC>(dc), GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(field ? COLOR_WINDOW : COLOR_BTNFACE));
}

LRESULT Gesture(HWND hwnd, WPARAM gesture) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  if (gesture == plat::kGestureCaptionOk && (w->exStyle & WS_EX_CAPTIONOKBTN))
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  if (gesture == plat::kGestureClose && (w->style & WS_SYSMENU))
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

}  // namespace

extern "C" LRESULT WINAPI DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_SETTEXT:
      w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      Invalidate(hwnd);
      return TRUE;
    case WM_GETTEXT:
      return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          SendMessageW(hwnd, WM_CLOSE, 0, 0);
          break;
        case SC_MAXIMIZE:
          ShowWindow(hwnd, SW_SHOWMAXIMIZED);
          break;
        case SC_RESTORE:
          ShowWindow(hwnd, SW_RESTORE);
          break;
        default:
          break;
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
        HWND focus = GetFocus();
        if (focus != hwnd && !IsChild(hwnd, focus)) SetFocus(hwnd);
      }
      return 0;
    case WM_SETREDRAW:
      w->redraw = wParam != 0;
      if (w->redraw) Invalidate(hwnd);
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return DefaultColors(wParam, message);
    case WM_ERASEBKGND:
      RecordBackground(hwnd, w->windowClass->background, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? w->bigIcon : w->smallIcon;
      HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_QUERYDRAGICON:
      return reinterpret_cast<LRESULT>(w->bigIcon);
    case plat::WM_PLAT_GESTURE:
      return Gesture(hwnd, wParam);
    default:
      return 0;
  }
}

extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

// The 8-bit forms convert the text messages with code page 932; other
// messages pass unchanged.
extern "C" LRESULT WINAPI SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && lParam) {
    const std::u16string wide = plat::text::AnsiToWide(reinterpret_cast<const char*>(lParam));
    return SendMessageW(hwnd, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  if (message == WM_GETTEXT && lParam && wParam) {
    const int length = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::u16string wide(static_cast<size_t>(length) + 1, u'\0');
    wide.resize(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()))));
    const std::string ansi = plat::text::WideToAnsi(wide);
    const size_t copied = plat::text::AnsiPrefixThatFits(ansi, wParam - 1);
    char* out = reinterpret_cast<char*>(lParam);
    std::copy_n(ansi.begin(), copied, out);
    out[copied] = 0;
    return static_cast<LRESULT>(copied);
  }
  return SendMessageW(hwnd, message, wParam, lParam);
}

extern "C" BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != 0;
}

extern "C" int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::u16string wide(static_cast<size_t>(length) + 1, u'\0');
  wide.resize(static_cast<size_t>(GetWindowTextW(hwnd, wide.data(), length + 1)));
  return static_cast<int>(plat::text::WideToAnsi(wide).size());
}

extern "C" BOOL WINAPI MessageBeep(UINT type) {
  for (plat::DisplayObserver* observer : Observers()) observer->OnBeep(type);
  return TRUE;
}

extern "C" HCURSOR WINAPI LoadCursorW(HINSTANCE, LPCWSTR name) {
  return reinterpret_cast<HCURSOR>(const_cast<LPWSTR>(name));
}

extern "C" HCURSOR WINAPI SetCursor(HCURSOR cursor) {
  LPCWSTR previous = currentCursor;
  LPCWSTR shape = cursor ? reinterpret_cast<LPCWSTR>(cursor) : IDC_ARROW;
  if (shape != currentCursor) {
    currentCursor = shape;
    for (plat::DisplayObserver* observer : Observers()) observer->OnCursor(shape);
  }
  return reinterpret_cast<HCURSOR>(const_cast<LPWSTR>(previous));
}

extern "C" HCURSOR WINAPI GetCursor(void) { return reinterpret_cast<HCURSOR>(const_cast<LPWSTR>(currentCursor)); }

LPCWSTR plat::CurrentCursorShape() { return currentCursor; }
