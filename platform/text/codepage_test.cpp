// Tests of MultiByteToWideChar / WideCharToMultiByte over code page 932 and
// UTF-8: glibc's mappings we rely on, the replacement rules, size queries,
// short buffers and bad arguments.
#include <plat/codepage.h>

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char16_t kDot = 0x30FB;  // the code page's default Unicode character

std::u16string Decode(UINT codePage, const std::string& bytes, DWORD flags = 0) {
  int needed = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string wide(static_cast<size_t>(needed), u'\0');
  if (needed > 0)
    MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), wide.data(), needed);
  return wide;
}

std::string Encode(UINT codePage, const std::u16string& wide, BOOL* usedDefault = nullptr,
                   const char* defaultChar = nullptr) {
  int length = static_cast<int>(wide.size());
  int needed = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, defaultChar, usedDefault);
  std::string bytes(static_cast<size_t>(needed), '\0');
  if (needed > 0) WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), needed, defaultChar, usedDefault);
  return bytes;
}

struct MappingCase {
  const char* name;
  std::string bytes;
  std::u16string wide;
};

void PrintTo(const MappingCase& c, std::ostream* os) { *os << c.name; }

// Both directions: bytes decode to wide, and wide encodes back to the same bytes.
const MappingCase kRoundTrips[] = {
    {"Ascii", "Survey 12, \"A\"\\~", u"Survey 12, \"A\"\\~"},
    {"HalfWidthKatakana", "\xC3\xDE\xB0\xC0", u"\uFF83\uFF9E\uFF70\uFF80"},
    {"FullWidthTilde", "\x81\x60", u"\uFF5E"},
    {"HorizontalBar", "\x81\x5C", u"\u2015"},
    {"FullWidthReverseSolidus", "\x81\x5F", u"\uFF3C"},
    {"FullWidthNotSign", "\x81\xCA", u"\uFFE2"},
    {"Hiragana", "\x82\xA0\x82\xA2", u"\u3042\u3044"},
    {"Kanji", "\x95\x5C", u"\u8868"},
    {"MiddleDot", "\x81\x45", u"\u30FB"},
    {"CircledDigitOne", "\x87\x40", u"\u2460"},
};

class CodePageRoundTrip : public testing::TestWithParam<MappingCase> {};

TEST_P(CodePageRoundTrip, DecodesAndEncodesBack) {
  const MappingCase& c = GetParam();
  EXPECT_EQ(Decode(932, c.bytes), c.wide);
  BOOL usedDefault = TRUE;
  EXPECT_EQ(Encode(932, c.wide, &usedDefault), c.bytes);
  EXPECT_FALSE(usedDefault);
  EXPECT_EQ(Decode(CP_ACP, c.bytes), c.wide);
}

INSTANTIATE_TEST_SUITE_P(Cp932, CodePageRoundTrip, testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// Undecodable input: what the lenient decoder makes of it; MB_ERR_INVALID_CHARS rejects all of them.
const MappingCase kUndecodable[] = {
    {"InvalidByteFF",
     "a\xFF"
     "b",
     std::u16string(u"a") + kDot + u"b"},
    {"InvalidByte80", "\x80", std::u16string(1, kDot)},
    {"InvalidByteA0", "\xA0", std::u16string(1, kDot)},
    {"LeadThenComma", "\x82,x", std::u16string(1, kDot) + u",x"},
    {"LeadThenQuote", "\"\x95\"", u"\"" + std::u16string(1, kDot) + u"\""},
    {"LeadThenDel", "\x81\x7F", std::u16string(1, kDot) + u"\x7F"},
    {"UnmappedPairIsOneDot", "\x85\x40z", std::u16string(1, kDot) + u"z"},
    {"LeadAtEnd", "ab\x82", std::u16string(u"ab") + kDot},
    {"BrokenThenValid", "\x82 \x82\xA0", std::u16string(1, kDot) + u" \u3042"},
};

class CodePageUndecodable : public testing::TestWithParam<MappingCase> {};

TEST_P(CodePageUndecodable, BecomesMiddleDotsOrFailsWhenStrict) {
  const MappingCase& c = GetParam();
  EXPECT_EQ(Decode(932, c.bytes), c.wide);

  char16_t out[16];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, c.bytes.data(), static_cast<int>(c.bytes.size()), out, 16),
            0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

INSTANTIATE_TEST_SUITE_P(Cp932, CodePageUndecodable, testing::ValuesIn(kUndecodable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageEncode, OneWayMappingsOfGlibc) {
  EXPECT_EQ(Encode(932, u"\u00A5\u203E"), "\\~");
  EXPECT_EQ(Encode(932, u"\u2014"), "\x81\x5C");
  EXPECT_EQ(Encode(932, u"\u301C"), "\x81\x60");
}

TEST(CodePageEncode, UnmappableCharactersBecomeTheDefaultChar) {
  struct Case {
    std::u16string wide;
    const char* defaultChar;
    std::string expected;
  };
  const Case cases[] = {
      {u"caf\u00E9", nullptr, "caf?"},      {u"a\xD800z", nullptr, "a?z"},  // lone high surrogate
      {u"a\xDC00", nullptr, "a?"},                                          // lone low surrogate
      {u"x\xD800", nullptr, "x?"},                                          // high surrogate at the end
      {u"\U0001F600!", nullptr, "?!"},                                      // outside the BMP: one default char
      {u"\u00E9\u8868", "*#", "*\x95\x5C"},                                 // lpDefaultChar's first byte
  };
  for (const Case& c : cases) {
    BOOL usedDefault = FALSE;
    EXPECT_EQ(Encode(932, c.wide, &usedDefault, c.defaultChar), c.expected);
    EXPECT_TRUE(usedDefault);
  }
}

TEST(CodePageUtf8, RoundTripsAndReplacesBrokenInput) {
  std::u16string wide = u"\u65E5\u672C \uFF83\uFF9E \U0001F600 a";
  std::string utf8 = "\xE6\x97\xA5\xE6\x9C\xAC \xEF\xBE\x83\xEF\xBE\x9E \xF0\x9F\x98\x80 a";
  EXPECT_EQ(Encode(CP_UTF8, wide), utf8);
  EXPECT_EQ(Decode(CP_UTF8, utf8), wide);

  EXPECT_EQ(Decode(CP_UTF8,
                   "a\xFF"
                   "b"),
            u"a\uFFFD"
            u"b");
  EXPECT_EQ(Decode(CP_UTF8,
                   "\xE3"
                   ","),
            u"\uFFFD,");
  EXPECT_EQ(Decode(CP_UTF8, "\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Encode(CP_UTF8,
                   u"a\xD800"
                   u"b"),
            "a\xEF\xBF\xBD"
            "b");

  char16_t out[8];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, out, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePageBuffers, MinusOneCountsTheTerminator) {
  char16_t wide[8] = {};
  EXPECT_EQ(MultiByteToWideChar(932, 0, "\x82\xA0z", -1, nullptr, 0), 3);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "\x82\xA0z", -1, wide, 8), 3);
  EXPECT_EQ(std::u16string(wide), u"\u3042z");

  char narrow[8] = {};
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u3042z", -1, nullptr, 0, nullptr, nullptr), 4);
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u3042z", -1, narrow, 8, nullptr, nullptr), 4);
  EXPECT_STREQ(narrow, "\x82\xA0z");
}

