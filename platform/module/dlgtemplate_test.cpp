// Tests of the dialog template reader and of the dialogs rcc writes: a
// classic template built by hand read field by field, the DIALOGEX of
// module_test.rc compared byte for byte with the documented extended layout,
// every control statement of its DIALOG read back, and truncated templates.
#include "module/dlgtemplate.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "module_test_res.h"
#include "module/test_support.h"

namespace {

using module_test::ResourceBytes;
using plat::module::DialogTemplate;
using plat::module::ParseDialogTemplate;

constexpr DWORD kLbsNotify = 0x0001;
constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE;

// Little-endian template bytes, written the way the platform documents them.
class TemplateBuilder {
 public:
  TemplateBuilder& Word(WORD value) {
    bytes_.push_back(static_cast<BYTE>(value));
    bytes_.push_back(static_cast<BYTE>(value >> 8));
    return *this;
  }
  TemplateBuilder& Dword(DWORD value) { return Word(LOWORD(value)).Word(HIWORD(value)); }
  TemplateBuilder& Short(short value) { return Word(static_cast<WORD>(value)); }
  TemplateBuilder& Byte(BYTE value) {
    bytes_.push_back(value);
    return *this;
  }
  TemplateBuilder& String(std::u16string_view text) {
    for (char16_t unit : text) Word(unit);
    return Word(0);
  }
  TemplateBuilder& Ordinal(WORD value) { return Word(0xFFFF).Word(value); }
  TemplateBuilder& Rectangle(short x, short y, short cx, short cy) { return Short(x).Short(y).Short(cx).Short(cy); }
  TemplateBuilder& AlignToDword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    return *this;
  }
  const std::vector<BYTE>& bytes() const { return bytes_; }

 private:
  std::vector<BYTE> bytes_;
};

std::vector<BYTE> ClassicTemplate() {
  TemplateBuilder b;
  b.Dword(WS_POPUP | WS_CAPTION | DS_SETFONT).Dword(WS_EX_TOPMOST).Word(3).Rectangle(1, 2, 100, 50);
  b.String(u"MAINMENU").Ordinal(0x7001).String(u"Classic").Word(10).String(u"Courier");
  b.AlignToDword().Dword(WS_CHILD | BS_DEFPUSHBUTTON).Dword(0).Rectangle(5, 6, 40, 14).Word(0x1234);
  b.Ordinal(0x80).String(u"OK").Word(6).Byte(1).Byte(2).Byte(3).Byte(4);
  b.AlignToDword().Dword(WS_CHILD | LVS_REPORT).Dword(WS_EX_CLIENTEDGE).Rectangle(-1, 20, 90, 30).Word(7);
  b.String(u"SysListView32").Ordinal(42).Word(0);
  b.AlignToDword().Dword(WS_CHILD).Dword(0).Rectangle(0, 0, 1, 1).Word(8).Ordinal(0x99).String(u"").Word(0);
  return b.bytes();
}

