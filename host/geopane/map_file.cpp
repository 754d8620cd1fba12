// Opens one map's database file. The file uses the write-ahead log with
// synchronous=NORMAL: a committed transaction survives the process being
// killed; a power loss may lose the last few commits but never corrupts the
// file. Text is stored as UTF-16LE so names go in and out unchanged.
#include "map_file.h"

#include <string>

namespace geopane {
namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE points (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  number INTEGER NOT NULL,
  name TEXT NOT NULL,
  x REAL NOT NULL, y REAL NOT NULL, z REAL NOT NULL,
  has_z INTEGER NOT NULL,
  spare1 INTEGER NOT NULL,
  class_code INTEGER NOT NULL,
  state_code INTEGER NOT NULL,
  spare2 INTEGER NOT NULL);
CREATE INDEX points_by_number ON points(number, id);
CREATE TABLE cards (
  point_id INTEGER PRIMARY KEY REFERENCES points(id),
  created INTEGER NOT NULL UNIQUE,
  record BLOB NOT NULL CHECK (length(record) = 124));
CREATE TABLE sight_lines (
  point_id INTEGER NOT NULL REFERENCES points(id),
  position INTEGER NOT NULL,
  record BLOB NOT NULL CHECK (length(record) = 32),
  PRIMARY KEY (point_id, position)) WITHOUT ROWID;
CREATE TABLE photos (
  point_id INTEGER NOT NULL REFERENCES points(id),
  position INTEGER NOT NULL,
  record BLOB NOT NULL CHECK (length(record) = 76),
  PRIMARY KEY (point_id, position)) WITHOUT ROWID;
CREATE TABLE import_info (
  slot INTEGER PRIMARY KEY CHECK (slot = 1),
  folder TEXT NOT NULL, name TEXT NOT NULL, value INTEGER NOT NULL);
CREATE TABLE background (
  slot INTEGER PRIMARY KEY CHECK (slot = 1),
  path TEXT NOT NULL,
  px1 INTEGER NOT NULL, py1 INTEGER NOT NULL, x1 REAL NOT NULL, y1 REAL NOT NULL,
  px2 INTEGER NOT NULL, py2 INTEGER NOT NULL, x2 REAL NOT NULL, y2 REAL NOT NULL);
PRAGMA user_version = 1;  -- kMapFormatVersion
)sql";

bool SetJournal(Connection& db) {
  return db.QueryText("PRAGMA journal_mode = WAL") == "wal" && db.Execute("PRAGMA synchronous = NORMAL") &&
         db.Execute("PRAGMA foreign_keys = ON");
}

// A file without any table: new, or created empty. Reading the schema also
// refuses a file that is no database before anything is written to it.
bool IsEmpty(Connection& db) { return db.QueryText("SELECT count(*) FROM sqlite_schema") == "0"; }

bool HasMapFormat(Connection& db) { return db.QueryText("PRAGMA user_version") == std::to_string(kMapFormatVersion); }

bool CreateTables(Connection& db) {
  Transaction transaction(db);
  return transaction.began() && db.Execute(kSchema) && transaction.Commit();
}

}  // namespace

std::unique_ptr<Connection> OpenMapFile(const std::string& hostPath) {
  auto db = Connection::Open(hostPath);
  if (!db) return nullptr;
  if (IsEmpty(*db)) {
    if (!db->Execute("PRAGMA encoding = 'UTF-16le'") || !SetJournal(*db) || !CreateTables(*db)) return nullptr;
    return db;
  }
  if (!HasMapFormat(*db) || !SetJournal(*db)) return nullptr;
  return db;
}

}  // namespace geopane
