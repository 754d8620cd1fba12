// lstrlen, lstrcmp, lstrcmpi and lstrcpyn in both widths.
//
// lstrcmp is the platform's word sort, modelled here as:
//  1. characters compare by class: control and white space < punctuation and
//     symbols < digits < letters (classes of Classify, chars.cpp);
//  2. within a class, letters compare by their case-folded value, everything
//     else by code unit; a string that is a prefix of another comes first;
//  3. strings that differ only in letter case: at the first difference the
//     lower-case letter comes first.
// lstrcmpi stops after step 2. The A forms compare the text after converting
// it from code page 932 (so undecodable bytes compare as U+30FB). Results are
// -1, 0 or 1; a null string counts as empty.
//
// lstrcpyn copies at most iMaxLength - 1 units and always terminates; the A
// form never copies half of a double-byte character. It returns the
// destination, or null for a null argument or iMaxLength < 1.
#include <tchar.h>
#include <windows.h>

#include <cstring>
#include <string_view>

#include <plat/codepage.h>

namespace plat::text {
namespace {

// Control and white space share the lowest rank.
int SortRank(char16_t c) {
  switch (Classify(c)) {
    case CharClass::Control:
    case CharClass::Space:
      return 0;
    case CharClass::Punctuation:
      return 1;
    case CharClass::Digit:
      return 2;
    case CharClass::Letter:
      return 3;
  }
  return 1;
}

int Sign(long long value) { return (value > 0) - (value < 0); }

int CompareIgnoringCase(std::u16string_view a, std::u16string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (int byRank = Sign(SortRank(a[i]) - SortRank(b[i]))) return byRank;
    if (int byValue = Sign(static_cast<int>(ToLower(a[i])) - static_cast<int>(ToLower(b[i])))) return byValue;
  }
  return Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

// Called for strings equal but for letter case: lower case first.
int CompareCase(std::u16string_view a, std::u16string_view b) {
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return ToUpper(a[i]) != a[i] ? -1 : 1;
  }
  return 0;
}

int WordSortCompare(std::u16string_view a, std::u16string_view b, bool ignoreCase) {
  int order = CompareIgnoringCase(a, b);
  return order != 0 || ignoreCase ? order : CompareCase(a, b);
}

std::u16string_view ViewOf(const char16_t* s) { return s ? std::u16string_view(s) : std::u16string_view(); }
std::u16string WideOf(const char* s) { return s ? AnsiToWide(s) : std::u16string(); }

template <class C>
C* CopyBounded(C* dst, const C* src, int maxLength) {
  if (dst == nullptr || src == nullptr || maxLength < 1) return nullptr;
  auto limit = static_cast<size_t>(maxLength - 1);
  std::basic_string_view<C> text(src, BoundedLength(src, limit));
  size_t length = text.size() == limit ? WithoutCutCharacter(text) : text.size();
  std::char_traits<C>::copy(dst, src, length);
  dst[length] = C();
  return dst;
}

}  // namespace
}  // namespace plat::text

using namespace plat::text;

extern "C" int WINAPI lstrlenW(LPCWSTR lpString) {
  return lpString ? static_cast<int>(std::char_traits<char16_t>::length(lpString)) : 0;
}

extern "C" int WINAPI lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

extern "C" int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2) {
  return WordSortCompare(ViewOf(lpString1), ViewOf(lpString2), false);
}

extern "C" int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
  return WordSortCompare(WideOf(lpString1), WideOf(lpString2), false);
}

extern "C" int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2) {
  return WordSortCompare(ViewOf(lpString1), ViewOf(lpString2), true);
}

extern "C" int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
  return WordSortCompare(WideOf(lpString1), WideOf(lpString2), true);
}

extern "C" LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength) {
  return CopyBounded(lpString1, lpString2, iMaxLength);
}

extern "C" LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  return CopyBounded(lpString1, lpString2, iMaxLength);
}
