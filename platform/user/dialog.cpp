// The dialog manager: dialogs built from templates (dialog units to pixels
// with the fixed base units), the default dialog procedure, keyboard
// navigation (Tab, Shift+Tab, arrows in groups, Enter, Escape), modal loops
// that nest and keep dispatching, and the dialog item helpers.
#include <plat/display.h>
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "module/dlgtemplate.h"
#include "user/dialog_internal.h"
#include "user/window.h"
#include "user/windows_internal.h"

using namespace plat::user;

namespace {

struct DialogInfo {
  HFONT font = nullptr;
  bool ownsFont = false;
  bool modal = false;
  bool ended = false;
  INT_PTR result = 0;
  HWND disabledOwner = nullptr;  // the owner a modal loop disabled
  int defaultId = 0;
};

std::mutex infoLock;
std::unordered_map<HWND, DialogInfo>& Infos() {
  static auto* infos = new std::unordered_map<HWND, DialogInfo>;
  return *infos;
}

DialogInfo* InfoOf(HWND dialog) {
  std::lock_guard guard(infoLock);
  auto it = Infos().find(dialog);
  return it == Infos().end() ? nullptr : &it->second;
}

bool IsSpecialResult(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
      return true;
    default:
      return false;
  }
}

bool CanTakeFocus(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && IsVisibleChain(w) && IsEnabledChain(w);
}

// The controls of a dialog in tab order, descending into child dialogs that
// act as part of their parent (WS_EX_CONTROLPARENT).
void CollectControls(HWND parent, std::vector<HWND>* out) {
  Window* w = Find(parent);
  if (!w) return;
  for (HWND child : w->children) {
    Window* c = Find(child);
    if (!c) continue;
    if (c->exStyle & WS_EX_CONTROLPARENT) {
      CollectControls(child, out);
    } else {
      out->push_back(child);
    }
  }
}

HWND ControlContaining(HWND dialog, HWND hwnd) {
  while (hwnd && GetParent(hwnd) != dialog && IsChild(dialog, hwnd)) {
    Window* w = Find(GetParent(hwnd));
    if (w && (w->exStyle & WS_EX_CONTROLPARENT)) break;
    hwnd = GetParent(hwnd);
  }
  return hwnd;
}

void FocusControl(HWND control) {
  if (!control) return;
  SetFocus(control);
  if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
}

void RestoreFocus(HWND dialog) {
  Window* w = Find(dialog);
  if (!w) return;
  HWND target = (w->savedFocus && IsChild(dialog, w->savedFocus) && CanTakeFocus(w->savedFocus))
                    ? w->savedFocus
                    : GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (target) {
    SetFocus(target);
  } else if (GetFocus() != dialog) {
    SetFocus(dialog);
  }
}

int DefaultButtonId(HWND dialog) {
  const LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
  return HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
}

void PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) return;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool IsPushButton(HWND hwnd) {
  return (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

LRESULT DefaultDialogHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = Find(dialog);
  DialogInfo* info = InfoOf(dialog);
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (w && IsChild(dialog, focus)) w->savedFocus = focus;
      } else {
        RestoreFocus(dialog);
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus(dialog);
      return 0;
    case WM_CLOSE:
      PressButton(dialog, IDCANCEL);
      return 0;
    case WM_NEXTDLGCTL: {
      HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
      FocusControl(target);
      return 0;
    }
    case DM_GETDEFID:
      if (info && info->defaultId) return MAKELONG(info->defaultId, DC_HASDEFID);
      for (HWND child : w ? w->children : std::vector<HWND>{})
        if (SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
          return MAKELONG(GetDlgCtrlID(child), DC_HASDEFID);
      return 0;
    case DM_SETDEFID:
      if (info) info->defaultId = static_cast<int>(wParam);
      return TRUE;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(info ? info->font : nullptr);
    case WM_ERASEBKGND: {
      HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLORDLG, wParam,
                                                           reinterpret_cast<LPARAM>(dialog)));
      RecordBackground(dialog, brush, reinterpret_cast<HDC>(wParam));
      return 1;
    }
    case WM_NCDESTROY: {
      std::lock_guard guard(infoLock);
      auto it = Infos().find(dialog);
      if (it != Infos().end()) {
        if (it->second.ownsFont) DeleteObject(it->second.font);
        Infos().erase(it);
      }
      return 0;
    }
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

LRESULT CALLBACK DialogClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefDlgProcW(hwnd, message, wParam, lParam);
}

