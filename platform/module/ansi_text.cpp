// Truncating code page 932 text at character boundaries; see ansi_text.h.
#include "module/ansi_text.h"

#include <windows.h>

namespace plat::module {

size_t AnsiPrefixThatFits(const std::string& ansi, size_t room) {
  size_t length = 0;
  while (length < ansi.size()) {
    const bool doubleByte = IsDBCSLeadByte(static_cast<BYTE>(ansi[length])) && length + 1 < ansi.size();
    const size_t step = doubleByte ? 2 : 1;
    if (length + step > room) break;
    length += step;
  }
  return length;
}

}  // namespace plat::module
