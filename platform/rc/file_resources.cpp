// Resources made from files and raw data: BITMAP (the .bmp without its
// 14-byte BITMAPFILEHEADER), ICON (each image of the .ico as an RT_ICON,
// numbered 1, 2, ... through the script, plus an RT_GROUP_ICON directory),
// and RCDATA or user-defined types from a file or from inline data (numbers
// as WORDs, with an L suffix as DWORDs, narrow strings as their UTF-8 bytes
// and L"" strings as UTF-16 units, without terminators). File names are
// relative to the script's folder; backslashes are read as folder separators.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "byte_writer.h"
#include "statements.h"

namespace rcc {

namespace {

struct NamedFile {
  std::string nameInScript;
  std::string path;
  uint64_t size = 0;
};

NamedFile ResolveFile(CompileContext& context) {
  const Location where = context.parser.Where();
  NamedFile file;
  file.nameInScript = context.parser.NarrowString();
  std::string name = file.nameInScript;
  std::replace(name.begin(), name.end(), '\\', '/');
  std::filesystem::path path(name);
  if (path.is_relative()) path = std::filesystem::path(context.baseDir) / path;
  file.path = path.lexically_normal().string();
  std::error_code error;
  if (!std::filesystem::is_regular_file(file.path, error)) {
    throw CompileError(where, "cannot open file '" + file.nameInScript + "'");
  }
  file.size = std::filesystem::file_size(file.path, error);
  context.script.AddDependency(file.path);
  return file;
}

std::vector<uint8_t> ReadBytes(const NamedFile& file, const Location& where, uint64_t count) {
  std::vector<uint8_t> bytes(std::min(count, file.size));
  std::ifstream in(file.path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    throw CompileError(where, "cannot read file '" + file.nameInScript + "'");
  }
  return bytes;
}

uint16_t WordAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t DwordAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return WordAt(bytes, offset) | (static_cast<uint32_t>(WordAt(bytes, offset + 2)) << 16);
}

Resource FileResource(uint16_t type, const ResourceId& name, uint16_t language, FileSlice slice) {
  Resource resource;
  resource.type.ordinal = type;
  resource.name = name;
  resource.language = language;
  resource.data = std::move(slice);
  return resource;
}

// One ICONDIRENTRY of an .ico file.
struct IconImage {
  uint8_t width, height, colorCount, reserved;
  uint16_t planes, bitCount;
  uint32_t bytes, offset;
};

constexpr size_t kIconDirSize = 6;
constexpr size_t kIconEntrySize = 16;
constexpr uint32_t kBitmapInfoHeaderSize = 40;

std::vector<IconImage> ReadIconDirectory(const std::vector<uint8_t>& ico, const NamedFile& file,
                                         const Location& where) {
  auto fail = [&](const std::string& why) {
    throw CompileError(where, "'" + file.nameInScript + "' is not an icon file (" + why + ")");
  };
  if (ico.size() < kIconDirSize || WordAt(ico, 0) != 0 || WordAt(ico, 2) != 1) fail("bad header");
  const uint16_t count = WordAt(ico, 4);
  if (count == 0) fail("no images");
  if (kIconDirSize + count * kIconEntrySize > ico.size()) fail("truncated directory");
  std::vector<IconImage> images;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = kIconDirSize + i * kIconEntrySize;
    IconImage image{ico[at], ico[at + 1], ico[at + 2], ico[at + 3], WordAt(ico, at + 4), WordAt(ico, at + 6),
                    DwordAt(ico, at + 8), DwordAt(ico, at + 12)};
    if (image.bytes == 0 || uint64_t{image.offset} + image.bytes > ico.size()) fail("image outside the file");
    // Directories often leave planes and bit count 0; the image header has them.
    if (image.planes == 0 && image.bitCount == 0 && image.bytes >= kBitmapInfoHeaderSize &&
        DwordAt(ico, image.offset) == kBitmapInfoHeaderSize) {
      image.planes = WordAt(ico, image.offset + 12);
      image.bitCount = WordAt(ico, image.offset + 14);
    }
    images.push_back(image);
  }
  return images;
}

