// DIALOG and DIALOGEX statements. Both are written in the extended layout
// (DLGTEMPLATEEX with DLGITEMTEMPLATEEX items: dlgVer 1, signature 0xFFFF),
// which the dialog manager reads alongside the classic one; a plain DIALOG
// simply has help ids and extended styles of 0 unless it gives them.
// Styles follow the platform's compiler: the dialog defaults to
// WS_POPUP | WS_BORDER | WS_SYSMENU when it has no STYLE, CAPTION adds
// WS_CAPTION and FONT adds DS_SETFONT; each control is WS_CHILD | WS_VISIBLE
// plus the defaults of its statement, a given style is OR-ed in and "NOT X"
// removes X. FONT without weight, italic or charset writes 0, 0 and
// DEFAULT_CHARSET (1).
#include <optional>
#include <variant>

#include "byte_writer.h"
#include "statements.h"
#include "utf.h"

namespace rcc {

namespace {

constexpr uint32_t kWsPopup = 0x80000000;
constexpr uint32_t kWsChild = 0x40000000;
constexpr uint32_t kWsVisible = 0x10000000;
constexpr uint32_t kWsCaption = 0x00C00000;
constexpr uint32_t kWsBorder = 0x00800000;
constexpr uint32_t kWsSysMenu = 0x00080000;
constexpr uint32_t kWsGroup = 0x00020000;
constexpr uint32_t kWsTabStop = 0x00010000;
constexpr uint32_t kDsSetFont = 0x40;
constexpr uint32_t kSsLeft = 0x0, kSsCenter = 0x1, kSsRight = 0x2, kSsIcon = 0x3;
constexpr uint32_t kBsPushButton = 0x0, kBsDefPushButton = 0x1, kBsCheckBox = 0x2, kBsAutoCheckBox = 0x3,
                   kBsRadioButton = 0x4, kBs3State = 0x5, kBsAuto3State = 0x6, kBsGroupBox = 0x7,
                   kBsAutoRadioButton = 0x9;
constexpr uint32_t kEsLeft = 0x0, kCbsSimple = 0x1, kCbsTypeMask = 0x3, kLbsNotify = 0x1, kSbsHorz = 0x0;
constexpr uint8_t kDefaultCharset = 1;

enum ClassAtom : uint16_t { kButton = 0x80, kEdit, kStatic, kListBox, kScrollBar, kComboBox };

struct PredefinedClass {
  std::u16string_view upperName;
  uint16_t atom;
};
constexpr PredefinedClass kPredefinedClasses[] = {
    {u"BUTTON", kButton},       {u"EDIT", kEdit},           {u"STATIC", kStatic},
    {u"LISTBOX", kListBox},     {u"SCROLLBAR", kScrollBar}, {u"COMBOBOX", kComboBox},
};

// The argument list of a control statement.
enum class Shape {
  Text,    // "text", id, x, y, cx, cy [, style [, exstyle [, helpID]]]
  NoText,  // id, x, y, cx, cy [, style [, exstyle [, helpID]]]
  Icon,    // name, id, x, y [, cx, cy [, style [, exstyle [, helpID]]]]
};

struct ControlStatement {
  std::string_view keyword;
  uint16_t atom;
  uint32_t style;  // besides WS_CHILD | WS_VISIBLE
  Shape shape;
};
constexpr ControlStatement kControlStatements[] = {
    {"LTEXT", kStatic, kSsLeft | kWsGroup, Shape::Text},
    {"RTEXT", kStatic, kSsRight | kWsGroup, Shape::Text},
    {"CTEXT", kStatic, kSsCenter | kWsGroup, Shape::Text},
    {"PUSHBUTTON", kButton, kBsPushButton | kWsTabStop, Shape::Text},
    {"DEFPUSHBUTTON", kButton, kBsDefPushButton | kWsTabStop, Shape::Text},
    {"CHECKBOX", kButton, kBsCheckBox | kWsTabStop, Shape::Text},
    {"AUTOCHECKBOX", kButton, kBsAutoCheckBox | kWsTabStop, Shape::Text},
    {"RADIOBUTTON", kButton, kBsRadioButton, Shape::Text},
    {"AUTORADIOBUTTON", kButton, kBsAutoRadioButton, Shape::Text},
    {"STATE3", kButton, kBs3State | kWsTabStop, Shape::Text},
    {"AUTO3STATE", kButton, kBsAuto3State | kWsTabStop, Shape::Text},
    {"GROUPBOX", kButton, kBsGroupBox, Shape::Text},
    {"EDITTEXT", kEdit, kEsLeft | kWsBorder | kWsTabStop, Shape::NoText},
    {"COMBOBOX", kComboBox, kCbsSimple | kWsTabStop, Shape::NoText},
    {"LISTBOX", kListBox, kLbsNotify | kWsBorder, Shape::NoText},
    {"SCROLLBAR", kScrollBar, kSbsHorz, Shape::NoText},
    {"ICON", kStatic, kSsIcon, Shape::Icon},
};

// A string or an ordinal (0xFFFF, n) in a template; an empty string is "none".
using TemplateId = std::variant<std::u16string, uint16_t>;

struct Control {
  uint32_t helpId = 0;
  uint32_t exStyle = 0;
  uint32_t style = 0;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  uint32_t id = 0;
  TemplateId windowClass;
  TemplateId text;
};

struct Font {
  uint16_t pointSize = 0;
  uint16_t weight = 0;
  uint8_t italic = 0;
  uint8_t charset = kDefaultCharset;
  std::u16string face;
};

struct Dialog {
  uint32_t helpId = 0;
  uint32_t exStyle = 0;
  std::optional<uint32_t> style;
  int16_t x = 0, y = 0, cx = 0, cy = 0;
  TemplateId menu;
  TemplateId windowClass;
  std::optional<std::u16string> caption;
  std::optional<Font> font;
  std::vector<Control> controls;
};

int16_t Coordinate(Parser& parser) { return static_cast<int16_t>(parser.Word()); }

TemplateId FromResourceId(const ResourceId& id) {
  if (id.IsOrdinal()) return id.ordinal;
  return id.name;
}

// Control text: a string, or a resource name (ICON, SS_ICON statics).
TemplateId ControlText(Parser& parser) {
  if (parser.AtString()) return parser.Text();
  return FromResourceId(parser.Name());
}

TemplateId ClassFromName(std::u16string name) {
  const std::u16string upper = UpperCased(name);
  for (const PredefinedClass& predefined : kPredefinedClasses) {
    if (predefined.upperName == upper) return predefined.atom;
  }
  return name;
}

// CONTROL's class: a string, an identifier or an atom number.
TemplateId ControlClass(Parser& parser) {
  if (parser.AtString()) return ClassFromName(parser.Text());
  if (parser.Peek().kind == TokenKind::Identifier) {
    const std::string& text = parser.Next().text;
    return ClassFromName(std::u16string(text.begin(), text.end()));
  }
  return parser.Word();
}

void ReadRectangle(Parser& parser, Control* control) {
  control->x = Coordinate(parser);
  parser.ExpectComma();
  control->y = Coordinate(parser);
  parser.ExpectComma();
  control->cx = Coordinate(parser);
  parser.ExpectComma();
  control->cy = Coordinate(parser);
}

// [, exstyle [, helpID]] after a control's style.
void ReadExtendedArguments(Parser& parser, Control* control) {
  if (!parser.AcceptPunct(',')) return;
  control->exStyle = parser.Style(0);
  if (parser.AcceptPunct(',')) control->helpId = parser.Number();
}

Control GenericControl(Parser& parser) {
  Control control;
  control.text = ControlText(parser);
  parser.ExpectComma();
  control.id = parser.Number();
  parser.ExpectComma();
  control.windowClass = ControlClass(parser);
  parser.ExpectComma();
  control.style = parser.Style(kWsChild | kWsVisible);
  parser.ExpectComma();
  ReadRectangle(parser, &control);
  ReadExtendedArguments(parser, &control);
  return control;
}

Control StatementControl(Parser& parser, const ControlStatement& statement) {
  Control control;
  control.windowClass = statement.atom;
  if (statement.shape != Shape::NoText) {
    control.text = ControlText(parser);
    parser.ExpectComma();
  }
  control.id = parser.Number();
  parser.ExpectComma();
  if (statement.shape == Shape::Icon) {
    control.x = Coordinate(parser);
    parser.ExpectComma();
    control.y = Coordinate(parser);
    if (parser.AcceptPunct(',')) {
      control.cx = Coordinate(parser);
      parser.ExpectComma();
      control.cy = Coordinate(parser);
    }
  } else {
    ReadRectangle(parser, &control);
  }
  // A combo box's type is one value, not a bit: a given type replaces the
  // default simple one instead of being or-ed into it.
  const bool comboBox = statement.atom == kComboBox;
  control.style = kWsChild | kWsVisible | (comboBox ? statement.style & ~kCbsTypeMask : statement.style);
  if (parser.AcceptPunct(',')) {
    control.style = parser.Style(control.style);
    ReadExtendedArguments(parser, &control);
  }
  if (comboBox && (control.style & kCbsTypeMask) == 0) control.style |= kCbsSimple;
  return control;
}

Control ReadControl(Parser& parser) {
  if (parser.AcceptKeyword("CONTROL")) return GenericControl(parser);
  for (const ControlStatement& statement : kControlStatements) {
    if (parser.AcceptKeyword(statement.keyword)) return StatementControl(parser, statement);
  }
  parser.Fail("unknown control statement " + Parser::Show(parser.Peek()));
}

Font ReadFont(Parser& parser) {
  Font font;
  font.pointSize = parser.Word();
  parser.ExpectComma();
  font.face = parser.Text();
  if (parser.AcceptPunct(',')) {
    font.weight = parser.Word();
    if (parser.AcceptPunct(',')) {
      font.italic = static_cast<uint8_t>(parser.Number());
      if (parser.AcceptPunct(',')) font.charset = static_cast<uint8_t>(parser.Number());
    }
  }
  return font;
}

// STYLE, EXSTYLE, CAPTION, FONT, CLASS, MENU and the common options; false at BEGIN.
bool ReadDialogOption(Parser& parser, Dialog* dialog, uint16_t* language) {
  if (parser.AtBlockBegin()) return false;
  if (parser.AcceptKeyword("STYLE")) {
    dialog->style = parser.Style(0);
  } else if (parser.AcceptKeyword("EXSTYLE")) {
    dialog->exStyle = parser.Style(0);
  } else if (parser.AcceptKeyword("CAPTION")) {
    dialog->caption = parser.Text();
  } else if (parser.AcceptKeyword("FONT")) {
    dialog->font = ReadFont(parser);
  } else if (parser.AcceptKeyword("CLASS")) {
    dialog->windowClass = parser.AtString() ? TemplateId(parser.Text()) : TemplateId(parser.Word());
  } else if (parser.AcceptKeyword("MENU")) {
    dialog->menu = FromResourceId(parser.Name());
  } else if (!parser.AcceptCommonOption(language)) {
    parser.Fail("unknown dialog statement " + Parser::Show(parser.Peek()));
  }
  return true;
}

void WriteTemplateId(ByteWriter& out, const TemplateId& id) {
  if (const auto* ordinal = std::get_if<uint16_t>(&id)) {
    out.Word(0xFFFF);
    out.Word(*ordinal);
  } else {
    out.Utf16(std::get<std::u16string>(id), true);
  }
}

void WriteRectangle(ByteWriter& out, int16_t x, int16_t y, int16_t cx, int16_t cy) {
  for (int16_t value : {x, y, cx, cy}) out.Word(static_cast<uint16_t>(value));
}

std::vector<uint8_t> LayOut(const Dialog& dialog, uint32_t style) {
  ByteWriter out;
  out.Word(1);
  out.Word(0xFFFF);
  out.Dword(dialog.helpId);
  out.Dword(dialog.exStyle);
  out.Dword(style);
  out.Word(static_cast<uint16_t>(dialog.controls.size()));
  WriteRectangle(out, dialog.x, dialog.y, dialog.cx, dialog.cy);
  WriteTemplateId(out, dialog.menu);
  WriteTemplateId(out, dialog.windowClass);
  out.Utf16(dialog.caption.value_or(u""), true);
  if (dialog.font) {
    out.Word(dialog.font->pointSize);
    out.Word(dialog.font->weight);
    out.Byte(dialog.font->italic);
    out.Byte(dialog.font->charset);
    out.Utf16(dialog.font->face, true);
  }
  for (const Control& control : dialog.controls) {
    out.AlignTo(4);
    out.Dword(control.helpId);
    out.Dword(control.exStyle);
    out.Dword(control.style);
    WriteRectangle(out, control.x, control.y, control.cx, control.cy);
    out.Dword(control.id);
    WriteTemplateId(out, control.windowClass);
    WriteTemplateId(out, control.text);
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace

void CompileDialog(CompileContext& context, const ResourceHeader& header) {
  Parser& parser = context.parser;
  Dialog dialog;
  parser.SkipMemoryOptions();
  dialog.x = Coordinate(parser);
  parser.ExpectComma();
  dialog.y = Coordinate(parser);
  parser.ExpectComma();
  dialog.cx = Coordinate(parser);
  parser.ExpectComma();
  dialog.cy = Coordinate(parser);
  if (parser.AcceptPunct(',')) dialog.helpId = parser.Number();

  uint16_t language = context.script.defaultLanguage;
  while (ReadDialogOption(parser, &dialog, &language)) {
  }
  parser.ExpectBlockBegin();
  while (!parser.AcceptBlockEnd()) dialog.controls.push_back(ReadControl(parser));
  if (dialog.controls.size() > 0xFFFF) throw CompileError(header.where, "a dialog holds at most 65535 controls");

  uint32_t style = dialog.style.value_or(kWsPopup | kWsBorder | kWsSysMenu);
  if (dialog.caption) style |= kWsCaption;
  if (dialog.font) style |= kDsSetFont;
  if ((style & kDsSetFont) && !dialog.font) throw CompileError(header.where, "DS_SETFONT needs a FONT statement");

  Resource resource;
  resource.type.ordinal = kRtDialog;
  resource.name = header.name;
  resource.language = language;
  resource.data = LayOut(dialog, style);
  context.script.Add(header.where, std::move(resource));
}

}  // namespace rcc
