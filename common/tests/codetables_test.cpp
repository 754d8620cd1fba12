// Tests of the card's code lists: each table's codes and labels in list
// order, the slot-to-table map of each kind, and the look-ups.
#include <codetables.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Labels = std::vector<std::u16string>;
using Codes = std::vector<LONG>;

struct TableCase {
  const char* name;
  CodeTable table;
  Codes codes;
  Labels labels;
};

Codes CodesOf(CodeTable table) {
  Codes codes;
  for (const CodeItem& item : table) codes.push_back(item.code);
  return codes;
}

Labels LabelsOf(CodeTable table) {
  Labels labels;
  for (const CodeItem& item : table) labels.push_back(item.label);
  return labels;
}

const TableCase kTables[] = {
    {"U", codes::kPresence, {0, 1, 2}, {u"調査対象外", u"あり", u"なし"}},
    {"V", codes::kSight, {0, 1, 2, 3}, {u"調査対象外", u"あり", u"可能", u"不能"}},
    {"F", codes::kFunction, {0, 1, 2}, {u"調査対象外", u"失われていない", u"失われている"}},
    {"G1",
     codes::kKnownGrade,
     {10, 11, 12, 13, 14, 21, 22, 23, 24},
     {u"電子基準点", u"１等三角点", u"２等三角点", u"３等三角点", u"４等三角点", u"１級基準点", u"２級基準点",
      u"３級基準点", u"４級基準点"}},
    {"T2",
     codes::kRefType,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0},
     {u"基本三角点", u"４等三角点", u"評定点", u"地籍図根三角点", u"地籍図根多角点", u"細部図根点",
      u"その他図根点", u"航測図根点", u"図解図根点", u"19条2・5項の認証", u"公共基準点", u"街区三角点",
      u"街区多角点", u"補助点", u"不明"}},
    {"G2",
     codes::kRefGrade,
     {1, 2, 3, 4, 5, 0},
     {u"１次（１級・１等）", u"２次（２級・２等）", u"３次（３級・３等）", u"４次（４等・４級）", u"５次", u"不明"}},
    {"M2",
     codes::kRefMark,
     {1, 2, 3, 4, 5, 0},
     {u"非埋標", u"本点", u"永久標識", u"その他", u"補助点", u"不明"}},
    {"M3", codes::kBlockMark, {1, 3, 4, 5, 0}, {u"非埋標", u"永久標識", u"その他", u"構造物", u"不明"}},
    {"Z",
     codes::kMaterial,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0},
     {u"金属標", u"鋲", u"プラスチック", u"コンクリート", u"真鋳", u"アルミプレート", u"石", u"刻印", u"木",
      u"ペンキ", u"マンホール利用", u"その他", u"不明"}},
    {"S3",
     codes::kInstaller,
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0},
     {u"国", u"都", u"道", u"府", u"県", u"市", u"区", u"町", u"村", u"区画整理組合", u"民", u"構造物",
      u"図上測定街区点", u"その他", u"不明"}},
    {"B3",
     codes::kBoundary,
     {1, 2, 3, 4, 5, 0},
     {u"道路管理者の申請", u"区画整理等の引継ぎ", u"土地所有者の申請", u"境界確定の復元測量", u"その他",
      u"確定なし"}},
};

class CodeTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(CodeTableTest, ListsItsCodesAndLabelsInScreenOrder) {
  EXPECT_EQ(CodesOf(GetParam().table), GetParam().codes);
  EXPECT_EQ(LabelsOf(GetParam().table), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(Tables, CodeTableTest, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LandCategoryTable, RunsColumnByColumnWithTwoCharacterCodes) {
  Codes expected;
  for (LONG code = 1; code <= 24; ++code) expected.push_back(code);
  expected.push_back(0);
  for (LONG code = 81; code <= 92; ++code) expected.push_back(code);
  EXPECT_EQ(CodesOf(codes::kLandCategory), expected);
  const Labels labels = LabelsOf(codes::kLandCategory);
  EXPECT_EQ(labels.front(), u" 1:田");
  EXPECT_EQ(labels[8], u" 9:原野");
  EXPECT_EQ(labels[9], u"10:墓地");
  EXPECT_EQ(labels[24], u" 0:不明等");
  EXPECT_EQ(labels.back(), u"92:その他");
  for (size_t i = 0; i < labels.size(); ++i) {
    const LONG code = codes::kLandCategory[i].code;
    const char16_t tens = code < 10 ? u' ' : static_cast<char16_t>(u'0' + code / 10);
    EXPECT_EQ(labels[i].substr(0, 3), (std::u16string{tens, static_cast<char16_t>(u'0' + code % 10), u':'})) << i;
  }
}

TEST(CodeLookup, LabelsOfKnownAndUnknownCodes) {
  EXPECT_EQ(std::u16string(codes::LabelOf(codes::kBlockMark, 5)), u"構造物");
  EXPECT_EQ(std::u16string(codes::LabelOf(codes::kRefMark, 5)), u"補助点");
  EXPECT_EQ(std::u16string(codes::LabelOf(codes::kBlockMark, 2)), u"");  // no such code on an urban-block point
  EXPECT_EQ(std::u16string(codes::LabelOf(codes::kPresence, -1)), u"");
  EXPECT_EQ(std::u16string(codes::LandCategoryOf(3)), u"宅地");
  EXPECT_EQ(std::u16string(codes::LandCategoryOf(0)), u"不明等");
  EXPECT_EQ(std::u16string(codes::LandCategoryOf(92)), u"その他");
  EXPECT_EQ(std::u16string(codes::LandCategoryOf(25)), u"");
  EXPECT_EQ(std::u16string(codes::LandCategoryOf(-1)), u"");
}

TEST(CodeLookup, PhotoKindWordsAndClassCodes) {
  const std::pair<LONG, std::u16string> words[] = {{0, u""}, {1, u"近景"}, {2, u"遠景"}, {3, u"その他"}, {4, u""}, {-1, u""}};
  for (const auto& [kind, word] : words) EXPECT_EQ(std::u16string(codes::PhotoKindWord(kind)), word) << kind;
  EXPECT_EQ(codes::ClassCodeOf(1), 8);
  EXPECT_EQ(codes::ClassCodeOf(2), 10);
  EXPECT_EQ(codes::ClassCodeOf(3), 3);
  EXPECT_EQ(codes::ClassCodeOf(0), 0);
}

TEST(AttrTables, EachKindsSlotsNameTheirTables) {
  const CodeTable known[] = {codes::kKnownGrade, codes::kPresence, codes::kPresence, codes::kPresence,
                             codes::kPresence,   codes::kPresence, codes::kPresence, codes::kPresence,
                             codes::kFunction,   codes::kSight,    codes::kPresence};
  const CodeTable reference[] = {codes::kRefType,  codes::kRefGrade,     codes::kRefMark, codes::kMaterial,
                                 codes::kLandCategory, codes::kSight, codes::kPresence};
  const CodeTable block[] = {codes::kInstaller, codes::kBoundary,     codes::kBlockMark, codes::kMaterial,
                             codes::kLandCategory, codes::kSight, codes::kPresence};
  for (int slot = 0; slot < codes::kAttrSlots; ++slot) {
    EXPECT_EQ(codes::AttrTable(1, slot).data(), known[slot].data()) << slot;
    EXPECT_EQ(codes::AttrTable(2, slot).data(), slot < 7 ? reference[slot].data() : nullptr) << slot;
    EXPECT_EQ(codes::AttrTable(3, slot).data(), slot < 7 ? block[slot].data() : nullptr) << slot;
  }
  for (LONG kind : {0, 4, -1}) EXPECT_TRUE(codes::AttrTable(kind, 0).empty()) << kind;
  EXPECT_TRUE(codes::AttrTable(1, -1).empty());
  EXPECT_TRUE(codes::AttrTable(1, 11).empty());
}

}  // namespace
