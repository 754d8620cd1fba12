// The top level of a resource script: LANGUAGE, STRINGTABLE and the
// "name TYPE ..." resource statements, dispatched to their compilers.
// Resource kinds this compiler does not build (MENU, ACCELERATORS, ...) are
// reported as errors rather than taken for user-defined types.
#include <array>

#include "statements.h"
#include "utf.h"

namespace rcc {

namespace {

struct TypeStatement {
  std::string_view keyword;
  void (*compile)(CompileContext&, const ResourceHeader&);
};
constexpr TypeStatement kTypeStatements[] = {
    {"DIALOG", CompileDialog}, {"DIALOGEX", CompileDialog}, {"TOOLBAR", CompileToolbar},
    {"BITMAP", CompileBitmap}, {"ICON", CompileIcon},
};

constexpr std::array<std::string_view, 9> kUnsupportedTypes = {
    "MENU", "MENUEX", "ACCELERATORS", "VERSIONINFO", "CURSOR", "MESSAGETABLE", "DLGINIT", "HTML", "FONT"};

bool IsNameToken(const Token& token) { return token.kind == TokenKind::Identifier || token.kind == TokenKind::Number; }

void CompileResource(CompileContext& context, const ResourceHeader& header) {
  Parser& parser = context.parser;
  const Token& type = parser.Peek();
  if (type.kind == TokenKind::Number) {
    parser.Next();
    return CompileData(context, header, ResourceId{static_cast<uint16_t>(type.number), {}});
  }
  if (type.kind != TokenKind::Identifier) parser.Fail("expected a resource type, found " + Parser::Show(type));
  for (const TypeStatement& statement : kTypeStatements) {
    if (parser.AcceptKeyword(statement.keyword)) return statement.compile(context, header);
  }
  if (parser.AcceptKeyword("RCDATA")) return CompileData(context, header, ResourceId{kRtRcdata, {}});
  for (std::string_view unsupported : kUnsupportedTypes) {
    if (parser.AtKeyword(unsupported)) parser.Fail(std::string(unsupported) + " resources are not supported");
  }
  parser.Next();
  CompileData(context, header, ResourceId{0, UpperCased(std::u16string(type.text.begin(), type.text.end()))});
}

void CompileStatement(CompileContext& context) {
  Parser& parser = context.parser;
  if (parser.AcceptKeyword("LANGUAGE")) {
    context.script.defaultLanguage = parser.LanguagePair();
    return;
  }
  if (parser.AcceptKeyword("STRINGTABLE")) return CompileStringTable(context);
  const Token& first = parser.Peek();
  if (first.kind == TokenKind::Identifier && !IsNameToken(parser.Peek(1))) {
    parser.Fail("unknown statement '" + first.text + "'");
  }
  ResourceHeader header;
  header.where = parser.Where();
  header.name = parser.Name();
  CompileResource(context, header);
}

}  // namespace

void CompileScript(std::string_view text, const std::string& fileName, const std::string& baseDir, Script* script) {
  Parser parser(Tokenize(text, fileName));
  CompileContext context{parser, *script, baseDir};
  while (!parser.AtEnd()) CompileStatement(context);
}

}  // namespace rcc
