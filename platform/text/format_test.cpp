// Tests of the formatting engine in both widths (conversions, flags, sizes,
// widths of the arguments) and of wsprintf / wvsprintf into 1024-unit buffers.
#include <plat/text_format.h>

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using plat::text::Format;

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// A %s argument written as ASCII, passed in the width of the format.
struct Text {
  explicit Text(const char* ascii) : narrow(ascii), wide(Widen(ascii)) {}
  std::string narrow;
  std::u16string wide;
};

template <class C, class T>
const T& InWidth(const T& value) {
  return value;
}
template <class C>
const C* InWidth(const Text& text) {
  if constexpr (std::is_same_v<C, char>) {
    return text.narrow.c_str();
  } else {
    return text.wide.c_str();
  }
}

// Formats the same ASCII format in both widths and expects the same text.
template <class... Args>
void ExpectBothWidths(const char* format, const char* expected, const Args&... args) {
  EXPECT_EQ(Format(format, InWidth<char>(args)...), expected) << "narrow " << format;
  EXPECT_EQ(Format(Widen(format).c_str(), InWidth<char16_t>(args)...), Widen(expected)) << "wide " << format;
}

TEST(FormatEngine, IntegersWithFlagsWidthAndPrecision) {
  ExpectBothWidths("%d|%i|%u", "-5|7|4294967295", -5, 7, 4294967295u);
  ExpectBothWidths("%x %X %#x %#X %o %#o", "ff FF 0xff 0XFF 10 010", 255, 255, 255, 255, 8, 8);
  ExpectBothWidths("%+d % d %+d", "+5  5 -5", 5, 5, -5);
  ExpectBothWidths("[%-5d][%5d][%05d][%-05d]", "[42   ][   42][-0042][42   ]", 42, 42, -42, 42);
  ExpectBothWidths("%.3d|%.0d|%5.3d", "007||  007", 7, 0, 7);
  ExpectBothWidths("[%*d][%-*d][%*d][%.*d]", "[   42][1   ][1   ][005]", 5, 42, 4, 1, -4, 1, 3, 5);
  ExpectBothWidths("%d", "-2147483648", INT32_MIN);
}

TEST(FormatEngine, IntegerSizes) {
  ExpectBothWidths("%hd %hu %hx", "-1 1 ffff", 65535, 65537, -1);
  ExpectBothWidths("%ld %lu %lx", "-7 4294967295 ffffffff", LONG{-7}, ULONG{0xFFFFFFFF}, LONG{-1});
  ExpectBothWidths("%lld %llu", "-9000000000 18446744073709551615", -9000000000LL, ~0ULL);
  ExpectBothWidths("%I64d %I64u %I64X", "9000000000 9000000000 218711A00", 9000000000LL, 9000000000ULL, 9000000000ULL);
  ExpectBothWidths("%Id %Iu %I32d", "-3 12 5", intptr_t{-3}, size_t{12}, 5);
}

TEST(FormatEngine, Reals) {
  ExpectBothWidths("%f|%.2f|%.0f", "1.500000|3.14|2", 1.5, 3.14159, 1.5);
  ExpectBothWidths("%.2e|%E|%g|%G", "1.23e+04|1.000000E+00|0.0001|1E-10", 12345.0, 1.0, 0.0001, 1e-10);
  ExpectBothWidths("[%8.3f][%-8.2f][%+.1f][%08.2f]", "[   3.142][2.50    ][+2.5][-0002.50]", 3.14159, 2.5, 2.5, -2.5);
  ExpectBothWidths("%Lf %.1f", "2.500000 0.5", 2.5L, 0.5f);
}

TEST(FormatEngine, StringsAndCharacters) {
  ExpectBothWidths("[%s][%5s][%-5s][%05s][%.2s]", "[ab][   ab][ab   ][000ab][ab]", Text("ab"), Text("ab"), Text("ab"),
                   Text("ab"), Text("abcdef"));
  ExpectBothWidths("[%c][%3c][%-3c]", "[x][  x][x  ]", 'x', 'x', 'x');
  ExpectBothWidths("%s|%.3s|%8s", "(null)|(nu|  (null)", static_cast<const void*>(nullptr),
                   static_cast<const void*>(nullptr), static_cast<const void*>(nullptr));
  ExpectBothWidths("100%% %d%%", "100% 50%", 50);
}

