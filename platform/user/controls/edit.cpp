// The edit control ("Edit"): single-line and multi-line text with a caret and
// a selection, typing and the editing keys, the text limit, read-only,
// number-only, password and case-converting edits, the clipboard commands
// and one level of undo.
//
// - Positions are UTF-16 units; the caret steps over a CR LF pair and a
//   surrogate pair as one character. The caret is the moving end of the
//   selection, the anchor the fixed one.
// - Typing (WM_CHAR) replaces the selection: backspace deletes backwards; in
//   multi-line edits Enter inserts CR LF and Tab a tab; other characters
//   below U+0020 (and U+007F) are ignored. ES_NUMBER refuses anything but
//   0-9 without a change; ES_UPPERCASE/ES_LOWERCASE convert typed and pasted
//   text. Keys: Left, Right, Home and End (line start and end in multi-line
//   edits) move the caret, with Shift held they extend the selection;
//   Delete deletes forwards. Up and Down are not handled.
// - The limit (EM_LIMITTEXT, 0 = 30000, also the default) cuts what typing,
//   pasting and EM_REPLACESEL insert to what fits and then sends EN_MAXTEXT;
//   when nothing fits nothing changes. A single-line edit without
//   ES_AUTOHSCROLL also takes only what fits in its width (the client width
//   less a 2-pixel margin each side; a password edit measures its '*').
//   WM_SETTEXT is never cut.
// - Every change of the text sends EN_UPDATE then EN_CHANGE, the
//   program's (WM_SETTEXT, EM_REPLACESEL) as well as the user's (EN_MAXTEXT
//   comes first when the insertion was cut). EM_GETMODIFY is set by the
//   user's edits (typing, keys, WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO) only
//   and cleared by WM_SETTEXT, which also puts the caret at 0 and forgets the
//   undo.
// - WM_UNDO undoes the last change (a run of typing counts as one) and a
//   second WM_UNDO redoes it. EM_REPLACESEL with FALSE cannot be undone.
// - Read-only edits refuse typing, Delete, WM_CUT, WM_PASTE, WM_CLEAR and
//   WM_UNDO; the program's messages still change them. Password edits refuse
//   WM_COPY and WM_CUT. The clipboard is one text for the whole process;
//   pasting into a single-line edit stops at the first line break.
// - A tap takes the focus and puts the caret at the end of the text.
//   EN_SETFOCUS and EN_KILLFOCUS go with the focus.
// - EM_GETLINECOUNT counts the hard line breaks (no word wrap is computed).
// - Colours: WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only or disabled.
// - Gestures: kGestureTap (a tap at a client point) is taken as a tap.
#include <plat/display.h>
#include <plat/gdi.h>
#include <tchar.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "user/window.h"

