// The card plug-in's dialog templates as this executable carries them
// (reconcard.rc is compiled into it): each template's size, style, caption
// and font and every control's id, class, style, position and text, read from
// the resource bytes in dialog units; and each template built by the dialog
// manager into a hidden window holding those controls.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"

namespace {

// ---- what the templates should hold ----

// A control's window class and the bits of its style that tell its kind:
// (style & mask) must equal bits.
struct Kind {
  std::u16string_view className;
  DWORD bits;
  DWORD mask;
};
constexpr DWORD kListViewBits = LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
constexpr DWORD kComboTypeMask = CBS_SIMPLE | CBS_DROPDOWN;
constexpr DWORD kDateBits = DTS_UPDOWN | DTS_SHOWNONE | DTS_LONGDATEFORMAT | DTS_TIMEFORMAT;
constexpr Kind kLabel{u"Static", SS_LEFT, SS_TYPEMASK};
constexpr Kind kRightLabel{u"Static", SS_RIGHT, SS_TYPEMASK};
constexpr Kind kPushButton{u"Button", BS_PUSHBUTTON, BS_TYPEMASK};
constexpr Kind kRadioButton{u"Button", BS_AUTORADIOBUTTON, BS_TYPEMASK};
constexpr Kind kCheckBox{u"Button", BS_AUTOCHECKBOX, BS_TYPEMASK};
constexpr Kind kGroupBox{u"Button", BS_GROUPBOX, BS_TYPEMASK};
constexpr Kind kEdit{u"Edit", WS_BORDER | ES_AUTOHSCROLL, WS_BORDER | ES_AUTOHSCROLL | ES_MULTILINE};
constexpr Kind kDropList{u"ComboBox", CBS_DROPDOWNLIST, kComboTypeMask};
constexpr Kind kDropEdit{u"ComboBox", CBS_DROPDOWN, kComboTypeMask};
constexpr Kind kReport{u"SysListView32", LVS_REPORT, kListViewBits};
constexpr Kind kRowList{u"SysListView32", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kListViewBits};
constexpr Kind kTabs{u"SysTabControl32", 0, 0};
constexpr Kind kDatePicker{u"SysDateTimePick32", DTS_SHOWNONE | DTS_SHORTDATEFORMAT, kDateBits};

struct Control {
  int id;
  Kind kind;
  short x, y, cx, cy;
  std::u16string_view text = u"";
  DWORD more = 0;  // further style bits it must have (WS_BORDER, WS_DISABLED, BS_MULTILINE)
  bool visible = true;
};
using Controls = std::vector<Control>;

Controls Join(std::initializer_list<Controls> groups) {
  Controls all;
  for (const Controls& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

Controls ListScreen(short cardsCy, short detailY, short detailCy) {
  return {{IDC_STATIC, kLabel, 2, 4, 40, 8, u"表示点種別"},
          {IDC_LIST_KIND, kDropList, 42, 2, 50, 48},
          {IDC_LIST_COUNT, kRightLabel, 92, 4, 42, 8, u"登録数：999"},
          {IDC_LIST_CARDS, kRowList, 2, 16, 132, cardsCy},
          {IDC_LIST_DETAIL, kReport, 2, detailY, 132, detailCy}};
}

Controls CardScreen(short tabsCy, short areaY, short areaCy) {
  return {{IDC_CARD_POINT, kPushButton, 2, 3, 40, 12, u"踏査点"},
          {IDC_CARD_POINTLABEL, kLabel, 42, 3, 92, 12, u"99999:XXXXX", WS_BORDER},
          {IDC_STATIC, kRightLabel, 2, 16, 40, 13, u"調査年月日"},
          {IDC_CARD_DATE, kDatePicker, 42, 16, 62, 13},
          {IDC_CARD_REGISTER, kPushButton, 105, 16, 29, 26, u"カード登録", BS_MULTILINE},
          {IDC_STATIC, kRightLabel, 2, 30, 40, 12, u"備　考"},
          {IDC_CARD_REMARKS, kEdit, 42, 30, 62, 12},
          {IDC_CARD_TABS, kTabs, 2, 43, 132, tabsCy},
          {IDC_CARD_PAGEAREA, kLabel, 2, areaY, 132, areaCy, u"", 0, false}};
}

// Number, name, X, Y and Z rows 12 units apart from top, the height check
// box over the Z label. The same ids serve both coordinate dialogs.
Controls CoordinateRows(short top, DWORD numberMore) {
  static_assert(IDC_NEWCOORD_NUMBER == IDC_CHGCOORD_NUMBER && IDC_NEWCOORD_HASZ == IDC_CHGCOORD_HASZ);
  const std::u16string_view labels[] = {u"No", u"名称", u"X", u"Y", u"Z"};
  const int edits[] = {IDC_CHGCOORD_NUMBER, IDC_CHGCOORD_NAME, IDC_CHGCOORD_X, IDC_CHGCOORD_Y, IDC_CHGCOORD_Z};
  Controls rows;
  for (short row = 0; row < 5; ++row) {
    const short y = static_cast<short>(top + 12 * row);
    rows.push_back({IDC_STATIC, kLabel, 4, y, 29, 12, labels[row]});
    if (edits[row] == IDC_CHGCOORD_Z)
      rows.push_back({IDC_CHGCOORD_HASZ, kCheckBox, 8, static_cast<short>(y + 1), 16, 10});
    const bool isNumber = edits[row] == IDC_CHGCOORD_NUMBER;
    rows.push_back(
        {edits[row], kEdit, 33, y, static_cast<short>(isNumber ? 29 : 66), 12, u"", isNumber ? numberMore : 0});
  }
  return rows;
}

// One right-aligned label and drop-down list per code list, 13 units apart;
// the lists are firstId, firstId + 1, ...
Controls AttributeRows(int firstId, std::initializer_list<std::u16string_view> labels) {
  Controls rows;
  short row = 0;
  for (std::u16string_view label : labels) {
    rows.push_back({IDC_STATIC, kRightLabel, 0, static_cast<short>(5 + 13 * row), 54, 8, label});
    rows.push_back({firstId + row, kDropList, 55, static_cast<short>(3 + 13 * row), 67, 100});
    ++row;
  }
  return rows;
}

// The entry buttons and list of the line-of-sight and photo pages (same ids).
Controls EntryButtons(std::u16string_view deleteText, std::u16string_view addText) {
  static_assert(IDC_LOOK_DELETE == IDC_PHOTO_DELETE && IDC_LOOK_ADD == IDC_PHOTO_ADD &&
                IDC_LOOK_ENTRIES == IDC_PHOTO_ENTRIES);
  return {{IDC_LOOK_DELETE, kPushButton, 3, 36, 58, 14, deleteText},
          {IDC_LOOK_ADD, kPushButton, 63, 36, 58, 14, addText},
          {IDC_LOOK_ENTRIES, kRowList, 3, 51, 118, 65}};
}

constexpr DWORD kScreenStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
constexpr DWORD kCoordinateStyle = kScreenStyle | DS_CENTER;
constexpr DWORD kPageStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | DS_SETFONT;

struct Template {
  const char* name;
  int id;
  DWORD style;  // exactly; none is visible at creation
  short cx, cy;
  std::u16string_view caption;
  Controls controls;
};
void PrintTo(const Template& row, std::ostream* out) { *out << row.name; }

std::vector<Template> Templates() {
  // The two urban-block pages differ in their first two lists only.
  auto blockPage = [](int firstId, std::u16string_view first, std::u16string_view second) {
    return AttributeRows(firstId,
                         {first, second, u"標識区分", u"材質区分", u"地目", u"上空の見通状態", u"伐採の必要性"});
  };
  return {
      {"PickPrompt", IDD_PICKPROMPT, kScreenStyle, 135, 0, u"踏査点を指示してください。", {}},
      {"PositionCheck", IDD_POSCHECK, kScreenStyle, 135, 0, u"位置を確認してください。", {}},
      {"List", IDD_NAVLIST, kScreenStyle, 135, 140, u"現地踏査情報一覧", ListScreen(62, 79, 58)},
      {"ListR7", IDD_NAVLIST_R7, kScreenStyle, 135, 185, u"現地踏査情報一覧", ListScreen(83, 101, 83)},
      {"Card", IDD_NAVCARD, kScreenStyle, 135, 140, u"ｘｘｘ踏査カード", CardScreen(14, 55, 82)},
      {"CardR7", IDD_NAVCARD_R7, kScreenStyle, 135, 185, u"ｘｘｘ踏査カード", CardScreen(20, 61, 122)},
      {"NewCoordinate", IDD_NEWCOORD, kCoordinateStyle, 103, 82, u"新規座標を指示",
       Join({{{IDC_STATIC, kRightLabel, 4, 4, 29, 13, u"点種別"}, {IDC_NEWCOORD_KIND, kDropList, 33, 4, 50, 48}},
             CoordinateRows(17, 0)})},
      {"ChangedCoordinate", IDD_CHGCOORD, kCoordinateStyle, 103, 69, u"変更座標を指示", CoordinateRows(4, WS_DISABLED)},
      {"LookPage", IDD_LOOKPAGE, kPageStyle, 135, 118, u"",
       Join({{{IDC_STATIC, kGroupBox, 3, 0, 118, 35},
              {IDC_STATIC, kLabel, 6, 9, 18, 8, u"方向"},
              {IDC_LOOK_DIRECTION, kDropEdit, 23, 7, 46, 100},
              {IDC_LOOK_SIGHT, kDropList, 69, 7, 48, 100},
              {IDC_STATIC, kLabel, 22, 22, 48, 8, u"伐採の必要性"},
              {IDC_LOOK_CLEARING, kDropList, 69, 20, 48, 100}},
             EntryButtons(u"×リストから削除", u"▼リストへ追加")})},
      {"PhotoPage", IDD_PHOTOPAGE, kPageStyle, 135, 118, u"",
       Join({{{IDC_STATIC, kGroupBox, 3, 0, 118, 35, u"コメント"},
              {IDC_PHOTO_NEAR, kRadioButton, 6, 9, 31, 10, u"近景", WS_GROUP},
              {IDC_PHOTO_FAR, kRadioButton, 42, 9, 31, 10, u"遠景"},
              {IDC_PHOTO_OTHER, kRadioButton, 78, 9, 38, 10, u"その他"},
              {IDC_PHOTO_COMMENT, kDropEdit, 6, 20, 111, 100, u"", WS_GROUP}},
             EntryButtons(u"×　リストから削除", u"▼　撮影完了")})},
      {"KnownPage", IDD_KNOWNPAGE, kPageStyle, 135, 148, u"",
       AttributeRows(IDC_KNOWN_GRADE,
                     {u"等級", u"補修の有無", u"異常の有無", u"標識の有無", u"偏心点の必要性", u"はしごの必要性",
                      u"三脚台の必要性", u"ロープの必要性", u"基準点の機能", u"上空の見通状態", u"伐採の必要性"})},
      {"BlockRefPage", IDD_BLOCKREFPAGE, kPageStyle, 135, 95, u"", blockPage(IDC_BLOCKREF_TYPE, u"種別", u"等級")},
      {"BlockPointPage", IDD_BLOCKPOINTPAGE, kPageStyle, 135, 95, u"",
       blockPage(IDC_BLOCKPOINT_OWNER, u"設置者種別", u"境界確定方法")},
  };
}

// ---- reading a template from the resource bytes ----

struct TemplateItem {
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;
  std::u16string className, text;
};
struct TemplateData {
  DWORD style = 0;
  short cx = 0, cy = 0;
  std::u16string caption;
  WORD fontSize = 0;
  std::u16string fontFace;
  std::vector<TemplateItem> items;
};

// Reads the extended layout (DLGTEMPLATEEX, DLGITEMTEMPLATEEX) that rcc
// writes; ok() turns false at the first read past the end.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, size_t size) : begin_(data), at_(data), end_(data + size) {}
  bool ok() const { return ok_; }

  TemplateData Read() {
    TemplateData dialog;
    ok_ = Word() == 1 && Word() == 0xFFFF;
    Dword();  // help id
    Dword();  // extended style
    dialog.style = Dword();
    const WORD count = Word();
    Word();  // x
    Word();  // y
    dialog.cx = static_cast<short>(Word());
    dialog.cy = static_cast<short>(Word());
    NameOrOrdinal();  // menu
    NameOrOrdinal();  // class
    dialog.caption = String();
    if (dialog.style & DS_SETFONT) {
      dialog.fontSize = Word();
      Word();  // weight
      Word();  // italic, charset
      dialog.fontFace = String();
    }
    for (WORD i = 0; i < count && ok_; ++i) dialog.items.push_back(Item());
    return dialog;
  }

 private:
  TemplateItem Item() {
    Skip((4 - (at_ - begin_) % 4) % 4);
    TemplateItem item;
    Dword();  // help id
    Dword();  // extended style
    item.style = Dword();
    item.x = static_cast<short>(Word());
    item.y = static_cast<short>(Word());
    item.cx = static_cast<short>(Word());
    item.cy = static_cast<short>(Word());
    item.id = static_cast<int>(Dword());
    item.className = NameOrOrdinal();
    item.text = NameOrOrdinal();
    Skip(Word());  // creation data
    return item;
  }
  // A string, or an ordinal: the predefined class atoms read as their names.
  std::u16string NameOrOrdinal() {
    if (Peek() != 0xFFFF) return String();
    Word();
    static constexpr std::u16string_view kAtoms[] = {u"Button",  u"Edit",      u"Static",
                                                     u"ListBox", u"ScrollBar", u"ComboBox"};
    const WORD ordinal = Word();
    return ordinal >= 0x80 && ordinal <= 0x85 ? std::u16string(kAtoms[ordinal - 0x80]) : u"#ordinal";
  }
  std::u16string String() {
    std::u16string text;
    while (ok_) {
      const WORD unit = Word();
      if (unit == 0) break;
      text += static_cast<char16_t>(unit);
    }
    return text;
  }
  WORD Peek() {
    if (end_ - at_ < 2) return 0;
    return static_cast<WORD>(at_[0] | at_[1] << 8);
  }
  WORD Word() {
    if (end_ - at_ < 2) {
      ok_ = false;
      return 0;
    }
    const WORD value = Peek();
    at_ += 2;
    return value;
  }
  void Skip(size_t bytes) {
    if (static_cast<size_t>(end_ - at_) < bytes) {
      ok_ = false;
      bytes = end_ - at_;
    }
    at_ += bytes;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | static_cast<DWORD>(Word()) << 16;
  }

  const BYTE* begin_;
  const BYTE* at_;
  const BYTE* end_;
  bool ok_ = true;
};

// ---- the tests ----

class DialogTemplates : public ::testing::TestWithParam<Template> {};

TEST_P(DialogTemplates, ResourceHoldsTheDescribedLayout) {
  const Template& want = GetParam();
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(want.id), RT_DIALOG);
  ASSERT_NE(found, nullptr) << "no dialog " << want.id;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(self, found)));
  ASSERT_NE(bytes, nullptr);
  TemplateReader reader(bytes, SizeofResource(self, found));
  const TemplateData got = reader.Read();
  ASSERT_TRUE(reader.ok()) << "malformed template";

  EXPECT_EQ(got.style, want.style) << std::hex << "style 0x" << got.style;
  EXPECT_EQ(got.cx, want.cx);
  EXPECT_EQ(got.cy, want.cy);
  EXPECT_EQ(got.caption, want.caption);
  EXPECT_EQ(got.fontSize, 9);
  EXPECT_EQ(got.fontFace, u"System");
  ASSERT_EQ(got.items.size(), want.controls.size());
  for (size_t i = 0; i < want.controls.size(); ++i) {
    const Control& control = want.controls[i];
    const TemplateItem& item = got.items[i];
    SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(control.id) + ")");
    EXPECT_EQ(item.id, control.id);
    EXPECT_EQ(item.className, control.kind.className);
    EXPECT_EQ(item.text, control.text);
    EXPECT_EQ((std::vector<short>{item.x, item.y, item.cx, item.cy}),
              (std::vector<short>{control.x, control.y, control.cx, control.cy}));
    const DWORD checked = control.kind.mask | control.more | WS_CHILD | WS_VISIBLE | WS_DISABLED;
    const DWORD expected = control.kind.bits | control.more | WS_CHILD | (control.visible ? WS_VISIBLE : 0);
    EXPECT_EQ(item.style & checked, expected) << std::hex << "style 0x" << item.style;
  }
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_P(DialogTemplates, BuildsAHiddenWindowWithEveryControl) {
  const Template& want = GetParam();
  HWND host = CreateWindowExW(0, u"Static", u"host", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(want.id), host, PlainDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_VISIBLE);

  std::vector<std::pair<int, std::u16string>> got, expected;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char16_t className[64] = {};
    GetClassNameW(child, className, 64);
    got.emplace_back(GetDlgCtrlID(child), className);
  }
  for (const Control& control : want.controls) expected.emplace_back(control.id, control.kind.className);
  EXPECT_EQ(got, expected);
  DestroyWindow(dialog);
  DestroyWindow(host);
}

INSTANTIATE_TEST_SUITE_P(ReconCard, DialogTemplates, ::testing::ValuesIn(Templates()),
                         [](const ::testing::TestParamInfo<Template>& info) { return std::string(info.param.name); });

}  // namespace
