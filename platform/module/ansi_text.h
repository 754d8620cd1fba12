// Truncating code page 932 text for the 8-bit forms of the module and
// resource functions without cutting a double-byte character in two.
#pragma once
#include <cstddef>
#include <string>

namespace plat::module {

// The length of the longest prefix of ansi that fits in room bytes.
size_t AnsiPrefixThatFits(const std::string& ansi, size_t room);

}  // namespace plat::module
