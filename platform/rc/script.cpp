// What a resource script compiles to; see script.h.
#include "script.h"

#include <algorithm>

#include "byte_writer.h"

namespace rcc {

std::string Describe(const ResourceId& id) {
  if (id.IsOrdinal()) return std::to_string(id.ordinal);
  std::string text;
  for (char16_t unit : id.name) text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return text;
}

void Script::Add(const Location& where, Resource resource) {
  const bool duplicate = std::any_of(resources_.begin(), resources_.end(), [&](const Resource& other) {
    return other.type == resource.type && other.name == resource.name && other.language == resource.language;
  });
  if (duplicate) {
    throw CompileError(where, "duplicate resource: type " + Describe(resource.type) + ", name " +
                                  Describe(resource.name));
  }
  resources_.push_back(std::move(resource));
}

void Script::AddString(const Location& where, uint16_t language, uint16_t id, std::u16string text) {
  std::optional<std::u16string>& slot = stringBlocks_[{language, static_cast<uint16_t>(id / 16 + 1)}][id % 16];
  if (slot) throw CompileError(where, "duplicate string id " + std::to_string(id));
  slot = std::move(text);
}

void Script::AddDependency(const std::string& path) {
  if (std::find(dependencies_.begin(), dependencies_.end(), path) == dependencies_.end()) {
    dependencies_.push_back(path);
  }
}

// Each block: 16 entries of a WORD length and the UTF-16 units, no terminator.
std::vector<Resource> Script::TakeResources() {
  std::vector<Resource> all = std::move(resources_);
  for (const auto& [key, strings] : stringBlocks_) {
    ByteWriter block;
    for (const std::optional<std::u16string>& text : strings) {
      block.Word(text ? static_cast<uint16_t>(text->size()) : 0);
      if (text) block.Utf16(*text, false);
    }
    Resource resource;
    resource.type.ordinal = kRtString;
    resource.name.ordinal = key.second;
    resource.language = key.first;
    resource.data = block.Take();
    all.push_back(std::move(resource));
  }
  return all;
}

}  // namespace rcc
