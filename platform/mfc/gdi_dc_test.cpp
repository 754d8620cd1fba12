// Tests of the device-context wrappers: ownership and FromHandle, the
// wrappers SelectObject hands back, modes and colours, filling and text
// measuring on a memory DC, the DCs of a window (CPaintDC in OnPaint,
// CClientDC, CWindowDC), and colours an OnCtlColor handler sets through its
// CDC showing in the controls' paint records.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <plat/display.h>
#include <plat/gdi.h>

#include <functional>

#include "gdi/dib_test_support.h"
#include "user/controls/control_test_support.h"

namespace {

using plat::test::Pump;

bool Alive(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

// A 4 x 4 white 24-bit bitmap.
HBITMAP WhiteBitmap() {
  using namespace plat::gdi::testing;
  const auto dib = PackedDib(Dib(4, 4, 24, false, {}, std::vector<uint32_t>(16, 0xFFFFFF)));
  return plat::gdi::CreateBitmapFromPackedDib(dib.data(), dib.size());
}

uint32_t PixelAt(HBITMAP bitmap, int x, int y) {
  int width = 0, height = 0;
  const uint32_t* pixels = plat::gdi::BitmapPixels(bitmap, &width, &height);
  return pixels[y * width + x];
}

// A visible top-level window of the library's own class.
template <class Wnd>
void CreateTopLevel(Wnd& wnd) {
  ASSERT_TRUE(
      wnd.CreateEx(0, AfxRegisterWndClass(0), u"test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), nullptr, 0));
}

// ---- ownership and FromHandle ----

TEST(DcOwnership, TheDestructorDeletesTheDcDetachKeepsIt) {
  HDC owned = nullptr, detached = nullptr;
  {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    owned = dc;
    CDC other;
    ASSERT_TRUE(other.CreateCompatibleDC(&dc));
    detached = other.Detach();
    EXPECT_EQ(other.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr)) << "the wrapper already holds a DC";
    EXPECT_EQ(dc.m_hDC, owned);
  }
  EXPECT_FALSE(Alive(owned));
  EXPECT_TRUE(Alive(detached));
  EXPECT_TRUE(::DeleteDC(detached));
}

TEST(DcOwnership, FromHandleGivesTheAttachedWrapperElseOneTemporary) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  EXPECT_EQ(CDC::FromHandle(dc), &dc);

  HDC loose = ::CreateCompatibleDC(nullptr);
  CDC* temporary = CDC::FromHandle(loose);
  ASSERT_NE(temporary, nullptr);
  EXPECT_EQ(temporary->m_hDC, loose);
  EXPECT_EQ(CDC::FromHandle(loose), temporary);
  CDC::DeleteTempMap();
  EXPECT_TRUE(Alive(loose)) << "a temporary must not delete its DC";
  EXPECT_TRUE(::DeleteDC(loose));
  EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
}

// ---- selections, modes, colours ----

class MemoryDcTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dc.CreateCompatibleDC(nullptr)); }
  void TearDown() override {
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
  }
  CDC dc;
};

