// Dates and times of the records: one clock reading, decoding, list texts.
#include "recdate.h"

namespace recdate {

Stamp Now() {
  SYSTEMTIME local{};
  ::GetLocalTime(&local);
  return {static_cast<LONG>(local.wYear * 10000 + local.wMonth * 100 + local.wDay),
          static_cast<LONG>(local.wHour * 10000 + local.wMinute * 100 + local.wSecond)};
}

Parts DecodeDate(LONG date) { return {(date / 10000) % 10000, (date / 100) % 100, date % 100}; }

Parts DecodeTime(LONG time) { return {(time / 10000) % 100, (time / 100) % 100, time % 100}; }

bool IsShowableDate(LONG date) {
  const Parts parts = DecodeDate(date);
  return date >= 0 && parts.first >= 1900 && parts.second >= 1 && parts.second <= 12 && parts.third >= 1 &&
         parts.third <= 31;
}

CStringW FormatDate(LONG date) {
  CStringW text;
  if (date < 0) return text;
  const Parts parts = DecodeDate(date);
  text.Format(u"%4ld/%2ld/%2ld", static_cast<long>(parts.first), static_cast<long>(parts.second),
              static_cast<long>(parts.third));
  return text;
}

CStringW FormatDateTime(LONG date, LONG time) {
  CStringW text = FormatDate(date);
  if (text.IsEmpty() || time < 0) return text;
  const Parts parts = DecodeTime(time);
  CStringW stamped;
  stamped.Format(u"%s %2ld:%02ld:%02ld", static_cast<const WCHAR*>(text), static_cast<long>(parts.first),
                 static_cast<long>(parts.second), static_cast<long>(parts.third));
  return stamped;
}

}  // namespace recdate
