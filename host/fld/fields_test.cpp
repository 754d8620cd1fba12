// Tests of the field controls on a dialog driven as a person would through
// the headless desktop: number edits refusing letters and input that cannot
// lead into range, settling the text on leaving, the empty markers both
// ways, the changed flag (set by typing only, as the dialog sees it when
// the field loses the focus), the string limits, the combo box in both
// forms, the popup-style bits and SetWindowStatus's refusals.
#include <fld.h>
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>

#include <cmath>
#include <memory>

#include "fld_test_res.h"

namespace {

std::u16string Str(const CString& text) { return text.GetString(); }

// The dialog sets its fields up as the plug-ins' coordinate dialogs do and
// records what the number field shows its owner when it loses the focus.
class FieldsDialog : public CDialog {
 public:
  FieldsDialog() : CDialog(IDD_FIELDS) {}
  CFldIntEdit number;
  CFldStrEdit name;
  CFldDblEdit x;
  CFldStrCombo comment;
  CFldStrCombo kind;
  BOOL tied = FALSE;
  struct Leave {
    BOOL changed;
    int value;
  };
  std::vector<Leave> numberLeaves;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    tied = number.SetWindowStatus(this, IDC_NUMBER, FLD_INT_EMPTY, 1, 99999, 5) &&
           name.SetWindowStatus(this, IDC_NAME, u"", 16) &&
           x.SetWindowStatus(this, IDC_X, FLD_DBL_EMPTY, -9999999.9999, 9999999.9999, 4, 8) &&
           comment.SetWindowStatus(this, IDC_COMMENT, u"", 10) && kind.SetWindowStatus(this, IDC_KIND, u"", 0);
    number.ModifyPopupStyle(3, 0);
    name.ModifyPopupStyle(7, 0);
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == IDC_NUMBER && HIWORD(wParam) == EN_KILLFOCUS)
      numberLeaves.push_back({number.m_bChanged, number.GetVal()});
    return CDialog::OnCommand(wParam, lParam);
  }
};

class Fields : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop.Start([] {
      while (AfxPumpMessage()) {
      }
    });
    ASSERT_TRUE(desktop.Ui([&] { return dialog->Create(IDD_FIELDS); }));
    ASSERT_TRUE(dialog->tied);
  }
  void TearDown() override {
    desktop.Ui([&] {
      dialog->DestroyWindow();
      dialog.reset();
    });
    desktop.Stop();
  }
  HWND Control(int id) { return desktop.FindControl(dialog->m_hWnd, id); }
  std::u16string Shown(int id) { return desktop.Text(Control(id)); }
  bool Type(int id, const std::u16string& text) { return desktop.Type(Control(id), text); }
  void Leave() { ASSERT_TRUE(desktop.Click(Control(IDC_OTHER))); }
  void Empty() {
    desktop.Ui([&] {
      dialog->number.SetVal(FLD_INT_EMPTY);
      dialog->x.SetVal(FLD_DBL_EMPTY);
    });
  }
  // Moves the focus into the field and then deletes the character at offset.
  void DeleteAt(int id, int offset) {
    ASSERT_TRUE(desktop.Click(Control(id)));
    desktop.PressKey(VK_HOME);
    for (int i = 0; i < offset; ++i) desktop.PressKey(VK_RIGHT);
    desktop.PressKey(VK_DELETE);
  }

  plat::HeadlessDesktop desktop;
  std::unique_ptr<FieldsDialog> dialog = std::make_unique<FieldsDialog>();
};

TEST_F(Fields, NumberFieldsTakeOnlyWhatCanLeadToANumberInRange) {
  struct Case {
    int id;
    std::u16string typed;
    std::u16string shown;
  };
  const Case cases[] = {
      {IDC_NUMBER, u"12a3", u"123"},      {IDC_NUMBER, u"123456", u"12345"}, {IDC_NUMBER, u"-7", u"7"},
      {IDC_NUMBER, u"0", u""},            {IDC_NUMBER, u"1.5", u"15"},       {IDC_X, u"-12.34567", u"-12.3456"},
      {IDC_X, u"1.2.3", u"1.23"},         {IDC_X, u"x-.5", u"-.5"},          {IDC_X, u"99999999", u"9999999"},
      {IDC_X, u"007", u"0"},              {IDC_X, u"--1e3", u"-13"},
  };
  for (const Case& c : cases) {
    Empty();
    ASSERT_TRUE(Type(c.id, c.typed));
    EXPECT_EQ(Shown(c.id), c.shown) << c.id << " typed " << std::string(c.typed.begin(), c.typed.end());
    Leave();
  }
}

