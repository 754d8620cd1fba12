// A thin layer over SQLite: a connection that keeps its prepared statements,
// a statement lease that binds, steps and resets itself, and a write
// transaction that rolls back unless committed.
#pragma once
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace geopane {

// One use of a cached prepared statement; the destructor resets it and clears
// its bindings. A failed bind or step makes every later step fail.
class Statement {
 public:
  explicit Statement(sqlite3_stmt* statement) : statement_(statement), ok_(statement != nullptr) {}
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, double value);
  Statement& BindText(int index, std::u16string_view text);
  Statement& BindBlob(int index, const void* data, size_t size);

  // Steps once: true when a row is ready.
  bool Row();
  // Steps a statement that returns no rows: true when it ran to completion.
  bool Run();
  // False once a bind or step has failed.
  bool ok() const { return ok_; }

  int64_t Int(int column) const { return sqlite3_column_int64(statement_, column); }
  double Real(int column) const { return sqlite3_column_double(statement_, column); }
  std::u16string Text(int column) const;
  // Copies the blob of a column into size bytes at out; false when its size differs.
  bool CopyBlob(int column, void* out, size_t size) const;

 private:
  Statement& Check(int result);

  sqlite3_stmt* statement_;
  bool ok_;
};

class Connection {
 public:
  // Opens or creates the database file; nullptr when SQLite cannot.
  static std::unique_ptr<Connection> Open(const std::string& path);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The statement of a static SQL text, prepared on first use.
  Statement Prepare(const char* sql);
  // Runs SQL text without results (pragmas, schema); true on success.
  bool Execute(const char* sql);
  // The first column of the first row of a one-row query as text ("" when none).
  std::string QueryText(const char* sql);
  sqlite3* handle() const { return db_; }

 private:
  explicit Connection(sqlite3* db) : db_(db) {}

  sqlite3* db_;
  std::unordered_map<const char*, sqlite3_stmt*> statements_;
};

// BEGIN IMMEDIATE on construction; ROLLBACK on destruction unless committed.
class Transaction {
 public:
  explicit Transaction(Connection& db) : db_(db), open_(db.Execute("BEGIN IMMEDIATE")) {}
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool began() const { return open_; }
  // True when the transaction's changes are durable in the file.
  bool Commit();

 private:
  Connection& db_;
  bool open_;
};

}  // namespace geopane
