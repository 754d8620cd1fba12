// Tests of the static control: the clicks SS_NOTIFY statics report (and the
// others do not), the focus it never takes, its dialog code, the images it
// loads from its title and holds, and the colours each kind paints with.
#include <gtest/gtest.h>
#include <plat/module.h>

#include <string>
#include <vector>

#include "user/controls/control_test_support.h"

namespace {

using plat::test::PrintTo;  // named cases print as their names
using plat::test::Pump;
using plat::test::RecordingParent;

constexpr int kId = 31;
constexpr WORD kBitmapOrdinal = 101;

// A 2 x 2 24-bit packed DIB, registered as bitmap 101 of the test program.
struct TinyDib {
  BITMAPINFOHEADER header;
  uint8_t rows[2][8];  // 6 bytes of pixels, padded to 8
};
const TinyDib kDib = {{sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
const plat::module::ResourceEntry kResources[] = {
    {{nullptr, 2 /* RT_BITMAP */}, {nullptr, kBitmapOrdinal}, 0x0411, &kDib, sizeof(kDib)},
};
const plat::module::ResourceRegistration kRegistration(kResources, 1);

class StaticTest : public ::testing::Test {
 protected:
  HWND Make(DWORD style, const char16_t* text = u"label") {
    HWND control = parent.Child(u"Static", style, kId, text);
    Pump();
    parent.received.clear();
    return control;
  }

  RecordingParent parent;
};

struct TapCase {
  const char* name;
  DWORD style;
  UINT message;  // WM_LBUTTONDOWN (a tap), WM_LBUTTONDBLCLK or WM_PLAT_GESTURE (a tap gesture)
  std::vector<UINT> expected;
};

class StaticTapTest : public StaticTest, public ::testing::WithParamInterface<TapCase> {};

TEST_P(StaticTapTest, ReportsClicksOnlyWithNotify) {
  HWND control = Make(GetParam().style);
  switch (GetParam().message) {
    case WM_LBUTTONDOWN:
      plat::test::Tap(control, 5, 5);
      break;
    case WM_LBUTTONDBLCLK:
      plat::PostInput(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
      Pump();
      break;
    default:
      plat::test::Gesture(control, plat::kGestureTap, MAKELPARAM(5, 5));
      break;
  }
  EXPECT_EQ(parent.Codes(), GetParam().expected);
  for (const auto& n : parent.received) {
    EXPECT_EQ(n.message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(n.id, kId);
    EXPECT_EQ(n.from, control);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, StaticTapTest,
    ::testing::Values(TapCase{"NotifyTap", SS_NOTIFY, WM_LBUTTONDOWN, {STN_CLICKED}},
                      TapCase{"NotifyDoubleClick", SS_NOTIFY, WM_LBUTTONDBLCLK, {STN_DBLCLK}},
                      TapCase{"NotifyTapGesture", SS_NOTIFY, plat::WM_PLAT_GESTURE, {STN_CLICKED}},
                      TapCase{"NotifyIcon", SS_ICON | SS_NOTIFY, WM_LBUTTONDOWN, {STN_CLICKED}},
                      TapCase{"PlainTap", SS_LEFT, WM_LBUTTONDOWN, {}},
                      TapCase{"PlainDoubleClick", SS_LEFT, WM_LBUTTONDBLCLK, {}},
                      TapCase{"PlainTapGesture", SS_CENTER, plat::WM_PLAT_GESTURE, {}}),
    plat::test::CaseName{});

TEST_F(StaticTest, NeverTakesTheFocus) {
  HWND control = Make(SS_NOTIFY | WS_TABSTOP);
  ASSERT_EQ(GetFocus(), parent.hwnd);
  plat::test::Tap(control, 5, 5);
  EXPECT_EQ(GetFocus(), parent.hwnd);
  EXPECT_EQ(parent.Codes(), std::vector<UINT>{STN_CLICKED});
}

TEST_F(StaticTest, AnswersDialogCodeStaticForEveryKind) {
  for (DWORD style : {SS_LEFT, SS_CENTER, SS_RIGHT, SS_LEFTNOWORDWRAP, SS_ICON, SS_BITMAP, SS_BLACKFRAME,
                      SS_ETCHEDFRAME, SS_WHITERECT, SS_NOTIFY | SS_SUNKEN}) {
    HWND control = Make(style);
    EXPECT_EQ(SendMessageW(control, WM_GETDLGCODE, 0, 0), DLGC_STATIC) << "style " << style;
  }
}

TEST_F(StaticTest, KeepsTextFontAndStyle) {
  HWND control = Make(SS_RIGHT | SS_SUNKEN, u"初期");
  EXPECT_EQ(plat::test::Text(control), u"初期");
  EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & (SS_TYPEMASK | SS_SUNKEN), SS_RIGHT | SS_SUNKEN);
  SetWindowTextW(control, u"changed");
  EXPECT_EQ(plat::test::Text(control), u"changed");
  EXPECT_TRUE(parent.received.empty());
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
  HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), font);
}

TEST_F(StaticTest, IconTitleLoadsTheSystemIcon) {
  HWND control = Make(SS_ICON, MAKEINTRESOURCEW(32512));
  HICON expected = LoadIconW(nullptr, IDI_APPLICATION);
  ASSERT_NE(expected, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0)), expected);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(control, STM_GETIMAGE, IMAGE_ICON, 0)), expected);
  EXPECT_EQ(plat::test::Text(control), u"");
}

