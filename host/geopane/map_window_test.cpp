// The map window through the headless desktop: taps on points and on
// empty map, the map commands posted to the event window under each pick
// setting, the pick list and the tapped coordinate, the selection, panning,
// redraw from the database, the drawing flag, the pixel mapping and the
// drawing styles.
#include <afxwin.h>
#include <plat/headless_desktop.h>

#include <cmath>
#include <limits>
#include <vector>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

constexpr UINT kPickPoint = 6003;
constexpr UINT kPickCoord = 6004;
// The map fills 240 x 300 pixels: its centre pixel is (120, 150).
constexpr RECT kMapRect{0, 0, 240, 300};

// The host's main window: the event window, recording the commands it gets.
std::vector<WPARAM>* receivedCommands = nullptr;

LRESULT CALLBACK HostProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && receivedCommands) {
    receivedCommands->push_back(wParam);
    EXPECT_EQ(lParam, 0);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateHostWindow() {
  static const ATOM atom = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.lpszClassName = u"MapWindowTestHost";
    return RegisterClassW(&windowClass);
  }();
  (void)atom;
  return CreateWindowExW(0, u"MapWindowTestHost", u"host", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                         nullptr, nullptr);
}

PntRecord PointAt(int number, double x, double y, int classCode = 8, int stateCode = 1) {
  PntRecord point = MakePoint(number);
  point.x = x;
  point.y = y;
  point.classCode = classCode;
  point.stateCode = stateCode;
  return point;
}

class MapWindowTest : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    receivedCommands = &commands_;
    first_ = AddPoint(PointAt(1, 0, 0));      // pixel (120, 150)
    second_ = AddPoint(PointAt(2, 20, 30));   // pixel (150, 130)
    desk_.Start([this] {
      host_ = CreateHostWindow();
      map_ = Geopane_CreateMapWindow(host_, kMapRect);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
      DestroyWindow(host_);
    });
    ASSERT_NE(map_, nullptr);
  }
  void TearDown() override {
    desk_.Stop();
    receivedCommands = nullptr;
    MapTest::TearDown();
  }

  static int AddPoint(const PntRecord& point) {
    int id = 0;
    EXPECT_EQ(MapdbPnt_Put(&id, point), 0);
    return id;
  }
  void Register(UINT pointCommand, UINT coordCommand, int pickCount = 1) {
    ASSERT_EQ(desk_.Ui([&] { return MapWin_EvtWnd(CWnd::FromHandle(host_)); }), 0);
    ASSERT_EQ(desk_.Ui([&] { return MapWin_SetPicEvt(pointCommand, coordCommand, pickCount, pointCommand ? 1 : 0); }),
              0);
  }
  POINT PixelOf(int id) {
    POINT pixel{-1, -1};
    EXPECT_EQ(desk_.Ui([&] { return Geopane_PointPixel(id, &pixel); }), 0);
    return pixel;
  }
  bool TapAt(POINT pixel) { return desk_.Tap(map_, pixel.x, pixel.y); }
  int PickedId(int index) {
    int id = -1;
    return desk_.Ui([&] { return MapWin_GetPicIdxId(index, &id); }) == 0 ? id : -1;
  }
  std::vector<int> Selection() {
    std::vector<int> ids;
    EXPECT_EQ(desk_.Ui([&] { return Geopane_MapSelection(&ids); }), 0);
    return ids;
  }
  std::vector<GeopaneMapPoint> Points() {
    std::vector<GeopaneMapPoint> points;
    EXPECT_EQ(desk_.Ui([&] { return Geopane_MapPoints(&points); }), 0);
    return points;
  }
  GeopaneMapState State() {
    GeopaneMapState state{};
    EXPECT_EQ(desk_.Ui([&] { return Geopane_GetMapState(&state); }), 0);
    return state;
  }
  void SelectOnly(int id) {
    desk_.Ui([&] {
      MapWin_ClrSelId();
      MapWin_SetSelId(1, &id);
    });
  }

  plat::HeadlessDesktop desk_;
  HWND host_ = nullptr;
  HWND map_ = nullptr;
  int first_ = 0;
  int second_ = 0;
  std::vector<WPARAM> commands_;
};

