// Reading and writing the records' fixed text fields: a field's text ends
// at its terminator or at the field's end, whichever comes first, and a
// stored text is cut to leave room for the terminator, with every unit
// after it zero.
#pragma once
#include <afxstr.h>

#include <algorithm>
#include <cstddef>

template <size_t N>
CStringW TextOfField(const WCHAR (&field)[N]) {
  return CStringW(field, static_cast<int>(std::find(field, field + N, WCHAR{0}) - field));
}

template <size_t N>
void StoreInField(WCHAR (&field)[N], const CStringW& text) {
  std::fill(field, field + N, WCHAR{0});
  std::copy_n(static_cast<const WCHAR*>(text), std::min<size_t>(text.GetLength(), N - 1), field);
}