TEST_F(Fields, LeavingShowsTheNumberInTheFieldsFormatOrBringsBackTheLastValidValue) {
  struct Case {
    int id;
    double before;  // set by the program first
    std::u16string typed;
    std::u16string shownAfter;
    double value;  // GetVal after leaving
  };
  const Case cases[] = {
      {IDC_NUMBER, FLD_INT_EMPTY, u"42", u"42", 42},
      {IDC_X, FLD_DBL_EMPTY, u"12.5", u"12.5000", 12.5},
      {IDC_X, FLD_DBL_EMPTY, u"-", u"", FLD_DBL_EMPTY},
      {IDC_X, 3.25, u"\b\b\b\b\b\b-.", u"3.2500", 3.25},
      {IDC_X, 3.25, u"\b\b\b\b\b\b", u"", FLD_DBL_EMPTY},
      {IDC_NUMBER, 7, u"\b", u"", FLD_INT_EMPTY},
  };
  for (const Case& c : cases) {
    desktop.Ui([&] {
      if (c.id == IDC_NUMBER)
        dialog->number.SetVal(static_cast<int>(c.before));
      else
        dialog->x.SetVal(c.before);
    });
    ASSERT_TRUE(Type(c.id, c.typed));
    Leave();
    EXPECT_EQ(Shown(c.id), c.shownAfter) << c.id << " typed " << std::string(c.typed.begin(), c.typed.end());
    const double value = desktop.Ui([&] {
      return c.id == IDC_NUMBER ? static_cast<double>(dialog->number.GetVal()) : dialog->x.GetVal();
    });
    EXPECT_EQ(value, c.value) << c.id;
  }
}

TEST_F(Fields, DeletingMayLeaveABeginningOutOfRangeButNotABadlyFormedText) {
  ASSERT_TRUE(desktop.Ui([&] { return dialog->number.SetWindowStatus(dialog.get(), IDC_NUMBER, 15, 10, 20, 2); }));
  DeleteAt(IDC_NUMBER, 0);
  EXPECT_EQ(Shown(IDC_NUMBER), u"5") << "a deletion only has to leave a well-formed text";
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetVal(); }), 15) << "out of range reads as the last valid value";
  Leave();
  EXPECT_EQ(Shown(IDC_NUMBER), u"15");

  desktop.Ui([&] { dialog->x.SetVal(0.5); });
  DeleteAt(IDC_X, 1);
  EXPECT_EQ(Shown(IDC_X), u"0.5000") << "\"05000\" is no number: the deletion is undone";
  EXPECT_FALSE(desktop.Ui([&] { return dialog->x.m_bChanged; }));
}

TEST_F(Fields, EmptyMarkersBothWays) {
  EXPECT_EQ(Shown(IDC_NUMBER), u"") << "the initial marker starts the field empty";
  EXPECT_EQ(Shown(IDC_X), u"");
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetVal(); }), FLD_INT_EMPTY);
  EXPECT_EQ(desktop.Ui([&] { return dialog->x.GetVal(); }), FLD_DBL_EMPTY);

  struct Case {
    double value;
    std::u16string shown;
    double read;
  };
  const Case reals[] = {{12.5, u"12.5000", 12.5},
                        {-9999999.9999, u"-9999999.9999", -9999999.9999},
                        {-0.00001, u"0.0000", 0.0},
                        {2.00006, u"2.0001", 2.0001},
                        {FLD_DBL_EMPTY, u"", FLD_DBL_EMPTY},
                        {std::nan(""), u"", FLD_DBL_EMPTY}};
  for (const Case& c : reals) {
    desktop.Ui([&] { dialog->x.SetVal(c.value); });
    EXPECT_EQ(Shown(IDC_X), c.shown) << c.value;
    EXPECT_EQ(desktop.Ui([&] { return dialog->x.GetVal(); }), c.read) << c.value;
  }
  desktop.Ui([&] { dialog->number.SetVal(42); });
  EXPECT_EQ(Shown(IDC_NUMBER), u"42");
  desktop.Ui([&] { dialog->number.SetVal(FLD_INT_EMPTY); });
  EXPECT_EQ(Shown(IDC_NUMBER), u"");
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetVal(); }), FLD_INT_EMPTY);

  ASSERT_TRUE(Type(IDC_X, u"7."));
  EXPECT_EQ(desktop.Ui([&] { return dialog->x.GetVal(); }), 7.0) << "a finished number reads before leaving";
}