// ---- taps on points ----

TEST_F(MapWindowTest, TapNearAPointSelectsItAndPostsThePointCommandWithThePickedId) {
  Register(kPickPoint, kPickCoord);
  SelectOnly(first_);
  POINT pixel{};
  ASSERT_EQ(desk_.Ui([&] { return Geopane_PointPixelByNumber(2, &pixel); }), 0);
  EXPECT_EQ(pixel.x, 150);
  EXPECT_EQ(pixel.y, 130);

  ASSERT_TRUE(TapAt(POINT{pixel.x + 5, pixel.y - 6}));  // 7.8 pixels away: inside the radius

  EXPECT_EQ(commands_, std::vector<WPARAM>{kPickPoint});
  EXPECT_EQ(desk_.Ui([] { return MapWin_SetSelPicId(0); }), 0);
  EXPECT_EQ(PickedId(0), second_);
  EXPECT_EQ(Selection(), std::vector<int>{second_});
  EXPECT_EQ(State().pickedId, second_);
  double x = 0, y = 0;
  EXPECT_NE(desk_.Ui([&] { return MapWin_GetPicCrd(&x, &y); }), 0) << "a point pick stores no coordinate";
}

TEST_F(MapWindowTest, TheNearestPointWinsAndThePickCountCollectsTheNextNearest) {
  const int close = AddPoint(PointAt(3, 0, 4));  // pixel (124, 150), 4 pixels right of the first point
  desk_.Ui([] { MapWin_DrwAll(MapWin_DrwFlg(1)); });
  Register(kPickPoint, 0, 2);

  ASSERT_TRUE(TapAt(POINT{123, 150}));

  EXPECT_EQ(commands_, std::vector<WPARAM>{kPickPoint});
  EXPECT_EQ(PickedId(0), close);
  EXPECT_EQ(PickedId(1), first_);
  EXPECT_EQ(PickedId(2), -1) << "the second point lies outside the radius";
  EXPECT_EQ(desk_.Ui([] { return MapWin_SetSelPicId(1); }), 0);
  EXPECT_EQ(Selection(), std::vector<int>{first_});
  EXPECT_EQ(State().pickedId, first_);
  EXPECT_NE(desk_.Ui([] { return MapWin_SetSelPicId(2); }), 0);
  EXPECT_EQ(Selection(), std::vector<int>{first_}) << "a failed choice changes nothing";
}

TEST_F(MapWindowTest, TheTapGestureActsAsATap) {
  Register(kPickPoint, 0);
  const POINT pixel = PixelOf(first_);

  plat::PostInput(map_, plat::WM_PLAT_GESTURE, plat::kGestureTap, MAKELPARAM(pixel.x, pixel.y));
  desk_.Settle();

  EXPECT_EQ(commands_, std::vector<WPARAM>{kPickPoint});
  EXPECT_EQ(PickedId(0), first_);
}

// ---- taps on the map ----

TEST_F(MapWindowTest, ATapElsewherePostsTheCoordinateCommandWithTheMapCoordinateOfThePixel) {
  Register(kPickPoint, kPickCoord);
  double x = 0, y = 0;
  EXPECT_NE(desk_.Ui([&] { return MapWin_GetPicCrd(&x, &y); }), 0) << "no tap yet";
  ASSERT_EQ(desk_.Ui([] { return MapWin_Pan(1000, 2000); }), 0);
  ASSERT_EQ(desk_.Ui([] { return Geopane_SetMapScale(0.5); }), 0);

  ASSERT_TRUE(TapAt(POINT{200, 40}));

  EXPECT_EQ(commands_, std::vector<WPARAM>{kPickCoord});
  ASSERT_EQ(desk_.Ui([&] { return MapWin_GetPicCrd(&x, &y); }), 0);
  EXPECT_DOUBLE_EQ(x, 1000 + (150 - 40) * 0.5);  // northing grows upwards
  EXPECT_DOUBLE_EQ(y, 2000 + (200 - 120) * 0.5);  // easting grows to the right
  EXPECT_EQ(PickedId(0), -1) << "no point was picked";
}

