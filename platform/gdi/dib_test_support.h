// Test support for the gdi area: writes small device-independent bitmaps
// (packed, as BMP files, as icon images) from a description of their pixels,
// so that the tests know exactly which bytes the decoder meets.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plat::gdi::testing {

struct DibLayout {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  bool topDown = false;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  // One value a pixel, top row first: a colour index (up to 8 bits), 0x00RRGGBB
  // (24 bits) or the raw pixel value (16 and 32 bits).
  std::vector<uint32_t> values;
  std::vector<uint32_t> masks;  // three masks: BI_BITFIELDS
  bool coreHeader = false;      // BITMAPCOREHEADER with 3-byte colour entries
  uint32_t compression = 0;     // written as given when not 0
  bool colorsUsedZero = false;  // biClrUsed 0 (a full table) instead of the table's size
};

inline DibLayout Dib(int width, int height, int bitsPerPixel, bool topDown, std::vector<uint32_t> palette,
                   std::vector<uint32_t> values, std::vector<uint32_t> masks = {}) {
  DibLayout layout;
  layout.width = width, layout.height = height, layout.bitsPerPixel = bitsPerPixel, layout.topDown = topDown;
  layout.palette = std::move(palette), layout.values = std::move(values), layout.masks = std::move(masks);
  return layout;
}

class ByteWriter {
 public:
  void U8(uint32_t v) { bytes.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) { U8(v), U8(v >> 8); }
  void U32(uint32_t v) { U16(v), U16(v >> 16); }
  std::vector<uint8_t> bytes;
};

inline uint32_t RowBytes(int width, int bitsPerPixel) { return (uint32_t(width) * bitsPerPixel + 31) / 32 * 4; }

// The pixel rows in storage order, each padded to 4 bytes.
inline void WriteBits(const DibLayout& layout, int height, const std::vector<uint32_t>& values, int bitsPerPixel,
                      bool topDown, ByteWriter* out) {
  for (int stored = 0; stored < height; ++stored) {
    const int y = topDown ? stored : height - 1 - stored;
    std::vector<uint8_t> row(RowBytes(layout.width, bitsPerPixel), 0);
    for (int x = 0; x < layout.width; ++x) {
      const uint32_t v = values[size_t(y) * layout.width + x];
      if (bitsPerPixel <= 8) {
        const int bit = x * bitsPerPixel;
        row[bit / 8] |= static_cast<uint8_t>(v << (8 - bitsPerPixel - bit % 8));
      } else {
        const int bytes = bitsPerPixel / 8;
        for (int b = 0; b < bytes; ++b) row[size_t(x) * bytes + b] = static_cast<uint8_t>(v >> (8 * b));
      }
    }
    out->bytes.insert(out->bytes.end(), row.begin(), row.end());
  }
}

inline void WriteHeaderAndTable(const DibLayout& layout, int storedHeight, ByteWriter* out) {
  if (layout.coreHeader) {
    out->U32(12), out->U16(layout.width), out->U16(storedHeight), out->U16(1), out->U16(layout.bitsPerPixel);
    for (uint32_t c : layout.palette) out->U8(c), out->U8(c >> 8), out->U8(c >> 16);
    return;
  }
  const uint32_t compression = layout.compression ? layout.compression : (layout.masks.empty() ? 0 : 3);
  out->U32(40), out->U32(layout.width), out->U32(layout.topDown ? -storedHeight : storedHeight);
  out->U16(1), out->U16(layout.bitsPerPixel), out->U32(compression), out->U32(0);
  out->U32(2835), out->U32(2835), out->U32(layout.colorsUsedZero ? 0 : static_cast<uint32_t>(layout.palette.size()));
  out->U32(0);
  for (uint32_t m : layout.masks) out->U32(m);
  for (uint32_t c : layout.palette) out->U32(c);  // blue, green, red, reserved
}

inline std::vector<uint8_t> PackedDib(const DibLayout& layout) {
  ByteWriter out;
  WriteHeaderAndTable(layout, layout.height, &out);
  WriteBits(layout, layout.height, layout.values, layout.bitsPerPixel, layout.topDown, &out);
  return out.bytes;
}

// A BMP file; `gap` bytes between the colour table and the bits, which bfOffBits skips.
inline std::vector<uint8_t> BmpFile(const DibLayout& layout, size_t gap = 0) {
  std::vector<uint8_t> dib = PackedDib(layout);
  const size_t bitsSize = size_t(RowBytes(layout.width, layout.bitsPerPixel)) * layout.height;
  dib.insert(dib.end() - static_cast<std::ptrdiff_t>(bitsSize), gap, uint8_t{0xEE});
  ByteWriter out;
  out.U8('B'), out.U8('M'), out.U32(static_cast<uint32_t>(14 + dib.size())), out.U16(0), out.U16(0);
  out.U32(static_cast<uint32_t>(14 + dib.size() - bitsSize));
  out.bytes.insert(out.bytes.end(), dib.begin(), dib.end());
  return out.bytes;
}

// An RT_ICON image: colours as the layout says, then the AND mask (1 = transparent).
inline std::vector<uint8_t> IconImageData(const DibLayout& layout, const std::vector<uint32_t>& transparent) {
  ByteWriter out;
  WriteHeaderAndTable(layout, layout.height * 2, &out);
  WriteBits(layout, layout.height, layout.values, layout.bitsPerPixel, false, &out);
  WriteBits(layout, layout.height, transparent, 1, false, &out);
  return out.bytes;
}

inline std::string AsString(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace plat::gdi::testing
