// The interchange set's format: lines, fields, code page conversion, the
// index file, the CSV file names and the card, visibility and photo lines.
#include "imf_format.h"

#include <codetables.h>
#include <tchar.h>
#include <winnls.h>

#include <algorithm>
#include <string>

namespace {

// ---- characters of code page 932 ----

// The length of the longest start of text within room bytes that ends on a
// character boundary.
size_t WholeCharsWithin(std::string_view text, size_t room) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t units = IsDBCSLeadByte(static_cast<BYTE>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + units > room) break;
    end += units;
  }
  return end;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
const char* SkipDigits(const char* p) {
  while (IsDigit(*p)) ++p;
  return p;
}
const char* SkipSign(const char* p) { return *p == '+' || *p == '-' ? p + 1 : p; }

// ---- reading ----

ImfRead ReadByte(CFile& file, char& byte) {
  TRY {
    return file.Read(&byte, 1) == 1 ? ImfRead::Line : ImfRead::End;
  }
  CATCH(CFileException, e) {
    return ImfRead::Failed;
  }
  END_CATCH
}

void StoreField(std::string_view text, ImfField& field) {
  field.cut = text.size() > kImfFieldBytes;
  field.length = field.cut ? WholeCharsWithin(text, kImfFieldBytes) : text.size();
  std::copy_n(text.data(), field.length, field.text);
  field.text[field.length] = '\0';
}

// ---- the index file ----

constexpr struct {
  ImfRecord record;
  const char* code;
} kRecordCodes[] = {
    {ImfRecord::A00, "A00,"}, {ImfRecord::A01, "A01,"}, {ImfRecord::A99, "A99,"}, {ImfRecord::B00, "B00,"},
    {ImfRecord::B01, "B01,"}, {ImfRecord::B02, "B02,"}, {ImfRecord::B03, "B03,"}, {ImfRecord::B99, "B99,"},
    {ImfRecord::C00, "C00,"}, {ImfRecord::C01, "C01,"}, {ImfRecord::C02, "C02,"}, {ImfRecord::C03, "C03,"},
    {ImfRecord::C99, "C99,"}, {ImfRecord::D00, "D00,"}, {ImfRecord::D01, "D01,"}, {ImfRecord::D02, "D02,"},
    {ImfRecord::D03, "D03,"}, {ImfRecord::D99, "D99,"},
};

constexpr const WCHAR* kFileSuffixes[IMF_FILE_COUNT] = {
    u"既知.CSV", u"既知見通.CSV", u"既知写真.CSV", u"街基.CSV", u"街基見通.CSV",
    u"街基写真.CSV", u"街区.CSV", u"街区見通.CSV", u"街区写真.CSV",
};
constexpr char kSectionLetters[] = "BCD";
constexpr int kIndexNameBytes = 259;

// ---- the lines ----

// Columns 1 to 6 of every card file.
enum CardColumn { COL_NUMBER = 1, COL_NAME, COL_ORIGIN, COL_X, COL_Y, COL_Z };
constexpr int kMaxColumns = 25;

// Where a kind's card file carries the card: its columns (before the
// trailing empty field), the columns of attr[0] onwards, the date and the
// remarks. Every column not named here is empty.
struct CardLayout {
  int columns;
  int slots;
  int attrColumn[codes::kAttrSlots];
  int dateColumn;
  int remarksColumn;
};
constexpr CardLayout kCardLayouts[] = {
    {25, 11, {8, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, 24, 25},  // known points
    {20, 7, {12, 13, 14, 15, 16, 17, 18}, 19, 20},                  // urban-block reference points
    {22, 7, {10, 11, 14, 15, 16, 19, 20}, 21, 22},                  // urban-block points
};
const CardLayout& LayoutOf(LONG kind) { return kCardLayouts[kind - 1]; }

// Byte limits of the text columns on writing, character limits on reading.
constexpr int kNameBytes = 20;
constexpr int kRemarksBytes = 31;
constexpr int kDirectionBytes = 10;
constexpr int kCommentBytes = 30;
constexpr int kNameChars = 16;
constexpr int kRemarksChars = 30;

CStringA Quoted(const WCHAR* text, int maxBytes) {
  char bytes[kIndexNameBytes + 1];
  ToMbcsField(text, bytes, maxBytes + 1);
  return CStringA("\"") + bytes + "\"";
}
CStringA Number(const char* format, LONG value) {
  CStringA text;
  text.Format(format, value);
  return text;
}
// A code, date or time: empty when negative (absent).
CStringA Present(const char* format, LONG value) { return value >= 0 ? Number(format, value) : CStringA(); }
CStringA Real(double value) {
  CStringA text;
  text.Format("%.7f", value);
  return text;
}
// Each cell followed by a comma, then CR LF.
CStringA JoinLine(const CStringA* cells, int count) {
  CStringA line;
  for (int at = 0; at < count; ++at) line += cells[at] + ",";
  return line + "\r\n";
}

LONG ReadCode(const ImfField& field) { return field.Empty() ? -1 : ReadLong(field.text); }

}  // namespace

