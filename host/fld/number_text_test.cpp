// Tests of the number fields' text rules: which beginnings may stand while
// typing, parsing finished texts within range, and formatting in the
// field's decimals.
#include "number_text.h"

#include <gtest/gtest.h>

namespace {

const FldNumberRule kPointNumber{0, 5, 1, 99999};
const FldNumberRule kTeens{0, 10, 10, 20};
const FldNumberRule kSigned{0, 10, -50, 50};
const FldNumberRule kCoordinate{4, 8, -99999999999LL, 99999999999LL};

struct BeginningCase {
  const FldNumberRule* rule;
  std::u16string text;
  bool wellFormed;
  bool canBegin;
};

TEST(NumberText, BeginningsThatMayStandWhileTyping) {
  const BeginningCase cases[] = {
      {&kPointNumber, u"", true, true},          {&kPointNumber, u"1", true, true},
      {&kPointNumber, u"99999", true, true},     {&kPointNumber, u"123456", false, false},
      {&kPointNumber, u"0", true, false},        {&kPointNumber, u"-", true, false},
      {&kPointNumber, u"a", false, false},       {&kPointNumber, u"1.5", false, false},
      {&kPointNumber, u"01", false, false},      {&kPointNumber, u" 1", false, false},
      {&kTeens, u"1", true, true},               {&kTeens, u"2", true, true},
      {&kTeens, u"3", true, false},              {&kTeens, u"15", true, true},
      {&kTeens, u"25", true, false},             {&kTeens, u"105", true, false},
      {&kSigned, u"-", true, true},              {&kSigned, u"-6", true, true},
      {&kSigned, u"-51", true, false},           {&kSigned, u"-0", true, false},
      {&kSigned, u"--5", false, false},          {&kCoordinate, u"-", true, true},
      {&kCoordinate, u".", true, true},          {&kCoordinate, u"-.", true, true},
      {&kCoordinate, u"-0", true, true},         {&kCoordinate, u"12.3456", true, true},
      {&kCoordinate, u"12.34567", false, false}, {&kCoordinate, u"9999999.9999", true, true},
      {&kCoordinate, u"-9999999.9999", true, true}, {&kCoordinate, u"10000000", true, false},
      {&kCoordinate, u"99999999", true, false},  {&kCoordinate, u"999999999", false, false},
      {&kCoordinate, u"1.2.3", false, false},    {&kCoordinate, u"00", false, false},
      {&kCoordinate, u"0.5", true, true},        {&kCoordinate, u"1e5", false, false},
  };
  for (const BeginningCase& c : cases) {
    EXPECT_EQ(fld::IsWellFormed(c.text, *c.rule), c.wellFormed) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(fld::CanBeginNumberInRange(c.text, *c.rule), c.canBegin) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(NumberText, ParsesOnlyCompleteNumbersWithinRange) {
  struct Case {
    const FldNumberRule* rule;
    std::u16string text;
    std::optional<long long> value;
  };
  const Case cases[] = {
      {&kPointNumber, u"", std::nullopt},     {&kPointNumber, u"1", 1},
      {&kPointNumber, u"0", std::nullopt},    {&kPointNumber, u"99999", 99999},
      {&kTeens, u"5", std::nullopt},          {&kSigned, u"-50", -50},
      {&kCoordinate, u"12.5", 125000},        {&kCoordinate, u"5.", 50000},
      {&kCoordinate, u".5", 5000},            {&kCoordinate, u"-0.0", 0},
      {&kCoordinate, u"-", std::nullopt},     {&kCoordinate, u".", std::nullopt},
      {&kCoordinate, u"-.", std::nullopt},    {&kCoordinate, u"abc", std::nullopt},
      {&kCoordinate, u"-9999999.9999", -99999999999LL},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fld::ParseInRange(c.text, *c.rule), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(NumberText, FormatsWithTheFieldsDecimals) {
  struct Case {
    long long units;
    int decimals;
    std::u16string text;
  };
  const Case cases[] = {
      {125000, 4, u"12.5000"}, {-125000, 4, u"-12.5000"}, {0, 4, u"0.0000"}, {-1, 4, u"-0.0001"},
      {42, 0, u"42"},          {-42, 0, u"-42"},          {0, 0, u"0"},      {99999999999LL, 4, u"9999999.9999"},
      {fld::kMaxUnits, 0, u"999999999999999999"},
  };
  for (const Case& c : cases) EXPECT_EQ(fld::FormatUnits(c.units, c.decimals), c.text) << c.units;
}

}  // namespace
