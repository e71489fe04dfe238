#pragma once
// The search by first letters of the subject windows: the user types the
// first letters of a name and the list moves to the last index record that
// sorts below them.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "RecordFile.h"

namespace qx {

// The search key of typed letters: each letter upper-cased, then 38 "!" and the
// whole cut to 38 characters. "!" comes just above the blank, so a name that
// continues with a blank after the typed letters sorts below the key and a
// name that continues with a letter above it.
std::string firstLettersKey(std::string_view typed);

// The bisection over records 1..count: exactly 100 halvings of lo..hi, lo
// moving up to mid when the key is greater than mid's text and hi down to mid
// otherwise. Gives the last mid: the last record below the key, but never
// beyond count - 1 when count >= 2, and 1 when no record is below the key.
// `textOf(i)` gives the compared text of record i. Gives 0, reading nothing,
// when count is 0.
std::size_t bisectFirstLetters(std::string_view key, std::size_t count,
                               const std::function<std::string(std::size_t)>& textOf);

// The search over an open name index (44-byte records) holding `count`
// subjects. Gives a position 1..count (0 when count is 0).
std::size_t searchFirstLetters(const RecordFile& file, std::string_view typed, std::size_t count);

// Whether the text of the record found begins with the typed letters
// (upper-cased as in the key): the windows show the search field in aqua when
// it does and in red when it does not.
bool firstLettersMatch(std::string_view recordText, std::string_view typed);

}  // namespace qx
