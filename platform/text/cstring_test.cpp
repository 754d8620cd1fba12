// Tests of the class library's string CStringT in both widths: construction
// and conversion through code page 932, buffers, pieces, searching, editing,
// comparing, operators and the formats the programs use.
#include <afxstr.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

namespace {

template <class C>
std::basic_string<C> T(std::string_view ascii) {
  return std::basic_string<C>(ascii.begin(), ascii.end());
}

template <class C>
std::basic_string<C> Text(const CStringT<C>& s) {
  return std::basic_string<C>(s.GetString(), static_cast<size_t>(s.GetLength()));
}

template <class C>
class StringOfWidth : public testing::Test {
 protected:
  using S = CStringT<C>;
  static S Make(std::string_view ascii) { return S(T<C>(ascii).c_str()); }
  static std::basic_string<C> Of(std::string_view ascii) { return T<C>(ascii); }
};
using Widths = testing::Types<char, char16_t>;
TYPED_TEST_SUITE(StringOfWidth, Widths);

TYPED_TEST(StringOfWidth, Construction) {
  using S = typename TestFixture::S;
  using C = TypeParam;
  EXPECT_TRUE(S().IsEmpty());
  EXPECT_EQ(Text(S(C('x'), 3)), this->Of("xxx"));
  EXPECT_EQ(Text(S(C('x'), -1)), this->Of(""));
  EXPECT_EQ(Text(S(this->Of("abcdef").c_str(), 3)), this->Of("abc"));
  EXPECT_EQ(Text(S(static_cast<const C*>(nullptr))), this->Of(""));
  S copy = this->Make("abc");
  S other(copy);
  copy.SetAt(0, C('X'));
  EXPECT_EQ(Text(other), this->Of("abc"));
  EXPECT_EQ(Text(copy), this->Of("Xbc"));
  EXPECT_EQ(copy.GetAt(1), C('b'));
  EXPECT_EQ(copy[2], C('c'));
  EXPECT_EQ(copy.GetLength(), 3);
  copy.Empty();
  EXPECT_TRUE(copy.IsEmpty());
}

TYPED_TEST(StringOfWidth, Buffers) {
  using S = typename TestFixture::S;
  using C = TypeParam;
  S s = this->Make("ab");
  C* buffer = s.GetBuffer(10);
  std::char_traits<C>::copy(buffer, this->Of("hello").c_str(), 6);
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), this->Of("hello"));

  buffer = s.GetBuffer();
  buffer[1] = C('\0');
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), this->Of("h"));

  buffer = s.GetBufferSetLength(4);
  std::char_traits<C>::copy(buffer, this->Of("wxyz").c_str(), 4);
  EXPECT_EQ(s.GetLength(), 4);
  s.ReleaseBuffer(2);
  EXPECT_EQ(Text(s), this->Of("wx"));
  s.ReleaseBuffer(10);  // never beyond the text
  EXPECT_EQ(Text(s), this->Of("wx"));
}

TYPED_TEST(StringOfWidth, PiecesAreClamped) {
  struct Case {
    int start;
    int count;
    const char* mid;
  };
  const Case cases[] = {{0, 3, "abc"}, {2, 2, "cd"}, {4, 10, "ef"}, {6, 1, ""}, {9, 1, ""}, {-2, 2, "ab"}, {1, -1, ""}};
  auto s = this->Make("abcdef");
  for (const Case& c : cases) {
    EXPECT_EQ(Text(s.Mid(c.start, c.count)), this->Of(c.mid)) << c.start << "," << c.count;
  }
  EXPECT_EQ(Text(s.Mid(4)), this->Of("ef"));
  EXPECT_EQ(Text(s.Mid(7)), this->Of(""));
  EXPECT_EQ(Text(s.Left(2)), this->Of("ab"));
  EXPECT_EQ(Text(s.Left(99)), this->Of("abcdef"));
  EXPECT_EQ(Text(s.Left(-1)), this->Of(""));
  EXPECT_EQ(Text(s.Right(2)), this->Of("ef"));
  EXPECT_EQ(Text(s.Right(99)), this->Of("abcdef"));
  EXPECT_EQ(Text(s.Right(-3)), this->Of(""));
}

