// Tests of dialogs built from the test resource script: a message map with
// control notifications (a button, the combo box through its CComboBox,
// an edit), WM_NOTIFY, colours the paint record shows, messages and an
// inherited handler; data exchange both ways with a refused value; modal
// dialogs ended from the keyboard and from a timer that fires while a
// message box opened by another handler waits.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <plat/display.h>
#include <plat/system.h>

#include <functional>
#include <string>
#include <vector>

#include "mfc_test_res.h"

namespace {

CWinApp testApp(_T("DialogTest"));

constexpr COLORREF kLabelBackground = RGB(10, 20, 30);
constexpr COLORREF kLabelText = RGB(200, 0, 0);
constexpr UINT kPing = WM_APP + 1;
constexpr UINT kAsk = WM_APP + 2;
constexpr UINT kFlagNotification = 777;

void Pump() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) AfxPumpMessage();
}

void Click(HWND button) {
  plat::PostInput(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  plat::PostInput(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// A base dialog whose handlers the survey dialog inherits.
class CSurveyBase : public CDialog {
 public:
  using CDialog::CDialog;
  std::vector<std::string> events;

 protected:
  afx_msg void OnApply() { events.push_back("apply"); }
  afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSurveyBase, CDialog)
  ON_MESSAGE(kPing, &CSurveyBase::OnPing)
END_MESSAGE_MAP()

class CSurveyDialog : public CSurveyBase {
 public:
  explicit CSurveyDialog(CWnd* pParent = nullptr) : CSurveyBase(IDD_SURVEY, pParent) {
    m_labelBrush.CreateSolidBrush(kLabelBackground);
  }

  CComboBox m_kind;
  CString m_name = _T("Ann");
  int m_count = 3;
  int m_flag = 1;
  int m_radio = 1;
  int m_kindIndex = -1;
  int selectedKind = -1;
  int boxAnswer = 0;
  bool exchangeMissingControl = false;
  UINT_PTR timerId = 0;
  std::function<void(CSurveyDialog&)> onInit;     // runs at the end of OnInitDialog
  std::function<void(CSurveyDialog&)> onTimer;    // runs in OnTimer
  std::function<void(CSurveyDialog&)> onKickIdle;  // runs on the modal loop's first idle message

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CSurveyBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KIND, m_kind);
    DDX_CBIndex(pDX, IDC_KIND, m_kindIndex);
    DDX_Text(pDX, IDC_NAME, m_name);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDX_Check(pDX, IDC_FLAG, m_flag);
    DDX_Radio(pDX, IDC_RADIO1, m_radio);
    if (exchangeMissingControl) DDX_Text(pDX, 4242, m_name);
  }
  BOOL OnInitDialog() override {
    CSurveyBase::OnInitDialog();
    m_kind.AddString(_T("Tree"));
    m_kind.AddString(_T("Rock"));
    if (onInit) onInit(*this);
    return TRUE;
  }
  afx_msg void OnKindChange() {
    selectedKind = m_kind.GetCurSel();
    events.push_back("kind");
  }
  afx_msg void OnNameChange() { events.push_back("name changed"); }
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC && pWnd->GetDlgCtrlID() == IDC_LABEL) {
      pDC->SetTextColor(kLabelText);
      return m_labelBrush;
    }
    return CSurveyBase::OnCtlColor(pDC, pWnd, nCtlColor);
  }
  afx_msg void OnFlagNotify(NMHDR* header, LRESULT* result) {
    events.push_back("notify " + std::to_string(header->idFrom));
    *result = 5;
  }
  afx_msg void OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != timerId) return CSurveyBase::OnTimer(nIDEvent);
    KillTimer(nIDEvent);
    if (onTimer) onTimer(*this);
  }
  afx_msg LRESULT OnAsk(WPARAM, LPARAM) {
    boxAnswer = AfxMessageBox(_T("Go on?"), MB_OKCANCEL);
    events.push_back("box answered");
    return 0;
  }
  afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lIdleCount) {
    if (lIdleCount == 0 && onKickIdle) onKickIdle(*this);
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush m_labelBrush;
};

BEGIN_MESSAGE_MAP(CSurveyDialog, CSurveyBase)
  ON_BN_CLICKED(IDC_APPLY, &CSurveyDialog::OnApply)  // a handler of the base class
  ON_CBN_SELCHANGE(IDC_KIND, &CSurveyDialog::OnKindChange)
  ON_EN_CHANGE(IDC_NAME, &CSurveyDialog::OnNameChange)
  ON_WM_CTLCOLOR()
  ON_NOTIFY(kFlagNotification, IDC_FLAG, &CSurveyDialog::OnFlagNotify)
  ON_WM_TIMER()
  ON_MESSAGE(kAsk, &CSurveyDialog::OnAsk)
  ON_MESSAGE(WM_KICKIDLE, &CSurveyDialog::OnKickIdle)
