#pragma once
// The working folder and the one place that turns the program's file names
// ("FileSet\\OrbiDomi.Stt", "BASEtxt/00001.txt") into real paths below it.
//
// Names are Windows-1252 texts with "\" or "/" between components. Each
// component is matched against the folder's entries without regard to letter
// case, so "FileSet\\OrbiDomi.Stt" finds "fileset/ORBIDOMI.stt". A component
// with no match keeps the spelling it was given: that is how new files and
// folders are named. Writers use `pathForWrite`, which also creates any missing
// folders, so a new file never appears beside an existing one that differs only
// in case.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

class WorkFolder {
 public:
  explicit WorkFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }

  // The real path of `name`: existing components matched without regard to
  // case, missing ones spelt as given.
  std::filesystem::path resolve(std::string_view name) const;

  // As `resolve`, creating the missing folders on the way to the file.
  std::filesystem::path pathForWrite(std::string_view name) const;

  bool exists(std::string_view name) const;

  // Entries of `folder` ("" for the working folder itself) whose names match
  // `pattern` without regard to case; "?" stands for one character and "*" for
  // any run of characters. Names are returned as found on disk (as
  // Windows-1252 texts), sorted.
  std::vector<std::string> list(std::string_view folder, std::string_view pattern) const;

 private:
  std::filesystem::path resolveComponents(std::string_view name, bool createFolders) const;

  std::filesystem::path root_;
};

// Case-blind comparison of two file-name components (ASCII letters fold).
bool sameFileName(std::string_view a, std::string_view b);

// "?" and "*" pattern match, case-blind.
bool matchesPattern(std::string_view name, std::string_view pattern);

}  // namespace qx