TYPED_TEST(StringOfWidth, Searching) {
  using C = TypeParam;
  auto s = this->Make("a,b,,c");
  EXPECT_EQ(s.Find(C(',')), 1);
  EXPECT_EQ(s.Find(C(','), 2), 3);
  EXPECT_EQ(s.Find(C(','), 5), -1);
  EXPECT_EQ(s.Find(C(','), 99), -1);
  EXPECT_EQ(s.Find(C('z')), -1);
  EXPECT_EQ(s.Find(this->Of(",,").c_str()), 3);
  EXPECT_EQ(s.Find(this->Of("b").c_str(), 3), -1);
  EXPECT_EQ(s.ReverseFind(C(',')), 4);
  EXPECT_EQ(s.ReverseFind(C('q')), -1);
}

TYPED_TEST(StringOfWidth, Editing) {
  using C = TypeParam;
  auto s = this->Make("a-b-c");
  EXPECT_EQ(s.Replace(C('-'), C('+')), 2);
  EXPECT_EQ(Text(s), this->Of("a+b+c"));
  EXPECT_EQ(s.Replace(this->Of("+").c_str(), this->Of("--").c_str()), 2);
  EXPECT_EQ(Text(s), this->Of("a--b--c"));
  EXPECT_EQ(s.Replace(this->Of("--").c_str(), static_cast<const C*>(nullptr)), 2);
  EXPECT_EQ(Text(s), this->Of("abc"));
  EXPECT_EQ(s.Replace(this->Of("").c_str(), this->Of("x").c_str()), 0);
  EXPECT_EQ(s.Insert(1, C('_')), 4);
  EXPECT_EQ(s.Insert(99, this->Of("!!").c_str()), 6);
  EXPECT_EQ(s.Insert(-5, this->Of(">").c_str()), 7);
  EXPECT_EQ(Text(s), this->Of(">a_bc!!"));
  EXPECT_EQ(s.Remove(C('!')), 2);
  EXPECT_EQ(s.Delete(0), 4);
  EXPECT_EQ(s.Delete(1, 2), 2);
  EXPECT_EQ(s.Delete(5, 2), 2);
  EXPECT_EQ(s.Delete(1, 99), 1);
  EXPECT_EQ(Text(s), this->Of("a"));
}

TYPED_TEST(StringOfWidth, Trimming) {
  using C = TypeParam;
  auto s = this->Make(" \t x y \r\n");
  EXPECT_EQ(Text(s.Trim()), this->Of("x y"));
  auto quoted = this->Make("\"\"val\"ue\"");
  EXPECT_EQ(Text(quoted.TrimLeft(C('"'))), this->Of("val\"ue\""));
  EXPECT_EQ(Text(quoted.TrimRight(C('"'))), this->Of("val\"ue"));
  auto padded = this->Make("-+-x+-");
  EXPECT_EQ(Text(padded.Trim(this->Of("+-").c_str())), this->Of("x"));
  auto blank = this->Make("   ");
  EXPECT_EQ(Text(blank.TrimRight()), this->Of(""));
  auto left = this->Make("  a  ");
  EXPECT_EQ(Text(left.TrimLeft()), this->Of("a  "));
}

TYPED_TEST(StringOfWidth, CaseAndComparing) {
  auto s = this->Make("Field_1");
  EXPECT_EQ(Text(s.MakeUpper()), this->Of("FIELD_1"));
  EXPECT_EQ(Text(s.MakeLower()), this->Of("field_1"));
  EXPECT_LT(s.Compare(this->Of("field_2").c_str()), 0);
  EXPECT_EQ(s.Compare(this->Of("field_1").c_str()), 0);
  EXPECT_GT(s.Compare(this->Of("FIELD_1").c_str()), 0);  // ordinal
  EXPECT_EQ(s.CompareNoCase(this->Of("FIELD_1").c_str()), 0);
  EXPECT_LT(s.CompareNoCase(this->Of("FIELD_2").c_str()), 0);
}

