// Tests of icons from icon resources and icon files.
#include <gtest/gtest.h>
#include <plat/gdi.h>

#include <map>

#include "files/device_test_support.h"
#include "gdi/dib_test_support.h"

namespace plat::gdi::testing {
namespace {

constexpr uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;

std::vector<uint8_t> SmallImage() { return IconImageData(Dib(2, 2, 24, false, {}, {R, G, B, W}), {0, 1, 1, 0}); }
std::vector<uint8_t> LargeImage() {
  return IconImageData(Dib(4, 4, 4, false, {0, R, G, B}, std::vector<uint32_t>(16, 2)), std::vector<uint32_t>(16, 0));
}

struct DirectoryImage {
  int size;
  int bitsPerPixel;
  uint32_t bytes;
  uint32_t locator;  // the id of a group entry, the offset of a file entry
};

// An RT_GROUP_ICON directory (14-byte entries) or an icon file's (16-byte entries).
std::vector<uint8_t> Directory(const std::vector<DirectoryImage>& images, bool file) {
  ByteWriter out;
  out.U16(0), out.U16(1), out.U16(static_cast<uint32_t>(images.size()));
  for (const auto& image : images) {
    out.U8(image.size), out.U8(image.size), out.U8(0), out.U8(0), out.U16(1), out.U16(image.bitsPerPixel);
    out.U32(image.bytes);
    if (file) out.U32(image.locator);
    else out.U16(image.locator);
  }
  return out.bytes;
}

IconImage ImageOf(HICON icon, int index) {
  IconImage image;
  EXPECT_TRUE(GetIconImage(icon, index, &image));
  return image;
}

TEST(IconTest, AnImageResourceGivesItsColoursAndMask) {
  const auto data = SmallImage();
  const HICON icon = CreateIconFromImageResource(data.data(), data.size());
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(IconImageCount(icon), 1);
  const IconImage image = ImageOf(icon, 0);
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.bitsPerPixel, 24);
  EXPECT_EQ(std::vector<uint32_t>(image.pixels, image.pixels + 4), (std::vector<uint32_t>{R, G, B, W}));
  EXPECT_EQ(std::vector<uint8_t>(image.transparent, image.transparent + 4), (std::vector<uint8_t>{0, 1, 1, 0}));
  EXPECT_TRUE(DeleteObject(icon));
  EXPECT_EQ(IconImageCount(icon), 0);
  IconImage gone;
  EXPECT_FALSE(GetIconImage(icon, 0, &gone));
}

TEST(IconTest, AGroupCollectsTheImagesItCanFind) {
  const std::map<WORD, std::vector<uint8_t>> resources = {{7, SmallImage()}, {9, LargeImage()}};
  const auto group = Directory({{2, 24, 0, 7}, {4, 4, 0, 9}, {16, 8, 0, 11}}, false);  // id 11 is missing
  const HICON icon = CreateIconFromGroupResource(group.data(), group.size(),
                                                 [&](WORD id, const void** data, size_t* size) {
                                                   const auto it = resources.find(id);
                                                   if (it == resources.end()) return false;
                                                   *data = it->second.data();
                                                   *size = it->second.size();
                                                   return true;
                                                 });
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(IconImageCount(icon), 2);
  EXPECT_EQ(ImageOf(icon, 1).width, 4);
  EXPECT_EQ(ImageOf(icon, 1).pixels[15], G);
  const std::pair<SIZE, int> choices[] = {{{4, 4}, 1}, {{2, 2}, 0}, {{32, 32}, 1}, {{0, 0}, 0}, {{3, 1}, 0}};
  for (const auto& [size, index] : choices) EXPECT_EQ(ChooseIconImage(icon, size.cx, size.cy), index) << size.cx;
  IconImage beyond;
  EXPECT_FALSE(GetIconImage(icon, 2, &beyond));
  EXPECT_EQ(GetObjectType(icon), 0u);
  DeleteObject(icon);
}

TEST(IconTest, BadIconDataGivesNoIcon) {
  const auto image = SmallImage();
  for (size_t size = 0; size < image.size(); ++size) {
    const std::vector<uint8_t> cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(CreateIconFromImageResource(cut.data(), cut.size()), nullptr) << size;
  }
  auto cursorGroup = Directory({{2, 24, 0, 7}}, false);
  cursorGroup[2] = 2;  // a cursor directory
  const auto always = [&](WORD, const void** data, size_t* size) {
    *data = image.data();
    *size = image.size();
    return true;
  };
  EXPECT_EQ(CreateIconFromGroupResource(cursorGroup.data(), cursorGroup.size(), always), nullptr);
  const auto group = Directory({{2, 24, 0, 7}}, false);
  EXPECT_EQ(CreateIconFromGroupResource(group.data(), group.size() - 1, always), nullptr);
  EXPECT_EQ(CreateIconFromGroupResource(group.data(), group.size(), nullptr), nullptr);
  EXPECT_EQ(ChooseIconImage(nullptr, 16, 16), -1);
}

using IconFileTest = files::testing::DeviceTest;

TEST_F(IconFileTest, LoadImageReadsIconFilesFromTheDevice) {
  const auto small = SmallImage(), large = LargeImage();
  const uint32_t first = 6 + 3 * 16;
  const uint32_t second = first + static_cast<uint32_t>(small.size());
  auto file = Directory({{2, 24, static_cast<uint32_t>(small.size()), first},
                         {4, 4, static_cast<uint32_t>(large.size()), second},
                         {8, 4, 100, second + 4}},  // runs past the end: left out
                        true);
  file.insert(file.end(), small.begin(), small.end());
  file.insert(file.end(), large.begin(), large.end());
  MakeHostFile("app.ico", AsString(file));

  const auto icon = static_cast<HICON>(LoadImageW(nullptr, u"\\App.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(IconImageCount(icon), 2);
  EXPECT_EQ(ImageOf(icon, 0).pixels[0], R);
  EXPECT_EQ(ImageOf(icon, 1).height, 4);
  DeleteObject(icon);

  MakeHostFile("bad.ico", "not an icon");
  EXPECT_EQ(LoadImageW(nullptr, u"\\bad.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(LoadImageW(nullptr, u"\\none.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace plat::gdi::testing