namespace {

constexpr size_t kDefaultLimit = 30000;
constexpr LONG kTextMargin = 2;

struct Snapshot {
  std::u16string text;
  size_t anchor = 0;
  size_t caret = 0;
};

struct EditState {
  size_t anchor = 0;
  size_t caret = 0;
  size_t limit = kDefaultLimit;
  bool modified = false;
  bool typing = false;  // the undo snapshot was taken at the start of the current run of typing
  std::optional<Snapshot> undo;
  HFONT font = nullptr;
};

struct Clipboard {
  std::mutex lock;
  std::u16string text;
};

Clipboard& TheClipboard() {
  static Clipboard clipboard;
  return clipboard;
}

void SetClipboardText(const std::u16string& text) {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard guard(clipboard.lock);
  clipboard.text = text;
}

std::u16string ClipboardText() {
  Clipboard& clipboard = TheClipboard();
  std::lock_guard guard(clipboard.lock);
  return clipboard.text;
}

EditState* StateOf(HWND hwnd) { return plat::user::ControlState<EditState>(hwnd); }

// The text lives in the window itself, where WM_GETTEXT finds it.
std::u16string& TextOf(HWND hwnd) { return plat::user::Find(hwnd)->text; }

bool HasStyle(HWND hwnd, DWORD style) { return (plat::user::StyleOf(hwnd) & style) != 0; }
bool IsMultiLine(HWND hwnd) { return HasStyle(hwnd, ES_MULTILINE); }
bool IsReadOnly(HWND hwnd) { return HasStyle(hwnd, ES_READONLY); }

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Length of the character that starts at position (a CR LF or surrogate pair is one).
size_t CharLengthAt(const std::u16string& text, size_t position) {
  if (position + 1 >= text.size()) return text.size() - std::min(position, text.size());
  const char16_t c = text[position], next = text[position + 1];
  return ((c == u'\r' && next == u'\n') || (IsHighSurrogate(c) && IsLowSurrogate(next))) ? 2 : 1;
}

size_t NextPosition(const std::u16string& text, size_t position) {
  return std::min(text.size(), position + std::max<size_t>(CharLengthAt(text, position), 1));
}

size_t PreviousPosition(const std::u16string& text, size_t position) {
  if (position == 0) return 0;
  if (position >= 2) {
    const char16_t before = text[position - 2], last = text[position - 1];
    if ((before == u'\r' && last == u'\n') || (IsHighSurrogate(before) && IsLowSurrogate(last))) return position - 2;
  }
  return position - 1;
}

size_t LineStart(const std::u16string& text, size_t position) {
  const size_t previousBreak = position == 0 ? std::u16string::npos : text.find_last_of(u'\n', position - 1);
  return previousBreak == std::u16string::npos ? 0 : previousBreak + 1;
}

size_t LineEnd(const std::u16string& text, size_t position) {
  const size_t nextBreak = text.find_first_of(u"\r\n", position);
  return nextBreak == std::u16string::npos ? text.size() : nextBreak;
}

std::pair<size_t, size_t> Selected(const EditState& s) { return std::minmax(s.anchor, s.caret); }

void NotifyChanged(HWND hwnd) {
  plat::user::NotifyParentCommand(hwnd, EN_UPDATE);
  plat::user::NotifyParentCommand(hwnd, EN_CHANGE);
}

void SetSelection(HWND hwnd, EditState* s, size_t anchor, size_t caret) {
  const size_t length = TextOf(hwnd).size();
  s->anchor = std::min(anchor, length);
  s->caret = std::min(caret, length);
  s->typing = false;
  plat::user::Invalidate(hwnd);
}

enum class Undo { Record, ExtendTyping, Forget };

// Replaces [start, end) with insert and leaves the caret after it; false
// when that changes nothing.
bool Replace(HWND hwnd, EditState* s, size_t start, size_t end, const std::u16string& insert, bool byUser,
             Undo undo) {
  std::u16string& text = TextOf(hwnd);
  if (start == end && insert.empty()) return false;
  if (undo == Undo::Forget) {
    s->undo.reset();
  } else if (undo == Undo::Record || !s->typing || !s->undo) {
    s->undo = Snapshot{text, s->anchor, s->caret};
  }
  text.replace(start, end - start, insert);
  s->anchor = s->caret = start + insert.size();
  s->typing = undo == Undo::ExtendTyping;
  if (byUser) s->modified = true;
  plat::user::Invalidate(hwnd);
  return true;
}

LONG ShownWidth(HWND hwnd, const EditState* s, const char16_t* text, size_t length) {
  if (length == 0) return 0;
  if (HasStyle(hwnd, ES_PASSWORD)) return plat::gdi::TextExtent(s->font, u"*", 1).cx * static_cast<LONG>(length);
  return plat::gdi::TextExtent(s->font, text, static_cast<int>(length)).cx;
}

// How much of insert fits in the width beside the text that stays.
size_t FittingWidth(HWND hwnd, const EditState* s, const std::u16string& staying, const std::u16string& insert) {
  RECT client;
  GetClientRect(hwnd, &client);
  const LONG room = client.right - 2 * kTextMargin;
  LONG width = ShownWidth(hwnd, s, staying.c_str(), staying.size());
  size_t fitting = 0;
  while (fitting < insert.size()) {
    const size_t step = std::max<size_t>(CharLengthAt(insert, fitting), 1);
    const LONG charWidth = ShownWidth(hwnd, s, insert.c_str() + fitting, step);
    if (width + charWidth > room) break;
    width += charWidth;
    fitting += step;
  }
  return fitting;
}

// Cuts an insertion in place of [start, end) to the limit (and, for
// single-line edits without ES_AUTOHSCROLL, to the width); true if it was cut.
bool FitInsertion(HWND hwnd, const EditState* s, size_t start, size_t end, std::u16string* insert) {
  const std::u16string& text = TextOf(hwnd);
  const size_t staying = text.size() - (end - start);
  size_t fitting = s->limit > staying ? std::min(insert->size(), s->limit - staying) : 0;
  if (!IsMultiLine(hwnd) && !HasStyle(hwnd, ES_AUTOHSCROLL)) {
    const std::u16string rest = text.substr(0, start) + text.substr(end);
    fitting = std::min(fitting, FittingWidth(hwnd, s, rest, *insert));
  }
  if (fitting > 0 && fitting < insert->size() && IsHighSurrogate((*insert)[fitting - 1])) --fitting;
  if (fitting == insert->size()) return false;
  insert->resize(fitting);
  return true;
}

void Insert(HWND hwnd, EditState* s, std::u16string insert, bool byUser, Undo undo) {
  const auto [start, end] = Selected(*s);
  const bool cut = FitInsertion(hwnd, s, start, end, &insert);
  const bool changed = !(cut && insert.empty()) && Replace(hwnd, s, start, end, insert, byUser, undo);
  if (cut) plat::user::NotifyParentCommand(hwnd, EN_MAXTEXT);
  if (changed) NotifyChanged(hwnd);
}

void DeleteRange(HWND hwnd, EditState* s, size_t start, size_t end) {
  if (Replace(hwnd, s, start, end, u"", true, Undo::Record)) NotifyChanged(hwnd);
}

// Deletes the selection, or with none the character before or after the caret.
void DeleteSelectionOrChar(HWND hwnd, EditState* s, bool backwards) {
  const auto [start, end] = Selected(*s);
  const std::u16string& text = TextOf(hwnd);
  if (start != end) {
    DeleteRange(hwnd, s, start, end);
  } else if (backwards) {
    DeleteRange(hwnd, s, PreviousPosition(text, s->caret), s->caret);
  } else {
    DeleteRange(hwnd, s, s->caret, NextPosition(text, s->caret));
  }
}

void ConvertCase(HWND hwnd, std::u16string* text) {
  if (HasStyle(hwnd, ES_UPPERCASE)) plat::text::MakeUpper(*text);
  if (HasStyle(hwnd, ES_LOWERCASE)) plat::text::MakeLower(*text);
}

// What typing a character inserts; empty when the edit does not take it.
std::u16string TypedText(HWND hwnd, char16_t c) {
  const bool multiLine = IsMultiLine(hwnd);
  if (c == u'\r') return multiLine ? u"\r\n" : u"";
  if (c == u'\t') return multiLine ? u"\t" : u"";
  if (c < 0x20 || c == 0x7F) return u"";
  if (HasStyle(hwnd, ES_NUMBER) && (c < u'0' || c > u'9')) return u"";
  std::u16string text(1, c);
  ConvertCase(hwnd, &text);
  return text;
}

void Type(HWND hwnd, EditState* s, char16_t c) {
  if (IsReadOnly(hwnd)) return;
  if (c == VK_BACK) {
    DeleteSelectionOrChar(hwnd, s, true);
    return;
  }
  std::u16string text = TypedText(hwnd, c);
  if (!text.empty()) Insert(hwnd, s, std::move(text), true, Undo::ExtendTyping);
}

// Where a caret key puts the caret.
size_t CaretTarget(HWND hwnd, const EditState* s, WPARAM key, bool extend) {
  const std::u16string& text = TextOf(hwnd);
  const auto [start, end] = Selected(*s);
  const bool collapse = !extend && start != end;
  switch (key) {
    case VK_LEFT:
      return collapse ? start : PreviousPosition(text, s->caret);
    case VK_RIGHT:
      return collapse ? end : NextPosition(text, s->caret);
    case VK_HOME:
      return IsMultiLine(hwnd) ? LineStart(text, s->caret) : 0;
    default:
      return IsMultiLine(hwnd) ? LineEnd(text, s->caret) : text.size();
  }
}

void KeyDown(HWND hwnd, EditState* s, WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: {
      const bool extend = GetKeyState(VK_SHIFT) < 0;
      const size_t caret = CaretTarget(hwnd, s, key, extend);
      SetSelection(hwnd, s, extend ? s->anchor : caret, caret);
      break;
    }
    case VK_DELETE:
      if (!IsReadOnly(hwnd)) DeleteSelectionOrChar(hwnd, s, false);
      break;
    default:
      break;
  }
}

