#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// when the test ends; optionally filled with a copy of the installation tree.

#include <filesystem>
#include <random>
#include <string>

namespace qxtest {

class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("qxmorva-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Copies the installation tree (data/) into the folder.
  void copyInstallation() const {
    std::filesystem::copy(QX_DATA_DIR, path_,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace qxtest
