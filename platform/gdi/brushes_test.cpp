// Tests of brushes, stock objects, system colours and the generic object
// functions (GetObject, GetObjectType, DeleteObject).
#include <gtest/gtest.h>
#include <plat/gdi.h>
#include <windows.h>

namespace plat::gdi {
namespace {

COLORREF ColorOf(HBRUSH brush) {
  COLORREF color = 0xDEADBEEF;
  EXPECT_TRUE(BrushColor(brush, &color));
  return color;
}

TEST(BrushTest, SolidBrushesKeepTheirColour) {
  const HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  ASSERT_NE(brush, nullptr);
  EXPECT_EQ(ColorOf(brush), RGB(10, 20, 30));
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  LOGBRUSH described{};
  EXPECT_EQ(GetObjectW(brush, sizeof described, &described), static_cast<int>(sizeof described));
  EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(described.lbColor, RGB(10, 20, 30));
  EXPECT_TRUE(DeleteObject(brush));
  COLORREF color = 0;
  EXPECT_FALSE(BrushColor(brush, &color));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(BrushTest, IndirectBrushesAreSolidOrHollow) {
  const LOGBRUSH solid{BS_SOLID, RGB(1, 2, 3), 0};
  const HBRUSH brush = CreateBrushIndirect(&solid);
  EXPECT_EQ(ColorOf(brush), RGB(1, 2, 3));
  DeleteObject(brush);
  const LOGBRUSH hollow{BS_HOLLOW, RGB(1, 2, 3), 0};
  const HBRUSH none = CreateBrushIndirect(&hollow);
  EXPECT_EQ(none, GetStockObject(HOLLOW_BRUSH));
  COLORREF color = 0;
  EXPECT_FALSE(BrushColor(none, &color));
  const LOGBRUSH hatched{2, RGB(1, 2, 3), 0};
  EXPECT_EQ(CreateBrushIndirect(&hatched), nullptr);
  EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
}

TEST(StockObjectTest, StockBrushesHaveTheirColoursAndSurviveDeletion) {
  const std::pair<int, COLORREF> brushes[] = {
      {WHITE_BRUSH, RGB(255, 255, 255)}, {LTGRAY_BRUSH, RGB(192, 192, 192)}, {GRAY_BRUSH, RGB(128, 128, 128)},
      {DKGRAY_BRUSH, RGB(64, 64, 64)},   {BLACK_BRUSH, RGB(0, 0, 0)},
  };
  for (const auto& [index, color] : brushes) {
    const auto brush = static_cast<HBRUSH>(GetStockObject(index));
    EXPECT_EQ(brush, GetStockObject(index)) << index;
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(ColorOf(brush), color) << index;
  }
}

TEST(StockObjectTest, EveryStockIndexHasItsKindOfObject) {
  const std::pair<int, DWORD> kinds[] = {
      {NULL_BRUSH, OBJ_BRUSH}, {WHITE_PEN, OBJ_PEN},      {BLACK_PEN, OBJ_PEN},
      {NULL_PEN, OBJ_PEN},     {SYSTEM_FONT, OBJ_FONT},   {DEFAULT_GUI_FONT, OBJ_FONT},
  };
  for (const auto& [index, kind] : kinds) EXPECT_EQ(GetObjectType(GetStockObject(index)), kind) << index;
  for (int unknown : {-1, 9, 12, 18, 1000}) EXPECT_EQ(GetStockObject(unknown), nullptr) << unknown;
}

TEST(StockObjectTest, TheSystemFontIsSystemAtNinePoints) {
  LOGFONTW font{};
  ASSERT_EQ(GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ(std::u16string(font.lfFaceName), u"System");
  EXPECT_EQ(font.lfHeight, -12);  // 9 points at 96 dots per inch
  EXPECT_EQ(GetObjectW(GetStockObject(SYSTEM_FONT), 0, nullptr), static_cast<int>(sizeof font));
}

TEST(ObjectTest, GetObjectNeverWritesPastTheCallersBuffer) {
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  unsigned char buffer[sizeof(LOGBRUSH) + 4];
  std::fill(std::begin(buffer), std::end(buffer), 0xCC);
  EXPECT_EQ(GetObjectW(brush, 4, buffer), 4);
  EXPECT_EQ(buffer[4], 0xCC);
  EXPECT_EQ(GetObjectW(brush, -1, buffer), 0);
  EXPECT_EQ(GetObjectW(nullptr, sizeof buffer, buffer), 0);
  DeleteObject(brush);
}

TEST(SystemColorTest, TheLightSchemeAndItsStockBrushes) {
  const std::pair<int, COLORREF> colors[] = {
      {COLOR_WINDOW, RGB(255, 255, 255)},   {COLOR_WINDOWTEXT, RGB(0, 0, 0)},   {COLOR_BTNFACE, RGB(192, 192, 192)},
      {COLOR_BTNTEXT, RGB(0, 0, 0)},        {COLOR_HIGHLIGHT, RGB(0, 0, 128)},  {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
      {COLOR_GRAYTEXT, RGB(128, 128, 128)}, {COLOR_STATIC, RGB(192, 192, 192)}, {COLOR_STATICTEXT, RGB(0, 0, 0)},
  };
  for (const auto& [index, color] : colors) {
    EXPECT_EQ(GetSysColor(index), color) << index;
    const HBRUSH brush = GetSysColorBrush(index);
    EXPECT_EQ(brush, GetSysColorBrush(index)) << index;
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(ColorOf(brush), color) << index;
    EXPECT_EQ(ColorOf(reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(index + 1))), color) << "COLOR_* + 1";
  }
  for (int unknown : {-1, 27, 100}) {
    EXPECT_EQ(GetSysColor(unknown), 0u);
    EXPECT_EQ(GetSysColorBrush(unknown), nullptr);
  }
}

}  // namespace
}  // namespace plat::gdi
