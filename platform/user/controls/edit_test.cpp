// Tests of the edit control: typing and the notifications of every change
// (the user's and WM_SETTEXT's), the modify flag, the limit and EN_MAXTEXT,
// the width of single-line edits without ES_AUTOHSCROLL, number-only,
// read-only and case-converting edits, caret moves and selections, deletion,
// the clipboard commands and undo, focus, dialog codes and colours.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;
using plat::test::Text;

constexpr int kId = 51;
const std::vector<UINT> kChanged{EN_UPDATE, EN_CHANGE};
const std::vector<UINT> kNothing{};

std::vector<UINT> Repeated(const std::vector<UINT>& codes, int times) {
  std::vector<UINT> all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), codes.begin(), codes.end());
  return all;
}

class EditTest : public ::testing::Test {
 protected:
  HWND Make(DWORD style, const char16_t* text = u"", int width = 200) {
    HWND edit = parent.Child(u"Edit", style, kId, text, 10, 10, width, 20);
    Pump();
    parent.received.clear();
    return edit;
  }
  static std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 99, end = 99;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  static void Select(HWND edit, int start, int end) { SendMessageW(edit, EM_SETSEL, start, end); }
  static void ShiftKey(HWND edit, UINT key) {
    plat::PostInput(edit, WM_KEYDOWN, VK_SHIFT, 1);
    plat::PostInput(edit, WM_KEYDOWN, key, 1);
    plat::PostInput(edit, WM_KEYUP, key, 1);
    plat::PostInput(edit, WM_KEYUP, VK_SHIFT, 1);
    Pump();
  }
  // Puts text on the process's clipboard through an edit of its own.
  void PutOnClipboard(const char16_t* text) {
    HWND scratch = CreateWindowExW(0, u"Edit", text, WS_CHILD | ES_MULTILINE, 0, 0, 10, 10, parent.hwnd,
                                   reinterpret_cast<HMENU>(99), nullptr, nullptr);
    SendMessageW(scratch, EM_SETSEL, 0, -1);
    SendMessageW(scratch, WM_COPY, 0, 0);
    DestroyWindow(scratch);
  }
  static LRESULT Modified(HWND edit) { return SendMessageW(edit, EM_GETMODIFY, 0, 0); }

  RecordingParent parent;
};

using Sel = std::pair<DWORD, DWORD>;

// ---- typing and the change notifications ----

TEST_F(EditTest, TypingInsertsAtTheCaretAndNotifiesEveryChange) {
  HWND edit = Make(ES_AUTOHSCROLL, u"ad");
  Select(edit, 1, 1);
  plat::test::Type(edit, u"bc");
  EXPECT_EQ(Text(edit), u"abcd");
  EXPECT_EQ(Selection(edit), Sel(3, 3));
  EXPECT_EQ(parent.Codes(), Repeated(kChanged, 2));
  for (const auto& n : parent.received) {
    EXPECT_EQ(n.id, kId);
    EXPECT_EQ(n.from, edit);
  }
  EXPECT_TRUE(Modified(edit));
}

TEST_F(EditTest, SetTextNotifiesClearsModifyAndIsNotCutByTheLimit) {
  HWND edit = Make(ES_AUTOHSCROLL, u"start");
  EXPECT_FALSE(Modified(edit));
  plat::test::Type(edit, u"x");
  EXPECT_TRUE(Modified(edit));
  SendMessageW(edit, EM_LIMITTEXT, 3, 0);
  parent.received.clear();
  EXPECT_TRUE(SetWindowTextW(edit, u"longer than three"));
  EXPECT_EQ(Text(edit), u"longer than three");
  EXPECT_EQ(parent.Codes(), kChanged);
  EXPECT_FALSE(Modified(edit));
  EXPECT_EQ(Selection(edit), Sel(0, 0));
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), FALSE);  // the undo went with the old text
}

