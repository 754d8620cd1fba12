// TOOLBAR (RT_TOOLBAR: WORD version 1, button width, height, count, then a
// WORD command id per button, 0 for a separator) and STRINGTABLE (strings go
// into the script's blocks of 16, see script.h).
#include "byte_writer.h"
#include "statements.h"

namespace rcc {

void CompileToolbar(CompileContext& context, const ResourceHeader& header) {
  Parser& parser = context.parser;
  parser.SkipMemoryOptions();
  const uint16_t width = parser.Word();
  parser.ExpectComma();
  const uint16_t height = parser.Word();
  uint16_t language = context.script.defaultLanguage;
  while (parser.AcceptCommonOption(&language)) {
  }
  parser.ExpectBlockBegin();
  std::vector<uint16_t> buttons;
  while (!parser.AcceptBlockEnd()) {
    if (parser.AcceptKeyword("BUTTON")) {
      buttons.push_back(parser.Word());
    } else if (parser.AcceptKeyword("SEPARATOR")) {
      buttons.push_back(0);
    } else {
      parser.Fail("expected BUTTON or SEPARATOR in a toolbar, found " + Parser::Show(parser.Peek()));
    }
  }
  ByteWriter out;
  for (uint16_t value : {uint16_t{1}, width, height, static_cast<uint16_t>(buttons.size())}) out.Word(value);
  for (uint16_t id : buttons) out.Word(id);

  Resource resource;
  resource.type.ordinal = kRtToolbar;
  resource.name = header.name;
  resource.language = language;
  resource.data = out.Take();
  context.script.Add(header.where, std::move(resource));
}

void CompileStringTable(CompileContext& context) {
  Parser& parser = context.parser;
  uint16_t language = context.script.defaultLanguage;
  for (;;) {
    parser.SkipMemoryOptions();
    if (!parser.AcceptCommonOption(&language)) break;
  }
  parser.ExpectBlockBegin();
  while (!parser.AcceptBlockEnd()) {
    const Location where = parser.Where();
    const uint16_t id = parser.Word();
    parser.AcceptPunct(',');
    context.script.AddString(where, language, id, parser.Text());
  }
}

}  // namespace rcc