void Tap(HWND hwnd) {
  plat::user::TakeFocus(hwnd);
  if (EditState* s = StateOf(hwnd)) {
    const size_t end = TextOf(hwnd).size();
    SetSelection(hwnd, s, end, end);
  }
}

void Copy(HWND hwnd, const EditState* s) {
  const auto [start, end] = Selected(*s);
  if (start == end || HasStyle(hwnd, ES_PASSWORD)) return;
  SetClipboardText(TextOf(hwnd).substr(start, end - start));
}

void Cut(HWND hwnd, EditState* s) {
  if (IsReadOnly(hwnd) || HasStyle(hwnd, ES_PASSWORD)) return;
  Copy(hwnd, s);
  const auto [start, end] = Selected(*s);
  DeleteRange(hwnd, s, start, end);
}

void Paste(HWND hwnd, EditState* s) {
  if (IsReadOnly(hwnd)) return;
  std::u16string text = ClipboardText();
  if (!IsMultiLine(hwnd)) text = text.substr(0, text.find_first_of(u"\r\n"));
  ConvertCase(hwnd, &text);
  if (!text.empty()) Insert(hwnd, s, std::move(text), true, Undo::Record);
}

void Clear(HWND hwnd, EditState* s) {
  if (IsReadOnly(hwnd)) return;
  const auto [start, end] = Selected(*s);
  DeleteRange(hwnd, s, start, end);
}

