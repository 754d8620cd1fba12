// Tests of bitmaps: decoding BMP files and packed DIBs of every supported
// depth and orientation, refusing bad data, and reading bitmaps back.
#include <gtest/gtest.h>
#include <plat/gdi.h>

#include <functional>

#include "files/device_test_support.h"
#include "gdi/dib_test_support.h"

namespace plat::gdi::testing {
namespace {

using files::testing::DeviceTest;

std::vector<uint32_t> Indexed(const std::vector<uint32_t>& palette, const std::vector<uint32_t>& values) {
  std::vector<uint32_t> colours;
  for (uint32_t v : values) colours.push_back(v < palette.size() ? palette[v] : 0);
  return colours;
}

std::vector<uint32_t> Ramp(size_t count, const std::function<uint32_t(uint32_t)>& colour) {
  std::vector<uint32_t> palette;
  for (uint32_t i = 0; i < count; ++i) palette.push_back(colour(i));
  return palette;
}

struct FormatCase {
  std::string name;
  DibLayout layout;
  std::vector<uint32_t> expected;  // top row first
};

FormatCase IndexedCase(std::string name, int bpp, bool topDown, std::vector<uint32_t> palette,
                       std::vector<uint32_t> values) {
  DibLayout layout = Dib(3, 2, bpp, topDown, palette, values);
  return {std::move(name), layout, Indexed(palette, values)};
}

std::vector<FormatCase> FormatCases() {
  const std::vector<uint32_t> twoColours = {0x102030, 0xA0B0C0};
  const auto sixteen = Ramp(16, [](uint32_t i) { return i * 0x111111; });
  const auto full = Ramp(256, [](uint32_t i) { return i << 16 | (255 - i) << 8 | i / 2; });
  const std::vector<uint32_t> rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
  std::vector<FormatCase> cases;
  for (bool topDown : {false, true}) {
    const std::string order = topDown ? " top-down" : " bottom-up";
    cases.push_back(IndexedCase("1 bit" + order, 1, topDown, twoColours, {1, 0, 1, 0, 1, 1}));
    cases.push_back(IndexedCase("4 bits" + order, 4, topDown, sixteen, {1, 2, 3, 14, 15, 0}));
    cases.push_back(IndexedCase("8 bits" + order, 8, topDown, full, {0, 7, 200, 255, 128, 1}));
    cases.push_back({"24 bits" + order, Dib(3, 2, 24, topDown, {}, rgb), rgb});
  }
  cases.push_back(IndexedCase("8 bits, short colour table", 8, false, {0x111111, 0x222222, 0x333333},
                              {0, 1, 2, 2, 1, 0}));
  cases.push_back(IndexedCase("8 bits, index past the table reads black", 8, false, {0x111111, 0x222222},
                              {0, 1, 9, 255, 1, 0}));
  FormatCase zeroUsed = IndexedCase("4 bits, biClrUsed 0", 4, false, sixteen, {15, 14, 13, 0, 1, 2});
  zeroUsed.layout.colorsUsedZero = true;
  cases.push_back(zeroUsed);
  FormatCase core4 = IndexedCase("4 bits, core header", 4, false, sixteen, {5, 6, 7, 8, 9, 10});
  core4.layout.coreHeader = true;
  cases.push_back(core4);
  FormatCase core24{"24 bits, core header", Dib(3, 2, 24, false, {}, rgb), rgb};
  core24.layout.coreHeader = true;
  cases.push_back(core24);
  cases.push_back({"16 bits 5-5-5", Dib(3, 2, 16, false, {}, {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0, 0x4210}),
                   {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0, 0x838383}});
  cases.push_back({"16 bits 5-6-5 bit fields",
                   Dib(3, 2, 16, true, {}, {0xF800, 0x07E0, 0x001F, 0xFFFF, 0, 0x8410}, {0xF800, 0x07E0, 0x001F}),
                   {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0, 0x838183}});
  cases.push_back({"32 bits, the top byte ignored",
                   Dib(3, 2, 32, false, {}, {0xFF112233, 0x00445566, 0x80FFFFFF, 0, 0x01000000, 0x00ABCDEF}),
                   {0x112233, 0x445566, 0xFFFFFF, 0, 0, 0xABCDEF}});
  cases.push_back({"32 bits, bit fields in another order",
                   Dib(3, 2, 32, false, {}, {0x00332211, 0x000000FF, 0x0000FF00, 0x00FF0000, 0, 0x00FFFFFF},
                           {0x000000FF, 0x0000FF00, 0x00FF0000}),
                   {0x112233, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0xFFFFFF}});
  return cases;
}

void ExpectBitmap(HBITMAP bitmap, const FormatCase& c) {
  ASSERT_NE(bitmap, nullptr);
  int width = 0, height = 0;
  const uint32_t* pixels = BitmapPixels(bitmap, &width, &height);
  ASSERT_NE(pixels, nullptr);
  ASSERT_EQ(width, 3);
  ASSERT_EQ(height, 2);
  EXPECT_EQ(std::vector<uint32_t>(pixels, pixels + 6), c.expected);
  BITMAP info{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(info.bmBitsPixel, c.layout.bitsPerPixel);
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(DeleteObject(bitmap));
}

using BitmapFileTest = DeviceTest;

TEST_F(BitmapFileTest, EachDepthAndOrientationDecodesToTheSamePixels) {
  for (const auto& c : FormatCases()) {
    SCOPED_TRACE(c.name);
    MakeHostFile("image.bmp", AsString(BmpFile(c.layout)));
    ExpectBitmap(SHLoadDIBitmap(u"\\IMAGE.BMP"), c);
    ExpectBitmap(static_cast<HBITMAP>(LoadImageW(nullptr, u"\\image.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)), c);
    const auto dib = PackedDib(c.layout);
    ExpectBitmap(CreateBitmapFromPackedDib(dib.data(), dib.size()), c);
  }
}

TEST_F(BitmapFileTest, TheBitsAreReadWhereTheFileHeaderSays) {
  const FormatCase c = FormatCases()[3];  // 24 bits bottom-up
  MakeHostFile("gap.bmp", AsString(BmpFile(c.layout, 10)));
  ExpectBitmap(SHLoadDIBitmap(u"\\gap.bmp"), c);
}

// Every shorter prefix of a valid image, each in a buffer of exactly its size.
TEST_F(BitmapFileTest, TruncatedDataFailsCleanly) {
  const DibLayout layout = Dib(3, 2, 8, false, {0x111111, 0x222222}, {0, 1, 0, 1, 0, 1});
  const auto file = BmpFile(layout);
  const auto dib = PackedDib(layout);
  for (size_t size = 0; size < file.size(); ++size) {
    MakeHostFile("cut.bmp", AsString({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)}));
    EXPECT_EQ(SHLoadDIBitmap(u"\\cut.bmp"), nullptr) << size;
  }
  for (size_t size = 0; size < dib.size(); ++size) {
    const std::vector<uint8_t> cut(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(CreateBitmapFromPackedDib(cut.empty() ? nullptr : cut.data(), cut.size()), nullptr) << size;
  }
}

TEST_F(BitmapFileTest, DataThatIsNoSupportedBitmapIsRefused) {
  const DibLayout valid = Dib(3, 2, 24, false, {}, std::vector<uint32_t>(6, 0x123456));
  auto patched = [&](size_t at, std::vector<uint8_t> bytes) {  // offsets in the file
    auto file = BmpFile(valid);
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    return AsString(file);
  };
  DibLayout rle = Dib(3, 2, 8, false, {0, 0xFFFFFF}, std::vector<uint32_t>(6, 1));
  rle.compression = 1;  // BI_RLE8
  DibLayout fields24 = valid;
  fields24.masks = {0xFF0000, 0xFF00, 0xFF};
  const std::pair<const char*, std::string> cases[] = {
      {"text", "hello, this is no bitmap at all"},
      {"run-length encoded", AsString(BmpFile(rle))},
      {"bit fields at 24 bits", AsString(BmpFile(fields24))},
      {"bits beyond the end", patched(10, {0xFF, 0x00, 0x00, 0x00})},
      {"width 0", patched(18, {0, 0, 0, 0})},
      {"negative width", patched(18, {0xFD, 0xFF, 0xFF, 0xFF})},
      {"height 0", patched(22, {0, 0, 0, 0})},
      {"two planes", patched(26, {2, 0})},
      {"7 bits a pixel", patched(28, {7, 0})},
      {"a huge colour table", patched(46, {0, 0, 0, 0x10})},
      {"too many pixels", patched(18, {0x00, 0x80, 0, 0, 0x00, 0x80, 0, 0})},
      {"header size 20", patched(14, {20, 0, 0, 0})},
  };
  for (const auto& [name, contents] : cases) {
    MakeHostFile("bad.bmp", contents);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SHLoadDIBitmap(u"\\bad.bmp"), nullptr) << name;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << name;
  }
}

TEST_F(BitmapFileTest, MissingFilesKeepTheFileError) {
  const std::pair<const char16_t*, DWORD> cases[] = {
      {u"\\missing.bmp", ERROR_FILE_NOT_FOUND},
      {u"\\Missing\\a.bmp", ERROR_PATH_NOT_FOUND},
      {u"\\..\\a.bmp", ERROR_INVALID_NAME},
      {nullptr, ERROR_INVALID_PARAMETER},
  };
  for (const auto& [path, error] : cases) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SHLoadDIBitmap(path), nullptr);
    EXPECT_EQ(GetLastError(), error);
  }
  EXPECT_EQ(LoadImageW(nullptr, u"\\missing.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

class ReadBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto dib = PackedDib(Dib(3, 2, 24, false, {}, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112}));
    bitmap_ = CreateBitmapFromPackedDib(dib.data(), dib.size());
    ASSERT_NE(bitmap_, nullptr);
  }
  void TearDown() override { DeleteObject(bitmap_); }

  static BITMAPINFO Header(int bitsPerPixel, LONG height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    return info;
  }

  HBITMAP bitmap_ = nullptr;
};

TEST_F(ReadBackTest, GetDIBitsDescribesTheBitmapWithoutABuffer) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, 2, nullptr, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(info.bmiHeader.biWidth, 3);
  EXPECT_EQ(info.bmiHeader.biHeight, 2);
  EXPECT_EQ(info.bmiHeader.biBitCount, 24);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
}

TEST_F(ReadBackTest, GetDIBitsWritesPaddedRowsInEitherOrder) {
  BITMAPINFO bottomUp = Header(24, 2);
  std::vector<uint8_t> rows(24, 0xAA);
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, 2, rows.data(), &bottomUp, DIB_RGB_COLORS), 2);
  const std::vector<uint8_t> expected = {0x0C, 0x0B, 0x0A, 0x0F, 0x0E, 0x0D, 0x12, 0x11, 0x10, 0, 0, 0,
                                         0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0, 0, 0};
  EXPECT_EQ(rows, expected);

