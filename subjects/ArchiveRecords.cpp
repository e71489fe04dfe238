#include "ArchiveRecords.h"

#include <stdexcept>

#include "TextHelpers.h"

namespace qx {

std::string AnnotationRecord::TextNumber() const {
  const std::string line = Line(4);
  return line.size() > kNoteWidth ? line.substr(kNoteWidth, kTextNumberWidth) : std::string();
}

int compareIndexTexts(std::string_view a, std::string_view b) {
  // char_traits<char> compares as unsigned char, which is the byte order.
  const int c = a.compare(b);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

std::string correctionText(long double corr) { return (corr >= 0 ? "+" : "") + generalFloatText(corr); }

std::string makeDateKey(int year, int month, int day, int hour, int minute, long double corr) {
  return padZeros(year, 4) + padZeros(month, 2) + padZeros(day, 2) + padZeros(hour, 2) + padZeros(minute, 2) +
         correctionText(corr);
}

std::string makeIndexText(std::string_view name, long recordNumber) {
  if (recordNumber < 0 || recordNumber > kLargestRecordNumber)
    throw std::invalid_argument("record number outside the 5-digit field");
  std::string text(name.substr(0, kIndexNameWidth));
  text.resize(kIndexNameWidth, ' ');
  return text + padZeros(recordNumber, int(kIndexNumberWidth));
}

std::string indexName(std::string_view indexText) {
  std::string name(indexText.substr(0, kIndexNameWidth));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::optional<long> indexNumber(std::string_view indexText) {
  if (indexText.size() < kIndexTextWidth) return std::nullopt;
  const std::string_view digits = indexText.substr(kIndexNameWidth, kIndexNumberWidth);
  long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace qx
