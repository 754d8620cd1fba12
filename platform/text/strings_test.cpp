// Tests of lstrlen, lstrcmp (the word sort), lstrcmpi and lstrcpyn.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

struct OrderCase {
  const char16_t* a;
  const char16_t* b;
  int expected;  // sign of lstrcmp(a, b)
};

const OrderCase kWordSort[] = {
    {u"Version 1.1.9.0", u"Version 1.1.10.1", 1},
    {u"Version 1.1.2.0", u"Version 1.1.10.1", 1},
    {u"Version 1.1.0.3", u"Version 1.1.10.1", -1},
    {u"Belno", u"Version 1.1.0.0", -1},
    {u"", u"Belno", -1},
    {u"", u" ", -1},
    {u"", u"", 0},
    {u"Belno", u"Belno", 0},
    {u"abc", u"ABD", -1},  // letters by folded value first
    {u"abc", u"ABC", -1},  // then lower case before upper case
    {u"ABC", u"abc", 1},
    {u"aBc", u"abC", 1},   // the first case difference decides
    {u"a b", u"a-b", -1},  // white space < punctuation
    {u"a-b", u"a1b", -1},  // punctuation < digits
    {u"a9", u"aa", -1},    // digits < letters
    {u"_", u"a", -1},      // '_' is punctuation although its code is between 'Z' and 'a'
    {u"Z", u"a", 1},
    {u"\uFF21", u"\uFF41", 1},  // full-width letters fold too
    {u"\u3042", u"z", 1},       // kana are letters beyond Latin
    {u"abc", u"ab", 1},
};

TEST(WordSort, OrdersByClassThenFoldedValueThenCase) {
  for (const OrderCase& c : kWordSort) {
    std::u16string a(c.a), b(c.b);
    EXPECT_EQ(Sign(lstrcmpW(c.a, c.b)), c.expected)
        << std::string(a.begin(), a.end()) << " vs " << std::string(b.begin(), b.end());
    EXPECT_EQ(Sign(lstrcmpW(c.b, c.a)), -c.expected);
  }
}

TEST(WordSort, IgnoringCaseStopsBeforeTheCaseLevel) {
  EXPECT_EQ(lstrcmpiW(u"abc", u"ABC"), 0);
  EXPECT_EQ(lstrcmpiW(u"\uFF41x", u"\uFF21X"), 0);
  EXPECT_LT(lstrcmpiW(u"abc", u"ABD"), 0);
  EXPECT_GT(lstrcmpiW(u"Version 1.1.9.0", u"version 1.1.10.1"), 0);
}

TEST(WordSort, NarrowFormsCompareTheTextOfCodePage932) {
  EXPECT_GT(lstrcmpA("Version 1.1.9.0", "Version 1.1.10.1"), 0);
  EXPECT_LT(lstrcmpA("abc", "ABC"), 0);
  EXPECT_EQ(lstrcmpiA("abc", "ABC"), 0);
  EXPECT_LT(lstrcmpA("_", "A"), 0);                 // byte-wise the other way round
  EXPECT_LT(lstrcmpA("\x82\x81", "\x82\x60"), 0);   // full-width a before A
  EXPECT_EQ(lstrcmpiA("\x82\x81", "\x82\x60"), 0);  // full-width a / A
  EXPECT_LT(lstrcmpA(nullptr, "a"), 0);
  EXPECT_EQ(lstrcmpW(nullptr, u""), 0);
}

TEST(StringLength, CountsUnitsAndTreatsNullAsEmpty) {
  EXPECT_EQ(lstrlenW(u"\u3042bc"), 3);
  EXPECT_EQ(lstrlenA("\x82\xA0"
                     "bc"),
            4);
  EXPECT_EQ(lstrlenW(nullptr), 0);
  EXPECT_EQ(lstrlenA(nullptr), 0);
}

TEST(StringCopyN, CopiesAtMostMaxMinusOneAndTerminates) {
  char16_t wide[6] = {u'#', u'#', u'#', u'#', u'#', u'#'};
  EXPECT_EQ(lstrcpynW(wide, u"abcdefgh", 5), wide);
  EXPECT_EQ(std::u16string(wide), u"abcd");
  EXPECT_EQ(wide[5], u'#');
  EXPECT_EQ(std::u16string(lstrcpynW(wide, u"ab", 5)), u"ab");
  EXPECT_EQ(std::u16string(lstrcpynW(wide, u"ab", 1)), u"");

  char narrow[4] = {'#', '#', '#', '#'};
  EXPECT_STREQ(lstrcpynA(narrow, "ab\x82\xA0", 4), "ab");  // never half of a double-byte character
  EXPECT_EQ(narrow[3], '#');
  EXPECT_STREQ(lstrcpynA(narrow, "a\x82\xA0", 4), "a\x82\xA0");

  EXPECT_EQ(lstrcpynW(nullptr, u"a", 4), nullptr);
  EXPECT_EQ(lstrcpynW(wide, nullptr, 4), nullptr);
  EXPECT_EQ(lstrcpynW(wide, u"a", 0), nullptr);
}

}  // namespace