// Swaps the text with the one before the last change, so that a second undo redoes.
LRESULT UndoLastChange(HWND hwnd, EditState* s) {
  if (IsReadOnly(hwnd) || !s->undo) return FALSE;
  std::u16string& text = TextOf(hwnd);
  Snapshot current{text, s->anchor, s->caret};
  text = std::move(s->undo->text);
  s->anchor = s->undo->anchor;
  s->caret = s->undo->caret;
  s->undo = std::move(current);
  s->typing = false;
  s->modified = true;
  plat::user::Invalidate(hwnd);
  NotifyChanged(hwnd);
  return TRUE;
}

LRESULT ReplaceSelectionByProgram(HWND hwnd, EditState* s, WPARAM canUndo, LPARAM text) {
  std::u16string insert = text ? reinterpret_cast<LPCWSTR>(text) : u"";
  Insert(hwnd, s, std::move(insert), false, canUndo ? Undo::Record : Undo::Forget);
  return 0;
}

LRESULT SetText(HWND hwnd, EditState* s, LPARAM text) {
  DefWindowProcW(hwnd, WM_SETTEXT, 0, text);
  s->anchor = s->caret = 0;
  s->modified = false;
  s->typing = false;
  s->undo.reset();
  NotifyChanged(hwnd);
  return TRUE;
}

// EM_SETSEL: a start of -1 removes the selection; other negative positions
// stand for the end of the text.
LRESULT SetSelectionByProgram(HWND hwnd, EditState* s, WPARAM startParam, LPARAM endParam) {
  const auto start = static_cast<int32_t>(startParam), end = static_cast<int32_t>(endParam);
  if (start == -1) {
    SetSelection(hwnd, s, s->caret, s->caret);
    return 0;
  }
  const size_t length = TextOf(hwnd).size();
  auto position = [length](int32_t value) { return value < 0 ? length : static_cast<size_t>(value); };
  SetSelection(hwnd, s, position(start), position(end));
  return 0;
}

