// A thin layer over SQLite: cached statements, statement leases and write
// transactions (see sqlite_access.h).
#include "sqlite_access.h"

#include <cstring>

namespace geopane {

Statement::~Statement() {
  if (!statement_) return;
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

Statement& Statement::Check(int result) {
  if (result != SQLITE_OK) ok_ = false;
  return *this;
}

Statement& Statement::Bind(int index, int64_t value) {
  return ok_ ? Check(sqlite3_bind_int64(statement_, index, value)) : *this;
}

Statement& Statement::Bind(int index, double value) {
  return ok_ ? Check(sqlite3_bind_double(statement_, index, value)) : *this;
}

Statement& Statement::BindText(int index, std::u16string_view text) {
  if (!ok_) return *this;
  const int bytes = static_cast<int>(text.size() * sizeof(char16_t));
  return Check(sqlite3_bind_text16(statement_, index, text.empty() ? u"" : text.data(), bytes, SQLITE_TRANSIENT));
}

Statement& Statement::BindBlob(int index, const void* data, size_t size) {
  if (!ok_) return *this;
  return Check(sqlite3_bind_blob(statement_, index, data, static_cast<int>(size), SQLITE_TRANSIENT));
}

bool Statement::Row() {
  if (!ok_) return false;
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result != SQLITE_DONE) ok_ = false;
  return false;
}

bool Statement::Run() {
  if (!ok_) return false;
  ok_ = sqlite3_step(statement_) == SQLITE_DONE;
  return ok_;
}

std::u16string Statement::Text(int column) const {
  const void* text = sqlite3_column_text16(statement_, column);
  const int bytes = sqlite3_column_bytes16(statement_, column);
  if (!text) return {};
  return std::u16string(static_cast<const char16_t*>(text), static_cast<size_t>(bytes) / sizeof(char16_t));
}

bool Statement::CopyBlob(int column, void* out, size_t size) const {
  const void* blob = sqlite3_column_blob(statement_, column);
  if (static_cast<size_t>(sqlite3_column_bytes(statement_, column)) != size || (size && !blob)) return false;
  std::memcpy(out, blob, size);
  return true;
}

std::unique_ptr<Connection> Connection::Open(const std::string& path) {
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_extended_result_codes(db, 1);
  return std::unique_ptr<Connection>(new Connection(db));
}

Connection::~Connection() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  sqlite3_close(db_);
}

Statement Connection::Prepare(const char* sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return Statement(found->second);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement);
    return Statement(nullptr);
  }
  statements_.emplace(sql, statement);
  return Statement(statement);
}

bool Connection::Execute(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::string Connection::QueryText(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  std::string text;
  if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW) {
    const unsigned char* value = sqlite3_column_text(statement, 0);
    if (value) text = reinterpret_cast<const char*>(value);
  }
  sqlite3_finalize(statement);
  return text;
}

Transaction::~Transaction() {
  if (open_) db_.Execute("ROLLBACK");
}

bool Transaction::Commit() {
  if (!open_ || !db_.Execute("COMMIT")) return false;
  open_ = false;
  return true;
}

}  // namespace geopane
