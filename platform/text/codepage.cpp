// MultiByteToWideChar, WideCharToMultiByte, GetACP and IsDBCSLeadByte over
// glibc's iconv ("CP932" and "UTF-8"), with the platform's replacement rules.
//
// Code pages: CP_ACP, CP_OEMCP and 932 all mean code page 932 (the device is
// Japanese); CP_UTF8. Anything else fails with ERROR_INVALID_PARAMETER.
//
// Decoding 932 (MultiByteToWideChar), where iconv rejects a sequence:
//  - an undecodable byte becomes U+30FB (KATAKANA MIDDLE DOT, the code page's
//    default Unicode character). glibc's table rejects 0x80, 0xA0 and
//    0xFD-0xFF, so each of them becomes one U+30FB;
//  - a lead byte (0x81-0x9F, 0xE0-0xFC) followed by a byte that is not a trail
//    byte (0x40-0x7E, 0x80-0xFC) is replaced alone and the next byte is decoded
//    on its own, so a comma or quote after a broken character survives;
//  - a well-formed lead+trail pair without a mapping becomes one U+30FB;
//  - a lead byte at the very end becomes U+30FB.
// Decoding UTF-8: each byte that starts no valid sequence becomes U+FFFD.
// With MB_ERR_INVALID_CHARS any of these fails with ERROR_NO_UNICODE_TRANSLATION.
//
// Encoding (WideCharToMultiByte): for 932 a character without a mapping (also
// a lone surrogate, or a surrogate pair: 932 has nothing outside the BMP)
// becomes lpDefaultChar's first byte, or '?', and sets *lpUsedDefaultChar.
// glibc's one-way mappings (U+00A5 -> 0x5C, U+2014 -> 81 5C, U+301C -> 81 60,
// ...) are kept; WC_NO_BEST_FIT_CHARS and other flags are accepted and have no
// effect. For CP_UTF8 a lone surrogate becomes U+FFFD, and lpDefaultChar and
// lpUsedDefaultChar must be null.
//
// Buffers: a length of -1 means NUL-terminated (the terminator is converted
// and counted); an output size of 0 returns the size needed; an output buffer
// that is too small fails with ERROR_INSUFFICIENT_BUFFER and is left untouched.
// If glibc's conversion modules are missing, conversions fail with
// ERROR_NOT_SUPPORTED (and the helpers of codepage.h return empty strings).
//
// iconv descriptors are opened once per thread and per direction, and closed
// when the thread ends.
#include <plat/codepage.h>

#include <iconv.h>
#include <tchar.h>
#include <windows.h>

#include <bit>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

namespace plat::text {
namespace {

constexpr char16_t kAnsiDefaultUnicode = 0x30FB;
constexpr char16_t kUnicodeReplacement = 0xFFFD;
constexpr char kAnsiDefaultChar = '?';
constexpr char kUtf8Replacement[] = "\xEF\xBF\xBD";
constexpr UINT kJapaneseCodePage = 932;
const char* const kUtf16Name = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
const iconv_t kUnavailable = reinterpret_cast<iconv_t>(-1);

enum class Charset { Ansi932, Utf8 };
enum class Outcome { Ok, Invalid, Unsupported };

std::optional<Charset> CharsetOf(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case kJapaneseCodePage:
      return Charset::Ansi932;
    case CP_UTF8:
      return Charset::Utf8;
    default:
      return std::nullopt;
  }
}

const char* IconvName(Charset charset) { return charset == Charset::Ansi932 ? "CP932" : "UTF-8"; }

// The calling thread's iconv descriptors, opened on first use.
class Converters {
 public:
  Converters() = default;
  Converters(const Converters&) = delete;
  Converters& operator=(const Converters&) = delete;
  ~Converters() {
    for (auto& row : slots_) {
      for (auto& slot : row) {
        if (slot && *slot != kUnavailable) iconv_close(*slot);
      }
    }
  }

