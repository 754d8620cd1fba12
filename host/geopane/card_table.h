// The cards of one map: each point's 124-byte NavRecord stored byte for byte,
// the order in which the cards were first created, and the card walk.
#pragma once
#include <records.h>

#include <cstddef>
#include <vector>

#include "sqlite_access.h"

namespace geopane {

class CardTable {
 public:
  explicit CardTable(Connection& db) : db_(db) {}

  bool Get(int id, NavRecord* card);
  // Creates the card at the end of the card order or replaces it in place.
  bool Put(int id, const NavRecord& card);
  // Removes the card; true when there was one.
  bool Remove(int id);
  bool Count(int* count);

  // Takes the card order for a walk; true when there are cards.
  bool StartWalk();
  // The next card of the walk that still exists; false at the end.
  bool NextInWalk(int* id, NavRecord* card);

 private:
  Connection& db_;
  std::vector<int> walk_;
  size_t walkNext_ = 0;
};

}  // namespace geopane
