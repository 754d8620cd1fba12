// Tests of CToolBar: LoadToolBar from the TOOLBAR and BITMAP resources of
// bar_resources.rc (buttons, separator, sizes, images), refused resources
// that change nothing, the bar's placement in a dialog (children moved down,
// the dialog grown, a dialog without a client area showing the bar; bottom
// bars), in another window, clicks reaching the dialog's ON_COMMAND
// handlers, and the button-by-button functions.
#include <afxext.h>
#include <gtest/gtest.h>
#include <plat/gdi.h>

#include <vector>

#include "bar_resources.h"
#include "ctrl_test_support.h"
#include "user/controls/control_test_support.h"

namespace {

using plat::test::Pump;

constexpr int kBarHeight = 17 + 6 + 4;  // image, button border, bar border
const CSize kButton(41, 23), kImage(34, 17);
constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

struct BarOptions {
  bool withBar = true;
  DWORD barStyle = CBRS_TOP;
  UINT resource = IDR_BAR;
};

class BarDialog : public CDialog {
 public:
  explicit BarDialog(BarOptions options) : m_options(options) {}

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (m_options.withBar) {
      m_created = m_bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | m_options.barStyle);
      m_loaded = m_created && m_bar.LoadToolBar(m_options.resource);
    }
    return TRUE;
  }

  CToolBar m_bar;
  BOOL m_created = FALSE;
  BOOL m_loaded = FALSE;
  int m_reds = 0;
  int m_blues = 0;

 protected:
  afx_msg void OnRed() { ++m_reds; }
  afx_msg void OnBlue() { ++m_blues; }
  DECLARE_MESSAGE_MAP()

 private:
  BarOptions m_options;
};

BEGIN_MESSAGE_MAP(BarDialog, CDialog)
ON_COMMAND(ID_BAR_RED, &BarDialog::OnRed)
ON_COMMAND(ID_BAR_BLUE, &BarDialog::OnBlue)
END_MESSAGE_MAP()

// A dialog of the template with or without a bar, and where things are in it.
class PlacedDialog {
 public:
  PlacedDialog(UINT templateId, BarOptions options) : dialog(options) {
    created = dialog.Create(templateId);
    Pump();
  }
  ~PlacedDialog() {
    dialog.DestroyWindow();
    Pump();
  }
  CRect ChildRect(int id) const {
    CRect rect;
    ::GetWindowRect(::GetDlgItem(dialog.m_hWnd, id), rect);
    dialog.ScreenToClient(rect);
    return rect;
  }
  CRect WindowRect() const {
    CRect rect;
    dialog.GetWindowRect(rect);
    return rect;
  }
  CRect ClientRect() const {
    CRect rect;
    dialog.GetClientRect(rect);
    return rect;
  }
  CRect BarRect() const {
    CRect rect;
    dialog.m_bar.GetWindowRect(rect);
    dialog.ScreenToClient(rect);
    return rect;
  }

  BarDialog dialog;
  BOOL created = FALSE;
};

uint32_t ImagePixel(CToolBar& bar, int index) {
  RECT image{};
  auto bitmap = reinterpret_cast<HBITMAP>(
      ::SendMessageW(bar.m_hWnd, TB_PLAT_GETBUTTONIMAGE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&image)));
  int width = 0, height = 0;
  const uint32_t* pixels = plat::gdi::BitmapPixels(bitmap, &width, &height);
  return pixels ? pixels[image.left + 1] : 0xFFFFFFFF;
}

// ---- LoadToolBar ----