// What a tap on a point, and one far from any point, does under each pick setting.
struct PickCase {
  const char* name;
  UINT pointCommand;
  UINT coordCommand;
  bool onPoint;
  std::vector<WPARAM> posted;
  bool selectsThePoint;
};

class PickSettingTest : public MapWindowTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickSettingTest, PostsWhatTheSettingAsksFor) {
  const PickCase& c = GetParam();
  Register(c.pointCommand, c.coordCommand);
  SelectOnly(first_);

  ASSERT_TRUE(TapAt(c.onPoint ? PixelOf(second_) : POINT{20, 280}));

  EXPECT_EQ(commands_, c.posted);
  EXPECT_EQ(Selection(), std::vector<int>{c.selectsThePoint ? second_ : first_});
  EXPECT_EQ(PickedId(0), c.selectsThePoint ? second_ : -1);
  double x = 0, y = 0;
  const bool coordinateTap = c.posted == std::vector<WPARAM>{kPickCoord};
  EXPECT_EQ(desk_.Ui([&] { return MapWin_GetPicCrd(&x, &y); }) == 0, coordinateTap);
}

INSTANTIATE_TEST_SUITE_P(
    MapWindow, PickSettingTest,
    ::testing::Values(PickCase{"BothOnPoint", kPickPoint, kPickCoord, true, {kPickPoint}, true},
                      PickCase{"BothElsewhere", kPickPoint, kPickCoord, false, {kPickCoord}, false},
                      PickCase{"PointsOnlyOnPoint", kPickPoint, 0, true, {kPickPoint}, true},
                      PickCase{"PointsOnlyElsewhere", kPickPoint, 0, false, {}, false},
                      PickCase{"CoordinatesOnlyOnPoint", 0, kPickCoord, true, {kPickCoord}, false},
                      PickCase{"CoordinatesOnlyElsewhere", 0, kPickCoord, false, {kPickCoord}, false},
                      PickCase{"OffOnPoint", 0, 0, true, {}, true},
                      PickCase{"OffElsewhere", 0, 0, false, {}, false}),
    [](const ::testing::TestParamInfo<PickCase>& info) { return info.param.name; });

TEST_F(MapWindowTest, WithNoEventWindowTapsPostNothingButStillPick) {
  Register(kPickPoint, kPickCoord);
  ASSERT_TRUE(TapAt(PixelOf(first_)));
  ASSERT_EQ(commands_.size(), 1u);

  ASSERT_EQ(desk_.Ui([] { return MapWin_EvtWnd(nullptr); }), 0);
  EXPECT_EQ(State().eventWindow, nullptr);
  ASSERT_TRUE(TapAt(PixelOf(second_)));
  ASSERT_TRUE(TapAt(POINT{20, 280}));

  EXPECT_EQ(commands_.size(), 1u);
  EXPECT_EQ(PickedId(0), second_);
  double x = 0, y = 0;
  EXPECT_EQ(desk_.Ui([&] { return MapWin_GetPicCrd(&x, &y); }), 0);
}

