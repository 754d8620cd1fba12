// Splits a preprocessed resource script into tokens; see lexer.h.
#include "lexer.h"

#include <cctype>

#include "utf.h"

namespace rcc {

namespace {

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Lexer {
 public:
  Lexer(std::string_view source, const std::string& fileName) : source_(source) {
    where_.file = fileName;
    where_.line = 1;
    if (source_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    bool lineStart = true;
    while (pos_ < source_.size()) {
      const char c = source_[pos_];
      if (c == '\n') {
        ++pos_, ++where_.line, lineStart = true;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        ++pos_;
      } else if (c == '#' && lineStart) {
        Directive();
      } else if (SkipComment()) {
        continue;
      } else {
        lineStart = false;
        tokens.push_back(NextToken());
      }
    }
    Token end;
    end.where = where_;
    tokens.push_back(end);
    return tokens;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw CompileError(where_, message); }

  char At(size_t offset) const { return pos_ + offset < source_.size() ? source_[pos_ + offset] : '\0'; }

  std::string_view RestOfLine() {
    const size_t end = source_.find('\n', pos_);
    const size_t stop = end == std::string_view::npos ? source_.size() : end;
    std::string_view line = source_.substr(pos_, stop - pos_);
    pos_ = stop;
    return line;
  }

  bool SkipComment() {
    if (At(0) == '/' && At(1) == '/') {
      RestOfLine();
      return true;
    }
    if (At(0) != '/' || At(1) != '*') return false;
    const int startLine = where_.line;
    pos_ += 2;
    while (pos_ < source_.size() && !(At(0) == '*' && At(1) == '/')) {
      if (source_[pos_++] == '\n') ++where_.line;
    }
    if (pos_ >= source_.size()) throw CompileError({where_.file, startLine}, "unterminated comment");
    pos_ += 2;
    return true;
  }

  // "# 12 "file" flags", "#line 12 "file"" and "#pragma ..." lines.
  void Directive() {
    const Location directiveAt = where_;
    std::string_view line = RestOfLine();
    size_t i = 1;
    auto skipSpaces = [&] {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    };
    skipSpaces();
    auto wordAt = [&](std::string_view word) { return line.substr(i, word.size()) == word; };
    if (wordAt("pragma")) return;
    if (wordAt("line")) i += 4, skipSpaces();
    if (i >= line.size() || !IsDigit(line[i])) {
      const size_t wordEnd = line.find_first_of(" \t", i);
      throw CompileError(directiveAt, "unexpected preprocessor directive '#" +
                                          std::string(line.substr(i, wordEnd - i)) +
                                          "'; the script must be run through the preprocessor first");
    }
    int lineNumber = 0;
    while (i < line.size() && IsDigit(line[i])) lineNumber = lineNumber * 10 + (line[i++] - '0');
    skipSpaces();
    if (i < line.size() && line[i] == '"') where_.file = MarkerFileName(line.substr(i + 1));
    // The newline ending the directive moves to the marked line.
    where_.line = lineNumber - 1;
  }

  static std::string MarkerFileName(std::string_view quoted) {
    std::string name;
    for (size_t i = 0; i < quoted.size() && quoted[i] != '"'; ++i) {
      if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
      name.push_back(quoted[i]);
    }
    return name;
  }

  Token NextToken() {
    Token token;
    token.where = where_;
    const char c = At(0);
    if ((c == 'L' || c == 'u') && At(1) == '"') {
      ++pos_;
      StringLiteral(true, &token);
    } else if (c == '"') {
      StringLiteral(false, &token);
    } else if (IsDigit(c)) {
      NumberLiteral(&token);
    } else if (IsIdentifierStart(c)) {
      token.kind = TokenKind::Identifier;
      while (IsIdentifierChar(At(0))) token.text.push_back(source_[pos_++]);
    } else if (std::string_view(",|&+-~(){}").find(c) != std::string_view::npos) {
      token.kind = TokenKind::Punct;
      token.text = std::string(1, c);
      ++pos_;
    } else {
      Fail(std::string("unexpected character '") + c + "'");
    }
    return token;
  }

  void NumberLiteral(Token* token) {
    token->kind = TokenKind::Number;
    uint64_t value = 0;
    const bool hex = At(0) == '0' && (At(1) == 'x' || At(1) == 'X');
    if (hex) {
      pos_ += 2;
      if (HexValue(At(0)) < 0) Fail("malformed number: '0x' needs hex digits");
      while (HexValue(At(0)) >= 0) value = Accumulate(value, 16, HexValue(source_[pos_++]));
    } else {
      while (IsDigit(At(0))) value = Accumulate(value, 10, source_[pos_++] - '0');
    }
    while (std::string_view("uUlL").find(At(0)) != std::string_view::npos) {
      if (At(0) == 'l' || At(0) == 'L') token->isLong = true;
      ++pos_;
    }
    if (IsIdentifierChar(At(0))) Fail(std::string("malformed number: unexpected '") + At(0) + "'");
    token->number = static_cast<uint32_t>(value);
  }

  uint64_t Accumulate(uint64_t value, int base, int digit) const {
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) Fail("number does not fit in 32 bits");
    return value;
  }

  // Reads the string whose opening quote is at pos_; "" is an embedded quote.
  void StringLiteral(bool wide, Token* token) {
    token->kind = TokenKind::String;
    token->wide = wide;
    const Location start = where_;
    ++pos_;
    for (;;) {
      if (pos_ >= source_.size() || At(0) == '\n') throw CompileError(start, "unterminated string");
      const char c = source_[pos_];
      if (c == '"' && At(1) == '"') {
        AppendUnit(token, '"');
        pos_ += 2;
      } else if (c == '"') {
        ++pos_;
        return;
      } else if (c == '\\') {
        Escape(token);
      } else if (wide) {
        char32_t codePoint = 0;
        if (!DecodeUtf8(source_, &pos_, &codePoint)) Fail("string is not valid UTF-8");
        AppendUtf16(codePoint, &token->wideText);
      } else {
        token->text.push_back(c);
        ++pos_;
      }
    }
  }

  static void AppendUnit(Token* token, uint32_t unit) {
    if (token->wide) {
      token->wideText.push_back(static_cast<char16_t>(unit));
    } else {
      token->text.push_back(static_cast<char>(unit));
    }
  }

  // The escape whose backslash is at pos_. Unknown escapes keep the backslash,
  // so that file names such as "res\app.ico" survive.
  void Escape(Token* token) {
    const char c = At(1);
    pos_ += 2;
    switch (c) {
      case 'n': return AppendUnit(token, '\n');
      case 't': return AppendUnit(token, '\t');
      case 'r': return AppendUnit(token, '\r');
      case '\\': return AppendUnit(token, '\\');
      case '"': return AppendUnit(token, '"');
      case '\'': return AppendUnit(token, '\'');
      case 'x': return HexEscape(token);
      default: break;
    }
    if (c >= '0' && c <= '7') {
      uint32_t value = c - '0';
      for (int digits = 1; digits < 3 && At(0) >= '0' && At(0) <= '7'; ++digits) value = value * 8 + (source_[pos_++] - '0');
      return AppendUnit(token, value);
    }
    pos_ -= 1;  // the character after the backslash is read as itself
    AppendUnit(token, '\\');
  }

  void HexEscape(Token* token) {
    const int maxDigits = token->wide ? 4 : 2;
    uint32_t value = 0;
    int digits = 0;
    while (digits < maxDigits && HexValue(At(0)) >= 0) value = value * 16 + HexValue(source_[pos_++]), ++digits;
    if (digits == 0) Fail("'\\x' escape needs hex digits");
    AppendUnit(token, value);
  }

  std::string_view source_;
  size_t pos_ = 0;
  Location where_;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view source, const std::string& fileName) {
  return Lexer(source, fileName).Run();
}

}  // namespace rcc
