// Message boxes: a dialog built in memory with the icon, the text and the
// buttons of its type, run in a real modal loop; the answer is the button a
// person (through a display) presses. Displays are told of every box.
#include <plat/codepage.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "user/dialog_internal.h"
#include "user/window.h"

using namespace plat::user;

namespace {

constexpr int kMargin = 10;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 20;
constexpr int kButtonGap = 6;
constexpr int kIconSize = 32;
constexpr int kIconId = 20;
constexpr int kTextId = 0xFFFF;

struct ButtonSpec {
  int id;
  const char16_t* label;
};

std::vector<ButtonSpec> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {{IDOK, u"OK"}, {IDCANCEL, u"キャンセル"}};
    case MB_ABORTRETRYIGNORE:
      return {{IDABORT, u"中止"}, {IDRETRY, u"再試行"}, {IDIGNORE, u"無視"}};
    case MB_YESNOCANCEL:
      return {{IDYES, u"はい"}, {IDNO, u"いいえ"}, {IDCANCEL, u"キャンセル"}};
    case MB_YESNO:
      return {{IDYES, u"はい"}, {IDNO, u"いいえ"}};
    case MB_RETRYCANCEL:
      return {{IDRETRY, u"再試行"}, {IDCANCEL, u"キャンセル"}};
    default:
      return {{IDOK, u"OK"}};
  }
}

LPCWSTR IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return IDI_HAND;
    case MB_ICONQUESTION:
      return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
      return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
      return IDI_ASTERISK;
    default:
      return nullptr;
  }
}

SIZE TextBlockSize(const std::u16string& text) {
  SIZE block{0, 0};
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(u'\n', start);
    const std::u16string line = text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
    const SIZE extent = plat::gdi::TextExtent(nullptr, line.c_str(), static_cast<int>(line.size()));
    block.cx = std::max(block.cx, extent.cx);
    block.cy += std::max<LONG>(extent.cy, 12);
    if (end == std::u16string::npos) break;
    start = end + 1;
  }
  return block;
}

// Escape and the close box answer Cancel where there is one, OK on a box that
// has only OK, and nothing otherwise.
INT_PTR CancelAnswer(UINT type) {
  const auto buttons = ButtonsOf(type);
  for (const auto& b : buttons)
    if (b.id == IDCANCEL) return IDCANCEL;
  return buttons.size() == 1 ? IDOK : 0;
}

INT_PTR CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  const UINT type = static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetPropW(box, u"PlatMessageBoxType")) - 1);
  INT_PTR answer = LOWORD(wParam);
  if (answer == IDCANCEL && !GetDlgItem(box, IDCANCEL)) answer = CancelAnswer(type);
  if (answer && (answer == IDOK || GetDlgItem(box, static_cast<int>(answer)))) EndDialog(box, answer);
  return TRUE;
}

HWND CreateBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
  const auto buttons = ButtonsOf(type);
  LPCWSTR icon = IconOf(type);
  const SIZE textSize = TextBlockSize(text);
  const int textLeft = kMargin + (icon ? kIconSize + kMargin : 0);
  const int buttonsWidth = static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  const SIZE screen = plat::ScreenSize();
  const int clientWidth = std::min<int>(std::max<int>(textLeft + textSize.cx + kMargin, buttonsWidth + 2 * kMargin),
                                        screen.cx - 8);
  const int textHeight = std::max<int>(textSize.cy, icon ? kIconSize : 0);
  const int clientHeight = kMargin + textHeight + kMargin + kButtonHeight + kMargin;
  DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  if (CancelAnswer(type)) style |= WS_SYSMENU;
  const int width = clientWidth + 4, height = clientHeight + 4 + plat::kCaptionHeight;
  HWND box = CreateWindowExW(WS_EX_DLGMODALFRAME, u"#32770", caption.c_str(), style, (screen.cx - width) / 2,
                             std::max(0, (screen.cy - height) / 2), width, height, owner, nullptr, nullptr, nullptr);
  if (!box) return nullptr;
  RegisterDialog(box, SystemFont(), false);
  SetPropW(box, u"PlatMessageBoxType", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(type) + 1));
  SetWindowLongPtrW(box, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(BoxProc));
  if (icon) {
    HWND iconControl = CreateWindowExW(0, u"Static", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, kMargin,
                                       kIconSize, kIconSize, box, reinterpret_cast<HMENU>(kIconId), nullptr, nullptr);
    if (iconControl) SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
  }
  CreateWindowExW(0, u"Static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textLeft, kMargin,
                  clientWidth - textLeft - kMargin, textHeight, box, reinterpret_cast<HMENU>(kTextId), nullptr,
                  nullptr);
  const int defaultIndex = std::min<int>(static_cast<int>((type & MB_DEFMASK) >> 8), static_cast<int>(buttons.size()) - 1);
  int x = (clientWidth - buttonsWidth) / 2;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                              (static_cast<int>(i) == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                              (i == 0 ? WS_GROUP : 0);
    CreateWindowExW(0, u"Button", buttons[i].label, buttonStyle, x, kMargin + textHeight + kMargin, kButtonWidth,
                    kButtonHeight, box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].id)), nullptr,
                    nullptr);
    x += kButtonWidth + kButtonGap;
  }
  SendMessageW(box, DM_SETDEFID, static_cast<WPARAM>(buttons[static_cast<size_t>(defaultIndex)].id), 0);
  if (Window* w = Find(box)) w->savedFocus = GetDlgItem(box, buttons[static_cast<size_t>(defaultIndex)].id);
  return box;
}

}  // namespace

extern "C" int WINAPI MessageBoxW(HWND hwnd, LPCWSTR text, LPCWSTR caption, UINT type) {
  HWND owner = hwnd ? TopLevelOf(hwnd) : nullptr;
  const std::u16string body = text ? text : u"";
  const std::u16string title = caption ? caption : u"エラー";
  HWND box = CreateBox(owner, body, title, type);
  if (!box) return 0;
  for (plat::DisplayObserver* observer : Observers()) observer->OnMessageBox(box, body, title, type);
  return static_cast<int>(RunModalLoop(box, owner));
}

extern "C" int WINAPI MessageBoxA(HWND hwnd, LPCSTR text, LPCSTR caption, UINT type) {
  const std::u16string wideText = plat::text::AnsiToWide(text ? text : "");
  const std::u16string wideCaption = plat::text::AnsiToWide(caption ? caption : "");
  return MessageBoxW(hwnd, wideText.c_str(), caption ? wideCaption.c_str() : nullptr, type);
}
