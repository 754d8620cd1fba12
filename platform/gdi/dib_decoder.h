// Decoding device-independent bitmaps into display pixels: packed DIBs
// (RT_BITMAP resources), BMP files, and the images of icons. Pure functions
// of their bytes; every read is checked against the data's size.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace plat::gdi {

struct Image {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;          // of the source
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// An icon image: its colours and its AND mask (1 = transparent), one byte a pixel.
struct IconPicture {
  Image image;
  std::vector<uint8_t> transparent;
};

// Largest bitmap accepted, in pixels.
constexpr int64_t kMaxPixels = int64_t{1} << 24;

// A packed DIB: BITMAPINFOHEADER or BITMAPCOREHEADER, colour table or masks,
// then the bits. 1, 4, 8, 24 bits per pixel; 16 and 32 as BI_RGB or
// BI_BITFIELDS; bottom-up or top-down. Compressed or short data: nullopt.
std::optional<Image> DecodePackedDib(std::span<const uint8_t> dib);

// A BMP file: BITMAPFILEHEADER, then the packed DIB, with the bits where
// bfOffBits says.
std::optional<Image> DecodeBmpFile(std::span<const uint8_t> file);

// An RT_ICON image: a DIB of twice the icon's height holding the colour bits
// followed by the 1-bit AND mask.
std::optional<IconPicture> DecodeIconImage(std::span<const uint8_t> data);

}  // namespace plat::gdi
