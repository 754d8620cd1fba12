// The device's name rules: validity, case-insensitive comparison and
// wildcard matching, and the text conversions behind host paths and the
// 8-bit file functions.
#include "files/device_names.h"

#include <algorithm>

namespace plat::files {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool IsForbiddenCharacter(char16_t c, bool allowWildcards) {
  if (c < 0x20) return true;
  switch (c) {
    case u'<': case u'>': case u':': case u'"': case u'|': case u'\\': case u'/':
      return true;
    case u'?': case u'*':
      return !allowWildcards;
    default:
      return false;
  }
}

bool HasUnpairedSurrogate(std::u16string_view name) {
  for (size_t i = 0; i < name.size(); ++i) {
    if (IsHighSurrogate(name[i])) {
      if (i + 1 == name.size() || !IsLowSurrogate(name[i + 1])) return true;
      ++i;
    } else if (IsLowSurrogate(name[i])) {
      return true;
    }
  }
  return false;
}

bool SameCharacter(char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); }

bool ToWide(UINT codePage, std::string_view text, std::u16string* wide) {
  wide->clear();
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (needed <= 0) return false;
  wide->resize(static_cast<size_t>(needed));
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, wide->data(), needed) == needed;
}

bool FromWide(UINT codePage, std::u16string_view text, std::string* narrow) {
  narrow->clear();
  if (text.empty()) return true;
  const int length = static_cast<int>(text.size());
  // UTF-8 takes no default character; the code pages report one they used.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  LPBOOL usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int needed = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefaultOut);
  if (needed <= 0 || usedDefault) return false;
  narrow->resize(static_cast<size_t>(needed));
  const int written =
      WideCharToMultiByte(codePage, flags, text.data(), length, narrow->data(), needed, nullptr, usedDefaultOut);
  return written == needed && !usedDefault;
}

}  // namespace

bool IsValidName(std::u16string_view name, bool allowWildcards) {
  if (name.empty() || name == u"." || name == u"..") return false;
  if (HasUnpairedSurrogate(name)) return false;
  return std::none_of(name.begin(), name.end(),
                      [allowWildcards](char16_t c) { return IsForbiddenCharacter(c, allowWildcards); });
}

char16_t FoldCase(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<char16_t>(c - 0xFF21 + 0xFF41);  // full-width Latin
  return c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameCharacter);
}

bool NameLess(std::u16string_view a, std::u16string_view b) {
  const bool foldedLess = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
  if (foldedLess) return true;
  return SameName(a, b) && a < b;
}

bool MatchesPattern(std::u16string_view pattern, std::u16string_view name) {
  if (pattern == u"*.*") return true;
  size_t p = 0, n = 0;
  size_t starAt = std::u16string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || SameCharacter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::u16string_view::npos) {
      p = starAt + 1;  // let the last * take one more character
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

bool Utf8ToWide(std::string_view text, std::u16string* wide) { return ToWide(CP_UTF8, text, wide); }
bool WideToUtf8(std::u16string_view text, std::string* utf8) { return FromWide(CP_UTF8, text, utf8); }
bool AnsiToWide(std::string_view text, std::u16string* wide) { return ToWide(CP_ACP, text, wide); }
bool WideToAnsi(std::u16string_view text, std::string* ansi) { return FromWide(CP_ACP, text, ansi); }

}  // namespace plat::files