TEST_F(MapWindowTest, PickSettingsAreKeptAsGivenAndABadPickCountIsRefused) {
  Register(kPickPoint, kPickCoord, 3);
  GeopaneMapState state = State();
  EXPECT_EQ(state.eventWindow, host_);
  EXPECT_EQ(state.pointCommand, kPickPoint);
  EXPECT_EQ(state.coordCommand, kPickCoord);
  EXPECT_EQ(state.pickCount, 3);
  EXPECT_EQ(state.pickFlag, 1);

  EXPECT_NE(desk_.Ui([] { return MapWin_SetPicEvt(1, 2, 0, 1); }), 0);
  state = State();
  EXPECT_EQ(state.pointCommand, kPickPoint);
  EXPECT_EQ(state.pickCount, 3);
}

// ---- selection, pan, redraw ----

TEST_F(MapWindowTest, SetSelIdAddsPointsAndClrSelIdEmptiesTheSelection) {
  desk_.Ui([&] {
    MapWin_SetSelId(1, &first_);
    MapWin_SetSelId(1, &second_);
  });
  EXPECT_EQ(Selection(), (std::vector<int>{first_, second_}));
  for (const GeopaneMapPoint& point : Points()) EXPECT_TRUE(point.selected) << point.id;

  const int withBadId[] = {first_, 0};
  EXPECT_NE(desk_.Ui([&] { return MapWin_SetSelId(-1, withBadId); }), 0);
  EXPECT_NE(desk_.Ui([&] { return MapWin_SetSelId(1, nullptr); }), 0);
  EXPECT_NE(desk_.Ui([&] { return MapWin_SetSelId(2, withBadId); }), 0);
  EXPECT_EQ(Selection(), (std::vector<int>{first_, second_})) << "refused calls change nothing";

  EXPECT_EQ(desk_.Ui([] { return MapWin_ClrSelId(); }), 0);
  EXPECT_TRUE(Selection().empty());
  for (const GeopaneMapPoint& point : Points()) EXPECT_FALSE(point.selected) << point.id;
}

TEST_F(MapWindowTest, PanCentresTheMapOnTheGivenPoint) {
  const unsigned before = State().revision;
  ASSERT_EQ(desk_.Ui([] { return MapWin_Pan(20, 30); }), 0);

  const GeopaneMapState state = State();
  EXPECT_EQ(state.centreX, 20);
  EXPECT_EQ(state.centreY, 30);
  EXPECT_GT(state.revision, before);
  EXPECT_EQ(PixelOf(second_).x, 120);
  EXPECT_EQ(PixelOf(second_).y, 150);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_NE(desk_.Ui([&] { return MapWin_Pan(nan, 0); }), 0);
  EXPECT_NE(desk_.Ui([] { return MapWin_Pan(0, std::numeric_limits<double>::infinity()); }), 0);
  EXPECT_EQ(State().centreX, 20);
}

TEST_F(MapWindowTest, RedrawShowsWhatChangedInTheDatabase) {
  const int added = AddPoint(PointAt(7, -10, 5, 81, 32));
  ASSERT_EQ(MapdbHai_Bmp(u"\\map.bmp", 0, 0, 100, 200, 10, 10, 110, 210), 0);
  ASSERT_EQ(Points().size(), 2u) << "the map shows the points of its last redraw";
  EXPECT_FALSE(State().hasBackground);

  const int flag = desk_.Ui([] { return MapWin_DrwFlg(1); });
  EXPECT_EQ(flag, 1);
  ASSERT_EQ(desk_.Ui([&] { return MapWin_DrwAll(flag); }), 0);

  const std::vector<GeopaneMapPoint> points = Points();
  ASSERT_EQ(points.size(), 3u);
  const GeopaneMapPoint& shown = points[2];
  EXPECT_EQ(shown.id, added);
  EXPECT_EQ(shown.number, 7);
  EXPECT_EQ(shown.name, u"P");
  EXPECT_EQ(shown.classCode, 81);
  EXPECT_EQ(shown.stateCode, 32);
  EXPECT_TRUE(shown.visible);
  EXPECT_EQ(shown.pixel.x, 125);
  EXPECT_EQ(shown.pixel.y, 160);
  EXPECT_EQ(shown.style.shape, kGeopaneCross);
  const GeopaneMapState state = State();
  ASSERT_TRUE(state.hasBackground);
  EXPECT_EQ(std::u16string(state.background.path), u"\\map.bmp");
  EXPECT_EQ(state.background.x2, 110);
}

