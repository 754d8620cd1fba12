// Tests of the dialog base class: derived message maps chain to TDialog's
// and through it to CDialog's; a derived dialog on the headless desktop
// gets its base calls first (initialisation, data exchange, activation),
// its own commands, dialog keyboard navigation and its modal result; and
// its run-time class descends from TDialog.
#include <dlgkit.h>
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>

#include <string>
#include <vector>

#include "dlgkit_test_res.h"

namespace {

// A dialog as the plug-ins write them: a map of its own, base calls first.
class ProbeDialog : public TDialog {
 public:
  ProbeDialog() : TDialog(IDD_PROBE) {}
  CEdit m_edit;
  std::vector<std::string> calls;
  std::vector<UINT> activations;

  static const AFX_MSGMAP* OwnMap() { return GetThisMessageMap(); }
  static const AFX_MSGMAP* TDialogMap() { return TDialog::GetThisMessageMap(); }
  const AFX_MSGMAP* ObjectMap() const { return GetMessageMap(); }
  static const AFX_MSGMAP* CDialogMap() { return CDialog::GetThisMessageMap(); }

 protected:
  BOOL OnInitDialog() override {
    TDialog::OnInitDialog();
    calls.push_back(m_edit.m_hWnd != nullptr ? "init after exchange" : "init before exchange");
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    TDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROBE_EDIT, m_edit);
  }
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    TDialog::OnActivate(nState, pWndOther, bMinimized);
    activations.push_back(nState);
  }
  afx_msg void OnPing() { calls.push_back("ping"); }
  void OnOK() override { EndDialog(IDOK); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDialog, TDialog)
  ON_WM_ACTIVATE()
  ON_BN_CLICKED(IDC_PROBE_PING, &ProbeDialog::OnPing)
END_MESSAGE_MAP()

// A derived dialog whose map leaves WM_ACTIVATE to TDialog's.
class QuietDialog : public TDialog {
 public:
  QuietDialog() : TDialog(IDD_PROBE) {}
  static const AFX_MSGMAP* OwnMap() { return GetThisMessageMap(); }
  static const AFX_MSGMAP* TDialogMap() { return TDialog::GetThisMessageMap(); }
  const AFX_MSGMAP* ObjectMap() const { return GetMessageMap(); }

 protected:
  afx_msg void OnPing() {}
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(QuietDialog, TDialog)
  ON_BN_CLICKED(IDC_PROBE_PING, &QuietDialog::OnPing)
END_MESSAGE_MAP()

bool MapHolds(const AFX_MSGMAP* map, const AFX_MSGMAP_ENTRY* entry) {
  for (const AFX_MSGMAP_ENTRY* each = map->lpEntries; each->pfn != nullptr; ++each)
    if (each == entry) return true;
  return false;
}

TEST(TDialogMap, DerivedMapsChainThroughTDialogToCDialog) {
  EXPECT_EQ(ProbeDialog::OwnMap()->pfnGetBaseMap(), ProbeDialog::TDialogMap());
  EXPECT_EQ(ProbeDialog::TDialogMap()->pfnGetBaseMap(), ProbeDialog::CDialogMap());
  ProbeDialog probe;
  QuietDialog quiet;
  EXPECT_EQ(probe.ObjectMap(), ProbeDialog::OwnMap()) << "GetMessageMap gives the object's own map";
  EXPECT_EQ(quiet.ObjectMap(), QuietDialog::OwnMap());
}

TEST(TDialogMap, MessagesADerivedMapLeavesOutAreFoundInTDialogs) {
  const AFX_MSGMAP_ENTRY* quietActivate = CCmdTarget::FindMessageEntry(QuietDialog::OwnMap(), WM_ACTIVATE, 0, 0);
  ASSERT_NE(quietActivate, nullptr);
  EXPECT_TRUE(MapHolds(QuietDialog::TDialogMap(), quietActivate));
  const AFX_MSGMAP_ENTRY* probeActivate = CCmdTarget::FindMessageEntry(ProbeDialog::OwnMap(), WM_ACTIVATE, 0, 0);
  ASSERT_NE(probeActivate, nullptr);
  EXPECT_TRUE(MapHolds(ProbeDialog::OwnMap(), probeActivate)) << "the derived entry comes first";
}

TEST(TDialogMap, RuntimeClassDescendsFromTDialog) {
  ProbeDialog probe;
  EXPECT_STREQ(probe.GetRuntimeClass()->m_lpszClassName, "TDialog");
  EXPECT_TRUE(probe.IsKindOf(RUNTIME_CLASS(TDialog)));
  EXPECT_TRUE(probe.IsKindOf(RUNTIME_CLASS(CDialog)));
  EXPECT_TRUE(RUNTIME_CLASS(TDialog)->IsDerivedFrom(RUNTIME_CLASS(CDialog)));
}

class TDialogOnDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Start([] {
      while (AfxPumpMessage()) {
      }
    });
  }
  void TearDown() override { desktop.Stop(); }
  plat::HeadlessDesktop desktop;
};

TEST_F(TDialogOnDesktop, ModelessDialogGetsBaseCallsFirstAndItsOwnCommands) {
  ProbeDialog probe;
  ASSERT_TRUE(desktop.Ui([&] { return probe.Create(IDD_PROBE); }));
  desktop.Ui([&] { probe.ShowWindow(SW_SHOW); });
  desktop.Settle();
  EXPECT_EQ(probe.calls, std::vector<std::string>{"init after exchange"});
  ASSERT_FALSE(probe.activations.empty()) << "WM_ACTIVATE reaches the derived handler";
  EXPECT_NE(probe.activations.back(), UINT(WA_INACTIVE));

  ASSERT_TRUE(desktop.Click(desktop.FindControl(probe.m_hWnd, IDC_PROBE_PING)));
  EXPECT_EQ(probe.calls.back(), "ping");

  ASSERT_TRUE(desktop.Click(desktop.FindControl(probe.m_hWnd, IDC_PROBE_EDIT)));
  desktop.PressKey(VK_TAB);
  EXPECT_EQ(desktop.FocusWindow(), desktop.FindControl(probe.m_hWnd, IDC_PROBE_PING))
      << "PreTranslateMessage keeps the dialog's keyboard navigation";
  desktop.Ui([&] { probe.DestroyWindow(); });
}

TEST_F(TDialogOnDesktop, ModalDialogEndsWithItsResult) {
  ProbeDialog probe;
  INT_PTR result = 0;
  desktop.Post([&] { result = probe.DoModal(); });
  HWND window = desktop.FindWindowByCaption(u"Probe");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(desktop.Click(desktop.FindControl(window, IDOK)));
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(probe.m_hWnd, nullptr);
}

}  // namespace
