// The window tree as the page gets it, read from real windows on this
// thread: top-level windows bottom first with owned ones above their
// owners, geometry in the parent's client co-ordinates, frame and scroll
// bar, the colours of the last painting pass, the state of each kind of
// control, hidden windows left out, adapters taking their class, and
// reading that changes no window.
#include <gtest/gtest.h>

#include <commctrl.h>
#include <plat/display.h>
#include <plat/gdi.h>

#include "gdi/dib_test_support.h"
#include "user/controls/control_test_support.h"
#include "window_images.h"
#include "window_tree.h"

namespace plat::web {
namespace {

using plat::test::Pump;
using plat::test::RecordingParent;

// The object of window within a described tree, or null.
const JsonValue* FindIn(const JsonValue& windows, HWND window) {
  for (size_t i = 0; i < windows.Size(); ++i) {
    const JsonValue& object = windows[i];
    if (object["id"].AsInt() == WindowId(window)) return &object;
    if (const JsonValue* found = FindIn(object["children"], window)) return found;
  }
  return nullptr;
}

std::vector<int64_t> Numbers(const JsonValue& array) {
  std::vector<int64_t> numbers;
  for (size_t i = 0; i < array.Size(); ++i) numbers.push_back(array[i].AsInt());
  return numbers;
}

HWND TopLevel(const char16_t* caption, DWORD style, HWND owner = nullptr, DWORD exStyle = 0) {
  return CreateWindowExW(exStyle, u"PlatTestParent", caption, style, 10, 20, 200, 150, owner, nullptr, nullptr, nullptr);
}

class WindowTreeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HWND window : made_) DestroyWindow(window);
  }
  HWND Keep(HWND window) {
    made_.push_back(window);
    return window;
  }
  JsonValue Screen() { return DescribeScreen(7, DisplayEvents{2, MB_OK, 1, 0, true}, adapters_); }
  JsonValue Describe(HWND window) { return DescribeWindow(window, adapters_); }

  RecordingParent parent_;
  Adapters adapters_;
  std::vector<HWND> made_;
};

TEST_F(WindowTreeTest, ListsVisibleTopLevelWindowsBottomFirstWithOwnedOnesAboveTheirOwners) {
  Keep(TopLevel(u"owned", WS_POPUP | WS_VISIBLE, parent_.hwnd));
  HWND hidden = Keep(TopLevel(u"hidden", WS_POPUP));
  Keep(TopLevel(u"later", WS_POPUP | WS_VISIBLE));
  SetActiveWindow(parent_.hwnd);  // the owner comes to the front of the window system's order
  const JsonValue screen = Screen();
  std::vector<std::string> captions;
  for (size_t i = 0; i < screen["windows"].Size(); ++i) captions.push_back(screen["windows"][i]["text"].AsString());
  EXPECT_EQ(captions, (std::vector<std::string>{"later", "parent", "owned"}));
  EXPECT_EQ(FindIn(screen["windows"], hidden), nullptr);
}

TEST_F(WindowTreeTest, DescribesTheScreenAndWhatTheDisplayHeard) {
  const JsonValue screen = Screen();
  const SIZE size = ScreenSize();
  EXPECT_EQ(screen["version"].AsInt(), 7);
  EXPECT_EQ(screen["screen"]["width"].AsInt(), size.cx);
  EXPECT_EQ(screen["screen"]["height"].AsInt(), size.cy);
  EXPECT_EQ(screen["cursor"].AsString(), "wait");
  EXPECT_EQ(screen["beeps"].AsInt(), 2);
  EXPECT_EQ(screen["boxes"].AsInt(), 1);
  EXPECT_EQ(screen["active"].AsInt(), WindowId(GetActiveWindow()));
}

