#pragma once
// Whole-file reads and crash-safe whole-file replacement.
//
// A sorted name index cannot be reordered in place without a moment at which
// a record stands twice or not at all. Instead the new contents are written
// beside the file (same folder, name + ".new"), forced to the disk, and moved
// over the old file with one rename; the folder is then forced too, so that
// the rename itself survives a power cut. Whoever reads the file at any moment,
// including after the program was killed, finds either the old contents or the
// new ones. A ".new" file left behind by a crash is simply overwritten by the
// next replacement.
//
// A file handle opened before a replacement keeps seeing the old contents:
// reopen the file after replacing it.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace qx {

// Every byte of the file; a missing or unreadable file raises IoError. Room
// for `spare` more bytes is reserved, so that a record appended afterwards
// does not move the whole contents.
std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path, std::size_t spare = 0);

// Replaces (or creates) the file with `bytes` as described above. Failures
// raise IoError naming `path`; the old file is then left as it was.
void replaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace qx
