// PNG files of the windows' images: the file's structure (signature, chunk
// lengths and CRCs, the header's size and RGBA format), the pixel data read
// back through the zlib stream of stored blocks (also when it needs several
// blocks), and no file for pictures that do not add up.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "png_image.h"

namespace plat::web {
namespace {

uint32_t Big32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char c : bytes) {
    crc ^= c;
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
  }
  return crc ^ 0xFFFFFFFFu;
}

struct Chunk {
  std::string type;
  std::string data;
};

// The chunks of a PNG file, checking each CRC.
std::vector<Chunk> Chunks(const std::string& png) {
  std::vector<Chunk> chunks;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = Big32(png, at);
    Chunk chunk{png.substr(at + 4, 4), png.substr(at + 8, length)};
    EXPECT_EQ(Big32(png, at + 8 + length), Crc32(chunk.type + chunk.data)) << chunk.type;
    chunks.push_back(chunk);
    at += 12 + length;
  }
  return chunks;
}

// The data inside a zlib stream made of stored blocks.
std::string Inflate(const std::string& stream) {
  EXPECT_EQ(static_cast<uint8_t>(stream[0]) & 0x0F, 8) << "deflate";
  EXPECT_EQ((static_cast<uint8_t>(stream[0]) * 256 + static_cast<uint8_t>(stream[1])) % 31, 0) << "header check";
  std::string data;
  size_t at = 2;
  for (bool last = false; !last;) {
    last = stream[at] & 1;
    EXPECT_EQ(stream[at] & 6, 0) << "stored block";
    const size_t length = static_cast<uint8_t>(stream[at + 1]) | static_cast<uint8_t>(stream[at + 2]) << 8;
    const size_t check = static_cast<uint8_t>(stream[at + 3]) | static_cast<uint8_t>(stream[at + 4]) << 8;
    EXPECT_EQ(length ^ check, 0xFFFFu);
    data += stream.substr(at + 5, length);
    at += 5 + length;
  }
  EXPECT_EQ(at + 4, stream.size()) << "the Adler-32 ends the stream";
  uint32_t a = 1, b = 0;
  for (unsigned char c : data) a = (a + c) % 65521, b = (b + a) % 65521;
  EXPECT_EQ(Big32(stream, at), (b << 16) | a);
  return data;
}

Picture Striped(int width, int height) {
  Picture picture{width, height, {}};
  for (int i = 0; i < width * height; ++i) picture.pixels.push_back(0x80000000u | static_cast<uint32_t>(i * 2654435761u & 0xFFFFFF));
  return picture;
}

TEST(EncodePng, WritesAnRgbaFileWhosePixelsReadBack) {
  const Picture picture = Striped(3, 2);
  const std::string png = EncodePng(picture);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  const auto chunks = Chunks(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(Big32(chunks[0].data, 0), 3u);
  EXPECT_EQ(Big32(chunks[0].data, 4), 2u);
  EXPECT_EQ(chunks[0].data.substr(8), std::string("\x08\x06\x00\x00\x00", 5));
  EXPECT_EQ(chunks[1].type, "IDAT");
  EXPECT_EQ(chunks[2].type, "IEND");
  const std::string rows = Inflate(chunks[1].data);
  ASSERT_EQ(rows.size(), 2u * (1 + 3 * 4));
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(rows[y * 13], '\0') << "no filter";
    for (int x = 0; x < 3; ++x) {
      const uint32_t pixel = picture.pixels[y * 3 + x];
      const std::string rgba = rows.substr(y * 13 + 1 + x * 4, 4);
      EXPECT_EQ(rgba, std::string({static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel),
                                   static_cast<char>(pixel >> 24)}));
    }
  }
}

TEST(EncodePng, SplitsLargeImagesIntoSeveralStoredBlocks) {
  const Picture picture = Striped(200, 100);  // 80,100 bytes of rows
  const auto chunks = Chunks(EncodePng(picture));
  ASSERT_EQ(chunks.size(), 3u);
  const std::string rows = Inflate(chunks[1].data);
  ASSERT_EQ(rows.size(), 100u * (1 + 200 * 4));
  EXPECT_EQ(static_cast<uint8_t>(rows[rows.size() - 1]), picture.pixels.back() >> 24);
}

TEST(EncodePng, GivesNothingForAPictureThatDoesNotAddUp) {
  EXPECT_EQ(EncodePng(Picture{}), "");
  EXPECT_EQ(EncodePng(Picture{2, 2, {1, 2, 3}}), "");
  EXPECT_EQ(EncodePng(Picture{-1, 1, {}}), "");
}

}  // namespace
}  // namespace plat::web
