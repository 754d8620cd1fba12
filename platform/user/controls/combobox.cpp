// The combo box ("ComboBox"): a list of items (text and item data), its
// selection, the selection field above it and the drop-down list, and a
// person's taps, keys and gestures on them.
//
// - Kinds: CBS_DROPDOWNLIST shows the selected item's text in the field
//   (WM_GETTEXT gives it; empty with no selection) and takes no free text;
//   its WM_SETTEXT selects the item whose whole text matches, ignoring case
//   (CB_ERR and no change without one). CBS_DROPDOWN has an edit part. There
//   is no child edit window here: the combo box keeps the edit text (its
//   window text) and the edit selection itself and takes the focus itself,
//   so GetFocus() is the combo box; it answers EM_SETSEL as CB_SETEDITSEL for
//   the dialog manager (DLGC_HASSETSEL). CBS_SIMPLE is CBS_DROPDOWN with the
//   list always shown: it never drops down (CB_GETDROPPEDSTATE is FALSE,
//   CB_SHOWDROPDOWN, F4 and Alt+arrows do nothing). A style with neither
//   kind bit acts as CBS_DROPDOWN. Every kind holds strings (CBS_HASSTRINGS
//   or not); owner drawing is not done.
// - Geometry: the window of a drop-down kind is the selection field, as high
//   as the font + 8 (20 px in the system font); the height it is created or
//   sized with is the extent of the dropped list, which
//   CB_GETDROPPEDCONTROLRECT gives in screen co-ordinates. CBS_SIMPLE keeps
//   its height. The drop button of CBS_DROPDOWN is its rightmost
//   kScrollBarWidth pixels.
// - Items: CB_ADDSTRING appends, or with CBS_SORT inserts in order ignoring
//   case (lstrcmpi) after items of equal text; CB_INSERTSTRING (-1 appends)
//   never sorts. Inserting before the selection moves it with its item;
//   deleting the selected item clears the selection (a drop-down list's
//   field empties, an edit part keeps its text), deleting one before it
//   shifts it; CB_DELETESTRING returns the count left. CB_RESETCONTENT
//   empties the list and the field. CB_FINDSTRING (prefix) and
//   CB_FINDSTRINGEXACT (whole text) ignore case and search from the item
//   after wParam on, wrapping round (wParam -1 or out of range: from the
//   first). Bad indexes and null texts give CB_ERR and change nothing.
// - The program's selection: CB_SETCURSEL and CB_SELECTSTRING set the
//   selection and the field's text (the whole edit text selected) and never
//   notify. As on the platform, CB_SETCURSEL with -1 or an index out of range
//   clears both the selection and the field and returns CB_ERR.
// - The edit text: WM_SETTEXT sets it without notifying (the caret to the
//   start); a person types within CB_LIMITTEXT (0: no limit; the limit never
//   cuts text already there). Whenever the edit text stops being exactly the
//   selected item's text the selection becomes -1, without CBN_SELCHANGE:
//   text typed by a person is not a list selection, as on the platform.
// - A person: a tap on a drop-down list, or on a drop-down's button, opens
//   the list (CBN_DROPDOWN) or closes it; a tap on a drop-down's edit part,
//   or on a simple combo box, puts the caret at the end of the text (and
//   closes an open list). A tap takes the focus (CBN_SETFOCUS). Keys, only
//   while the combo box has the focus: VK_UP/VK_DOWN move the selection by
//   one (with none, to the first item) with CBN_SELCHANGE and the field's
//   text; F4 and Alt+Down/Alt+Up open or close the list; Enter closes an open
//   list accepting, Escape cancelling. In an edit part typed characters
//   replace the edit selection, backspace and VK_DELETE delete, VK_LEFT,
//   VK_RIGHT, VK_HOME and VK_END move the caret; each change of the text
//   sends CBN_EDITUPDATE then CBN_EDITCHANGE. In a drop-down list a typed
//   character selects the next item starting with it (CBN_SELCHANGE).
// - Closing the list: accepted by a tap, F4, Alt+arrow or Enter
//   (CBN_SELENDOK) or cancelled by Escape or the loss of the focus
//   (CBN_SELENDCANCEL), then CBN_CLOSEUP; the selection stays as it is either
//   way. The loss of the focus then sends CBN_KILLFOCUS. CB_SHOWDROPDOWN
//   opens with CBN_DROPDOWN and closes with CBN_CLOSEUP alone.
// - Gestures: kGestureChoose(index) chooses the item as a tap on it in the
//   open list would: the focus comes to the combo box, the selection and the
//   field's text become the item, CBN_SELCHANGE when the selection changed,
//   then CBN_SELENDOK and CBN_CLOSEUP if the list was open (ignored for an
//   item that does not exist). kGestureTap(MAKELPARAM(x, y)) is a tap there.
// - WM_GETDLGCODE: DLGC_WANTARROWS | DLGC_WANTCHARS, | DLGC_HASSETSEL with an
//   edit part, | DLGC_WANTALLKEYS while the list is open so that Enter and
//   Escape reach it. Paints with WM_CTLCOLOREDIT.
#include <commctrl.h>
#include <plat/display.h>
#include <plat/gdi.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "user/window.h"