  // A descriptor in its initial state, or kUnavailable.
  iconv_t ToWide(Charset from) { return Get(from, true); }
  iconv_t FromWide(Charset to) { return Get(to, false); }

 private:
  iconv_t Get(Charset charset, bool toWide) {
    std::optional<iconv_t>& slot = slots_[static_cast<int>(charset)][toWide ? 1 : 0];
    if (!slot) {
      slot = toWide ? iconv_open(kUtf16Name, IconvName(charset)) : iconv_open(IconvName(charset), kUtf16Name);
    } else if (*slot != kUnavailable) {
      iconv(*slot, nullptr, nullptr, nullptr, nullptr);
    }
    return *slot;
  }

  std::optional<iconv_t> slots_[2][2];
};

thread_local Converters converters;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// How many bytes at the start of an undecodable sequence one replacement stands for.
size_t UndecodableBytes(Charset charset, std::string_view rest) {
  bool wellFormedPair = charset == Charset::Ansi932 && rest.size() >= 2 && IsLeadByte(rest[0]) && IsTrailByte(rest[1]);
  return wellFormedPair ? 2 : 1;
}

// How many UTF-16 units at the start of an unencodable sequence one replacement stands for.
size_t UnencodableUnits(std::u16string_view rest) {
  return rest.size() >= 2 && IsHighSurrogate(rest[0]) && IsLowSurrogate(rest[1]) ? 2 : 1;
}

Outcome Decode(Charset charset, std::string_view in, bool strict, std::u16string& out) {
  iconv_t cd = converters.ToWide(charset);
  if (cd == kUnavailable) return Outcome::Unsupported;
  out.assign(in.size(), u'\0');  // each byte yields at most one UTF-16 unit
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* const dstBase = reinterpret_cast<char*>(out.data());
  char* dst = dstBase;
  size_t dstLeft = out.size() * sizeof(char16_t);
  while (srcLeft > 0 && iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
    if (errno != EILSEQ && errno != EINVAL) return Outcome::Unsupported;
    if (strict) return Outcome::Invalid;
    size_t bad = UndecodableBytes(charset, std::string_view(src, srcLeft));
    char16_t replacement = charset == Charset::Ansi932 ? kAnsiDefaultUnicode : kUnicodeReplacement;
    std::memcpy(dst, &replacement, sizeof replacement);
    dst += sizeof replacement;
    dstLeft -= sizeof replacement;
    src += bad;
    srcLeft -= bad;
  }
  out.resize(static_cast<size_t>(dst - dstBase) / sizeof(char16_t));
  return Outcome::Ok;
}

Outcome Encode(Charset charset, std::u16string_view in, char defaultChar, bool& usedDefault, std::string& out) {
  iconv_t cd = converters.FromWide(charset);
  if (cd == kUnavailable) return Outcome::Unsupported;
  // A unit yields at most two bytes of 932 and at most three of UTF-8 (also as U+FFFD).
  out.assign(in.size() * (charset == Charset::Utf8 ? 3 : 2), '\0');
  char* const srcBase = reinterpret_cast<char*>(const_cast<char16_t*>(in.data()));
  char* src = srcBase;
  size_t srcLeft = in.size() * sizeof(char16_t);
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0 && iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
    if (errno != EILSEQ && errno != EINVAL) return Outcome::Unsupported;
    size_t bad = UnencodableUnits(in.substr(static_cast<size_t>(src - srcBase) / sizeof(char16_t)));
    std::string_view replacement =
        charset == Charset::Utf8 ? std::string_view(kUtf8Replacement) : std::string_view(&defaultChar, 1);
    std::memcpy(dst, replacement.data(), replacement.size());
    dst += replacement.size();
    dstLeft -= replacement.size();
    src += bad * sizeof(char16_t);
    srcLeft -= bad * sizeof(char16_t);
    usedDefault = true;
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  return Outcome::Ok;
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

int FailWith(Outcome outcome) {
  return Fail(outcome == Outcome::Invalid ? ERROR_NO_UNICODE_TRANSLATION : ERROR_NOT_SUPPORTED);
}

// Copies a conversion result to the caller, or reports the size needed when capacity is 0.
template <class C>
int Deliver(const std::basic_string<C>& result, C* buffer, int capacity) {
  if (result.size() > static_cast<size_t>(INT_MAX)) return Fail(ERROR_INSUFFICIENT_BUFFER);
  int needed = static_cast<int>(result.size());
  if (capacity == 0) return needed;
  if (needed > capacity) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(buffer, result.data(), result.size() * sizeof(C));
  return needed;
}

template <class C>
std::basic_string_view<C> InputOf(const C* text, int length) {
  return length == -1 ? std::basic_string_view<C>(text, std::char_traits<C>::length(text) + 1)
                      : std::basic_string_view<C>(text, static_cast<size_t>(length));
}

template <class In, class Out>
bool ArgumentsValid(const In* in, int inLength, const Out* out, int outCapacity) {
  return in != nullptr && inLength != 0 && inLength >= -1 && outCapacity >= 0 && (outCapacity == 0 || out != nullptr);
}

}  // namespace

std::u16string AnsiToWide(std::string_view ansi) {
  std::u16string wide;
  if (Decode(Charset::Ansi932, ansi, false, wide) != Outcome::Ok) wide.clear();
  return wide;
}

std::string WideToAnsi(std::u16string_view wide) {
  std::string ansi;
  bool usedDefault = false;
  if (Encode(Charset::Ansi932, wide, kAnsiDefaultChar, usedDefault, ansi) != Outcome::Ok) ansi.clear();
  return ansi;
}

}  // namespace plat::text

