// Tests of windows and their objects: the creation hook (the object sees
// WM_CREATE, and WM_NCDESTROY detaches it), permanent and temporary handle
// maps, subclassing with Default() reaching the previous procedure, and
// message maps (inherited handlers, base maps, commands, notifications and
// reflection to the control that sent them).
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CWinApp testApp(_T("WindowTest"));

// A plain window procedure (not the library's): answers kRawQuestion with 7.
constexpr UINT kRawQuestion = WM_USER + 5;
constexpr UINT kMappedQuestion = WM_USER + 6;
constexpr UINT kBaseQuestion = WM_USER + 7;
LRESULT CALLBACK RawProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRawQuestion) return 7;
  return DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateRawWindow(HWND parent = nullptr, int id = 0) {
  static const ATOM registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &RawProc;
    wc.lpszClassName = u"LibraryTestRaw";
    return RegisterClassW(&wc);
  }();
  (void)registered;
  const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
  return CreateWindowExW(0, u"LibraryTestRaw", u"raw", style, 0, 0, 50, 20, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// A base class whose handlers derived maps use or inherit.
class CBaseWnd : public CWnd {
 public:
  std::vector<std::string> events;

 protected:
  afx_msg LRESULT OnBaseQuestion(WPARAM, LPARAM) { return 55; }
  afx_msg void OnCommandRange(UINT nID) { events.push_back("range " + std::to_string(nID)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_MESSAGE(kBaseQuestion, &CBaseWnd::OnBaseQuestion)
END_MESSAGE_MAP()

class CRecordingWnd : public CBaseWnd {
 public:
  HWND handleDuringCreate = nullptr;
  bool deleteOnNcDestroy = false;
  LRESULT notifyAnswer = 0;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    handleDuringCreate = m_hWnd;
    events.push_back("create");
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnDestroy() {
    events.push_back("destroy");
    CWnd::OnDestroy();
  }
  afx_msg LRESULT OnMappedQuestion(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 100; }
  // Default() hands the message being handled to the previous procedure.
  afx_msg LRESULT OnRawQuestion(WPARAM, LPARAM) { return Default() + 1; }
  afx_msg void OnChildClicked() { events.push_back("clicked"); }
  afx_msg void OnChildNotify(NMHDR* header, LRESULT* result) {
    events.push_back("notify " + std::to_string(header->code));
    *result = notifyAnswer;
  }
  void PostNcDestroy() override {
    events.push_back("post-ncdestroy");
    if (deleteOnNcDestroy) delete this;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CBaseWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_MESSAGE(kMappedQuestion, &CRecordingWnd::OnMappedQuestion)
  ON_MESSAGE(kRawQuestion, &CRecordingWnd::OnRawQuestion)
  ON_BN_CLICKED(10, &CRecordingWnd::OnChildClicked)
  ON_COMMAND_RANGE(20, 29, &CRecordingWnd::OnCommandRange)  // a protected handler of the base
  ON_NOTIFY(12345, 10, &CRecordingWnd::OnChildNotify)
END_MESSAGE_MAP()

// A control class that takes its own clicks (reflection) and counts its objects.
class CSelfishButton : public CWnd {
 public:
  static int liveObjects;
  int clicks = 0;
  CSelfishButton() { ++liveObjects; }
  ~CSelfishButton() override { --liveObjects; }

 protected:
  afx_msg void OnReflectedClick() { ++clicks; }
  DECLARE_MESSAGE_MAP()
};
int CSelfishButton::liveObjects = 0;

BEGIN_MESSAGE_MAP(CSelfishButton, CWnd)
  ON_CONTROL_REFLECT(BN_CLICKED, &CSelfishButton::OnReflectedClick)
END_MESSAGE_MAP()

// A window whose creation handler refuses by throwing.
class CRefusingWnd : public CWnd {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) { AfxThrowUserException(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefusingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

CRecordingWnd* CreateRecordingWindow() {
  auto* wnd = new CRecordingWnd;
  EXPECT_TRUE(wnd->CreateEx(0, nullptr, _T("recording"), WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  return wnd;
}

TEST(WindowCreation, TheHookAttachesBeforeWmCreate) {
  CRecordingWnd* wnd = CreateRecordingWindow();
  ASSERT_NE(wnd->m_hWnd, nullptr);
  EXPECT_EQ(wnd->handleDuringCreate, wnd->m_hWnd);
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd->m_hWnd), wnd);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd->m_hWnd, GWLP_WNDPROC)), AfxGetAfxWndProc());
  HWND hWnd = wnd->m_hWnd;
  EXPECT_TRUE(wnd->DestroyWindow());
  EXPECT_EQ(wnd->m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
  EXPECT_EQ(wnd->events, (std::vector<std::string>{"create", "destroy", "post-ncdestroy"}));
  delete wnd;
}

TEST(WindowCreation, PostNcDestroyMayDeleteTheObject) {
  CRecordingWnd* wnd = CreateRecordingWindow();
  wnd->deleteOnNcDestroy = true;
  HWND hWnd = wnd->m_hWnd;
  EXPECT_TRUE(::DestroyWindow(hWnd));  // the sanitizers catch any touch of the deleted object
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WindowCreation, TheDestructorDestroysTheWindow) {
  HWND hWnd = nullptr;
  {
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, _T("scoped"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    hWnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(WindowCreation, AHandlerExceptionFailsTheCreation) {
  CRefusingWnd wnd;
  EXPECT_FALSE(wnd.CreateEx(0, nullptr, _T("refusing"), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST(HandleMaps, TemporariesLiveUntilIdleTime) {
  HWND raw = CreateRawWindow();
  CWnd* temporary = CWnd::FromHandle(raw);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->m_hWnd, raw);
  EXPECT_EQ(CWnd::FromHandle(raw), temporary);  // one per handle
  EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

  // Temporaries of a derived class come and go the same way.
  CSelfishButton* typed = AfxWndFromHandleAs<CSelfishButton>(raw);
  EXPECT_EQ(CSelfishButton::liveObjects, 1);
  EXPECT_EQ(typed->m_hWnd, raw);
  EXPECT_TRUE(testApp.OnIdle(0));  // the first pass asks for more and frees nothing
  EXPECT_EQ(CSelfishButton::liveObjects, 1);
  EXPECT_FALSE(testApp.OnIdle(1));
  EXPECT_EQ(CSelfishButton::liveObjects, 0);
  ::DestroyWindow(raw);
}

TEST(HandleMaps, AttachMakesAPermanentObjectAndDetachUndoesIt) {
  HWND raw = CreateRawWindow();
  CWnd wnd;
  EXPECT_TRUE(wnd.Attach(raw));
  EXPECT_EQ(CWnd::FromHandle(raw), &wnd);
  CWnd other;
  EXPECT_FALSE(other.Attach(raw));  // one permanent object per window
  EXPECT_FALSE(wnd.Attach(raw));
  EXPECT_EQ(wnd.Detach(), raw);
  EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
  EXPECT_TRUE(::IsWindow(raw));  // detaching leaves the window alone
  ::DestroyWindow(raw);
}

TEST(Subclassing, DefaultReachesThePreviousProcedure) {
  HWND raw = CreateRawWindow();
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(raw));
  EXPECT_EQ(::SendMessageW(raw, kMappedQuestion, 3, 0), 300);
  EXPECT_EQ(::SendMessageW(raw, kRawQuestion, 0, 0), 8);    // 7 from RawProc, plus one
  EXPECT_EQ(::SendMessageW(raw, kBaseQuestion, 0, 0), 55);  // found in the base class's map
  EXPECT_EQ(wnd.UnsubclassWindow(), raw);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(raw, GWLP_WNDPROC)), &RawProc);
  EXPECT_EQ(::SendMessageW(raw, kRawQuestion, 0, 0), 7);
  ::DestroyWindow(raw);
}

TEST(Subclassing, SubclassDlgItemFindsTheChild) {
  CRecordingWnd* parent = CreateRecordingWindow();
  HWND child = CreateRawWindow(parent->m_hWnd, 10);
  CSelfishButton button;
  EXPECT_FALSE(button.SubclassDlgItem(11, parent));
  EXPECT_TRUE(button.SubclassDlgItem(10, parent));
  EXPECT_EQ(CWnd::FromHandlePermanent(child), &button);
  EXPECT_EQ(parent->GetDlgItem(10), &button);
  button.UnsubclassWindow();
  parent->DestroyWindow();
  delete parent;
}

class MessageRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = CreateRecordingWindow();
    child = CreateRawWindow(parent->m_hWnd, 10);
  }
  void TearDown() override {
    parent->DestroyWindow();
    delete parent;
  }
  LRESULT Command(int id, int code, HWND from) {
    return ::SendMessageW(parent->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(from));
  }
  CRecordingWnd* parent = nullptr;
  HWND child = nullptr;
};

TEST_F(MessageRouting, CommandsFindTheirEntries) {
  Command(10, BN_CLICKED, child);
  Command(10, BN_DOUBLECLICKED, child);  // no entry for that code
  Command(25, 0, nullptr);               // a menu command in the range
  Command(30, 0, nullptr);               // outside it
  EXPECT_EQ(parent->events, (std::vector<std::string>{"create", "clicked", "range 25"}));
}

TEST_F(MessageRouting, NotificationsCarryTheirResult) {
  parent->notifyAnswer = 99;
  NMHDR header{child, 10, 12345};
  EXPECT_EQ(::SendMessageW(parent->m_hWnd, WM_NOTIFY, 10, reinterpret_cast<LPARAM>(&header)), 99);
  header.code = 1;  // no entry
  EXPECT_EQ(::SendMessageW(parent->m_hWnd, WM_NOTIFY, 10, reinterpret_cast<LPARAM>(&header)), 0);
  EXPECT_EQ(parent->events, (std::vector<std::string>{"create", "notify 12345"}));
}

TEST_F(MessageRouting, AControlWithAReflectEntryTakesItsOwnNotification) {
  CSelfishButton button;
  ASSERT_TRUE(button.SubclassWindow(child));
  Command(10, BN_CLICKED, child);
  EXPECT_EQ(button.clicks, 1);
  EXPECT_EQ(parent->events, (std::vector<std::string>{"create"}));  // the parent never saw it
  button.UnsubclassWindow();
}

TEST_F(MessageRouting, OnCmdMsgReportsHandlersWithoutCalling) {
  AFX_CMDHANDLERINFO info{};
  EXPECT_TRUE(parent->OnCmdMsg(22, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.pTarget, parent);
  EXPECT_NE(info.pfn, nullptr);
  EXPECT_FALSE(parent->OnCmdMsg(40, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(parent->events, (std::vector<std::string>{"create"}));
}

TEST(WindowOperations, TextItemsAndGeometry) {
  CRecordingWnd* wnd = CreateRecordingWindow();
  HWND child = CreateRawWindow(wnd->m_hWnd, 10);
  wnd->SetDlgItemInt(10, static_cast<UINT>(-42));
  BOOL translated = FALSE;
  EXPECT_EQ(static_cast<int>(wnd->GetDlgItemInt(10, &translated)), -42);
  EXPECT_TRUE(translated);
  EXPECT_EQ(wnd->GetDlgItemInt(10, &translated, FALSE), 0u);  // unsigned refuses the sign
  EXPECT_FALSE(translated);
  wnd->SetDlgItemText(10, _T("4294967295"));
  EXPECT_EQ(wnd->GetDlgItemInt(10, &translated, FALSE), 4294967295u);
  EXPECT_TRUE(translated);
  CString text;
  EXPECT_EQ(wnd->GetDlgItemText(10, text), 10);
  EXPECT_EQ(text, CString(_T("4294967295")));
  wnd->SetWindowText(_T("title"));
  wnd->GetWindowText(text);
  EXPECT_EQ(text, CString(_T("title")));
  EXPECT_EQ(wnd->GetWindowTextLength(), 5);
  EXPECT_EQ(CWnd::FromHandle(child)->GetDlgCtrlID(), 10);
  EXPECT_EQ(CWnd::FromHandle(child)->GetParent(), wnd);
  EXPECT_EQ(CWnd::FromHandle(child)->GetTopLevelParent(), wnd);
  wnd->MoveWindow(CRect(10, 20, 110, 70));
  CRect rect;
  wnd->GetWindowRect(&rect);
  EXPECT_EQ(rect, CRect(10, 20, 110, 70));
  CPoint point(0, 0);
  wnd->ClientToScreen(&point);
  wnd->ScreenToClient(&point);
  EXPECT_EQ(point, CPoint(0, 0));
  EXPECT_TRUE(wnd->ModifyStyle(0, WS_DISABLED));
  EXPECT_FALSE(wnd->ModifyStyle(0, WS_DISABLED));  // nothing to change
  EXPECT_TRUE(wnd->GetStyle() & WS_DISABLED);
  CWnd::FromHandle(child)->CenterWindow();  // a child centres in its parent's client area
  CRect client, placed;
  wnd->GetClientRect(&client);
  CWnd::FromHandle(child)->GetWindowRect(&placed);
  wnd->ScreenToClient(&placed);
  EXPECT_EQ(placed.CenterPoint(), client.CenterPoint());
  wnd->DestroyWindow();
  delete wnd;
}

}  // namespace