TEST(ToolBarLoad, TheResourceGivesButtonsSizesAndImages) {
  PlacedDialog placed(IDD_BAR_DIALOG, {});
  ASSERT_TRUE(placed.created);
  CToolBar& bar = placed.dialog.m_bar;
  ASSERT_TRUE(placed.dialog.m_loaded);
  EXPECT_EQ(bar.m_sizeImage, kImage);
  EXPECT_EQ(bar.m_sizeButton, kButton);
  EXPECT_EQ(bar.GetToolBarCtrl().GetButtonSize(), DWORD(MAKELONG(kButton.cx, kButton.cy)));
  EXPECT_EQ(bar.GetToolBarCtrl().m_hWnd, bar.m_hWnd);

  struct Case {
    UINT id;
    UINT style;
    int width;
    uint32_t pixel;
  };
  const Case cases[] = {
      {ID_BAR_RED, TBBS_BUTTON, kButton.cx, kRed},
      {ID_SEPARATOR, TBBS_SEPARATOR, 6, 0},
      {ID_BAR_BLUE, TBBS_BUTTON, kButton.cx, kBlue},
  };
  ASSERT_EQ(bar.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(bar.GetItemID(i), c.id) << i;
    EXPECT_EQ(bar.GetButtonStyle(i), c.style) << i;
    CRect item;
    bar.GetItemRect(i, item);
    EXPECT_EQ(item.Width(), c.width) << i;
    if (c.id != ID_SEPARATOR) {
      EXPECT_EQ(ImagePixel(bar, i), c.pixel) << i;
    }
  }
  EXPECT_EQ(bar.CommandToIndex(ID_BAR_BLUE), 2);
  EXPECT_EQ(bar.CommandToIndex(12345), -1);
  EXPECT_FALSE(bar.LoadBitmap(IDR_BAR)) << "the bar has its image strip";
}

TEST(ToolBarLoad, RefusedResourcesChangeNothing) {
  for (UINT resource : {UINT(IDR_BAR_NO_BITMAP), UINT(IDR_BAR_BAD_VERSION), UINT(IDR_BAR_SHORT), UINT(IDB_MISSING)}) {
    PlacedDialog plain(IDD_BAR_DIALOG, {false});
    PlacedDialog placed(IDD_BAR_DIALOG, {true, CBRS_TOP, resource});
    ASSERT_TRUE(placed.dialog.m_created) << resource;
    CToolBar& bar = placed.dialog.m_bar;
    EXPECT_FALSE(placed.dialog.m_loaded) << resource;
    EXPECT_EQ(bar.GetCount(), 0) << resource;
    EXPECT_EQ(bar.m_sizeButton, CSize(23, 22)) << resource;
    EXPECT_EQ(placed.BarRect().Height(), 0) << resource;
    EXPECT_EQ(placed.WindowRect(), plain.WindowRect()) << resource;
    EXPECT_EQ(placed.ChildRect(IDC_BAR_NAME), plain.ChildRect(IDC_BAR_NAME)) << resource;
    EXPECT_TRUE(bar.LoadToolBar(IDR_BAR)) << "nothing was lost: " << resource;
    EXPECT_EQ(bar.GetCount(), 3) << resource;
  }
}

TEST(ToolBarLoad, ABarWhoseWindowWasDestroyedLoadsAndMakesRoomAgain) {
  PlacedDialog plain(IDD_BAR_DIALOG, {false});
  PlacedDialog placed(IDD_BAR_DIALOG, {});
  ASSERT_TRUE(plain.created && placed.created);
  placed.dialog.DestroyWindow();
  Pump();
  ASSERT_TRUE(placed.dialog.Create(IDD_BAR_DIALOG));  // the same objects, a new window
  Pump();
  EXPECT_TRUE(placed.dialog.m_loaded) << "the image strip went with the old window";
  EXPECT_EQ(placed.dialog.m_bar.GetCount(), 3);
  EXPECT_EQ(placed.WindowRect().Height(), plain.WindowRect().Height() + kBarHeight)
      << "the new dialog gets its room";
}

// ---- placement ----