TEST_F(Fields, ChangedFlagFollowsTheUsersTypingOnly) {
  auto changed = [&] { return desktop.Ui([&] { return dialog->number.IsChanged(); }); };
  desktop.Ui([&] { dialog->number.SetVal(5); });
  EXPECT_FALSE(changed()) << "SetVal";
  ASSERT_TRUE(Type(IDC_NUMBER, u"a"));
  EXPECT_FALSE(changed()) << "refused typing changes nothing";
  ASSERT_TRUE(Type(IDC_NUMBER, u"1"));
  EXPECT_EQ(Shown(IDC_NUMBER), u"51");
  EXPECT_TRUE(changed());
  Leave();
  ASSERT_FALSE(dialog->numberLeaves.empty());
  EXPECT_TRUE(dialog->numberLeaves.back().changed) << "the owner sees the flag when the field loses the focus";
  EXPECT_EQ(dialog->numberLeaves.back().value, 51);

  ASSERT_TRUE(desktop.Click(Control(IDC_NUMBER)));
  EXPECT_FALSE(changed()) << "a new visit starts clear";
  desktop.Ui([&] { dialog->number.SetVal(7); });
  Leave();
  EXPECT_FALSE(dialog->numberLeaves.back().changed);
  EXPECT_EQ(dialog->numberLeaves.back().value, 7);

  ASSERT_TRUE(Type(IDC_NAME, u"ab"));
  EXPECT_TRUE(desktop.Ui([&] { return dialog->name.IsChanged(); }));
  desktop.Ui([&] { dialog->name.ClearChanged(); });
  EXPECT_FALSE(desktop.Ui([&] { return dialog->name.m_bChanged; })) << "the owner clears it";
  ASSERT_TRUE(Type(IDC_NAME, u"c"));
  EXPECT_TRUE(desktop.Ui([&] { return dialog->name.SetWindowStatus(dialog.get(), IDC_NAME, u"", 16); }));
  EXPECT_FALSE(desktop.Ui([&] { return dialog->name.m_bChanged; })) << "SetWindowStatus starts afresh";
}

TEST_F(Fields, StringLimitsBindTyping) {
  ASSERT_TRUE(Type(IDC_NAME, u"abcdefghijklmnopqrst"));
  EXPECT_EQ(Shown(IDC_NAME), u"abcdefghijklmnop");
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->name.GetVal(); })), u"abcdefghijklmnop");
  ASSERT_TRUE(Type(IDC_COMMENT, u"北側の電柱の左手前方向"));
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->comment.GetVal(); })), u"北側の電柱の左手前方");
  desktop.Ui([&] { dialog->name.SetVal(u"基準点A"); });
  EXPECT_EQ(Shown(IDC_NAME), u"基準点A");
}

