#include "RealText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qx {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of `s` (sign, digits, one
// separator, digits, optional exponent); 0 when there is none.
std::size_t numberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < s.size() && isDigit(s[j])) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i;
}

std::optional<Extended> convert(std::string_view number) {
  std::string text(number);
  bool negative = false;
  std::size_t start = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    start = 1;
  }
  for (char& c : text)
    if (c == ',') c = '.';
  Extended value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

std::string formatRealText(Extended value) {
  if (!std::isfinite(value)) return std::isnan(value) ? " Nan" : (value < 0 ? "-Inf" : " +Inf");
  char digits[64];
  const Extended magnitude = std::fabs(value);
  const auto result = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::scientific, 14);
  const std::string_view text(digits, std::size_t(result.ptr - digits));  // d.ddddddddddddddde[+-]dd
  const std::size_t e = text.find('e');
  const std::string_view mantissa = text.substr(0, e);
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
  std::string out;
  out += (value < 0) ? '-' : ' ';
  out += mantissa;
  out += 'E';
  out += exponentText;
  return out;
}

std::optional<Extended> parseReal(std::string_view text) {
  text = trimBlanks(text);
  const std::size_t length = numberLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return convert(text);
}

std::optional<long long> parseInteger(std::string_view text) {
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<Extended> leadingReal(std::string_view line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  const std::size_t length = numberLength(line);
  if (length == 0) return std::nullopt;
  return convert(line.substr(0, length));
}

std::optional<long long> leadingInteger(std::string_view line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  std::size_t i = 0;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  while (i < line.size() && isDigit(line[i])) ++i;
  if (i == digitsStart) return std::nullopt;
  return parseInteger(line.substr(0, i));
}

}  // namespace qx