TYPED_TEST(StringOfWidth, Operators) {
  using S = typename TestFixture::S;
  using C = TypeParam;
  S a = this->Make("ab");
  std::basic_string<C> cdText = this->Of("cd");
  const C* cd = cdText.c_str();
  EXPECT_EQ(Text(a + a), this->Of("abab"));
  EXPECT_EQ(Text(a + cd), this->Of("abcd"));
  EXPECT_EQ(Text(cd + a), this->Of("cdab"));
  EXPECT_EQ(Text(a + C('!')), this->Of("ab!"));
  EXPECT_EQ(Text(C('!') + a), this->Of("!ab"));
  S b = a;
  b += cd;
  b += C('.');
  b += S(cd);
  b.Append(cd);
  b.AppendChar(C('/'));
  b.Append(cd, 1);
  EXPECT_EQ(Text(b), this->Of("abcd.cdcd/c"));
  S twice = a;
  twice += twice;
  twice.Insert(1, twice);
  EXPECT_EQ(Text(twice), this->Of("aababbab"));

  EXPECT_TRUE(a == this->Make("ab"));
  EXPECT_TRUE(a == this->Of("ab").c_str());
  EXPECT_TRUE(this->Of("ab").c_str() == a);
  EXPECT_TRUE(a != cd);
  EXPECT_TRUE(cd != a);
  EXPECT_TRUE(a < cd);
  EXPECT_TRUE(cd > a);
  EXPECT_TRUE(a <= this->Make("ab"));
  EXPECT_TRUE(a >= this->Of("aa").c_str());
  EXPECT_FALSE(a > this->Make("b"));

  std::map<S, int> byName{{this->Make("b"), 2}, {this->Make("a"), 1}};
  EXPECT_EQ(Text(byName.begin()->first), this->Of("a"));
}

TEST(StringConversion, OtherWidthConvertsThroughCodePage932) {
  const char* narrowData = "\x83\x66\x81\x5B\x83\x5E \xC3\xDE\xB0\xC0";  // データ ﾃﾞｰﾀ
  const char16_t* wideData = u"\u30C7\u30FC\u30BF \uFF83\uFF9E\uFF70\uFF80";
  CStringW wide(narrowData);
  EXPECT_EQ(Text(wide), wideData);
  CStringA narrow(wideData);
  EXPECT_EQ(Text(narrow), narrowData);
  CStringW fromString = narrow;
  EXPECT_EQ(Text(fromString), wideData);
  CStringA back = wide;
  EXPECT_EQ(Text(back), narrowData);

  wide = "\x82\xA0";
  EXPECT_EQ(Text(wide), u"\u3042");
  narrow = u"\u3044";
  EXPECT_EQ(Text(narrow), "\x82\xA2");
  narrow = wide;
  EXPECT_EQ(Text(narrow), "\x82\xA0");
  wide += "\x82\xA2";
  wide += 'x';
  wide += narrow;
  EXPECT_EQ(Text(wide), u"\u3042\u3044x\u3042");
  narrow += u"\u3046";
  narrow += u'\u3048';
  EXPECT_EQ(Text(narrow), "\x82\xA0\x82\xA4\x82\xA6");
  EXPECT_EQ(Text(CStringW(u"a") + "\x82\xA0" + 'b'), u"a\u3042b");
  EXPECT_EQ(Text(CStringA("a") + u"\u3042" + u'b'),
            "a\x82\xA0"
            "b");
  EXPECT_TRUE(CStringW(u"\u3042") == "\x82\xA0");
  EXPECT_TRUE("\x82\xA0" == CStringW(u"\u3042"));
  EXPECT_TRUE(CStringA("\x82\xA0") == u"\u3042");
  EXPECT_TRUE(CStringW(u"\u3042") == CStringA("\x82\xA0"));
  EXPECT_TRUE(CStringA("\x82\xA0") == CStringW(u"\u3042"));
  // Across widths the order is that of the wide text: U+FF83 (C3 in 932) after U+6F3E (E0 40).
  EXPECT_TRUE(CStringA("\xC3") > CStringW(u"\u6F3E"));
  EXPECT_TRUE(CStringW(u"\u6F3E") < CStringA("\xC3"));
  EXPECT_TRUE(CStringA("\xC3") > u"\u6F3E");
  EXPECT_TRUE(CStringA("\xC3") != CStringW(u"\u6F3E"));
  EXPECT_EQ(Text(CStringW("\xFF")), u"\u30FB");
  EXPECT_EQ(Text(CStringA(u"\u00E9")), "?");
}

