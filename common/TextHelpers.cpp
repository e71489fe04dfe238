#include "TextHelpers.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "RealText.h"

namespace qx {

std::string padZeros(long n, int width) {
  std::string text = std::to_string(n);
  while (int(text.size()) < width) text.insert(text.begin(), '0');
  return text;
}

std::string upperCaseText(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

std::string repeatChar(int n, char c) { return n > 0 ? std::string(std::size_t(n), c) : std::string(); }

std::string trimTrailingBlanks(std::string_view s) {
  std::string out(s.substr(0, 80));
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

namespace {

bool keepsAtEnd(unsigned char c) {
  switch (c) {
    case ')':
    case '.':
    case 0xE0:  // à
    case 0xE9:  // é
    case 0xE8:  // è
    case 0xF9:  // ù
    case 0xF2:  // ò
    case 0xEC:  // ì
      return true;
    default:
      return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  }
}

}  // namespace

std::string trimTrailingJunk(std::string_view s) {
  std::string out(s);
  for (int i = 0; i < 10 && !out.empty() && !keepsAtEnd(static_cast<unsigned char>(out.back())); ++i)
    out.pop_back();
  return out;
}

std::string fixedDecimal(Extended x, int n) {
  // The scientific text " d.ddddddddddddddE+eeee" of |x|, its point moved by
  // the exponent.
  const std::string sci = formatRealText(std::fabs(x));
  const std::string digits = sci.substr(1, 1) + sci.substr(3, 14);
  const int exponent = std::atoi(sci.c_str() + 18);
  std::string plain;
  if (exponent < 0) {
    plain = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
  } else if (exponent + 1 >= int(digits.size())) {
    plain = digits + std::string(std::size_t(exponent + 1 - int(digits.size())), '0') + ".0";
  } else {
    plain = digits.substr(0, std::size_t(exponent + 1)) + "." + digits.substr(std::size_t(exponent + 1));
  }
  return plain.substr(0, std::size_t(std::max(n, 0)));
}

std::string generalFloatText(Extended x) {
  if (x == 0 || !std::isfinite(x)) return x == 0 ? "0" : formatRealText(x);
  // 15 significant digits, rounded, from the real text form's mantissa.
  const std::string sci = formatRealText(std::fabs(x));
  std::string digits = sci.substr(1, 1) + sci.substr(3, 14);
  const int exponent = std::atoi(sci.c_str() + 18);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string text = x < 0 ? "-" : "";
  if (exponent < 15 && std::fabs(x) >= 0.00001L) {
    if (exponent < 0) {
      text += "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else if (int(digits.size()) <= exponent + 1) {
      text += digits + std::string(std::size_t(exponent + 1 - int(digits.size())), '0');
    } else {
      text += digits.substr(0, std::size_t(exponent + 1)) + "," + digits.substr(std::size_t(exponent + 1));
    }
  } else {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "," + digits.substr(1);
    text += "E" + std::to_string(exponent);
  }
  return text;
}

std::string signedCorrText(Extended corr) { return std::string(-corr >= 0 ? "+" : "-") + fixedDecimal(corr, 4); }

void delaySeconds(unsigned seconds, unsigned milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds) +
                     std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace qx