END_MESSAGE_MAP()

// Answers message boxes as a person would, after an optional look at them.
class BoxAnswerer : public plat::DisplayObserver {
 public:
  BoxAnswerer() { plat::AddDisplayObserver(this); }
  ~BoxAnswerer() override { plat::RemoveDisplayObserver(this); }
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  void OnMessageBox(HWND box, const std::u16string& text, const std::u16string& caption, UINT type) override {
    boxes.push_back(box);
    texts.push_back(text);
    captions.push_back(caption);
    types.push_back(type);
    if (onBox) {
      onBox(box);
    } else {
      Click(::GetDlgItem(box, IDOK));
    }
  }

  std::vector<HWND> boxes;
  std::vector<std::u16string> texts, captions;
  std::vector<UINT> types;
  std::function<void(HWND)> onBox;  // instead of the click on OK
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(main.CreateEx(0, nullptr, _T("main"), WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr));
    testApp.m_pMainWnd = &main;
  }
  void TearDown() override {
    testApp.m_pMainWnd = nullptr;
    main.DestroyWindow();
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {  // the quit message of the main window, if any
    }
  }
  CWnd main;
};

class ModelessSurvey : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    ASSERT_TRUE(dlg.Create(IDD_SURVEY, &main));
    dlg.ShowWindow(SW_SHOW);
    Pump();
  }
  void TearDown() override {
    dlg.DestroyWindow();
    DialogTest::TearDown();
  }
  HWND Item(int id) { return ::GetDlgItem(dlg.m_hWnd, id); }
  CSurveyDialog dlg;
};

TEST_F(ModelessSurvey, InitialisationFillsTheControls) {
  EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
  EXPECT_EQ(dlg.GetParent(), &main);  // the owner of the popup
  CString text;
  dlg.GetDlgItemText(IDC_NAME, text);
  EXPECT_EQ(text, CString(_T("Ann")));
  EXPECT_EQ(dlg.GetDlgItemInt(IDC_COUNT), 3u);
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_FLAG), 1u);
  EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO2), IDC_RADIO2);
  EXPECT_EQ(dlg.m_kind.GetCount(), 2);
  // Filling the controls sent no notification to the dialog's handlers.
  EXPECT_EQ(dlg.events, std::vector<std::string>{});
}

TEST_F(ModelessSurvey, DdxControlSubclassesOnce) {
  HWND combo = Item(IDC_KIND);
  EXPECT_EQ(dlg.m_kind.m_hWnd, combo);
  EXPECT_EQ(CWnd::FromHandlePermanent(combo), &dlg.m_kind);
  EXPECT_EQ(dlg.GetDlgItem(IDC_KIND), &dlg.m_kind);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(combo, GWLP_WNDPROC)), AfxGetAfxWndProc());
  EXPECT_TRUE(dlg.UpdateData(FALSE));  // a second exchange keeps the same subclassing
  EXPECT_EQ(CWnd::FromHandlePermanent(combo), &dlg.m_kind);
  EXPECT_EQ(dlg.m_kind.GetCount(), 2);  // the control still answers through its old procedure
}

TEST_F(ModelessSurvey, ControlNotificationsReachTheirHandlers) {
  Click(Item(IDC_APPLY));
  Pump();
  plat::PostInput(Item(IDC_KIND), plat::WM_PLAT_GESTURE, plat::kGestureChoose, 1);
  Pump();
  EXPECT_EQ(dlg.selectedKind, 1);
  for (char16_t c : std::u16string(u"x")) plat::PostInput(Item(IDC_NAME), WM_CHAR, c, 1);
  Pump();
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"apply", "kind", "name changed"}));
}

TEST_F(ModelessSurvey, NotificationsAndMessagesAnswer) {
  NMHDR header{Item(IDC_FLAG), IDC_FLAG, kFlagNotification};
  EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_FLAG, reinterpret_cast<LPARAM>(&header)), 5);
  EXPECT_EQ(dlg.SendMessage(kPing, 41), 42);  // from the base class's map
  EXPECT_EQ(dlg.events, std::vector<std::string>{"notify " + std::to_string(IDC_FLAG)});
}

TEST_F(ModelessSurvey, TheColourHandlerPaintsTheLabel) {
  const plat::PaintRecord label = plat::GetPaintRecord(Item(IDC_LABEL));
  ASSERT_TRUE(label.painted);
  EXPECT_TRUE(label.hasBackground);
  EXPECT_EQ(label.background, kLabelBackground);
  EXPECT_EQ(label.textColor, kLabelText);
  const plat::PaintRecord flag = plat::GetPaintRecord(Item(IDC_FLAG));
  EXPECT_NE(flag.background, kLabelBackground);  // other controls keep the default colours
}

