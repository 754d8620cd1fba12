// Tests of the application: the message pump's pre-translation walk that
// gives a modeless dialog owned by the main window its keyboard interface,
// message boxes with the application's name and resources, the resource
// handle, and the nesting wait cursor.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <plat/display.h>

#include <string>
#include <vector>

#include "mfc_test_res.h"

namespace {

CWinApp testApp(_T("AppTest"));

void PumpThroughTheLibrary() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) AfxPumpMessage();
}

void PumpPlainly() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
  }
}

void Key(UINT vk) { plat::PostKeyInput(::GetCurrentThreadId(), WM_KEYDOWN, vk, 1); }

class CToolsDialog : public CDialog {
 public:
  CToolsDialog() : CDialog(IDD_TOOLS) {}
  int oks = 0;
  int cancels = 0;
  void OnOK() override { ++oks; }
  void OnCancel() override { ++cancels; }
};

class CMainWindow : public CWnd {
 public:
  int preTranslated = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) ++preTranslated;
    return FALSE;
  }
};

class Recorder : public plat::DisplayObserver {
 public:
  Recorder() { plat::AddDisplayObserver(this); }
  ~Recorder() override { plat::RemoveDisplayObserver(this); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;
  void OnCursor(LPCWSTR shape) override { cursors.push_back(shape); }
  void OnMessageBox(HWND box, const std::u16string& text, const std::u16string& caption, UINT) override {
    texts.push_back(text);
    captions.push_back(caption);
    owners.push_back(::GetParent(box));
    HWND ok = ::GetDlgItem(box, IDOK);
    plat::PostInput(ok, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    plat::PostInput(ok, WM_LBUTTONUP, 0, 0);
  }
  std::vector<LPCWSTR> cursors;
  std::vector<std::u16string> texts, captions;
  std::vector<HWND> owners;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(main.CreateEx(0, nullptr, _T("main"), WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr));
    testApp.m_pMainWnd = &main;
  }
  void TearDown() override {
    testApp.m_pMainWnd = nullptr;
    main.DestroyWindow();
    PumpPlainly();
  }
  CMainWindow main;
};

class ModelessTools : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(tools.Create(IDD_TOOLS));  // no parent: owned by the main window
    PumpThroughTheLibrary();
    tools.GotoDlgCtrl(tools.GetDlgItem(IDC_NAME));
  }
  void TearDown() override {
    tools.DestroyWindow();
    AppTest::TearDown();
  }
  CToolsDialog tools;
};

TEST_F(ModelessTools, TheDialogIsOwnedByTheMainWindow) {
  EXPECT_EQ(::GetParent(tools.m_hWnd), main.m_hWnd);
  EXPECT_TRUE(tools.IsWindowVisible());
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(tools.m_hWnd, IDC_NAME));
}

TEST_F(ModelessTools, TabAndEnterWorkThroughThePump) {
  Key(VK_TAB);
  PumpThroughTheLibrary();
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(tools.m_hWnd, IDC_COUNT));
  Key(VK_RETURN);
  PumpThroughTheLibrary();
  EXPECT_EQ(tools.oks, 1);
  Key(VK_ESCAPE);
  PumpThroughTheLibrary();
  EXPECT_EQ(tools.cancels, 1);
  EXPECT_EQ(main.preTranslated, 0);  // the dialog took the keys before the main window saw them
}

TEST_F(ModelessTools, WithoutPreTranslationTheKeysGoToTheEdit) {
  Key(VK_TAB);
  Key(VK_RETURN);
  PumpPlainly();
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(tools.m_hWnd, IDC_NAME));
  EXPECT_EQ(tools.oks, 0);
}

TEST_F(AppTest, KeysOfTheMainWindowReachItsFilter) {
  main.SetFocus();
  Key('A');
  PumpThroughTheLibrary();
  EXPECT_EQ(main.preTranslated, 1);
}

TEST_F(AppTest, MessageBoxesCarryTheApplicationsNameAndOwner) {
  Recorder recorder;
  EXPECT_EQ(AfxMessageBox(_T("Saved.")), IDOK);
  EXPECT_EQ(AfxMessageBox(IDS_GREETING, MB_OKCANCEL), IDOK);
  EXPECT_EQ(main.MessageBox(_T("Own caption"), _T("Caption")), IDOK);
  EXPECT_EQ(recorder.texts, (std::vector<std::u16string>{u"Saved.", u"Hello from the resources", u"Own caption"}));
  EXPECT_EQ(recorder.captions, (std::vector<std::u16string>{u"AppTest", u"AppTest", u"Caption"}));
  EXPECT_EQ(recorder.owners, (std::vector<HWND>{main.m_hWnd, main.m_hWnd, main.m_hWnd}));
}

TEST_F(AppTest, TheResourceHandleDefaultsToTheApplication) {
  EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandle(nullptr));
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_SURVEY), RT_DIALOG), ::GetModuleHandle(nullptr));
  AfxSetResourceHandle(reinterpret_cast<HINSTANCE>(0x1000));  // a module without resources
  EXPECT_EQ(AfxGetResourceHandle(), reinterpret_cast<HINSTANCE>(0x1000));
  AfxSetResourceHandle(nullptr);
  EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandle(nullptr));
}

TEST_F(AppTest, WaitCursorsNest) {
  Recorder recorder;
  main.BeginWaitCursor();
  {
    CWaitCursor inner;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));  // something else changed the shape meanwhile
    inner.Restore();
  }
  EXPECT_EQ(plat::CurrentCursorShape(), IDC_WAIT);  // the outer wait is still on
  main.EndWaitCursor();
  main.EndWaitCursor();  // one end too many changes nothing
  EXPECT_EQ(recorder.cursors, (std::vector<LPCWSTR>{IDC_WAIT, IDC_ARROW, IDC_WAIT, IDC_ARROW}));
  EXPECT_EQ(testApp.m_nWaitCursorCount, 0);
}

}  // namespace
