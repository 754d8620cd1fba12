// Tests of the generic-text names of tchar.h in both widths: C-string
// functions, character classes and case, number parsing and the printers.
#include <gtest/gtest.h>
#include <tchar.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace {

// ASCII text in the width C.
template <class C>
std::basic_string<C> T(std::string_view ascii) {
  return std::basic_string<C>(ascii.begin(), ascii.end());
}

template <class C>
class GenericText : public testing::Test {};
using Widths = testing::Types<char, char16_t>;
TYPED_TEST_SUITE(GenericText, Widths);

TYPED_TEST(GenericText, CopyConcatenateAndMeasure) {
  using C = TypeParam;
  C buffer[16];
  EXPECT_EQ(_tcscpy(buffer, T<C>("ab").c_str()), buffer);
  EXPECT_EQ(_tcscat(buffer, T<C>("cd").c_str()), buffer);
  EXPECT_EQ(std::basic_string<C>(buffer), T<C>("abcd"));
  EXPECT_EQ(_tcslen(buffer), 4u);

  C padded[6] = {C('#'), C('#'), C('#'), C('#'), C('#'), C('#')};
  _tcsncpy(padded, T<C>("xy").c_str(), 5);  // pads with NULs up to the count
  EXPECT_EQ(std::basic_string<C>(padded, 6), T<C>("xy") + std::basic_string<C>(3, C()) + C('#'));
  _tcsncpy(padded, T<C>("uvwxyz").c_str(), 3);  // no terminator when the source is longer
  EXPECT_EQ(std::basic_string<C>(padded, 4), T<C>("uvw") + C());
}

TYPED_TEST(GenericText, CompareOrdinallyAndIgnoringCase) {
  using C = TypeParam;
  EXPECT_LT(_tcscmp(T<C>("abc").c_str(), T<C>("abd").c_str()), 0);
  EXPECT_GT(_tcscmp(T<C>("a").c_str(), T<C>("B").c_str()), 0);  // by code unit
  EXPECT_EQ(_tcscmp(T<C>("").c_str(), T<C>("").c_str()), 0);
  EXPECT_EQ(_tcsicmp(T<C>("Hello").c_str(), T<C>("hELLO").c_str()), 0);
  EXPECT_LT(_tcsicmp(T<C>("_").c_str(), T<C>("A").c_str()), 0);  // folds to lower case
  EXPECT_EQ(_tcsncmp(T<C>("abcX").c_str(), T<C>("abcY").c_str(), 3), 0);
  EXPECT_LT(_tcsncmp(T<C>("ab").c_str(), T<C>("abc").c_str(), 3), 0);
}

TYPED_TEST(GenericText, Search) {
  using C = TypeParam;
  std::basic_string<C> path = T<C>("\\dir\\file.csv");
  EXPECT_EQ(_tcschr(path.c_str(), C('\\')), path.c_str());
  EXPECT_EQ(_tcsrchr(path.c_str(), C('\\')), path.c_str() + 4);
  EXPECT_EQ(_tcschr(path.c_str(), C('\0')), path.c_str() + path.size());
  EXPECT_EQ(_tcschr(path.c_str(), C('z')), nullptr);
  EXPECT_EQ(_tcsstr(path.c_str(), T<C>("file").c_str()), path.c_str() + 5);
  EXPECT_EQ(_tcsstr(path.c_str(), T<C>("").c_str()), path.c_str());
  EXPECT_EQ(_tcsstr(path.c_str(), T<C>("files").c_str()), nullptr);
}

TYPED_TEST(GenericText, ClassesAndCase) {
  using C = TypeParam;
  EXPECT_TRUE(_istdigit(C('7')));
  EXPECT_FALSE(_istdigit(C('a')));
  EXPECT_TRUE(_istspace(C(' ')));
  EXPECT_TRUE(_istspace(C('\t')));
  EXPECT_FALSE(_istspace(C('_')));
  EXPECT_TRUE(_istalpha(C('q')));
  EXPECT_FALSE(_istalpha(C('1')));
  EXPECT_EQ(_totupper(C('a')), C('A'));
  EXPECT_EQ(_totupper(C('1')), C('1'));
  EXPECT_EQ(_totlower(C('Z')), C('z'));
}