TEST_F(EditTest, SetModifyOverridesTheFlag) {
  HWND edit = Make(0);
  SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
  EXPECT_TRUE(Modified(edit));
  SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
  EXPECT_FALSE(Modified(edit));
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(EditTest, SelectionIsReplacedByWhatIsTyped) {
  HWND edit = Make(ES_AUTOHSCROLL, u"hello world");
  Select(edit, 0, 5);
  plat::test::Type(edit, u"J");
  EXPECT_EQ(Text(edit), u"J world");
  EXPECT_EQ(Selection(edit), Sel(1, 1));
  EXPECT_EQ(parent.Codes(), kChanged);
}

TEST_F(EditTest, NumberEditRefusesAnythingButDigits) {
  HWND edit = Make(ES_NUMBER | ES_AUTOHSCROLL, u"1");
  Select(edit, 1, 1);
  plat::test::Type(edit, u"a");
  EXPECT_EQ(Text(edit), u"1");
  EXPECT_EQ(parent.Codes(), kNothing);
  EXPECT_FALSE(Modified(edit));
  plat::test::Type(edit, u"2-３4");
  EXPECT_EQ(Text(edit), u"124");
  EXPECT_EQ(parent.Codes(), Repeated(kChanged, 2));
}

TEST_F(EditTest, CaseConversionOfTypedAndPastedText) {
  HWND upper = Make(ES_UPPERCASE | ES_AUTOHSCROLL);
  HWND lower = Make(ES_LOWERCASE | ES_AUTOHSCROLL);
  plat::test::Type(upper, u"aBｃ1");
  plat::test::Type(lower, u"aBＣ1");
  EXPECT_EQ(Text(upper), u"ABＣ1");
  EXPECT_EQ(Text(lower), u"abｃ1");
  PutOnClipboard(u"MiXed");
  SendMessageW(upper, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(upper), u"ABＣ1MIXED");
}

TEST_F(EditTest, ControlCharactersAreIgnoredInSingleLineEdits) {
  HWND edit = Make(ES_AUTOHSCROLL);
  plat::test::Type(edit, u"\r\t\x1b\n\x7f\x01");
  plat::test::Key(edit, VK_RETURN);
  EXPECT_EQ(Text(edit), u"");
  EXPECT_EQ(parent.Codes(), kNothing);
}

TEST_F(EditTest, EnterAndTabInsertInMultiLineEdits) {
  HWND edit = Make(ES_MULTILINE | ES_WANTRETURN);
  plat::test::Type(edit, u"a\rb\tc\x1b");
  plat::test::Key(edit, VK_RETURN);
  EXPECT_EQ(Text(edit), u"a\r\nb\tc\r\n");
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(parent.Codes(), Repeated(kChanged, 6));
}

// ---- the limit ----

enum class Action { Type, Paste, ReplaceSel };

struct LimitCase {
  const char* name;
  const char16_t* text;
  int selStart, selEnd;
  WPARAM limit;
  Action action;
  const char16_t* input;
  const char16_t* expected;
  std::vector<UINT> codes;
};

class EditLimitTest : public EditTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(EditLimitTest, InsertsWhatFitsThenSendsMaxText) {
  const LimitCase& c = GetParam();
  HWND edit = Make(ES_AUTOHSCROLL, c.text);
  SendMessageW(edit, EM_LIMITTEXT, c.limit, 0);
  Select(edit, c.selStart, c.selEnd);
  switch (c.action) {
    case Action::Type:
      plat::test::Type(edit, c.input);
      break;
    case Action::Paste:
      PutOnClipboard(c.input);
      SendMessageW(edit, WM_PASTE, 0, 0);
      break;
    case Action::ReplaceSel:
      SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.input));
      break;
  }
  EXPECT_EQ(Text(edit), c.expected);
  EXPECT_EQ(parent.Codes(), c.codes);
}

const std::vector<UINT> kMaxThenChanged{EN_MAXTEXT, EN_UPDATE, EN_CHANGE};

INSTANTIATE_TEST_SUITE_P(
    Cases, EditLimitTest,
    ::testing::Values(
        LimitCase{"TypeAtTheLimit", u"abc", 3, 3, 3, Action::Type, u"d", u"abc", {EN_MAXTEXT}},
        LimitCase{"TypeUpToTheLimit", u"", 0, 0, 3, Action::Type, u"abcd", u"abc",
                  {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_MAXTEXT}},
        LimitCase{"TypeOverSelectionAtTheLimit", u"abc", 0, 3, 3, Action::Type, u"z", u"z", kChanged},
        LimitCase{"PasteIsCut", u"ab", 2, 2, 5, Action::Paste, u"cdefg", u"abcde", kMaxThenChanged},
        LimitCase{"PasteOverSelectionIsCut", u"abcde", 1, 4, 5, Action::Paste, u"wxyz", u"awxye", kMaxThenChanged},
        LimitCase{"PasteWhenNothingFits", u"abcde", 5, 5, 5, Action::Paste, u"f", u"abcde", {EN_MAXTEXT}},
        LimitCase{"ReplaceSelIsCut", u"ab", 2, 2, 4, Action::ReplaceSel, u"cdef", u"abcd", kMaxThenChanged},
        LimitCase{"SurrogatePairIsNotSplit", u"", 0, 0, 2, Action::Paste, u"a\U0001F600", u"a", kMaxThenChanged},
        LimitCase{"TextLongerThanTheLimitKeepsIt", u"abcdef", 6, 6, 3, Action::Type, u"g", u"abcdef",
                  {EN_MAXTEXT}}),
    plat::test::CaseName{});