const SystemClassRegistrar dialogClass(u"#32770", DialogClassProc, 3 * sizeof(LONG_PTR));

HFONT CreateTemplateFont(const plat::module::DialogTemplate& t, bool* owned) {
  *owned = false;
  if (!(t.style & DS_SETFONT)) return SystemFont();
  LOGFONTW font{};
  font.lfHeight = -(t.fontPointSize * 96 + 36) / 72;
  font.lfWeight = t.fontWeight ? t.fontWeight : FW_NORMAL;
  font.lfItalic = t.fontItalic;
  const size_t length = std::min<size_t>(t.fontFace.size(), LF_FACESIZE - 1);
  std::copy_n(t.fontFace.begin(), length, font.lfFaceName);
  *owned = true;
  return CreateFontIndirectW(&font);
}

POINT DialogPosition(const plat::module::DialogTemplate& t, HWND parent, const RECT& windowRect) {
  const int width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
  if ((t.style & DS_CENTER) && !(t.style & WS_CHILD)) {
    const SIZE screen = plat::ScreenSize();
    return POINT{std::max<LONG>(0, (screen.cx - width) / 2), std::max<LONG>(0, (screen.cy - height) / 2)};
  }
  POINT position{DialogUnitsToPixelsX(t.x), DialogUnitsToPixelsY(t.y)};
  if (parent && !(t.style & WS_CHILD) && !(t.style & DS_ABSALIGN)) ClientToScreen(parent, &position);
  return position;
}