using namespace plat::text;

extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                                          LPWSTR lpWideCharStr, int cchWideChar) {
  std::optional<Charset> charset = CharsetOf(CodePage);
  if (!charset || !ArgumentsValid(lpMultiByteStr, cbMultiByte, lpWideCharStr, cchWideChar)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  std::u16string wide;
  Outcome outcome = Decode(*charset, InputOf(lpMultiByteStr, cbMultiByte), (dwFlags & MB_ERR_INVALID_CHARS) != 0, wide);
  if (outcome != Outcome::Ok) return FailWith(outcome);
  return Deliver(wide, lpWideCharStr, cchWideChar);
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD /*dwFlags*/, LPCWSTR lpWideCharStr, int cchWideChar,
                                          LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
  std::optional<Charset> charset = CharsetOf(CodePage);
  bool defaultsAllowed = charset != Charset::Utf8 || (lpDefaultChar == nullptr && lpUsedDefaultChar == nullptr);
  if (!charset || !defaultsAllowed || !ArgumentsValid(lpWideCharStr, cchWideChar, lpMultiByteStr, cbMultiByte)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  std::string ansi;
  bool usedDefault = false;
  char defaultChar = lpDefaultChar ? lpDefaultChar[0] : kAnsiDefaultChar;
  Outcome outcome = Encode(*charset, InputOf(lpWideCharStr, cchWideChar), defaultChar, usedDefault, ansi);
  if (outcome != Outcome::Ok) return FailWith(outcome);
  if (lpUsedDefaultChar) *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
  return Deliver(ansi, lpMultiByteStr, cbMultiByte);
}

extern "C" UINT WINAPI GetACP(void) { return kJapaneseCodePage; }

extern "C" BOOL WINAPI IsDBCSLeadByte(BYTE TestChar) { return IsLeadByte(static_cast<char>(TestChar)) ? TRUE : FALSE; }

size_t plat::text::AnsiPrefixThatFits(std::string_view ansi, size_t room) {
  size_t length = 0;
  while (length < ansi.size()) {
    const bool doubleByte = IsDBCSLeadByte(static_cast<BYTE>(ansi[length])) && length + 1 < ansi.size();
    const size_t step = doubleByte ? 2 : 1;
    if (length + step > room) break;
    length += step;
  }
  return length;
}
