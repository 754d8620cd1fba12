// UTF-8 to UTF-16 conversion and the letter-case folding of resource names.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace rcc {

// The UTF-16 form of UTF-8 text; nothing when the text is not valid UTF-8.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);

// Decodes one UTF-8 sequence starting at text[*pos], advancing *pos past it.
// Returns false (leaving *pos alone) on a malformed sequence.
bool DecodeUtf8(std::string_view text, size_t* pos, char32_t* codePoint);

// Appends a code point as one or two UTF-16 units.
void AppendUtf16(char32_t codePoint, std::u16string* out);

// Upper-cases the ASCII letters, as resource names and types are stored.
std::u16string UpperCased(std::u16string text);

}  // namespace rcc
