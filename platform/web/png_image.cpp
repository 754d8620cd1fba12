// Writes PNG files: signature, IHDR, one IDAT of a zlib stream of stored
// blocks, IEND; each chunk with its CRC-32.
#include "png_image.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plat::web {
namespace {

constexpr size_t kMaxStoredBlock = 65535;

uint32_t Crc32(const std::string& bytes, size_t from) {
  static const auto kTable = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    return table;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = from; i < bytes.size(); ++i) crc = kTable[(crc ^ static_cast<uint8_t>(bytes[i])) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::string& bytes) {
  uint32_t a = 1, b = 0;
  for (unsigned char c : bytes) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBig32(uint32_t value, std::string& out) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(const char* type, const std::string& data, std::string& out) {
  PutBig32(static_cast<uint32_t>(data.size()), out);
  const size_t typeStart = out.size();
  out += type;
  out += data;
  PutBig32(Crc32(out, typeStart), out);
}

// Each row: filter byte 0, then R, G, B, A.
std::string Scanlines(const Picture& picture) {
  std::string rows;
  rows.reserve(static_cast<size_t>(picture.height) * (1 + 4 * static_cast<size_t>(picture.width)));
  for (int y = 0; y < picture.height; ++y) {
    rows += '\0';
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t pixel = picture.pixels[static_cast<size_t>(y) * picture.width + x];
      rows += static_cast<char>((pixel >> 16) & 0xFF);
      rows += static_cast<char>((pixel >> 8) & 0xFF);
      rows += static_cast<char>(pixel & 0xFF);
      rows += static_cast<char>((pixel >> 24) & 0xFF);
    }
  }
  return rows;
}

std::string ZlibStored(const std::string& data) {
  std::string stream("\x78\x01", 2);
  size_t offset = 0;
  do {
    const size_t length = std::min(kMaxStoredBlock, data.size() - offset);
    const bool last = offset + length == data.size();
    stream += static_cast<char>(last ? 1 : 0);
    stream += static_cast<char>(length & 0xFF);
    stream += static_cast<char>(length >> 8);
    stream += static_cast<char>(~length & 0xFF);
    stream += static_cast<char>((~length >> 8) & 0xFF);
    stream.append(data, offset, length);
    offset += length;
  } while (offset < data.size());
  PutBig32(Adler32(data), stream);
  return stream;
}

}  // namespace

std::string EncodePng(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height)) {
    return {};
  }
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  PutBig32(static_cast<uint32_t>(picture.width), header);
  PutBig32(static_cast<uint32_t>(picture.height), header);
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, adaptive filters, no interlace
  PutChunk("IHDR", header, png);
  PutChunk("IDAT", ZlibStored(Scanlines(picture)), png);
  PutChunk("IEND", {}, png);
  return png;
}

}  // namespace plat::web
