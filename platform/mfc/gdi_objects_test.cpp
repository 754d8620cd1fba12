// Tests of the graphics-object wrappers: who owns a handle (Attach, Detach,
// DeleteObject, the destructor, Create on a full wrapper), FromHandle's
// permanent and temporary wrappers and their classes, and the brush, font
// and bitmap functions against what the platform reports.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <thread>

#include "bar_resources.h"

namespace {

bool Alive(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

COLORREF BrushColor(CBrush& brush) {
  LOGBRUSH description{};
  EXPECT_EQ(brush.GetLogBrush(&description), int(sizeof description));
  return description.lbColor;
}

// ---- ownership ----

TEST(GdiObjectOwnership, TheDestructorDeletesWhatTheWrapperOwns) {
  HGDIOBJ created = nullptr;
  HGDIOBJ attached = ::CreateSolidBrush(RGB(4, 5, 6));
  {
    CBrush brush(RGB(1, 2, 3));
    created = brush.m_hObject;
    CGdiObject holder;
    ASSERT_TRUE(holder.Attach(attached));
    ASSERT_TRUE(Alive(created));
  }
  EXPECT_FALSE(Alive(created));
  EXPECT_FALSE(Alive(attached));
}

TEST(GdiObjectOwnership, DetachHandsTheHandleBack) {
  HGDIOBJ handle = nullptr;
  {
    CBrush brush(RGB(1, 2, 3));
    handle = brush.Detach();
    EXPECT_EQ(brush.m_hObject, nullptr);
    EXPECT_NE(CGdiObject::FromHandle(handle), &brush);
  }
  EXPECT_TRUE(Alive(handle));
  EXPECT_TRUE(::DeleteObject(handle));
  CGdiObject::DeleteTempMap();
}

TEST(GdiObjectOwnership, AttachRefusesANullHandleAndASecondHandle) {
  CBrush brush(RGB(1, 2, 3));
  HGDIOBJ first = brush.m_hObject;
  HGDIOBJ second = ::CreateSolidBrush(RGB(7, 8, 9));
  EXPECT_FALSE(brush.Attach(second));
  EXPECT_FALSE(brush.Attach(nullptr));
  EXPECT_EQ(brush.m_hObject, first);
  EXPECT_EQ(BrushColor(brush), RGB(1, 2, 3));
  EXPECT_TRUE(::DeleteObject(second));
}

TEST(GdiObjectOwnership, CreateOnAFullWrapperFailsAndKeepsTheHandle) {
  CBrush brush(RGB(1, 2, 3));
  HGDIOBJ first = brush.m_hObject;
  EXPECT_FALSE(brush.CreateSolidBrush(RGB(9, 9, 9)));
  EXPECT_FALSE(brush.CreateStockObject(BLACK_BRUSH));
  EXPECT_EQ(brush.m_hObject, first);
  EXPECT_EQ(BrushColor(brush), RGB(1, 2, 3));
}

TEST(GdiObjectOwnership, DeleteObjectEmptiesTheWrapperOnce) {
  CBrush brush(RGB(1, 2, 3));
  HGDIOBJ handle = brush.m_hObject;
  EXPECT_TRUE(brush.DeleteObject());
  EXPECT_EQ(brush.GetSafeHandle(), nullptr);
  EXPECT_FALSE(Alive(handle));
  EXPECT_FALSE(brush.DeleteObject());
  EXPECT_TRUE(brush.CreateSolidBrush(RGB(2, 2, 2)));
}

TEST(GdiObjectOwnership, AStockObjectOutlivesItsWrapper) {
  HGDIOBJ stock = ::GetStockObject(GRAY_BRUSH);
  {
    CBrush brush;
    ASSERT_TRUE(brush.CreateStockObject(GRAY_BRUSH));
    EXPECT_EQ(brush.m_hObject, stock);
  }
  EXPECT_TRUE(Alive(stock));
}

// ---- FromHandle ----

TEST(GdiObjectFromHandle, AnAttachedHandleGivesItsWrapperOnEveryThread) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(90, u"System"));
  EXPECT_EQ(CFont::FromHandle(font), &font);
  EXPECT_EQ(CGdiObject::FromHandle(font.m_hObject), &font);
  CGdiObject* seenElsewhere = nullptr;
  std::thread([&] { seenElsewhere = CGdiObject::FromHandle(font.m_hObject); }).join();
  EXPECT_EQ(seenElsewhere, &font);
}

TEST(GdiObjectFromHandle, OtherHandlesGetOneTemporaryOfTheirKind) {
  HBRUSH brush = ::CreateSolidBrush(RGB(10, 20, 30));
  CBrush* temporary = CBrush::FromHandle(brush);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->m_hObject, brush);
  EXPECT_TRUE(temporary->IsKindOf(RUNTIME_CLASS(CBrush)));
  EXPECT_EQ(CBrush::FromHandle(brush), temporary);
  EXPECT_EQ(CGdiObject::FromHandle(brush), temporary);
  EXPECT_EQ(BrushColor(*temporary), RGB(10, 20, 30));

  CGdiObject::DeleteTempMap();
  EXPECT_TRUE(Alive(brush)) << "a temporary must not delete its handle";
  EXPECT_TRUE(::DeleteObject(brush));
}