TEST_F(MemoryDcTest, SelectObjectHandsBackTheWrapperOfWhatWasSelected) {
  CBrush red(RGB(255, 0, 0));
  CBrush* previousBrush = dc.SelectObject(&red);
  ASSERT_NE(previousBrush, nullptr);
  EXPECT_EQ(previousBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(dc.SelectObject(previousBrush), &red);

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, u"System"));
  CFont* previousFont = dc.SelectObject(&font);
  ASSERT_NE(previousFont, nullptr);
  EXPECT_EQ(previousFont->m_hObject, ::GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(dc.SelectObject(static_cast<CGdiObject*>(previousFont)), &font);

  CBitmap bitmap;
  ASSERT_TRUE(bitmap.Attach(WhiteBitmap()));
  CBitmap* previousBitmap = dc.SelectObject(&bitmap);
  ASSERT_NE(previousBitmap, nullptr);
  EXPECT_EQ(dc.SelectObject(previousBitmap), &bitmap);

  CGdiObject* previousPen = dc.SelectStockObject(WHITE_PEN);
  ASSERT_NE(previousPen, nullptr);
  EXPECT_EQ(previousPen->m_hObject, ::GetStockObject(BLACK_PEN));
  EXPECT_TRUE(previousPen->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(dc.SelectStockObject(-1), nullptr);
}

TEST_F(MemoryDcTest, ModesAndColoursReturnWhatTheyReplaced) {
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
  EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(dc.SetBkColor(RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
  EXPECT_EQ(dc.SetTextColor(RGB(4, 5, 6)), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetTextColor(), RGB(4, 5, 6));
  EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
}

TEST_F(MemoryDcTest, FillsTheSelectedBitmapAndFillSolidRectLeavesItsColour) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.Attach(WhiteBitmap()));
  dc.SelectObject(&bitmap);
  dc.FillSolidRect(1, 1, 2, 2, RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(bitmap, 1, 1), 0xFF0000u);
  EXPECT_EQ(PixelAt(bitmap, 2, 2), 0xFF0000u);
  EXPECT_EQ(PixelAt(bitmap, 3, 3), 0xFFFFFFu);
  EXPECT_EQ(dc.GetBkColor(), RGB(255, 0, 0));

  CBrush blue(RGB(0, 0, 255));
  const CRect corner(0, 0, 1, 1);
  dc.FillRect(corner, &blue);
  EXPECT_EQ(PixelAt(bitmap, 0, 0), 0x0000FFu);
  dc.SelectStockObject(WHITE_BRUSH);
}

TEST_F(MemoryDcTest, MeasuresTextInTheSelectedFont) {
  EXPECT_EQ(dc.GetTextExtent(u"abc", 3), CSize(18, 12));
  EXPECT_EQ(dc.GetTextExtent(CString(u"ab")), CSize(12, 12));
  CFont big;
  ASSERT_TRUE(big.CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"System"));
  dc.SelectObject(&big);
  EXPECT_EQ(dc.GetTextExtent(u"abc", 3), CSize(30, 20));
  dc.SelectStockObject(SYSTEM_FONT);
}

TEST_F(MemoryDcTest, DrawTextMeasuresLinesAndTextOutChecksItsArguments) {
  struct Case {
    const char16_t* text;
    UINT format;
    LONG width, height;
  };
  const Case cases[] = {
      {u"abc", DT_CALCRECT | DT_SINGLELINE, 18, 12},
      {u"ab\r\ncde", DT_CALCRECT, 18, 24},
      {u"a\n\nb", DT_CALCRECT | DT_LEFT, 6, 36},
      {u"", DT_CALCRECT, 0, 12},
  };
  for (const Case& c : cases) {
    CRect rect(5, 5, 6, 6);
    EXPECT_EQ(dc.DrawText(c.text, -1, rect, c.format), c.height) << "text: " << CStringA(c.text).GetString();
    EXPECT_EQ(rect, CRect(5, 5, 5 + c.width, 5 + c.height)) << CStringA(c.text).GetString();
  }
  CRect unchanged(0, 0, 100, 100);
  EXPECT_EQ(dc.DrawText(CString(u"ab\ncd"), unchanged, DT_LEFT), 24);
  EXPECT_EQ(unchanged, CRect(0, 0, 100, 100));
  EXPECT_EQ(dc.DrawText(u"abc", 3, nullptr, 0), 0);

  EXPECT_TRUE(dc.TextOut(0, 0, CString(u"hello")));
  EXPECT_FALSE(dc.TextOut(0, 0, nullptr, 3));
  CDC empty;
  EXPECT_FALSE(empty.TextOut(0, 0, u"x", 1));
  EXPECT_EQ(empty.GetTextExtent(u"x", 1), CSize(0, 0));
}

// ---- the DCs of a window ----

class Painter : public CWnd {
 public:
  int paints = 0;
  HDC dcSeen = nullptr;
  HDC paintStructDc = nullptr;
  HWND dcWindow = nullptr;