TEST(DialogTemplateTest, ReadsTheClassicLayoutFieldByField) {
  const std::vector<BYTE> bytes = ClassicTemplate();
  DialogTemplate t;
  ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), &t));
  EXPECT_FALSE(t.extended);
  EXPECT_EQ(t.style, DWORD{WS_POPUP | WS_CAPTION | DS_SETFONT});
  EXPECT_EQ(t.exStyle, DWORD{WS_EX_TOPMOST});
  EXPECT_EQ(t.helpId, 0u);
  EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{1, 2, 100, 50}));
  EXPECT_EQ(t.menuName, u"MAINMENU");
  EXPECT_FALSE(t.menuIsOrdinal);
  EXPECT_TRUE(t.className.empty());
  EXPECT_EQ(t.classAtom, 0x7001);
  EXPECT_EQ(t.title, u"Classic");
  EXPECT_EQ(t.fontPointSize, 10);
  EXPECT_EQ(t.fontWeight, 0);
  EXPECT_EQ(t.fontItalic, 0);
  EXPECT_EQ(t.fontCharset, 1);
  EXPECT_EQ(t.fontFace, u"Courier");
  ASSERT_EQ(t.items.size(), 3u);

  const auto& button = t.items[0];
  EXPECT_EQ(button.style, DWORD{WS_CHILD | BS_DEFPUSHBUTTON});
  EXPECT_EQ((std::vector<short>{button.x, button.y, button.cx, button.cy}), (std::vector<short>{5, 6, 40, 14}));
  EXPECT_EQ(button.id, 0x1234u);
  EXPECT_EQ(button.className, u"Button");
  EXPECT_EQ(button.classAtom, 0x80);
  EXPECT_EQ(button.title, u"OK");
  EXPECT_FALSE(button.titleIsOrdinal);
  EXPECT_EQ(button.creationData, (std::vector<BYTE>{1, 2, 3, 4}));

  const auto& list = t.items[1];
  EXPECT_EQ(list.exStyle, DWORD{WS_EX_CLIENTEDGE});
  EXPECT_EQ(list.x, -1);
  EXPECT_EQ(list.className, u"SysListView32");
  EXPECT_EQ(list.classAtom, 0);
  EXPECT_TRUE(list.titleIsOrdinal);
  EXPECT_EQ(list.titleOrdinal, 42);
  EXPECT_TRUE(list.creationData.empty());

  EXPECT_TRUE(t.items[2].className.empty());
  EXPECT_EQ(t.items[2].classAtom, 0x99);
}

TEST(DialogTemplateTest, RejectsEveryTruncationAndBadCreationData) {
  std::vector<std::vector<BYTE>> templates = {ClassicTemplate(), ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_EXTENDED), RT_DIALOG)};
  ASSERT_FALSE(templates[1].empty());
  for (const std::vector<BYTE>& full : templates) {
    for (size_t size = 0; size < full.size(); ++size) {
      // An exact-size copy, so that reading past the end is caught by the sanitizer.
      const std::vector<BYTE> prefix(full.begin(), full.begin() + size);
      DialogTemplate t;
      t.title = u"untouched";
      EXPECT_FALSE(ParseDialogTemplate(prefix.data(), prefix.size(), &t)) << size;
      EXPECT_EQ(t.title, u"untouched");
    }
  }
  TemplateBuilder b;
  b.Dword(WS_POPUP).Dword(0).Word(1).Rectangle(0, 0, 1, 1).Word(0).Word(0).String(u"");
  b.AlignToDword().Dword(WS_CHILD).Dword(0).Rectangle(0, 0, 1, 1).Word(1).Ordinal(0x80).String(u"").Word(1);
  DialogTemplate t;
  EXPECT_FALSE(ParseDialogTemplate(b.bytes().data(), b.bytes().size(), &t));
  EXPECT_FALSE(ParseDialogTemplate(nullptr, 100, &t));
}