// Counts the painting passes of the map window, passing every message on.
struct PaintCounter {
  static inline WNDPROC original = nullptr;
  static inline int paints = 0;
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) ++paints;
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
  }
};

TEST_F(MapWindowTest, ChangesRepaintUnlessTheDrawingFlagHoldsThem) {
  PaintCounter::paints = 0;
  desk_.Ui([&] {
    PaintCounter::original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(map_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintCounter::Procedure)));
  });
  auto paintsAfter = [&](auto change) {
    const int before = PaintCounter::paints;
    desk_.Ui(change);
    desk_.Settle();
    return PaintCounter::paints - before;
  };
  EXPECT_EQ(paintsAfter([] { MapWin_Pan(5, 5); }), 1);
  EXPECT_EQ(paintsAfter([&] { MapWin_SetSelId(1, &first_); }), 1);

  EXPECT_EQ(desk_.Ui([] { return MapWin_DrwFlg(0); }), 1);
  EXPECT_EQ(State().drawing, 0);
  EXPECT_EQ(paintsAfter([] { MapWin_Pan(6, 6); }), 0);
  EXPECT_EQ(paintsAfter([] { MapWin_ClrSelId(); }), 0);
  EXPECT_EQ(State().centreX, 6) << "held repaints still change the map";

  EXPECT_EQ(paintsAfter([] { MapWin_DrwAll(0); }), 1) << "a redraw repaints even while held";
  EXPECT_EQ(State().drawing, 0);
  EXPECT_EQ(desk_.Ui([] { return MapWin_DrwFlg(1); }), 0);
  EXPECT_EQ(paintsAfter([] { MapWin_Pan(7, 7); }), 1);
}

TEST_F(MapWindowTest, ASecondMapWindowIsRefused) {
  EXPECT_EQ(desk_.Ui([&] { return Geopane_CreateMapWindow(host_, kMapRect); }), nullptr);
  EXPECT_EQ(desk_.Ui([] { return Geopane_MapWindow(); }), map_);
}

TEST(MapWindowAbsentTest, MapCallsFailWithoutAMapWindow) {
  int id = 0;
  double x = 0, y = 0;
  POINT pixel{};
  EXPECT_EQ(Geopane_MapWindow(), nullptr);
  EXPECT_NE(MapWin_ClrSelId(), 0);
  EXPECT_NE(MapWin_SetSelId(1, &id), 0);
  EXPECT_NE(MapWin_Pan(1, 2), 0);
  EXPECT_NE(MapWin_DrwAll(1), 0);
  EXPECT_NE(MapWin_GetPicIdxId(0, &id), 0);
  EXPECT_NE(MapWin_GetPicCrd(&x, &y), 0);
  EXPECT_NE(Geopane_PointPixel(1, &pixel), 0);
}

// ---- pixel mapping ----

struct MappingCase {
  const char* name;
  double centreX, centreY, scale;
  double x, y;
  bool visible;
  POINT pixel;
};

class MappingTest : public MapWindowTest, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(MappingTest, NorthingIsUpAndEastingIsRight) {
  const MappingCase& c = GetParam();
  ASSERT_EQ(desk_.Ui([&] { return MapWin_Pan(c.centreX, c.centreY) | Geopane_SetMapScale(c.scale); }), 0);
  POINT pixel{-1, -1};
  const int result = desk_.Ui([&] { return Geopane_MapToPixel(c.x, c.y, &pixel); });
  ASSERT_EQ(result == 0, c.visible);
  if (!c.visible) return;
  EXPECT_EQ(pixel.x, c.pixel.x);
  EXPECT_EQ(pixel.y, c.pixel.y);
  double x = 0, y = 0;
  ASSERT_EQ(desk_.Ui([&] { return Geopane_PixelToMap(pixel.x, pixel.y, &x, &y); }), 0);
  EXPECT_NEAR(x, c.x, c.scale / 2);
  EXPECT_NEAR(y, c.y, c.scale / 2);
}

