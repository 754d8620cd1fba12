// The one-row records of a map: the last import's folder and name, and the
// background image, kept across close and reopen and guarded in length.
#include <string>

#include "map_test_support.h"

namespace geopane::testing {
namespace {

using SettingsTest = MapTest;

struct InfoBuffers {
  WCHAR folder[MAX_PATH];
  WCHAR name[MAX_PATH];
  int value;
};

InfoBuffers UntouchedInfo() {
  InfoBuffers buffers;
  std::fill(std::begin(buffers.folder), std::end(buffers.folder), u'#');
  std::fill(std::begin(buffers.name), std::end(buffers.name), u'#');
  buffers.value = 42;
  return buffers;
}

int GetInfo(InfoBuffers* buffers) { return MapdbNav_GetInfo(buffers->folder, buffers->name, &buffers->value); }

TEST_F(SettingsTest, NoImportYetFillsNothing) {
  InfoBuffers buffers = UntouchedInfo();
  EXPECT_NE(GetInfo(&buffers), 0);
  EXPECT_TRUE(SameBytes(buffers, UntouchedInfo()));
}

TEST_F(SettingsTest, LastImportIsKeptAcrossReopen) {
  ASSERT_EQ(MapdbNav_PutInfo(u"\\Storage Card\\old", u"old.IMF", -1), 0);
  ASSERT_EQ(MapdbNav_PutInfo(u"\\Storage Card\\踏査", u"site.IMF", -1), 0);
  Reopen();
  InfoBuffers buffers = UntouchedInfo();
  ASSERT_EQ(GetInfo(&buffers), 0);
  EXPECT_EQ(std::u16string(buffers.folder), u"\\Storage Card\\踏査");
  EXPECT_EQ(std::u16string(buffers.name), u"site.IMF");
  EXPECT_EQ(buffers.value, -1);
}

TEST_F(SettingsTest, InfoTextMustFitAPathBuffer) {
  const std::u16string longest(MAX_PATH - 1, u'f');
  ASSERT_EQ(MapdbNav_PutInfo(longest.c_str(), u"", 3), 0);
  const std::u16string tooLong(MAX_PATH, u'g');
  EXPECT_NE(MapdbNav_PutInfo(tooLong.c_str(), u"n", 4), 0);
  EXPECT_NE(MapdbNav_PutInfo(u"f", tooLong.c_str(), 4), 0);

  InfoBuffers buffers = UntouchedInfo();
  ASSERT_EQ(GetInfo(&buffers), 0);
  EXPECT_EQ(std::u16string(buffers.folder), longest);
  EXPECT_EQ(std::u16string(buffers.name), u"");
  EXPECT_EQ(buffers.value, 3);
}

GeopaneBackground UntouchedBackground() {
  GeopaneBackground background;
  std::memset(&background, 0x3C, sizeof background);
  return background;
}

TEST_F(SettingsTest, BackgroundIsPlacedReplacedAndKeptAcrossReopen) {
  GeopaneBackground background = UntouchedBackground();
  EXPECT_NE(Geopane_GetBackground(&background), 0);
  EXPECT_TRUE(SameBytes(background, UntouchedBackground()));

  ASSERT_EQ(MapdbHai_Ini(1, 2), 0);
  ASSERT_EQ(MapdbHai_Bmp(u"\\Storage Card\\old.bmp", 0, 10, 1, 2, 10, 0, 3, 4), 0);
  ASSERT_EQ(MapdbHai_Bmp(u"\\Storage Card\\背景.bmp", 0, 480, -100.5, 200.25, 640, 0, 300.75, 500.125), 0);
  Reopen();
  ASSERT_EQ(Geopane_GetBackground(&background), 0);
  EXPECT_EQ(std::u16string(background.path), u"\\Storage Card\\背景.bmp");
  EXPECT_EQ(background.px1, 0);
  EXPECT_EQ(background.py1, 480);
  EXPECT_EQ(background.x1, -100.5);
  EXPECT_EQ(background.y1, 200.25);
  EXPECT_EQ(background.px2, 640);
  EXPECT_EQ(background.py2, 0);
  EXPECT_EQ(background.x2, 300.75);
  EXPECT_EQ(background.y2, 500.125);
}

TEST_F(SettingsTest, IniRemovesTheBackground) {
  ASSERT_EQ(MapdbHai_Bmp(u"\\a.bmp", 0, 10, 1, 2, 10, 0, 3, 4), 0);
  ASSERT_EQ(MapdbHai_Ini(1, 2), 0);
  Reopen();
  GeopaneBackground background = UntouchedBackground();
  EXPECT_NE(Geopane_GetBackground(&background), 0);
  EXPECT_TRUE(SameBytes(background, UntouchedBackground()));
}

TEST_F(SettingsTest, BadBackgroundChangesNothing) {
  ASSERT_EQ(MapdbHai_Bmp(u"\\a.bmp", 0, 10, 1, 2, 10, 0, 3, 4), 0);
  const std::u16string tooLong(MAX_PATH, u'p');
  EXPECT_NE(MapdbHai_Bmp(tooLong.c_str(), 0, 1, 0, 0, 1, 0, 1, 1), 0);
  EXPECT_NE(MapdbHai_Bmp(nullptr, 0, 1, 0, 0, 1, 0, 1, 1), 0);
  EXPECT_NE(Geopane_GetBackground(nullptr), 0);
  GeopaneBackground background{};
  ASSERT_EQ(Geopane_GetBackground(&background), 0);
  EXPECT_EQ(std::u16string(background.path), u"\\a.bmp");
}

}  // namespace
}  // namespace geopane::testing
