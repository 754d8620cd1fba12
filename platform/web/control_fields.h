// The state of each kind of control as the page shows it, set into the
// window's object with its "kind":
//   button    "style": push|default|check|radio|group, "checked" 0|1|2, "pressed",
//             "multiline" (BS_MULTILINE: the text wraps)
//   static    "style": text|icon|bitmap|rect|frame, "align": left|center|right,
//             "icon": hand|question|exclamation|asterisk (a system icon),
//             "image": {"name", "key"} (another icon or a bitmap)
//   edit      "multiline", "readonly", "password", "align", "selection": [start, end]
//   combobox  "style": dropdownlist|dropdown|simple, "items", "selected",
//             "dropped", "list": [x, y, w, h] of the dropped list within the window
//   listview  "columns": [{"text", "width"}], "rows": [[cells]], "selected": [rows],
//             "focusedRow", "top", "perPage", "header", "headerHeight",
//             "rowHeight", "fullRowSelect", "gridLines", and "vscroll" when
//             the rows do not fit
//   tab       "items": [{"text", "rect"}], "selected"
//   datetime  "noneBox" (DTS_SHOWNONE), "checked" (a date is set), "date" YYYYMMDD
//   progress  "min", "max", "pos"
//   toolbar   "buttons": [{"index", "command", "separator", "enabled", "checked",
//             "pressed", "rect", "image": {"name": "button-<index>", "key"}}],
//             hidden buttons left out
//   dialog    "messageBox": {"type", "icon"} for a message box
//   window    anything else (an adapter may set another kind)
// The "key" of an image changes when the image does; the page asks for
// /api/image with the window's id and the name.
#pragma once
#include <plat/web_json.h>
#include <windows.h>

#include <string>

namespace plat::web {

// Sets "kind" and the kind's members for a window of the platform's classes.
void DescribeControl(HWND window, const std::u16string& className, JsonValue& object);

}  // namespace plat::web
