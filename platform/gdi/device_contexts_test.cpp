// Tests of device contexts: their starting state, colours and modes, the
// objects selected into them, filling rectangles, capabilities and text
// extents.
#include <gtest/gtest.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include "gdi/dib_test_support.h"

namespace plat::gdi {
namespace {

class WindowDcTest : public ::testing::Test {
 protected:
  void SetUp() override { dc_ = CreateWindowDC(window_); }
  void TearDown() override { ReleaseWindowDC(dc_); }
  DcState State() const {
    DcState state;
    EXPECT_TRUE(GetDcState(dc_, &state));
    return state;
  }

  HWND window_ = reinterpret_cast<HWND>(uintptr_t{0x1234});
  HDC dc_ = nullptr;
};

TEST_F(WindowDcTest, StartsOpaqueWhiteOnBlackWithTheStockObjects) {
  const DcState state = State();
  EXPECT_EQ(state.bkMode, OPAQUE);
  EXPECT_EQ(state.bkColor, RGB(255, 255, 255));
  EXPECT_EQ(state.textColor, RGB(0, 0, 0));
  EXPECT_EQ(state.window, window_);
  EXPECT_EQ(state.font, GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(state.brush, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(state.bitmap, nullptr);
  EXPECT_EQ(GetObjectType(dc_), static_cast<DWORD>(OBJ_DC));
}

TEST_F(WindowDcTest, SettersReturnThePreviousValue) {
  EXPECT_EQ(SetBkMode(dc_, TRANSPARENT), OPAQUE);
  EXPECT_EQ(GetBkMode(dc_), TRANSPARENT);
  EXPECT_EQ(SetBkMode(dc_, 7), 0);
  EXPECT_EQ(GetBkMode(dc_), TRANSPARENT);
  EXPECT_EQ(SetBkColor(dc_, RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(GetBkColor(dc_), RGB(1, 2, 3));
  EXPECT_EQ(SetTextColor(dc_, RGB(4, 5, 6)), RGB(0, 0, 0));
  EXPECT_EQ(GetTextColor(dc_), RGB(4, 5, 6));
  const DcState state = State();
  EXPECT_EQ(state.bkMode, TRANSPARENT);
  EXPECT_EQ(state.bkColor, RGB(1, 2, 3));
  EXPECT_EQ(state.textColor, RGB(4, 5, 6));
}

TEST_F(WindowDcTest, SelectObjectSwapsEachKindAndReturnsThePrevious) {
  const HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
  LOGFONTW big{};
  big.lfHeight = -20;
  const HFONT font = CreateFontIndirectW(&big);
  EXPECT_EQ(SelectObject(dc_, brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc_, font), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(SelectObject(dc_, GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
  EXPECT_EQ(State().brush, brush);
  EXPECT_EQ(State().font, font);
  EXPECT_EQ(SelectObject(dc_, GetStockObject(WHITE_BRUSH)), brush);
  DeleteObject(brush);
  DeleteObject(font);
}

TEST_F(WindowDcTest, SelectObjectRefusesBitmapsUnknownHandlesAndOtherDcs) {
  const auto dib = testing::PackedDib(testing::Dib(1, 1, 24, false, {}, {0}));
  const HBITMAP bitmap = CreateBitmapFromPackedDib(dib.data(), dib.size());
  const HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(dc_, bitmap), nullptr);  // a window device context holds no bitmap
  EXPECT_EQ(SelectObject(dc_, other), nullptr);
  EXPECT_EQ(SelectObject(dc_, reinterpret_cast<HGDIOBJ>(uintptr_t{0x777})), nullptr);
  EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_BRUSH)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(State().brush, GetStockObject(WHITE_BRUSH));
  DeleteObject(bitmap);
  DeleteDC(other);
}

TEST(DcTest, UnknownDeviceContextsAreRefusedEverywhere) {
  const HDC released = CreateWindowDC(nullptr);
  ReleaseWindowDC(released);
  for (const HDC dc : {HDC(nullptr), released}) {
    DcState state;
    EXPECT_FALSE(GetDcState(dc, &state));
    EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFFFu);
    EXPECT_EQ(SetTextColor(dc, 0), 0xFFFFFFFFu);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 0);
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32W(dc, u"a", 1, &size));
    const RECT rect{0, 0, 1, 1};
    EXPECT_EQ(FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  }
  const HDC memory = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(DeleteObject(memory));  // device contexts go with DeleteDC
  EXPECT_TRUE(DeleteDC(memory));
}

class MemoryDcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_ = CreateCompatibleDC(nullptr);
    const auto dib = testing::PackedDib(testing::Dib(4, 3, 24, false, {}, std::vector<uint32_t>(12, 0x000000)));
    bitmap_ = CreateBitmapFromPackedDib(dib.data(), dib.size());
    ASSERT_NE(SelectObject(dc_, bitmap_), nullptr);
  }
  void TearDown() override {
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  std::vector<uint32_t> Pixels() const {
    int width = 0, height = 0;
    const uint32_t* pixels = BitmapPixels(bitmap_, &width, &height);
    return {pixels, pixels + width * height};
  }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
};

TEST_F(MemoryDcTest, StartsWithAOneByOneMonochromeBitmap) {
  const HDC fresh = CreateCompatibleDC(dc_);
  DcState state;
  ASSERT_TRUE(GetDcState(fresh, &state));
  BITMAP info{};
  GetObjectW(state.bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(info.bmHeight, 1);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_EQ(state.window, nullptr);
  EXPECT_EQ(SelectObject(fresh, bitmap_), state.bitmap);
  DeleteDC(fresh);
  EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(uintptr_t{0x777})), nullptr);
}

TEST_F(MemoryDcTest, FillRectPaintsTheSelectedBitmapClipped) {
  const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT rect{2, 1, 10, 10};
  EXPECT_EQ(FillRect(dc_, &rect, red), 1);
  const uint32_t R = 0xFF0000;
  EXPECT_EQ(Pixels(), (std::vector<uint32_t>{0, 0, 0, 0, 0, 0, R, R, 0, 0, R, R}));
  const RECT all{-5, -5, 1, 1};
  EXPECT_EQ(FillRect(dc_, &all, reinterpret_cast<HBRUSH>(uintptr_t{COLOR_HIGHLIGHT + 1})), 1);
  EXPECT_EQ(Pixels()[0], 0x000080u);
  const RECT whole{0, 0, 4, 3};
  EXPECT_EQ(FillRect(dc_, &whole, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))), 1);
  EXPECT_EQ(Pixels()[0], 0x000080u);  // hollow paints nothing
  const RECT inverted{3, 2, 1, 0};
  EXPECT_EQ(FillRect(dc_, &inverted, red), 1);
  EXPECT_EQ(Pixels()[1], 0u);
  EXPECT_EQ(FillRect(dc_, nullptr, red), 0);
  EXPECT_EQ(FillRect(dc_, &whole, reinterpret_cast<HBRUSH>(uintptr_t{0x777})), 0);
  DeleteObject(red);
}

TEST(DeviceCapsTest, DotsPerInchDepthAndTheScreen) {
  const HDC dc = CreateWindowDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 16);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 240);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 320);
  plat::SetScreenSize(480, 640);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 480);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 640);
  plat::SetScreenSize(240, 320);
  EXPECT_EQ(GetDeviceCaps(dc, 9999), 0);
  ReleaseWindowDC(dc);
}

