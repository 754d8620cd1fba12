// Tests of the map dump: an empty map, and a map with a point, a card with
// its sight lines and photos, the last import and a background image, all
// fields in their stable text form.
#include <geopane.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "darvik_app.h"
#include "device_layout.h"
#include "map_dump.h"

namespace {

namespace fs = std::filesystem;

class DumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("darvik_dump_test_" + std::to_string(getpid()));
    fs::remove_all(root_);
    ASSERT_TRUE(darvik::OpenDevice({root_.string(), false, {}}));
    ASSERT_EQ(Geopane_Open(darvik::kMapDatabasePath), 0);
  }
  void TearDown() override {
    Geopane_Close();
    fs::remove_all(root_);
  }
  fs::path root_;
};

TEST_F(DumpTest, AnEmptyMap) {
  EXPECT_EQ(darvik::DumpMap(), "points 0\ncards 0\nimport none\nbackground none\n");
}

TEST_F(DumpTest, WithoutAMap) {
  Geopane_Close();
  EXPECT_EQ(darvik::DumpMap(), "no map\n");
}

TEST_F(DumpTest, EveryFieldOfPointsCardsListsImportAndBackground) {
  PntRecord point;
  point.number = 12;
  point.name = u"点\"A\\";
  point.x = -1234.5;
  point.y = 0.1;
  point.z = 3;
  point.hasZ = 1;
  point.spare1 = 4;
  point.classCode = 8;
  point.stateCode = 11;
  point.spare2 = 5;
  int id = 0;
  ASSERT_EQ(MapdbPnt_Put(&id, point), 0);
  NavRecord card{};
  card.surveyed = 1;
  card.kind = 2;
  card.origin = 1;
  std::memcpy(card.remarks, u"備考\n", sizeof(u"備考\n"));
  card.surveyDate = 20260507;
  for (int index = 0; index < 11; ++index) card.attr[index] = index == 10 ? -1 : index;
  ASSERT_EQ(MapdbNav_Put(id, card), 0);
  LookEntry looks[2] = {{u"北", 1, 2}, {u"", -1, -1}};
  ASSERT_EQ(MapdbNav_PutLook(id, 2, looks), 0);
  PhotoEntry photo{3, 20260507, 90102, u"遠景"};
  ASSERT_EQ(MapdbNav_PutPhoto(id, 1, &photo), 0);
  ASSERT_EQ(MapdbNav_PutInfo(u"\\Storage Card\\in", u"a.IMF", 7), 0);
  ASSERT_EQ(MapdbHai_Bmp(u"\\bg.bmp", 1, 2, 3.5, 4, 5, 6, 7, 8.25), 0);

  EXPECT_EQ(darvik::DumpMap(),
            "points 1\n"
            "point id=1 number=12 name=\"点\\\"A\\\\\" x=-1234.5 y=0.1 z=3 hasZ=1 spare1=4 class=8 state=11 spare2=5\n"
            "cards 1\n"
            "card id=1 surveyed=1 kind=2 origin=1 remarks=\"備考\\u000a\" surveyDate=20260507 "
            "attr=0,1,2,3,4,5,6,7,8,9,-1\n"
            "  look 0 direction=\"北\" sight=1 clearing=2\n"
            "  look 1 direction=\"\" sight=-1 clearing=-1\n"
            "  photo 0 kind=3 date=20260507 time=90102 comment=\"遠景\"\n"
            "import folder=\"\\\\Storage Card\\\\in\" name=\"a.IMF\" value=7\n"
            "background path=\"\\\\bg.bmp\" px1=1 py1=2 x1=3.5 y1=4 px2=5 py2=6 x2=7 y2=8.25\n");
}

}  // namespace