bool CreateControls(HWND dialog, HINSTANCE instance, const plat::module::DialogTemplate& t, HFONT font) {
  for (const auto& item : t.items) {
    LPCWSTR title = item.titleIsOrdinal ? MAKEINTRESOURCEW(item.titleOrdinal) : item.title.c_str();
    HWND control = CreateWindowExW(item.exStyle, item.className.c_str(), title, item.style | WS_CHILD,
                                   DialogUnitsToPixelsX(item.x), DialogUnitsToPixelsY(item.y),
                                   DialogUnitsToPixelsX(item.cx), DialogUnitsToPixelsY(item.cy), dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance,
                                   item.creationData.empty() ? nullptr
                                                             : const_cast<BYTE*>(item.creationData.data()));
    if (!control) {
      if (!(t.style & DS_NOFAILCREATE)) return false;
      continue;
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

}  // namespace

namespace plat::user {

void RegisterDialog(HWND dialog, HFONT font, bool ownsFont) {
  std::lock_guard guard(infoLock);
  DialogInfo& info = Infos()[dialog];
  info.font = font;
  info.ownsFont = ownsFont;
}

INT_PTR RunModalLoop(HWND dialog, HWND owner) {
  if (DialogInfo* info = InfoOf(dialog)) {
    info->modal = true;
    if (owner && IsWindowEnabled(owner)) {
      EnableWindow(owner, FALSE);
      info->disabledOwner = owner;
    }
  }
  if (!IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
  MSG msg;
  for (;;) {
    DialogInfo* info = InfoOf(dialog);
    if (!info || info->ended) break;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  INT_PTR result = -1;
  if (DialogInfo* info = InfoOf(dialog)) {
    result = info->result;
    if (info->disabledOwner) EnableWindow(info->disabledOwner, TRUE);
    info->disabledOwner = nullptr;
  }
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

bool DialogEnded(HWND dialog) {
  DialogInfo* info = InfoOf(dialog);
  return !info || info->ended;
}

}  // namespace plat::user

extern "C" HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW data, HWND parent,
                                                  DLGPROC proc, LPARAM param) {
  plat::module::DialogTemplate t;
  if (!data || !plat::module::ParseDialogTemplate(data, 0x10000, &t)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int clientWidth = DialogUnitsToPixelsX(t.cx), clientHeight = DialogUnitsToPixelsY(t.cy);
  const DWORD style = t.style & ~WS_VISIBLE;
  DWORD exStyle = t.exStyle;
  if (t.style & DS_CONTROL) exStyle |= WS_EX_CONTROLPARENT;
  RECT frame = WindowRectForClient(style, exStyle, clientWidth, clientHeight);
  const POINT position = DialogPosition(t, parent, frame);
  LPCWSTR className = t.className.empty() ? u"#32770" : t.className.c_str();
  HWND dialog = CreateWindowExW(exStyle, className, t.title.c_str(), style, position.x, position.y,
                                frame.right, frame.bottom, parent, nullptr, instance, nullptr);
  if (!dialog) return nullptr;
  bool ownsFont = false;
  HFONT font = CreateTemplateFont(t, &ownsFont);
  RegisterDialog(dialog, font, ownsFont);
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  if (!CreateControls(dialog, instance, t, font)) {
    DestroyWindow(dialog);
    return nullptr;
  }
  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  const LRESULT wantsFocus = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
  if (!IsWindow(dialog)) return nullptr;
  if (wantsFocus && first) {
    if (Window* w = Find(dialog)) w->savedFocus = first;
  }
  if ((t.style & WS_VISIBLE) && !DialogEnded(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

static LPCDLGTEMPLATEW FindDialogTemplate(HINSTANCE instance, LPCWSTR name) {
  HRSRC resource = FindResourceW(instance, name, RT_DIALOG);
  HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
  return loaded ? static_cast<LPCDLGTEMPLATEW>(LockResource(loaded)) : nullptr;
}

extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC proc,
                                          LPARAM param) {
  LPCDLGTEMPLATEW data = FindDialogTemplate(instance, name);
  return data ? CreateDialogIndirectParamW(instance, data, parent, proc, param) : nullptr;
}

extern "C" INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW data, HWND parent,
                                                  DLGPROC proc, LPARAM param) {
  HWND owner = parent ? TopLevelOf(parent) : nullptr;
  HWND dialog = CreateDialogIndirectParamW(instance, data, owner, proc, param);
  return dialog ? RunModalLoop(dialog, owner) : -1;
}

extern "C" INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR name, HWND parent, DLGPROC proc,
                                          LPARAM param) {
  LPCDLGTEMPLATEW data = FindDialogTemplate(instance, name);
  return data ? DialogBoxIndirectParamW(instance, data, parent, proc, param) : -1;
}

extern "C" BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  DialogInfo* info = InfoOf(dialog);
  if (!info) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  info->ended = true;
  info->result = result;
  HWND owner = info->disabledOwner;
  info->disabledOwner = nullptr;
  if (owner) EnableWindow(owner, TRUE);  // before hiding, so that activation returns to the owner
  ShowWindow(dialog, SW_HIDE);
  PostMessageW(dialog, WM_NULL, 0, 0);  // wakes the modal loop
  return TRUE;
}

extern "C" LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
  if (Find(dialog)) SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
  const INT_PTR handled = proc ? proc(dialog, message, wParam, lParam) : FALSE;
  if (!Find(dialog)) return handled;
  if (handled) return IsSpecialResult(message) ? handled : GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
  if (message == WM_INITDIALOG) return FALSE;
  return DefaultDialogHandling(dialog, message, wParam, lParam);
}

extern "C" HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  std::vector<HWND> all;
  CollectControls(dialog, &all);
  std::vector<HWND> stops;
  for (HWND c : all)
    if (CanTakeFocus(c) && (GetWindowLongW(c, GWL_STYLE) & WS_TABSTOP)) stops.push_back(c);
  if (stops.empty()) return control;
  if (!control) return previous ? stops.back() : stops.front();
  const HWND current = ControlContaining(dialog, control);
  auto it = std::find(all.begin(), all.end(), current);
  if (it == all.end()) return previous ? stops.back() : stops.front();
  const size_t n = all.size(), start = static_cast<size_t>(it - all.begin());
  for (size_t step = 1; step <= n; ++step) {
    HWND candidate = all[(previous ? start + n - step : start + step) % n];
    if (std::find(stops.begin(), stops.end(), candidate) != stops.end()) return candidate;
  }
  return control;
}

extern "C" HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  Window* parentWindow = Find(GetParent(control));
  if (!parentWindow || !IsChild(dialog, control)) return control;
  const auto& siblings = parentWindow->children;
  auto it = std::find(siblings.begin(), siblings.end(), control);
  if (it == siblings.end()) return control;
  // The group runs from the control with WS_GROUP up to the next one.
  size_t first = static_cast<size_t>(it - siblings.begin());
  while (first > 0 && !(GetWindowLongW(siblings[first], GWL_STYLE) & WS_GROUP)) --first;
  size_t last = first + 1;
  while (last < siblings.size() && !(GetWindowLongW(siblings[last], GWL_STYLE) & WS_GROUP)) ++last;
  const size_t n = last - first, index = static_cast<size_t>(it - siblings.begin()) - first;
  for (size_t step = 1; step < n; ++step) {
    HWND candidate = siblings[first + (previous ? index + n - step : index + step) % n];
    if (CanTakeFocus(candidate)) return candidate;
  }
  return control;
}

extern "C" BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG msg) {
  if (!msg || !dialog || !Find(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    const LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    const bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
    switch (msg->wParam) {
      case VK_TAB:
        if (code & DLGC_WANTTAB || wantsAll) break;
        SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
        return TRUE;
      case VK_RETURN:
        if (wantsAll) break;
        PressButton(dialog, IsPushButton(msg->hwnd) ? GetDlgCtrlID(msg->hwnd) : DefaultButtonId(dialog));
        return TRUE;
      case VK_ESCAPE:
        if (wantsAll) break;
        PressButton(dialog, IDCANCEL);
        return TRUE;
      case VK_LEFT:
      case VK_UP:
      case VK_RIGHT:
      case VK_DOWN: {
        if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) break;
        const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
        HWND next = GetNextDlgGroupItem(dialog, msg->hwnd, back);
        if (next && next != msg->hwnd) {
          SetFocus(next);
          if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) SendMessageW(next, BM_CLICK, 0, 0);
        }
        return TRUE;
      }
      default:
        break;
    }
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

extern "C" BOOL WINAPI MapDialogRect(HWND, LPRECT rect) {
  if (!rect) return FALSE;
  *rect = RECT{DialogUnitsToPixelsX(rect->left), DialogUnitsToPixelsY(rect->top), DialogUnitsToPixelsX(rect->right),
               DialogUnitsToPixelsY(rect->bottom)};
  return TRUE;
}

extern "C" LONG WINAPI GetDialogBaseUnits(void) { return MAKELONG(plat::kDialogBaseX, plat::kDialogBaseY); }

extern "C" BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item && SetWindowTextW(item, text);
}

extern "C" BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item && SetWindowTextA(item, text);
}

extern "C" UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int size) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) {
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
  }
  return static_cast<UINT>(GetWindowTextW(item, buffer, size));
}

extern "C" UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) {
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, buffer, size));
}

extern "C" LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(dialog, id);
  return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

extern "C" BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) return FALSE;
  SendMessageW(item, BM_SETCHECK, check, 0);
  return TRUE;
}

extern "C" UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  return item ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

extern "C" BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int checked) {
  for (int id = first; id <= last; ++id)
    if (HWND item = GetDlgItem(dialog, id)) SendMessageW(item, BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return TRUE;
}
