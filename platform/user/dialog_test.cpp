// The dialog manager: templates to windows (dialog units to pixels), the
// keys a person uses in a dialog (Enter, Escape, Tab, Shift+Tab), the
// caption-bar OK button and the close box, and dialogs whose template is
// invisible staying hidden and inactive until shown.
#include <gtest/gtest.h>
#include <plat/display.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Builds a classic in-memory dialog template.
class TemplateBuilder {
 public:
  TemplateBuilder(DWORD style, DWORD exStyle, short cx, short cy, const std::u16string& title) {
    DLGTEMPLATE head{style, exStyle, 0, 0, 0, cx, cy};
    Append(&head, sizeof head);
    Word(0);  // no menu
    Word(0);  // the dialog class
    String(title);
  }
  TemplateBuilder& Item(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id,
                        const std::u16string& text) {
    Align();
    DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
    Append(&item, sizeof item);
    Word(0xFFFF);
    Word(atom);
    String(text);
    Word(0);
    ++count_;
    std::memcpy(bytes_.data() + 8, &count_, sizeof count_);
    return *this;
  }
  const DLGTEMPLATE* Get() {
    storage_.assign((bytes_.size() + 3) / 4, 0);
    std::memcpy(storage_.data(), bytes_.data(), bytes_.size());
    return reinterpret_cast<const DLGTEMPLATE*>(storage_.data());
  }

 private:
  void Append(const void* p, size_t n) {
    const auto* b = static_cast<const BYTE*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
  }
  void Word(WORD w) { Append(&w, 2); }
  void String(const std::u16string& s) { Append(s.c_str(), (s.size() + 1) * 2); }
  void Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<BYTE> bytes_;
  std::vector<DWORD> storage_;
  WORD count_ = 0;
};

constexpr WORD kButton = 0x80, kEdit = 0x81;

std::vector<int> commands;
std::vector<WPARAM> activations;

INT_PTR CALLBACK RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
  if (message == WM_ACTIVATE) activations.push_back(LOWORD(wParam));
  return message == WM_INITDIALOG ? TRUE : (message == WM_COMMAND);
}

void PumpDialog(HWND dialog) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

void PressKey(HWND dialog, UINT vk, bool shift = false) {
  const DWORD thread = GetCurrentThreadId();
  if (shift) plat::PostKeyInput(thread, WM_KEYDOWN, VK_SHIFT, 1);
  plat::PostKeyInput(thread, WM_KEYDOWN, vk, 1);
  plat::PostKeyInput(thread, WM_KEYUP, vk, 1);
  if (shift) plat::PostKeyInput(thread, WM_KEYUP, VK_SHIFT, 1);
  PumpDialog(dialog);
}

class DialogKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    commands.clear();
    activations.clear();
    TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_CAPTIONOKBTN, 135, 80, u"keys");
    t.Item(kEdit, WS_TABSTOP | WS_BORDER, 4, 4, 60, 12, 1001, u"")
        .Item(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 4, 20, 40, 14, IDOK, u"OK")
        .Item(kButton, BS_PUSHBUTTON | WS_TABSTOP, 50, 20, 40, 14, IDCANCEL, u"Cancel")
        .Item(kButton, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 4, 36, 40, 14, 1003, u"Off")
        .Item(kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 4, 52, 60, 10, 1002, u"Check");
    dialog = CreateDialogIndirectParamW(nullptr, t.Get(), nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    PumpDialog(dialog);
    commands.clear();
  }
  void TearDown() override { DestroyWindow(dialog); }
  int FocusId() { return GetDlgCtrlID(GetFocus()); }
  HWND dialog = nullptr;
};

TEST_F(DialogKeys, FirstTabStopHasTheFocusAndClientSizeFollowsTheBaseUnits) {
  EXPECT_EQ(FocusId(), 1001);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 236);  // 135 dialog units at 7 pixels per 4 units
  EXPECT_EQ(client.bottom, 140);  // 80 dialog units at 14 pixels per 8 units
}

