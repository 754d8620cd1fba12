// The points of one map: number, name, coordinates and map codes, under ids
// that start at 1 and are never reused.
#pragma once
#include <records.h>

#include <functional>
#include <vector>

#include "sqlite_access.h"

namespace geopane {

struct StoredPoint {
  int id;
  PntRecord point;
};

class PointTable {
 public:
  explicit PointTable(Connection& db) : db_(db) {}

  bool Get(int id, PntRecord* point);
  bool Create(const PntRecord& point, int* id);
  // Replaces an existing point; false when id names none.
  bool Replace(int id, const PntRecord& point);
  // The earliest point of this number that has a card, else the earliest of the number.
  bool FindByNumber(int number, int* id);
  // All points in id order; false when they could not be read.
  bool All(std::vector<StoredPoint>* points);

 private:
  Connection& db_;
};

}  // namespace geopane
