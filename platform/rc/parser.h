// The token cursor of the resource compiler and the pieces every statement is
// made of: numeric expressions (+ - | & ~ NOT, parentheses, unary minus; an L
// suffix anywhere makes the value a DWORD in raw data), style expressions
// where "NOT X" removes X from the default, resource names (numbers are
// ordinals, identifiers and strings upper-cased string names), text, and the
// optional statements shared by several resources.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexer.h"
#include "script.h"

namespace rcc {

struct Value {
  uint32_t value = 0;
  bool isLong = false;
};

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens);

  const Token& Peek(size_t ahead = 0) const;
  const Token& Next();
  bool AtEnd() const { return Peek().kind == TokenKind::End; }
  Location Where() const { return Peek().where; }
  [[noreturn]] void Fail(const std::string& message) const;

  // Keywords are identifiers compared without regard to case.
  bool AtKeyword(std::string_view keyword, size_t ahead = 0) const;
  bool AcceptKeyword(std::string_view keyword);
  bool AtPunct(char c) const;
  bool AcceptPunct(char c);
  void ExpectPunct(char c);
  void ExpectComma() { ExpectPunct(','); }
  bool AtString() const { return Peek().kind == TokenKind::String; }

  // BEGIN or {, END or }.
  bool AtBlockBegin() const;
  void ExpectBlockBegin();
  bool AcceptBlockEnd();

  bool AtExpression() const;
  Value Expression();
  uint32_t Number() { return Expression().value; }
  uint16_t Word() { return static_cast<uint16_t>(Number()); }
  // A style: base OR-ed with the terms, "NOT term" clearing bits instead.
  uint32_t Style(uint32_t base);

  // A number (ordinal), an identifier or a string (upper-cased string name).
  ResourceId Name();
  // A string literal as UTF-16 (narrow strings are UTF-8).
  std::u16string Text();
  // A narrow string literal's bytes (file names).
  std::string NarrowString();

  // PRELOAD, DISCARDABLE and the other memory options, which mean nothing here.
  void SkipMemoryOptions();
  // LANGUAGE, CHARACTERISTICS or VERSION before a resource's body; false when
  // the next token is none of them. LANGUAGE sets *language.
  bool AcceptCommonOption(uint16_t* language);
  // The "primary, sub" pair after the LANGUAGE keyword.
  uint16_t LanguagePair();

  static std::string Show(const Token& token);

 private:
  uint32_t OrExpression(bool* isLong);
  uint32_t AndExpression(bool* isLong);
  uint32_t AddExpression(bool* isLong);
  uint32_t UnaryExpression(bool* isLong);

  std::vector<Token> tokens_;
  size_t pos_ = 0;
};

}  // namespace rcc