TEST_F(EditTest, LimitDefaultsTo30000AndZeroRestoresIt) {
  HWND edit = Make(0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
  SendMessageW(edit, EM_SETLIMITTEXT, 10, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 10);
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
}

TEST_F(EditTest, SingleLineWithoutAutoScrollTakesOnlyWhatFitsItsWidth) {
  // 100 pixels less 2 each side: 16 half-width characters of 6 pixels, or 8 of 12.
  struct Case {
    DWORD style;
    const char16_t* typed;
    size_t kept;
    bool maxed;
  };
  for (const Case& c : {Case{0, u"aaaaaaaaaaaaaaaaaaaa", 16, true}, Case{0, u"あいうえおかきくけこ", 8, true},
                        Case{ES_PASSWORD, u"あいうえおかきくけこあいうえおかきくけこ", 16, true},
                        Case{ES_AUTOHSCROLL, u"aaaaaaaaaaaaaaaaaaaa", 20, false},
                        Case{ES_MULTILINE, u"aaaaaaaaaaaaaaaaaaaa", 20, false}}) {
    HWND edit = Make(c.style, u"", 100);
    plat::test::Type(edit, c.typed);
    EXPECT_EQ(Text(edit), std::u16string(c.typed).substr(0, c.kept)) << "style " << c.style;
    const auto codes = parent.Codes();
    EXPECT_EQ(!codes.empty() && codes.back() == EN_MAXTEXT, c.maxed) << "style " << c.style;
    DestroyWindow(edit);
    parent.received.clear();
  }
}

// ---- caret and selection ----

struct CaretCase {
  const char* name;
  DWORD style;
  const char16_t* text;
  int selStart, selEnd;  // as given to EM_SETSEL: the caret goes to selEnd
  UINT key;
  bool shift;
  Sel expected;
};

class EditCaretTest : public EditTest, public ::testing::WithParamInterface<CaretCase> {};

TEST_P(EditCaretTest, KeysMoveTheCaretOrExtendTheSelection) {
  const CaretCase& c = GetParam();
  HWND edit = Make(c.style | ES_AUTOHSCROLL, c.text);
  Select(edit, c.selStart, c.selEnd);
  if (c.shift) {
    ShiftKey(edit, c.key);
  } else {
    plat::test::Key(edit, c.key);
  }
  EXPECT_EQ(Selection(edit), c.expected);
  EXPECT_EQ(Text(edit), c.text);
  EXPECT_EQ(parent.Codes(), kNothing);
}

constexpr DWORD kSingle = 0;
constexpr DWORD kMulti = ES_MULTILINE;

INSTANTIATE_TEST_SUITE_P(
    Keys, EditCaretTest,
    ::testing::Values(CaretCase{"LeftMoves", kSingle, u"abc", 3, 3, VK_LEFT, false, {2, 2}},
                      CaretCase{"LeftStopsAtTheStart", kSingle, u"abc", 0, 0, VK_LEFT, false, {0, 0}},
                      CaretCase{"RightMoves", kSingle, u"abc", 0, 0, VK_RIGHT, false, {1, 1}},
                      CaretCase{"RightStopsAtTheEnd", kSingle, u"abc", 3, 3, VK_RIGHT, false, {3, 3}},
                      CaretCase{"Home", kSingle, u"abc", 2, 2, VK_HOME, false, {0, 0}},
                      CaretCase{"End", kSingle, u"abc", 1, 1, VK_END, false, {3, 3}},
                      CaretCase{"LeftCollapsesToTheStart", kSingle, u"abcd", 1, 3, VK_LEFT, false, {1, 1}},
                      CaretCase{"RightCollapsesToTheEnd", kSingle, u"abcd", 1, 3, VK_RIGHT, false, {3, 3}},
                      CaretCase{"ShiftLeftExtends", kSingle, u"abc", 3, 3, VK_LEFT, true, {2, 3}},
                      CaretCase{"ShiftHomeExtends", kSingle, u"abc", 2, 2, VK_HOME, true, {0, 2}},
                      CaretCase{"ShiftRightGrows", kSingle, u"abcd", 1, 2, VK_RIGHT, true, {1, 3}},
                      CaretCase{"ShiftLeftShrinks", kSingle, u"abcd", 1, 3, VK_LEFT, true, {1, 2}},
                      CaretCase{"ShiftLeftFromAReversedSelection", kSingle, u"abcd", 3, 1, VK_LEFT, true, {0, 3}},
                      CaretCase{"ShiftEndFromAReversedSelection", kSingle, u"abcd", 3, 1, VK_END, true, {3, 4}},
                      CaretCase{"LeftStepsOverCrLf", kMulti, u"ab\r\ncd", 4, 4, VK_LEFT, false, {2, 2}},
                      CaretCase{"RightStepsOverCrLf", kMulti, u"ab\r\ncd", 2, 2, VK_RIGHT, false, {4, 4}},
                      CaretCase{"HomeGoesToTheLineStart", kMulti, u"ab\r\ncd", 5, 5, VK_HOME, false, {4, 4}},
                      CaretCase{"EndGoesToTheLineEnd", kMulti, u"ab\r\ncd", 0, 0, VK_END, false, {2, 2}},
                      CaretCase{"RightStepsOverASurrogatePair", kSingle, u"a\U0001F600b", 1, 1, VK_RIGHT, false,
                                {3, 3}},
                      CaretCase{"UpIsNotHandled", kMulti, u"ab\r\ncd", 5, 5, VK_UP, false, {5, 5}}),
    plat::test::CaseName{});

TEST_F(EditTest, SetSelClampsSelectsAllAndDeselects) {
  HWND edit = Make(0, u"abcdef");
  Select(edit, 0, -1);
  EXPECT_EQ(Selection(edit), Sel(0, 6));
  EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 6));
  Select(edit, 2, 100);
  EXPECT_EQ(Selection(edit), Sel(2, 6));
  Select(edit, 4, 1);
  EXPECT_EQ(Selection(edit), Sel(1, 4));
  Select(edit, -1, 0);  // keeps the caret, at 1
  EXPECT_EQ(Selection(edit), Sel(1, 1));
  EXPECT_EQ(parent.Codes(), kNothing);
}