TEST(ToolBarPlacement, ADialogMovesItsChildrenDownAndGrows) {
  PlacedDialog plain(IDD_BAR_DIALOG, {false});
  PlacedDialog placed(IDD_BAR_DIALOG, {});
  ASSERT_TRUE(plain.created && placed.created);
  for (int id : {IDC_BAR_NAME, IDC_BAR_GO}) {
    CRect expected = plain.ChildRect(id);
    expected.OffsetRect(0, kBarHeight);
    EXPECT_EQ(placed.ChildRect(id), expected) << id;
  }
  EXPECT_EQ(placed.WindowRect().Height(), plain.WindowRect().Height() + kBarHeight);
  EXPECT_EQ(placed.ClientRect().Height(), plain.ClientRect().Height() + kBarHeight);
  EXPECT_EQ(placed.BarRect(), CRect(0, 0, placed.ClientRect().Width(), kBarHeight));

  placed.dialog.m_bar.SetHeight(40);
  EXPECT_EQ(placed.BarRect().Height(), 40);
  EXPECT_EQ(placed.WindowRect().Height(), plain.WindowRect().Height() + kBarHeight)
      << "only the first height makes room";
}

TEST(ToolBarPlacement, ADialogWithoutAClientAreaShowsTheBar) {
  PlacedDialog plain(IDD_BAR_EMPTY, {false});
  PlacedDialog placed(IDD_BAR_EMPTY, {});
  ASSERT_TRUE(plain.created && placed.created);
  EXPECT_EQ(plain.ClientRect().Height(), 0);
  EXPECT_EQ(placed.ClientRect().Height(), kBarHeight);
  EXPECT_EQ(placed.WindowRect().Height(), plain.WindowRect().Height() + kBarHeight);
  EXPECT_EQ(placed.BarRect(), placed.ClientRect());
  EXPECT_TRUE(placed.dialog.m_bar.IsWindowVisible());
}

TEST(ToolBarPlacement, ABottomBarGrowsTheDialogBelowItsChildren) {
  PlacedDialog plain(IDD_BAR_DIALOG, {false});
  PlacedDialog placed(IDD_BAR_DIALOG, {true, CBRS_BOTTOM});
  ASSERT_TRUE(plain.created && placed.created);
  EXPECT_EQ(placed.ChildRect(IDC_BAR_GO), plain.ChildRect(IDC_BAR_GO));
  EXPECT_EQ(placed.WindowRect().Height(), plain.WindowRect().Height() + kBarHeight);
  const CRect client = placed.ClientRect();
  EXPECT_EQ(placed.BarRect(), CRect(0, client.bottom - kBarHeight, client.right, client.bottom));
  EXPECT_EQ(placed.dialog.m_bar.GetBarStyle(), DWORD(CBRS_BOTTOM));
}

// ---- commands ----

TEST(ToolBarCommands, ButtonsReachTheDialogsOnCommandHandlers) {
  PlacedDialog placed(IDD_BAR_DIALOG, {});
  ASSERT_TRUE(placed.dialog.m_loaded);
  CToolBar& bar = placed.dialog.m_bar;
  CRect red;
  bar.GetItemRect(0, red);
  plat::test::Tap(bar.m_hWnd, red.CenterPoint().x, red.CenterPoint().y);
  EXPECT_EQ(placed.dialog.m_reds, 1);
  plat::test::Gesture(bar.m_hWnd, plat::kGestureChoose, 2);
  EXPECT_EQ(placed.dialog.m_blues, 1);
  plat::test::Gesture(bar.m_hWnd, plat::kGestureChoose, 1);
  bar.GetToolBarCtrl().EnableButton(ID_BAR_RED, FALSE);
  plat::test::Tap(bar.m_hWnd, red.CenterPoint().x, red.CenterPoint().y);
  EXPECT_EQ(placed.dialog.m_reds, 1);
  EXPECT_EQ(placed.dialog.m_blues, 1);
}

// ---- a bar built by hand in another window ----

