// The state of the platform's controls for the page, read through the
// controls' own messages (see control_fields.h for what each kind gives).
#include "control_fields.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "window_tree.h"

namespace plat::web {
namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageW(window, message, wParam, lParam);
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

std::string HandleKey(const void* handle) { return std::to_string(reinterpret_cast<uintptr_t>(handle)); }

JsonValue ImageRef(const std::string& name, const std::string& key) {
  return JsonValue::Object().Set("name", name).Set("key", key);
}

void DescribeButton(HWND window, JsonValue& object) {
  static const char* const kStyles[16] = {"push",  "default", "check", "check", "radio", "check", "check", "group",
                                          "push", "radio",   "push",  "push",  "push",  "push",  "push",  "push"};
  const LRESULT state = Send(window, BM_GETSTATE);
  object.Set("kind", "button")
      .Set("style", kStyles[StyleOf(window) & BS_TYPEMASK])
      .Set("checked", static_cast<int>(Send(window, BM_GETCHECK)))
      .Set("pressed", (state & BST_PUSHED) != 0)
      .Set("multiline", (StyleOf(window) & BS_MULTILINE) != 0);
}

const char* SystemIconName(HANDLE icon) {
  static const struct {
    LPCWSTR id;
    const char* name;
  } kIcons[] = {{IDI_HAND, "hand"}, {IDI_QUESTION, "question"}, {IDI_EXCLAMATION, "exclamation"},
                {IDI_ASTERISK, "asterisk"}};
  for (const auto& known : kIcons)
    if (icon == static_cast<HANDLE>(const_cast<LPWSTR>(known.id))) return known.name;
  return nullptr;
}

const char* StaticStyle(DWORD kind) {
  switch (kind) {
    case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_LEFTNOWORDWRAP: return "text";
    case SS_ICON: return "icon";
    case SS_BITMAP: return "bitmap";
    case SS_BLACKRECT: case SS_BLACKRECT + 1: case SS_WHITERECT: return "rect";
    default: return "frame";
  }
}

void DescribeStatic(HWND window, JsonValue& object) {
  const DWORD style = StyleOf(window);
  const DWORD kind = style & SS_TYPEMASK;
  object.Set("kind", "static")
      .Set("style", StaticStyle(kind))
      .Set("align", kind == SS_CENTER ? "center" : kind == SS_RIGHT ? "right" : "left")
      .Set("noPrefix", (style & SS_NOPREFIX) != 0)
      .Set("notify", (style & SS_NOTIFY) != 0);
  if (kind == SS_ICON) {
    const HANDLE icon = reinterpret_cast<HANDLE>(Send(window, STM_GETICON));
    if (const char* name = SystemIconName(icon)) {
      object.Set("icon", name);
    } else if (icon) {
      object.Set("image", ImageRef("icon", HandleKey(icon)));
    }
  } else if (kind == SS_BITMAP) {
    const HANDLE bitmap = reinterpret_cast<HANDLE>(Send(window, STM_GETIMAGE, IMAGE_BITMAP));
    if (bitmap) object.Set("image", ImageRef("bitmap", HandleKey(bitmap)));
  }
}

void DescribeEdit(HWND window, JsonValue& object) {
  const DWORD style = StyleOf(window);
  DWORD start = 0, end = 0;
  Send(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  object.Set("kind", "edit")
      .Set("multiline", (style & ES_MULTILINE) != 0)
      .Set("readonly", (style & ES_READONLY) != 0)
      .Set("password", (style & ES_PASSWORD) != 0)
      .Set("align", (style & ES_RIGHT) ? "right" : (style & ES_CENTER) ? "center" : "left")
      .Set("selection", JsonValue(JsonValue::Array{start, end}));
}

std::u16string ComboItem(HWND window, int index) {
  const LRESULT length = Send(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  const LRESULT copied = Send(window, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

void DescribeCombo(HWND window, JsonValue& object) {
  const DWORD kind = StyleOf(window) & 0x3;
  JsonValue items{JsonValue::Array{}};
  const int count = static_cast<int>(Send(window, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) items.Push(ComboItem(window, i));
  const bool dropped = Send(window, CB_GETDROPPEDSTATE) != 0;
  object.Set("kind", "combobox")
      .Set("style", kind == CBS_DROPDOWNLIST ? "dropdownlist" : kind == CBS_SIMPLE ? "simple" : "dropdown")
      .Set("items", std::move(items))
      .Set("selected", static_cast<int>(Send(window, CB_GETCURSEL)))
      .Set("dropped", dropped);
  if (dropped) {
    RECT list{}, frame{};
    Send(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    GetWindowRect(window, &frame);
    OffsetRect(&list, -frame.left, -frame.top);
    object.Set("list", RectArray(list));
  }
}

std::u16string ListCell(HWND window, int row, int column) {
  WCHAR buffer[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 512;
  Send(window, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

JsonValue ListColumns(HWND window) {
  JsonValue columns{JsonValue::Array{}};
  for (int index = 0;; ++index) {
    WCHAR buffer[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = buffer;
    column.cchTextMax = 256;
    if (!Send(window, LVM_GETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column))) break;
    columns.Push(JsonValue::Object().Set("text", std::u16string(buffer)).Set("width", column.cx));
  }
  return columns;
}

void SetListGeometry(HWND window, int count, int top, JsonValue& object) {
  const bool header = !(StyleOf(window) & LVS_NOCOLUMNHEADER);
  int headerHeight = header ? 18 : 0, rowHeight = 16;
  RECT row{};
  row.left = LVIR_BOUNDS;
  if (count > 0 && Send(window, LVM_GETITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&row))) {
    headerHeight = row.top;
    rowHeight = row.bottom - row.top;
  }
  const DWORD extended = static_cast<DWORD>(Send(window, LVM_GETEXTENDEDLISTVIEWSTYLE));
  object.Set("header", header)
      .Set("headerHeight", headerHeight)
      .Set("rowHeight", rowHeight)
      .Set("fullRowSelect", (extended & LVS_EX_FULLROWSELECT) != 0)
      .Set("gridLines", (extended & LVS_EX_GRIDLINES) != 0);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window, SB_VERT, &info);
  if (count > 0 && static_cast<int>(info.nPage) < info.nMax - info.nMin + 1) {
    object.Set("vscroll",
               JsonValue::Object().Set("min", info.nMin).Set("max", info.nMax).Set("page", info.nPage).Set("pos", info.nPos));
  }
}

void DescribeList(HWND window, JsonValue& object) {
  JsonValue columns = ListColumns(window);
  const int columnCount = std::max<int>(static_cast<int>(columns.Size()), 1);
  const int count = static_cast<int>(Send(window, LVM_GETITEMCOUNT));
  JsonValue rows{JsonValue::Array{}}, selected{JsonValue::Array{}};
  int focusedRow = -1;
  for (int row = 0; row < count; ++row) {
    JsonValue cells{JsonValue::Array{}};
    for (int column = 0; column < columnCount; ++column) cells.Push(ListCell(window, row, column));
    rows.Push(std::move(cells));
    const LRESULT state = Send(window, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED | LVIS_FOCUSED);
    if (state & LVIS_SELECTED) selected.Push(row);
    if (state & LVIS_FOCUSED) focusedRow = row;
  }
  const int top = static_cast<int>(Send(window, LVM_GETTOPINDEX));
  object.Set("kind", "listview")
      .Set("columns", std::move(columns))
      .Set("rows", std::move(rows))
      .Set("selected", std::move(selected))
      .Set("focusedRow", focusedRow)
      .Set("top", top)
      .Set("perPage", static_cast<int>(Send(window, LVM_GETCOUNTPERPAGE)));
  SetListGeometry(window, count, top, object);
}

void DescribeTab(HWND window, JsonValue& object) {
  JsonValue items{JsonValue::Array{}};
  const int count = static_cast<int>(Send(window, TCM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) {
    WCHAR buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    Send(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    RECT rect{};
    Send(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
    items.Push(JsonValue::Object().Set("text", std::u16string(buffer)).Set("rect", RectArray(rect)));
  }
  object.Set("kind", "tab").Set("items", std::move(items)).Set("selected", static_cast<int>(Send(window, TCM_GETCURSEL)));
}

void DescribeDatePicker(HWND window, JsonValue& object) {
  SYSTEMTIME date{};
  const bool valid = Send(window, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date)) == GDT_VALID;
  object.Set("kind", "datetime")
      .Set("noneBox", (StyleOf(window) & DTS_SHOWNONE) != 0)
      .Set("checked", valid)
      .Set("date", valid ? JsonValue(date.wYear * 10000 + date.wMonth * 100 + date.wDay) : JsonValue());
}

void DescribeProgress(HWND window, JsonValue& object) {
  PBRANGE range{};
  Send(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  object.Set("kind", "progress")
      .Set("min", range.iLow)
      .Set("max", range.iHigh)
      .Set("pos", static_cast<int>(Send(window, PBM_GETPOS)));
}

JsonValue ToolbarButton(HWND window, int index, const TBBUTTON& button) {
  RECT rect{};
  const bool placed = Send(window, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != 0;
  JsonValue object = JsonValue::Object();
  object.Set("index", index)
      .Set("command", button.idCommand)
      .Set("separator", (button.fsStyle & TBSTYLE_SEP) != 0)
      .Set("enabled", (button.fsState & TBSTATE_ENABLED) != 0)
      .Set("checked", (button.fsState & TBSTATE_CHECKED) != 0)
      .Set("pressed", (button.fsState & TBSTATE_PRESSED) != 0)
      .Set("rect", placed ? RectArray(rect) : JsonValue());
  RECT part{};
  const HANDLE image = reinterpret_cast<HANDLE>(
      Send(window, TB_PLAT_GETBUTTONIMAGE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&part)));
  if (image) {
    object.Set("image", ImageRef("button-" + std::to_string(index),
                                 HandleKey(image) + "-" + std::to_string(part.left) + "-" + std::to_string(part.top)));
  }
  return object;
}

void DescribeToolbar(HWND window, JsonValue& object) {
  JsonValue buttons{JsonValue::Array{}};
  const int count = static_cast<int>(Send(window, TB_BUTTONCOUNT));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    Send(window, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    if (!(button.fsState & TBSTATE_HIDDEN)) buttons.Push(ToolbarButton(window, i, button));
  }
  object.Set("kind", "toolbar").Set("buttons", std::move(buttons));
}

void DescribeDialog(HWND window, JsonValue& object) {
  object.Set("kind", "dialog");
  const auto stored = reinterpret_cast<UINT_PTR>(GetPropW(window, u"PlatMessageBoxType"));
  if (!stored) return;
  const UINT type = static_cast<UINT>(stored - 1);
  static const char* const kIcons[] = {"none", "hand", "question", "exclamation", "asterisk"};
  const UINT icon = (type & MB_ICONMASK) >> 4;
  object.Set("messageBox", JsonValue::Object().Set("type", type).Set("icon", icon < 5 ? kIcons[icon] : "none"));
}

}  // namespace

void DescribeControl(HWND window, const std::u16string& className, JsonValue& object) {
  static const struct {
    const char16_t* className;
    void (*describe)(HWND, JsonValue&);
  } kKinds[] = {{u"button", DescribeButton},
                {u"static", DescribeStatic},
                {u"edit", DescribeEdit},
                {u"combobox", DescribeCombo},
                {u"syslistview32", DescribeList},
                {u"systabcontrol32", DescribeTab},
                {u"sysdatetimepick32", DescribeDatePicker},
                {u"msctls_progress32", DescribeProgress},
                {u"toolbarwindow32", DescribeToolbar},
                {u"#32770", DescribeDialog}};
  for (const auto& kind : kKinds) {
    if (lstrcmpiW(className.c_str(), kind.className) == 0) {
      kind.describe(window, object);
      return;
    }
  }
}

}  // namespace plat::web
