// Conversions between the platform's UTF-16 text and the UTF-8 of the host's
// text files and of its printed output.
#pragma once
#include <string>
#include <string_view>

namespace darvik {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace darvik
