// Dates (YYYYMMDD) and times of day (HHMMSS) of the records: today's stamp
// from one clock reading, decoding, and the texts the lists show.
#pragma once
#include <afxstr.h>
#include <windows.h>

namespace recdate {

// Today's date and the time of day from one reading of the local clock.
struct Stamp {
  LONG date;  // year * 10000 + month * 100 + day
  LONG time;  // hour * 10000 + minute * 100 + second
};
Stamp Now();

// The parts of a stored value: year = (v / 10000) mod 10000, month =
// (v / 100) mod 100, day = v mod 100 (and likewise hour mod 100, minute,
// second), integer division as C does it.
struct Parts {
  LONG first;   // year, or hour
  LONG second;  // month, or minute
  LONG third;   // day, or second
};
Parts DecodeDate(LONG date);
Parts DecodeTime(LONG time);

// True when the date can be shown by a date control: year 1900 or later,
// month 1-12, day 1-31.
bool IsShowableDate(LONG date);

// "%4ld/%2ld/%2ld" of the date; empty for a negative date.
CStringW FormatDate(LONG date);
// The date text followed by " %2ld:%02ld:%02ld" of the time; empty for a
// negative date, the date alone for a negative time.
CStringW FormatDateTime(LONG date, LONG time);

}  // namespace recdate
