// Generic-text mappings: _T/_TEXT and the _tcs/_t names of the C runtime,
// mapped onto overloads in plat::text that take either width, so narrow and
// wide text work side by side in one program.
//
// _T/_TEXT follow the same switch as TCHAR in windef.h: UNICODE.
// Narrow text is code page 932: the narrow functions step over double-byte
// characters, so a search for '\\' never matches the trail byte of a kanji.
// Case mapping covers ASCII and the full-width Latin letters (U+FF21-FF5A, in
// 932 the pairs 82 60-82 79 / 82 81-82 9A). Character classes of wide text
// are those of Classify (chars.cpp); narrow classes are ASCII only.
// The C-string functions take the C library's arguments (no nulls).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include <plat/text_format.h>
#include "windef.h"

#define _T(x) __TEXT(x)
#define _TEXT(x) __TEXT(x)
typedef TCHAR _TCHAR;

namespace plat::text {

// ---- the double-byte structure of code page 932 ----
constexpr bool IsLeadByte(char c) {
  auto u = static_cast<unsigned char>(c);
  return (u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC);
}
constexpr bool IsTrailByte(char c) {
  auto u = static_cast<unsigned char>(c);
  return (u >= 0x40 && u <= 0x7E) || (u >= 0x80 && u <= 0xFC);
}
// Units of the character at text[i]: 2 for a lead+trail pair, else 1.
constexpr size_t CharUnits(std::string_view text, size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() && IsTrailByte(text[i + 1]) ? 2 : 1;
}
constexpr size_t CharUnits(std::u16string_view, size_t) { return 1; }

// The first character at or after from for which visit(position, units)
// returns true, or npos. Narrow text is walked from its start.
template <class C, class Visit>
size_t FindCharIf(std::basic_string_view<C> text, size_t from, Visit visit) {
  size_t i = std::is_same_v<C, char> ? 0 : from;
  for (; i < text.size(); i += CharUnits(text, i)) {
    if (i >= from && visit(i, CharUnits(text, i))) return i;
  }
  return std::basic_string_view<C>::npos;
}

// The length of text that a limit may have cut, without the lead byte of a
// double-byte character left alone at its end.
inline size_t WithoutCutCharacter(std::string_view text) {
  size_t last = 0;
  FindCharIf(text, 0, [&](size_t i, size_t) {
    last = i;
    return false;
  });
  return !text.empty() && last == text.size() - 1 && IsLeadByte(text[last]) ? last : text.size();
}
inline size_t WithoutCutCharacter(std::u16string_view text) { return text.size(); }

// ---- character classes and case ----
enum class CharClass { Control, Space, Punctuation, Digit, Letter };
CharClass Classify(char16_t c);

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsDigit(char16_t c) { return Classify(c) == CharClass::Digit; }
inline bool IsSpace(char16_t c) { return Classify(c) == CharClass::Space; }
inline bool IsAlpha(char16_t c) { return Classify(c) == CharClass::Letter; }

constexpr char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }
constexpr char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c; }
constexpr char16_t ToUpper(char16_t c) {
  bool lower = (c >= u'a' && c <= u'z') || (c >= 0xFF41 && c <= 0xFF5A);
  return lower ? static_cast<char16_t>(c - 0x20) : c;
}
constexpr char16_t ToLower(char16_t c) {
  bool upper = (c >= u'A' && c <= u'Z') || (c >= 0xFF21 && c <= 0xFF3A);
  return upper ? static_cast<char16_t>(c + 0x20) : c;
}

// Maps the case of a whole string in place.
void MakeUpper(std::string& text);
void MakeUpper(std::u16string& text);
void MakeLower(std::string& text);
void MakeLower(std::u16string& text);

// ---- comparing and searching views ----
template <class C>
int CompareOrdinal(std::basic_string_view<C> a, std::type_identity_t<std::basic_string_view<C>> b) {
  int order = a.compare(b);
  return (order > 0) - (order < 0);
}
template <class C>
int CompareNoCase(std::basic_string_view<C> a, std::type_identity_t<std::basic_string_view<C>> b) {
  std::basic_string<C> lowerA(a), lowerB(b);
  MakeLower(lowerA);
  MakeLower(lowerB);
  return CompareOrdinal<C>(lowerA, lowerB);
}
template <class C>
size_t FindChar(std::basic_string_view<C> text, std::type_identity_t<C> c, size_t from = 0) {
  return FindCharIf(text, from, [&](size_t i, size_t units) { return units == 1 && text[i] == c; });
}
template <class C>
size_t FindLastChar(std::basic_string_view<C> text, std::type_identity_t<C> c) {
  size_t last = std::basic_string_view<C>::npos;
  FindCharIf(text, 0, [&](size_t i, size_t units) {
    if (units == 1 && text[i] == c) last = i;
    return false;
  });
  return last;
}
template <class C>
size_t FindString(std::basic_string_view<C> text, std::type_identity_t<std::basic_string_view<C>> sub,
                  size_t from = 0) {
  if (sub.empty()) return from <= text.size() ? from : std::basic_string_view<C>::npos;
  return FindCharIf(text, from, [&](size_t i, size_t) { return text.substr(i, sub.size()) == sub; });
}

