// What the card's tab pages share besides their base class: code lists
// filled from the code tables, drop-down lists of remembered texts kept in
// the command's settings store, and bounded copies between the records'
// fixed text fields and strings.
#pragma once
#include <afxwin.h>
#include <codetables.h>
#include <record_text.h>


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

}  // namespace pagekit
