// LoadStringW and LoadStringA over the RT_STRING blocks: string id n is entry
// n % 16 of block n / 16 + 1, each entry a WORD length and that many UTF-16
// units. LoadStringW with cchBufferMax 0 stores a read-only pointer to the
// (unterminated) string in the buffer and returns its length; otherwise both
// forms copy as much as fits with a terminator and return the characters
// copied (LoadStringA in code page 932, never splitting a double-byte
// character). A missing or empty string returns 0.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "module/resource_registry.h"
#include <plat/codepage.h>

namespace {

// The string's units; false when there is no such string (last error set).
bool FindString(HINSTANCE instance, UINT id, std::u16string_view* text) {
  const plat::module::ResourceEntry* block = plat::module::FindResourceEntry(
      instance, plat::module::KeyFromArgument(RT_STRING), plat::module::KeyFromArgument(MAKEINTRESOURCEW(id / 16 + 1)));
  if (!block) return false;
  const auto* bytes = static_cast<const unsigned char*>(block->data);
  size_t pos = 0;
  for (UINT index = 0;; ++index) {
    WORD length = 0;
    if (block->size - pos < sizeof length) break;
    std::memcpy(&length, bytes + pos, sizeof length);
    pos += sizeof length;
    if (block->size - pos < size_t{length} * sizeof(char16_t)) break;
    if (index == id % 16) {
      *text = std::u16string_view(reinterpret_cast<const char16_t*>(bytes + pos), length);
      return true;
    }
    pos += size_t{length} * sizeof(char16_t);
  }
  SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
  return false;
}

}  // namespace

extern "C" int WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string_view text;
  const bool found = FindString(hInstance, uID, &text);
  if (cchBufferMax == 0) {
    if (!found) return 0;
    const WCHAR* readOnly = text.data();
    std::memcpy(lpBuffer, &readOnly, sizeof readOnly);
    return static_cast<int>(text.size());
  }
  const size_t copied = std::min(text.size(), static_cast<size_t>(cchBufferMax - 1));
  std::copy_n(text.data(), copied, lpBuffer);
  lpBuffer[copied] = 0;
  return static_cast<int>(copied);
}

extern "C" int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
  if (!lpBuffer || cchBufferMax <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string_view text;
  const std::string ansi = FindString(hInstance, uID, &text) ? plat::text::WideToAnsi(text) : std::string();
  const size_t copied = plat::text::AnsiPrefixThatFits(ansi, static_cast<size_t>(cchBufferMax - 1));
  std::memcpy(lpBuffer, ansi.data(), copied);
  lpBuffer[copied] = 0;
  return static_cast<int>(copied);
}
