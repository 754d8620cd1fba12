// For the coordinate dialogs' tests: the command started in the test process
// with the pick prompt put away, points and cards put into the map, taps on
// the map where a point is drawn or at a map coordinate, the map's state,
// readings of a dialog's fields, and OK pressed with its message box read
// and answered; and the reconnaissance command run by the host with the
// built plug-in, for the road a user takes through the dialogs.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "plugin_host.h"
#include "screen_test_support.h"

namespace reconcard_test {

using BoxRecord = plat::HeadlessDesktop::MessageBoxRecord;

// A point with the usual fields and no height.
inline PntRecord Point(LONG number, const char16_t* name, double x, double y) {
  PntRecord point{};
  point.number = number;
  point.name = name;
  point.x = x;
  point.y = y;
  point.classCode = 81;
  point.stateCode = 32;
  return point;
}

inline PntRecord WithHeight(PntRecord point, double z) {
  point.z = z;
  point.hasZ = 1;
  return point;
}

// On the user-interface thread: a registered card of kind 1 for the point.
inline void PutCard(int id) {
  NavRecord card{};
  card.surveyed = 1;
  card.kind = 1;
  card.origin = 2;
  card.surveyDate = 20260507;
  MapdbNav_Put(id, card);
}

using NumberedPoints = std::vector<std::pair<int, PntRecord>>;

// On the user-interface thread: every point of the map with this number, in
// id order, with its id.
inline NumberedPoints MapPointsNumbered(int number) {
  struct Walk {
    int number;
    NumberedPoints found;
  } walk{number, {}};
  Geopane_ForEachPoint(
      [](int id, const PntRecord* point, void* context) {
        auto* w = static_cast<Walk*>(context);
        if (point->number == w->number) w->found.emplace_back(id, *point);
        return 0;
      },
      &walk);
  return walk.found;
}

class CoordDialogTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(Start(), 0);
    desktop.Ui([this] { ::ShowWindow(Window(kPickCaption), SW_HIDE); });
  }

  // Stores the point as a new one and redraws the map; its id, 0 on failure.
  int AddPoint(const PntRecord& point) {
    return desktop.Ui([&] {
      int id = 0;
      if (MapdbPnt_Put(&id, point) != 0) id = 0;
      MapWin_DrwAll(MapWin_DrwFlg(0));
      return id;
    });
  }
  void AddCard(int id) {
    desktop.Ui([id] { PutCard(id); });
  }
  PntRecord ReadPoint(int id) {
    PntRecord point{};
    EXPECT_EQ(desktop.Ui([&] { return MapdbPnt_Get(id, &point); }), 0) << id;
    return point;
  }
  NumberedPoints PointsNumbered(int number) {
    return desktop.Ui([number] { return MapPointsNumbered(number); });
  }

  int CurPointId() { return desktop.Ui([] { return GetCurPointId(); }); }
  std::vector<int> Selection() {
    std::vector<int> ids;
    desktop.Ui([&] { Geopane_MapSelection(&ids); });
    return ids;
  }
  GeopaneMapState MapState() {
    GeopaneMapState state{};
    desktop.Ui([&] { Geopane_GetMapState(&state); });
    return state;
  }

  bool TapPoint(int number) {
    POINT pixel{};
    if (desktop.Ui([&] { return Geopane_PointPixelByNumber(number, &pixel); }) != 0) return false;
    return desktop.Tap(MapWindow(), pixel.x, pixel.y);
  }
  bool TapCoordinate(double x, double y) {
    POINT pixel{};
    if (desktop.Ui([&] { return Geopane_MapToPixel(x, y, &pixel); }) != 0) return false;
    return desktop.Tap(MapWindow(), pixel.x, pixel.y);
  }

  HWND Field(HWND dialog, int id) { return desktop.FindControl(dialog, id); }
  std::u16string FieldText(HWND dialog, int id) { return desktop.Text(Field(dialog, id)); }

  // Presses the caption's OK; when a message box opens, reads and answers it.
  std::optional<BoxRecord> OkWithBox(HWND dialog) {
    const size_t before = desktop.MessageBoxes().size();
    EXPECT_TRUE(desktop.CaptionOk(dialog));
    if (desktop.MessageBoxes().size() == before) return std::nullopt;
    BoxRecord box = desktop.MessageBoxes().back();
    EXPECT_TRUE(desktop.AnswerMessageBox(IDOK));
    return box;
  }

  size_t Beeps() const { return desktop.Beeps().size(); }

 private:
  HWND MapWindow() { return desktop.Ui([] { return Geopane_MapWindow(); }); }
};

// The reconnaissance command running in the host, on its pick prompt.
class CoordDialogInTheHost : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Prepared());
    host.Start();
    ASSERT_NE(host.Host(), nullptr);
    ASSERT_TRUE(host.RunCommand(plugin_test::kReconCommand));
    ASSERT_NE(host.Screen(kPickCaption), nullptr);
  }

  plat::HeadlessDesktop& Desktop() { return host.Desktop(); }
  int AddCardedPoint(const PntRecord& point) {
    const int id = host.AddPoint(point);
    Desktop().Ui([id] { PutCard(id); });
    return id;
  }
  NumberedPoints PointsNumbered(int number) {
    return Desktop().Ui([number] { return MapPointsNumbered(number); });
  }
  std::u16string FieldText(HWND screen, int id) { return Desktop().Text(Desktop().FindControl(screen, id)); }

  plugin_test::PluginHost host{"reconcard_coord_host"};
};

}  // namespace reconcard_test
