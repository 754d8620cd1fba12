// Conversions between the two text widths of the stand-in through code page
// 932 (the device's ANSI code page), for the text layer, the class library's
// strings and the formatting engine. Replacement rules are those of
// MultiByteToWideChar / WideCharToMultiByte (see codepage.cpp).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace plat::text {

// Code page 932 bytes to UTF-16; undecodable bytes become U+30FB.
std::u16string AnsiToWide(std::string_view ansi);
// UTF-16 to code page 932; characters without a mapping become '?'.
std::string WideToAnsi(std::u16string_view wide);

// The length of the longest prefix of code page 932 text that fits in room
// bytes without cutting a double-byte character in two.
size_t AnsiPrefixThatFits(std::string_view ansi, size_t room);

// The text in the width To, converted through code page 932 when the widths differ.
template <class To, class From>
std::basic_string<To> ToWidth(std::basic_string_view<From> text) {
  if constexpr (std::is_same_v<To, From>) {
    return std::basic_string<To>(text);
  } else if constexpr (std::is_same_v<To, char>) {
    return WideToAnsi(text);
  } else {
    return AnsiToWide(text);
  }
}

}  // namespace plat::text