LRESULT GetSelection(const EditState* s, WPARAM startOut, LPARAM endOut) {
  const auto [start, end] = Selected(*s);
  if (auto* out = reinterpret_cast<DWORD*>(startOut)) *out = static_cast<DWORD>(start);
  if (auto* out = reinterpret_cast<DWORD*>(endOut)) *out = static_cast<DWORD>(end);
  return end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

LRESULT SetLimit(EditState* s, WPARAM limit) {
  s->limit = limit == 0 ? kDefaultLimit : std::min<size_t>(limit, INT_MAX);
  return 0;
}

LRESULT SetReadOnly(HWND hwnd, WPARAM readOnly) {
  plat::user::Window* w = plat::user::Find(hwnd);
  if (!w) return FALSE;
  w->style = readOnly ? (w->style | ES_READONLY) : (w->style & ~static_cast<DWORD>(ES_READONLY));
  plat::user::Invalidate(hwnd);
  return TRUE;
}

LRESULT LineCount(HWND hwnd) {
  if (!IsMultiLine(hwnd)) return 1;
  const std::u16string& text = TextOf(hwnd);
  return static_cast<LRESULT>(std::count(text.begin(), text.end(), u'\n')) + 1;
}

LRESULT DialogCode(HWND hwnd) {
  const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  const DWORD style = plat::user::StyleOf(hwnd);
  return ((style & ES_MULTILINE) && (style & ES_WANTRETURN)) ? code | DLGC_WANTALLKEYS : code;
}

UINT ColorMessage(HWND hwnd) {
  const bool shownAsStatic = IsReadOnly(hwnd) || !IsWindowEnabled(hwnd);
  return shownAsStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
}

void FocusChanged(HWND hwnd, EditState* s, bool gained) {
  s->typing = false;
  plat::user::NotifyFocusCommand(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

// The editing commands of the clipboard family and undo.
LRESULT Command(HWND hwnd, EditState* s, UINT message) {
  switch (message) {
    case WM_CUT:
      Cut(hwnd, s);
      return 0;
    case WM_COPY:
      Copy(hwnd, s);
      return 0;
    case WM_PASTE:
      Paste(hwnd, s);
      return 0;
    case WM_CLEAR:
      Clear(hwnd, s);
      return 0;
    default:
      return UndoLastChange(hwnd, s);
  }
}

LRESULT EditMessage(HWND hwnd, EditState* s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETSEL:
      return GetSelection(s, wParam, lParam);
    case EM_SETSEL:
      return SetSelectionByProgram(hwnd, s, wParam, lParam);
    case EM_REPLACESEL:
      return ReplaceSelectionByProgram(hwnd, s, wParam, lParam);
    case EM_GETMODIFY:
      return s->modified;
    case EM_SETMODIFY:
      s->modified = wParam != 0;
      return 0;
    case EM_LIMITTEXT:
      return SetLimit(s, wParam);
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(s->limit);
    case EM_SETREADONLY:
      return SetReadOnly(hwnd, wParam);
    case EM_GETLINECOUNT:
      return LineCount(hwnd);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return plat::user::CreateControlState<EditState>(hwnd, lParam);
  EditState* s = StateOf(hwnd);
  if (!s) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (auto answer = plat::user::FontMessage(hwnd, s->font, message, wParam, lParam)) return *answer;
  switch (message) {
    case WM_NCDESTROY:
      plat::user::FreeControlState<EditState>(hwnd);
      return 0;
    case WM_PAINT:
      plat::user::PaintControl(hwnd, ColorMessage(hwnd));
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_SETTEXT:
      return SetText(hwnd, s, lParam);
    case WM_CHAR:
      Type(hwnd, s, static_cast<char16_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      KeyDown(hwnd, s, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      Tap(hwnd);
      return 0;
    case plat::WM_PLAT_GESTURE:
      if (wParam == plat::kGestureTap) Tap(hwnd);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusChanged(hwnd, s, message == WM_SETFOCUS);
      return 0;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      return Command(hwnd, s, message);
    default:
      return EditMessage(hwnd, s, message, wParam, lParam);
  }
}

}  // namespace

static const plat::user::SystemClassRegistrar registrar(u"Edit", EditProc, sizeof(LONG_PTR));