// ---- the C-string functions behind the _tcs names ----
template <class C>
size_t BoundedLength(const C* s, size_t limit) {
  size_t n = 0;
  while (n < limit && s[n] != C()) ++n;
  return n;
}
template <class C>
C* CopyString(C* dst, const C* src) {
  std::char_traits<C>::copy(dst, src, std::char_traits<C>::length(src) + 1);
  return dst;
}
template <class C>
C* CopyStringN(C* dst, const C* src, size_t count) {
  size_t n = BoundedLength(src, count);
  std::char_traits<C>::copy(dst, src, n);
  std::char_traits<C>::assign(dst + n, count - n, C());
  return dst;
}
template <class C>
C* ConcatString(C* dst, const C* src) {
  CopyString(dst + std::char_traits<C>::length(dst), src);
  return dst;
}
template <class C>
C* FindCharInString(const C* s, C c) {
  std::basic_string_view<C> text(s);
  size_t at = c == C() ? text.size() : FindChar(text, c);
  return at == text.npos ? nullptr : const_cast<C*>(s + at);
}
template <class C>
C* FindLastCharInString(const C* s, C c) {
  std::basic_string_view<C> text(s);
  size_t at = c == C() ? text.size() : FindLastChar(text, c);
  return at == text.npos ? nullptr : const_cast<C*>(s + at);
}
template <class C>
C* FindStringInString(const C* s, const C* sub) {
  size_t at = FindString(std::basic_string_view<C>(s), sub);
  return at == std::basic_string_view<C>::npos ? nullptr : const_cast<C*>(s + at);
}

inline size_t StrLen(const char* s) { return std::char_traits<char>::length(s); }
inline size_t StrLen(const char16_t* s) { return std::char_traits<char16_t>::length(s); }
inline char* StrCopy(char* dst, const char* src) { return CopyString(dst, src); }
inline char16_t* StrCopy(char16_t* dst, const char16_t* src) { return CopyString(dst, src); }
inline char* StrCopyN(char* dst, const char* src, size_t n) { return CopyStringN(dst, src, n); }
inline char16_t* StrCopyN(char16_t* dst, const char16_t* src, size_t n) { return CopyStringN(dst, src, n); }
inline char* StrCat(char* dst, const char* src) { return ConcatString(dst, src); }
inline char16_t* StrCat(char16_t* dst, const char16_t* src) { return ConcatString(dst, src); }
inline int StrCmp(const char* a, const char* b) { return CompareOrdinal<char>(a, b); }
inline int StrCmp(const char16_t* a, const char16_t* b) { return CompareOrdinal<char16_t>(a, b); }
inline int StrICmp(const char* a, const char* b) { return CompareNoCase<char>(a, b); }
inline int StrICmp(const char16_t* a, const char16_t* b) { return CompareNoCase<char16_t>(a, b); }
inline int StrNCmp(const char* a, const char* b, size_t n) {
  return CompareOrdinal<char>({a, BoundedLength(a, n)}, {b, BoundedLength(b, n)});
}
inline int StrNCmp(const char16_t* a, const char16_t* b, size_t n) {
  return CompareOrdinal<char16_t>({a, BoundedLength(a, n)}, {b, BoundedLength(b, n)});
}
inline char* StrChr(const char* s, char c) { return FindCharInString(s, c); }
inline char16_t* StrChr(const char16_t* s, char16_t c) { return FindCharInString(s, c); }
inline char* StrRChr(const char* s, char c) { return FindLastCharInString(s, c); }
inline char16_t* StrRChr(const char16_t* s, char16_t c) { return FindLastCharInString(s, c); }
inline char* StrStr(const char* s, const char* sub) { return FindStringInString(s, sub); }
inline char16_t* StrStr(const char16_t* s, const char16_t* sub) { return FindStringInString(s, sub); }

// ---- numbers, parsed as the C library does (numbers.cpp) ----
// Wide text is parsed by its ASCII prefix. Results out of range saturate (and
// the strto forms set errno to ERANGE); LONG and ULONG are 32 bits.
int ToInt(const char* s);
int ToInt(const char16_t* s);
LONG ToLong(const char* s);
LONG ToLong(const char16_t* s);
LONG StrToL(const char* s, char** end, int base);
LONG StrToL(const char16_t* s, char16_t** end, int base);
ULONG StrToUL(const char* s, char** end, int base);
ULONG StrToUL(const char16_t* s, char16_t** end, int base);
double StrToD(const char* s, char** end);
double StrToD(const char16_t* s, char16_t** end);

}  // namespace plat::text

#define _tcslen plat::text::StrLen
#define _tcscpy plat::text::StrCopy
#define _tcsncpy plat::text::StrCopyN
#define _tcscat plat::text::StrCat
#define _tcscmp plat::text::StrCmp
#define _tcsicmp plat::text::StrICmp
#define _tcsncmp plat::text::StrNCmp
#define _tcschr plat::text::StrChr
#define _tcsrchr plat::text::StrRChr
#define _tcsstr plat::text::StrStr
#define _ttoi plat::text::ToInt
#define _ttol plat::text::ToLong
#define _tcstol plat::text::StrToL
#define _tcstoul plat::text::StrToUL
#define _tcstod plat::text::StrToD
#define _istdigit plat::text::IsDigit
#define _istspace plat::text::IsSpace
#define _istalpha plat::text::IsAlpha
#define _totupper plat::text::ToUpper
#define _totlower plat::text::ToLower
#define _stprintf plat::text::PrintToBuffer
#define _sntprintf plat::text::PrintToBufferN