// ---- deletion ----

struct DeleteCase {
  const char* name;
  DWORD style;
  const char16_t* text;
  int selStart, selEnd;
  UINT key;  // VK_BACK (as the character it types) or VK_DELETE
  const char16_t* expected;
  Sel selection;
};

class EditDeleteTest : public EditTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(EditDeleteTest, DeletesTheSelectionOrOneCharacter) {
  const DeleteCase& c = GetParam();
  HWND edit = Make(c.style | ES_AUTOHSCROLL, c.text);
  Select(edit, c.selStart, c.selEnd);
  plat::test::Key(edit, c.key);
  EXPECT_EQ(Text(edit), c.expected);
  EXPECT_EQ(Selection(edit), c.selection);
  const bool changed = std::u16string(c.text) != c.expected;
  EXPECT_EQ(parent.Codes(), changed ? kChanged : kNothing);
  EXPECT_EQ(Modified(edit), changed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditDeleteTest,
    ::testing::Values(DeleteCase{"BackspaceDeletesBefore", kSingle, u"abc", 2, 2, VK_BACK, u"ac", {1, 1}},
                      DeleteCase{"BackspaceAtTheStart", kSingle, u"abc", 0, 0, VK_BACK, u"abc", {0, 0}},
                      DeleteCase{"DeleteDeletesAfter", kSingle, u"abc", 1, 1, VK_DELETE, u"ac", {1, 1}},
                      DeleteCase{"DeleteAtTheEnd", kSingle, u"abc", 3, 3, VK_DELETE, u"abc", {3, 3}},
                      DeleteCase{"BackspaceDeletesTheSelection", kSingle, u"abc", 0, 2, VK_BACK, u"c", {0, 0}},
                      DeleteCase{"DeleteDeletesTheSelection", kSingle, u"abc", 3, 1, VK_DELETE, u"a", {1, 1}},
                      DeleteCase{"BackspaceJoinsLines", kMulti, u"ab\r\ncd", 4, 4, VK_BACK, u"abcd", {2, 2}},
                      DeleteCase{"DeleteJoinsLines", kMulti, u"ab\r\ncd", 2, 2, VK_DELETE, u"abcd", {2, 2}},
                      DeleteCase{"BackspaceRemovesASurrogatePair", kSingle, u"a\U0001F600", 3, 3, VK_BACK, u"a",
                                 {1, 1}}),
    plat::test::CaseName{});

// ---- read-only ----

TEST_F(EditTest, ReadOnlyRefusesTheUsersEditsButNotTheProgramsMessages) {
  HWND edit = Make(ES_READONLY | ES_AUTOHSCROLL, u"fixed");
  PutOnClipboard(u"pasted");
  Select(edit, 0, 2);
  plat::test::Type(edit, u"x\b");
  plat::test::Key(edit, VK_DELETE);
  for (UINT command : {WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO}) SendMessageW(edit, command, 0, 0);
  EXPECT_EQ(Text(edit), u"fixed");
  EXPECT_EQ(parent.Codes(), kNothing);
  SendMessageW(edit, WM_COPY, 0, 0);  // copying is fine
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"F"));
  EXPECT_EQ(Text(edit), u"Fxed");
  EXPECT_EQ(parent.Codes(), kChanged);

  EXPECT_TRUE(SendMessageW(edit, EM_SETREADONLY, FALSE, 0));
  EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY, 0);
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(edit), u"Ffixed");
  EXPECT_TRUE(SendMessageW(edit, EM_SETREADONLY, TRUE, 0));
  EXPECT_NE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY, 0);
}

