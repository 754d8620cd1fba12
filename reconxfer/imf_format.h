// The interchange set's format, shared by the import and the export: reading
// lines and fields, the conversion between UTF-16 and code page 932, the
// index file's record codes and sections, the nine CSV file names, and the
// card, visibility and photo lines.
//
// Text conventions: 8-bit text in code page 932, every line ends with CR LF
// and with a comma before it; text fields are quoted (no escape for a quote
// inside), numbers and empty fields bare; an absent code (-1) is an empty
// field, and an empty field reads back as -1.
//
// Bounds of the reader (the writer never comes near them):
// - A line holds at most kImfLineBytes bytes, a CR counted. A longer line is
//   marked tooLong; its first kImfLineBytes bytes are kept and the rest up to
//   its LF is read and dropped, so the rest never becomes a line of its own.
//   The import refuses such a line rather than store a cut card.
// - A field holds at most kImfFieldBytes bytes. A longer field keeps its
//   first whole characters within the limit and is marked cut; the rest of it
//   is dropped with it. A card line with a cut field is refused too, and an
//   index record with a cut file name is not acted on.
#pragma once
#include <afx.h>
#include <records.h>

#include <string_view>

// Code page of every file of the set.
inline constexpr UINT kImfCodePage = 932;

inline constexpr size_t kImfLineBytes = 255;
inline constexpr size_t kImfFieldBytes = 127;

// One line as read: its content without CR and LF.
struct ImfLine {
  char text[kImfLineBytes + 1];
  size_t length;
  bool tooLong;  // more than kImfLineBytes bytes; text holds its start
  std::string_view View() const { return {text, length}; }
};

// One field taken off a line.
struct ImfField {
  char text[kImfFieldBytes + 1];
  size_t length;
  bool cut;  // more than kImfFieldBytes bytes; text holds its start
  std::string_view View() const { return {text, length}; }
  bool Empty() const { return length == 0; }
};

// ---- reading lines and fields ----
enum class ImfRead {
  Line,    // a line was read (an empty line between two LFs is one)
  End,     // the end of the file came before any byte of a new line
  Failed,  // the file could not be read
};
// Reads bytes one at a time up to LF or the end of the file. LF ends the
// line, a CR ends its content (the bytes after it up to the LF are dropped),
// a last line without LF is a line. Every byte read, CR and LF included, is
// added to byteCount.
ImfRead ReadLine(CFile& file, ImfLine& line, DWORD& byteCount);

// Takes the next field off the front of rest (byte search for ',' and '"'):
// - neither: the whole rest (cut at an LF), rest becomes empty;
// - only a quote: the text between it and a second quote, rest after the
//   second quote; without a second quote an empty field, rest after the quote;
// - a comma and no quote before it: the text before the comma, rest after it;
// - a quote before the first comma: the text up to the next quote (commas
//   included; empty without one), then rest after the next comma, or empty.
// A used-up line yields empty fields.
void NextField(std::string_view& rest, ImfField& field);

// Code page text to UTF-16 in output (limit units with the NUL): trailing
// U+0020 removed, then at most limit - 1 characters kept.
void ToWideField(std::string_view bytes, WCHAR* output, int limit);
// UTF-16 to code page text in output (limit bytes with the NUL): whole when it
// is shorter than limit bytes, else cut to at most limit - 1 bytes without
// splitting a double-byte character. Returns the bytes stored.
int ToMbcsField(const WCHAR* text, char* output, int limit);

// Lenient numbers: leading white space, a sign and digits (for reals also a
// decimal part and an exponent); reading stops at the first byte that does
// not belong; no digits read as 0. The field is NUL-terminated.
LONG ReadLong(const char* field);
double ReadReal(const char* field);

// ---- the index file ----
// The eighteen record codes; ImfRecord::Other for every other line.
enum class ImfRecord {
  Other,
  A00, A01, A99,
  B00, B01, B02, B03, B99,
  C00, C01, C02, C03, C99,
  D00, D01, D02, D03, D99,
};
// The code whose three characters and comma start the line (byte-exact,
// case-sensitive, only at the very start).
ImfRecord RecordCode(std::string_view line);

// The file name in the second field of a "B01," / "C01," / "D01," line,
// converted and cut to kImfNameChars characters. False when the field had to
// be cut as over-long (see the bounds above).
inline constexpr int kImfNameChars = 127;
bool ReadIndexName(std::string_view line, WCHAR (&name)[kImfNameChars + 1]);

// The background-image record "A01,flag,x1,y1,x2,y2,name".
struct ImfBackground {
  double x1, y1, x2, y2;
  WCHAR name[kImfNameChars + 1];
  bool cut;  // a field had to be cut: the record cannot be trusted
};
// False when the flag does not read as 1: the line is ignored altogether.
bool ReadBackground(std::string_view line, ImfBackground& background);

// ---- the nine CSV files ----
// Their order: for each kind the card, visibility and photo file.
enum ImfFile { IMF_KNOWN_CARD, IMF_KNOWN_LOOK, IMF_KNOWN_PHOTO, IMF_REF_CARD, IMF_REF_LOOK, IMF_REF_PHOTO,
               IMF_BLOCK_CARD, IMF_BLOCK_LOOK, IMF_BLOCK_PHOTO, IMF_FILE_COUNT };
// The file of a part (0 card, 1 visibility, 2 photo) of a kind (1 to 3).
constexpr int ImfFileOf(LONG kind, int part) { return static_cast<int>(kind - 1) * 3 + part; }
constexpr bool IsImfKind(LONG kind) { return kind >= 1 && kind <= 3; }

// The names of the nine files of an index file: the index name in upper
// case, its first ".IMF" removed unless it stands at the very start, then
// each file's suffix ("既知.CSV", "既知見通.CSV", ...).
void ImfFileNames(const WCHAR* indexName, CStringW (&names)[IMF_FILE_COUNT]);

// The index file that names the files with lines: for each kind whose card
// file has lines, "B00," (C, D), "B01," with the card file, "B02," and "B03,"
// with the visibility and photo files when they have lines, and "B99,". Names
// are written cut to 259 bytes. Empty when no card file has lines.
CStringA FormatIndex(const CStringW (&names)[IMF_FILE_COUNT], const int (&lineCounts)[IMF_FILE_COUNT]);

// ---- lines of the CSV files ----
// The card line of a card of kind 1 to 3 with its point (number, name cut to
// 20 bytes, origin, x, y, z when hasZ, the kind's attribute columns, the date
// "%8ld" and the remarks cut to 31 bytes); empty for any other kind.
CStringA FormatCardLine(const NavRecord& card, const PntRecord& point);
// "%ld,%d,\"%s\",%s,%s,\r\n": point number, index, direction cut to 10 bytes, sight, clearing.
CStringA FormatLookLine(LONG number, int index, const LookEntry& look);
// "%ld,%d,%s,%s,%s,\"%s\",,\r\n": point number, index, kind, date "%8ld",
// time "%6ld", comment cut to 30 bytes.
CStringA FormatPhotoLine(LONG number, int index, const PhotoEntry& photo);

// Reads a card line of kind 1 to 3 into a point (number, name of at most 16
// characters, x, y, z and hasZ) and a card (all zero, then kind, origin 1,
// the kind's attribute slots, the date only from a field of exactly 8 bytes,
// remarks of at most 30 characters; surveyed 0). The point's other fields are
// left to the caller. False when a field had to be cut.
bool ParseCardLine(LONG kind, std::string_view line, PntRecord& point, NavRecord& card);

// ---- progress ----
// done / total as a whole percentage, cut toward zero; 100 when total < 0.1.
int ProgressPercent(double done, double total);