  BITMAPINFO topDown = Header(32, -2);
  std::vector<uint8_t> line(12, 0xAA);
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 1, 5, line.data(), &topDown, DIB_RGB_COLORS), 1);  // only line 1 is left
  EXPECT_EQ(line, (std::vector<uint8_t>{0x0C, 0x0B, 0x0A, 0, 0x0F, 0x0E, 0x0D, 0, 0x12, 0x11, 0x10, 0}));
}

TEST_F(ReadBackTest, GetDIBitsRefusesWhatItCannotDeliver) {
  uint8_t buffer[64];
  BITMAPINFO eight = Header(8, 2);
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, 2, buffer, &eight, DIB_RGB_COLORS), 0);
  BITMAPINFO wider = Header(24, 2);
  wider.bmiHeader.biWidth = 4;
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, 2, buffer, &wider, DIB_RGB_COLORS), 0);
  BITMAPINFO fine = Header(24, 2);
  EXPECT_EQ(GetDIBits(nullptr, nullptr, 0, 2, buffer, &fine, DIB_RGB_COLORS), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(GetDIBits(nullptr, bitmap_, 0, 2, buffer, nullptr, DIB_RGB_COLORS), 0);
}

TEST_F(ReadBackTest, ADeletedBitmapIsGone) {
  ASSERT_TRUE(DeleteObject(bitmap_));
  int width = 0, height = 0;
  EXPECT_EQ(BitmapPixels(bitmap_, &width, &height), nullptr);
  EXPECT_FALSE(DeleteObject(bitmap_));
  EXPECT_EQ(GetObjectType(bitmap_), 0u);
  bitmap_ = nullptr;
}

}  // namespace
}  // namespace plat::gdi::testing
