// One open map (see map_database.h).
#include "map_database.h"

#include <records.h>

#include "map_file.h"

namespace geopane {

MapDatabase::MapDatabase(std::unique_ptr<Connection> db)
    : db_(std::move(db)),
      cards_(*db_),
      sightLines_(*db_, kSightLineSql, sizeof(LookEntry)),
      photos_(*db_, kPhotoSql, sizeof(PhotoEntry)),
      points_(*db_),
      settings_(*db_) {}

std::unique_ptr<MapDatabase> MapDatabase::Open(const std::string& hostPath) {
  auto db = OpenMapFile(hostPath);
  if (!db) return nullptr;
  return std::unique_ptr<MapDatabase>(new MapDatabase(std::move(db)));
}

bool MapDatabase::RemoveCardWithLists(int id) {
  Transaction transaction(*db_);
  if (!transaction.began()) return false;
  const bool hadCard = cards_.Remove(id);
  return sightLines_.Clear(id) && photos_.Clear(id) && transaction.Commit() && hadCard;
}

}  // namespace geopane