using namespace plat::user;

namespace {

constexpr int kFieldPadding = 8;

struct Item {
  std::u16string text;
  LPARAM data = 0;
};

struct Combo {
  std::vector<Item> items;
  int selection = -1;
  bool dropped = false;
  int droppedHeight = 0;  // the window's height when dropped, field included
  size_t limit = 0;       // 0: no limit
  size_t selStart = 0;    // the edit selection; the caret is at selEnd
  size_t selEnd = 0;
  HFONT font = nullptr;
};

Combo* StateOf(HWND hwnd) { return ControlState<Combo>(hwnd); }

DWORD Kind(HWND hwnd) { return StyleOf(hwnd) & 3; }
bool IsList(HWND hwnd) { return Kind(hwnd) == CBS_DROPDOWNLIST; }
bool IsSimple(HWND hwnd) { return Kind(hwnd) == CBS_SIMPLE; }
bool HasEdit(HWND hwnd) { return !IsList(hwnd); }

bool Valid(const Combo& combo, int index) { return index >= 0 && index < static_cast<int>(combo.items.size()); }
int Count(const Combo& combo) { return static_cast<int>(combo.items.size()); }

// ---- the field's text (the window text) ----

const std::u16string& FieldText(HWND hwnd) {
  static const std::u16string none;
  const Window* w = Find(hwnd);
  return w ? w->text : none;
}

void ShowText(HWND hwnd, const std::u16string& text) {
  if (Window* w = Find(hwnd)) w->text = text;
  Invalidate(hwnd);
}

void SelectAllText(HWND hwnd, Combo& combo) {
  combo.selStart = 0;
  combo.selEnd = FieldText(hwnd).size();
}

// Sets the edit text; a selection whose text it no longer is goes.
void SetEditText(HWND hwnd, Combo& combo, const std::u16string& text) {
  ShowText(hwnd, text);
  if (Valid(combo, combo.selection) && combo.items[combo.selection].text != text) combo.selection = -1;
  combo.selStart = std::min(combo.selStart, text.size());
  combo.selEnd = std::min(combo.selEnd, text.size());
}

// The program's selection: the field shows the item (nothing for -1).
void Select(HWND hwnd, Combo& combo, int index) {
  combo.selection = Valid(combo, index) ? index : -1;
  ShowText(hwnd, combo.selection >= 0 ? combo.items[combo.selection].text : u"");
  SelectAllText(hwnd, combo);
}

// ---- the items ----

bool Matches(const std::u16string& item, const std::u16string& text, bool exact) {
  if (exact) return lstrcmpiW(item.c_str(), text.c_str()) == 0;
  return item.size() >= text.size() && lstrcmpiW(item.substr(0, text.size()).c_str(), text.c_str()) == 0;
}

LRESULT FindItem(const Combo& combo, int after, const WCHAR* text, bool exact) {
  const int count = Count(combo);
  if (!text || count == 0) return CB_ERR;
  const int first = Valid(combo, after) ? after + 1 : 0;
  const std::u16string wanted(text);
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (Matches(combo.items[index].text, wanted, exact)) return index;
  }
  return CB_ERR;
}

