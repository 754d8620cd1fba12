// The window manager: the table of windows and classes, creation and
// destruction with their messages, attributes, the parent/owner tree and
// z-order, geometry, enumeration and properties.
#include "user/window.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include "user/queue.h"
#include "user/windows_internal.h"

namespace plat::user {
namespace {

struct Table {
  std::mutex lock;
  std::unordered_map<HWND, std::unique_ptr<Window>> windows;
  uintptr_t next = 0x10000;
  std::vector<HWND> topLevels;  // z-order, topmost first
  std::unordered_map<std::u16string, std::shared_ptr<WindowClass>> classes;  // by folded name
  std::unordered_map<ATOM, std::u16string> atoms;
  ATOM nextAtom = 0xC000;
};

Table& TheTable() {
  static auto* table = new Table;
  return *table;
}

std::atomic<uint64_t> treeVersion{1};

std::u16string Folded(const char16_t* name) {
  std::u16string folded;
  for (; name && *name; ++name) folded += (*name >= u'A' && *name <= u'Z') ? char16_t(*name + 32) : *name;
  return folded;
}

std::shared_ptr<WindowClass> LookupClass(LPCWSTR name) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  std::u16string key;
  if (IS_INTRESOURCE(name)) {
    auto atom = table.atoms.find(static_cast<ATOM>(reinterpret_cast<uintptr_t>(name)));
    if (atom == table.atoms.end()) return nullptr;
    key = atom->second;
  } else {
    key = Folded(name);
  }
  auto it = table.classes.find(key);
  return it == table.classes.end() ? nullptr : it->second;
}

ATOM AddClass(std::shared_ptr<WindowClass> windowClass) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  const std::u16string key = Folded(windowClass->name.c_str());
  if (table.classes.count(key)) return 0;
  table.classes.emplace(key, std::move(windowClass));
  const ATOM atom = table.nextAtom++;
  table.atoms.emplace(atom, key);
  return atom;
}

HWND AddWindow(std::unique_ptr<Window> window) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  HWND handle = reinterpret_cast<HWND>(table.next);
  table.next += 4;
  window->handle = handle;
  if (!(window->style & WS_CHILD)) table.topLevels.insert(table.topLevels.begin(), handle);
  table.windows.emplace(handle, std::move(window));
  return handle;
}

void RemoveWindow(HWND handle) {
  std::unique_ptr<Window> doomed;
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  auto it = table.windows.find(handle);
  if (it == table.windows.end()) return;
  doomed = std::move(it->second);
  table.windows.erase(it);
  std::erase(table.topLevels, handle);
}

int Border(const Window* w) {
  if (w->style & WS_THICKFRAME) return 3;
  if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) return 2;
  if (w->style & WS_BORDER) return 1;
  return 0;
}

int CaptionHeight(const Window* w) { return (w->style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0; }

LRESULT CallHooks(MessageQueue& queue, int code, WPARAM wParam, LPARAM lParam) {
  const auto hooks = queue.cbtHooks;  // a hook may unhook itself
  for (auto& [hook, proc] : hooks) {
    LRESULT result = proc(code, wParam, lParam);
    if (result) return result;
  }
  return 0;
}

void SendDestroyTree(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  SendMessageW(hwnd, WM_DESTROY, 0, 0);
  w = Find(hwnd);
  if (!w) return;
  const auto children = w->children;
  for (HWND child : children) {
    Window* c = Find(child);
    if (c && !c->destroying) {
      c->destroying = true;
      SendDestroyTree(child);
    }
  }
}

void FreeTree(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  const auto children = w->children;
  for (HWND child : children) FreeTree(child);
  SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
  ForgetWindow(hwnd);
  w = Find(hwnd);
  if (w && w->parent) {
    if (Window* parent = Find(w->parent)) std::erase(parent->children, hwnd);
  }
  RemoveWindow(hwnd);
}

}  // namespace

Window* Find(HWND handle) {
  if (!handle) return nullptr;
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  auto it = table.windows.find(handle);
  return it == table.windows.end() ? nullptr : it->second.get();
}