// ---- clipboard and undo ----

TEST_F(EditTest, CutPasteClearAndUndo) {
  HWND edit = Make(ES_AUTOHSCROLL, u"hello world");
  Select(edit, 0, 5);
  SendMessageW(edit, WM_CUT, 0, 0);
  EXPECT_EQ(Text(edit), u" world");
  EXPECT_TRUE(Modified(edit));
  plat::test::Key(edit, VK_END);
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(edit), u" worldhello");
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(edit), u" world");
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), TRUE);  // undoing the undo
  EXPECT_EQ(Text(edit), u" worldhello");
  Select(edit, 0, 1);
  SendMessageW(edit, WM_CLEAR, 0, 0);
  EXPECT_EQ(Text(edit), u"worldhello");
  SendMessageW(edit, WM_COPY, 0, 0);  // nothing selected: the clipboard keeps "hello"
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(edit), u"helloworldhello");
  EXPECT_EQ(parent.Codes(), Repeated(kChanged, 6));
}

TEST_F(EditTest, UndoTakesBackARunOfTypingAtOnce) {
  HWND edit = Make(ES_AUTOHSCROLL, u"x");
  plat::test::Key(edit, VK_END);
  plat::test::Type(edit, u"abc");
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(edit), u"x");
  EXPECT_EQ(Selection(edit), Sel(1, 1));
  plat::test::Type(edit, u"d");
  plat::test::Key(edit, VK_LEFT);
  plat::test::Type(edit, u"e");  // a new run after the caret moved
  EXPECT_EQ(Text(edit), u"xed");
  SendMessageW(edit, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(edit), u"xd");
}

TEST_F(EditTest, ReplaceSelNotifiesButLeavesModifyAlone) {
  HWND edit = Make(ES_AUTOHSCROLL, u"abc");
  Select(edit, 1, 2);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"XY"));
  EXPECT_EQ(Text(edit), u"aXYc");
  EXPECT_EQ(Selection(edit), Sel(3, 3));
  EXPECT_EQ(parent.Codes(), kChanged);
  EXPECT_FALSE(Modified(edit));
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(Text(edit), u"abc");
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"Z"));
  EXPECT_EQ(SendMessageW(edit, WM_UNDO, 0, 0), FALSE);
  SendMessageW(edit, EM_REPLACESEL, FALSE, 0);  // no text: nothing to insert, nothing selected
  EXPECT_EQ(parent.Codes(), Repeated(kChanged, 3));
}

