// Tests of the toolbar: buttons and separators laid out, a person's clicks
// told as WM_COMMAND (and never for disabled, hidden or separator buttons),
// check buttons, the state messages, the image of each button and where
// TB_AUTOSIZE puts the bar.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::Gesture;
using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;

constexpr int kId = 300;
constexpr int kParentWidth = 240;
constexpr int kParentHeight = 320;

TBBUTTON Button(int image, int command, BYTE state = TBSTATE_ENABLED, BYTE style = TBSTYLE_BUTTON) {
  TBBUTTON button{};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = state;
  button.fsStyle = style;
  return button;
}

TBBUTTON Separator(int width = 0) { return Button(width, 0, 0, TBSTYLE_SEP); }

// A 24-bit bitmap of width x height whose pixel colours say their column.
HBITMAP StripBitmap(int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(stride) * height, 0);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  std::memcpy(dib.data(), &header, sizeof(header));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) dib[sizeof(header) + static_cast<size_t>(y) * stride + x * 3] = static_cast<unsigned char>(x);
  return plat::gdi::CreateBitmapFromPackedDib(dib.data(), dib.size());
}

RECT RectInParent(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + "}";
}

// Public members: the cases of parameterised tests drive the fixture.
class ToolbarTest : public ::testing::Test {
 public:
  void SetUp() override { Create(0); }

  // Buttons: 101 (image 0), a separator, 102 (check, image 1), 103 (disabled, image 2).
  void Create(DWORD style) {
    if (bar) DestroyWindow(bar);
    bar = parent.Child(TOOLBARCLASSNAMEW, style, kId, u"", 10, 50, 100, 20);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const TBBUTTON buttons[] = {Button(0, 101), Separator(), Button(1, 102, TBSTATE_ENABLED, TBSTYLE_CHECK),
                                Button(2, 103, 0)};
    SendMessageW(bar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons));
    Pump();
    parent.received.clear();
  }

  RECT ItemRect(int index) const {
    RECT rect{-1, -1, -1, -1};
    SendMessageW(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  void TapButton(int index) {
    const RECT r = ItemRect(index);
    plat::test::Tap(bar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  std::vector<int> Commands() const {
    std::vector<int> commands;
    for (const auto& n : parent.received) {
      EXPECT_EQ(n.message, static_cast<UINT>(WM_COMMAND));
      EXPECT_EQ(n.code, static_cast<UINT>(BN_CLICKED));
      EXPECT_EQ(n.from, bar);
      commands.push_back(n.id);
    }
    return commands;
  }

  LRESULT StateOf(int command) const { return SendMessageW(bar, TB_GETSTATE, command, 0); }

  RecordingParent parent{kParentWidth, kParentHeight};
  HWND bar = nullptr;
};

TEST_F(ToolbarTest, ButtonsAndSeparatorsAreLaidOutFromTheLeft) {
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(24, 22));
  const RECT expected[] = {{0, 2, 24, 24}, {24, 2, 32, 24}, {32, 2, 56, 24}, {56, 2, 80, 24}};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Same(ItemRect(i), expected[i])) << i << " " << Show(ItemRect(i));
  RECT rect;
  EXPECT_FALSE(SendMessageW(bar, TB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&rect)));

  SendMessageW(bar, TB_HIDEBUTTON, 101, TRUE);  // takes no room
  EXPECT_FALSE(SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)));
  EXPECT_TRUE(Same(ItemRect(1), RECT{0, 2, 8, 24})) << Show(ItemRect(1));

  const TBBUTTON wide = Separator(20);
  EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTONW, 1, reinterpret_cast<LPARAM>(&wide)));
  EXPECT_TRUE(Same(ItemRect(2), RECT{20, 2, 28, 24})) << Show(ItemRect(2));

  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELONG(30, 28));
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(30, 28));
  EXPECT_TRUE(Same(ItemRect(3), RECT{28, 2, 58, 30})) << Show(ItemRect(3));
}

TEST_F(ToolbarTest, BitmapSizeGrowsTheButtons) {
  EXPECT_TRUE(SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELONG(32, 32)));
  EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(40, 39));
  EXPECT_FALSE(SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELONG(0, 16)));
}

struct ClickCase {
  const char* name;
  std::function<void(ToolbarTest&, int index)> click;
};

class PersonClicks : public ToolbarTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(PersonClicks, SendCommandToTheParent) {
  GetParam().click(*this, 0);
  EXPECT_EQ(Commands(), std::vector<int>{101});
  EXPECT_EQ(StateOf(101), TBSTATE_ENABLED);
  EXPECT_NE(GetFocus(), bar);
}