Window* FindOrFail(HWND handle) {
  Window* window = Find(handle);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

DWORD WindowThread(HWND handle) {
  if (!handle) return 0;
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  auto it = table.windows.find(handle);
  return it == table.windows.end() ? 0 : it->second->threadId;
}

std::vector<HWND> TopLevelWindows() {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  return table.topLevels;
}

namespace {

bool IsOwnedBy(HWND window, HWND owner) {
  for (Window* w = Find(window); w && w->owner; w = Find(w->owner)) {
    if (w->owner == owner) return true;
  }
  return false;
}

// A top-level window goes to the top of the z order, and the windows it
// owns (directly or through others) stay above it in their order.
void RaiseWithOwnedWindows(HWND hwnd) {
  auto& table = TheTable();
  std::vector<HWND> owned;
  {
    std::unique_lock guard(table.lock);
    const std::vector<HWND> order = table.topLevels;
    guard.unlock();  // Find takes the lock itself
    for (HWND window : order) {
      if (window != hwnd && IsOwnedBy(window, hwnd)) owned.push_back(window);
    }
  }
  std::lock_guard guard(table.lock);
  std::erase_if(table.topLevels, [&](HWND window) {
    return window == hwnd || std::find(owned.begin(), owned.end(), window) != owned.end();
  });
  owned.push_back(hwnd);
  table.topLevels.insert(table.topLevels.begin(), owned.begin(), owned.end());
}

}  // namespace

void BringToTop(HWND hwnd) {
  Window* w = Find(hwnd);
  if (!w) return;
  if (w->parent) {
    if (Window* parent = Find(w->parent)) {
      std::erase(parent->children, hwnd);
      parent->children.insert(parent->children.begin(), hwnd);
    }
  } else {
    RaiseWithOwnedWindows(hwnd);
  }
  TreeChanged();
}

SystemClassRegistrar::SystemClassRegistrar(const char16_t* name, WNDPROC proc, int windowExtra, UINT style) {
  auto windowClass = std::make_shared<WindowClass>();
  windowClass->name = name;
  windowClass->proc = proc;
  windowClass->windowExtra = windowExtra;
  windowClass->style = style | CS_GLOBALCLASS;
  windowClass->system = true;
  AddClass(std::move(windowClass));
}

HWND TopLevelOf(HWND window) {
  Window* w = Find(window);
  while (w && (w->style & WS_CHILD) && w->parent) {
    window = w->parent;
    w = Find(window);
  }
  return w ? window : nullptr;
}

bool IsVisibleChain(const Window* window) {
  for (const Window* w = window; w; w = (w->style & WS_CHILD) ? Find(w->parent) : nullptr)
    if (!(w->style & WS_VISIBLE)) return false;
  return true;
}

bool IsEnabledChain(const Window* window) {
  for (const Window* w = window; w; w = (w->style & WS_CHILD) ? Find(w->parent) : nullptr)
    if (w->style & WS_DISABLED) return false;
  return true;
}

RECT ClientRect(const Window* w) {
  const int border = Border(w);
  int width = (w->rect.right - w->rect.left) - 2 * border;
  int height = (w->rect.bottom - w->rect.top) - 2 * border - CaptionHeight(w);
  if (w->style & WS_VSCROLL) width -= kScrollBarWidth;
  if (w->style & WS_HSCROLL) height -= kScrollBarWidth;
  return RECT{0, 0, std::max(width, 0), std::max(height, 0)};
}

POINT ClientOrigin(const Window* w) {
  POINT origin{w->rect.left + Border(w), w->rect.top + Border(w) + CaptionHeight(w)};
  if ((w->style & WS_CHILD) && w->parent) {
    if (const Window* parent = Find(w->parent)) {
      const POINT parentOrigin = ClientOrigin(parent);
      origin.x += parentOrigin.x;
      origin.y += parentOrigin.y;
    }
  }
  return origin;
}

RECT WindowRectForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
  Window probe;
  probe.style = style;
  probe.exStyle = exStyle;
  const int border = Border(&probe);
  int width = clientWidth + 2 * border + ((style & WS_VSCROLL) ? kScrollBarWidth : 0);
  int height = clientHeight + 2 * border + CaptionHeight(&probe) + ((style & WS_HSCROLL) ? kScrollBarWidth : 0);
  return RECT{0, 0, width, height};
}

