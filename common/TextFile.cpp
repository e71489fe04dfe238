#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "IoError.h"

namespace qx {

std::vector<std::string> readTextLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::error_code ec;
    const bool present = std::filesystem::exists(path, ec);
    throw IoError(present ? IoErrorCode::AccessDenied : IoErrorCode::FileNotFound, path.string());
  }
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.emplace_back(content, start, stop - start);
    start = last ? content.size() : end + 1;
  }
  return lines;
}

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) {
    content += line;
    content += "\r\n";
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw IoError(ioErrorCodeFromErrno(errno), path.string());
  out.write(content.data(), std::streamsize(content.size()));
  out.close();
  if (!out) throw IoError(IoErrorCode::WriteFailed, path.string());
}

void appendTextLine(const std::filesystem::path& path, std::string_view line) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  if (!out) throw IoError(ioErrorCodeFromErrno(errno), path.string());
  out.write(line.data(), std::streamsize(line.size()));
  out.write("\r\n", 2);
  out.close();
  if (!out) throw IoError(IoErrorCode::WriteFailed, path.string());
}

const std::string& lineAt(const std::vector<std::string>& lines, std::size_t index,
                          const std::filesystem::path& file) {
  if (index >= lines.size()) throw IoError(IoErrorCode::ReadPastEnd, file.string());
  return lines[index];
}

}  // namespace qx