TEST_F(WindowTreeTest, GivesGeometryFrameAndScrollBar) {
  HWND frame = Keep(TopLevel(u"frame", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, WS_EX_CAPTIONOKBTN));
  HWND page = CreateWindowExW(0, u"PlatTestParent", u"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL, 5, 6, 100, 80,
                              frame, nullptr, nullptr, nullptr);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 40, 10, 12, 0};
  SetScrollInfo(page, SB_VERT, &info, TRUE);
  const JsonValue object = Describe(frame);
  EXPECT_EQ(Numbers(object["rect"]), (std::vector<int64_t>{10, 20, 200, 150}));
  const int border = static_cast<int>(object["border"].AsInt());
  EXPECT_GT(border, 0);
  EXPECT_EQ(Numbers(object["client"]), (std::vector<int64_t>{border, border + kCaptionHeight, 200 - 2 * border,
                                                               150 - 2 * border - kCaptionHeight}));
  EXPECT_TRUE(object["caption"]["close"].AsBool());
  EXPECT_TRUE(object["caption"]["ok"].AsBool());
  EXPECT_FALSE(object["maximized"].AsBool());
  const JsonValue& child = object["children"][0];
  EXPECT_EQ(Numbers(child["rect"]), (std::vector<int64_t>{5, 6, 100, 80})) << "in the parent's client co-ordinates";
  EXPECT_EQ(Numbers(child["client"]), (std::vector<int64_t>{1, 1, 98 - kScrollBarWidth, 78}));
  EXPECT_FALSE(child.Has("caption"));
  EXPECT_EQ(child["vscroll"]["max"].AsInt(), 40);
  EXPECT_EQ(child["vscroll"]["page"].AsInt(), 10);
  EXPECT_EQ(child["vscroll"]["pos"].AsInt(), 12);
}

TEST_F(WindowTreeTest, LeavesHiddenChildrenOut) {
  HWND shown = parent_.Child(u"Static", SS_LEFT, 1, u"shown");
  HWND hidden = parent_.Child(u"Static", SS_LEFT, 2, u"hidden");
  ShowWindow(hidden, SW_HIDE);
  const JsonValue object = Describe(parent_.hwnd);
  EXPECT_NE(FindIn(object["children"], shown), nullptr);
  EXPECT_EQ(FindIn(object["children"], hidden), nullptr);
}

TEST_F(WindowTreeTest, GivesTheColoursOfTheLastPaintingPass) {
  parent_.AnswerColor(WM_CTLCOLORSTATIC, RGB(255, 255, 128));
  HWND label = parent_.Child(u"Static", SS_LEFT, 1, u"tinted");
  EXPECT_FALSE(Describe(label).Has("colors")) << "not painted yet";
  UpdateWindow(label);
  Pump();
  const JsonValue object = Describe(label);
  EXPECT_EQ(object["colors"]["background"].AsString(), "#ffff80");
  EXPECT_EQ(object["colors"]["text"].AsString(), "#000000");
}

TEST_F(WindowTreeTest, GivesTheStateOfButtonsStaticsAndEdits) {
  HWND check = parent_.Child(u"Button", BS_AUTOCHECKBOX, 1, u"&Flag");
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  HWND push = parent_.Child(u"Button", BS_DEFPUSHBUTTON, 2, u"OK");
  HWND radio = parent_.Child(u"Button", BS_AUTORADIOBUTTON, 3, u"One");
  HWND group = parent_.Child(u"Button", BS_GROUPBOX, 4, u"Group");
  HWND label = parent_.Child(u"Static", SS_CENTER | SS_NOPREFIX, 5, u"a&b");
  HWND notifying = parent_.Child(u"Static", SS_LEFT | SS_NOTIFY, 9, u"tap me");
  HWND icon = parent_.Child(u"Static", SS_ICON, 6);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)), 0);
  HWND edit = parent_.Child(u"Edit", ES_PASSWORD | ES_RIGHT, 7, u"secret");
  SendMessageW(edit, EM_SETSEL, 1, 3);

  const JsonValue checkObject = Describe(check);
  EXPECT_EQ(checkObject["kind"].AsString(), "button");
  EXPECT_EQ(checkObject["style"].AsString(), "check");
  EXPECT_EQ(checkObject["checked"].AsInt(), 1);
  EXPECT_EQ(checkObject["text"].AsString(), "&Flag");
  EXPECT_EQ(checkObject["ctrlId"].AsInt(), 1);
  EXPECT_EQ(Describe(push)["style"].AsString(), "default");
  EXPECT_EQ(Describe(radio)["style"].AsString(), "radio");
  EXPECT_EQ(Describe(group)["style"].AsString(), "group");
  const JsonValue labelObject = Describe(label);
  EXPECT_EQ(labelObject["kind"].AsString(), "static");
  EXPECT_EQ(labelObject["align"].AsString(), "center");
  EXPECT_TRUE(labelObject["noPrefix"].AsBool());
  EXPECT_FALSE(labelObject["notify"].AsBool()) << "taps pass through it";
  EXPECT_TRUE(Describe(notifying)["notify"].AsBool());
  EXPECT_EQ(Describe(icon)["icon"].AsString(), "hand");
  const JsonValue editObject = Describe(edit);
  EXPECT_EQ(editObject["kind"].AsString(), "edit");
  EXPECT_EQ(editObject["text"].AsString(), "secret");
  EXPECT_TRUE(editObject["password"].AsBool());
  EXPECT_EQ(editObject["align"].AsString(), "right");
  EXPECT_EQ(Numbers(editObject["selection"]), (std::vector<int64_t>{1, 3}));
}