void TreeChanged() { treeVersion.fetch_add(1); }

void SetControlState(HWND window, void* state) {
  if (Window* w = Find(window); w && !w->extra.empty()) w->extra[0] = reinterpret_cast<LONG_PTR>(state);
}

int DialogUnitsToPixelsX(int units) { return (units * kDialogBaseX + (units >= 0 ? 2 : -2)) / 4; }
int DialogUnitsToPixelsY(int units) { return (units * kDialogBaseY + (units >= 0 ? 4 : -4)) / 8; }

LRESULT NotifyParentCommand(HWND control, WORD code) {
  Window* w = Find(control);
  if (!w || !w->parent) return 0;
  return SendMessageW(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->id), code),
                      reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(HWND control, UINT code, NMHDR* header) {
  Window* w = Find(control);
  if (!w || !w->parent) return 0;
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(w->id);
  header->code = code;
  return SendMessageW(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(header));
}

}  // namespace plat::user

uint64_t plat::WindowTreeVersion() { return plat::user::treeVersion.load(); }

// ---- the platform's functions ----
using namespace plat::user;

extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto windowClass = std::make_shared<WindowClass>();
  windowClass->name = IS_INTRESOURCE(wc->lpszClassName) ? std::u16string() : std::u16string(wc->lpszClassName);
  windowClass->proc = wc->lpfnWndProc;
  windowClass->style = wc->style;
  windowClass->classExtra = wc->cbClsExtra;
  windowClass->windowExtra = wc->cbWndExtra;
  windowClass->instance = wc->hInstance;
  windowClass->icon = wc->hIcon;
  windowClass->cursor = wc->hCursor;
  windowClass->background = wc->hbrBackground;
  const ATOM atom = AddClass(std::move(windowClass));
  if (!atom) SetLastError(1410);  // ERROR_CLASS_ALREADY_EXISTS
  return atom;
}

extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR name, HINSTANCE) {
  auto& table = TheTable();
  std::lock_guard guard(table.lock);
  return table.classes.erase(Folded(name)) > 0;
}

extern "C" BOOL WINAPI GetClassInfoW(HINSTANCE, LPCWSTR name, LPWNDCLASSW wc) {
  auto windowClass = LookupClass(name);
  if (!windowClass || !wc) {
    SetLastError(1411);  // ERROR_CLASS_DOES_NOT_EXIST
    return FALSE;
  }
  *wc = WNDCLASSW{windowClass->style, windowClass->proc, windowClass->classExtra, windowClass->windowExtra,
                  windowClass->instance, windowClass->icon, windowClass->cursor, windowClass->background,
                  nullptr, windowClass->name.c_str()};
  return TRUE;
}

extern "C" int WINAPI GetClassNameW(HWND hwnd, LPWSTR buffer, int size) {
  Window* w = FindOrFail(hwnd);
  if (!w || !buffer || size <= 0) return 0;
  const int length = std::min<int>(static_cast<int>(w->windowClass->name.size()), size - 1);
  std::copy_n(w->windowClass->name.begin(), length, buffer);
  buffer[length] = 0;
  return length;
}