 protected:
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    ++paints;
    dcSeen = dc.m_hDC;
    paintStructDc = dc.m_ps.hdc;
    plat::gdi::DcState state;
    if (plat::gdi::GetDcState(dc, &state)) dcWindow = state.window;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painter, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(WindowDc, CPaintDCBeginsAndEndsThePaintingPass) {
  Painter painter;
  CreateTopLevel(painter);
  Pump();
  ASSERT_EQ(painter.paints, 1);
  EXPECT_NE(painter.dcSeen, nullptr);
  EXPECT_EQ(painter.dcSeen, painter.paintStructDc);
  EXPECT_EQ(painter.dcWindow, painter.m_hWnd);
  EXPECT_FALSE(Alive(painter.dcSeen)) << "EndPaint gives the DC back";
  EXPECT_TRUE(plat::GetPaintRecord(painter.m_hWnd).painted);
  Pump();
  EXPECT_EQ(painter.paints, 1) << "the pass validated the window";
}

TEST(WindowDc, ClientAndWindowDcsBelongToTheWindowAndAreReleased) {
  CWnd wnd;
  CreateTopLevel(wnd);
  HDC client = nullptr, whole = nullptr;
  plat::gdi::DcState clientState, wholeState;
  {
    CClientDC clientDc(&wnd);
    CWindowDC windowDc(&wnd);
    client = clientDc, whole = windowDc;
    ASSERT_TRUE(plat::gdi::GetDcState(client, &clientState));
    ASSERT_TRUE(plat::gdi::GetDcState(whole, &wholeState));
  }
  EXPECT_EQ(clientState.window, wnd.m_hWnd);
  EXPECT_EQ(wholeState.window, wnd.m_hWnd);
  EXPECT_FALSE(Alive(client));
  EXPECT_FALSE(Alive(whole));
}

// ---- colours of controls through OnCtlColor ----

class ColorParent : public CWnd {
 public:
  ColorParent() { m_brush.CreateSolidBrush(RGB(0, 128, 0)); }
  UINT kindSeen = 0xFFFF;

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor) {
    kindSeen = nCtlColor;
    pDC->SetTextColor(RGB(255, 0, 0));
    pDC->SetBkColor(RGB(1, 2, 3));
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CBrush m_brush;
};

BEGIN_MESSAGE_MAP(ColorParent, CWnd)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(CtlColor, TheHandlersDcStateShowsInTheControlsPaintRecord) {
  struct Case {
    const char* name;
    UINT kind;
    CWnd* control;
    std::function<BOOL(CWnd* parent)> create;
  };
  CStatic label;
  CEdit edit;
  CButton push;
  const CRect place(10, 10, 110, 30);
  const Case cases[] = {
      {"static", CTLCOLOR_STATIC, &label,
       [&](CWnd* parent) { return label.Create(u"label", WS_CHILD | WS_VISIBLE, place, parent, 1); }},
      {"edit", CTLCOLOR_EDIT, &edit,
       [&](CWnd* parent) { return edit.Create(WS_CHILD | WS_VISIBLE, place, parent, 2); }},
      {"button", CTLCOLOR_BTN, &push,
       [&](CWnd* parent) { return push.Create(u"push", WS_CHILD | WS_VISIBLE, place, parent, 3); }},
  };
  for (const Case& c : cases) {
    ColorParent parent;
    CreateTopLevel(parent);
    ASSERT_TRUE(c.create(&parent)) << c.name;
    Pump();
    EXPECT_EQ(parent.kindSeen, c.kind) << c.name;
    const plat::PaintRecord record = plat::GetPaintRecord(c.control->m_hWnd);
    EXPECT_TRUE(record.painted) << c.name;
    EXPECT_TRUE(record.hasBackground) << c.name;
    EXPECT_EQ(record.background, RGB(0, 128, 0)) << c.name;
    EXPECT_EQ(record.textColor, RGB(255, 0, 0)) << c.name;
    EXPECT_EQ(record.bkColor, RGB(1, 2, 3)) << c.name;
    EXPECT_EQ(record.bkMode, TRANSPARENT) << c.name;
    c.control->DestroyWindow();
  }
}

}  // namespace
