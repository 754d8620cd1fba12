// The card pages' shared helpers: code lists, remembered texts, record texts.
#include "page_kit.h"

#include <cmdcond.h>

#include <vector>

namespace pagekit {

namespace {

CString KeyOf(const WCHAR* keyFormat, int index) {
  CString key;
  key.Format(keyFormat, index);
  return key;
}

int ItemCount(CWnd& combo) { return static_cast<int>(combo.SendMessage(CB_GETCOUNT)); }

CString ItemText(CWnd& combo, int index) {
  const LRESULT length = combo.SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return CString();
  std::vector<WCHAR> text(static_cast<size_t>(length) + 1, WCHAR{0});
  combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return CString(text.data());
}

}  // namespace

void FillCodeList(CWnd& combo, CodeTable table) {
  for (const CodeItem& item : table) {
    const LRESULT index = combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.label));
    if (index >= 0) combo.SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(item.code));
  }
}

void AddRememberedTexts(CWnd& combo, const WCHAR* keyFormat, int first, int end, int bufferSize) {
  std::vector<WCHAR> text(static_cast<size_t>(std::max(bufferSize, 1)));
  for (int index = first; index < end; ++index) {
    std::fill(text.begin(), text.end(), WCHAR{0});
    if (GetCmdJkn(KeyOf(keyFormat, index), text.data(), static_cast<int>(text.size())) != 0 || text[0] == 0) break;
    combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.data()));
  }
}

void Remember(CWnd& combo, const CString& text, int position, int maxItems) {
  const LRESULT match =
      combo.SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.GetString()));
  if (text.IsEmpty() || match != CB_ERR) return;
  combo.SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.GetString()));
  for (int count = ItemCount(combo); count > maxItems; --count)
    combo.SendMessage(CB_DELETESTRING, static_cast<WPARAM>(maxItems));
}

void SaveRememberedTexts(CWnd& combo, const WCHAR* keyFormat, int count) {
  for (int index = 0; index < count; ++index) SetCmdJkn(KeyOf(keyFormat, index), ItemText(combo, index));
}

}  // namespace pagekit
