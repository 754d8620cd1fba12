// Tests of the page machinery that all card pages share, on the tallest page
// (the known point's) hosted on the card screen's stand-in: placement and
// the scroll range the page gets, every scroll request with its step and
// its clamping with the children moving along, a focused list scrolled into
// view without leaving the range, a page that fits not scrolling at all,
// the tint of the page and its labels, and Enter and Escape that close
// nothing.
#include <string>

#include "BlockRefPageDlg.h"
#include "KnownPointPageDlg.h"
#include "LookPageDlg.h"
#include "page_test_support.h"

namespace {

// The known-point page's template is 148 dialog units high: 259 pixels.
constexpr int kKnownPageHeight = 259;

class KnownPageScrolling : public page_test::PageTest<KnownPointPageDlg> {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    Open(page_test::kAttrColor);
  }
  int AreaHeight() {
    const RECT area = desktop.WindowRect(desktop.FindControl(card->GetSafeHwnd(), IDC_CARD_PAGEAREA));
    return area.bottom - area.top;
  }
  int Position() { return desktop.VerticalScroll(PageWindow()).nPos; }
  int Top(int id) { return desktop.WindowRect(Control(id)).top; }
  RECT PageClient() {
    return desktop.Ui([&] {
      CRect client;
      page->GetClientRect(&client);
      page->ClientToScreen(&client);
      return RECT(client);
    });
  }
  bool Scroll(int request, int thumb = 0) { return desktop.Scroll(PageWindow(), request, thumb); }
};

TEST_F(KnownPageScrolling, ThePageFillsTheAreaAndScrollsOverWhatItsTemplateHoldsBeyond) {
  const RECT area = desktop.WindowRect(desktop.FindControl(card->GetSafeHwnd(), IDC_CARD_PAGEAREA));
  const RECT placed = desktop.WindowRect(PageWindow());
  EXPECT_EQ(placed.left, area.left);
  EXPECT_EQ(placed.top, area.top);
  EXPECT_EQ(placed.right, area.right);
  EXPECT_EQ(placed.bottom, area.bottom);
  const SCROLLINFO bar = desktop.VerticalScroll(PageWindow());
  EXPECT_EQ(bar.nMin, 0);
  EXPECT_EQ(bar.nMax, kKnownPageHeight - AreaHeight());
  EXPECT_EQ(bar.nPos, 0);
}

TEST_F(KnownPageScrolling, RequestsMoveByTheirStepsWithinTheRangeAndTheChildrenFollow) {
  const int bottom = kKnownPageHeight - AreaHeight();
  ASSERT_GT(bottom, 60);
  struct Case {
    int from;
    int request;
    int thumb;
    int to;
  };
  const Case cases[] = {
      {0, SB_LINEDOWN, 0, 2},        {2, SB_LINEUP, 0, 0},           {0, SB_LINEUP, 0, 0},
      {0, SB_PAGEDOWN, 0, 10},       {25, SB_PAGEUP, 0, 15},         {5, SB_PAGEUP, 0, 0},
      {0, SB_THUMBPOSITION, 50, 50}, {50, SB_THUMBTRACK, 60, 60},    {0, SB_THUMBTRACK, 9999, bottom},
      {0, SB_BOTTOM, 0, bottom},     {bottom, SB_LINEDOWN, 0, bottom}, {bottom, SB_PAGEDOWN, 0, bottom},
      {bottom, SB_TOP, 0, 0},        {40, SB_ENDSCROLL, 0, 40},
  };
  const int restingTop = Top(IDC_KNOWN_GRADE);
  for (const Case& c : cases) {
    ASSERT_TRUE(Scroll(SB_THUMBPOSITION, c.from));
    ASSERT_EQ(Position(), c.from);
    ASSERT_EQ(Top(IDC_KNOWN_GRADE), restingTop - c.from);
    ASSERT_TRUE(Scroll(c.request, c.thumb));
    EXPECT_EQ(Position(), c.to) << "request " << c.request << " from " << c.from;
    EXPECT_EQ(Top(IDC_KNOWN_GRADE), restingTop - c.to) << "request " << c.request << " from " << c.from;
  }
}

TEST_F(KnownPageScrolling, AFocusedListIsScrolledIntoViewWithoutLeavingTheRange) {
  ASSERT_TRUE(Click(IDC_KNOWN_CLEARING));
  EXPECT_EQ(FocusId(), IDC_KNOWN_CLEARING);
  EXPECT_GT(Position(), 0);
  EXPECT_LE(Position(), kKnownPageHeight - AreaHeight());
  EXPECT_EQ(desktop.WindowRect(Control(IDC_KNOWN_CLEARING)).bottom, PageClient().bottom) << "its bottom edge shows";

  ASSERT_TRUE(Click(IDC_KNOWN_GRADE));
  EXPECT_EQ(Top(IDC_KNOWN_GRADE), PageClient().top) << "scrolled back up just far enough";
  EXPECT_GE(Position(), 0);

  const int settled = Position();
  ASSERT_TRUE(Click(IDC_KNOWN_GRADE));
  EXPECT_EQ(Position(), settled) << "a list in view stays put";
}

TEST_F(KnownPageScrolling, ThePageAndItsLabelsPaintWithTheBrushTransparently) {
  const HWND label = desktop.FindByText(PageWindow(), u"Static", u"補修の有無");
  ASSERT_NE(label, nullptr);
  for (HWND window : {PageWindow(), label}) {
    const plat::PaintRecord paint = desktop.Paint(window);
    EXPECT_TRUE(paint.painted);
    EXPECT_TRUE(paint.hasBackground);
    EXPECT_EQ(paint.background, page_test::kAttrColor);
    EXPECT_EQ(paint.bkMode, TRANSPARENT);
  }
}

TEST_F(KnownPageScrolling, EnterAndEscapeCloseNothing) {
  ASSERT_TRUE(Choose(IDC_KNOWN_GRADE, u"電子基準点"));
  for (UINT key : {VK_RETURN, VK_ESCAPE, VK_RETURN}) {
    desktop.PressKey(key);
    EXPECT_TRUE(desktop.IsVisible(PageWindow())) << key;
  }
  EXPECT_EQ(Chosen(IDC_KNOWN_GRADE), u"電子基準点");
}

using FittingPage = page_test::PageTest<BlockRefPageDlg>;

TEST_F(FittingPage, APageThatFitsItsAreaDoesNotScroll) {
  Open(page_test::kAttrColor, IDD_NAVCARD_R7);
  EXPECT_EQ(desktop.VerticalScroll(PageWindow()).nMax, 0);
  const int top = desktop.WindowRect(Control(IDC_BLOCKREF_TYPE)).top;
  for (int request : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM}) ASSERT_TRUE(desktop.Scroll(PageWindow(), request));
  ASSERT_TRUE(Click(IDC_BLOCKREF_CLEARING));
  EXPECT_EQ(desktop.VerticalScroll(PageWindow()).nPos, 0);
  EXPECT_EQ(desktop.WindowRect(Control(IDC_BLOCKREF_TYPE)).top, top);
}

using LookPageTint = page_test::PageTest<LookPageDlg>;

TEST_F(LookPageTint, TheLineOfSightPagePaintsWithItsOwnColour) {
  Open(page_test::kLookColor);
  const HWND label = desktop.FindByText(PageWindow(), u"Static", u"伐採の必要性");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(desktop.Paint(PageWindow()).background, page_test::kLookColor);
  EXPECT_EQ(desktop.Paint(label).background, page_test::kLookColor);
  EXPECT_EQ(desktop.Paint(label).bkMode, TRANSPARENT);
}

}  // namespace
