#include "WorkFolder.h"

#include <algorithm>
#include <system_error>

#include "Cp1252.h"

namespace qx {

namespace fs = std::filesystem;

namespace {

char foldCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::vector<std::string> splitComponents(std::string_view name) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!current.empty() && current != ".") parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty() && current != ".") parts.push_back(current);
  return parts;
}

// The entry of `folder` named like `component` without regard to case, or the
// component itself when there is none.
std::string matchEntry(const fs::path& folder, const std::string& component) {
  std::error_code ec;
  if (fs::exists(folder / component, ec)) return component;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (sameFileName(entry, component)) return entry;
  }
  return component;
}

}  // namespace

bool sameFileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldCase(a[i]) != foldCase(b[i])) return false;
  return true;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
  // Classic backtracking match over "?" and "*".
  std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || foldCase(pattern[p]) == foldCase(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

WorkFolder::WorkFolder(fs::path root) : root_(std::move(root)) {}

fs::path WorkFolder::resolveComponents(std::string_view name, bool createFolders) const {
  const std::vector<std::string> parts = splitComponents(cp1252ToUtf8(name));
  // Fast path: the name exists exactly as written.
  fs::path direct = root_;
  for (const std::string& part : parts) direct /= part;
  std::error_code ec;
  if (fs::exists(direct, ec)) return direct;

  fs::path current = root_;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    current /= matchEntry(current, parts[i]);
    if (createFolders && i + 1 < parts.size() && !fs::exists(current, ec)) fs::create_directories(current, ec);
  }
  return current;
}

fs::path WorkFolder::resolve(std::string_view name) const { return resolveComponents(name, false); }

fs::path WorkFolder::pathForWrite(std::string_view name) const { return resolveComponents(name, true); }

bool WorkFolder::exists(std::string_view name) const {
  std::error_code ec;
  return fs::exists(resolve(name), ec);
}

std::vector<std::string> WorkFolder::list(std::string_view folder, std::string_view pattern) const {
  std::vector<std::string> names;
  const fs::path dir = folder.empty() ? root_ : resolve(folder);
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = utf8ToCp1252(it->path().filename().string());
    if (matchesPattern(entry, pattern)) names.push_back(entry);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace qx
