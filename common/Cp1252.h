#pragma once
// Windows-1252 is the code page of every text the program stores. The core
// keeps texts as Windows-1252 byte strings; these two conversions are used at
// the edges: file names on disk and the windows (which take UTF-8).

#include <string>
#include <string_view>

namespace qx {

std::string cp1252ToUtf8(std::string_view text);

// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace qx
