// JSON values for the browser display: what the window tree, the map and the
// page's answers are built of, written out as compact UTF-8 JSON. Objects
// keep their members in the order they were set.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace plat::web {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8(std::u16string_view text);
// UTF-8 to UTF-16; false (output unspecified) for bytes that are not UTF-8.
bool Utf16(std::string_view text, std::u16string* out);

class JsonValue {
 public:
  using Array = std::vector<JsonValue>;
  using Members = std::vector<std::pair<std::string, JsonValue>>;

  JsonValue() = default;  // null
  JsonValue(bool value) : value_(value) {}
  JsonValue(int value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(unsigned value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(long value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(long long value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(unsigned long value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(unsigned long long value) : value_(static_cast<int64_t>(value)) {}
  JsonValue(double value) : value_(value) {}
  JsonValue(const char* text) : value_(std::string(text)) {}
  JsonValue(std::string text) : value_(std::move(text)) {}
  JsonValue(std::u16string_view text) : value_(Utf8(text)) {}
  JsonValue(const std::u16string& text) : value_(Utf8(text)) {}
  JsonValue(const char16_t* text) : value_(Utf8(text)) {}
  JsonValue(Array items) : value_(std::move(items)) {}

  static JsonValue Object() { return JsonValue(Members{}); }

  // Objects: sets a member (replacing one of that name) and returns *this.
  JsonValue& Set(const std::string& key, JsonValue value);
  // Arrays: appends.
  void Push(JsonValue value);

  // Reading, for tests and adapters: a missing member or index reads as null.
  const JsonValue& operator[](std::string_view key) const;
  const JsonValue& operator[](size_t index) const;
  bool Has(std::string_view key) const;
  size_t Size() const;  // items of an array, members of an object
  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value_); }
  bool IsString() const { return std::holds_alternative<std::string>(value_); }
  bool IsArray() const { return std::holds_alternative<Array>(value_); }
  bool IsObject() const { return std::holds_alternative<Members>(value_); }
  // The value as that type; an empty string, 0 or false for another type.
  const std::string& AsString() const;
  int64_t AsInt() const;
  double AsNumber() const;
  bool AsBool() const;

  std::string Dump() const;

 private:
  explicit JsonValue(Members members) : value_(std::move(members)) {}
  void DumpTo(std::string& out) const;

  std::variant<std::nullptr_t, bool, int64_t, double, std::string, Array, Members> value_ = nullptr;
};

}  // namespace plat::web
