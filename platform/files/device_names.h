// The rules for names on the device: which names are valid, how letter case
// is ignored when names are compared or matched against wildcards, and the
// text conversions between device names (UTF-16), host names (UTF-8) and the
// 8-bit forms of the file functions (code page 932).
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace plat::files {

// A valid name of one file or folder: not empty, not "." or "..", no control
// characters, none of < > : " | ? * (with allowWildcards, ? and * are
// allowed) and no unpaired surrogates.
bool IsValidName(std::u16string_view name, bool allowWildcards);

// Names compared without regard to the case of ASCII and full-width Latin
// letters; all other characters compare exactly.
char16_t FoldCase(char16_t c);
bool SameName(std::u16string_view a, std::u16string_view b);
// Orders names by their folded form, then by their exact spelling.
bool NameLess(std::u16string_view a, std::u16string_view b);

// Matches a name against a pattern of * (any run) and ? (one character),
// ignoring case as SameName does. "*.*" matches every name.
bool MatchesPattern(std::u16string_view pattern, std::u16string_view name);

// Conversions; false on text that the target cannot represent.
bool Utf8ToWide(std::string_view text, std::u16string* wide);
bool WideToUtf8(std::u16string_view text, std::string* utf8);
bool AnsiToWide(std::string_view text, std::u16string* wide);
bool WideToAnsi(std::u16string_view text, std::string* ansi);

}  // namespace plat::files