TEST_F(EditTest, PasswordEditKeepsItsTextOffTheClipboard) {
  PutOnClipboard(u"before");
  HWND edit = Make(ES_PASSWORD | ES_AUTOHSCROLL, u"secret");
  Select(edit, 0, -1);
  SendMessageW(edit, WM_COPY, 0, 0);
  SendMessageW(edit, WM_CUT, 0, 0);
  EXPECT_EQ(Text(edit), u"secret");
  HWND other = Make(ES_AUTOHSCROLL);
  SendMessageW(other, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(other), u"before");
}

TEST_F(EditTest, PastingIntoASingleLineStopsAtTheLineBreak) {
  PutOnClipboard(u"one\r\ntwo");
  HWND single = Make(ES_AUTOHSCROLL);
  HWND multi = Make(ES_MULTILINE);
  SendMessageW(single, WM_PASTE, 0, 0);
  SendMessageW(multi, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(single), u"one");
  EXPECT_EQ(Text(multi), u"one\r\ntwo");
  EXPECT_EQ(SendMessageW(multi, EM_GETLINECOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(single, EM_GETLINECOUNT, 0, 0), 1);
}

// ---- focus ----

TEST_F(EditTest, TapTakesTheFocusAndPutsTheCaretAtTheEnd) {
  HWND edit = Make(ES_AUTOHSCROLL, u"abc");
  Select(edit, 0, 1);
  plat::test::Tap(edit, 2, 2);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Selection(edit), Sel(3, 3));
  EXPECT_EQ(parent.Codes(), std::vector<UINT>{EN_SETFOCUS});
  SetFocus(parent.hwnd);
  EXPECT_EQ(parent.Codes(), (std::vector<UINT>{EN_SETFOCUS, EN_KILLFOCUS}));
  plat::test::Gesture(edit, plat::kGestureTap, MAKELPARAM(2, 2));
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(EditTest, DisabledEditTakesNoTap) {
  HWND edit = Make(ES_AUTOHSCROLL | WS_DISABLED, u"abc");
  plat::test::Tap(edit, 2, 2);
  plat::test::Type(edit, u"x");
  EXPECT_EQ(GetFocus(), parent.hwnd);
  EXPECT_EQ(Text(edit), u"abc");
  EXPECT_EQ(parent.Codes(), kNothing);
}

// ---- dialog codes, fonts and colours ----

TEST_F(EditTest, DialogCodeWantsAllKeysOnlyForMultiLineWithWantReturn) {
  const LRESULT base = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  struct Case {
    DWORD style;
    LRESULT code;
  };
  for (const Case& c : {Case{0, base}, Case{ES_WANTRETURN, base}, Case{ES_MULTILINE, base},
                        Case{ES_MULTILINE | ES_WANTRETURN, base | DLGC_WANTALLKEYS},
                        Case{ES_READONLY | ES_NUMBER | ES_PASSWORD, base}}) {
    HWND edit = Make(c.style);
    EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0), c.code) << "style " << c.style;
    DestroyWindow(edit);
  }
}

TEST_F(EditTest, AnswersFont) {
  HWND edit = Make(0);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)), font);
}

struct ColorCase {
  const char* name;
  DWORD style;
  UINT message;
};

class EditColorTest : public EditTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(EditColorTest, AsksTheParentWithItsColorMessage) {
  const COLORREF color = RGB(98, 76, 54);
  parent.AnswerColor(GetParam().message, color);
  HWND edit = Make(GetParam().style, u"text");
  EXPECT_TRUE(plat::GetPaintRecord(edit).painted);
  EXPECT_EQ(plat::GetPaintRecord(edit).background, color);
  EXPECT_THAT(parent.colorRequests, plat::test::OnlyAskedFor(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditColorTest,
                         ::testing::Values(ColorCase{"Normal", 0, WM_CTLCOLOREDIT},
                                           ColorCase{"MultiLine", ES_MULTILINE, WM_CTLCOLOREDIT},
                                           ColorCase{"ReadOnly", ES_READONLY, WM_CTLCOLORSTATIC},
                                           ColorCase{"Disabled", WS_DISABLED, WM_CTLCOLORSTATIC}),
                         plat::test::CaseName{});

TEST_F(EditTest, SetReadOnlyRepaintsAsStatic) {
  const COLORREF color = RGB(98, 76, 54);
  parent.AnswerColor(WM_CTLCOLORSTATIC, color);
  HWND edit = Make(0);
  EXPECT_NE(plat::GetPaintRecord(edit).background, color);
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  Pump();
  EXPECT_EQ(plat::GetPaintRecord(edit).background, color);
}

}  // namespace
