// Little-endian fields of the graphics file formats; the caller has checked
// that the bytes lie inside the data.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace plat::gdi {

inline uint16_t ReadU16(std::span<const uint8_t> data, size_t at) {
  return static_cast<uint16_t>(data[at] | data[at + 1] << 8);
}

inline uint32_t ReadU32(std::span<const uint8_t> data, size_t at) {
  return ReadU16(data, at) | static_cast<uint32_t>(ReadU16(data, at + 2)) << 16;
}

}  // namespace plat::gdi