ImfRead ReadLine(CFile& file, ImfLine& line, DWORD& byteCount) {
  line.length = 0;
  line.tooLong = false;
  size_t held = 0;  // bytes counted against the limit: the content and a CR
  bool contentEnded = false;
  bool anyByte = false;
  for (;;) {
    char byte = 0;
    const ImfRead read = ReadByte(file, byte);
    if (read == ImfRead::Failed) return read;
    if (read == ImfRead::End) {
      if (!anyByte) return read;
      break;
    }
    anyByte = true;
    ++byteCount;
    if (byte == '\n') break;
    if (contentEnded) continue;
    if (held == kImfLineBytes) {
      line.tooLong = true;
      contentEnded = true;
      continue;
    }
    ++held;
    if (byte == '\r') {
      contentEnded = true;
    } else {
      line.text[line.length++] = byte;
    }
  }
  line.text[line.length] = '\0';
  return ImfRead::Line;
}

void NextField(std::string_view& rest, ImfField& field) {
  constexpr size_t npos = std::string_view::npos;
  const size_t comma = rest.find(',');
  const size_t quote = rest.find('"');
  if (comma == npos && quote == npos) {
    StoreField(rest.substr(0, rest.find('\n')), field);
    rest = {};
  } else if (quote != npos && (comma == npos || quote < comma)) {
    const std::string_view inside = rest.substr(quote + 1);
    const size_t close = inside.find('"');
    StoreField(close == npos ? std::string_view() : inside.substr(0, close), field);
    const std::string_view after = close == npos ? inside : inside.substr(close + 1);
    if (comma == npos) {
      rest = after;
    } else {
      const size_t next = after.find(',');
      rest = next == npos ? std::string_view() : after.substr(next + 1);
    }
  } else {
    StoreField(rest.substr(0, comma), field);
    rest = rest.substr(comma + 1);
  }
}

void ToWideField(std::string_view bytes, WCHAR* output, int limit) {
  if (limit <= 0) return;
  std::u16string wide(bytes.size(), u'\0');
  int units = bytes.empty() ? 0
                            : MultiByteToWideChar(kImfCodePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                  wide.data(), static_cast<int>(wide.size()));
  while (units > 0 && wide[units - 1] == u' ') --units;
  units = std::min(units, limit - 1);
  std::copy_n(wide.data(), units, output);
  output[units] = u'\0';
}

int ToMbcsField(const WCHAR* text, char* output, int limit) {
  if (limit <= 0) return 0;
  const int needed = WideCharToMultiByte(kImfCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(std::max(needed, 1)), '\0');
  if (needed > 0) WideCharToMultiByte(kImfCodePage, 0, text, -1, bytes.data(), needed, nullptr, nullptr);
  const std::string_view converted(bytes.c_str());
  const size_t room = static_cast<size_t>(limit);
  const size_t kept = converted.size() < room ? converted.size() : WholeCharsWithin(converted, room - 1);
  std::copy_n(converted.data(), kept, output);
  output[kept] = '\0';
  return static_cast<int>(kept);
}

LONG ReadLong(const char* field) { return _tcstol(field, nullptr, 10); }

double ReadReal(const char* field) {
  const char* start = field;
  while (IsBlank(*start)) ++start;
  const char* integer = SkipSign(start);
  const char* end = SkipDigits(integer);
  bool digits = end != integer;
  if (*end == '.') {
    const char* fraction = end + 1;
    end = SkipDigits(fraction);
    digits = digits || end != fraction;
  }
  if (!digits) return 0.0;
  if (*end == 'e' || *end == 'E') {
    const char* exponent = SkipSign(end + 1);
    if (IsDigit(*exponent)) end = SkipDigits(exponent);
  }
  return _tcstod(std::string(start, end).c_str(), nullptr);
}

ImfRecord RecordCode(std::string_view line) {
  for (const auto& known : kRecordCodes) {
    if (line.substr(0, 4) == known.code) return known.record;
  }
  return ImfRecord::Other;
}

bool ReadIndexName(std::string_view line, WCHAR (&name)[kImfNameChars + 1]) {
  ImfField field;
  NextField(line, field);  // the code
  NextField(line, field);
  ToWideField(field.View(), name, kImfNameChars + 1);
  return !field.cut;
}

bool ReadBackground(std::string_view line, ImfBackground& background) {
  ImfField fields[7];
  background.cut = false;
  for (ImfField& field : fields) {
    NextField(line, field);
    background.cut = background.cut || field.cut;
  }
  if (ReadLong(fields[1].text) != 1) return false;
  background.x1 = ReadReal(fields[2].text);
  background.y1 = ReadReal(fields[3].text);
  background.x2 = ReadReal(fields[4].text);
  background.y2 = ReadReal(fields[5].text);
  ToWideField(fields[6].View(), background.name, kImfNameChars + 1);
  return true;
}

