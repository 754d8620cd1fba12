// The date and time picker ("SysDateTimePick32"): a date (a SYSTEMTIME),
// shown as text in a format, with the "no date" check box of DTS_SHOWNONE,
// an allowed range, and a person's gestures and keys on it.
//
// - It starts on the platform clock's local date and time (GetLocalTime)
//   with the check box ticked.
// - Formats: DTS_SHORTDATEFORMAT (the default) is the Japanese short date
//   "yyyy/MM/dd", DTS_LONGDATEFORMAT "yyyy'年'M'月'd'日'", DTS_TIMEFORMAT
//   "H:mm:ss"; DTM_SETFORMAT sets a custom one (null: back to the style's).
//   Format letters: yyyy (a run of three or more y: the full year), yy (one
//   or two y: the last two digits), MM/M, dd/d, HH/H, mm/m, ss/s (doubled:
//   two digits; single: no leading zero); 'quoted text' is shown as it is,
//   '' is a quote; every other character is shown as it is. DTS_UPDOWN is
//   recorded only.
// - WM_GETTEXT gives the shown text: the date in the format, the same text
//   when the box is cleared (the box is read with DTM_GETSYSTEMTIME).
//   WM_SETTEXT is refused (FALSE): the text follows the date.
// - DTM_SETSYSTEMTIME: GDT_VALID sets the date, time fields included (the
//   day of the week is computed), and ticks the box; GDT_NONE clears the box
//   and keeps the date (only with DTS_SHOWNONE: FALSE otherwise). A date
//   that does not exist (month 0, 31 April, a year before 1601, hour 24, ...)
//   or lies outside the range fails with FALSE and changes nothing. It never
//   notifies. DTM_GETSYSTEMTIME: GDT_VALID and the date, or GDT_NONE with the
//   SYSTEMTIME left as it is when the box is cleared.
// - DTM_SETRANGE / DTM_GETRANGE: GDTR_MIN and GDTR_MAX name the bounds given
//   (a missing flag removes that bound); the range bounds days, not times.
//   A bound that does not exist, or a minimum after the maximum, fails with
//   FALSE. A date outside a new range is moved to its nearer bound without
//   notification. DTM_GETRANGE zeroes the bounds that are not set.
// - A person: a tap takes the focus (NM_SETFOCUS, NM_KILLFOCUS go with it);
//   VK_UP and VK_DOWN move the date one day on or back while the control has
//   the focus and the box is ticked (not past the range). Each change by a
//   person, and only then, sends DTN_DATETIMECHANGE (NMDATETIMECHANGE with
//   dwFlags GDT_VALID or GDT_NONE and the date).
// - Gestures (each takes the focus as a tap does): kGestureCheck(1 or 0)
//   ticks or clears the box (DTS_SHOWNONE only); kGestureSetDate(YYYYMMDD)
//   sets the date, keeping the time fields, and ticks the box (ignored for a
//   date that does not exist or lies outside the range); kGestureTap is a tap.
// - WM_GETDLGCODE: DLGC_WANTARROWS | DLGC_WANTCHARS. Paints with
//   WM_CTLCOLOREDIT.
#include <commctrl.h>
#include <plat/display.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "user/window.h"

using namespace plat::user;

