#pragma once
// Short string of N characters: one length byte followed by N character
// positions (Windows-1252). Only the first `length` characters are meaningful;
// the bytes after them are whatever the writer's buffer held. Assigning a new
// text writes the length and the new characters only, so a record that is read,
// changed in one field and written back keeps every other byte it was read with.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qx {

// Operations on a short string stored at `field` (length byte + capacity bytes).
inline std::string shortStringText(const std::uint8_t* field, std::size_t capacity) {
  const std::size_t length = std::min<std::size_t>(field[0], capacity);
  return std::string(reinterpret_cast<const char*>(field + 1), length);
}

inline void assignShortString(std::uint8_t* field, std::size_t capacity, std::string_view text) {
  const std::size_t length = std::min(text.size(), capacity);
  field[0] = static_cast<std::uint8_t>(length);
  if (length > 0) std::memcpy(field + 1, text.data(), length);
}

template <std::size_t N>
class ShortString {
  static_assert(N >= 1 && N <= 255, "a short string holds 1 to 255 characters");

 public:
  static constexpr std::size_t kCapacity = N;
  static constexpr std::size_t kByteSize = N + 1;

  ShortString() = default;
  ShortString(std::string_view text) { assign(text); }  // NOLINT: texts convert implicitly

  static ShortString fromBytes(const std::uint8_t* bytes) {
    ShortString s;
    std::memcpy(s.bytes_.data(), bytes, kByteSize);
    return s;
  }
  void toBytes(std::uint8_t* bytes) const { std::memcpy(bytes, bytes_.data(), kByteSize); }

  // The meaningful characters; a length byte above N counts as N.
  std::string text() const { return shortStringText(bytes_.data(), N); }
  std::size_t length() const { return std::min<std::size_t>(bytes_[0], N); }
  bool empty() const { return length() == 0; }

  // Takes the first N characters of `text`.
  void assign(std::string_view text) { assignShortString(bytes_.data(), N, text); }
  ShortString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  const std::array<std::uint8_t, kByteSize>& bytes() const { return bytes_; }

  friend bool operator==(const ShortString& a, const ShortString& b) { return a.text() == b.text(); }
  friend bool operator==(const ShortString& a, std::string_view b) { return a.text() == b; }

 private:
  std::array<std::uint8_t, kByteSize> bytes_{};
};

}  // namespace qx