extern "C" HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                                       int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                       LPVOID param) {
  auto windowClass = LookupClass(className);
  if (!windowClass) {
    SetLastError(1411);  // ERROR_CLASS_DOES_NOT_EXIST
    return nullptr;
  }
  if ((style & WS_CHILD) && !Find(parent)) {
    SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
    return nullptr;
  }
  const SIZE screen = plat::ScreenSize();
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = screen.cx;
    height = screen.cy;
  }
  auto window = std::make_unique<Window>();
  window->threadId = GetCurrentThreadId();
  window->windowClass = windowClass;
  window->proc = windowClass->proc;
  window->style = style & ~WS_VISIBLE;
  window->exStyle = exStyle;
  window->instance = instance;
  window->extra.assign((windowClass->windowExtra + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR), 0);
  if (style & WS_CHILD) {
    window->parent = parent;
    window->id = reinterpret_cast<LONG_PTR>(menu);
  } else {
    window->owner = parent ? TopLevelOf(parent) : nullptr;
  }
  window->rect = RECT{x, y, x + width, y + height};
  window->normalRect = window->rect;
  HWND hwnd = AddWindow(std::move(window));
  if (style & WS_CHILD) Find(parent)->children.push_back(hwnd);
  TreeChanged();

  CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), title,
                   className, exStyle};
  CBT_CREATEWNDW cbt{&cs, HWND_TOP};
  MessageQueue& queue = CurrentQueue();
  if (CallHooks(queue, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)) ||
      !SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    FreeTree(hwnd);
    return nullptr;
  }
  if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (Window* w = Find(hwnd)) {
    const RECT client = ClientRect(w);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
  }
  if ((style & WS_VISIBLE) && Find(hwnd)) ShowWindow(hwnd, SW_SHOW);
  return Find(hwnd) ? hwnd : nullptr;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hwnd) {
  Window* w = FindOrFail(hwnd);
  if (!w) return FALSE;
  if (w->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  w->destroying = true;
  CallHooks(CurrentQueue(), HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0);
  if (w->style & WS_VISIBLE) ShowWindow(hwnd, SW_HIDE);
  for (HWND owned : TopLevelWindows()) {
    Window* o = Find(owned);
    if (o && o->owner == hwnd && !o->destroying) DestroyWindow(owned);
  }
  SendDestroyTree(hwnd);
  FreeTree(hwnd);
  TreeChanged();
  return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND hwnd) { return Find(hwnd) != nullptr; }

extern "C" BOOL WINAPI IsWindowVisible(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && IsVisibleChain(w);
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && !(w->style & WS_DISABLED);
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
  for (Window* w = Find(hwnd); w && (w->style & WS_CHILD); w = Find(w->parent))
    if (w->parent == parent) return TRUE;
  return FALSE;
}

extern "C" BOOL WINAPI IsZoomed(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && (w->style & WS_MAXIMIZE);
}

extern "C" BOOL WINAPI IsIconic(HWND hwnd) {
  Window* w = Find(hwnd);
  return w && (w->style & WS_MINIMIZE);
}

extern "C" HWND WINAPI GetParent(HWND hwnd) {
  Window* w = FindOrFail(hwnd);
  if (!w) return nullptr;
  return (w->style & WS_CHILD) ? w->parent : w->owner;
}

extern "C" HWND WINAPI SetParent(HWND child, HWND newParent) {
  Window* w = FindOrFail(child);
  if (!w || !(w->style & WS_CHILD) || !Find(newParent)) return nullptr;
  HWND old = w->parent;
  if (Window* oldParent = Find(old)) std::erase(oldParent->children, child);
  w->parent = newParent;
  Find(newParent)->children.push_back(child);
  TreeChanged();
  return old;
}

extern "C" HWND WINAPI GetAncestor(HWND hwnd, UINT flags) {
  Window* w = FindOrFail(hwnd);
  if (!w) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return (w->style & WS_CHILD) ? w->parent : GetDesktopWindow();
    case GA_ROOTOWNER: {
      HWND root = TopLevelOf(hwnd);
      for (Window* r = Find(root); r && r->owner; r = Find(root)) root = r->owner;
      return root;
    }
    default:
      return TopLevelOf(hwnd);
  }
}

extern "C" HWND WINAPI GetWindow(HWND hwnd, UINT command) {
  Window* w = FindOrFail(hwnd);
  if (!w) return nullptr;
  if (command == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (command == GW_OWNER) return w->owner;
  std::vector<HWND> siblings;
  if (w->style & WS_CHILD) {
    if (Window* parent = Find(w->parent)) siblings = parent->children;
  } else {
    siblings = TopLevelWindows();
  }
  auto it = std::find(siblings.begin(), siblings.end(), hwnd);
  if (siblings.empty() || it == siblings.end()) return nullptr;
  switch (command) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return (it + 1) == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV:
      return it == siblings.begin() ? nullptr : *(it - 1);
    default:
      return nullptr;
  }
}

