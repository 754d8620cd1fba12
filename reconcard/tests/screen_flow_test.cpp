// Tests of the card plug-in's command and screen switch in the test process:
// the pick prompt comes first, every screen code shows its screen (and the
// unknown ones nothing), back returns to the last main screen, the end of a
// command is a notice per close, enabling reaches hidden screens, the
// shared state outlives a command, the list helpers, and the templates the
// taller model gets.
#include <gtest/gtest.h>

#include "NavListDlg.h"
#include "PickPromptDlg.h"
#include "screen_test_support.h"

namespace {

using namespace reconcard_test;
using Captions = std::vector<std::u16string>;

class ScreenFlow : public ScreenTest {
 protected:
  void Show(int code) { desktop.Ui([code] { ShowScreen(code); }); }
  void Hide(const std::u16string& caption) {
    desktop.Ui([this, caption] { ::ShowWindow(Window(caption), SW_HIDE); });
  }
  LPARAM ExpectedNotice() const { return static_cast<LPARAM>(kCommandId) << 16; }
};

TEST_F(ScreenFlow, TheFirstScreenOfEveryCommandIsThePickPrompt) {
  ASSERT_EQ(Start(), 0);
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption});
  EXPECT_EQ(desktop.Ui([] { return GetPrevMainScreen(); }), SCR_PICK);

  Hide(kPickCaption);
  Show(SCR_LIST);  // the list was the last main screen when the command ended
  desktop.Ui([] { CloseCommand(); });
  EXPECT_EQ(Window(kPickCaption), nullptr) << "the close destroys the windows";

  ASSERT_EQ(Start(), 0);
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption});
  EXPECT_EQ(desktop.Ui([] { return GetPrevMainScreen(); }), SCR_PICK);
}

TEST_F(ScreenFlow, ASecondStartWithoutCloseIsRefused) {
  ASSERT_EQ(Start(), 0);
  HWND prompt = Window(kPickCaption);
  EXPECT_EQ(Start(), -1);
  EXPECT_EQ(Window(kPickCaption), prompt) << "the windows are not made again";
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption});
}

TEST_F(ScreenFlow, EachCodeShowsItsScreenAndUnknownCodesShowNothing) {
  ASSERT_EQ(Start(), 0);
  Hide(kPickCaption);
  const std::pair<int, std::u16string> shown[] = {{SCR_LIST, kListCaption},
                                                  {SCR_CARD, u"ｘｘｘ踏査カード"},
                                                  {SCR_NEWCOORD, kNewCoordCaption},
                                                  {SCR_POSCHECK, kPosCheckCaption},
                                                  {SCR_PICK, kPickCaption}};
  for (const auto& [code, caption] : shown) {
    Show(code);
    EXPECT_EQ(VisibleScreens(), Captions{caption}) << code;
    Hide(caption);
  }
  for (int code : {4, 12, 98, 101, -1}) {
    Show(code);
    EXPECT_TRUE(VisibleScreens().empty()) << code;
  }
  EXPECT_TRUE(Notices().empty());
}

TEST_F(ScreenFlow, TheListIsShownMaximisedAndThePromptsAtNormalSize) {
  ASSERT_EQ(Start(), 0);
  Hide(kPickCaption);
  Show(SCR_LIST);
  EXPECT_TRUE(desktop.Ui([this] { return ::IsZoomed(Window(kListCaption)); }));
  Hide(kListCaption);
  Show(SCR_POSCHECK);
  EXPECT_FALSE(desktop.Ui([this] { return ::IsZoomed(Window(kPosCheckCaption)); }));
}

TEST_F(ScreenFlow, ClosingASecondaryScreenReturnsToTheLastMainScreen) {
  ASSERT_EQ(Start(), 0);
  struct Case {
    int mainScreen;
    const char16_t* mainCaption;
    const char16_t* secondary;
    int code;
  };
  const Case cases[] = {{SCR_PICK, kPickCaption, kPosCheckCaption, SCR_POSCHECK},
                        {SCR_LIST, kListCaption, kPosCheckCaption, SCR_POSCHECK},
                        {SCR_PICK, kPickCaption, kNewCoordCaption, SCR_NEWCOORD},
                        {SCR_LIST, kListCaption, kNewCoordCaption, SCR_NEWCOORD}};
  for (const Case& c : cases) {
    for (HWND window : desktop.VisibleTopLevels()) {
      if (window != host) desktop.Ui([window] { ::ShowWindow(window, SW_HIDE); });
    }
    Show(c.mainScreen);
    Hide(c.mainCaption);
    Show(c.code);
    ASSERT_TRUE(desktop.CloseWindow(Window(c.secondary))) << c.code;
    EXPECT_EQ(VisibleScreens(), Captions{c.mainCaption}) << c.code << " after " << c.mainScreen;
    EXPECT_EQ(desktop.Ui([] { return GetPrevMainScreen(); }), c.mainScreen);
  }
}

