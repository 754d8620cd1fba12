// Prints the map database: points, cards with their lists, import, background.
#include "map_dump.h"

#include <geopane.h>

#include <charconv>
#include <cstdio>
#include <vector>

#include "utf8.h"

namespace darvik {

namespace {

std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  for (const char c : ToUtf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

template <size_t N>
std::string Quoted(const WCHAR (&array)[N]) {
  size_t length = 0;
  while (length < N && array[length] != 0) ++length;
  return Quoted(std::u16string_view(array, length));
}

std::string Real(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Field(const char* name, long value) { return std::string(" ") + name + "=" + std::to_string(value); }
std::string Field(const char* name, double value) { return std::string(" ") + name + "=" + Real(value); }
std::string Field(const char* name, const std::string& quoted) { return std::string(" ") + name + "=" + quoted; }

int AppendPoint(int id, const PntRecord* point, void* context) {
  std::string& out = *static_cast<std::string*>(context);
  const CStringW& name = point->name;
  out += "point" + Field("id", long{id}) + Field("number", long{point->number}) +
         Field("name", Quoted(std::u16string_view(name.GetString(), name.GetLength()))) + Field("x", point->x) +
         Field("y", point->y) + Field("z", point->z) + Field("hasZ", long{point->hasZ}) +
         Field("spare1", long{point->spare1}) + Field("class", long{point->classCode}) +
         Field("state", long{point->stateCode}) + Field("spare2", long{point->spare2}) + "\n";
  return 0;
}

int CountPoint(int, const PntRecord*, void* context) {
  ++*static_cast<int*>(context);
  return 0;
}

void AppendPoints(std::string& out) {
  int count = 0;
  Geopane_ForEachPoint(CountPoint, &count);
  out += "points " + std::to_string(count) + "\n";
  Geopane_ForEachPoint(AppendPoint, &out);
}

void AppendLooks(int id, std::string& out) {
  int count = 0;
  if (MapdbNav_CntLook(id, &count) != 0 || count <= 0) return;
  std::vector<LookEntry> entries(count);
  if (MapdbNav_GetLook(id, entries.data()) != 0) return;
  for (int index = 0; index < count; ++index) {
    const LookEntry& entry = entries[index];
    out += "  look " + std::to_string(index) + Field("direction", Quoted(entry.direction)) +
           Field("sight", long{entry.sight}) + Field("clearing", long{entry.clearing}) + "\n";
  }
}

void AppendPhotos(int id, std::string& out) {
  int count = 0;
  if (MapdbNav_CntPhoto(id, &count) != 0 || count <= 0) return;
  std::vector<PhotoEntry> entries(count);
  if (MapdbNav_GetPhoto(id, entries.data()) != 0) return;
  for (int index = 0; index < count; ++index) {
    const PhotoEntry& entry = entries[index];
    out += "  photo " + std::to_string(index) + Field("kind", long{entry.kind}) + Field("date", long{entry.date}) +
           Field("time", long{entry.time}) + Field("comment", Quoted(entry.comment)) + "\n";
  }
}

std::string Attributes(const NavRecord& card) {
  std::string list;
  for (const LONG value : card.attr) list += (list.empty() ? "" : ",") + std::to_string(value);
  return list;
}

void AppendCards(std::string& out) {
  int count = 0;
  MapdbNav_GetCnt(&count);
  out += "cards " + std::to_string(count) + "\n";
  if (MapdbNav_Top() != 0) return;
  int id = 0;
  NavRecord card{};
  while (MapdbNav_Red(&id, &card) == 0) {
    out += "card" + Field("id", long{id}) + Field("surveyed", long{card.surveyed}) + Field("kind", long{card.kind}) +
           Field("origin", long{card.origin}) + Field("remarks", Quoted(card.remarks)) +
           Field("surveyDate", long{card.surveyDate}) + " attr=" + Attributes(card) + "\n";
    AppendLooks(id, out);
    AppendPhotos(id, out);
    card = NavRecord{};
  }
}

void AppendImport(std::string& out) {
  WCHAR folder[MAX_PATH] = {};
  WCHAR name[MAX_PATH] = {};
  int value = 0;
  if (MapdbNav_GetInfo(folder, name, &value) != 0) {
    out += "import none\n";
    return;
  }
  out += "import" + Field("folder", Quoted(folder)) + Field("name", Quoted(name)) + Field("value", long{value}) + "\n";
}

void AppendBackground(std::string& out) {
  GeopaneBackground image{};
  if (Geopane_GetBackground(&image) != 0) {
    out += "background none\n";
    return;
  }
  out += "background" + Field("path", Quoted(image.path)) + Field("px1", long{image.px1}) +
         Field("py1", long{image.py1}) + Field("x1", image.x1) + Field("y1", image.y1) + Field("px2", long{image.px2}) +
         Field("py2", long{image.py2}) + Field("x2", image.x2) + Field("y2", image.y2) + "\n";
}

}  // namespace

std::string DumpMap() {
  int count = 0;
  if (MapdbNav_GetCnt(&count) != 0) return "no map\n";
  std::string out;
  AppendPoints(out);
  AppendCards(out);
  AppendImport(out);
  AppendBackground(out);
  return out;
}

}  // namespace darvik
