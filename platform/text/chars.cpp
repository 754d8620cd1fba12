// Character classes of UTF-16 text and case mapping of whole strings in both
// widths (declared in tchar.h).
//
// Classes, from lowest to highest as the word sort of lstrcmp orders them:
//  - Control: C0 and C1 controls other than the white space below, U+FEFF;
//  - Space: TAB..CR, SPACE, NO-BREAK SPACE, U+2000-200A, U+2028-2029 and the
//    IDEOGRAPHIC SPACE U+3000;
//  - Digit: 0-9 and the full-width digits U+FF10-FF19;
//  - Letter: Latin (ASCII, Latin-1 and Latin Extended-A/B), basic Greek,
//    Cyrillic, hiragana and katakana (with the prolonged sound mark, but not
//    the middle dot U+30FB), the iteration marks U+3005-3007, CJK ideographs,
//    Hangul syllables, full-width Latin and half-width katakana;
//  - Punctuation: everything else (punctuation, symbols, surrogates).
#include <tchar.h>

#include <algorithm>
#include <iterator>

namespace plat::text {
namespace {

struct ClassRange {
  char16_t first;
  char16_t last;
  CharClass charClass;
};

// Sorted, non-overlapping; code units outside every range are punctuation.
constexpr ClassRange kClassRanges[] = {
    {0x0000, 0x0008, CharClass::Control}, {0x0009, 0x000D, CharClass::Space},   {0x000E, 0x001F, CharClass::Control},
    {0x0020, 0x0020, CharClass::Space},   {0x0030, 0x0039, CharClass::Digit},   {0x0041, 0x005A, CharClass::Letter},
    {0x0061, 0x007A, CharClass::Letter},  {0x007F, 0x009F, CharClass::Control}, {0x00A0, 0x00A0, CharClass::Space},
    {0x00AA, 0x00AA, CharClass::Letter},  {0x00B5, 0x00B5, CharClass::Letter},  {0x00BA, 0x00BA, CharClass::Letter},
    {0x00C0, 0x00D6, CharClass::Letter},  {0x00D8, 0x00F6, CharClass::Letter},  {0x00F8, 0x024F, CharClass::Letter},
    {0x0391, 0x03C9, CharClass::Letter},  {0x0400, 0x04FF, CharClass::Letter},  {0x2000, 0x200A, CharClass::Space},
    {0x2028, 0x2029, CharClass::Space},   {0x3000, 0x3000, CharClass::Space},   {0x3005, 0x3007, CharClass::Letter},
    {0x3041, 0x3096, CharClass::Letter},  {0x309D, 0x309F, CharClass::Letter},  {0x30A1, 0x30FA, CharClass::Letter},
    {0x30FC, 0x30FF, CharClass::Letter},  {0x3400, 0x4DBF, CharClass::Letter},  {0x4E00, 0x9FFF, CharClass::Letter},
    {0xAC00, 0xD7A3, CharClass::Letter},  {0xF900, 0xFAFF, CharClass::Letter},  {0xFEFF, 0xFEFF, CharClass::Control},
    {0xFF10, 0xFF19, CharClass::Digit},   {0xFF21, 0xFF3A, CharClass::Letter},  {0xFF41, 0xFF5A, CharClass::Letter},
    {0xFF66, 0xFF9F, CharClass::Letter},
};

// Full-width Latin letters in 932: lead 0x82, upper case trails 0x60-0x79, lower 0x81-0x9A.
constexpr unsigned char kFullWidthLead = 0x82;
constexpr unsigned char kFullWidthUpperTrail = 0x60;
constexpr unsigned char kFullWidthLowerTrail = 0x81;
constexpr unsigned char kLettersInAlphabet = 26;

void MapNarrowCase(std::string& text, bool toUpper) {
  unsigned char fromTrail = toUpper ? kFullWidthLowerTrail : kFullWidthUpperTrail;
  unsigned char toTrail = toUpper ? kFullWidthUpperTrail : kFullWidthLowerTrail;
  for (size_t i = 0; i < text.size(); i += CharUnits(text, i)) {
    if (CharUnits(text, i) == 1) {
      text[i] = toUpper ? ToUpper(text[i]) : ToLower(text[i]);
      continue;
    }
    auto trail = static_cast<unsigned char>(text[i + 1]);
    if (static_cast<unsigned char>(text[i]) == kFullWidthLead && trail >= fromTrail &&
        trail < fromTrail + kLettersInAlphabet) {
      text[i + 1] = static_cast<char>(toTrail + (trail - fromTrail));
    }
  }
}

}  // namespace

CharClass Classify(char16_t c) {
  auto after = std::upper_bound(std::begin(kClassRanges), std::end(kClassRanges), c,
                                [](char16_t unit, const ClassRange& range) { return unit < range.first; });
  if (after == std::begin(kClassRanges)) return CharClass::Punctuation;
  const ClassRange& range = *std::prev(after);
  return c <= range.last ? range.charClass : CharClass::Punctuation;
}

void MakeUpper(std::string& text) { MapNarrowCase(text, true); }
void MakeLower(std::string& text) { MapNarrowCase(text, false); }
void MakeUpper(std::u16string& text) {
  for (char16_t& c : text) c = ToUpper(c);
}
void MakeLower(std::u16string& text) {
  for (char16_t& c : text) c = ToLower(c);
}

}  // namespace plat::text
