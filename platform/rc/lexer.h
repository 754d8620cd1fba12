// Splits a preprocessed resource script into tokens: numbers with their
// suffixes, identifiers, string literals with their escapes, punctuation.
// Line markers left by the preprocessor ("# 12 "file.rc"") keep the locations
// pointing at the original files; #pragma lines (code_page, pack) are skipped.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"

namespace rcc {

enum class TokenKind { Number, Identifier, String, Punct, End };

struct Token {
  TokenKind kind = TokenKind::End;
  Location where;
  // Identifier text, the punctuation character, or a narrow string's bytes.
  std::string text;
  // A number's value; isLong when it carries an L suffix.
  uint32_t number = 0;
  bool isLong = false;
  // A wide string (L"..." or u"...") as UTF-16 units.
  bool wide = false;
  std::u16string wideText;
};

// Throws CompileError on malformed input (unterminated strings, stray
// characters, directives the preprocessor should have handled).
std::vector<Token> Tokenize(std::string_view source, const std::string& fileName);

}  // namespace rcc