TEST_F(DialogKeys, EnterPressesTheDefaultButtonAndEscapeCancels) {
  PressKey(dialog, VK_RETURN);
  PressKey(dialog, VK_ESCAPE);
  SendMessageW(dialog, DM_SETDEFID, 1002, 0);
  PressKey(dialog, VK_RETURN);
  EXPECT_EQ(commands, (std::vector<int>{IDOK, IDCANCEL, 1002}));
}

TEST_F(DialogKeys, EnterOnAFocusedPushButtonPressesThatButton) {
  SetFocus(GetDlgItem(dialog, IDCANCEL));
  PressKey(dialog, VK_RETURN);
  EXPECT_EQ(commands, (std::vector<int>{IDCANCEL}));
}

TEST_F(DialogKeys, TabAndShiftTabWalkTheEnabledTabStopsAndWrap) {
  std::vector<int> forward, backward;
  for (int i = 0; i < 4; ++i) {
    PressKey(dialog, VK_TAB);
    forward.push_back(FocusId());
  }
  for (int i = 0; i < 4; ++i) {
    PressKey(dialog, VK_TAB, true);
    backward.push_back(FocusId());
  }
  EXPECT_EQ(forward, (std::vector<int>{IDOK, IDCANCEL, 1002, 1001}));
  EXPECT_EQ(backward, (std::vector<int>{1002, IDCANCEL, IDOK, 1001}));
}

TEST_F(DialogKeys, CaptionOkSendsOkAndTheCloseBoxCancels) {
  plat::PostInput(dialog, plat::WM_PLAT_GESTURE, plat::kGestureCaptionOk, 0);
  plat::PostInput(dialog, plat::WM_PLAT_GESTURE, plat::kGestureClose, 0);
  PumpDialog(dialog);
  EXPECT_EQ(commands, (std::vector<int>{IDOK, IDCANCEL}));
}

TEST(Dialogs, InvisibleTemplateStaysHiddenAndInactiveUntilShown) {
  activations.clear();
  TemplateBuilder t(WS_POPUP | WS_CAPTION, 0, 100, 40, u"hidden");
  t.Item(kEdit, WS_TABSTOP, 4, 4, 60, 12, 1001, u"");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.Get(), nullptr, RecordingProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_TRUE(activations.empty());
  EXPECT_NE(GetActiveWindow(), dialog);
  ShowWindow(dialog, SW_SHOWNORMAL);
  EXPECT_EQ(activations, (std::vector<WPARAM>{WA_ACTIVE}));
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1001);
  DestroyWindow(dialog);
}

TEST(Dialogs, CaptionOkWithoutTheExtendedStyleDoesNothing) {
  commands.clear();
  TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 100, 40, u"plain");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.Get(), nullptr, RecordingProc, 0);
  plat::PostInput(dialog, plat::WM_PLAT_GESTURE, plat::kGestureCaptionOk, 0);
  PumpDialog(dialog);
  EXPECT_TRUE(commands.empty());
  DestroyWindow(dialog);
}

TEST(Dialogs, MaximisedWindowFillsTheScreenAndRestores) {
  TemplateBuilder t(WS_POPUP | WS_CAPTION, 0, 100, 40, u"max");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.Get(), nullptr, RecordingProc, 0);
  RECT before{}, maximised{}, after{};
  GetWindowRect(dialog, &before);
  ShowWindow(dialog, SW_SHOWMAXIMIZED);
  GetWindowRect(dialog, &maximised);
  const SIZE screen = plat::ScreenSize();
  EXPECT_EQ(maximised.right - maximised.left, screen.cx);
  EXPECT_EQ(maximised.bottom - maximised.top, screen.cy);
  EXPECT_TRUE(IsZoomed(dialog));
  ShowWindow(dialog, SW_SHOWNORMAL);
  GetWindowRect(dialog, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  DestroyWindow(dialog);
}

}  // namespace
