// The host's map on the browser display, with the host running on the
// headless desktop: the points drawn by class and state at their pixels
// with their numbers and the selection, zoom and pan taken as input to the
// host's window in their turn, and the background image placed at its tie
// points and served from its file.
#include <gtest/gtest.h>
#include <plat/headless_desktop.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "darvik_app.h"
#include "gdi/dib_test_support.h"
#include "map_view_input.h"
#include "web_map.h"

namespace {

using plat::web::JsonValue;

namespace fs = std::filesystem;

class WebMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    ASSERT_TRUE(darvik::OpenDevice({root_.string(), false, {}}));
    desktop_.Start([] { darvik::RunHost(); });
    host_ = desktop_.FindWindowByCaption(u"Darvik");
    map_ = desktop_.Ui([] { return Geopane_MapWindow(); });
    ASSERT_NE(map_, nullptr);
  }

  int AddPoint(int number, double x, double y, int classCode, int stateCode) {
    PntRecord point{};
    point.number = number;
    point.name = u"P";
    point.x = x;
    point.y = y;
    point.classCode = classCode;
    point.stateCode = stateCode;
    int id = 0;
    desktop_.Ui([&] {
      MapdbPnt_Put(&id, point);
      MapWin_DrwAll(MapWin_DrwFlg(0));
    });
    return id;
  }
  JsonValue Map() {
    return desktop_.Ui([this] {
      JsonValue object = JsonValue::Object();
      adapter_.Describe(map_, object);
      return object;
    })["map"];
  }
  // The adapter's answer to the action; its input is posted as the display posts it.
  std::string Act(const plat::web::Fields& action) {
    std::vector<plat::web::Input> input;
    const std::string refusal = desktop_.Ui([&] { return adapter_.Act(map_, action, &input); });
    for (const auto& message : input) plat::PostInput(message.target, message.message, message.wParam, message.lParam);
    desktop_.Settle();
    posted_ = input;
    return refusal;
  }

  void TearDown() override {
    desktop_.Stop();
    fs::remove_all(root_);
  }

  const fs::path root_ = fs::temp_directory_path() / ("darvik_web_map_test_" + std::to_string(getpid()));
  plat::HeadlessDesktop desktop_;
  darvik::WebMapAdapter adapter_;
  HWND host_ = nullptr;
  HWND map_ = nullptr;
  std::vector<plat::web::Input> posted_;
};

TEST_F(WebMapTest, DrawsThePointsInsideTheWindowByClassAndStateWithTheSelection) {
  const int known = AddPoint(12, 10, 20, 8, 11);
  const int block = AddPoint(7, -30, 5, 3, 1);
  AddPoint(9, 100000, 0, 10, 1);  // far outside the window
  desktop_.Ui([&] { MapWin_SetSelId(1, &known); });

  const JsonValue map = Map();
  EXPECT_EQ(map["scale"].AsNumber(), 1.0);
  EXPECT_EQ(map["centre"][0].AsNumber(), 0.0);
  EXPECT_EQ(map["selectionColour"].AsString(), plat::web::CssColor(kGeopaneSelectionColour));
  ASSERT_EQ(map["points"].Size(), 2u);
  const JsonValue& first = map["points"][0];
  POINT pixel{};
  desktop_.Ui([&] { Geopane_PointPixel(known, &pixel); });
  EXPECT_EQ(first["id"].AsInt(), known);
  EXPECT_EQ(first["number"].AsInt(), 12);
  EXPECT_EQ(first["px"].AsInt(), pixel.x);
  EXPECT_EQ(first["py"].AsInt(), pixel.y);
  EXPECT_EQ(first["shape"].AsString(), "triangle");
  EXPECT_TRUE(first["filled"].AsBool());
  EXPECT_EQ(first["colour"].AsString(), plat::web::CssColor(Geopane_PointStyle(8, 11).colour));
  EXPECT_TRUE(first["selected"].AsBool());
  const JsonValue& second = map["points"][1];
  EXPECT_EQ(second["id"].AsInt(), block);
  EXPECT_EQ(second["shape"].AsString(), "circle");
  EXPECT_FALSE(second["filled"].AsBool());
  EXPECT_FALSE(second["selected"].AsBool());
  EXPECT_TRUE(map["background"].IsNull());
  EXPECT_TRUE(map["tap"].IsNull());
}

