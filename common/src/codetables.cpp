// The code lists of the reconnaissance card as data, in list order, and the
// look-ups made in them.
#include "codetables.h"

namespace codes {
namespace {

constexpr CodeItem kU[] = {{0, u"調査対象外"}, {1, u"あり"}, {2, u"なし"}};
constexpr CodeItem kV[] = {{0, u"調査対象外"}, {1, u"あり"}, {2, u"可能"}, {3, u"不能"}};
constexpr CodeItem kF[] = {{0, u"調査対象外"}, {1, u"失われていない"}, {2, u"失われている"}};
constexpr CodeItem kG1[] = {{10, u"電子基準点"}, {11, u"１等三角点"}, {12, u"２等三角点"},
                            {13, u"３等三角点"}, {14, u"４等三角点"}, {21, u"１級基準点"},
                            {22, u"２級基準点"}, {23, u"３級基準点"}, {24, u"４級基準点"}};
constexpr CodeItem kT2[] = {{1, u"基本三角点"},      {2, u"４等三角点"},     {3, u"評定点"},
                            {4, u"地籍図根三角点"},  {5, u"地籍図根多角点"}, {6, u"細部図根点"},
                            {7, u"その他図根点"},    {8, u"航測図根点"},     {9, u"図解図根点"},
                            {10, u"19条2・5項の認証"}, {11, u"公共基準点"},  {12, u"街区三角点"},
                            {13, u"街区多角点"},     {14, u"補助点"},        {0, u"不明"}};
constexpr CodeItem kG2[] = {{1, u"１次（１級・１等）"}, {2, u"２次（２級・２等）"}, {3, u"３次（３級・３等）"},
                            {4, u"４次（４等・４級）"}, {5, u"５次"},               {0, u"不明"}};
constexpr CodeItem kM2[] = {{1, u"非埋標"}, {2, u"本点"}, {3, u"永久標識"}, {4, u"その他"}, {5, u"補助点"}, {0, u"不明"}};
constexpr CodeItem kM3[] = {{1, u"非埋標"}, {3, u"永久標識"}, {4, u"その他"}, {5, u"構造物"}, {0, u"不明"}};
constexpr CodeItem kZ[] = {{1, u"金属標"}, {2, u"鋲"},       {3, u"プラスチック"},   {4, u"コンクリート"}, {5, u"真鋳"},
                           {6, u"アルミプレート"}, {7, u"石"}, {8, u"刻印"},       {9, u"木"},           {10, u"ペンキ"},
                           {11, u"マンホール利用"}, {12, u"その他"}, {0, u"不明"}};
constexpr CodeItem kS3[] = {{1, u"国"},  {2, u"都"},  {3, u"道"},  {4, u"府"},           {5, u"県"},
                            {6, u"市"},  {7, u"区"},  {8, u"町"},  {9, u"村"},           {10, u"区画整理組合"},
                            {11, u"民"}, {12, u"構造物"}, {13, u"図上測定街区点"}, {14, u"その他"}, {0, u"不明"}};
constexpr CodeItem kB3[] = {{1, u"道路管理者の申請"},   {2, u"区画整理等の引継ぎ"}, {3, u"土地所有者の申請"},
                            {4, u"境界確定の復元測量"}, {5, u"その他"},             {0, u"確定なし"}};
constexpr CodeItem kL[] = {
    {1, u" 1:田"},        {2, u" 2:畑"},          {3, u" 3:宅地"},      {4, u" 4:塩田"},      {5, u" 5:鉱泉地"},
    {6, u" 6:池沼"},      {7, u" 7:山林"},        {8, u" 8:牧場"},      {9, u" 9:原野"},      {10, u"10:墓地"},
    {11, u"11:境内地"},   {12, u"12:運河用地"},   {13, u"13:水道用地"}, {14, u"14:用悪水路"}, {15, u"15:ため池"},
    {16, u"16:堤"},       {17, u"17:井溝"},       {18, u"18:保安林"},   {19, u"19:公衆用道路"}, {20, u"20:公園"},
    {21, u"21:鉄道用地"}, {22, u"22:学校用地"},   {23, u"23:雑種地"},   {24, u"24:その他"},   {0, u" 0:不明等"},
    {81, u"81:道路"},     {82, u"82:運河"},       {83, u"83:用悪水路"}, {84, u"84:堤防"},     {85, u"85:みぞ"},
    {86, u"86:導水管"},   {87, u"87:送水管"},     {88, u"88:排水管"},   {89, u"89:鉄道線路"}, {90, u"90:軌道"},
    {91, u"91:河川"},     {92, u"92:その他"}};

}  // namespace

const CodeTable kPresence{kU};
const CodeTable kSight{kV};
const CodeTable kFunction{kF};
const CodeTable kKnownGrade{kG1};
const CodeTable kRefType{kT2};
const CodeTable kRefGrade{kG2};
const CodeTable kRefMark{kM2};
const CodeTable kBlockMark{kM3};
const CodeTable kMaterial{kZ};
const CodeTable kInstaller{kS3};
const CodeTable kBoundary{kB3};
const CodeTable kLandCategory{kL};

int SlotsUsedBy(LONG kind) {
  switch (kind) {
    case kKnownPoint: return 11;
    case kBlockRefPoint:
    case kBlockPoint: return 7;
    default: return 0;
  }
}

CodeTable AttrTable(LONG kind, int slot) {
  if (slot < 0 || slot >= SlotsUsedBy(kind)) return {};
  switch (kind) {
    case kKnownPoint: {
      const CodeTable known[] = {kKnownGrade, kPresence, kPresence, kPresence, kPresence, kPresence,
                                 kPresence,   kPresence, kFunction, kSight,    kPresence};
      return known[slot];
    }
    case kBlockRefPoint: {
      const CodeTable reference[] = {kRefType, kRefGrade, kRefMark, kMaterial, kLandCategory, kSight, kPresence};
      return reference[slot];
    }
    default: {
      const CodeTable block[] = {kInstaller, kBoundary, kBlockMark, kMaterial, kLandCategory, kSight, kPresence};
      return block[slot];
    }
  }
}

const WCHAR* LabelOf(CodeTable table, LONG code) {
  for (const CodeItem& item : table) {
    if (item.code == code) return item.label;
  }
  return u"";
}

const WCHAR* LandCategoryOf(LONG code) {
  const WCHAR* label = LabelOf(kLandCategory, code);
  return *label ? label + 3 : label;  // every label is "NN:" and the category
}

const WCHAR* PhotoKindWord(LONG kind) {
  switch (kind) {
    case 1: return u"近景";
    case 2: return u"遠景";
    case 3: return u"その他";
    default: return u"";
  }
}

LONG ClassCodeOf(LONG kind) {
  switch (kind) {
    case kKnownPoint: return 8;
    case kBlockRefPoint: return 10;
    case kBlockPoint: return 3;
    default: return 0;
  }
}

}  // namespace codes