TEST(StringNarrow, DoubleByteCharactersStayWhole) {
  CStringA path("\x95\x5C\\dir\\\x95\x5C");  // 表\dir\表: both kanji end in the byte '\'
  EXPECT_EQ(path.Find('\\'), 2);
  EXPECT_EQ(path.ReverseFind('\\'), 6);
  EXPECT_EQ(path.Find("\x5C"
                      "d"),
            2);
  CStringA replaced = path;
  EXPECT_EQ(replaced.Replace('\\', '/'), 2);
  EXPECT_EQ(Text(replaced), "\x95\x5C/dir/\x95\x5C");
  CStringA removed = path;
  EXPECT_EQ(removed.Remove('\\'), 2);
  EXPECT_EQ(Text(removed),
            "\x95\x5C"
            "dir\x95\x5C");
  CStringA trimmed = path;
  EXPECT_EQ(Text(trimmed.TrimRight('\\')), Text(path));
  CStringA set(
      "\x81\x40"
      "a\x81\x40");  // full-width spaces around 'a'
  EXPECT_EQ(Text(set.Trim("\x81\x40")), "a");

  CStringA letters("abc\x82\x60\x82\x81\x83\x41");  // abc Ａ ａ ア (trail byte 'A')
  EXPECT_EQ(Text(letters.MakeUpper()), "ABC\x82\x60\x82\x60\x83\x41");
  EXPECT_EQ(Text(letters.MakeLower()), "abc\x82\x81\x82\x81\x83\x41");
}

TEST(StringWide, CaseMappingCoversFullWidthLatin) {
  CStringW s(u"a\uFF41\uFF21\u3042\u00E9");
  EXPECT_EQ(Text(s.MakeUpper()), u"A\uFF21\uFF21\u3042\u00E9");
  EXPECT_EQ(Text(s.MakeLower()), u"a\uFF41\uFF41\u3042\u00E9");
  CStringW spaced(u"\u3000x\u3000");
  EXPECT_EQ(Text(spaced.Trim()), u"x");
}

// ---- formats used by the programs, in both widths ----

template <class C, class... Args>
std::basic_string<C> Formatted(std::string_view format, const Args&... args) {
  CStringT<C> s;
  s.Format(T<C>(format).c_str(), args...);
  return Text(s);
}

struct IntegerFormat {
  const char* format;
  LONG value;
  const char* expected;
};

const IntegerFormat kIntegerFormats[] = {
    {"%4ld", 42, "  42"},  {"%4ld", -42, " -42"},      {"%4ld", 123456, "123456"}, {"%4ld", -1234, "-1234"},
    {"%2d", 7, " 7"},      {"%2d", -7, "-7"},          {"%2d", 100, "100"},        {"%02ld", 5, "05"},
    {"%02ld", -5, "-5"},   {"%02ld", 123, "123"},      {"%8ld", -1, "      -1"},   {"%8ld", 2147483647, "2147483647"},
    {"%6ld", 0, "     0"}, {"%6ld", -99999, "-99999"}, {"%d%%", 50, "50%"},        {"%d%%", -3, "-3%"},
    {"%%", 0, "%"},
};