LRESULT InsertItem(HWND hwnd, Combo& combo, int index, const WCHAR* text) {
  if (!text || index < -1 || index > Count(combo)) return CB_ERR;
  if (index == -1) index = Count(combo);
  combo.items.insert(combo.items.begin() + index, Item{text, 0});
  if (combo.selection >= index) ++combo.selection;
  Invalidate(hwnd);
  return index;
}

LRESULT AddItem(HWND hwnd, Combo& combo, const WCHAR* text) {
  if (!text) return CB_ERR;
  int index = Count(combo);
  if (StyleOf(hwnd) & CBS_SORT) {
    const auto after = std::find_if(combo.items.begin(), combo.items.end(),
                                    [&](const Item& item) { return lstrcmpiW(text, item.text.c_str()) < 0; });
    index = static_cast<int>(after - combo.items.begin());
  }
  return InsertItem(hwnd, combo, index, text);
}

LRESULT DeleteItem(HWND hwnd, Combo& combo, int index) {
  if (!Valid(combo, index)) return CB_ERR;
  combo.items.erase(combo.items.begin() + index);
  if (combo.selection == index) {
    combo.selection = -1;
    if (IsList(hwnd)) Select(hwnd, combo, -1);
  } else if (combo.selection > index) {
    --combo.selection;
  }
  Invalidate(hwnd);
  return Count(combo);
}

LRESULT ResetContent(HWND hwnd, Combo& combo) {
  combo.items.clear();
  Select(hwnd, combo, -1);
  return CB_OKAY;
}

LRESULT GetItemText(const Combo& combo, int index, WCHAR* buffer) {
  if (!Valid(combo, index) || !buffer) return CB_ERR;
  const std::u16string& text = combo.items[index].text;
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
  return static_cast<LRESULT>(text.size());
}

LRESULT SetItemData(Combo& combo, int index, LPARAM data) {
  if (!Valid(combo, index)) return CB_ERR;
  combo.items[index].data = data;
  return TRUE;
}

// ---- the program's selection and edit text ----

LRESULT SetCurSel(HWND hwnd, Combo& combo, int index) {
  Select(hwnd, combo, index);
  return Valid(combo, index) ? index : CB_ERR;
}

LRESULT SelectString(HWND hwnd, Combo& combo, int after, const WCHAR* text) {
  const LRESULT found = FindItem(combo, after, text, false);
  if (found != CB_ERR) Select(hwnd, combo, static_cast<int>(found));
  return found;
}

LRESULT SetText(HWND hwnd, Combo& combo, const WCHAR* text) {
  if (IsList(hwnd)) {
    const LRESULT found = FindItem(combo, -1, text ? text : u"", true);
    if (found == CB_ERR) return CB_ERR;
    Select(hwnd, combo, static_cast<int>(found));
    return TRUE;
  }
  combo.selStart = combo.selEnd = 0;
  SetEditText(hwnd, combo, text ? text : u"");
  return TRUE;
}

// start -1 removes the selection (the caret stays); end -1 is the end of the text.
LRESULT SetEditSel(HWND hwnd, Combo& combo, int start, int end) {
  if (IsList(hwnd)) return CB_ERR;
  const size_t length = FieldText(hwnd).size();
  if (start < 0) {
    combo.selStart = combo.selEnd;
  } else {
    const size_t from = std::min(static_cast<size_t>(start), length);
    const size_t to = end < 0 ? length : std::min(static_cast<size_t>(end), length);
    combo.selStart = std::min(from, to);
    combo.selEnd = std::max(from, to);
  }
  Invalidate(hwnd);
  return TRUE;
}

LRESULT GetEditSel(HWND hwnd, const Combo& combo, DWORD* start, DWORD* end) {
  if (IsList(hwnd)) return CB_ERR;
  if (start) *start = static_cast<DWORD>(combo.selStart);
  if (end) *end = static_cast<DWORD>(combo.selEnd);
  return MAKELONG(combo.selStart, combo.selEnd);
}

