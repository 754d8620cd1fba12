// Reads the window tree for the page: the screen, each visible window's
// geometry, frame, colours and children; the controls' own state comes from
// control_fields.cpp and from the adapters.
#include "window_tree.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "control_fields.h"

namespace plat::web {
namespace {

std::u16string Lowered(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return text;
}

int OwnerDepth(HWND window) {
  int depth = 0;
  for (HWND owner = GetWindow(window, GW_OWNER); owner && depth < 64; owner = GetWindow(owner, GW_OWNER)) ++depth;
  return depth;
}

// Visible top-level windows, bottom first; owned windows are drawn above
// their owners (and owners' owners) whatever the activation order.
std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::reverse(windows.begin(), windows.end());
  std::stable_sort(windows.begin(), windows.end(),
                   [](HWND a, HWND b) { return OwnerDepth(a) < OwnerDepth(b); });
  return windows;
}

// Visible children, bottom first.
std::vector<HWND> VisibleChildren(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) children.push_back(child);
  }
  std::reverse(children.begin(), children.end());
  return children;
}

POINT ClientOriginOnScreen(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

void SetGeometry(HWND window, DWORD style, JsonValue& object) {
  RECT frame{};
  GetWindowRect(window, &frame);
  RECT placed = frame;
  if ((style & WS_CHILD) && GetParent(window)) {
    const POINT parentOrigin = ClientOriginOnScreen(GetParent(window));
    OffsetRect(&placed, -parentOrigin.x, -parentOrigin.y);
  }
  RECT client{};
  GetClientRect(window, &client);
  const POINT origin = ClientOriginOnScreen(window);
  OffsetRect(&client, origin.x - frame.left, origin.y - frame.top);
  object.Set("rect", RectArray(placed));
  object.Set("client", RectArray(client));
  object.Set("border", static_cast<int>(client.left));
}

// A combo box's WS_VSCROLL belongs to its dropped list.
bool HasOwnScrollBar(HWND window, DWORD style) {
  return (style & WS_VSCROLL) && lstrcmpiW(ClassNameOf(window).c_str(), u"ComboBox") != 0;
}

void SetFrame(HWND window, DWORD style, JsonValue& object) {
  if ((style & WS_CAPTION) == WS_CAPTION) {
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    object.Set("caption", JsonValue::Object()
                              .Set("close", (style & WS_SYSMENU) != 0)
                              .Set("ok", (exStyle & WS_EX_CAPTIONOKBTN) != 0));
  }
  if (!(style & WS_CHILD)) object.Set("maximized", IsZoomed(window) != FALSE);
  if (HasOwnScrollBar(window, style)) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, SB_VERT, &info);
    object.Set("vscroll", JsonValue::Object()
                              .Set("min", info.nMin)
                              .Set("max", info.nMax)
                              .Set("page", info.nPage)
                              .Set("pos", info.nPos));
  }
}

void SetColors(HWND window, JsonValue& object) {
  const PaintRecord paint = GetPaintRecord(window);
  if (!paint.painted) return;
  const bool filled = paint.hasBackground && !paint.hollowBackground;
  object.Set("colors", JsonValue::Object()
                           .Set("background", filled ? JsonValue(CssColor(paint.background)) : JsonValue())
                           .Set("text", CssColor(paint.textColor)));
}

}  // namespace

void Adapters::Add(const std::u16string& className, WindowAdapter* adapter) { byClass_[Lowered(className)] = adapter; }

WindowAdapter* Adapters::For(HWND window) const {
  const auto found = byClass_.find(Lowered(ClassNameOf(window)));
  return found == byClass_.end() ? nullptr : found->second;
}

std::u16string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

std::u16string ClassNameOf(HWND window) {
  WCHAR name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string CssColor(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
  return text;
}

JsonValue RectArray(const RECT& rect) {
  return JsonValue(JsonValue::Array{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

JsonValue DescribeWindow(HWND window, const Adapters& adapters) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const std::u16string className = ClassNameOf(window);
  JsonValue object = JsonValue::Object();
  object.Set("id", WindowId(window))
      .Set("className", className)
      .Set("kind", "window")
      .Set("ctrlId", (style & WS_CHILD) ? GetDlgCtrlID(window) : 0)
      .Set("text", WindowText(window))
      .Set("enabled", IsWindowEnabled(window) != FALSE);
  SetGeometry(window, style, object);
  SetFrame(window, style, object);
  SetColors(window, object);
  if (WindowAdapter* adapter = adapters.For(window)) {
    adapter->Describe(window, object);
  } else {
    DescribeControl(window, className, object);
  }
  JsonValue children{JsonValue::Array{}};
  for (HWND child : VisibleChildren(window)) children.Push(DescribeWindow(child, adapters));
  object.Set("children", std::move(children));
  return object;
}

JsonValue DescribeScreen(uint64_t version, const DisplayEvents& events, const Adapters& adapters) {
  const SIZE size = ScreenSize();
  JsonValue windows{JsonValue::Array{}};
  for (HWND window : TopLevelWindows()) windows.Push(DescribeWindow(window, adapters));
  JsonValue screen = JsonValue::Object();
  screen.Set("version", version)
      .Set("screen", JsonValue::Object().Set("width", size.cx).Set("height", size.cy))
      .Set("cursor", events.waitCursor ? "wait" : "arrow")
      .Set("beeps", events.beeps)
      .Set("lastBeep", events.lastBeep)
      .Set("boxes", events.boxes)
      .Set("dropped", events.dropped)
      .Set("focus", WindowId(GetFocus()))
      .Set("active", WindowId(GetActiveWindow()))
      .Set("windows", std::move(windows));
  return screen;
}

}  // namespace plat::web