TEST(DialogTemplateTest, DialogExIsWrittenInTheDocumentedExtendedLayout) {
  TemplateBuilder b;
  b.Word(1).Word(0xFFFF).Dword(77).Dword(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT);
  b.Dword(WS_POPUP | WS_CAPTION | DS_SETFONT).Word(2).Rectangle(0, 0, 120, 60);
  b.Word(0).Word(0).String(u"日本").Word(8).Word(700).Byte(1).Byte(128).String(u"MS Shell Dlg");
  b.AlignToDword().Dword(55).Dword(WS_EX_STATICEDGE).Dword(kChildVisible | ES_LEFT | WS_BORDER | WS_TABSTOP | ES_NUMBER);
  b.Rectangle(1, 2, 3, 4).Dword(IDC_EDIT).Ordinal(0x81).String(u"").Word(0);
  b.AlignToDword().Dword(66).Dword(0).Dword(kChildVisible | SS_LEFT).Rectangle(-5, 6, 7, 8).Dword(0xFFFFFFFF);
  b.Ordinal(0x82).String(u"x").Word(0);
  const std::vector<BYTE> bytes = ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_EXTENDED), RT_DIALOG);
  EXPECT_EQ(bytes, b.bytes());

  DialogTemplate t;
  ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), &t));
  EXPECT_TRUE(t.extended);
  EXPECT_EQ(t.helpId, 77u);
  EXPECT_EQ(t.title, u"日本");
  EXPECT_EQ(t.fontWeight, 700);
  EXPECT_EQ(t.fontItalic, 1);
  EXPECT_EQ(t.fontCharset, 128);
  EXPECT_EQ(t.fontFace, u"MS Shell Dlg");
  ASSERT_EQ(t.items.size(), 2u);
  EXPECT_EQ(t.items[0].helpId, 55u);
  EXPECT_EQ(t.items[0].className, u"Edit");
  EXPECT_EQ(t.items[1].id, 0xFFFFFFFFu);
  EXPECT_EQ(t.items[1].x, -5);
  EXPECT_EQ(t.items[1].title, u"x");
}

struct ExpectedControl {
  const char* statement;
  DWORD id;
  const char16_t* className;
  DWORD style;
  const char16_t* title;  // null: the title is the ordinal IDI_APP
  short x, y, cx, cy;
  DWORD exStyle;
};

const ExpectedControl kEveryControl[] = {
    {"LTEXT", IDC_LTEXT, u"Static", kChildVisible | SS_LEFT | WS_GROUP, u"Left", 1, 2, 30, 8, 0},
    {"RTEXT + SS_NOTIFY", IDC_RTEXT, u"Static", kChildVisible | SS_RIGHT | WS_GROUP | SS_NOTIFY, u"Right", 1, 12, 30, 8, 0},
    {"CTEXT NOT WS_GROUP", IDC_CTEXT, u"Static", kChildVisible | SS_CENTER, u"Center", 1, 22, 30, 8, 0},
    {"PUSHBUTTON", IDC_PUSH, u"Button", kChildVisible | BS_PUSHBUTTON | WS_TABSTOP, u"Push", 40, 2, 50, 14, 0},
    {"DEFPUSHBUTTON", IDC_DEFPUSH, u"Button", kChildVisible | BS_DEFPUSHBUTTON | WS_TABSTOP, u"OK", 40, 18, 50, 14, 0},
    {"CHECKBOX", IDC_CHECK, u"Button", kChildVisible | BS_CHECKBOX | WS_TABSTOP, u"Check", 40, 34, 50, 10, 0},
    {"AUTOCHECKBOX NOT WS_TABSTOP", IDC_AUTOCHECK, u"Button", kChildVisible | BS_AUTOCHECKBOX, u"Auto check", 40, 46, 50, 10, 0},
    {"RADIOBUTTON + WS_GROUP", IDC_RADIO, u"Button", kChildVisible | BS_RADIOBUTTON | WS_GROUP, u"Radio", 40, 58, 50, 10, 0},
    {"AUTORADIOBUTTON", IDC_AUTORADIO, u"Button", kChildVisible | BS_AUTORADIOBUTTON, u"Auto radio", 40, 70, 50, 10, 0},
    {"STATE3", IDC_STATE3, u"Button", kChildVisible | BS_3STATE | WS_TABSTOP, u"Three", 40, 82, 50, 10, 0},
    {"AUTO3STATE", IDC_AUTO3STATE, u"Button", kChildVisible | BS_AUTO3STATE | WS_TABSTOP, u"Auto three", 40, 94, 50, 10, 0},
    {"GROUPBOX", IDC_GROUP, u"Button", kChildVisible | BS_GROUPBOX, u"Group", 100, 2, 90, 40, 0},
    {"EDITTEXT NOT WS_BORDER", IDC_EDIT, u"Edit", kChildVisible | ES_LEFT | WS_TABSTOP | ES_AUTOHSCROLL, u"", 100, 50, 90, 12, WS_EX_CLIENTEDGE},
    {"COMBOBOX", IDC_COMBO, u"ComboBox", kChildVisible | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, u"", 100, 64, 90, 60, 0},
    {"LISTBOX", IDC_LIST, u"ListBox", kChildVisible | kLbsNotify | WS_BORDER, u"", 100, 80, 90, 30, 0},
    {"SCROLLBAR", IDC_SCROLL, u"ScrollBar", kChildVisible, u"", 100, 112, 90, 8, 0},
    {"ICON", IDC_ICON, u"Static", kChildVisible | SS_ICON, nullptr, 5, 120, 0, 0, 0},
    {"CONTROL list view", IDC_LISTVIEW, u"SysListView32", kChildVisible | LVS_REPORT | WS_BORDER, u"", 1, 130, 60, 18, WS_EX_CLIENTEDGE},
    {"CONTROL wide class macro", IDC_DATE, u"SysDateTimePick32", kChildVisible, u"Date", 70, 130, 40, 12, 0},
    {"CONTROL \"button\"", IDC_GENERIC_BUTTON, u"Button", kChildVisible | BS_AUTOCHECKBOX | WS_TABSTOP, u"Generic", 120, 130, 40, 10, 0},
    {"CONTROL NOT WS_VISIBLE", IDC_PROGRESS, u"msctls_progress32", WS_CHILD, u"", 165, 130, 30, 8, 0},
    {"COMBOBOX of another type", IDC_DROPDOWN, u"ComboBox", kChildVisible | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_TABSTOP, u"", 100, 140, 90, 60, 0},
};

