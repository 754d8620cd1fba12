// The platform's demo: a small dialog program run on the headless desktop
// and driven as a person would use it, printing what happens. It shows the
// stand-in at work until the host program takes over the main job.
#include <plat/headless_desktop.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kName = 1001, kKind = 1002, kHeight = 1003;

std::string Utf8(const std::u16string& text) {
  std::string out(text.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                                    static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(static_cast<size_t>(n > 0 ? n : 0));
  return out;
}

// An in-memory template: a name field, a kind list, a height check box, OK.
class DemoTemplate {
 public:
  DemoTemplate() {
    Head(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | WS_VISIBLE, 120, 64, u"新規座標を指示");
    Item(0x82, SS_RIGHT, 4, 4, 30, 12, 0xFFFF, u"名称");
    Item(0x81, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 36, 4, 80, 12, kName, u"");
    Item(0x85, WS_TABSTOP | CBS_DROPDOWNLIST, 36, 18, 80, 60, kKind, u"");
    Item(0x80, WS_TABSTOP | BS_AUTOCHECKBOX, 36, 32, 80, 10, kHeight, u"高さあり");
    Item(0x80, WS_TABSTOP | BS_DEFPUSHBUTTON, 40, 46, 40, 14, IDOK, u"OK");
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Head(DWORD style, short cx, short cy, const std::u16string& title) {
    DLGTEMPLATE head{style, 0, 0, 0, 0, cx, cy};
    Bytes(&head, sizeof head);
    Word(0);
    Word(0);
    Text(title);
  }
  void Item(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id, const std::u16string& text) {
    while (bytes_.size() % 4) bytes_.push_back(0);
    DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
    Bytes(&item, sizeof item);
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);
    const WORD count = static_cast<WORD>(bytes_[8] | (bytes_[9] << 8)) + 1;
    bytes_[8] = static_cast<BYTE>(count);
    bytes_[9] = static_cast<BYTE>(count >> 8);
    words_.assign((bytes_.size() + 3) / 4, 0);
    std::memcpy(words_.data(), bytes_.data(), bytes_.size());
  }
  void Bytes(const void* p, size_t n) {
    const auto* b = static_cast<const BYTE*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  void Word(WORD w) { Bytes(&w, 2); }
  void Text(const std::u16string& s) { Bytes(s.c_str(), (s.size() + 1) * 2); }
  std::vector<BYTE> bytes_;
  std::vector<DWORD> words_;
};

INT_PTR CALLBACK DemoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    HWND kinds = GetDlgItem(dialog, kKind);
    for (const char16_t* kind : {u"既知点", u"街区基準点", u"街区点"}) SendMessageW(kinds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind));
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    WCHAR name[64], kind[64];
    GetDlgItemTextW(dialog, kName, name, 64);
    GetWindowTextW(GetDlgItem(dialog, kKind), kind, 64);
    std::u16string text = std::u16string(u"名称: ") + name + u"\n種別: " + kind +
                          (IsDlgButtonChecked(dialog, kHeight) ? u"\n高さ: あり" : u"\n高さ: なし");
    if (MessageBoxW(dialog, text.c_str(), u"確認", MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK) EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int main() {
  plat::HeadlessDesktop desktop;
  DemoTemplate dialogTemplate;
  INT_PTR result = 0;
  desktop.Start([&] {
    result = DialogBoxIndirectParamW(nullptr, dialogTemplate.Get(), nullptr, DemoProc, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
  });
  HWND dialog = desktop.FindWindowByCaption(u"新規座標を指示");
  std::printf("screen: %s\n", Utf8(desktop.Text(dialog)).c_str());
  desktop.Type(desktop.FindControl(dialog, kName), u"基準点A");
  desktop.Choose(desktop.FindControl(dialog, kKind), u"街区点");
  desktop.SetCheck(desktop.FindControl(dialog, kHeight), true);
  std::printf("typed name: %s\n", Utf8(desktop.Text(desktop.FindControl(dialog, kName))).c_str());
  desktop.PressKey(VK_RETURN);
  for (const auto& box : desktop.MessageBoxes())
    std::printf("message box [%s]:\n%s\n", Utf8(box.caption).c_str(), Utf8(box.text).c_str());
  desktop.AnswerMessageBox(IDOK);
  std::printf("dialog ended with %s\n", result == IDOK ? "OK" : "something else");
  return result == IDOK ? 0 : 1;
}