TEST_F(ModelessSurvey, DataComeBackFromTheControls) {
  dlg.SetDlgItemText(IDC_NAME, _T("Bo"));
  dlg.SetDlgItemText(IDC_COUNT, _T(" -12 "));
  dlg.CheckDlgButton(IDC_FLAG, BST_UNCHECKED);
  dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO2, IDC_RADIO1);
  dlg.m_kind.SetCurSel(1);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_kindIndex, 1);
  EXPECT_EQ(dlg.m_name, CString(_T("Bo")));
  EXPECT_EQ(dlg.m_count, -12);
  EXPECT_EQ(dlg.m_flag, 0);
  EXPECT_EQ(dlg.m_radio, 0);
}

TEST_F(ModelessSurvey, ARefusedValueIsReportedAndKeepsTheMember) {
  BoxAnswerer answerer;
  dlg.SetDlgItemText(IDC_COUNT, _T("12a"));
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_count, 3);
  ASSERT_EQ(answerer.texts.size(), 1u);
  EXPECT_EQ(answerer.texts[0], u"Please enter an integer.");
  EXPECT_EQ(answerer.captions[0], u"DialogTest");
  EXPECT_EQ(::GetFocus(), Item(IDC_COUNT));
}

TEST_F(ModelessSurvey, AMissingControlIsReportedNotFatal) {
  BoxAnswerer answerer;
  dlg.exchangeMissingControl = true;
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(answerer.texts.size(), 1u);
  EXPECT_EQ(answerer.texts[0], u"An unsupported operation was attempted.");
}

TEST_F(ModelessSurvey, EnterInTheDialogRunsOnOk) {
  dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_NAME));
  dlg.SetDlgItemText(IDC_NAME, _T("Cy"));
  plat::PostKeyInput(::GetCurrentThreadId(), WM_KEYDOWN, VK_RETURN, 1);
  Pump();
  EXPECT_EQ(dlg.m_name, CString(_T("Cy")));  // OnOK saved the data
  EXPECT_FALSE(dlg.IsWindowVisible());      // and ended the dialog
}

// ---- modal dialogs ----
struct ModalKeyCase {
  UINT key;
  INT_PTR result;
  const TCHAR* savedName;
};

TEST_F(DialogTest, DoModalEndsWithTheKeyboard) {
  const ModalKeyCase cases[] = {
      {VK_RETURN, IDOK, _T("Dee")},
      {VK_ESCAPE, IDCANCEL, _T("Ann")},
  };
  for (const auto& c : cases) {
    CSurveyDialog dlg;
    bool mainDisabled = false;
    dlg.onInit = [](CSurveyDialog& d) { d.SetDlgItemText(IDC_NAME, _T("Dee")); };
    dlg.onKickIdle = [&](CSurveyDialog& d) {
      mainDisabled = !main.IsWindowEnabled();
      EXPECT_TRUE(d.IsWindowVisible());  // shown on idle
      plat::PostKeyInput(::GetCurrentThreadId(), WM_KEYDOWN, c.key, 1);
    };
    EXPECT_EQ(dlg.DoModal(), c.result);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_name, CString(c.savedName));
  }
}

class ManualClock : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    SYSTEMTIME now{2026, 12, 5, 11, 9, 0, 0, 0};
    plat::UseManualClock(now);
  }
  void TearDown() override {
    plat::UseRealClock();
    DialogTest::TearDown();
  }
};

TEST_F(ManualClock, ATimerEndsTheDialogWhileAMessageBoxWaits) {
  CSurveyDialog dlg;
  BoxAnswerer answerer;
  bool boxOpenAtTimer = false;
  dlg.onInit = [](CSurveyDialog& d) {
    d.timerId = d.SetTimer(7, 1000, nullptr);
    d.PostMessage(kAsk);
  };
  answerer.onBox = [](HWND) { plat::AdvanceClock(1000); };  // the timer falls due under the box
  dlg.onTimer = [&](CSurveyDialog& d) {
    boxOpenAtTimer = answerer.boxes.size() == 1 && ::IsWindowVisible(answerer.boxes[0]);
    d.events.push_back("timer");
    d.EndDialog(42);
    Click(::GetDlgItem(answerer.boxes[0], IDOK));
  };
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_TRUE(boxOpenAtTimer);
  EXPECT_EQ(dlg.boxAnswer, IDOK);
  EXPECT_EQ(dlg.events, (std::vector<std::string>{"timer", "box answered"}));
  ASSERT_EQ(answerer.types.size(), 1u);
  EXPECT_EQ(answerer.types[0], static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));  // the default icon
  EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogTest, DoModalOfAMissingTemplateFails) {
  CDialog dlg(12345);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_TRUE(main.IsWindowEnabled());
}

}  // namespace