TEST_F(WebMapTest, ZoomsAndPansAsInputToTheHostsWindow) {
  EXPECT_EQ(Act({{"kind", "zoom-in"}}), "");
  ASSERT_EQ(posted_.size(), 1u);
  EXPECT_EQ(posted_[0].target, host_);
  EXPECT_EQ(posted_[0].message, darvik::kMapViewMessage);
  EXPECT_EQ(Map()["scale"].AsNumber(), 0.5);
  // the content dragged 20 px right and 10 px down: the centre goes west and north
  EXPECT_EQ(Act({{"kind", "pan"}, {"dx", "20"}, {"dy", "10"}}), "");
  EXPECT_EQ(Map()["centre"][0].AsNumber(), 5.0);
  EXPECT_EQ(Map()["centre"][1].AsNumber(), -10.0);
  EXPECT_EQ(Act({{"kind", "pan"}, {"dx", "-4"}, {"dy", "-6"}}), "");
  EXPECT_EQ(Map()["centre"][0].AsNumber(), 2.0);
  EXPECT_EQ(Map()["centre"][1].AsNumber(), -8.0);
  EXPECT_EQ(Act({{"kind", "zoom-out"}}), "");
  EXPECT_EQ(Map()["scale"].AsNumber(), 1.0);
}

TEST_F(WebMapTest, RefusesActionsItDoesNotKnow) {
  EXPECT_NE(Act({{"kind", "pan"}, {"dx", "3"}}), "");
  EXPECT_NE(Act({{"kind", "pan"}, {"dx", "3"}, {"dy", "40000"}}), "");
  EXPECT_NE(Act({{"kind", "rotate"}}), "");
  EXPECT_TRUE(posted_.empty());
}

TEST_F(WebMapTest, PlacesTheBackgroundAtItsTiePointsAndServesItsPixels) {
  // 4 x 2 pixels: its bottom-left corner on map (-10, -20), its top-right on (10, 20)
  const auto bmp = plat::gdi::testing::BmpFile(plat::gdi::testing::Dib(
      4, 2, 24, true, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080, 0x123456, 0xABCDEF}));
  std::ofstream(root_ / "Storage Card" / "bg.bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  desktop_.Ui([] {
    MapdbHai_Bmp(u"\\Storage Card\\bg.bmp", 0, 2, -10, -20, 4, 0, 10, 20);
    MapWin_DrwAll(MapWin_DrwFlg(0));
  });

  const JsonValue background = Map()["background"];
  ASSERT_FALSE(background.IsNull());
  // the map window is 236 x 272: map (x, y) lies at column 118 + y, row 136 - x
  EXPECT_EQ(background["left"].AsNumber(), 98.0);
  EXPECT_EQ(background["top"].AsNumber(), 126.0);
  EXPECT_EQ(background["scaleX"].AsNumber(), 10.0);
  EXPECT_EQ(background["scaleY"].AsNumber(), 10.0);
  EXPECT_FALSE(background["key"].AsString().empty());

  plat::web::Picture picture;
  ASSERT_TRUE(desktop_.Ui([&] { return adapter_.Image(map_, "background", &picture); }));
  EXPECT_EQ(picture.width, 4);
  EXPECT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels[0], 0xFFFF0000u);
  EXPECT_EQ(picture.pixels[7], 0xFFABCDEFu);
  EXPECT_FALSE(desktop_.Ui([&] { return adapter_.Image(map_, "other", &picture); }));
}

TEST(PlaceBackground, LeavesOutTiePointsThatCoincideAndMapsWithoutImage) {
  GeopaneMapState state{};
  state.scale = 2;
  state.client = SIZE{100, 80};
  state.hasBackground = 1;
  state.background = GeopaneBackground{{}, 0, 10, 0, 0, 20, 0, 40, 80};
  const darvik::BackgroundPlacement placed = darvik::PlaceBackground(state);
  ASSERT_TRUE(placed.placed);
  EXPECT_EQ(placed.scaleX, 2.0);   // 80 map units over 20 pixels at 2 units a pixel: 40 px
  EXPECT_EQ(placed.scaleY, 2.0);
  EXPECT_EQ(placed.left, 50.0);
  EXPECT_EQ(placed.top, 20.0);     // row of x 0 is 40; pixel row 10 lies there
  state.background.px2 = state.background.px1;
  EXPECT_FALSE(darvik::PlaceBackground(state).placed);
  state.hasBackground = 0;
  EXPECT_FALSE(darvik::PlaceBackground(state).placed);
}

}  // namespace