TEST_P(PersonClicks, NeverForDisabledHiddenOrSeparatorButtons) {
  SendMessageW(bar, TB_HIDEBUTTON, 102, TRUE);
  for (int index : {1, 2, 3}) GetParam().click(*this, index);
  GetParam().click(*this, 9);  // no such button
  EXPECT_TRUE(parent.received.empty());

  EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 103, TRUE));
  GetParam().click(*this, 3);
  EXPECT_EQ(Commands(), std::vector<int>{103});
  parent.received.clear();

  EXPECT_TRUE(SendMessageW(bar, TB_ENABLEBUTTON, 101, FALSE));
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 101, 0));
  GetParam().click(*this, 0);
  EXPECT_TRUE(parent.received.empty());
}

TEST_P(PersonClicks, ToggleCheckButtons) {
  GetParam().click(*this, 2);
  EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 102, 0));
  GetParam().click(*this, 2);
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONCHECKED, 102, 0));
  EXPECT_EQ(Commands(), (std::vector<int>{102, 102}));
}

TEST_P(PersonClicks, CheckGroupKeepsOneChecked) {
  constexpr BYTE kGroup = TBSTYLE_CHECK | TBSTYLE_GROUP;
  const TBBUTTON group[] = {Button(0, 201, TBSTATE_ENABLED | TBSTATE_CHECKED, kGroup),
                            Button(1, 202, TBSTATE_ENABLED, kGroup)};
  SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(group));  // indexes 4 and 5
  GetParam().click(*this, 5);
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONCHECKED, 201, 0));
  EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 202, 0));
  GetParam().click(*this, 5);  // stays checked
  EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 202, 0));
  EXPECT_EQ(Commands(), (std::vector<int>{202, 202}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PersonClicks,
    ::testing::Values(ClickCase{"Tap",
                                [](ToolbarTest& t, int index) {
                                  RECT r{};
                                  if (SendMessageW(t.bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)))
                                    t.TapButton(index);
                                }},
                      ClickCase{"ChooseGesture",
                                [](ToolbarTest& t, int index) { Gesture(t.bar, plat::kGestureChoose, index); }}),
    plat::test::CaseName{});

TEST_F(ToolbarTest, PressShowsUntilReleaseAndAReleaseElsewhereDoesNotClick) {
  const RECT first = ItemRect(0);
  plat::PostInput(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 2, first.top + 2));
  Pump();
  EXPECT_EQ(StateOf(101), TBSTATE_ENABLED | TBSTATE_PRESSED);
  EXPECT_TRUE(parent.received.empty());
  const RECT other = ItemRect(2);
  plat::PostInput(bar, WM_LBUTTONUP, 0, MAKELPARAM(other.left + 2, other.top + 2));
  Pump();
  EXPECT_EQ(StateOf(101), TBSTATE_ENABLED);
  EXPECT_TRUE(parent.received.empty());
}

TEST_F(ToolbarTest, StateMessagesReadBackAndRefuseUnknownCommands) {
  EXPECT_EQ(StateOf(999), -1);
  EXPECT_FALSE(SendMessageW(bar, TB_ENABLEBUTTON, 999, TRUE));
  EXPECT_FALSE(SendMessageW(bar, TB_ISBUTTONENABLED, 999, 0));
  EXPECT_TRUE(SendMessageW(bar, TB_SETSTATE, 102, TBSTATE_ENABLED | TBSTATE_CHECKED));
  EXPECT_TRUE(SendMessageW(bar, TB_ISBUTTONCHECKED, 102, 0));
  EXPECT_TRUE(SendMessageW(bar, TB_CHECKBUTTON, 102, FALSE));
  EXPECT_EQ(StateOf(102), TBSTATE_ENABLED);
  EXPECT_TRUE(SendMessageW(bar, TB_PRESSBUTTON, 102, TRUE));
  EXPECT_EQ(StateOf(102), TBSTATE_ENABLED | TBSTATE_PRESSED);
  EXPECT_EQ(StateOf(103), 0);
  EXPECT_TRUE(parent.received.empty());  // a program's changes send nothing

  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 102, 0), 2);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 999, 0), -1);
  TBBUTTON read{};
  ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&read)));
  EXPECT_EQ(read.idCommand, 102);
  EXPECT_EQ(read.iBitmap, 1);
  EXPECT_EQ(read.fsStyle, TBSTYLE_CHECK);
  EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 4, reinterpret_cast<LPARAM>(&read)));

  EXPECT_TRUE(SendMessageW(bar, TB_DELETEBUTTON, 0, 0));
  EXPECT_FALSE(SendMessageW(bar, TB_DELETEBUTTON, 3, 0));
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 102, 0), 1);
  const TBBUTTON appended = Button(3, 104);
  EXPECT_TRUE(SendMessageW(bar, TB_INSERTBUTTONW, 50, reinterpret_cast<LPARAM>(&appended)));
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 104, 0), 3);
  EXPECT_FALSE(SendMessageW(bar, TB_ADDBUTTONSW, 1, 0));
}

// ---- images ----

