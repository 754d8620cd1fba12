// The ordered entry lists of the cards (see entry_list.h).
#include "entry_list.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace geopane {

const EntryListSql kSightLineSql = {
    "SELECT count(*) FROM sight_lines WHERE point_id = ?",
    "SELECT record FROM sight_lines WHERE point_id = ? ORDER BY position",
    "INSERT INTO sight_lines (point_id, position, record) VALUES (?, ?, ?)",
    "DELETE FROM sight_lines WHERE point_id = ?",
};

const EntryListSql kPhotoSql = {
    "SELECT count(*) FROM photos WHERE point_id = ?",
    "SELECT record FROM photos WHERE point_id = ? ORDER BY position",
    "INSERT INTO photos (point_id, position, record) VALUES (?, ?, ?)",
    "DELETE FROM photos WHERE point_id = ?",
};

bool EntryList::Count(int id, int* count) {
  Statement select = db_.Prepare(sql_.count);
  if (!select.Bind(1, int64_t{id}).Row()) return false;
  *count = static_cast<int>(select.Int(0));
  return true;
}

bool EntryList::Read(int id, void* entries) {
  // Read into a buffer first so that a failure fills nothing.
  std::vector<unsigned char> stored;
  Statement select = db_.Prepare(sql_.select);
  select.Bind(1, int64_t{id});
  while (select.Row()) {
    stored.resize(stored.size() + entrySize_);
    if (!select.CopyBlob(0, stored.data() + stored.size() - entrySize_, entrySize_)) return false;
  }
  if (!select.ok() || stored.empty()) return false;
  std::memcpy(entries, stored.data(), stored.size());
  return true;
}

bool EntryList::Replace(int id, int count, const void* entries) {
  Transaction transaction(db_);
  if (!transaction.began() || !Clear(id)) return false;
  const auto* bytes = static_cast<const unsigned char*>(entries);
  for (int position = 0; position < count; ++position) {
    if (!Insert(id, position, bytes + static_cast<size_t>(position) * entrySize_)) return false;
  }
  return transaction.Commit();
}

bool EntryList::Clear(int id) { return db_.Prepare(sql_.clear).Bind(1, int64_t{id}).Run(); }

bool EntryList::Insert(int id, int position, const void* entry) {
  return db_.Prepare(sql_.insert).Bind(1, int64_t{id}).Bind(2, int64_t{position}).BindBlob(3, entry, entrySize_).Run();
}

}  // namespace geopane