INSTANTIATE_TEST_SUITE_P(
    MapWindow, MappingTest,
    ::testing::Values(MappingCase{"CentreAtTheClientCentre", 0, 0, 1, 0, 0, true, {120, 150}},
                      MappingCase{"NorthIsUp", 0, 0, 1, 10, 0, true, {120, 140}},
                      MappingCase{"EastIsRight", 0, 0, 1, 0, 10, true, {130, 150}},
                      MappingCase{"SouthWest", 0, 0, 1, -10, -20, true, {100, 160}},
                      MappingCase{"PannedAndZoomedIn", 1000, 2000, 0.5, 1010, 1990, true, {100, 130}},
                      MappingCase{"ZoomedOutRounds", 0, 0, 4, 5, -5, true, {119, 149}},
                      MappingCase{"TopLeftCorner", 0, 0, 1, 150, -120, true, {0, 0}},
                      MappingCase{"JustPastTheTop", 0, 0, 1, 151, 0, false, {}},
                      MappingCase{"JustPastTheRight", 0, 0, 1, 0, 120, false, {}},
                      MappingCase{"FarAway", 0, 0, 1, 1e12, -1e12, false, {}}),
    [](const ::testing::TestParamInfo<MappingCase>& info) { return info.param.name; });

TEST_F(MapWindowTest, ScaleStaysWithinItsBounds) {
  ASSERT_EQ(desk_.Ui([] { return Geopane_SetMapScale(kGeopaneMaxScale); }), 0);
  EXPECT_NE(desk_.Ui([] { return Geopane_ZoomOut(); }), 0);
  EXPECT_EQ(desk_.Ui([] { return Geopane_ZoomIn(); }), 0);
  EXPECT_EQ(State().scale, kGeopaneMaxScale / 2);
  EXPECT_NE(desk_.Ui([] { return Geopane_SetMapScale(0); }), 0);
  EXPECT_NE(desk_.Ui([] { return Geopane_SetMapScale(std::nan("")); }), 0);
  EXPECT_EQ(State().scale, kGeopaneMaxScale / 2);
}

// ---- drawing styles ----

struct StyleCase {
  int classCode, stateCode;
  GeopaneShape shape;
  int filled;
  COLORREF colour;
};

TEST(MapPointStyleTest, ClassGivesTheShapeAndStateTheFill) {
  const StyleCase cases[] = {
      {8, 1, kGeopaneTriangle, 0, RGB(128, 128, 128)}, {10, 1, kGeopaneSquare, 0, RGB(128, 128, 128)},
      {3, 11, kGeopaneCircle, 1, RGB(0, 140, 0)},      {8, 11, kGeopaneTriangle, 1, RGB(200, 0, 0)},
      {81, 32, kGeopaneCross, 0, RGB(0, 0, 0)},        {10, 32, kGeopaneSquare, 0, RGB(0, 0, 200)},
      {99, 11, kGeopaneDot, 1, RGB(64, 64, 64)},       {3, 5, kGeopaneCircle, 0, RGB(0, 140, 0)},
  };
  for (const StyleCase& c : cases) {
    const GeopanePointStyle style = Geopane_PointStyle(c.classCode, c.stateCode);
    EXPECT_EQ(style.shape, c.shape) << c.classCode << "/" << c.stateCode;
    EXPECT_EQ(style.filled, c.filled) << c.classCode << "/" << c.stateCode;
    EXPECT_EQ(style.colour, c.colour) << c.classCode << "/" << c.stateCode;
  }
}

}  // namespace
}  // namespace geopane::testing
