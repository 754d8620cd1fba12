// Tests of the standard controls' wrappers on a dialog's controls taken over
// with DDX_Control and on controls they create: the edit's selection,
// replacement, limit, modified flag, read-only state and clipboard commands;
// the combo box's items, item data, search, selection, texts of bad indexes,
// drop-down and edit part; the button's check, state and style; the images
// of statics and buttons.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <plat/gdi.h>

#include "gdi/dib_test_support.h"
#include "mfc_test_res.h"
#include "user/controls/control_test_support.h"

namespace {

using plat::test::Pump;

class SurveyDialog : public CDialog {
 public:
  SurveyDialog() : CDialog(IDD_SURVEY) {}
  CEdit m_name;
  CComboBox m_kind;
  CButton m_flag;
  CStatic m_label;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NAME, m_name);
    DDX_Control(pDX, IDC_KIND, m_kind);
    DDX_Control(pDX, IDC_FLAG, m_flag);
    DDX_Control(pDX, IDC_LABEL, m_label);
  }
};

class StandardControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(IDD_SURVEY));
    Pump();
  }
  void TearDown() override {
    dialog.DestroyWindow();
    Pump();
    CWnd::DeleteTempMap();
  }
  CString Text(const CWnd& wnd) {
    CString text;
    wnd.GetWindowText(text);
    return text;
  }
  SurveyDialog dialog;
};

// A 16 x 16 icon.
HICON MakeIcon() {
  using namespace plat::gdi::testing;
  const auto data =
      IconImageData(Dib(16, 16, 24, false, {}, std::vector<uint32_t>(256, 0x00FF00)), std::vector<uint32_t>(256, 0));
  return plat::gdi::CreateIconFromImageResource(data.data(), data.size());
}

HBITMAP MakeBitmap() {
  using namespace plat::gdi::testing;
  const auto dib = PackedDib(Dib(4, 4, 24, false, {}, std::vector<uint32_t>(16, 0xFFFFFF)));
  return plat::gdi::CreateBitmapFromPackedDib(dib.data(), dib.size());
}

