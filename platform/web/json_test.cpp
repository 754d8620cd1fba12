// JSON values of the browser display: text conversions both ways (pairs,
// lone surrogates, bytes that are not UTF-8), escaping as JSON requires,
// numbers, member order and replacement, and reading what is missing.
#include <gtest/gtest.h>
#include <plat/web_json.h>

#include <cmath>

namespace plat::web {
namespace {

TEST(Utf8, ConvertsEveryPlaneAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf8(u"aé東"), "a\xC3\xA9\xE6\x9D\xB1");
  EXPECT_EQ(Utf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx") << "a high surrogate alone";
  EXPECT_EQ(Utf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD") << "a low surrogate alone";
}

struct Utf16Case {
  const char* name;
  std::string bytes;
  bool valid;
  std::u16string text;
};

class Utf16Test : public ::testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16Test, DecodesUtf8OrRefusesIt) {
  std::u16string text;
  EXPECT_EQ(Utf16(GetParam().bytes, &text), GetParam().valid);
  if (GetParam().valid) {
    EXPECT_EQ(text, GetParam().text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf16Test,
    ::testing::Values(Utf16Case{"ascii", "ab", true, u"ab"},
                      Utf16Case{"japanese", "\xE6\x9D\xB1\xE4\xBA\xAC", true, u"東京"},
                      Utf16Case{"pair", "\xF0\x9F\x98\x80", true, u"\U0001F600"},
                      Utf16Case{"cut", "\xE6\x9D", false, u""},
                      Utf16Case{"stray_continuation", "\x80", false, u""},
                      Utf16Case{"overlong", "\xC0\xAF", false, u""},
                      Utf16Case{"surrogate", "\xED\xA0\x80", false, u""},
                      Utf16Case{"beyond_unicode", "\xF4\x90\x80\x80", false, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonValue, WritesCompactJsonWithEscapes) {
  JsonValue value = JsonValue::Object();
  value.Set("text", "a\"b\\c\n\x01")
      .Set("number", 42)
      .Set("real", 0.5)
      .Set("flag", true)
      .Set("none", JsonValue())
      .Set("list", JsonValue(JsonValue::Array{1, "x"}))
      .Set("wide", u"東");
  EXPECT_EQ(value.Dump(),
            "{\"text\":\"a\\\"b\\\\c\\n\\u0001\",\"number\":42,\"real\":0.5,\"flag\":true,\"none\":null,"
            "\"list\":[1,\"x\"],\"wide\":\"\xE6\x9D\xB1\"}");
}

TEST(JsonValue, WritesNumbersThatReadBackAndNullForTheOthers) {
  EXPECT_EQ(JsonValue(-1234.5).Dump(), "-1234.5");
  EXPECT_EQ(std::stod(JsonValue(0.1).Dump()), 0.1);
  EXPECT_EQ(JsonValue(std::nan("")).Dump(), "null");
  EXPECT_EQ(JsonValue(1ull << 40).Dump(), "1099511627776");
}

TEST(JsonValue, KeepsMemberOrderAndReplacesAMemberInPlace) {
  JsonValue value = JsonValue::Object();
  value.Set("b", 1).Set("a", 2).Set("b", 3);
  EXPECT_EQ(value.Dump(), "{\"b\":3,\"a\":2}");
  EXPECT_EQ(value.Size(), 2u);
}

TEST(JsonValue, ReadsMissingMembersAndIndexesAsNull) {
  JsonValue value = JsonValue::Object();
  value.Set("list", JsonValue(JsonValue::Array{7}));
  EXPECT_EQ(value["list"][0].AsInt(), 7);
  EXPECT_TRUE(value["list"][1].IsNull());
  EXPECT_TRUE(value["missing"]["deeper"].IsNull());
  EXPECT_FALSE(value.Has("missing"));
  EXPECT_EQ(value["list"].AsString(), "") << "another type reads as empty";
}

}  // namespace
}  // namespace plat::web
