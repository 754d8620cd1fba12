// Numbers from text in both widths (tchar.h's _ttoi, _ttol, _tcstol, _tcstoul
// and _tcstod), parsed by the C library. Wide text is parsed by its ASCII
// prefix and the end pointer mapped back. LONG and ULONG are 32 bits as on the
// platform: results beyond them saturate and set errno to ERANGE; _tcstoul
// negates a value with a leading '-' in 32 bits, as strtoul does in its width.
#include <tchar.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace plat::text {
namespace {

std::string AsciiPrefix(const char16_t* s) {
  std::string narrow;
  for (; *s != u'\0' && *s < 0x80; ++s) narrow += static_cast<char>(*s);
  return narrow;
}

// Runs a narrow parser over the ASCII prefix of wide text.
template <class Parse>
auto ParseWide(const char16_t* s, char16_t** end, Parse parse) {
  std::string narrow = AsciiPrefix(s);
  char* narrowEnd = nullptr;
  auto value = parse(narrow.c_str(), &narrowEnd);
  if (end) *end = const_cast<char16_t*>(s) + (narrowEnd - narrow.c_str());
  return value;
}

LONG NarrowToLong(const char* s, char** end, int base) {
  long long value = std::strtoll(s, end, base);
  if (value > INT32_MAX || value < INT32_MIN) {
    errno = ERANGE;
    return value > 0 ? INT32_MAX : INT32_MIN;
  }
  return static_cast<LONG>(value);
}

bool StartsNegative(const char* s) {
  while (IsSpace(*s)) ++s;
  return *s == '-';
}

ULONG NarrowToUnsignedLong(const char* s, char** end, int base) {
  int savedErrno = errno;
  errno = 0;
  unsigned long long raw = std::strtoull(s, end, base);
  bool overflow = errno == ERANGE;
  errno = savedErrno;
  bool negative = StartsNegative(s);
  unsigned long long magnitude = negative ? 0 - raw : raw;
  if (overflow || magnitude > UINT32_MAX) {
    errno = ERANGE;
    return UINT32_MAX;
  }
  auto value = static_cast<ULONG>(magnitude);
  return negative ? 0 - value : value;
}

}  // namespace

LONG StrToL(const char* s, char** end, int base) { return NarrowToLong(s, end, base); }
LONG StrToL(const char16_t* s, char16_t** end, int base) {
  return ParseWide(s, end,
                   [base](const char* narrow, char** narrowEnd) { return NarrowToLong(narrow, narrowEnd, base); });
}
ULONG StrToUL(const char* s, char** end, int base) { return NarrowToUnsignedLong(s, end, base); }
ULONG StrToUL(const char16_t* s, char16_t** end, int base) {
  return ParseWide(
      s, end, [base](const char* narrow, char** narrowEnd) { return NarrowToUnsignedLong(narrow, narrowEnd, base); });
}
double StrToD(const char* s, char** end) { return std::strtod(s, end); }
double StrToD(const char16_t* s, char16_t** end) {
  return ParseWide(s, end, [](const char* narrow, char** narrowEnd) { return std::strtod(narrow, narrowEnd); });
}
int ToInt(const char* s) { return StrToL(s, nullptr, 10); }
int ToInt(const char16_t* s) { return StrToL(s, nullptr, 10); }
LONG ToLong(const char* s) { return StrToL(s, nullptr, 10); }
LONG ToLong(const char16_t* s) { return StrToL(s, nullptr, 10); }

}  // namespace plat::text