TEST_F(WindowTreeTest, GivesComboItemsListRowsTabsDatesAndProgress) {
  HWND combo = parent_.Child(u"ComboBox", CBS_DROPDOWNLIST, 1, u"", 10, 10, 100, 80);
  for (const WCHAR* item : {u"赤", u"青"}) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  HWND list = parent_.Child(WC_LISTVIEWW, LVS_REPORT, 2, u"", 10, 40, 120, 60);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 50;
  column.pszText = const_cast<WCHAR*>(u"名前");
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  for (const WCHAR* text : {u"A1", u"A2"}) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = 9;
    item.pszText = const_cast<WCHAR*>(text);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  LVITEMW state{};
  state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  HWND tabs = parent_.Child(WC_TABCONTROLW, 0, 3, u"", 10, 110, 120, 20);
  for (const WCHAR* label : {u"一", u"二"}) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<WCHAR*>(label);
    SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&tab));
  }
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  HWND date = parent_.Child(DATETIMEPICK_CLASSW, DTS_SHOWNONE, 4, u"", 10, 140, 100, 20);
  HWND progress = parent_.Child(PROGRESS_CLASSW, 0, 5, u"", 10, 170, 100, 10);
  SendMessageW(progress, PBM_SETRANGE32, 0, 20);
  SendMessageW(progress, PBM_SETPOS, 5, 0);

  const JsonValue comboObject = Describe(combo);
  EXPECT_EQ(comboObject["style"].AsString(), "dropdownlist");
  EXPECT_EQ(comboObject["items"][1].AsString(), "青");
  EXPECT_EQ(comboObject["selected"].AsInt(), 1);
  EXPECT_EQ(comboObject["text"].AsString(), "青");
  EXPECT_FALSE(comboObject["dropped"].AsBool());
  const JsonValue listObject = Describe(list);
  EXPECT_EQ(listObject["columns"][0]["text"].AsString(), "名前");
  EXPECT_EQ(listObject["columns"][0]["width"].AsInt(), 50);
  EXPECT_EQ(listObject["rows"][1][0].AsString(), "A2");
  EXPECT_EQ(Numbers(listObject["selected"]), (std::vector<int64_t>{1}));
  EXPECT_EQ(listObject["focusedRow"].AsInt(), 1);
  EXPECT_EQ(listObject["top"].AsInt(), 0);
  EXPECT_TRUE(listObject["header"].AsBool());
  EXPECT_GT(listObject["rowHeight"].AsInt(), 0);
  const JsonValue tabObject = Describe(tabs);
  EXPECT_EQ(tabObject["items"][0]["text"].AsString(), "一");
  EXPECT_EQ(tabObject["items"][1]["rect"].Size(), 4u);
  EXPECT_EQ(tabObject["selected"].AsInt(), 1);

  EXPECT_TRUE(Describe(date)["noneBox"].AsBool());
  SendMessageW(date, DTM_SETSYSTEMTIME, GDT_NONE, 0);
  EXPECT_FALSE(Describe(date)["checked"].AsBool());
  EXPECT_TRUE(Describe(date)["date"].IsNull());
  SYSTEMTIME day{2026, 5, 4, 7, 0, 0, 0, 0};
  SendMessageW(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day));
  EXPECT_EQ(Describe(date)["date"].AsInt(), 20260507);

  const JsonValue progressObject = Describe(progress);
  EXPECT_EQ(progressObject["max"].AsInt(), 20);
  EXPECT_EQ(progressObject["pos"].AsInt(), 5);
}