// Inline data between BEGIN and END; commas between items are optional.
std::vector<uint8_t> InlineData(Parser& parser) {
  ByteWriter out;
  parser.ExpectBlockBegin();
  while (!parser.AcceptBlockEnd()) {
    if (parser.AtString()) {
      const Token& token = parser.Next();
      if (token.wide) {
        out.Utf16(token.wideText, false);
      } else {
        out.Bytes(token.text);
      }
    } else if (const Value value = parser.Expression(); value.isLong) {
      out.Dword(value.value);
    } else {
      out.Word(static_cast<uint16_t>(value.value));
    }
    parser.AcceptPunct(',');
  }
  return out.Take();
}

}  // namespace

void CompileBitmap(CompileContext& context, const ResourceHeader& header) {
  context.parser.SkipMemoryOptions();
  const Location where = context.parser.Where();
  const NamedFile file = ResolveFile(context);
  constexpr uint64_t kFileHeaderSize = 14;
  const std::vector<uint8_t> start = ReadBytes(file, where, kFileHeaderSize);
  if (start.size() < kFileHeaderSize || start[0] != 'B' || start[1] != 'M') {
    throw CompileError(where, "'" + file.nameInScript + "' is not a bitmap file (no 'BM' signature)");
  }
  context.script.Add(header.where, FileResource(kRtBitmap, header.name, context.script.defaultLanguage,
                                                {file.path, kFileHeaderSize, file.size - kFileHeaderSize}));
}

// GRPICONDIR: reserved 0, type 1, count, then per image the directory entry
// with a WORD RT_ICON ordinal in place of the file offset.
void CompileIcon(CompileContext& context, const ResourceHeader& header) {
  context.parser.SkipMemoryOptions();
  const Location where = context.parser.Where();
  const NamedFile file = ResolveFile(context);
  const std::vector<uint8_t> ico = ReadBytes(file, where, file.size);
  const std::vector<IconImage> images = ReadIconDirectory(ico, file, where);
  const uint16_t language = context.script.defaultLanguage;
  ByteWriter group;
  group.Word(0);
  group.Word(1);
  group.Word(static_cast<uint16_t>(images.size()));
  for (const IconImage& image : images) {
    const ResourceId ordinal{context.script.NextIconOrdinal(), {}};
    context.script.Add(header.where, FileResource(kRtIcon, ordinal, language, {file.path, image.offset, image.bytes}));
    for (uint8_t value : {image.width, image.height, image.colorCount, image.reserved}) group.Byte(value);
    group.Word(image.planes);
    group.Word(image.bitCount);
    group.Dword(image.bytes);
    group.Word(ordinal.ordinal);
  }
  Resource resource;
  resource.type.ordinal = kRtGroupIcon;
  resource.name = header.name;
  resource.language = language;
  resource.data = group.Take();
  context.script.Add(header.where, std::move(resource));
}

void CompileData(CompileContext& context, const ResourceHeader& header, const ResourceId& type) {
  Parser& parser = context.parser;
  parser.SkipMemoryOptions();
  Resource resource;
  resource.type = type;
  resource.name = header.name;
  resource.language = context.script.defaultLanguage;
  if (parser.AtString()) {
    const NamedFile file = ResolveFile(context);
    resource.data = FileSlice{file.path, 0, file.size};
  } else {
    while (parser.AcceptCommonOption(&resource.language)) {
    }
    if (!parser.AtBlockBegin()) {
      parser.Fail("expected a file name or BEGIN after resource type " + Describe(type) + ", found " +
                  Parser::Show(parser.Peek()));
    }
    resource.data = InlineData(parser);
  }
  context.script.Add(header.where, std::move(resource));
}

}  // namespace rcc
