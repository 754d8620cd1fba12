// Tests of the pick prompt and the position-check prompt: the prompt takes
// point picks from the map whenever it is activated, a pick opens the card
// screen or the new-coordinate dialog on the picked point, a pick that
// reaches the hidden prompt changes nothing, 一覧 and 新規, and the
// position-check prompt goes back to the list; and a pick as the host runs
// the plug-in.
#include <gtest/gtest.h>

#include "list_test_support.h"
#include "plugin_host.h"

namespace {

using namespace reconcard_test;
using Captions = std::vector<std::u16string>;

class PickPrompt : public ListScreenTest {
 protected:
  // Hides whatever screen is on display and shows the prompt again.
  void BackToThePrompt() {
    for (HWND window : desktop.VisibleTopLevels()) {
      if (window != host) desktop.Ui([window] { ::ShowWindow(window, SW_HIDE); });
    }
    desktop.Ui([] { ShowScreen(SCR_PICK); });
  }
};

TEST_F(PickPrompt, OnActivationItBecomesTheMapsEventWindowForPointPicksOnly) {
  ASSERT_EQ(Start(), 0);
  GeopaneMapState state = MapState();
  EXPECT_EQ(state.eventWindow, Prompt());
  EXPECT_EQ(state.pointCommand, static_cast<UINT>(ID_MAP_PICKPOINT));
  EXPECT_EQ(state.coordCommand, 0u);
  EXPECT_EQ(state.pickCount, 1);
  EXPECT_EQ(state.pickFlag, 1);

  // Another window took the map meanwhile; showing the prompt again takes it back.
  desktop.Ui([this] {
    MapWin_EvtWnd(nullptr);
    MapWin_SetPicEvt(0, ID_MAP_PICKCOORD, 1, 0);
    ::ShowWindow(Prompt(), SW_HIDE);
    ShowScreen(SCR_PICK);
  });
  state = MapState();
  EXPECT_EQ(state.eventWindow, Prompt());
  EXPECT_EQ(state.pointCommand, static_cast<UINT>(ID_MAP_PICKPOINT));
  EXPECT_EQ(state.coordCommand, 0u);
}

TEST_F(PickPrompt, APickOpensTheCardScreenOnACardAndTheNewCoordinateDialogWithout) {
  const int withCard = AddCard(7, codes::kKnownPoint);
  const int withoutCard = AddPoint(8, u"新点", 30, -40);
  ASSERT_EQ(Start(), 0);
  struct Case {
    int id;
    bool cardScreen;
  };
  for (const Case& c : {Case{withCard, true}, Case{withoutCard, false}}) {
    const size_t beeps = desktop.Beeps().size();
    ASSERT_TRUE(TapPoint(c.id));
    EXPECT_EQ(CurPointId(), c.id);
    ASSERT_EQ(desktop.Beeps().size(), beeps + 1);
    EXPECT_EQ(desktop.Beeps().back(), static_cast<UINT>(MB_ICONASTERISK)) << "beep 2";
    EXPECT_FALSE(desktop.IsVisible(Prompt()));
    EXPECT_EQ(CardScreenShows(), c.cardScreen) << c.id;
    EXPECT_EQ(desktop.IsVisible(Window(kNewCoordCaption)), !c.cardScreen) << c.id;
    EXPECT_FALSE(HasCard(withoutCard)) << "a pick creates no card";
    BackToThePrompt();
  }
}

TEST_F(PickPrompt, APickWhileAnotherScreenIsOnDisplayChangesNothing) {
  const int id = AddCard(7, codes::kKnownPoint);
  ASSERT_EQ(Start(), 0);
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(Prompt()), ID_PICK_LIST));
  ASSERT_EQ(MapState().eventWindow, Prompt()) << "the hidden prompt still gets the map's picks";

  ASSERT_TRUE(TapPoint(id));
  EXPECT_EQ(CurPointId(), -1);
  EXPECT_TRUE(desktop.Beeps().empty());
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
  EXPECT_FALSE(CardScreenShows());
}

TEST_F(PickPrompt, ListGoesToTheListScreen) {
  ASSERT_EQ(Start(), 0);
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(Prompt()), ID_PICK_LIST));
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
  EXPECT_EQ(desktop.Ui([] { return GetPrevMainScreen(); }), SCR_LIST);
}

TEST_F(PickPrompt, NewClearsTheSelectionAndTheCurrentPointAndOpensTheNewCoordinateDialog) {
  const int id = AddCard(7, codes::kKnownPoint);
  ASSERT_EQ(Start(), 0);
  desktop.Ui([id] {
    SetCurPointId(id);
    MapWin_SetSelId(1, &id);
  });
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(Prompt()), ID_PICK_NEW));
  EXPECT_EQ(CurPointId(), -1);
  EXPECT_TRUE(MapSelection().empty());
  EXPECT_EQ(VisibleScreens(), Captions{kNewCoordCaption});
}

TEST_F(PickPrompt, ClosingThePositionCheckReturnsToTheListItCameFrom) {
  AddCard(7, codes::kKnownPoint);
  StartOnList();
  ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(List()), ID_LIST_POSITION));
  ASSERT_EQ(VisibleScreens(), Captions{kPosCheckCaption});
  ASSERT_TRUE(desktop.CloseWindow(Window(kPosCheckCaption)));
  EXPECT_EQ(VisibleScreens(), Captions{kListCaption});
  EXPECT_TRUE(Notices().empty());
}

class PickPromptInTheHost : public plugin_test::HostTest {};

TEST_F(PickPromptInTheHost, APickedPointWithoutCardOpensTheNewCoordinateDialog) {
  ASSERT_NE(host.AddPoint(MakePoint(5, u"新点", 10, 10)), 0);
  ASSERT_TRUE(host.RunCommand(plugin_test::kReconCommand));
  ASSERT_TRUE(host.TapPoint(5));
  EXPECT_NE(host.Screen(kNewCoordCaption), nullptr);
  EXPECT_EQ(host.Screen(kPickCaption), nullptr);
  EXPECT_EQ(Desktop().Beeps(), std::vector<UINT>{MB_ICONASTERISK});
}

}  // namespace
