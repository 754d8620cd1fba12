// The token cursor of the resource compiler and the common pieces of
// statements; see parser.h.
#include "parser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "utf.h"

namespace rcc {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

constexpr std::array<std::string_view, 9> kMemoryOptions = {
    "PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE", "PURE", "IMPURE", "SHARED", "NONSHARED"};

}  // namespace

Parser::Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {
  if (tokens_.empty() || tokens_.back().kind != TokenKind::End) tokens_.emplace_back();
}

const Token& Parser::Peek(size_t ahead) const { return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)]; }

const Token& Parser::Next() {
  const Token& token = Peek();
  if (pos_ < tokens_.size() - 1) ++pos_;
  return token;
}

void Parser::Fail(const std::string& message) const { throw CompileError(Where(), message); }

std::string Parser::Show(const Token& token) {
  switch (token.kind) {
    case TokenKind::End: return "end of file";
    case TokenKind::String: return "a string";
    case TokenKind::Number: return "'" + std::to_string(token.number) + "'";
    default: return "'" + token.text + "'";
  }
}

bool Parser::AtKeyword(std::string_view keyword, size_t ahead) const {
  const Token& token = Peek(ahead);
  return token.kind == TokenKind::Identifier && EqualsIgnoringCase(token.text, keyword);
}

bool Parser::AcceptKeyword(std::string_view keyword) {
  if (!AtKeyword(keyword)) return false;
  Next();
  return true;
}

bool Parser::AtPunct(char c) const { return Peek().kind == TokenKind::Punct && Peek().text[0] == c; }

bool Parser::AcceptPunct(char c) {
  if (!AtPunct(c)) return false;
  Next();
  return true;
}

void Parser::ExpectPunct(char c) {
  if (!AcceptPunct(c)) Fail(std::string("expected '") + c + "', found " + Show(Peek()));
}

bool Parser::AtBlockBegin() const { return AtKeyword("BEGIN") || AtPunct('{'); }

void Parser::ExpectBlockBegin() {
  if (!AcceptKeyword("BEGIN") && !AcceptPunct('{')) Fail("expected BEGIN, found " + Show(Peek()));
}

bool Parser::AcceptBlockEnd() {
  if (AtEnd()) Fail("missing END");
  return AcceptKeyword("END") || AcceptPunct('}');
}

bool Parser::AtExpression() const {
  return Peek().kind == TokenKind::Number || AtPunct('(') || AtPunct('-') || AtPunct('~') || AtKeyword("NOT");
}

Value Parser::Expression() {
  Value result;
  result.value = OrExpression(&result.isLong);
  return result;
}

uint32_t Parser::OrExpression(bool* isLong) {
  uint32_t value = AndExpression(isLong);
  while (AcceptPunct('|')) value |= AndExpression(isLong);
  return value;
}

uint32_t Parser::AndExpression(bool* isLong) {
  uint32_t value = AddExpression(isLong);
  while (AcceptPunct('&')) value &= AddExpression(isLong);
  return value;
}

uint32_t Parser::AddExpression(bool* isLong) {
  uint32_t value = UnaryExpression(isLong);
  for (;;) {
    if (AcceptPunct('+')) {
      value += UnaryExpression(isLong);
    } else if (AcceptPunct('-')) {
      value -= UnaryExpression(isLong);
    } else {
      return value;
    }
  }
}

uint32_t Parser::UnaryExpression(bool* isLong) {
  if (AcceptPunct('-')) return 0u - UnaryExpression(isLong);
  if (AcceptPunct('~') || AcceptKeyword("NOT")) return ~UnaryExpression(isLong);
  if (AcceptPunct('(')) {
    const uint32_t value = OrExpression(isLong);
    ExpectPunct(')');
    return value;
  }
  const Token& token = Peek();
  if (token.kind == TokenKind::Identifier) {
    Fail("expected a number, found '" + token.text + "' (is the header that defines it included?)");
  }
  if (token.kind != TokenKind::Number) Fail("expected a number, found " + Show(token));
  Next();
  *isLong = *isLong || token.isLong;
  return token.number;
}

uint32_t Parser::Style(uint32_t base) {
  uint32_t style = base;
  do {
    const bool clear = AcceptKeyword("NOT");
    bool isLong = false;
    const uint32_t term = AndExpression(&isLong);
    style = clear ? style & ~term : style | term;
  } while (AcceptPunct('|'));
  return style;
}

ResourceId Parser::Name() {
  ResourceId id;
  if (AtString()) {
    id.name = UpperCased(Text());
    if (id.name.empty()) Fail("a resource name cannot be empty");
  } else if (Peek().kind == TokenKind::Identifier) {
    id.name = UpperCased(std::u16string(Peek().text.begin(), Peek().text.end()));
    Next();
  } else if (AtExpression()) {
    id.ordinal = Word();
  } else {
    Fail("expected a name or number, found " + Show(Peek()));
  }
  return id;
}

std::u16string Parser::Text() {
  if (!AtString()) Fail("expected a string, found " + Show(Peek()));
  const Token& token = Next();
  if (token.wide) return token.wideText;
  std::optional<std::u16string> text = Utf16FromUtf8(token.text);
  if (!text) throw CompileError(token.where, "string is not valid UTF-8");
  return *text;
}

std::string Parser::NarrowString() {
  if (!AtString() || Peek().wide) Fail("expected a file name in a narrow string, found " + Show(Peek()));
  return Next().text;
}

void Parser::SkipMemoryOptions() {
  for (bool skipped = true; skipped;) {
    skipped = false;
    for (std::string_view option : kMemoryOptions) skipped = skipped || AcceptKeyword(option);
  }
}

uint16_t Parser::LanguagePair() {
  const uint16_t primary = Word();
  ExpectComma();
  const uint16_t sub = Word();
  return static_cast<uint16_t>((sub << 10) | (primary & 0x3FF));
}

bool Parser::AcceptCommonOption(uint16_t* language) {
  if (AcceptKeyword("LANGUAGE")) {
    *language = LanguagePair();
  } else if (AcceptKeyword("CHARACTERISTICS") || AcceptKeyword("VERSION")) {
    Number();
  } else {
    return false;
  }
  return true;
}

}  // namespace rcc