TEST(GdiObjectFromHandle, TheKindDecidesTheClass) {
  HGDIOBJ font = ::GetStockObject(SYSTEM_FONT);
  HGDIOBJ pen = ::GetStockObject(BLACK_PEN);
  EXPECT_TRUE(CGdiObject::FromHandle(font)->IsKindOf(RUNTIME_CLASS(CFont)));
  EXPECT_NE(CFont::FromHandle(static_cast<HFONT>(font)), nullptr);
  EXPECT_NE(CPen::FromHandle(static_cast<HPEN>(pen)), nullptr);
  EXPECT_EQ(CBrush::FromHandle(reinterpret_cast<HBRUSH>(font)), nullptr);
  EXPECT_EQ(CBitmap::FromHandle(reinterpret_cast<HBITMAP>(pen)), nullptr);
  EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
  CGdiObject::DeleteTempMap();
}

// ---- brushes, fonts, bitmaps ----

TEST(GdiBrush, CreatesSolidStockAndSystemColourBrushes) {
  CBrush solid;
  ASSERT_TRUE(solid.CreateSolidBrush(RGB(200, 100, 50)));
  EXPECT_EQ(BrushColor(solid), RGB(200, 100, 50));
  EXPECT_EQ(solid.GetObjectType(), UINT(OBJ_BRUSH));

  CBrush hollow;
  ASSERT_TRUE(hollow.CreateStockObject(NULL_BRUSH));
  LOGBRUSH description{};
  hollow.GetLogBrush(&description);
  EXPECT_EQ(description.lbStyle, UINT(BS_NULL));

  CBrush system;
  ASSERT_TRUE(system.CreateSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(BrushColor(system), ::GetSysColor(COLOR_BTNFACE));

  const LOGBRUSH wanted{BS_SOLID, RGB(1, 1, 1), 0};
  CBrush indirect;
  ASSERT_TRUE(indirect.CreateBrushIndirect(&wanted));
  EXPECT_EQ(BrushColor(indirect), RGB(1, 1, 1));
  EXPECT_EQ(static_cast<HBRUSH>(indirect), indirect.m_hObject);
}

TEST(GdiFont, PointSizesBecomePixelHeightsAtTheScreensResolution) {
  struct Case {
    int tenthsOfPoint;
    LONG height;
  };
  for (const Case& c : {Case{90, -12}, Case{120, -16}, Case{75, -10}}) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(c.tenthsOfPoint, u"Tahoma"));
    LOGFONT description{};
    ASSERT_EQ(font.GetLogFont(&description), int(sizeof description));
    EXPECT_EQ(description.lfHeight, c.height) << c.tenthsOfPoint;
    EXPECT_EQ(std::u16string(description.lfFaceName), u"Tahoma");
  }
}

TEST(GdiFont, CreateFontAndCreateFontIndirectKeepTheDescription) {
  CFont font;
  ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, 0, 0, 0, 0, 0,
                              u"A face name longer than the thirty-one units a LOGFONT holds"));
  LOGFONT description{};
  font.GetLogFont(&description);
  EXPECT_EQ(description.lfHeight, -20);
  EXPECT_EQ(description.lfWeight, FW_BOLD);
  EXPECT_EQ(description.lfItalic, TRUE);
  EXPECT_EQ(std::u16string(description.lfFaceName).size(), size_t(LF_FACESIZE - 1));

  CFont copy;
  ASSERT_TRUE(copy.CreateFontIndirect(&description));
  LOGFONT again{};
  copy.GetLogFont(&again);
  EXPECT_EQ(again.lfWeight, FW_BOLD);
  EXPECT_FALSE(CFont().CreateFontIndirect(nullptr));
}

TEST(GdiBitmap, LoadsAResourceBitmapAndDescribesIt) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(IDR_BAR));
  BITMAP description{};
  ASSERT_EQ(bitmap.GetBitmap(&description), int(sizeof description));
  EXPECT_EQ(description.bmWidth, 68);
  EXPECT_EQ(description.bmHeight, 17);
  EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(0, 0));
  EXPECT_EQ(CBitmap::FromHandle(bitmap), &bitmap);
  EXPECT_FALSE(bitmap.LoadBitmap(IDR_BAR)) << "the wrapper already holds a bitmap";
}

TEST(GdiBitmap, AMissingResourceLeavesTheWrapperEmpty) {
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.LoadBitmap(IDB_MISSING));
  EXPECT_FALSE(bitmap.LoadBitmap(u"NO_SUCH_BITMAP"));
  EXPECT_EQ(bitmap.m_hObject, nullptr);
  BITMAP description{};
  EXPECT_EQ(bitmap.GetBitmap(&description), 0);
}

}  // namespace
