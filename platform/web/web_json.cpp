// JSON values of the browser display: building, reading, writing out, and
// the UTF-16 / UTF-8 conversions that every text crossing to the page needs.
#include <plat/web_json.h>

#include <cmath>
#include <cstdio>

namespace plat::web {
namespace {

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendQuoted(const std::string& text, std::string& out) {
  out += '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

void AppendNumber(double number, std::string& out) {
  if (!std::isfinite(number)) {
    out += "null";
    return;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", number);
  out += text;
}

const JsonValue& Null() {
  static const JsonValue null;
  return null;
}

}  // namespace

std::string Utf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
      AppendUtf8(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
      ++i;
    } else if (IsHigh(unit) || IsLow(unit)) {
      AppendUtf8(0xFFFD, out);
    } else {
      AppendUtf8(unit, out);
    }
  }
  return out;
}

bool Utf16(std::string_view text, std::u16string* out) {
  out->clear();
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    if (code >= 0x10000) {
      out->push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      out->push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      out->push_back(static_cast<char16_t>(code));
    }
    i += static_cast<size_t>(length);
  }
  return true;
}

JsonValue& JsonValue::Set(const std::string& key, JsonValue value) {
  if (!IsObject()) value_ = Members{};
  auto& members = std::get<Members>(value_);
  for (auto& member : members) {
    if (member.first == key) {
      member.second = std::move(value);
      return *this;
    }
  }
  members.emplace_back(key, std::move(value));
  return *this;
}

void JsonValue::Push(JsonValue value) {
  if (!IsArray()) value_ = Array{};
  std::get<Array>(value_).push_back(std::move(value));
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
  if (const auto* members = std::get_if<Members>(&value_)) {
    for (const auto& member : *members)
      if (member.first == key) return member.second;
  }
  return Null();
}

const JsonValue& JsonValue::operator[](size_t index) const {
  const auto* items = std::get_if<Array>(&value_);
  return items && index < items->size() ? (*items)[index] : Null();
}

bool JsonValue::Has(std::string_view key) const {
  if (const auto* members = std::get_if<Members>(&value_)) {
    for (const auto& member : *members)
      if (member.first == key) return true;
  }
  return false;
}

size_t JsonValue::Size() const {
  if (const auto* items = std::get_if<Array>(&value_)) return items->size();
  if (const auto* members = std::get_if<Members>(&value_)) return members->size();
  return 0;
}

const std::string& JsonValue::AsString() const {
  static const std::string empty;
  const auto* text = std::get_if<std::string>(&value_);
  return text ? *text : empty;
}

int64_t JsonValue::AsInt() const {
  if (const auto* number = std::get_if<int64_t>(&value_)) return *number;
  if (const auto* real = std::get_if<double>(&value_)) return static_cast<int64_t>(*real);
  return 0;
}

double JsonValue::AsNumber() const {
  if (const auto* real = std::get_if<double>(&value_)) return *real;
  if (const auto* number = std::get_if<int64_t>(&value_)) return static_cast<double>(*number);
  return 0;
}

bool JsonValue::AsBool() const {
  const auto* flag = std::get_if<bool>(&value_);
  return flag && *flag;
}

std::string JsonValue::Dump() const {
  std::string out;
  DumpTo(out);
  return out;
}

void JsonValue::DumpTo(std::string& out) const {
  if (IsNull()) {
    out += "null";
  } else if (const auto* flag = std::get_if<bool>(&value_)) {
    out += *flag ? "true" : "false";
  } else if (const auto* number = std::get_if<int64_t>(&value_)) {
    out += std::to_string(*number);
  } else if (const auto* real = std::get_if<double>(&value_)) {
    AppendNumber(*real, out);
  } else if (const auto* text = std::get_if<std::string>(&value_)) {
    AppendQuoted(*text, out);
  } else if (const auto* items = std::get_if<Array>(&value_)) {
    out += '[';
    for (size_t i = 0; i < items->size(); ++i) {
      if (i) out += ',';
      (*items)[i].DumpTo(out);
    }
    out += ']';
  } else {
    const auto& members = std::get<Members>(value_);
    out += '{';
    for (size_t i = 0; i < members.size(); ++i) {
      if (i) out += ',';
      AppendQuoted(members[i].first, out);
      out += ':';
      members[i].second.DumpTo(out);
    }
    out += '}';
  }
}

}  // namespace plat::web
