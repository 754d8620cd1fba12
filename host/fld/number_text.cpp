// The number fields' text rules: the grammar of a number being typed, the
// range reachable from a beginning, parsing and formatting in rule units.
#include "number_text.h"

#include <algorithm>

namespace fld {
namespace {

long long PowerOfTen(int exponent) {
  long long result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

long long DigitsValue(std::u16string_view digits) {
  long long value = 0;
  for (char16_t c : digits) value = value * 10 + (c - u'0');
  return value;
}

// A well-formed text taken apart.
struct NumberParts {
  bool negative = false;
  std::u16string_view integer;
  bool point = false;
  std::u16string_view fraction;
};

size_t DigitRun(std::u16string_view text, size_t from) {
  size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

std::optional<NumberParts> Split(std::u16string_view text, const FldNumberRule& rule) {
  NumberParts parts;
  size_t at = 0;
  if (at < text.size() && text[at] == u'-') parts.negative = true, ++at;
  parts.integer = text.substr(at, DigitRun(text, at));
  at += parts.integer.size();
  if (at < text.size() && text[at] == u'.' && rule.decimals > 0) {
    parts.point = true;
    ++at;
    parts.fraction = text.substr(at, DigitRun(text, at));
    at += parts.fraction.size();
  }
  const bool leadingZeroRun = parts.integer.size() > 1 && parts.integer[0] == u'0';
  if (at != text.size() || leadingZeroRun) return std::nullopt;
  if (parts.integer.size() > static_cast<size_t>(rule.integerDigits)) return std::nullopt;
  if (parts.fraction.size() > static_cast<size_t>(rule.decimals)) return std::nullopt;
  return parts;
}

// Magnitudes [low, high] in rule units.
struct Span {
  long long low;
  long long high;
};

bool Reaches(Span magnitude, bool negative, const FldNumberRule& rule) {
  if (negative) magnitude.low = std::max(magnitude.low, 1LL);
  if (magnitude.low > magnitude.high) return false;
  const long long low = negative ? -magnitude.high : magnitude.low;
  const long long high = negative ? -magnitude.low : magnitude.high;
  return low <= rule.maximum && high >= rule.minimum;
}

long long FractionUnits(std::u16string_view fraction, int decimals) {
  return DigitsValue(fraction) * PowerOfTen(decimals - static_cast<int>(fraction.size()));
}

}  // namespace

bool IsWellFormed(std::u16string_view text, const FldNumberRule& rule) { return Split(text, rule).has_value(); }

bool CanBeginNumberInRange(std::u16string_view text, const FldNumberRule& rule) {
  if (text.empty()) return true;
  const auto parts = Split(text, rule);
  if (!parts) return false;
  const long long unit = PowerOfTen(rule.decimals);
  const long long integer = DigitsValue(parts->integer);
  if (parts->point) {
    const long long low = integer * unit + FractionUnits(parts->fraction, rule.decimals);
    const long long width = PowerOfTen(rule.decimals - static_cast<int>(parts->fraction.size()));
    return Reaches({low, low + width - 1}, parts->negative, rule);
  }
  // Without a point: the integer part followed by j more digits, any fraction.
  const int typed = static_cast<int>(parts->integer.size());
  const bool closedByZero = parts->integer == u"0";
  for (int more = 0; more <= rule.integerDigits - typed; ++more) {
    if (more > 0 && closedByZero) break;
    if (more == 0 && typed == 0) continue;
    const long long step = PowerOfTen(more);
    const Span magnitude{integer * step * unit, (integer * step + step - 1) * unit + unit - 1};
    if (Reaches(magnitude, parts->negative, rule)) return true;
  }
  return false;
}

std::optional<long long> ParseInRange(std::u16string_view text, const FldNumberRule& rule) {
  const auto parts = Split(text, rule);
  if (!parts || (parts->integer.empty() && parts->fraction.empty())) return std::nullopt;
  const long long magnitude =
      DigitsValue(parts->integer) * PowerOfTen(rule.decimals) + FractionUnits(parts->fraction, rule.decimals);
  const long long value = parts->negative ? -magnitude : magnitude;
  if (value < rule.minimum || value > rule.maximum) return std::nullopt;
  return value;
}

std::u16string FormatUnits(long long units, int decimals) {
  const unsigned long long magnitude =
      units < 0 ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  const auto unit = static_cast<unsigned long long>(PowerOfTen(decimals));
  std::u16string text;
  for (unsigned long long rest = magnitude / unit; text.empty() || rest > 0; rest /= 10)
    text.insert(text.begin(), static_cast<char16_t>(u'0' + rest % 10));
  if (decimals > 0) {
    std::u16string fraction(static_cast<size_t>(decimals), u'0');
    unsigned long long rest = magnitude % unit;
    for (size_t i = fraction.size(); i-- > 0; rest /= 10) fraction[i] = static_cast<char16_t>(u'0' + rest % 10);
    text += u'.';
    text += fraction;
  }
  if (units < 0) text.insert(text.begin(), u'-');
  return text;
}

}  // namespace fld