TEST_F(Fields, ComboAsDropDownList) {
  HWND list = Control(IDC_KIND);
  desktop.Ui([&] {
    for (const char16_t* item : {u"既知点", u"街区基準点", u"街区点"}) dialog->kind.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  });
  EXPECT_TRUE(desktop.Ui([&] { return dialog->kind.IsDropDownList(); }));
  ASSERT_TRUE(desktop.Choose(list, 1));
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->kind.GetVal(); })), u"街区基準点");
  EXPECT_TRUE(desktop.Ui([&] { return dialog->kind.SetVal(u"街区点"); }));
  EXPECT_EQ(desktop.ComboSelection(list), 2);
  EXPECT_FALSE(desktop.Ui([&] { return dialog->kind.SetVal(u"水準点"); })) << "no such item";
  EXPECT_EQ(desktop.ComboSelection(list), 2);
  EXPECT_TRUE(desktop.Ui([&] { return dialog->kind.SetVal(u""); }));
  EXPECT_EQ(desktop.ComboSelection(list), -1);
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->kind.GetVal(); })), u"");
}

TEST_F(Fields, ComboWithEditPart) {
  HWND combo = Control(IDC_COMMENT);
  desktop.Ui([&] { dialog->comment.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"近景")); });
  EXPECT_FALSE(desktop.Ui([&] { return dialog->comment.IsDropDownList(); }));
  ASSERT_TRUE(Type(IDC_COMMENT, u"北側"));
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->comment.GetVal(); })), u"北側");
  ASSERT_TRUE(desktop.Choose(combo, 0));
  EXPECT_EQ(Str(desktop.Ui([&] { return dialog->comment.GetVal(); })), u"近景");
  EXPECT_TRUE(desktop.Ui([&] { return dialog->comment.SetVal(u"南"); }));
  EXPECT_EQ(Shown(IDC_COMMENT), u"南");
}

TEST_F(Fields, PopupBitsAreRecordedAndStartAfreshWithTheField) {
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetPopupStyle(); }), DWORD(FLD_POPUP_ON_TAP | FLD_POPUP_DIGITS));
  EXPECT_EQ(desktop.Ui([&] { return dialog->name.GetPopupStyle(); }),
            DWORD(FLD_POPUP_ON_TAP | FLD_POPUP_DIGITS | FLD_POPUP_LETTERS));
  EXPECT_EQ(desktop.Ui([&] { return dialog->x.GetPopupStyle(); }), 0u);
  desktop.Ui([&] { dialog->number.ModifyPopupStyle(FLD_POPUP_LETTERS, FLD_POPUP_ON_TAP); });
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetPopupStyle(); }), DWORD(FLD_POPUP_DIGITS | FLD_POPUP_LETTERS));
  ASSERT_TRUE(desktop.Ui([&] { return dialog->number.SetWindowStatus(dialog.get(), IDC_NUMBER, 3, 1, 9, 1); }));
  EXPECT_EQ(desktop.Ui([&] { return dialog->number.GetPopupStyle(); }), 0u);
  EXPECT_EQ(Shown(IDC_NUMBER), u"3");
}

TEST_F(Fields, SetWindowStatusRefusesWhatItCannotTie) {
  desktop.Ui([&] {
    CFldIntEdit number;
    CFldDblEdit real;
    CFldStrEdit text;
    CFldStrCombo combo;
    CDialog windowless(IDD_FIELDS);
    EXPECT_FALSE(number.SetWindowStatus(dialog.get(), 999, FLD_INT_EMPTY, 1, 9, 1)) << "no such control";
    EXPECT_FALSE(text.SetWindowStatus(nullptr, IDC_NAME, u"", 4)) << "no dialog";
    EXPECT_FALSE(combo.SetWindowStatus(&windowless, IDC_KIND, u"", 0)) << "no window";
    EXPECT_FALSE(number.SetWindowStatus(dialog.get(), IDC_OTHER, 5, 9, 1, 1)) << "minimum above maximum";
    EXPECT_FALSE(real.SetWindowStatus(dialog.get(), IDC_OTHER, 5, 9, 1, 4, 8)) << "minimum above maximum";
    EXPECT_FALSE(real.SetWindowStatus(dialog.get(), IDC_OTHER, 5, std::nan(""), 1, 4, 8)) << "no minimum";
    EXPECT_FALSE(text.SetWindowStatus(dialog.get(), IDC_NAME, u"", 4)) << "taken over by another field";
    EXPECT_EQ(number.m_hWnd, nullptr);
    EXPECT_EQ(real.m_hWnd, nullptr);
  });
}

}  // namespace
