// The cards of one map (see card_table.h). The creation order is a counter
// in each card's row that a replacement leaves alone.
#include "card_table.h"

namespace geopane {

bool CardTable::Get(int id, NavRecord* card) {
  Statement select = db_.Prepare("SELECT record FROM cards WHERE point_id = ?");
  NavRecord stored;
  if (!select.Bind(1, int64_t{id}).Row() || !select.CopyBlob(0, &stored, sizeof stored)) return false;
  *card = stored;
  return true;
}

bool CardTable::Put(int id, const NavRecord& card) {
  Statement upsert = db_.Prepare(
      "INSERT INTO cards (point_id, created, record) "
      "VALUES (?1, (SELECT coalesce(max(created), 0) + 1 FROM cards), ?2) "
      "ON CONFLICT (point_id) DO UPDATE SET record = excluded.record");
  return upsert.Bind(1, int64_t{id}).BindBlob(2, &card, sizeof card).Run();
}

bool CardTable::Remove(int id) {
  Statement remove = db_.Prepare("DELETE FROM cards WHERE point_id = ?");
  return remove.Bind(1, int64_t{id}).Run() && sqlite3_changes(db_.handle()) > 0;
}

bool CardTable::Count(int* count) {
  Statement select = db_.Prepare("SELECT count(*) FROM cards");
  if (!select.Row()) return false;
  *count = static_cast<int>(select.Int(0));
  return true;
}

bool CardTable::StartWalk() {
  walk_.clear();
  walkNext_ = 0;
  Statement select = db_.Prepare("SELECT point_id FROM cards ORDER BY created");
  while (select.Row()) walk_.push_back(static_cast<int>(select.Int(0)));
  if (!select.ok()) walk_.clear();
  return !walk_.empty();
}

bool CardTable::NextInWalk(int* id, NavRecord* card) {
  while (walkNext_ < walk_.size()) {
    const int next = walk_[walkNext_++];
    if (Get(next, card)) {
      *id = next;
      return true;
    }
  }
  return false;
}

}  // namespace geopane
