#pragma once
// Text files of the program: Windows-1252 bytes, one value per line, lines
// ended by CR LF. Reading also takes a last line without an end and lines ended
// by LF alone. Texts stay Windows-1252 byte strings in the core.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Extended.h"

namespace qx {

// All lines of the file; a missing or unreadable file raises IoError.
std::vector<std::string> readTextLines(const std::filesystem::path& path);

// Writes the file anew, every line followed by CR LF.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Appends one line (CR LF) to the file, creating it when missing.
void appendTextLine(const std::filesystem::path& path, std::string_view line);

// Line `index` (from 0) of `lines`, or raises IoError(ReadPastEnd) naming
// `file` when the file has fewer lines: reading past the end of a text file is
// the runtime's error too.
const std::string& lineAt(const std::vector<std::string>& lines, std::size_t index,
                          const std::filesystem::path& file);

}  // namespace qx