TEST_F(StaticTest, BitmapTitleLoadsTheProgramsBitmap) {
  HWND control = Make(SS_BITMAP, MAKEINTRESOURCEW(kBitmapOrdinal));
  auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_NE(GetObjectW(bitmap, sizeof(info), &info), 0);
  EXPECT_EQ(info.bmWidth, 2);
  EXPECT_EQ(info.bmHeight, 2);
}

TEST_F(StaticTest, MissingImageResourceLeavesNoImage) {
  HWND bitmap = Make(SS_BITMAP, MAKEINTRESOURCEW(999));
  EXPECT_EQ(SendMessageW(bitmap, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  HWND text = Make(SS_LEFT, MAKEINTRESOURCEW(kBitmapOrdinal));
  EXPECT_EQ(SendMessageW(text, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(StaticTest, SetImageReturnsThePreviousImageOfThatType) {
  HWND control = Make(SS_ICON, nullptr);
  auto first = reinterpret_cast<HICON>(static_cast<uintptr_t>(0x5000));
  auto second = reinterpret_cast<HICON>(static_cast<uintptr_t>(0x6000));
  auto bitmap = reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(0x7000));
  EXPECT_EQ(SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(first), 0), 0);
  EXPECT_EQ(SendMessageW(control, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(second)),
            reinterpret_cast<LRESULT>(first));
  EXPECT_EQ(SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)), 0);
  EXPECT_EQ(SendMessageW(control, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(second));
  EXPECT_EQ(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap));
  EXPECT_EQ(SendMessageW(control, STM_SETIMAGE, 77, reinterpret_cast<LPARAM>(bitmap)), 0);
  EXPECT_EQ(SendMessageW(control, STM_GETIMAGE, 77, 0), 0);
  EXPECT_TRUE(parent.received.empty());
}

struct ColorCase {
  const char* name;
  DWORD style;
};

class StaticColorTest : public StaticTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(StaticColorTest, PaintsWithTheParentsStaticColors) {
  const COLORREF color = RGB(12, 34, 56);
  parent.AnswerColor(WM_CTLCOLORSTATIC, color);
  HWND control = Make(GetParam().style);
  const plat::PaintRecord record = plat::GetPaintRecord(control);
  EXPECT_TRUE(record.painted);
  EXPECT_TRUE(record.hasBackground);
  EXPECT_EQ(record.background, color);
  EXPECT_THAT(parent.colorRequests, plat::test::OnlyAskedFor(WM_CTLCOLORSTATIC));
}

INSTANTIATE_TEST_SUITE_P(Kinds, StaticColorTest,
                         ::testing::Values(ColorCase{"Left", SS_LEFT}, ColorCase{"Center", SS_CENTER},
                                           ColorCase{"Right", SS_RIGHT}, ColorCase{"NoWrap", SS_LEFTNOWORDWRAP},
                                           ColorCase{"Icon", SS_ICON}, ColorCase{"Bitmap", SS_BITMAP},
                                           ColorCase{"Frame", SS_BLACKFRAME},
                                           ColorCase{"Disabled", SS_LEFT | WS_DISABLED}),
                         plat::test::CaseName{});

TEST_F(StaticTest, RectanglesFillWithTheirOwnColors) {
  parent.AnswerColor(WM_CTLCOLORSTATIC, RGB(12, 34, 56));
  HWND black = Make(SS_BLACKRECT);
  HWND white = Make(SS_WHITERECT);
  EXPECT_EQ(plat::GetPaintRecord(black).background, GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(plat::GetPaintRecord(white).background, GetSysColor(COLOR_WINDOW));
  EXPECT_TRUE(parent.colorRequests.empty());
}

TEST_F(StaticTest, ImageChangeRepaints) {
  HWND control = Make(SS_ICON, nullptr);
  const uint64_t before = plat::WindowTreeVersion();
  SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)), 0);
  EXPECT_GT(plat::WindowTreeVersion(), before);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, control, WM_PAINT, WM_PAINT, PM_NOREMOVE));
  Pump();
}

}  // namespace
