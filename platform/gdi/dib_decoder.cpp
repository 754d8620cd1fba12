// Decoding of device-independent bitmaps. A header is first read into a
// layout (size, orientation, depth, masks, colour table, where the bits
// start); the rows are then converted with every access inside the data.
// Colour indexes beyond a short colour table read as black.
#include "gdi/dib_decoder.h"

#include <windows.h>

#include <algorithm>
#include <bit>

#include "gdi/little_endian.h"

namespace plat::gdi {
namespace {

constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kInfoHeaderWithMasksSize = 52;  // V2 and later carry the masks inside
constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kMaxColorTable = 1u << 16;

struct Layout {
  int64_t width = 0;
  int64_t height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  uint32_t masks[3] = {};  // red, green, blue for 16 and 32 bits
  std::vector<uint32_t> palette;
  size_t bitsOffset = 0;  // where the bits of a packed DIB start
};

// Rows are padded to whole 32-bit words.
uint64_t Stride(const Layout& layout) {
  return (static_cast<uint64_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
}

bool ReadPalette(std::span<const uint8_t> dib, size_t at, uint64_t count, size_t entrySize, Layout* layout) {
  if (count > kMaxColorTable || at + count * entrySize > dib.size()) return false;
  for (uint64_t i = 0; i < count; ++i) {
    const size_t entry = at + i * entrySize;  // blue, green, red[, reserved]
    layout->palette.push_back(uint32_t{dib[entry + 2]} << 16 | uint32_t{dib[entry + 1]} << 8 | dib[entry]);
  }
  layout->bitsOffset = at + count * entrySize;
  return true;
}

uint64_t DefaultColorCount(int bitsPerPixel) { return bitsPerPixel <= 8 ? uint64_t{1} << bitsPerPixel : 0; }

void SetDefaultMasks(Layout* layout) {
  if (layout->bitsPerPixel == 16) {
    layout->masks[0] = 0x7C00, layout->masks[1] = 0x03E0, layout->masks[2] = 0x001F;  // 5-5-5
  } else {
    layout->masks[0] = 0xFF0000, layout->masks[1] = 0x00FF00, layout->masks[2] = 0x0000FF;
  }
}

bool ParseCoreHeader(std::span<const uint8_t> dib, Layout* layout) {
  if (dib.size() < kCoreHeaderSize || ReadU16(dib, 8) != 1) return false;
  layout->width = ReadU16(dib, 4);
  layout->height = ReadU16(dib, 6);
  layout->bitsPerPixel = ReadU16(dib, 10);
  if (layout->bitsPerPixel != 24) SetDefaultMasks(layout);
  return ReadPalette(dib, kCoreHeaderSize, DefaultColorCount(layout->bitsPerPixel), 3, layout);
}

bool ParseInfoHeader(std::span<const uint8_t> dib, size_t headerSize, Layout* layout) {
  if (dib.size() < headerSize || ReadU16(dib, 12) != 1) return false;
  layout->width = static_cast<int32_t>(ReadU32(dib, 4));
  const int64_t height = static_cast<int32_t>(ReadU32(dib, 8));
  layout->topDown = height < 0;
  layout->height = height < 0 ? -height : height;
  layout->bitsPerPixel = ReadU16(dib, 14);
  const uint32_t compression = ReadU32(dib, 16);
  const uint32_t colorsUsed = ReadU32(dib, 32);
  size_t tableAt = headerSize;
  if (compression == BI_BITFIELDS) {
    if (layout->bitsPerPixel != 16 && layout->bitsPerPixel != 32) return false;
    const size_t masksAt = headerSize >= kInfoHeaderWithMasksSize ? kInfoHeaderSize : headerSize;
    if (masksAt + 12 > dib.size()) return false;
    for (int i = 0; i < 3; ++i) layout->masks[i] = ReadU32(dib, masksAt + 4 * i);
    tableAt = std::max(tableAt, masksAt + 12);
  } else if (compression == BI_RGB) {
    SetDefaultMasks(layout);
  } else {
    return false;  // run-length encoded or embedded formats
  }
  const uint64_t colors = colorsUsed ? colorsUsed : DefaultColorCount(layout->bitsPerPixel);
  return ReadPalette(dib, tableAt, colors, 4, layout);
}

bool IsDecodable(const Layout& layout) {
  switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  return layout.width > 0 && layout.height > 0 && layout.width * layout.height <= kMaxPixels;
}

std::optional<Layout> ParseHeader(std::span<const uint8_t> dib) {
  if (dib.size() < 4) return std::nullopt;
  const uint32_t headerSize = ReadU32(dib, 0);
  Layout layout;
  const bool parsed = headerSize == kCoreHeaderSize   ? ParseCoreHeader(dib, &layout)
                      : headerSize >= kInfoHeaderSize ? ParseInfoHeader(dib, headerSize, &layout)
                                                      : false;
  if (!parsed || !IsDecodable(layout)) return std::nullopt;
  return layout;
}

uint8_t Channel(uint32_t value, uint32_t mask) {
  if (!mask) return 0;
  const int shift = std::countr_zero(mask);
  const uint64_t maximum = mask >> shift;
  return static_cast<uint8_t>(((value & mask) >> shift) * uint64_t{255} / maximum);
}

uint32_t PixelAt(const Layout& layout, const uint8_t* row, int64_t x) {
  const int bpp = layout.bitsPerPixel;
  if (bpp <= 8) {
    const int64_t bit = x * bpp;
    const int shift = 8 - bpp - static_cast<int>(bit % 8);  // the leftmost pixel is in the high bits
    const uint32_t index = (row[bit / 8] >> shift) & ((1u << bpp) - 1);
    return index < layout.palette.size() ? layout.palette[index] : 0;
  }
  const uint8_t* p = row + x * (bpp / 8);
  if (bpp == 24) return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  const uint32_t value = bpp == 16 ? uint32_t{p[0]} | uint32_t{p[1]} << 8
                                   : uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  return uint32_t{Channel(value, layout.masks[0])} << 16 | uint32_t{Channel(value, layout.masks[1])} << 8 |
         Channel(value, layout.masks[2]);
}

std::optional<Image> DecodeBits(const Layout& layout, std::span<const uint8_t> bits) {
  const uint64_t stride = Stride(layout);
  if (stride * static_cast<uint64_t>(layout.height) > bits.size()) return std::nullopt;
  Image image{static_cast<int>(layout.width), static_cast<int>(layout.height), layout.bitsPerPixel, {}};
  image.pixels.resize(static_cast<size_t>(layout.width * layout.height));
  for (int64_t stored = 0; stored < layout.height; ++stored) {
    const uint8_t* row = bits.data() + stored * stride;
    const int64_t y = layout.topDown ? stored : layout.height - 1 - stored;
    uint32_t* out = image.pixels.data() + y * layout.width;
    for (int64_t x = 0; x < layout.width; ++x) out[x] = PixelAt(layout, row, x);
  }
  return image;
}

}  // namespace

std::optional<Image> DecodePackedDib(std::span<const uint8_t> dib) {
  const auto layout = ParseHeader(dib);
  if (!layout) return std::nullopt;
  return DecodeBits(*layout, dib.subspan(layout->bitsOffset));
}

std::optional<Image> DecodeBmpFile(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const auto layout = ParseHeader(file.subspan(kFileHeaderSize));
  if (!layout) return std::nullopt;
  const uint32_t bitsAt = ReadU32(file, 10);
  if (bitsAt == 0) return DecodeBits(*layout, file.subspan(kFileHeaderSize + layout->bitsOffset));
  if (bitsAt < kFileHeaderSize + kCoreHeaderSize || bitsAt > file.size()) return std::nullopt;
  return DecodeBits(*layout, file.subspan(bitsAt));
}

std::optional<IconPicture> DecodeIconImage(std::span<const uint8_t> data) {
  auto layout = ParseHeader(data);
  if (!layout || layout->height < 2) return std::nullopt;
  layout->height /= 2;  // the colour bits and the mask share the header's height
  const auto colors = DecodeBits(*layout, data.subspan(layout->bitsOffset));
  if (!colors) return std::nullopt;
  Layout mask = *layout;
  mask.bitsPerPixel = 1;
  mask.palette = {0, 1};
  const auto maskBits = data.subspan(layout->bitsOffset + Stride(*layout) * layout->height);
  const auto transparent = DecodeBits(mask, maskBits);
  if (!transparent) return std::nullopt;
  IconPicture picture{*colors, std::vector<uint8_t>(transparent->pixels.begin(), transparent->pixels.end())};
  return picture;
}

}  // namespace plat::gdi
