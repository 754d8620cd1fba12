// What the card's tab pages share besides their base class: code lists
// filled from the code tables, drop-down lists of remembered texts kept in
// the command's settings store, and bounded copies between the records'
// fixed text fields and strings.
#pragma once
#include <afxwin.h>
#include <codetables.h>

#include <algorithm>
#include <cstddef>

namespace pagekit {

// Adds the items of table to a combo box in the table's order, each with its
// code as item data.
void FillCodeList(CWnd& combo, CodeTable table);

// Remembered texts: item n of a combo box is kept under the settings key
// made from keyFormat ("LMemo%d") and n.
//
// Appends the texts kept under the keys first, first + 1, ... below end,
// stopping at the first key that is missing or holds an empty text. Each is
// read into a buffer of bufferSize units (the terminator included), so a
// longer stored text arrives cut.
void AddRememberedTexts(CWnd& combo, const WCHAR* keyFormat, int first, int end, int bufferSize);
// Inserts text as item position unless it is empty or an item already has
// that text (ignoring letter case); then drops items from maxItems on.
void Remember(CWnd& combo, const CString& text, int position, int maxItems);
// Stores the text of items 0 .. count - 1 under their keys, an empty text
// for an index the combo box has no item at.
void SaveRememberedTexts(CWnd& combo, const WCHAR* keyFormat, int count);

// Puts text into a record's text field: zero-filled, then at most N - 1
// units of the text and the terminator.
template <size_t N>
void StoreText(WCHAR (&field)[N], const CString& text) {
  std::fill(field, field + N, WCHAR{0});
  lstrcpynW(field, text, static_cast<int>(N));
}

// The text of a record's text field, up to its terminator or its end.
template <size_t N>
CString TextOf(const WCHAR (&field)[N]) {
  return CString(field, static_cast<int>(std::find(field, field + N, WCHAR{0}) - field));
}

}  // namespace pagekit
