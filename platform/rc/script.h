// What a resource script compiles to: resources (type, name, language and
// their bytes or a slice of a named file), the merged string tables, and the
// files the script names.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "diagnostics.h"

namespace rcc {

// Resource types of the platform.
enum ResourceType : uint16_t {
  kRtBitmap = 2,
  kRtIcon = 3,
  kRtDialog = 5,
  kRtString = 6,
  kRtRcdata = 10,
  kRtGroupIcon = 14,
  kRtToolbar = 241,
};

// A type or name: an ordinal, or (when name is not empty) an upper-case string.
struct ResourceId {
  uint16_t ordinal = 0;
  std::u16string name;
  bool IsOrdinal() const { return name.empty(); }
  bool operator==(const ResourceId&) const = default;
};

// Bytes of a file on disk that go into the output unchanged.
struct FileSlice {
  std::string path;
  uint64_t offset = 0;
  uint64_t size = 0;
};

struct Resource {
  ResourceId type;
  ResourceId name;
  uint16_t language = 0;
  std::variant<std::vector<uint8_t>, FileSlice> data;
};

class Script {
 public:
  // The language of resources that do not name their own (LANGUAGE statement).
  uint16_t defaultLanguage = 0;

  // Adds a resource; a second one with the same type, name and language is an error.
  void Add(const Location& where, Resource resource);
  // Puts a string into the string table of its language.
  void AddString(const Location& where, uint16_t language, uint16_t id, std::u16string text);
  // Records a file the script names (for the dependency list).
  void AddDependency(const std::string& path);
  // The next free RT_ICON ordinal for the images of an icon file.
  uint16_t NextIconOrdinal() { return nextIconOrdinal_++; }

  // All resources, the string tables laid out as RT_STRING blocks at the end.
  std::vector<Resource> TakeResources();
  const std::vector<std::string>& Dependencies() const { return dependencies_; }

 private:
  using StringBlock = std::array<std::optional<std::u16string>, 16>;

  std::vector<Resource> resources_;
  std::map<std::pair<uint16_t, uint16_t>, StringBlock> stringBlocks_;  // (language, block) → strings
  std::vector<std::string> dependencies_;
  uint16_t nextIconOrdinal_ = 1;
};

// "5", "DIALOG"-like text of an id for messages.
std::string Describe(const ResourceId& id);

}  // namespace rcc
