#include "FirstLetters.h"

#include "ArchiveRecords.h"
#include "TextHelpers.h"

namespace qx {

std::string firstLettersKey(std::string_view typed) {
  return (upperCaseText(typed) + std::string(kIndexNameWidth, '!')).substr(0, kIndexNameWidth);
}

std::size_t bisectFirstLetters(std::string_view key, std::size_t count,
                               const std::function<std::string(std::size_t)>& textOf) {
  if (count == 0) return 0;
  std::size_t lo = 1;
  std::size_t hi = count;
  std::size_t mid = 0;
  std::size_t readMid = 0;  // the record whose text is in `text`
  std::string text;
  for (int step = 0; step < 100; ++step) {
    mid = (lo + hi) / 2;
    // Once lo and hi meet or neighbour each other mid stays put; its text is
    // read once.
    if (mid != readMid) {
      text = textOf(mid);
      readMid = mid;
    }
    if (compareIndexTexts(key, text) > 0) lo = mid;
    else hi = mid;
    if (lo < 1) lo = 1;
  }
  return mid;
}

std::size_t searchFirstLetters(const RecordFile& file, std::string_view typed, std::size_t count) {
  return bisectFirstLetters(firstLettersKey(typed), count,
                            [&file](std::size_t i) { return file.readRecord<IndexRecord>(i).indexText(); });
}

bool firstLettersMatch(std::string_view recordText, std::string_view typed) {
  const std::string letters = upperCaseText(typed);
  return recordText.substr(0, letters.size()) == letters;
}

}  // namespace qx
