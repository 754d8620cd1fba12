// The list screen's texts: card rows, count and the detail pane's rows.
#include "nav_texts.h"

#include <codetables.h>
#include <record_text.h>
#include <geopane.h>
#include <recdate.h>

#include <algorithm>
#include <span>

namespace {

template <typename... Args>
CStringW Formatted(const WCHAR* format, const Args&... args) {
  CStringW text;
  text.Format(format, args...);
  return text;
}

// One attribute row: its label and the slot of NavRecord::attr it shows.
struct AttrRow {
  const WCHAR* label;
  int slot;
};

// The known point's 有無 rows come in the order of its page (補修, 異常,
// 標識), the reverse of their slots.
constexpr AttrRow kKnownPointRows[] = {
    {u"等級", 0},           {u"補修の有無", 3},     {u"異常の有無", 2},     {u"標識の有無", 1},
    {u"偏心点の必要性", 4}, {u"はしごの必要性", 5}, {u"三脚台の必要性", 6}, {u"ロープの必要性", 7},
    {u"基準点の機能", 8},   {u"上空の見通状態", 9}, {u"伐採の必要性", 10}};
constexpr AttrRow kBlockRefPointRows[] = {{u"種別", 0},     {u"等級", 1},           {u"標識区分", 2},
                                          {u"材質区分", 3}, {u"地目", 4},           {u"上空の見通状態", 5},
                                          {u"伐採の必要性", 6}};
constexpr AttrRow kBlockPointRows[] = {{u"設置者種別", 0}, {u"境界確定方法", 1}, {u"標識区分", 2},
                                       {u"材質区分", 3},   {u"地目", 4},         {u"上空の見通状態", 5},
                                       {u"伐採の必要性", 6}};

std::span<const AttrRow> AttrRowsOf(LONG kind) {
  switch (kind) {
    case codes::kKnownPoint: return kKnownPointRows;
    case codes::kBlockRefPoint: return kBlockRefPointRows;
    case codes::kBlockPoint: return kBlockPointRows;
    default: return {};
  }
}

// The text of an attribute code; the land category is shown without its code.
const WCHAR* AttrText(LONG kind, int slot, LONG code) {
  const CodeTable table = codes::AttrTable(kind, slot);
  if (table.data() == codes::kLandCategory.data()) return codes::LandCategoryOf(code);
  return codes::LabelOf(table, code);
}

void AppendCardRows(std::vector<DetailRow>& rows, const NavRecord& card) {
  rows.push_back({u"調査実施日", recdate::FormatDate(card.surveyDate)});
  rows.push_back({u"備考", TextOfField(card.remarks)});
  for (const AttrRow& attr : AttrRowsOf(card.kind)) {
    rows.push_back({attr.label, AttrText(card.kind, attr.slot, card.attr[attr.slot])});
  }
}

void AppendLookRows(std::vector<DetailRow>& rows, std::span<const LookEntry> looks) {
  for (const LookEntry& look : looks) {
    rows.push_back({Formatted(u"見通(%s)", TextOfField(look.direction)), codes::LabelOf(codes::kSight, look.sight)});
    rows.push_back({u"|---伐採の必要性", codes::LabelOf(codes::kPresence, look.clearing)});
  }
}

void AppendPhotoRows(std::vector<DetailRow>& rows, std::span<const PhotoEntry> photos) {
  int number = 0;
  for (const PhotoEntry& photo : photos) {
    rows.push_back({Formatted(u"写真%d", ++number),
                    Formatted(u"%s(%s)", codes::PhotoKindWord(photo.kind), TextOfField(photo.comment))});
  }
}

// The entries of a card's list, read as the database counts them; none when
// the list cannot be read.
template <typename Entry>
std::vector<Entry> ReadEntries(int pointId, int (*count)(int, int*), int (*read)(int, Entry*)) {
  int entries = 0;
  count(pointId, &entries);
  if (entries <= 0) return {};
  std::vector<Entry> list(static_cast<size_t>(entries));
  if (read(pointId, list.data()) != 0) return {};
  return list;
}

}  // namespace

CStringW RowNumberText(int row) { return Formatted(u"%4d", row + 1); }

std::array<CStringW, 5> PointColumnTexts(const PntRecord& point) {
  return {Formatted(u"%5ld", point.number), point.name, Formatted(u"%.3f", point.x), Formatted(u"%.3f", point.y),
          point.hasZ ? Formatted(u"%.3f", point.z) : CStringW()};
}

CStringW CountText(int rows) { return Formatted(u"登録数：%3d", rows); }

std::vector<DetailRow> ReadCardDetail(int pointId) {
  NavRecord card{};
  MapdbNav_Get(pointId, &card);
  std::vector<DetailRow> rows;
  AppendCardRows(rows, card);
  AppendLookRows(rows, ReadEntries<LookEntry>(pointId, MapdbNav_CntLook, MapdbNav_GetLook));
  AppendPhotoRows(rows, ReadEntries<PhotoEntry>(pointId, MapdbNav_CntPhoto, MapdbNav_GetPhoto));
  return rows;
}