class ToolbarImages : public ToolbarTest {
 public:
  void SetUp() override {
    ToolbarTest::SetUp();
    first = StripBitmap(48, 15);   // images 0..2
    second = StripBitmap(32, 15);  // images 3..4
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
  }
  void TearDown() override {
    DestroyWindow(bar);
    DeleteObject(first);
    DeleteObject(second);
  }

  int Add(int count, HBITMAP bitmap) {
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
    return static_cast<int>(SendMessageW(bar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&add)));
  }

  HBITMAP first = nullptr;
  HBITMAP second = nullptr;
};

TEST_F(ToolbarImages, EachButtonFindsItsImageInItsBitmap) {
  EXPECT_EQ(Add(3, first), 0);
  EXPECT_EQ(Add(2, second), 3);
  const TBBUTTON more[] = {Button(4, 104), Button(9, 105)};
  SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(more));  // indexes 4, 5

  const struct {
    int index;
    HBITMAP bitmap;
    RECT rect;
  } cases[] = {{0, first, {0, 0, 16, 15}},   {2, first, {16, 0, 32, 15}}, {3, first, {32, 0, 48, 15}},
               {4, second, {16, 0, 32, 15}}, {1, nullptr, {}},            {5, nullptr, {}},
               {6, nullptr, {}}};
  for (const auto& c : cases) {
    RECT rect{};
    const auto bitmap = reinterpret_cast<HBITMAP>(
        SendMessageW(bar, TB_PLAT_GETBUTTONIMAGE, c.index, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(bitmap, c.bitmap) << c.index;
    if (c.bitmap) {
      EXPECT_TRUE(Same(rect, c.rect)) << c.index << " " << Show(rect);
    }
  }

  // The rectangle lies on the bitmap's pixels: column x of the strip reads x.
  RECT rect{};
  const auto bitmap =
      reinterpret_cast<HBITMAP>(SendMessageW(bar, TB_PLAT_GETBUTTONIMAGE, 4, reinterpret_cast<LPARAM>(&rect)));
  int width = 0, height = 0;
  const uint32_t* pixels = plat::gdi::BitmapPixels(bitmap, &width, &height);
  ASSERT_NE(pixels, nullptr);
  ASSERT_EQ(width, 32);
  EXPECT_EQ(pixels[rect.left] & 0xFF, static_cast<uint32_t>(rect.left));
}

TEST_F(ToolbarImages, BadBitmapsAreRefused) {
  EXPECT_EQ(Add(2, nullptr), -1);
  EXPECT_EQ(Add(0, first), -1);
  EXPECT_EQ(Add(1, reinterpret_cast<HBITMAP>(GetStockObject(WHITE_BRUSH))), -1);
  EXPECT_EQ(SendMessageW(bar, TB_ADDBITMAP, 1, 0), -1);
  TBADDBITMAP missing{GetModuleHandleW(nullptr), 4242};
  EXPECT_EQ(SendMessageW(bar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&missing)), -1);
  EXPECT_EQ(Add(3, first), 0);  // nothing was counted before
}

// ---- placement ----

struct PlaceCase {
  const char* name;
  DWORD style;
  RECT expected;  // in the parent's client area
};

class AutoSize : public ToolbarTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(AutoSize, PlacesTheBarAcrossTheParent) {
  Create(GetParam().style);
  SendMessageW(bar, TB_AUTOSIZE, 0, 0);
  const RECT placed = RectInParent(bar, parent.hwnd);
  EXPECT_TRUE(Same(placed, GetParam().expected)) << Show(placed);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, AutoSize,
    ::testing::Values(PlaceCase{"Top", 0, {0, 0, kParentWidth, 26}},
                      PlaceCase{"ExplicitTop", CCS_TOP, {0, 0, kParentWidth, 26}},
                      PlaceCase{"Bottom", CCS_BOTTOM, {0, kParentHeight - 26, kParentWidth, kParentHeight}},
                      PlaceCase{"NoMoveY", CCS_NOMOVEY, {0, 50, kParentWidth, 76}},
                      PlaceCase{"NoParentAlign", CCS_NOPARENTALIGN, {10, 50, 110, 76}},
                      PlaceCase{"NoResize", CCS_NORESIZE, {10, 50, 110, 70}}),
    plat::test::CaseName{});

TEST_F(ToolbarTest, AutoSizeFollowsTheButtonHeight) {
  SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELONG(30, 30));
  SendMessageW(bar, TB_AUTOSIZE, 0, 0);
  EXPECT_TRUE(Same(RectInParent(bar, parent.hwnd), RECT{0, 0, kParentWidth, 34}));
}

TEST_F(ToolbarTest, PaintsWithButtonFaceColours) {
  Pump();
  const plat::PaintRecord record = plat::GetPaintRecord(bar);
  EXPECT_TRUE(record.painted);
  EXPECT_EQ(record.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(parent.colorRequests.empty());
}

}  // namespace
