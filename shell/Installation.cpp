#include "Installation.h"

#include "ArchiveRecords.h"
#include "IoError.h"
#include "OrbFiles.h"
#include "SafeReplace.h"
#include "TextFile.h"

namespace qx {

namespace {

bool isFolder(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

FileCondition conditionOf(const WorkFolder& folder, std::string_view name) {
  if (name == kCheckedOrbSettings) return orbSettingsCondition(folder);
  if (name == kCheckedSubjectIndex) return recordFileCondition(folder, name, IndexRecord::kSize);
  if (name == kCheckedSubjectBirth) return recordFileCondition(folder, name, BirthRecord::kSize);
  return annotationsHandOffCondition(folder);
}

// Whether every file of a group restored together is sound.
bool groupSound(const WorkFolder& folder, const std::vector<std::string_view>& names) {
  for (std::string_view name : names)
    if (conditionOf(folder, name) != FileCondition::Sound) return false;
  return true;
}

}  // namespace

std::filesystem::path builtInInstallationTree() {
#ifdef QXMORVA_INSTALL_DATA_DIR
  return std::filesystem::path(QXMORVA_INSTALL_DATA_DIR);
#else
  return {};
#endif
}

std::vector<std::filesystem::path> installationTrees(const std::filesystem::path& executableFolder) {
  std::vector<std::filesystem::path> trees;
  if (!executableFolder.empty()) {
    const std::filesystem::path shared = executableFolder / ".." / "share" / "qxmorva";
    if (isFolder(shared)) trees.push_back(shared.lexically_normal());
  }
  const std::filesystem::path builtIn = builtInInstallationTree();
  if (!builtIn.empty() && isFolder(builtIn)) {
    bool known = false;
    for (const auto& tree : trees) known = known || sameFolder(tree, builtIn);
    if (!known) trees.push_back(builtIn);
  }
  return trees;
}

FileCondition orbSettingsCondition(const WorkFolder& folder) {
  if (!folder.exists(kCheckedOrbSettings)) return FileCondition::Missing;
  try {
    const std::filesystem::path path = folder.resolve(kCheckedOrbSettings);
    parseOrbSettings(readTextLines(path), path.string());
    return FileCondition::Sound;
  } catch (const IoError&) {
    return FileCondition::Damaged;
  }
}

FileCondition recordFileCondition(const WorkFolder& folder, std::string_view name, std::size_t recordSize) {
  if (!folder.exists(name)) return FileCondition::Missing;
  std::error_code ec;
  const auto size = std::filesystem::file_size(folder.resolve(name), ec);
  if (ec || size == 0 || size % recordSize != 0) return FileCondition::Damaged;
  return FileCondition::Sound;
}

FileCondition annotationsHandOffCondition(const WorkFolder& folder) {
  if (!folder.exists(kCheckedAnnotations)) return FileCondition::Missing;
  try {
    return readTextLines(folder.resolve(kCheckedAnnotations)).empty() ? FileCondition::Damaged
                                                                       : FileCondition::Sound;
  } catch (const IoError&) {
    return FileCondition::Damaged;
  }
}

std::string restoredFileMessage(std::string_view name) {
  return "Il file \"" + std::string(name) +
         "\" mancava o era danneggiato: \xE8 stato ripristinato dalla copia di installazione.";
}

std::vector<std::string> restoreInstalledFiles(const WorkFolder& folder,
                                               const std::vector<std::filesystem::path>& trees,
                                               CheckedFiles which) {
  std::vector<std::vector<std::string_view>> groups = {{kCheckedOrbSettings}};
  if (which == CheckedFiles::All) {
    groups.push_back({kCheckedSubjectIndex, kCheckedSubjectBirth});
    groups.push_back({kCheckedAnnotations});
  }

  std::vector<std::string> restored;
  for (const auto& group : groups) {
    if (groupSound(folder, group)) continue;
    for (const std::filesystem::path& treePath : trees) {
      if (sameFolder(treePath, folder.root())) continue;
      const WorkFolder tree(treePath);
      if (!groupSound(tree, group)) continue;
      for (std::string_view name : group) {
        // A missing file comes back with the installation's spelling of its
        // name; a damaged one is replaced where it is.
        const std::filesystem::path source = tree.resolve(name);
        const std::string installedName = source.lexically_relative(treePath).generic_string();
        replaceFileContents(folder.pathForWrite(installedName), readWholeFile(source));
        restored.emplace_back(name);
      }
      break;
    }
  }
  return restored;
}

}  // namespace qx