namespace {

constexpr WORD kFirstYear = 1601;
constexpr WORD kLastYear = 30827;

// ---- the calendar ----

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

bool IsValid(const SYSTEMTIME& t) {
  return IsValidDate(t.wYear, t.wMonth, t.wDay) && t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60 &&
         t.wMilliseconds < 1000;
}

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long DayNumber(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

long DayNumber(const SYSTEMTIME& t) { return DayNumber(t.wYear, t.wMonth, t.wDay); }

// Sets the date of `t` to a day number, keeping its time fields.
void SetDayNumber(SYSTEMTIME& t, long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const long month = shiftedMonth + (shiftedMonth < 10 ? 3 : -9);
  t.wYear = static_cast<WORD>(yearOfEra + era * 400 + (month <= 2));
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
}

// 0 = Sunday; 1 January 1970 was a Thursday.
WORD DayOfWeek(const SYSTEMTIME& t) { return static_cast<WORD>(((DayNumber(t) + 4) % 7 + 7) % 7); }

// ---- formats ----

const char16_t* StyleFormat(DWORD style) {
  if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) return u"H:mm:ss";
  if (style & DTS_LONGDATEFORMAT) return u"yyyy'年'M'月'd'日'";
  return u"yyyy/MM/dd";
}

std::u16string Number(int value, size_t digits) {
  std::u16string text;
  for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
  if (text.size() < digits) text.insert(0, digits - text.size(), u'0');
  return text;
}

bool IsFieldLetter(char16_t c) { return std::u16string_view(u"yMdHms").find(c) != std::u16string_view::npos; }

std::u16string Field(char16_t letter, size_t run, const SYSTEMTIME& t) {
  const size_t digits = run >= 2 ? 2 : 1;
  switch (letter) {
    case u'y':
      return run >= 3 ? Number(t.wYear, 4) : Number(t.wYear % 100, 2);
    case u'M':
      return Number(t.wMonth, digits);
    case u'd':
      return Number(t.wDay, digits);
    case u'H':
      return Number(t.wHour, digits);
    case u'm':
      return Number(t.wMinute, digits);
    default:
      return Number(t.wSecond, digits);
  }
}

// Appends quoted text starting after the opening quote at `i`; returns the
// position after the closing quote.
size_t AppendQuoted(std::u16string_view format, size_t i, std::u16string& out) {
  for (++i; i < format.size(); ++i) {
    if (format[i] != u'\'') {
      out += format[i];
    } else if (i + 1 < format.size() && format[i + 1] == u'\'') {
      out += u'\'';
      ++i;
    } else {
      return i + 1;
    }
  }
  return i;
}

std::u16string FormatDate(std::u16string_view format, const SYSTEMTIME& t) {
  std::u16string out;
  for (size_t i = 0; i < format.size();) {
    const char16_t c = format[i];
    if (c == u'\'' && i + 1 < format.size() && format[i + 1] == u'\'') {
      out += u'\'';
      i += 2;
    } else if (c == u'\'') {
      i = AppendQuoted(format, i, out);
    } else if (IsFieldLetter(c)) {
      size_t run = 1;
      while (i + run < format.size() && format[i + run] == c) ++run;
      out += Field(c, run, t);
      i += run;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

// ---- the control ----

struct DatePicker {
  SYSTEMTIME date{};
  bool checked = true;
  bool hasLowest = false, hasHighest = false;
  SYSTEMTIME lowest{}, highest{};
  bool customFormat = false;
  std::u16string format;
  HFONT font = nullptr;
};

DatePicker* StateOf(HWND hwnd) { return ControlState<DatePicker>(hwnd); }

bool InRange(const DatePicker& picker, const SYSTEMTIME& t) {
  const long day = DayNumber(t);
  return (!picker.hasLowest || day >= DayNumber(picker.lowest)) &&
         (!picker.hasHighest || day <= DayNumber(picker.highest));
}

void ShowDate(HWND hwnd, const DatePicker& picker) {
  const std::u16string format = picker.customFormat ? picker.format : StyleFormat(StyleOf(hwnd));
  if (Window* w = Find(hwnd)) w->text = FormatDate(format, picker.date);
  Invalidate(hwnd);
}

void SetDate(HWND hwnd, DatePicker& picker, const SYSTEMTIME& t) {
  picker.date = t;
  picker.date.wDayOfWeek = DayOfWeek(t);
  picker.checked = true;
  ShowDate(hwnd, picker);
}

LRESULT SetTime(HWND hwnd, DatePicker& picker, WPARAM flag, const SYSTEMTIME* t) {
  if (flag == GDT_NONE) {
    if (!(StyleOf(hwnd) & DTS_SHOWNONE)) return FALSE;
    picker.checked = false;
    Invalidate(hwnd);
    return TRUE;
  }
  if (flag != GDT_VALID || !t || !IsValid(*t) || !InRange(picker, *t)) return FALSE;
  SetDate(hwnd, picker, *t);
  return TRUE;
}

LRESULT GetTime(const DatePicker& picker, SYSTEMTIME* t) {
  if (!t) return GDT_ERROR;
  if (!picker.checked) return GDT_NONE;
  *t = picker.date;
  return GDT_VALID;
}

// Moves the date to the nearer bound when it lies outside the range.
void KeepInRange(HWND hwnd, DatePicker& picker) {
  SYSTEMTIME t = picker.date;
  const long day = DayNumber(t);
  if (picker.hasLowest && day < DayNumber(picker.lowest)) SetDayNumber(t, DayNumber(picker.lowest));
  if (picker.hasHighest && day > DayNumber(picker.highest)) SetDayNumber(t, DayNumber(picker.highest));
  if (DayNumber(t) == day) return;
  picker.date = t;
  picker.date.wDayOfWeek = DayOfWeek(t);
  ShowDate(hwnd, picker);
}

LRESULT SetRange(HWND hwnd, DatePicker& picker, WPARAM flags, const SYSTEMTIME* bounds) {
  const bool lowest = (flags & GDTR_MIN) != 0, highest = (flags & GDTR_MAX) != 0;
  if ((lowest || highest) && !bounds) return FALSE;
  if ((lowest && !IsValid(bounds[0])) || (highest && !IsValid(bounds[1]))) return FALSE;
  if (lowest && highest && DayNumber(bounds[0]) > DayNumber(bounds[1])) return FALSE;
  picker.hasLowest = lowest;
  picker.hasHighest = highest;
  picker.lowest = lowest ? bounds[0] : SYSTEMTIME{};
  picker.highest = highest ? bounds[1] : SYSTEMTIME{};
  KeepInRange(hwnd, picker);
  return TRUE;
}

LRESULT GetRange(const DatePicker& picker, SYSTEMTIME* bounds) {
  if (!bounds) return 0;
  bounds[0] = picker.lowest;
  bounds[1] = picker.highest;
  return (picker.hasLowest ? GDTR_MIN : 0) | (picker.hasHighest ? GDTR_MAX : 0);
}

LRESULT SetFormat(HWND hwnd, DatePicker& picker, const WCHAR* format) {
  picker.customFormat = format != nullptr;
  picker.format = format ? format : u"";
  ShowDate(hwnd, picker);
  return TRUE;
}

// ---- a person's input ----

void NotifyChange(HWND hwnd, const DatePicker& picker) {
  NMDATETIMECHANGE change{};
  change.dwFlags = picker.checked ? GDT_VALID : GDT_NONE;
  change.st = picker.date;
  NotifyParent(hwnd, DTN_DATETIMECHANGE, &change.nmhdr);
}

void PersonChecks(HWND hwnd, bool checked) {
  if (!(StyleOf(hwnd) & DTS_SHOWNONE)) return;
  TakeFocus(hwnd);
  DatePicker* picker = StateOf(hwnd);
  if (!picker || picker->checked == checked) return;
  picker->checked = checked;
  Invalidate(hwnd);
  NotifyChange(hwnd, *picker);
}

// A person picks a date: ignored unless it exists and lies in the range.
void PersonSetsDate(HWND hwnd, const SYSTEMTIME& t) {
  DatePicker* picker = StateOf(hwnd);
  if (!picker || !IsValid(t) || !InRange(*picker, t)) return;
  TakeFocus(hwnd);
  if (!(picker = StateOf(hwnd))) return;
  if (picker->checked && DayNumber(picker->date) == DayNumber(t)) return;
  SetDate(hwnd, *picker, t);
  NotifyChange(hwnd, *picker);
}

void SetDateGesture(HWND hwnd, LPARAM yyyymmdd) {
  DatePicker* picker = StateOf(hwnd);
  if (!picker || yyyymmdd < 0) return;
  SYSTEMTIME t = picker->date;
  t.wYear = static_cast<WORD>(std::min<LPARAM>(yyyymmdd / 10000, 0xFFFF));
  t.wMonth = static_cast<WORD>(yyyymmdd / 100 % 100);
  t.wDay = static_cast<WORD>(yyyymmdd % 100);
  PersonSetsDate(hwnd, t);
}

void KeyDown(HWND hwnd, const DatePicker& picker, WPARAM key) {
  if (GetFocus() != hwnd || !picker.checked || (key != VK_UP && key != VK_DOWN)) return;
  SYSTEMTIME t = picker.date;
  SetDayNumber(t, DayNumber(t) + (key == VK_UP ? 1 : -1));
  PersonSetsDate(hwnd, t);
}

LRESULT Gesture(HWND hwnd, WPARAM gesture, LPARAM argument) {
  switch (gesture) {
    case plat::kGestureCheck:
      PersonChecks(hwnd, argument != 0);
      break;
    case plat::kGestureSetDate:
      SetDateGesture(hwnd, argument);
      break;
    case plat::kGestureTap:
      TakeFocus(hwnd);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT Create(HWND hwnd, LPARAM lParam) {
  const LRESULT created = CreateControlState<DatePicker>(hwnd, lParam);
  if (DatePicker* picker = StateOf(hwnd)) {
    GetLocalTime(&picker->date);
    ShowDate(hwnd, *picker);
  }
  return created;
}

LRESULT CALLBACK DateTimeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(hwnd, lParam);
  DatePicker* picker = StateOf(hwnd);
  if (!picker) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = FontMessage(hwnd, picker->font, message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_NCDESTROY:
      FreeControlState<DatePicker>(hwnd);
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case DTM_SETSYSTEMTIME:
      return SetTime(hwnd, *picker, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETSYSTEMTIME:
      return GetTime(*picker, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETRANGE:
      return SetRange(hwnd, *picker, wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE:
      return GetRange(*picker, reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_SETFORMATW:
      return SetFormat(hwnd, *picker, reinterpret_cast<const WCHAR*>(lParam));
    case WM_SETTEXT:
      return FALSE;
    case WM_STYLECHANGED:
      ShowDate(hwnd, *picker);
      return 0;
    case WM_LBUTTONDOWN:
      TakeFocus(hwnd);
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, *picker, wParam);
      return 0;
    case plat::WM_PLAT_GESTURE:
      return Gesture(hwnd, wParam, lParam);
    case WM_SETFOCUS:
      NotifyFocusHeader(hwnd, NM_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyFocusHeader(hwnd, NM_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT:
      PaintControl(hwnd, WM_CTLCOLOREDIT);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

const SystemClassRegistrar registrar(DATETIMEPICK_CLASSW, DateTimeProc, sizeof(LONG_PTR));

}  // namespace
