// Tests of AfxWinMain run from a program's own thread: the calling thread
// becomes the application's thread, InitInstance makes the main window, Run
// pumps until the main window goes and returns the quit code; a failing
// InitInstance ends at once with ExitInstance's code.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <plat/system.h>

namespace {

class CProgram : public CWinApp {
 public:
  CProgram() : CWinApp(_T("Program")) {}
  bool initSucceeds = true;
  DWORD initThread = 0;
  bool threadWasTheApp = false;
  int idleCalls = 0;
  CWnd mainWindow;

  BOOL InitInstance() override {
    initThread = ::GetCurrentThreadId();
    threadWasTheApp = AfxGetThread() == this;
    if (!initSucceeds) return FALSE;
    if (!mainWindow.CreateEx(0, nullptr, _T("main"), WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr)) {
      return FALSE;
    }
    m_pMainWnd = &mainWindow;
    mainWindow.PostMessage(WM_CLOSE);  // the default closing destroys the window and posts the quit
    return TRUE;
  }
  BOOL OnIdle(LONG lCount) override {
    ++idleCalls;
    return CWinApp::OnIdle(lCount);
  }
  int ExitInstance() override { return initSucceeds ? CWinApp::ExitInstance() + 5 : 9; }
};

CProgram program;

int RunOnOwnThread() {
  int result = -100;
  HANDLE thread = plat::StartThread([&] { result = AfxWinMain(nullptr, nullptr, nullptr, SW_SHOW); });
  ::WaitForSingleObject(thread, INFINITE);
  ::CloseHandle(thread);
  return result;
}

TEST(WinMain, RunsTheApplicationOnTheCallingThread) {
  program.initSucceeds = true;
  EXPECT_EQ(RunOnOwnThread(), 5);  // quit code 0, plus ExitInstance's 5
  EXPECT_NE(program.initThread, ::GetCurrentThreadId());
  EXPECT_TRUE(program.threadWasTheApp);
  EXPECT_EQ(program.m_pMainWnd, nullptr);  // the main window went, and with it the loop
  EXPECT_EQ(program.m_hInstance, ::GetModuleHandle(nullptr));
  EXPECT_STREQ(CStringA(AfxGetAppName()).GetString(), "Program");
}

TEST(WinMain, AFailingInitInstanceEndsAtOnce) {
  program.initSucceeds = false;
  program.idleCalls = 0;
  EXPECT_EQ(RunOnOwnThread(), 9);
  EXPECT_EQ(program.idleCalls, 0);
}

}  // namespace
