// Storing card lines in the map database and collecting registered cards'
// lines from it.
#include "imf_mapdb.h"

#include <codetables.h>
#include <geopane.h>

#include <new>

namespace {

// Creates the point as an imported point of the kind; its id, 0 when the
// point store created none.
int StorePoint(LONG kind, PntRecord point) {
  point.spare1 = 0;
  point.classCode = codes::ClassCodeOf(kind);
  point.stateCode = codes::kImportedState;
  point.spare2 = 0;
  int id = 0;
  return MapdbPnt_Put(&id, point) == 0 ? id : 0;
}

// The entries of one list of a card; false when they could not be read
// (count or read failed, or no memory for them).
template <class Entry>
bool ReadEntries(int id, int (*count)(int, int*), int (*get)(int, Entry*), std::vector<Entry>& entries) {
  int stored = 0;
  if (count(id, &stored) != 0) return false;
  if (stored <= 0) return true;
  try {
    entries.assign(static_cast<size_t>(stored), Entry{});
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (get(id, entries.data()) == 0) return true;
  entries.clear();
  return false;
}

}  // namespace

StoreResult StoreCardLine(LONG kind, const ImfLine& line) {
  PntRecord point{};
  NavRecord card{};
  if (line.tooLong || !ParseCardLine(kind, line.View(), point, card)) return StoreResult::Refused;
  const int id = StorePoint(kind, point);
  if (id <= 0) return StoreResult::NotStored;
  return MapdbNav_Put(id, card) == 0 ? StoreResult::Stored : StoreResult::NotStored;
}

CollectResult CollectCardLines(int id, const NavRecord& card, CardLines& lines) {
  lines = CardLines{};
  if (card.surveyed != 1) return CollectResult::NotRegistered;
  PntRecord point{};
  if (!IsImfKind(card.kind) || MapdbPnt_Get(id, &point) != 0) return CollectResult::Missing;
  lines.card = FormatCardLine(card, point);

  std::vector<LookEntry> looks;
  std::vector<PhotoEntry> photos;
  const bool looksRead = ReadEntries(id, MapdbNav_CntLook, MapdbNav_GetLook, looks);
  const bool photosRead = ReadEntries(id, MapdbNav_CntPhoto, MapdbNav_GetPhoto, photos);
  for (size_t at = 0; at < looks.size(); ++at) {
    lines.looks.push_back(FormatLookLine(point.number, static_cast<int>(at), looks[at]));
  }
  for (size_t at = 0; at < photos.size(); ++at) {
    lines.photos.push_back(FormatPhotoLine(point.number, static_cast<int>(at), photos[at]));
  }
  return looksRead && photosRead ? CollectResult::Whole : CollectResult::Partial;
}
