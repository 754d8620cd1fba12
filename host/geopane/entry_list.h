// The ordered entry lists of the cards (lines of sight, photos): each entry
// stored byte for byte with its position in its point's list.
#pragma once
#include <cstddef>

#include "sqlite_access.h"

namespace geopane {

// The SQL of one list table; the texts are static so their statements are cached.
struct EntryListSql {
  const char* count;
  const char* select;
  const char* insert;
  const char* clear;
};

extern const EntryListSql kSightLineSql;
extern const EntryListSql kPhotoSql;

class EntryList {
 public:
  EntryList(Connection& db, const EntryListSql& sql, size_t entrySize) : db_(db), sql_(sql), entrySize_(entrySize) {}

  bool Count(int id, int* count);
  // Copies the whole list into entries in stored order; false when it is empty.
  bool Read(int id, void* entries);
  // Replaces the list with count entries, in one transaction.
  bool Replace(int id, int count, const void* entries);
  // Empties the list in one statement (part of the caller's transaction, if any).
  bool Clear(int id);

 private:
  bool Insert(int id, int position, const void* entry);

  Connection& db_;
  const EntryListSql& sql_;
  size_t entrySize_;
};

}  // namespace geopane