extern "C" HWND WINAPI GetTopWindow(HWND hwnd) {
  if (!hwnd) {
    auto tops = TopLevelWindows();
    return tops.empty() ? nullptr : tops.front();
  }
  return GetWindow(hwnd, GW_CHILD);
}

// The desktop has no window of its own here; its handle stands for "none".
extern "C" HWND WINAPI GetDesktopWindow(void) { return nullptr; }

static BOOL EnumDescendants(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* w = Find(parent);
  if (!w) return TRUE;
  const auto children = w->children;
  for (HWND child : children) {
    if (!Find(child)) continue;
    if (!proc(child, lParam)) return FALSE;
    if (!EnumDescendants(child, proc, lParam)) return FALSE;
  }
  return TRUE;
}

extern "C" BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  EnumDescendants(parent, proc, lParam);
  return TRUE;
}

extern "C" BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  for (HWND top : TopLevelWindows())
    if (Find(top) && !proc(top, lParam)) break;
  return TRUE;
}

extern "C" HWND WINAPI FindWindowW(LPCWSTR className, LPCWSTR title) {
  for (HWND top : TopLevelWindows()) {
    Window* w = Find(top);
    if (!w) continue;
    if (className && Folded(className) != Folded(w->windowClass->name.c_str())) continue;
    if (title && w->text != title) continue;
    return top;
  }
  return nullptr;
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrW(HWND hwnd, int index) {
  Window* w = FindOrFail(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>((w->style & WS_CHILD) ? w->parent : w->owner);
    case GWL_STYLE:
      return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
      return w->userData;
    case GWLP_ID:
      return w->id;
    default:
      break;
  }
  const size_t slot = static_cast<size_t>(index) / sizeof(LONG_PTR);
  if (index < 0 || slot >= w->extra.size()) {
    SetLastError(1413);  // ERROR_INVALID_INDEX
    return 0;
  }
  return w->extra[slot];
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  Window* w = FindOrFail(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrW(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      w->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWLP_HINSTANCE:
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_HWNDPARENT:
      if (!(w->style & WS_CHILD)) w->owner = reinterpret_cast<HWND>(value);
      return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      STYLESTRUCT change{static_cast<DWORD>(old), static_cast<DWORD>(value)};
      SendMessageW(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
      if (!(w = Find(hwnd))) return old;
      (index == GWL_STYLE ? w->style : w->exStyle) = change.styleNew;
      SendMessageW(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
      Invalidate(hwnd);
      return old;
    }
    case GWLP_USERDATA:
      w->userData = value;
      return old;
    case GWLP_ID:
      w->id = value;
      return old;
    default:
      break;
  }
  const size_t slot = static_cast<size_t>(index) / sizeof(LONG_PTR);
  if (index < 0 || slot >= w->extra.size()) {
    SetLastError(1413);
    return 0;
  }
  w->extra[slot] = value;
  return old;
}

extern "C" LONG WINAPI GetWindowLongW(HWND hwnd, int index) {
  return static_cast<LONG>(GetWindowLongPtrW(hwnd, index));
}

extern "C" LONG WINAPI SetWindowLongW(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrW(hwnd, index, index == GWL_STYLE || index == GWL_EXSTYLE
                                                              ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                                                              : value));
}

extern "C" BOOL WINAPI SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!FindOrFail(hwnd)) return FALSE;
  return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")) != 0;
}