struct ExtentCase {
  const char* name;
  LONG fontHeight;  // lfHeight; 0: the DC's system font
  std::u16string text;
  SIZE extent;
};

TEST(TextExtentTest, HalfWidthCharactersAreHalfAsWideAsHigh) {
  const ExtentCase cases[] = {
      {"ASCII in the system font", 0, u"Hello", {30, 12}},
      {"empty", 0, u"", {0, 12}},
      {"space and tilde are half-width", 0, u" ~", {12, 12}},
      {"half-width katakana", 0, u"\uFF76\uFF85", {12, 12}},  // ｶﾅ
      {"full-width text", 0, u"\u6E2C\u91CF\uFF21", {36, 12}},  // 測量Ａ
      {"mixed", 0, u"A\u3042\uFF61", {24, 12}},               // Aあ｡
      {"a surrogate pair is one character", 0, u"\U00020B9F", {12, 12}},
      {"control characters are full width", 0, u"\t", {12, 12}},
      {"a 20-pixel font", -20, u"ab\u6F22", {40, 20}},
      {"a positive height", 16, u"x", {8, 16}},
      {"an odd height rounds half-widths down", -13, u"xy", {12, 13}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HDC dc = CreateWindowDC(nullptr);
    HFONT font = nullptr;
    if (c.fontHeight) {
      LOGFONTW logFont{};
      logFont.lfHeight = c.fontHeight;
      font = CreateFontIndirectW(&logFont);
      SelectObject(dc, font);
    }
    SIZE size{-1, -1};
    ASSERT_TRUE(GetTextExtentPoint32W(dc, c.text.data(), static_cast<int>(c.text.size()), &size));
    EXPECT_EQ(size.cx, c.extent.cx);
    EXPECT_EQ(size.cy, c.extent.cy);
    const SIZE direct = TextExtent(font, c.text.c_str(), -1);
    EXPECT_EQ(direct.cx, c.extent.cx);
    EXPECT_EQ(direct.cy, c.extent.cy);
    ReleaseWindowDC(dc);
    if (font) DeleteObject(font);
  }
}

TEST(TextExtentTest, OnlyThePartAskedForIsMeasured) {
  const HDC dc = CreateWindowDC(nullptr);
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32W(dc, u"abcdef", 2, &size));
  EXPECT_EQ(size.cx, 12);
  EXPECT_FALSE(GetTextExtentPoint32W(dc, u"abc", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(dc, nullptr, 3, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(dc, u"abc", 3, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(TextExtent(nullptr, u"\uFF76\uFF76\uFF76", 2).cx, 12);
  ReleaseWindowDC(dc);
}

}  // namespace
}  // namespace plat::gdi
