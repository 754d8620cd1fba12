// The fixed-layout records that the plug-ins exchange with the host's map
// database byte for byte: the reconnaissance card, a line of sight, a
// photograph, and the map point.
//
// Integers are 32-bit LONG, text is UTF-16 (WCHAR) in fixed NUL-terminated
// arrays; callers zero a record before filling it in, so the units after the
// terminator are zero. -1 marks a code, date or time that was not entered.
// Dates are YYYYMMDD and times HHMMSS, both local.
#pragma once
#include <afxstr.h>
#include <windows.h>

#include <cstddef>
#include <type_traits>

// The reconnaissance card of one point (at most one per point id).
struct NavRecord {
  LONG surveyed;     // 1 once registered on the card screen, 0 when imported
  LONG kind;         // 1 known point, 2 urban-block reference point, 3 urban-block point
  LONG origin;       // 1 created by import, 2 created on the device
  WCHAR remarks[32];
  LONG surveyDate;   // YYYYMMDD, -1 none
  LONG attr[11];     // attribute codes, meaning by kind, -1 not entered
};

// One line of sight of a card.
struct LookEntry {
  WCHAR direction[12];
  LONG sight;        // visibility code
  LONG clearing;     // need of tree clearing code
};

// One photograph of a card.
struct PhotoEntry {
  LONG kind;         // 1 near view, 2 distant view, 3 other
  LONG date;         // YYYYMMDD
  LONG time;         // HHMMSS
  WCHAR comment[32];
};

// A map point. It owns its name: copying a record copies the string. The
// fields keep the order of the device's 52-byte layout, but the name is this
// host's string object (a std::basic_string inside, several pointers wide),
// so the record's size and the offsets after the name are this host's own
// (sizeof(PntRecord) is not the device's 52 bytes; only the plain fields'
// packing around the name is checked below).
struct PntRecord {
  LONG number;       // point number shown to the user
  CStringW name;
  double x;
  double y;
  double z;          // meaningful only when hasZ is non-zero
  LONG hasZ;
  LONG spare1;       // 0 on creation, otherwise carried through
  LONG classCode;    // map class
  LONG stateCode;    // map state
  LONG spare2;       // 0 on creation, otherwise carried through
};

static_assert(sizeof(LONG) == 4 && sizeof(WCHAR) == 2, "records need 32-bit LONG and 16-bit WCHAR");

static_assert(std::is_trivially_copyable_v<NavRecord> && std::is_standard_layout_v<NavRecord>);
static_assert(sizeof(NavRecord) == 124);
static_assert(offsetof(NavRecord, surveyed) == 0);
static_assert(offsetof(NavRecord, kind) == 4);
static_assert(offsetof(NavRecord, origin) == 8);
static_assert(offsetof(NavRecord, remarks) == 12);
static_assert(offsetof(NavRecord, surveyDate) == 76);
static_assert(offsetof(NavRecord, attr) == 80);

static_assert(std::is_trivially_copyable_v<LookEntry> && std::is_standard_layout_v<LookEntry>);
static_assert(sizeof(LookEntry) == 32);
static_assert(offsetof(LookEntry, direction) == 0);
static_assert(offsetof(LookEntry, sight) == 24);
static_assert(offsetof(LookEntry, clearing) == 28);

static_assert(std::is_trivially_copyable_v<PhotoEntry> && std::is_standard_layout_v<PhotoEntry>);
static_assert(sizeof(PhotoEntry) == 76);
static_assert(offsetof(PhotoEntry, kind) == 0);
static_assert(offsetof(PhotoEntry, date) == 4);
static_assert(offsetof(PhotoEntry, time) == 8);
static_assert(offsetof(PhotoEntry, comment) == 12);

// PntRecord: the field order, and the plain fields' sizes and packing, as
// far as this host's string object allows.
static_assert(std::is_standard_layout_v<PntRecord>, "offsetof needs a standard-layout PntRecord");
static_assert(offsetof(PntRecord, number) == 0);
static_assert(offsetof(PntRecord, name) >= 4 && offsetof(PntRecord, name) % alignof(CStringW) == 0);
static_assert(offsetof(PntRecord, x) == offsetof(PntRecord, name) + sizeof(CStringW));
static_assert(offsetof(PntRecord, y) == offsetof(PntRecord, x) + 8);
static_assert(offsetof(PntRecord, z) == offsetof(PntRecord, y) + 8);
static_assert(offsetof(PntRecord, hasZ) == offsetof(PntRecord, z) + 8);
static_assert(offsetof(PntRecord, spare1) == offsetof(PntRecord, hasZ) + 4);
static_assert(offsetof(PntRecord, classCode) == offsetof(PntRecord, spare1) + 4);
static_assert(offsetof(PntRecord, stateCode) == offsetof(PntRecord, classCode) + 4);
static_assert(offsetof(PntRecord, spare2) == offsetof(PntRecord, stateCode) + 4);