struct RealFormat {
  const char* format;
  double value;
  const char* expected;
};

const RealFormat kRealFormats[] = {
    {"%.3f", 3.14159, "3.142"}, {"%.3f", -0.0005, "-0.001"},           {"%.3f", 12345.6789, "12345.679"},
    {"%.3f", 0, "0.000"},       {"%.7f", 35.6812345678, "35.6812346"}, {"%.7f", -139.7671, "-139.7671000"},
};

TYPED_TEST(StringOfWidth, IntegerFormats) {
  for (const IntegerFormat& c : kIntegerFormats) {
    EXPECT_EQ(Formatted<TypeParam>(c.format, c.value), this->Of(c.expected)) << c.format << " " << c.value;
  }
}

TYPED_TEST(StringOfWidth, RealFormats) {
  for (const RealFormat& c : kRealFormats) {
    EXPECT_EQ(Formatted<TypeParam>(c.format, c.value), this->Of(c.expected)) << c.format << " " << c.value;
  }
}

TYPED_TEST(StringOfWidth, CompositeFormats) {
  using S = typename TestFixture::S;
  S name = this->Make("Point 7");
  EXPECT_EQ(Formatted<TypeParam>("%s", name), this->Of("Point 7"));  // a CStringT stands for its text
  EXPECT_EQ(Formatted<TypeParam>("%s", name.GetString()), this->Of("Point 7"));
  EXPECT_EQ(Formatted<TypeParam>("%5ld:%s", LONG{12}, name), this->Of("   12:Point 7"));
  EXPECT_EQ(Formatted<TypeParam>("%5ld:%s", LONG{-123456}, name), this->Of("-123456:Point 7"));
  EXPECT_EQ(Formatted<TypeParam>("%s %2ld:%02ld:%02ld", name, LONG{9}, LONG{5}, LONG{0}), this->Of("Point 7  9:05:00"));
  EXPECT_EQ(Formatted<TypeParam>("%s %2ld:%02ld:%02ld", name, LONG{123}, LONG{-5}, LONG{60}),
            this->Of("Point 7 123:-5:60"));
  EXPECT_EQ(Formatted<TypeParam>("%4ld/%2ld/%2ld", LONG{2024}, LONG{3}, LONG{15}), this->Of("2024/ 3/15"));
  EXPECT_EQ(Formatted<TypeParam>("%4ld/%2ld/%2ld", LONG{-1}, LONG{-1}, LONG{123}), this->Of("  -1/-1/123"));
  EXPECT_EQ(Formatted<TypeParam>("%4ld/%2ld/%2ld", LONG{20245}, LONG{12}, LONG{31}), this->Of("20245/12/31"));

  S appended = this->Make("n=");
  appended.AppendFormat(this->Of("%d, %s").c_str(), 3, name);
  EXPECT_EQ(Text(appended), this->Of("n=3, Point 7"));
}

void FormatThroughV(CStringW& s, const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  s.FormatV(format, args);
  va_end(args);
}

TEST(StringFormat, OtherWidthArgumentsAndFormatV) {
  CStringW wide;
  CStringA narrowName("\x83\x66\x81\x5B\x83\x5E");
  wide.Format(u"%S=%d", narrowName, 1);  // %S takes the other width, CStringA included
  EXPECT_EQ(Text(wide), u"\u30C7\u30FC\u30BF=1");
  CStringA narrow;
  narrow.Format("%S", CStringW(u"\u3042"));
  EXPECT_EQ(Text(narrow), "\x82\xA0");
  FormatThroughV(wide, u"%03d|%s", 7, u"x");
  EXPECT_EQ(Text(wide), u"007|x");
}

}  // namespace