TYPED_TEST(GenericText, NumbersParseAsTheCLibraryDoes) {
  using C = TypeParam;
  EXPECT_EQ(_ttoi(T<C>("  -42abc").c_str()), -42);
  EXPECT_EQ(_ttoi(T<C>("x1").c_str()), 0);
  EXPECT_EQ(_ttol(T<C>("+2147483647").c_str()), 2147483647);
  EXPECT_EQ(_ttol(T<C>("99999999999").c_str()), 2147483647);  // LONG saturates

  std::basic_string<C> text = T<C>(" 0x1Fz");
  C* end = nullptr;
  EXPECT_EQ(_tcstol(text.c_str(), &end, 0), 31);
  EXPECT_EQ(end, text.c_str() + 5);
  EXPECT_EQ(_tcstol(text.c_str(), &end, 10), 0);
  EXPECT_EQ(end, text.c_str() + 2);
  std::basic_string<C> none = T<C>("  +");
  EXPECT_EQ(_tcstol(none.c_str(), &end, 10), 0);
  EXPECT_EQ(end, none.c_str());

  errno = 0;
  EXPECT_EQ(_tcstol(T<C>("-3000000000").c_str(), nullptr, 10), INT32_MIN);
  EXPECT_EQ(errno, ERANGE);
  errno = 0;
  EXPECT_EQ(_tcstoul(T<C>("4294967295").c_str(), nullptr, 10), 4294967295u);
  EXPECT_EQ(errno, 0);
  EXPECT_EQ(_tcstoul(T<C>("-1").c_str(), nullptr, 10), 4294967295u);
  EXPECT_EQ(_tcstoul(T<C>("4294967296").c_str(), nullptr, 10), 4294967295u);
  EXPECT_EQ(errno, ERANGE);
  errno = 0;
  EXPECT_EQ(_tcstoul(T<C>("-99999999999999999999").c_str(), nullptr, 10), 4294967295u);
  EXPECT_EQ(errno, ERANGE);

  std::basic_string<C> real = T<C>("  -3.5e2x");
  EXPECT_DOUBLE_EQ(_tcstod(real.c_str(), &end), -350.0);
  EXPECT_EQ(end, real.c_str() + 8);
  EXPECT_DOUBLE_EQ(_tcstod(T<C>(".25").c_str(), nullptr), 0.25);
}

TYPED_TEST(GenericText, PrintIntoBuffers) {
  using C = TypeParam;
  C buffer[8];
  EXPECT_EQ(_stprintf(buffer, T<C>("%d-%d").c_str(), 1, 2), 3);
  EXPECT_EQ(std::basic_string<C>(buffer), T<C>("1-2"));

  C small[5] = {C('#'), C('#'), C('#'), C('#'), C('#')};
  EXPECT_EQ(_sntprintf(small, 4, T<C>("%d").c_str(), 12), 2);  // fits with its NUL
  EXPECT_EQ(std::basic_string<C>(small), T<C>("12"));
  EXPECT_EQ(_sntprintf(small, 4, T<C>("%d").c_str(), 1234), 4);  // exactly fits: no NUL
  EXPECT_EQ(std::basic_string<C>(small, 5), T<C>("1234#"));
  EXPECT_EQ(_sntprintf(small, 4, T<C>("%d").c_str(), 123456), -1);  // too long: cut, no NUL
  EXPECT_EQ(std::basic_string<C>(small, 5), T<C>("1234#"));

  std::basic_string<C> big(1100, C('#'));
  EXPECT_EQ(_stprintf(big.data(), T<C>("%2000d").c_str(), 1), 1023);
  EXPECT_EQ(big[1023], C());
  EXPECT_EQ(big[1024], C('#'));
}

TEST(GenericTextMacros, TextFollowsUnicode) {
  static_assert(std::is_same_v<TCHAR, char16_t>);
  EXPECT_EQ(std::u16string(_T("ab")), u"ab");
  EXPECT_EQ(std::u16string(_TEXT("ab")), u"ab");
  const _TCHAR* text = _T("x");
  EXPECT_EQ(_tcslen(text), 1u);
}

TEST(GenericTextNarrow, DoubleByteCharactersAreNeverSplit) {
  const char* path = "\x95\x5C\\a\x82\x61";  // 表 (trail byte '\'), '\', 'a', Ｂ (trail byte 'a')
  EXPECT_EQ(_tcschr(path, '\\'), path + 2);
  EXPECT_EQ(_tcsrchr(path, '\\'), path + 2);
  EXPECT_EQ(_tcschr(path, 'a'), path + 3);
  EXPECT_EQ(_tcsrchr(path, 'a'), path + 3);
  EXPECT_EQ(_tcsstr(path, "\x5C\\"), nullptr);
  EXPECT_LT(_tcsicmp("\x83\x41", "\x83\x61"), 0);    // two katakana whose trail bytes are 'A' and 'a'
  EXPECT_EQ(_tcsicmp("\x82\x60x", "\x82\x81X"), 0);  // full-width Ａ and ａ
}

TEST(GenericTextWide, ClassesBeyondAscii) {
  EXPECT_TRUE(_istdigit(u'\uFF15'));
  EXPECT_TRUE(_istspace(u'\u3000'));
  EXPECT_TRUE(_istalpha(u'\u3042'));
  EXPECT_FALSE(_istalpha(u'\u30FB'));
  EXPECT_EQ(_totupper(u'\uFF41'), u'\uFF21');
  EXPECT_EQ(_totlower(u'\u00C9'), u'\u00C9');  // case mapping covers ASCII and full-width Latin only
  EXPECT_EQ(_ttoi(u"12\uFF13"), 12);           // parsing stops at the first non-ASCII unit
}

}  // namespace
