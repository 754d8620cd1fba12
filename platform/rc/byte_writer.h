// Little-endian binary output of the resource formats: BYTEs, WORDs, DWORDs,
// UTF-16 strings and padding to an alignment.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace rcc {

class ByteWriter {
 public:
  void Byte(uint8_t value) { bytes_.push_back(value); }
  void Word(uint16_t value) {
    Byte(static_cast<uint8_t>(value));
    Byte(static_cast<uint8_t>(value >> 8));
  }
  void Dword(uint32_t value) {
    Word(static_cast<uint16_t>(value));
    Word(static_cast<uint16_t>(value >> 16));
  }
  void Bytes(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Utf16(const std::u16string& text, bool terminated) {
    for (char16_t unit : text) Word(unit);
    if (terminated) Word(0);
  }
  void AlignTo(size_t alignment) {
    while (bytes_.size() % alignment != 0) Byte(0);
  }
  size_t Size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace rcc