// ---- the list ----

int FieldHeight(const Combo& combo) { return plat::gdi::TextExtent(combo.font, u"0", 1).cy + kFieldPadding; }

// A drop-down kind's window is the field; the height it was given is the list's.
void FitField(HWND hwnd, Combo& combo) {
  RECT r;
  GetWindowRect(hwnd, &r);
  const int height = r.bottom - r.top, field = FieldHeight(combo);
  if (IsSimple(hwnd) || height == field) return;
  combo.droppedHeight = height;
  SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, field, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT GetDroppedRect(HWND hwnd, const Combo& combo, RECT* rect) {
  if (!rect) return FALSE;
  GetWindowRect(hwnd, rect);
  if (!IsSimple(hwnd)) rect->bottom = rect->top + std::max<LONG>(combo.droppedHeight, rect->bottom - rect->top);
  return TRUE;
}

void Open(HWND hwnd) {
  Combo* combo = StateOf(hwnd);
  if (!combo || combo->dropped || IsSimple(hwnd)) return;
  NotifyParentCommand(hwnd, CBN_DROPDOWN);
  if (!(combo = StateOf(hwnd))) return;
  combo->dropped = true;
  Invalidate(hwnd);
}

// Closes the list; a person's closing says first whether it was accepted.
enum class Closing { Accepted, Cancelled, ByProgram };

void Close(HWND hwnd, Closing how) {
  Combo* combo = StateOf(hwnd);
  if (!combo || !combo->dropped) return;
  if (how != Closing::ByProgram) NotifyParentCommand(hwnd, how == Closing::Accepted ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (!(combo = StateOf(hwnd)) || !combo->dropped) return;
  combo->dropped = false;
  Invalidate(hwnd);
  NotifyParentCommand(hwnd, CBN_CLOSEUP);
}

void Toggle(HWND hwnd) {
  const Combo* combo = StateOf(hwnd);
  if (combo && combo->dropped) {
    Close(hwnd, Closing::Accepted);
  } else {
    Open(hwnd);
  }
}

LRESULT ShowDropDown(HWND hwnd, bool show) {
  if (show) {
    Open(hwnd);
  } else {
    Close(hwnd, Closing::ByProgram);
  }
  return TRUE;
}

// ---- a person's input ----

// A person's selection: as the program's, with CBN_SELCHANGE when it changed.
void PersonSelects(HWND hwnd, int index) {
  Combo* combo = StateOf(hwnd);
  if (!combo || !Valid(*combo, index)) return;
  const bool changed = index != combo->selection;
  Select(hwnd, *combo, index);
  if (changed) NotifyParentCommand(hwnd, CBN_SELCHANGE);
}

void Choose(HWND hwnd, int index) {
  Combo* combo = StateOf(hwnd);
  if (!combo || !Valid(*combo, index)) return;
  TakeFocus(hwnd);
  if (!(combo = StateOf(hwnd))) return;
  const bool wasOpen = combo->dropped;
  PersonSelects(hwnd, index);
  if (wasOpen) Close(hwnd, Closing::Accepted);
}

void Tap(HWND hwnd, POINT point) {
  TakeFocus(hwnd);
  Combo* combo = StateOf(hwnd);
  if (!combo) return;
  RECT client;
  GetClientRect(hwnd, &client);
  const bool onButton = !IsSimple(hwnd) && point.x >= client.right - plat::kScrollBarWidth;
  if (IsList(hwnd) || onButton) return Toggle(hwnd);
  combo->selStart = combo->selEnd = FieldText(hwnd).size();
  Invalidate(hwnd);
  Close(hwnd, Closing::Accepted);
}

void MoveSelection(HWND hwnd, const Combo& combo, int step) {
  PersonSelects(hwnd, SteppedSelection(combo.selection, step));
}

// A person's edit: replaces [from, to) of the edit text with `insert`.
void PersonEdits(HWND hwnd, size_t from, size_t to, std::u16string_view insert) {
  Combo* combo = StateOf(hwnd);
  if (!combo) return;
  std::u16string text = FieldText(hwnd);
  text.replace(from, to - from, insert);
  combo->selStart = combo->selEnd = from + insert.size();
  SetEditText(hwnd, *combo, text);
  NotifyParentCommand(hwnd, CBN_EDITUPDATE);
  NotifyParentCommand(hwnd, CBN_EDITCHANGE);
}

void TypeCharacter(HWND hwnd, const Combo& combo, char16_t c) {
  const size_t length = FieldText(hwnd).size() - (combo.selEnd - combo.selStart) + 1;
  if (combo.limit && length > combo.limit) return;
  PersonEdits(hwnd, combo.selStart, combo.selEnd, std::u16string_view(&c, 1));
}

// Backspace (backward) or VK_DELETE (forward): the selection, else one character.
void DeleteCharacter(HWND hwnd, const Combo& combo, bool backward) {
  if (combo.selStart != combo.selEnd) return PersonEdits(hwnd, combo.selStart, combo.selEnd, {});
  if (backward && combo.selStart > 0) return PersonEdits(hwnd, combo.selStart - 1, combo.selStart, {});
  if (!backward && combo.selEnd < FieldText(hwnd).size()) PersonEdits(hwnd, combo.selEnd, combo.selEnd + 1, {});
}

void MoveCaret(HWND hwnd, Combo& combo, WPARAM key) {
  const size_t length = FieldText(hwnd).size();
  const bool collapsed = combo.selStart == combo.selEnd;
  size_t caret = combo.selEnd;
  if (key == VK_LEFT) caret = collapsed ? (caret > 0 ? caret - 1 : 0) : combo.selStart;
  if (key == VK_RIGHT) caret = collapsed ? std::min(caret + 1, length) : combo.selEnd;
  if (key == VK_HOME) caret = 0;
  if (key == VK_END) caret = length;
  combo.selStart = combo.selEnd = caret;
  Invalidate(hwnd);
}

void Character(HWND hwnd, const Combo& combo, WPARAM c) {
  if (GetFocus() != hwnd) return;
  if (IsList(hwnd)) {
    const char16_t typed[] = {static_cast<char16_t>(c), 0};
    if (c >= 0x20) PersonSelects(hwnd, static_cast<int>(FindItem(combo, combo.selection, typed, false)));
  } else if (c == VK_BACK) {
    DeleteCharacter(hwnd, combo, true);
  } else if (c >= 0x20 && c != 0x7F) {
    TypeCharacter(hwnd, combo, static_cast<char16_t>(c));
  }
}

void KeyDown(HWND hwnd, Combo& combo, WPARAM key, bool alt) {
  if (GetFocus() != hwnd) return;
  const bool arrow = key == VK_UP || key == VK_DOWN;
  if ((key == VK_F4 || (alt && arrow)) && !IsSimple(hwnd)) return Toggle(hwnd);
  if (alt) return;
  if (arrow) return MoveSelection(hwnd, combo, key == VK_UP ? -1 : 1);
  if (key == VK_RETURN) return Close(hwnd, Closing::Accepted);
  if (key == VK_ESCAPE) return Close(hwnd, Closing::Cancelled);
  if (!HasEdit(hwnd)) return;
  if (key == VK_DELETE) return DeleteCharacter(hwnd, combo, false);
  if (key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END) MoveCaret(hwnd, combo, key);
}

void KillFocus(HWND hwnd) {
  Close(hwnd, Closing::Cancelled);
  NotifyFocusCommand(hwnd, CBN_KILLFOCUS);
}

LRESULT DialogCode(HWND hwnd, const Combo& combo) {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (HasEdit(hwnd)) code |= DLGC_HASSETSEL;
  if (combo.dropped) code |= DLGC_WANTALLKEYS;
  return code;
}

LRESULT Create(HWND hwnd, LPARAM lParam) {
  const LRESULT created = CreateControlState<Combo>(hwnd, lParam);
  if (IsList(hwnd)) ShowText(hwnd, u"");
  return created;
}

// Messages about the items and the selection; nullopt for others.
std::optional<LRESULT> ListMessage(HWND hwnd, Combo& combo, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);
  const auto* text = reinterpret_cast<const WCHAR*>(lParam);
  switch (message) {
    case CB_ADDSTRING:
      return AddItem(hwnd, combo, text);
    case CB_INSERTSTRING:
      return InsertItem(hwnd, combo, index, text);
    case CB_DELETESTRING:
      return DeleteItem(hwnd, combo, index);
    case CB_RESETCONTENT:
      return ResetContent(hwnd, combo);
    case CB_GETCOUNT:
      return Count(combo);
    case CB_GETCURSEL:
      return combo.selection;
    case CB_SETCURSEL:
      return SetCurSel(hwnd, combo, index);
    case CB_GETLBTEXT:
      return GetItemText(combo, index, reinterpret_cast<WCHAR*>(lParam));
    case CB_GETLBTEXTLEN:
      return Valid(combo, index) ? static_cast<LRESULT>(combo.items[index].text.size()) : CB_ERR;
    case CB_SETITEMDATA:
      return SetItemData(combo, index, lParam);
    case CB_GETITEMDATA:
      return Valid(combo, index) ? combo.items[index].data : CB_ERR;
    case CB_FINDSTRING:
      return FindItem(combo, index, text, false);
    case CB_FINDSTRINGEXACT:
      return FindItem(combo, index, text, true);
    case CB_SELECTSTRING:
      return SelectString(hwnd, combo, index, text);
    default:
      return std::nullopt;
  }
}

// Messages about the field, the edit part and the drop-down; nullopt for others.
std::optional<LRESULT> FieldMessage(HWND hwnd, Combo& combo, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      return SetText(hwnd, combo, reinterpret_cast<const WCHAR*>(lParam));
    case CB_LIMITTEXT:
      combo.limit = static_cast<size_t>(static_cast<UINT>(wParam));
      return TRUE;
    case CB_GETEDITSEL:
      return GetEditSel(hwnd, combo, reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
    case CB_SETEDITSEL:
      return SetEditSel(hwnd, combo, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
    case EM_SETSEL:
      return SetEditSel(hwnd, combo, static_cast<int>(wParam), static_cast<int>(lParam));
    case CB_SHOWDROPDOWN:
      return ShowDropDown(hwnd, wParam != 0);
    case CB_GETDROPPEDSTATE:
      return combo.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
      return GetDroppedRect(hwnd, combo, reinterpret_cast<RECT*>(lParam));
    default:
      return std::nullopt;
  }
}

// A person's input, the focus and the window's own messages; nullopt for others.
std::optional<LRESULT> WindowMessage(HWND hwnd, Combo& combo, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Tap(hwnd, PointFrom(lParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, combo, wParam, GetKeyState(VK_MENU) < 0);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam != VK_UP && wParam != VK_DOWN) return std::nullopt;
      KeyDown(hwnd, combo, wParam, true);
      return 0;
    case WM_CHAR:
      Character(hwnd, combo, wParam);
      return 0;
    case plat::WM_PLAT_GESTURE:
      return ChooseOrTap(hwnd, wParam, lParam, Choose, Tap);
    case WM_SETFOCUS:
      NotifyFocusCommand(hwnd, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      KillFocus(hwnd);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd, combo);
    case WM_SIZE:
      FitField(hwnd, combo);
      return 0;
    case WM_PAINT:
      PaintControl(hwnd, WM_CTLCOLOREDIT);
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return Create(hwnd, lParam);
  Combo* combo = StateOf(hwnd);
  if (!combo) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    FreeControlState<Combo>(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (auto result = FontMessage(hwnd, combo->font, message, wParam, lParam)) return *result;
  if (auto result = ListMessage(hwnd, *combo, message, wParam, lParam)) return *result;
  if (auto result = FieldMessage(hwnd, *combo, message, wParam, lParam)) return *result;
  if (auto result = WindowMessage(hwnd, *combo, message, wParam, lParam)) return *result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

const SystemClassRegistrar registrar(WC_COMBOBOXW, ComboProc, sizeof(LONG_PTR));

}  // namespace