TEST_F(StandardControls, DdxControlTakesOverEachControl) {
  struct Case {
    CWnd* wrapper;
    int id;
  };
  for (const Case& c : {Case{&dialog.m_name, IDC_NAME}, Case{&dialog.m_kind, IDC_KIND}, Case{&dialog.m_flag, IDC_FLAG},
                        Case{&dialog.m_label, IDC_LABEL}}) {
    HWND control = ::GetDlgItem(dialog.m_hWnd, c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(c.wrapper->m_hWnd, control) << c.id;
    EXPECT_EQ(CWnd::FromHandlePermanent(control), c.wrapper) << c.id;
  }
}

// ---- CEdit ----

TEST_F(StandardControls, EditSelectsAndReplaces) {
  CEdit& edit = dialog.m_name;
  edit.SetWindowText(u"hello world");
  edit.SetSel(0, 5);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(edit.GetSel(), DWORD(MAKELONG(0, 5)));
  edit.ReplaceSel(u"HELLO");
  EXPECT_EQ(Text(edit), CString(u"HELLO world"));
  edit.SetSel(DWORD(MAKELONG(6, 11)));
  EXPECT_EQ(edit.GetSel(), DWORD(MAKELONG(6, 11)));
  EXPECT_FALSE(edit.GetModify()) << "the program's changes leave the flag alone";
  edit.SetModify();
  EXPECT_TRUE(edit.GetModify());
  edit.SetModify(FALSE);
  EXPECT_FALSE(edit.GetModify());
  EXPECT_EQ(edit.GetLineCount(), 1);
}

TEST_F(StandardControls, EditLimitsAndTurnsReadOnly) {
  CEdit& edit = dialog.m_name;
  edit.SetLimitText(8);
  EXPECT_EQ(edit.GetLimitText(), 8u);
  edit.LimitText();
  EXPECT_EQ(edit.GetLimitText(), 30000u) << "0 is the platform's largest limit";
  EXPECT_TRUE(edit.SetReadOnly());
  EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
  EXPECT_TRUE(edit.SetReadOnly(FALSE));
  EXPECT_FALSE(edit.GetStyle() & ES_READONLY);
}

TEST_F(StandardControls, EditClipboardCommandsAndUndo) {
  CEdit& edit = dialog.m_name;
  edit.SetWindowText(u"hello");
  edit.SetSel(0, 2);
  edit.Copy();
  edit.SetSel(5, 5);
  edit.Paste();
  EXPECT_EQ(Text(edit), CString(u"hellohe"));
  EXPECT_TRUE(edit.GetModify());
  EXPECT_TRUE(edit.Undo());
  EXPECT_EQ(Text(edit), CString(u"hello"));
  edit.SetSel(0, 1);
  edit.Cut();
  EXPECT_EQ(Text(edit), CString(u"ello"));
  edit.SetSel(0, 1);
  edit.Clear();
  EXPECT_EQ(Text(edit), CString(u"llo"));
}

// ---- CComboBox ----

TEST_F(StandardControls, ComboBoxKeepsItemsAndTheirData) {
  CComboBox& combo = dialog.m_kind;
  EXPECT_EQ(combo.AddString(u"alpha"), 0);
  EXPECT_EQ(combo.AddString(u"gamma"), 1);
  EXPECT_EQ(combo.InsertString(1, u"beta"), 1);
  ASSERT_EQ(combo.GetCount(), 3);
  CString text;
  combo.GetLBText(1, text);
  EXPECT_EQ(text, CString(u"beta"));
  TCHAR buffer[16] = {};
  EXPECT_EQ(combo.GetLBText(2, buffer), 5);
  EXPECT_EQ(CString(buffer), CString(u"gamma"));
  EXPECT_EQ(combo.GetLBTextLen(0), 5);

  int record = 7;
  EXPECT_NE(combo.SetItemData(0, 42), CB_ERR);
  EXPECT_NE(combo.SetItemDataPtr(1, &record), CB_ERR);
  EXPECT_EQ(combo.GetItemData(0), DWORD_PTR(42));
  EXPECT_EQ(combo.GetItemDataPtr(1), &record);

  EXPECT_EQ(combo.DeleteString(0), 2);
  EXPECT_EQ(combo.GetItemDataPtr(0), &record) << "the data moves with its item";
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(StandardControls, ComboBoxSearchesAndSelects) {
  CComboBox& combo = dialog.m_kind;
  for (const char16_t* item : {u"apple", u"banana", u"apricot", u"cherry"}) combo.AddString(item);
  EXPECT_EQ(combo.FindString(-1, u"ap"), 0);
  EXPECT_EQ(combo.FindString(0, u"ap"), 2);
  EXPECT_EQ(combo.FindStringExact(-1, u"CHERRY"), 3);
  EXPECT_EQ(combo.FindStringExact(-1, u"ap"), CB_ERR);
  EXPECT_EQ(combo.SelectString(-1, u"ban"), 1);
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(Text(combo), CString(u"banana"));
  EXPECT_EQ(combo.SetCurSel(3), 3);
  EXPECT_EQ(combo.GetCurSel(), 3);
  EXPECT_EQ(combo.SetCurSel(-1), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(StandardControls, ComboBoxTextOfABadIndexIsEmpty) {
  CComboBox& combo = dialog.m_kind;
  combo.AddString(u"only");
  CString text(u"left over");
  combo.GetLBText(5, text);
  EXPECT_TRUE(text.IsEmpty());
  combo.GetLBText(-1, text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(combo.GetLBTextLen(5), CB_ERR);
  EXPECT_EQ(combo.DeleteString(5), CB_ERR);
  EXPECT_EQ(combo.GetCount(), 1);
}

TEST_F(StandardControls, ComboBoxDropsDown) {
  CComboBox& combo = dialog.m_kind;
  EXPECT_FALSE(combo.GetDroppedState());
  combo.ShowDropDown();
  EXPECT_TRUE(combo.GetDroppedState());
  CRect dropped;
  combo.GetDroppedControlRect(dropped);
  EXPECT_GT(dropped.Height(), 0);
  combo.ShowDropDown(FALSE);
  EXPECT_FALSE(combo.GetDroppedState());
}

TEST_F(StandardControls, ACreatedComboBoxHasAnEditPart) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 110, 90), &dialog, 77));
  EXPECT_EQ(::GetDlgItem(dialog.m_hWnd, 77), combo.m_hWnd);
  combo.SetWindowText(u"abcdef");
  EXPECT_TRUE(combo.SetEditSel(1, 3));
  EXPECT_EQ(combo.GetEditSel(), DWORD(MAKELONG(1, 3)));
  EXPECT_TRUE(combo.LimitText(4));
}

// ---- CButton ----

TEST_F(StandardControls, ButtonCheckStateAndStyle) {
  CButton& flag = dialog.m_flag;
  EXPECT_EQ(flag.GetCheck(), BST_UNCHECKED);
  flag.SetCheck(BST_CHECKED);
  EXPECT_EQ(flag.GetCheck(), BST_CHECKED);
  EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_FLAG), UINT(BST_CHECKED));
  flag.SetState(TRUE);
  EXPECT_TRUE(flag.GetState() & BST_PUSHED);
  flag.SetState(FALSE);
  EXPECT_FALSE(flag.GetState() & BST_PUSHED);

  EXPECT_EQ(flag.GetButtonStyle(), UINT(BS_AUTOCHECKBOX));
  flag.SetButtonStyle(BS_CHECKBOX);
  EXPECT_EQ(flag.GetButtonStyle(), UINT(BS_CHECKBOX));
  EXPECT_TRUE(flag.GetStyle() & WS_CHILD) << "only the button type changes";
}