class HandBuiltBar : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bar.Create(&host));
    bar.SetSizes(kButton, kImage);
    ASSERT_TRUE(bar.LoadBitmap(IDR_BAR));
    const UINT ids[] = {ID_BAR_RED, ID_SEPARATOR, ID_BAR_BLUE};
    ASSERT_TRUE(bar.SetButtons(ids, 3));
  }
  CRect BarRect() {
    CRect rect;
    bar.GetWindowRect(rect);
    host.ScreenToClient(rect);
    return rect;
  }
  afx::test::HostWindow host;
  CToolBar bar;
};

TEST_F(HandBuiltBar, LiesAcrossTheTopOfAnyOtherWindow) {
  CRect client;
  host.GetClientRect(client);
  EXPECT_EQ(BarRect(), CRect(0, 0, client.right, kBarHeight));
  EXPECT_EQ(host.GetStyle() & WS_VISIBLE, DWORD(WS_VISIBLE));
  CRect window;
  host.GetWindowRect(window);
  EXPECT_EQ(window.Height(), 320) << "only dialogs make room";

  CRect separator;
  bar.GetItemRect(1, separator);
  EXPECT_EQ(separator.Width(), 8) << "a separator of a bar that is not flat";
  EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(2 * kButton.cx + 8, kBarHeight));
  EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE), CSize(32767, kBarHeight));

  bar.SetBarStyle(CBRS_BOTTOM);
  EXPECT_EQ(BarRect(), CRect(0, client.bottom - kBarHeight, client.right, client.bottom));
  bar.SetHeight(30);
  EXPECT_EQ(BarRect().Height(), 30);
  bar.SetHeight(0);
  EXPECT_EQ(BarRect().Height(), kBarHeight);
}

TEST_F(HandBuiltBar, ButtonInfoAndStylesRoundTrip) {
  bar.SetButtonInfo(2, 7777, TBBS_CHECKBOX, 0);
  UINT id = 0, style = 0;
  int image = -1;
  bar.GetButtonInfo(2, id, style, image);
  EXPECT_EQ(id, 7777u);
  EXPECT_EQ(style, UINT(TBBS_CHECKBOX));
  EXPECT_EQ(image, 0);
  EXPECT_EQ(bar.CommandToIndex(7777), 2);

  bar.SetButtonStyle(0, TBBS_BUTTON | TBBS_DISABLED);
  EXPECT_EQ(bar.GetButtonStyle(0), UINT(TBBS_BUTTON | TBBS_DISABLED));
  EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_BAR_RED));
  bar.SetButtonStyle(0, TBBS_BUTTON | TBBS_CHECKED);
  EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonEnabled(ID_BAR_RED));
  EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonChecked(ID_BAR_RED));

  bar.GetButtonInfo(9, id, style, image);
  EXPECT_EQ(id, 0u);
  EXPECT_EQ(style, 0u);
  EXPECT_EQ(bar.GetItemID(9), 0u);
  CRect none(1, 1, 2, 2);
  bar.GetItemRect(9, none);
  EXPECT_TRUE(none.IsRectNull());
}

TEST_F(HandBuiltBar, SetButtonsReplacesTheButtons) {
  ASSERT_TRUE(bar.SetButtons(nullptr, 2));
  EXPECT_EQ(bar.GetCount(), 2);
  EXPECT_EQ(bar.GetButtonStyle(0), UINT(TBBS_SEPARATOR));
  const UINT ids[] = {ID_BAR_BLUE};
  ASSERT_TRUE(bar.SetButtons(ids, 1));
  EXPECT_EQ(bar.GetCount(), 1);
  EXPECT_EQ(bar.GetItemID(0), UINT(ID_BAR_BLUE));
  EXPECT_FALSE(bar.SetButtons(ids, -1));
  EXPECT_EQ(bar.GetCount(), 1);
  ASSERT_TRUE(bar.SetButtons(ids, 0));
  EXPECT_EQ(BarRect().Height(), 0) << "an empty bar takes no room";
}

}  // namespace