void ImfFileNames(const WCHAR* indexName, CStringW (&names)[IMF_FILE_COUNT]) {
  CStringW base(indexName);
  base.MakeUpper();
  const int extension = base.Find(u".IMF");
  if (extension > 0) base.Delete(extension, 4);
  for (int file = 0; file < IMF_FILE_COUNT; ++file) names[file] = base + kFileSuffixes[file];
}

CStringA FormatIndex(const CStringW (&names)[IMF_FILE_COUNT], const int (&lineCounts)[IMF_FILE_COUNT]) {
  CStringA index;
  for (LONG kind = 1; kind <= 3; ++kind) {
    if (lineCounts[ImfFileOf(kind, 0)] == 0) continue;
    const char letter = kSectionLetters[kind - 1];
    index.AppendFormat("%c00,\r\n", letter);
    for (int part = 0; part < 3; ++part) {
      const int file = ImfFileOf(kind, part);
      if (lineCounts[file] == 0) continue;
      index.AppendFormat("%c%02d,%s,\r\n", letter, part + 1, Quoted(names[file], kIndexNameBytes).GetString());
    }
    index.AppendFormat("%c99,\r\n", letter);
  }
  return index;
}

CStringA FormatCardLine(const NavRecord& card, const PntRecord& point) {
  if (!IsImfKind(card.kind)) return CStringA();
  const CardLayout& layout = LayoutOf(card.kind);
  CStringA cells[kMaxColumns + 1];  // by column number; cells[0] unused
  cells[COL_NUMBER] = Number("%ld", point.number);
  cells[COL_NAME] = Quoted(point.name, kNameBytes);
  cells[COL_ORIGIN] = Number("%d", card.origin);
  cells[COL_X] = Real(point.x);
  cells[COL_Y] = Real(point.y);
  if (point.hasZ) cells[COL_Z] = Real(point.z);
  for (int slot = 0; slot < layout.slots; ++slot) cells[layout.attrColumn[slot]] = Present("%d", card.attr[slot]);
  cells[layout.dateColumn] = Present("%8ld", card.surveyDate);
  cells[layout.remarksColumn] = Quoted(card.remarks, kRemarksBytes);
  return JoinLine(cells + 1, layout.columns);
}

CStringA FormatLookLine(LONG number, int index, const LookEntry& look) {
  const CStringA cells[] = {Number("%ld", number), Number("%d", index), Quoted(look.direction, kDirectionBytes),
                            Present("%d", look.sight), Present("%d", look.clearing)};
  return JoinLine(cells, 5);
}

CStringA FormatPhotoLine(LONG number, int index, const PhotoEntry& photo) {
  const CStringA cells[] = {Number("%ld", number),       Number("%d", index),
                            Present("%d", photo.kind),    Present("%8ld", photo.date),
                            Present("%6ld", photo.time),  Quoted(photo.comment, kCommentBytes),
                            CStringA()};
  return JoinLine(cells, 7);
}

bool ParseCardLine(LONG kind, std::string_view line, PntRecord& point, NavRecord& card) {
  if (!IsImfKind(kind)) return false;
  const CardLayout& layout = LayoutOf(kind);
  ImfField fields[kMaxColumns];
  bool whole = true;
  for (int column = 0; column < layout.columns; ++column) {
    NextField(line, fields[column]);
    whole = whole && !fields[column].cut;
  }
  auto at = [&](int column) -> const ImfField& { return fields[column - 1]; };

  WCHAR name[kNameChars + 1];
  ToWideField(at(COL_NAME).View(), name, kNameChars + 1);
  point.number = ReadLong(at(COL_NUMBER).text);
  point.name = name;
  point.x = ReadReal(at(COL_X).text);
  point.y = ReadReal(at(COL_Y).text);
  point.hasZ = at(COL_Z).Empty() ? 0 : 1;
  point.z = point.hasZ ? ReadReal(at(COL_Z).text) : 0.0;

  card = NavRecord{};
  card.kind = kind;
  card.origin = 1;
  for (int slot = 0; slot < layout.slots; ++slot) card.attr[slot] = ReadCode(at(layout.attrColumn[slot]));
  const ImfField& date = at(layout.dateColumn);
  card.surveyDate = date.length == 8 ? ReadLong(date.text) : -1;
  ToWideField(at(layout.remarksColumn).View(), card.remarks, kRemarksChars + 1);
  return whole;
}

int ProgressPercent(double done, double total) {
  return total < 0.1 ? 100 : static_cast<int>(done / total * 100.0);
}