TEST(DialogTemplateTest, EveryControlStatementReadsBackWithItsDefaults) {
  const std::vector<BYTE> bytes = ResourceBytes(nullptr, MAKEINTRESOURCEW(IDD_EVERY_CONTROL), RT_DIALOG);
  DialogTemplate t;
  ASSERT_TRUE(ParseDialogTemplate(bytes.data(), bytes.size(), &t));
  EXPECT_TRUE(t.extended);
  EXPECT_EQ(t.style, DWORD{DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT});
  EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{10, 20, 200, 150}));
  EXPECT_EQ(t.title, u"Every \"control\"");
  EXPECT_EQ(t.fontPointSize, 9);
  EXPECT_EQ(t.fontFace, u"Tahoma");
  EXPECT_EQ(t.fontWeight, 0);
  EXPECT_EQ(t.fontItalic, 0);
  EXPECT_EQ(t.fontCharset, 1);
  EXPECT_TRUE(t.menuIsOrdinal);
  EXPECT_EQ(t.menuOrdinal, IDM_MAIN);
  EXPECT_EQ(t.className, u"SurveyDialog");
  ASSERT_EQ(t.items.size(), std::size(kEveryControl));
  for (size_t i = 0; i < t.items.size(); ++i) {
    const ExpectedControl& want = kEveryControl[i];
    const auto& item = t.items[i];
    SCOPED_TRACE(want.statement);
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.className, want.className);
    EXPECT_EQ(item.style, want.style);
    EXPECT_EQ(item.exStyle, want.exStyle);
    EXPECT_EQ((std::vector<short>{item.x, item.y, item.cx, item.cy}), (std::vector<short>{want.x, want.y, want.cx, want.cy}));
    EXPECT_EQ(item.titleIsOrdinal, want.title == nullptr);
    EXPECT_EQ(item.title, want.title ? want.title : u"");
    EXPECT_EQ(item.titleOrdinal, want.title ? 0 : IDI_APP);
  }
  EXPECT_EQ(t.items[19].classAtom, 0x80);  // "button" in any case is the predefined atom
}

}  // namespace
