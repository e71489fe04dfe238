#pragma once
// Whole-file bytes for the shell tests: fixtures are written and checked byte
// for byte, CR LF included.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qxtest {

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace qxtest
