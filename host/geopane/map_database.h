// One open map: its file and its tables, and the writes that span tables.
#pragma once
#include <memory>
#include <string>

#include "card_table.h"
#include "entry_list.h"
#include "map_settings.h"
#include "point_table.h"
#include "sqlite_access.h"

namespace geopane {

class MapDatabase {
 public:
  // Opens or creates the map file at a host path; nullptr when it cannot.
  static std::unique_ptr<MapDatabase> Open(const std::string& hostPath);

  CardTable& cards() { return cards_; }
  EntryList& sightLines() { return sightLines_; }
  EntryList& photos() { return photos_; }
  PointTable& points() { return points_; }
  MapSettings& settings() { return settings_; }

  // Removes the card of a point and empties its two lists in one
  // transaction; true when the point had a card and the change is committed.
  bool RemoveCardWithLists(int id);

 private:
  explicit MapDatabase(std::unique_ptr<Connection> db);

  std::unique_ptr<Connection> db_;
  CardTable cards_;
  EntryList sightLines_;
  EntryList photos_;
  PointTable points_;
  MapSettings settings_;
};

}  // namespace geopane