TEST_F(ScreenFlow, ClosingThePromptOrTheListTwicePostsTheNoticeTwiceAndKeepsTheScreen) {
  ASSERT_EQ(Start(), 0);
  ASSERT_TRUE(desktop.CloseWindow(Window(kPickCaption)));
  ASSERT_TRUE(desktop.CloseWindow(Window(kPickCaption)));
  EXPECT_EQ(Notices(), (std::vector<LPARAM>{ExpectedNotice(), ExpectedNotice()}));
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption}) << "the closed screen stays on display";

  Hide(kPickCaption);
  Show(SCR_LIST);
  ASSERT_TRUE(desktop.PressKey(VK_ESCAPE));
  ASSERT_TRUE(desktop.PressKey(VK_ESCAPE));
  EXPECT_EQ(Notices().size(), 4u);
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
}

TEST_F(ScreenFlow, EnterDoesNothingOnThePromptAndTheList) {
  ASSERT_EQ(Start(), 0);
  ASSERT_TRUE(desktop.PressKey(VK_RETURN));
  EXPECT_EQ(VisibleScreens(), Captions{kPickCaption});
  Hide(kPickCaption);
  Show(SCR_LIST);
  ASSERT_TRUE(desktop.PressKey(VK_RETURN));
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
  EXPECT_TRUE(Notices().empty());
}

TEST_F(ScreenFlow, DisablingReachesHiddenScreensAndAScreenShownLaterStaysDisabled) {
  ASSERT_EQ(Start(), 0);
  desktop.Ui([] { EnableCommand(0); });
  for (const char16_t* caption : {kPickCaption, kListCaption, kNewCoordCaption, kPosCheckCaption}) {
    EXPECT_FALSE(desktop.IsEnabled(Window(caption)));
  }
  Hide(kPickCaption);
  Show(SCR_LIST);
  EXPECT_FALSE(desktop.IsEnabled(Window(kListCaption)));
  desktop.Ui([] { EnableCommand(1); });
  EXPECT_TRUE(desktop.IsEnabled(Window(kListCaption)));
  EXPECT_TRUE(desktop.IsEnabled(Window(kPosCheckCaption)));
}

TEST_F(ScreenFlow, TheCurrentPointAndKindOutliveTheCommand) {
  EXPECT_EQ(desktop.Ui([] { return GetCurPointId(); }), -1);
  EXPECT_EQ(desktop.Ui([] { return GetCurKind(); }), 0);
  ASSERT_EQ(Start(), 0);
  EXPECT_EQ(desktop.Ui([] { return SetCurPointId(42); }), 42);
  EXPECT_EQ(desktop.Ui([] { return SetCurKind(3); }), 3);
  desktop.Ui([] { CloseCommand(); });
  ASSERT_EQ(Start(), 0);
  EXPECT_EQ(desktop.Ui([] { return GetCurPointId(); }), 42);
  EXPECT_EQ(desktop.Ui([] { return GetCurKind(); }), 3);
  desktop.Ui([] {
    SetCurPointId(-1);
    SetCurKind(0);
  });
}

TEST_F(ScreenFlow, TheCloseReleasesTheMapsEventWindowAndSelection) {
  ASSERT_EQ(Start(), 0);
  int id = 0;
  desktop.Ui([&] {
    PntRecord point{};
    point.number = 1;
    MapdbPnt_Put(&id, point);
    MapWin_SetSelId(1, &id);
    MapWin_EvtWnd(CWnd::FromHandle(Window(kPickCaption)));
    CloseCommand();
  });
  std::vector<int> selection{-1};
  desktop.Ui([&] { Geopane_MapSelection(&selection); });
  EXPECT_TRUE(selection.empty());
}

// The list helpers on a drop-down list whose items carry codes as data.
class ComboHelpers : public ScreenTest {};

TEST_F(ComboHelpers, SelectByDataTakesTheFirstMatchAndReadsBackMinusOneWithout) {
  ASSERT_EQ(Start(), 0);
  desktop.Ui([this] {
    CComboBox combo;
    combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), CWnd::FromHandle(Window(kPickCaption)), 1);
    const int data[] = {5, 0, 7, 5};
    for (int value : data) combo.SetItemData(combo.AddString(u"x"), static_cast<DWORD_PTR>(value));
    EXPECT_EQ(SelectComboByData(combo, 5), 0);
    EXPECT_EQ(GetComboSelData(combo), 5);
    EXPECT_EQ(SelectComboByData(combo, 0), 1);
    EXPECT_EQ(GetComboSelData(combo), 0);
    EXPECT_EQ(SelectComboByData(combo, 7), 2);
    EXPECT_EQ(SelectComboByData(combo, -1), -1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR) << "no match selects nothing";
    EXPECT_EQ(GetComboSelData(combo), -1);
    combo.DestroyWindow();
  });
}

// The taller model's templates for the list and the card screen.
class TallerModel : public ScreenTest {
 protected:
  void PrepareDevice() override { Devcond_SetInt(u"R7", 1); }
};

int HiddenHeight(plat::HeadlessDesktop& desktop, HWND window) {
  const RECT rect = desktop.WindowRect(window);
  return rect.bottom - rect.top;
}

TEST_F(TallerModel, ListAndCardAreBuiltOnTheTallTemplates) {
  ASSERT_EQ(Start(), 0);
  const int tallList = HiddenHeight(desktop, Window(kListCaption));
  desktop.Ui([this] { CloseCommand(); });
  Devcond_SetInt(u"R7", 0);  // asked again when the windows are made
  ASSERT_EQ(Start(), 0);
  const int shortList = HiddenHeight(desktop, Window(kListCaption));
  EXPECT_GT(tallList, shortList);
}

}  // namespace