TEST(CodePageBuffers, TooSmallFailsAndWritesNothing) {
  char16_t wide[4] = {u'#', u'#', u'#', u'#'};
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "abc", -1, wide, 3), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::u16string(wide, 4), u"####");
  EXPECT_EQ(MultiByteToWideChar(932, 0, "abc", -1, wide, 4), 4);

  char narrow[4] = {'#', '#', '#', '#'};
  SetLastError(0);
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u3042\u3044", 2, narrow, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::string(narrow, 4), "####");
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u3042\u3044", 2, narrow, 4, nullptr, nullptr), 4);
}

TEST(CodePageArguments, BadArgumentsFailWithInvalidParameter) {
  char16_t wide[4];
  char narrow[4];
  BOOL used = FALSE;
  const int results[] = {
      MultiByteToWideChar(1252, 0, "a", 1, wide, 4),
      MultiByteToWideChar(932, 0, nullptr, 1, wide, 4),
      MultiByteToWideChar(932, 0, "a", 0, wide, 4),
      MultiByteToWideChar(932, 0, "a", -2, wide, 4),
      MultiByteToWideChar(932, 0, "a", 1, wide, -1),
      MultiByteToWideChar(932, 0, "a", 1, nullptr, 4),
      WideCharToMultiByte(1252, 0, u"a", 1, narrow, 4, nullptr, nullptr),
      WideCharToMultiByte(932, 0, nullptr, 1, narrow, 4, nullptr, nullptr),
      WideCharToMultiByte(932, 0, u"a", 0, narrow, 4, nullptr, nullptr),
      WideCharToMultiByte(932, 0, u"a", 1, nullptr, 4, nullptr, nullptr),
      WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 4, "?", nullptr),
      WideCharToMultiByte(CP_UTF8, 0, u"a", 1, narrow, 4, nullptr, &used),
  };
  for (size_t i = 0; i < std::size(results); ++i) {
    EXPECT_EQ(results[i], 0) << "case " << i;
  }
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(932, 0, "a", 0, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePageInfo, AnsiCodePageIsJapanese) {
  EXPECT_EQ(GetACP(), 932u);
  const BYTE leads[] = {0x81, 0x9F, 0xE0, 0xFC};
  const BYTE others[] = {0x00, 0x41, 0x80, 0xA0, 0xC3, 0xDF, 0xFD, 0xFF};
  for (BYTE b : leads) EXPECT_TRUE(IsDBCSLeadByte(b)) << int(b);
  for (BYTE b : others) EXPECT_FALSE(IsDBCSLeadByte(b)) << int(b);
}

TEST(CodePageHelpers, ConvertBetweenWidthsLeniently) {
  EXPECT_EQ(plat::text::AnsiToWide("\xC3\xDE\xB0\xC0,\xFF"), u"\uFF83\uFF9E\uFF70\uFF80," + std::u16string(1, kDot));
  EXPECT_EQ(plat::text::WideToAnsi(u"\uFF83\uFF9E\u00E9"), "\xC3\xDE?");
  EXPECT_EQ(plat::text::AnsiToWide(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(CodePageThreads, EachThreadConvertsWithItsOwnDescriptors) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &failures] {
      for (int i = 0; i < 500; ++i) {
        if (plat::text::AnsiToWide("\x82\xA0\xFF"
                                   "a") !=
            u"\u3042\u30FB"
            u"a")
          ++failures[t];
        if (plat::text::WideToAnsi(u"\uFF5E\u00E9") != "\x81\x60?") ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