TEST(FormatEngine, UnknownConversionsAreCopiedLiterally) {
  ExpectBothWidths("%y|%-5y|%n|%q%d", "%y|%-5y|%n|%q7", 7);
  ExpectBothWidths("abc%", "abc%");
  ExpectBothWidths("abc%-5", "abc%-5");
}

TEST(FormatEngine, PointersShowAllTheirDigits) {
  std::string digits(2 * sizeof(void*) - 4, '0');
  ExpectBothWidths("%p", (digits + "ABCD").c_str(), reinterpret_cast<void*>(0xABCD));
  ExpectBothWidths("[%-20p]", ("[" + digits + "0000" + std::string(20 - digits.size() - 4, ' ') + "]").c_str(),
                   static_cast<void*>(nullptr));
}

TEST(FormatEngine, OtherWidthArgumentsConvertThroughCodePage932) {
  EXPECT_EQ(Format("%S|%ls|%ws|%hs|%s", u"\u3042", u"\uFF83", u"x", "\x82\xA0", "y"), "\x82\xA0|\xC3|x|\x82\xA0|y");
  EXPECT_EQ(Format("%C|%lc|%hc|%c", u'\u3042', u'z', 'a', 'b'), "\x82\xA0|z|a|b");
  EXPECT_EQ(Format(u"%S|%hs|%ls|%s", "\x82\xA0", "\xC3", u"x", u"\u3042"), u"\u3042|\uFF83|x|\u3042");
  EXPECT_EQ(Format(u"%C|%hc|%lc|%c", 'a', '\xFF', u'\u3042', u'b'), u"a|\u30FB|\u3042|b");
  EXPECT_EQ(Format("%S", static_cast<const char16_t*>(nullptr)), "(null)");
}

TEST(FormatEngine, PrecisionReadsNoFurtherAndKeepsWholeCharacters) {
  const char narrow[3] = {'a', 'b', 'c'};  // not terminated
  const char16_t wide[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(Format("%.3s", narrow), "abc");
  EXPECT_EQ(Format(u"%.3s", wide), u"abc");
  EXPECT_EQ(Format("[%.2s][%.3s][%.1s]", "a\x82\xA0", "a\x82\xA0", "\x82\xA0"), "[a][a\x82\xA0][]");
  EXPECT_EQ(Format(u"%.1S", "\x82\xA0"), u"");
  EXPECT_EQ(Format("%.2s", "a\xFF"), "a\xFF");
}

TEST(FormatEngine, NullFormatGivesEmptyText) {
  EXPECT_EQ(Format(static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(Format(static_cast<const char16_t*>(nullptr)), u"");
}

int CallWvsprintfW(char16_t* buffer, const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  int length = wvsprintfW(buffer, format, args);
  va_end(args);
  return length;
}

TEST(Wsprintf, FormatsIntoTheBufferAndReturnsTheLength) {
  char16_t wide[64];
  EXPECT_EQ(wsprintfW(wide, u"%s=%ld (%S)", u"count", LONG{12}, "\x82\xA0"), 12);
  EXPECT_EQ(std::u16string(wide), u"count=12 (\u3042)");
  EXPECT_EQ(CallWvsprintfW(wide, u"%04d", 7), 4);
  EXPECT_EQ(std::u16string(wide), u"0007");

  char narrow[64];
  EXPECT_EQ(wsprintfA(narrow, "%s:%S", "a", u"\u3042"), 4);
  EXPECT_STREQ(narrow, "a:\x82\xA0");
}

TEST(Wsprintf, NeverWritesPast1024Units) {
  std::u16string longText(2000, u'x');
  std::u16string buffer(1100, u'#');
  EXPECT_EQ(wsprintfW(buffer.data(), u"%s", longText.c_str()), 1023);
  EXPECT_EQ(buffer[1022], u'x');
  EXPECT_EQ(buffer[1023], u'\0');
  EXPECT_EQ(buffer[1024], u'#');

  std::string narrowBuffer(1100, '#');
  EXPECT_EQ(wsprintfA(narrowBuffer.data(), "%s", std::string(1500, 'y').c_str()), 1023);
  EXPECT_EQ(narrowBuffer[1023], '\0');
  EXPECT_EQ(narrowBuffer[1024], '#');
}

TEST(Wsprintf, NullFormatFails) {
  char16_t wide[4] = {u'#'};
  SetLastError(0);
  EXPECT_EQ(wsprintfW(wide, nullptr), 0);
  EXPECT_EQ(wide[0], u'\0');
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