TEST_F(WindowTreeTest, GivesToolbarButtonsAndTheirImages) {
  // two 2 x 1 images side by side: red green | blue white
  const auto dib = gdi::testing::PackedDib(
      gdi::testing::Dib(4, 1, 24, true, {}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
  HBITMAP strip = gdi::CreateBitmapFromPackedDib(dib.data(), dib.size());
  ASSERT_NE(strip, nullptr);
  HWND toolbar = parent_.Child(TOOLBARCLASSNAMEW, 0, 1);
  SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(2, 1));
  TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(strip)};
  SendMessageW(toolbar, TB_ADDBITMAP, 2, reinterpret_cast<LPARAM>(&images));
  TBBUTTON buttons[3] = {{1, 41, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
                         {0, 0, 0, TBSTYLE_SEP, {}, 0, 0},
                         {0, 42, 0, TBSTYLE_BUTTON, {}, 0, 0}};
  SendMessageW(toolbar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));

  const JsonValue object = Describe(toolbar);
  ASSERT_EQ(object["buttons"].Size(), 3u);
  const JsonValue& first = object["buttons"][0];
  EXPECT_EQ(first["command"].AsInt(), 41);
  EXPECT_TRUE(first["enabled"].AsBool());
  EXPECT_EQ(first["image"]["name"].AsString(), "button-0");
  EXPECT_TRUE(object["buttons"][1]["separator"].AsBool());
  EXPECT_FALSE(object["buttons"][2]["enabled"].AsBool());
  EXPECT_NE(object["buttons"][2]["image"]["key"].AsString(), first["image"]["key"].AsString());

  Picture picture;
  ASSERT_TRUE(WindowImage(toolbar, "button-0", adapters_, &picture));
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 1);
  EXPECT_EQ(picture.pixels, (std::vector<uint32_t>{0xFF0000FFu, 0xFFFFFFFFu})) << "the second image, opaque";
  EXPECT_FALSE(WindowImage(toolbar, "button-7", adapters_, &picture));
  EXPECT_FALSE(WindowImage(toolbar, "button-x", adapters_, &picture));
  EXPECT_FALSE(WindowImage(parent_.hwnd, "button-0", adapters_, &picture)) << "not a toolbar";
  DestroyWindow(toolbar);
  DeleteObject(strip);
}

TEST_F(WindowTreeTest, ReadingChangesNoWindow) {
  parent_.Child(u"ComboBox", CBS_DROPDOWN, 1, u"", 10, 10, 100, 80);
  parent_.Child(WC_LISTVIEWW, LVS_REPORT, 2, u"", 10, 40, 120, 60);
  parent_.Child(u"Edit", 0, 3, u"text");
  UpdateWindow(parent_.hwnd);
  Pump();
  const uint64_t before = WindowTreeVersion();
  Screen();
  EXPECT_EQ(WindowTreeVersion(), before);
}

class CountingAdapter : public WindowAdapter {
 public:
  void Describe(HWND, JsonValue& object) override {
    ++described;
    object.Set("kind", "counted");
  }
  std::string Act(HWND, const Fields&, std::vector<Input>*) override { return "unused"; }
  bool Image(HWND, const std::string& name, Picture* picture) override {
    *picture = Picture{1, 1, {0xFF123456u}};
    return name == "only";
  }
  int described = 0;
};

TEST_F(WindowTreeTest, LetsAnAdapterDescribeAndPictureItsClass) {
  CountingAdapter adapter;
  adapters_.Add(u"platTESTparent", &adapter);
  HWND label = parent_.Child(u"Static", SS_LEFT, 1, u"inside");
  const JsonValue object = Describe(parent_.hwnd);
  EXPECT_EQ(object["kind"].AsString(), "counted");
  EXPECT_EQ(adapter.described, 1);
  const JsonValue* child = FindIn(object["children"], label);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ((*child)["kind"].AsString(), "static") << "its children are the platform's";
  Picture picture;
  EXPECT_TRUE(WindowImage(parent_.hwnd, "only", adapters_, &picture));
  EXPECT_FALSE(WindowImage(parent_.hwnd, "other", adapters_, &picture));
}

}  // namespace
}  // namespace plat::web
