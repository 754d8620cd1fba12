// For the tests of the pick prompt, the list screen and its detail pane in
// the test process: points and cards put straight into the map database on
// the user-interface thread, the screens' controls and toolbars, taps on the
// map, and the shared state reset around each test.
#pragma once
#include <afxres.h>
#include <codetables.h>
#include <geopane.h>

#include <string>
#include <vector>

#include "NavCardDlg.h"
#include "resource.h"
#include "screen_test_support.h"

namespace reconcard_test {

using Rows = std::vector<std::vector<std::u16string>>;

// A card of this kind with nothing entered: no date, every code -1.
inline NavRecord EmptyCard(LONG kind) {
  NavRecord card{};
  card.surveyed = 1;
  card.kind = kind;
  card.origin = 2;
  card.surveyDate = -1;
  for (LONG& code : card.attr) code = -1;
  return card;
}

class ListScreenTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    if (HasFatalFailure()) return;
    ResetSharedState();
    ready_ = true;
  }
  void TearDown() override {
    if (ready_) ResetSharedState();
    ScreenTest::TearDown();
  }

  // ---- the map database ----
  // A point without a card, on the map; its id.
  int AddPoint(LONG number, const char16_t* name, double x, double y, bool hasZ = false, double z = 0) {
    PntRecord point = MakePoint(number, name, x, y);
    point.z = z;
    point.hasZ = hasZ ? 1 : 0;
    const int id = ScreenTest::AddPoint(point);
    EXPECT_NE(id, 0) << number;
    return id;
  }
  void PutCard(int id, const NavRecord& card) {
    desktop.Ui([&] { EXPECT_EQ(MapdbNav_Put(id, card), 0); });
  }
  // A point numbered number (1 to 10 lie on the map as it starts) with an
  // empty card of kind; its id.
  int AddCard(LONG number, LONG kind) {
    const int id = AddPoint(number, u"点", number * 10.0, number * 5.0);
    PutCard(id, EmptyCard(kind));
    return id;
  }
  bool HasCard(int id) {
    return desktop.Ui([id] {
      NavRecord card{};
      return MapdbNav_Get(id, &card) == 0;
    });
  }
  GeopaneMapPoint MapPoint(int id) {
    std::vector<GeopaneMapPoint> points;
    desktop.Ui([&] { Geopane_MapPoints(&points); });
    for (const GeopaneMapPoint& point : points) {
      if (point.id == id) return point;
    }
    ADD_FAILURE() << "no point " << id << " on the map";
    return {};
  }
  // Taps the map where point id is drawn.
  bool TapPoint(int id) { return plugin_test::TapPointWithId(desktop, id); }

  // ---- the shared state ----
  void SetCurrent(int id, int kind) {
    desktop.Ui([id, kind] {
      SetCurPointId(id);
      SetCurKind(kind);
    });
  }

  // ---- the screens ----
  HWND Prompt() { return Window(kPickCaption); }  // the pick prompt
  HWND List() { return Window(kListCaption); }
  // Starts the command and goes from the pick prompt to the list.
  void StartOnList() {
    ASSERT_EQ(Start(), 0);
    ASSERT_TRUE(desktop.ToolbarCommand(Toolbar(Prompt()), ID_PICK_LIST));
    ASSERT_TRUE(desktop.IsVisible(List()));
  }
  HWND Toolbar(HWND screen) { return desktop.FindControl(screen, AFX_IDW_TOOLBAR); }
  HWND Cards() { return desktop.FindControl(List(), IDC_LIST_CARDS); }
  HWND Detail() { return desktop.FindControl(List(), IDC_LIST_DETAIL); }
  HWND KindFilter() { return desktop.FindControl(List(), IDC_LIST_KIND); }
  std::u16string CountText() { return desktop.Text(desktop.FindControl(List(), IDC_LIST_COUNT)); }
  Rows CardRows() { return desktop.ListRows(Cards()); }
  Rows DetailRows() { return desktop.ListRows(Detail()); }
  // The commands of the toolbar that are enabled, in button order.
  std::vector<int> EnabledCommands(HWND screen) {
    std::vector<int> commands;
    for (const auto& button : desktop.ToolbarButtons(Toolbar(screen))) {
      if (button.enabled) commands.push_back(button.command);
    }
    return commands;
  }
  bool CardScreenShows() { return desktop.Ui([] { return TheNavCard().IsWindowVisible() != FALSE; }); }

 private:
  // The state outlives a command, and so a test, in the test process.
  void ResetSharedState() {
    desktop.Ui([] {
      SetCurPointId(-1);
      SetCurKind(0);
    });
  }

  bool ready_ = false;
};

}  // namespace reconcard_test