// ---- images ----

TEST_F(StandardControls, StaticsAndButtonsHoldTheImagesTheyAreGiven) {
  HBITMAP bitmap = MakeBitmap();
  HICON icon = MakeIcon();
  ASSERT_NE(icon, nullptr);
  CStatic picture, iconStatic;
  CButton imageButton;
  ASSERT_TRUE(picture.Create(u"", WS_CHILD | SS_BITMAP, CRect(0, 0, 20, 20), &dialog));
  ASSERT_TRUE(iconStatic.Create(u"", WS_CHILD | SS_ICON, CRect(0, 0, 20, 20), &dialog));
  ASSERT_TRUE(imageButton.Create(u"", WS_CHILD | BS_PUSHBUTTON | BS_BITMAP, CRect(0, 0, 20, 20), &dialog, 78));

  EXPECT_EQ(picture.SetBitmap(bitmap), nullptr);
  EXPECT_EQ(picture.GetBitmap(), bitmap);
  EXPECT_EQ(iconStatic.SetIcon(icon), nullptr);
  EXPECT_EQ(iconStatic.GetIcon(), icon);
  EXPECT_EQ(imageButton.SetBitmap(bitmap), nullptr);
  EXPECT_EQ(imageButton.GetBitmap(), bitmap);
  EXPECT_EQ(imageButton.SetIcon(icon), nullptr);
  EXPECT_EQ(imageButton.GetIcon(), icon);

  for (CWnd* control :
       {static_cast<CWnd*>(&picture), static_cast<CWnd*>(&iconStatic), static_cast<CWnd*>(&imageButton)})
    control->DestroyWindow();
  EXPECT_TRUE(::DeleteObject(bitmap)) << "the images stay the caller's";
  EXPECT_TRUE(::DeleteObject(icon));
}

}  // namespace