extern "C" int WINAPI GetWindowTextW(HWND hwnd, LPWSTR buffer, int size) {
  if (!buffer || size <= 0 || !FindOrFail(hwnd)) return 0;
  buffer[0] = 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthW(HWND hwnd) {
  return FindOrFail(hwnd) ? static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

extern "C" int WINAPI GetDlgCtrlID(HWND hwnd) {
  Window* w = FindOrFail(hwnd);
  return w ? static_cast<int>(w->id) : 0;
}

extern "C" HWND WINAPI GetDlgItem(HWND dialog, int id) {
  Window* w = FindOrFail(dialog);
  if (!w) return nullptr;
  for (HWND child : w->children)
    if (Window* c = Find(child); c && static_cast<int>(c->id) == id) return child;
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return nullptr;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* w = FindOrFail(hwnd);
  if (!w || !rect) return FALSE;
  *rect = w->rect;
  if ((w->style & WS_CHILD) && w->parent) {
    if (Window* parent = Find(w->parent)) {
      const POINT origin = ClientOrigin(parent);
      OffsetRect(rect, origin.x, origin.y);
    }
  }
  return TRUE;
}

extern "C" BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
  Window* w = FindOrFail(hwnd);
  if (!w || !rect) return FALSE;
  *rect = ClientRect(w);
  return TRUE;
}

extern "C" BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
  Window* w = FindOrFail(hwnd);
  if (!w || !point) return FALSE;
  const POINT origin = ClientOrigin(w);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

extern "C" BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
  Window* w = FindOrFail(hwnd);
  if (!w || !point) return FALSE;
  const POINT origin = ClientOrigin(w);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

extern "C" int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT fromOrigin{0, 0}, toOrigin{0, 0};
  if (Window* w = Find(from)) fromOrigin = ClientOrigin(w);
  if (Window* w = Find(to)) toOrigin = ClientOrigin(w);
  const int dx = fromOrigin.x - toOrigin.x, dy = fromOrigin.y - toOrigin.y;
  for (UINT i = 0; i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(dx, dy);
}

extern "C" BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

extern "C" BOOL WINAPI SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  Window* w = FindOrFail(hwnd);
  if (!w) return FALSE;
  const RECT old = w->rect;
  const RECT oldClient = ClientRect(w);
  if (!(flags & SWP_NOMOVE)) OffsetRect(&w->rect, x - w->rect.left, y - w->rect.top);
  if (!(flags & SWP_NOSIZE)) {
    w->rect.right = w->rect.left + std::max(cx, 0);
    w->rect.bottom = w->rect.top + std::max(cy, 0);
  }
  if (!(flags & SWP_NOZORDER) && after == HWND_TOP) BringToTop(hwnd);
  const RECT client = ClientRect(w);
  if (client.right != oldClient.right || client.bottom != oldClient.bottom)
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  if ((w = Find(hwnd)) && (w->rect.left != old.left || w->rect.top != old.top))
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
  if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  if (!(flags & SWP_NOREDRAW)) Invalidate(hwnd);
  TreeChanged();
  return TRUE;
}

extern "C" BOOL WINAPI SetPropW(HWND hwnd, LPCWSTR name, HANDLE data) {
  Window* w = FindOrFail(hwnd);
  if (!w || !name) return FALSE;
  w->properties[name] = data;
  return TRUE;
}

extern "C" HANDLE WINAPI GetPropW(HWND hwnd, LPCWSTR name) {
  Window* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = w->properties.find(name);
  return it == w->properties.end() ? nullptr : it->second;
}

extern "C" HANDLE WINAPI RemovePropW(HWND hwnd, LPCWSTR name) {
  Window* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = w->properties.find(name);
  if (it == w->properties.end()) return nullptr;
  HANDLE data = it->second;
  w->properties.erase(it);
  return data;
}

extern "C" HHOOK WINAPI SetWindowsHookExW(int id, HOOKPROC proc, HINSTANCE, DWORD) {
  if (id != WH_CBT || !proc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  static std::atomic<uintptr_t> nextHook{0x100};
  HHOOK hook = reinterpret_cast<HHOOK>(nextHook.fetch_add(4));
  CurrentQueue().cbtHooks.insert(CurrentQueue().cbtHooks.begin(), {hook, proc});
  return hook;
}

extern "C" BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
  auto& hooks = CurrentQueue().cbtHooks;
  return std::erase_if(hooks, [&](const auto& entry) { return entry.first == hook; }) > 0;
}

extern "C" LRESULT WINAPI CallNextHookEx(HHOOK, int, WPARAM, LPARAM) { return 0; }

extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
  if (processId) *processId = 1;
  return WindowThread(hwnd);
}
