// For the coordinate dialogs' tests: the command started in the test process
// with the pick prompt put away, points and cards put into the map, taps on
// the map where a point is drawn or at a map coordinate, the map's state,
// readings of a dialog's fields, OK pressed with its message box read and
// answered, and the missing entries OK refuses one after another; and the
// reconnaissance command run by the host with the built plug-in, for the
// road a user takes through the dialogs.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "plugin_host.h"
#include "screen_test_support.h"

namespace reconcard_test {

using BoxRecord = plat::HeadlessDesktop::MessageBoxRecord;

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

  bool TapPoint(int number) { return plugin_test::TapPointNumbered(desktop, number); }
  bool TapCoordinate(double x, double y) { return plugin_test::TapCoordinate(desktop, x, y); }

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

  // What the user adds before pressing OK, and how OK refuses it: the
  // message, the caption and the field that gets the focus.
  struct Refusal {
    std::function<bool()> entry;
    const char16_t* message;
    const char16_t* caption;
    int focus;
  };
  // Makes each entry in turn and presses OK: each press gets its stop box
  // and focus, and the dialog stays.
  void ExpectRefusedInTurn(HWND dialog, std::span<const Refusal> refusals) {
    for (const Refusal& refusal : refusals) {
      ASSERT_TRUE(refusal.entry()) << refusal.focus;
      const auto box = OkWithBox(dialog);
      ASSERT_TRUE(box) << refusal.focus;
      EXPECT_EQ(box->text, refusal.message);
      EXPECT_EQ(box->caption, refusal.caption);
      EXPECT_EQ(box->type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
      EXPECT_EQ(desktop.FocusWindow(), Field(dialog, refusal.focus)) << refusal.focus;
      EXPECT_TRUE(desktop.IsVisible(dialog));
    }
  }
};

// The reconnaissance command running in the host, on its pick prompt.
class CoordDialogInTheHost : public plugin_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(host.RunCommand(plugin_test::kReconCommand));
    ASSERT_NE(host.Screen(kPickCaption), nullptr);
  }

  int AddCardedPoint(const PntRecord& point) {
    const int id = host.AddPoint(point);
    Desktop().Ui([id] { PutCard(id); });
    return id;
  }
  NumberedPoints PointsNumbered(int number) {
    return Desktop().Ui([number] { return MapPointsNumbered(number); });
  }
  std::u16string FieldText(HWND screen, int id) { return Desktop().Text(Desktop().FindControl(screen, id)); }
};

}  // namespace reconcard_test
