#pragma once
// Fixed-size records described as data: each field is an offset, a width and a
// type, and every reader and writer goes through that one description. A record
// is kept as its raw bytes, so fields nobody touched are written back exactly
// as they were read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Extended.h"
#include "RealCodecs.h"
#include "ShortString.h"

namespace qx {

enum class FieldType : std::uint8_t {
  ShortString,  // length byte + (width - 1) characters
  Int8,         // signed byte
  Int16,        // signed 16-bit, little-endian
  Int32,        // signed 32-bit, little-endian
  Real48,       // 6-byte real
  Extended10,   // 10-byte extended real
  Unused,       // bytes nobody reads
};

struct Field {
  std::size_t offset;
  std::size_t width;
  FieldType type;
  const char* name;

  constexpr std::size_t end() const { return offset + width; }
  constexpr std::size_t capacity() const { return width - 1; }  // short strings
};

// True when the fields follow each other without gaps or overlaps and fill
// exactly `size` bytes; used in static_asserts beside each layout.
template <std::size_t Count>
constexpr bool tilesRecord(const std::array<Field, Count>& fields, std::size_t size) {
  std::size_t next = 0;
  for (const Field& f : fields) {
    if (f.offset != next) return false;
    next = f.end();
  }
  return next == size;
}

template <std::size_t Size>
class FixedRecord {
 public:
  static constexpr std::size_t kSize = Size;

  std::array<std::uint8_t, Size>& bytes() { return bytes_; }
  const std::array<std::uint8_t, Size>& bytes() const { return bytes_; }
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }

  std::string text(const Field& f) const { return shortStringText(bytes_.data() + f.offset, f.capacity()); }
  void setText(const Field& f, std::string_view value) {
    assignShortString(bytes_.data() + f.offset, f.capacity(), value);
  }

  std::int32_t integer(const Field& f) const {
    const std::uint8_t* p = bytes_.data() + f.offset;
    switch (f.type) {
      case FieldType::Int8: return static_cast<std::int8_t>(p[0]);
      case FieldType::Int16: return static_cast<std::int16_t>(p[0] | (p[1] << 8));
      case FieldType::Int32:
        return static_cast<std::int32_t>(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                                         (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24));
      default: return 0;
    }
  }
  void setInteger(const Field& f, std::int32_t value) {
    std::uint8_t* p = bytes_.data() + f.offset;
    const auto bits = static_cast<std::uint32_t>(value);
    const std::size_t width = f.type == FieldType::Int8 ? 1 : f.type == FieldType::Int16 ? 2 : 4;
    for (std::size_t i = 0; i < width; ++i) p[i] = std::uint8_t(bits >> (8 * i));
  }

  Extended real(const Field& f) const {
    const std::uint8_t* p = bytes_.data() + f.offset;
    return f.type == FieldType::Real48 ? decodeReal48(p) : decodeExtended(p);
  }
  void setReal(const Field& f, Extended value) {
    std::uint8_t* p = bytes_.data() + f.offset;
    if (f.type == FieldType::Real48) {
      const auto b = encodeReal48(value);
      std::copy(b.begin(), b.end(), p);
    } else {
      const auto b = encodeExtended(value);
      std::copy(b.begin(), b.end(), p);
    }
  }

  friend bool operator==(const FixedRecord&, const FixedRecord&) = default;

 private:
  std::array<std::uint8_t, Size> bytes_{};
};

}  // namespace qx
