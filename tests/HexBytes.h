#pragma once
// Byte fixtures written as hex texts, for the tests of record layouts.

#include <cstdint>
#include <string>
#include <vector>

namespace qxtest {

// Bytes of a hex text; blanks and line ends between the digits are ignored.
inline std::vector<std::uint8_t> hexBytes(const std::string& hex) {
  std::vector<std::uint8_t> out;
  std::string digits;
  for (char c : hex)
    if (c != ' ' && c != '\n') digits += c;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
    out.push_back(std::uint8_t(std::stoi(digits.substr(i, 2), nullptr, 16)));
  return out;
}

// Upper-case hex text of bytes, no separators.
inline std::string hexText(const std::uint8_t* bytes, std::size_t size) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < size; ++i) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
  return out;
}

}  // namespace qxtest
