// The text of the number fields: which texts may stand while the user
// edits, the number a finished text shows and how a number is shown, all in
// the units of a FldNumberRule (10^-decimals).
#pragma once
#include <fld.h>

#include <optional>
#include <string>
#include <string_view>

namespace fld {

// The largest magnitude in rule units (18 digits).
constexpr long long kMaxUnits = 999999999999999999LL;

// Whether text is a well-formed beginning of a number: an optional '-', at
// most integerDigits integer digits (a leading 0 takes no further digit)
// and, when the rule has decimals, an optional '.' with at most that many
// digits. The empty text is well-formed.
bool IsWellFormed(std::u16string_view text, const FldNumberRule& rule);
// Whether text is empty or some number within the rule's range begins with
// it (a negative number is never zero: "-" needs a minimum below 0).
bool CanBeginNumberInRange(std::u16string_view text, const FldNumberRule& rule);
// The value of text when it is a complete number (at least one digit)
// within range; nothing otherwise.
std::optional<long long> ParseInRange(std::u16string_view text, const FldNumberRule& rule);
// units shown with exactly `decimals` digits after the point ("-12.5000").
std::u16string FormatUnits(long long units, int decimals);

}  // namespace fld
