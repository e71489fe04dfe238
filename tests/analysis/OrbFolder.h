#pragma once
// A temporary working folder holding the installed orb files, and small
// helpers to read what the files hold.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TextFile.h"
#include "WorkFolder.h"

namespace qxtest {

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class OrbFolder {
 public:
  OrbFolder() : folder_(temp_.path()) {
    for (const char* name : {"FileSet/OrbiDomi.stt", "FileDum/MMVarOrb.dum"}) {
      const std::filesystem::path target = temp_.path() / name;
      std::filesystem::create_directories(target.parent_path());
      std::filesystem::copy_file(std::filesystem::path(QX_DATA_DIR) / name, target);
    }
  }

  const qx::WorkFolder& folder() const { return folder_; }
  std::filesystem::path settingsPath() const { return temp_.path() / "FileSet/OrbiDomi.stt"; }
  std::filesystem::path archivePath() const { return temp_.path() / "FileDum/MMVarOrb.dum"; }
  std::vector<std::string> settingsLines() const { return qx::readTextLines(settingsPath()); }
  std::vector<std::string> archiveLines() const { return qx::readTextLines(archivePath()); }

 private:
  TempFolder temp_;
  qx::WorkFolder folder_;
};

}  // namespace qxtest
