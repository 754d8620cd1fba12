// The points of one map (see point_table.h). Names are stored as UTF-16
// text; every other field has a column of its own.
#include "point_table.h"

#include <cstdint>
#include <string_view>

namespace geopane {
namespace {

// The columns of a point after its id, in the order the statements use them.
#define POINT_COLUMNS "number, name, x, y, z, has_z, spare1, class_code, state_code, spare2"

void BindPoint(Statement& statement, int first, const PntRecord& point) {
  statement.Bind(first, int64_t{point.number})
      .BindText(first + 1, std::u16string_view(point.name.GetString(), static_cast<size_t>(point.name.GetLength())))
      .Bind(first + 2, point.x)
      .Bind(first + 3, point.y)
      .Bind(first + 4, point.z)
      .Bind(first + 5, int64_t{point.hasZ})
      .Bind(first + 6, int64_t{point.spare1})
      .Bind(first + 7, int64_t{point.classCode})
      .Bind(first + 8, int64_t{point.stateCode})
      .Bind(first + 9, int64_t{point.spare2});
}

LONG IntColumn(const Statement& statement, int column) { return static_cast<LONG>(statement.Int(column)); }

void ReadPoint(const Statement& statement, int first, PntRecord* point) {
  const std::u16string name = statement.Text(first + 1);
  point->number = IntColumn(statement, first);
  point->name = CStringW(name.data(), static_cast<int>(name.size()));
  point->x = statement.Real(first + 2);
  point->y = statement.Real(first + 3);
  point->z = statement.Real(first + 4);
  point->hasZ = IntColumn(statement, first + 5);
  point->spare1 = IntColumn(statement, first + 6);
  point->classCode = IntColumn(statement, first + 7);
  point->stateCode = IntColumn(statement, first + 8);
  point->spare2 = IntColumn(statement, first + 9);
}

}  // namespace

bool PointTable::Get(int id, PntRecord* point) {
  Statement select = db_.Prepare("SELECT " POINT_COLUMNS " FROM points WHERE id = ?");
  if (!select.Bind(1, int64_t{id}).Row()) return false;
  ReadPoint(select, 0, point);
  return true;
}

bool PointTable::Create(const PntRecord& point, int* id) {
  Statement insert = db_.Prepare("INSERT INTO points (" POINT_COLUMNS ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  BindPoint(insert, 1, point);
  if (!insert.Run()) return false;
  *id = static_cast<int>(sqlite3_last_insert_rowid(db_.handle()));
  return true;
}

bool PointTable::Replace(int id, const PntRecord& point) {
  Statement update = db_.Prepare(
      "UPDATE points SET (" POINT_COLUMNS ") = (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) WHERE id = ?11");
  BindPoint(update, 1, point);
  return update.Bind(11, int64_t{id}).Run() && sqlite3_changes(db_.handle()) > 0;
}

bool PointTable::FindByNumber(int number, int* id) {
  Statement select = db_.Prepare(
      "SELECT p.id FROM points AS p LEFT JOIN cards AS c ON c.point_id = p.id "
      "WHERE p.number = ? ORDER BY c.point_id IS NULL, p.id LIMIT 1");
  if (!select.Bind(1, int64_t{number}).Row()) return false;
  *id = static_cast<int>(select.Int(0));
  return true;
}

bool PointTable::All(std::vector<StoredPoint>* points) {
  Statement select = db_.Prepare("SELECT id, " POINT_COLUMNS " FROM points ORDER BY id");
  while (select.Row()) {
    StoredPoint stored{static_cast<int>(select.Int(0)), {}};
    ReadPoint(select, 1, &stored.point);
    points->push_back(std::move(stored));
  }
  return select.ok();
}

}  // namespace geopane
