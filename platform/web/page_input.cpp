// Decodes the page's form bodies and turns each action into input messages.
#include "page_input.h"

#include <charconv>

#include <plat/web_json.h>

namespace plat::web {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Unescape(std::string_view text, std::string* out) {
  out->clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      *out += ' ';
    } else if (text[i] != '%') {
      *out += text[i];
    } else {
      const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
      const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
      if (high < 0 || low < 0) return false;
      *out += static_cast<char>(high * 16 + low);
      i += 2;
    }
  }
  return true;
}

// The whole text as a number within [low, high].
bool Number(const Fields& fields, const char* name, long low, long high, long* value) {
  const auto found = fields.find(name);
  if (found == fields.end()) return false;
  const std::string& text = found->second;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value >= low && *value <= high;
}

std::string Field(const Fields& fields, const char* name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : found->second;
}

struct Builder {
  const Fields& fields;
  DecodedAction action;

  bool Fail(const std::string& why) {
    action.error = why;
    return false;
  }
  bool Want(const char* name, long low, long high, long* value) {
    return Number(fields, name, low, high, value) || Fail(std::string("bad or missing ") + name);
  }
  void Post(UINT message, WPARAM wParam, LPARAM lParam) { action.input.push_back({action.window, message, wParam, lParam}); }
  void Key(UINT message, WPARAM key) { action.input.push_back({nullptr, message, key, 1}); }
  void Gesture(WPARAM gesture, LPARAM argument) { Post(WM_PLAT_GESTURE, gesture, argument); }

  bool Tap() {
    long x = 0, y = 0;
    if (!Want("x", 0, 32767, &x) || !Want("y", 0, 32767, &y)) return false;
    Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Post(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    return true;
  }
  bool IndexGesture(WPARAM gesture) {
    long index = 0;
    if (!Want("index", 0, 1 << 20, &index)) return false;
    Gesture(gesture, index);
    return true;
  }
  bool CheckDate() {
    long checked = 0;
    if (!Want("checked", 0, 1, &checked)) return false;
    Gesture(kGestureCheck, checked);
    return true;
  }
  bool SetDate() {
    long date = 0;
    if (!Want("date", 16010101, 99991231, &date)) return false;
    Gesture(kGestureSetDate, date);
    return true;
  }
  bool Scroll() {
    static const std::pair<const char*, int> kCodes[] = {{"up", SB_LINEUP},     {"down", SB_LINEDOWN},
                                                         {"page-up", SB_PAGEUP}, {"page-down", SB_PAGEDOWN},
                                                         {"top", SB_TOP},        {"bottom", SB_BOTTOM},
                                                         {"thumb", SB_THUMBPOSITION}};
    const std::string code = Field(fields, "code");
    for (const auto& [name, value] : kCodes) {
      if (code != name) continue;
      long position = 0;
      if (value == SB_THUMBPOSITION && !Want("pos", 0, 32767, &position)) return false;
      Post(WM_VSCROLL, MAKEWPARAM(value, position), 0);
      return true;
    }
    return Fail("unknown scroll code");
  }
  bool PressKey() {
    static const std::pair<const char*, UINT> kKeys[] = {
        {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},   {"Backspace", VK_BACK},
        {"Delete", VK_DELETE}, {"Left", VK_LEFT},    {"Right", VK_RIGHT}, {"Up", VK_UP},
        {"Down", VK_DOWN},    {"Home", VK_HOME},     {"End", VK_END},     {"F4", VK_F4},
        {"Space", VK_SPACE}};
    const std::string name = Field(fields, "name");
    long shift = 0;
    if (fields.count("shift") && !Want("shift", 0, 1, &shift)) return false;
    for (const auto& [keyName, key] : kKeys) {
      if (name != keyName) continue;
      if (shift) Key(WM_KEYDOWN, VK_SHIFT);
      Key(WM_KEYDOWN, key);
      Key(WM_KEYUP, key);
      if (shift) Key(WM_KEYUP, VK_SHIFT);
      return true;
    }
    return Fail("unknown key");
  }
  bool Text() {
    std::u16string text;
    if (!Utf16(Field(fields, "text"), &text)) return Fail("the text is not UTF-8");
    if (text.empty() || text.size() > kMaxTextUnits) return Fail("the text is empty or too long");
    for (char16_t unit : text) {
      if (unit < 0x20 || unit == 0x7F) return Fail("control characters go as keys");
    }
    for (char16_t unit : text) Key(WM_CHAR, unit);
    return true;
  }

  bool ForWindow(const std::string& kind) {
    action.window = WindowFromId(Field(fields, "window"));
    if (!action.window) return Fail("bad or missing window");
    if (kind == "tap") return Tap();
    if (kind == "choose") return IndexGesture(kGestureChoose);
    if (kind == "activate") return IndexGesture(kGestureActivate);
    if (kind == "check-date") return CheckDate();
    if (kind == "set-date") return SetDate();
    if (kind == "scroll") return Scroll();
    if (kind == "caption-ok") return Gesture(kGestureCaptionOk, 0), true;
    if (kind == "close") return Gesture(kGestureClose, 0), true;
    action.forAdapter = true;
    return true;
  }
};

}  // namespace

bool DecodeForm(std::string_view body, Fields* fields) {
  fields->clear();
  while (!body.empty()) {
    const size_t end = body.find('&');
    const std::string_view pair = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
    if (pair.empty()) continue;
    const size_t equals = pair.find('=');
    std::string name, value;
    if (!Unescape(pair.substr(0, equals), &name)) return false;
    if (equals != std::string_view::npos && !Unescape(pair.substr(equals + 1), &value)) return false;
    if (!fields->emplace(std::move(name), std::move(value)).second) return false;
  }
  return true;
}

DecodedAction DecodeAction(const Fields& fields) {
  Builder builder{fields, {}};
  const std::string kind = Field(fields, "kind");
  if (kind == "key") {
    builder.PressKey();
  } else if (kind == "text") {
    builder.Text();
  } else if (kind.empty()) {
    builder.Fail("no kind");
  } else {
    builder.ForWindow(kind);
  }
  if (!builder.action.error.empty()) builder.action.input.clear();
  return builder.action;
}

}  // namespace plat::web

namespace plat::web {

bool operator==(const Input& a, const Input& b) {
  return a.target == b.target && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}

int64_t WindowId(HWND window) { return static_cast<int64_t>(reinterpret_cast<intptr_t>(window)); }

HWND WindowFromId(const std::string& text) {
  int64_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id <= 0) return nullptr;
  return reinterpret_cast<HWND>(static_cast<intptr_t>(id));
}

}  // namespace plat::web
