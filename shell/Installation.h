#pragma once
// The installation tree and the files of it the main window cannot work
// without.
//
// The installation tree is the folder the program was installed from: the
// files a new working folder starts with. An installed program finds it in
// "<folder of the executable>/../share/qxmorva"; a program run from its build
// folder uses the tree it was built from (compiled in as
// QXMORVA_INSTALL_DATA_DIR).
//
// Four files are read at every activation and belong to the installed
// system: "FileSet\\OrbiDomi.Stt", "TMPR.ST1", "TMPR.ST2" and
// "FileDum\\Annotaz.dum". Before they are used, each is checked; one that is
// missing or damaged is put back from the installation tree, and the user is
// told which file was put back. "Damaged" means:
//   - "FileSet\\OrbiDomi.Stt": the 20 lines cannot be read as orb settings;
//   - "TMPR.ST1", "TMPR.ST2": the size is not a whole, positive number of
//     records (44 and 385 bytes);
//   - "FileDum\\Annotaz.dum": the file holds no line at all.
// "TMPR.ST1" and "TMPR.ST2" are one current subject, so when either is put
// back both are, from the same tree: a name of one subject beside the birth
// data of another would be worse than either. A file that no tree holds in a
// sound state is left as it is; reading it then raises the input/output error
// that the general error box shows.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "WorkFolder.h"

namespace qx {

// The trees to restore from, in the order they are tried: the installed
// program's share folder (when it exists), then the tree built in. A tree
// that does not exist is left out.
std::vector<std::filesystem::path> installationTrees(const std::filesystem::path& executableFolder);

// The tree the program was built from; empty when none was compiled in.
std::filesystem::path builtInInstallationTree();

enum class FileCondition { Sound, Missing, Damaged };

// The checks described above, one per kind of file.
FileCondition orbSettingsCondition(const WorkFolder& folder);
FileCondition recordFileCondition(const WorkFolder& folder, std::string_view name, std::size_t recordSize);
FileCondition annotationsHandOffCondition(const WorkFolder& folder);

// The names of the checked files as they are shown to the user.
inline constexpr std::string_view kCheckedOrbSettings = "FileSet\\OrbiDomi.Stt";
inline constexpr std::string_view kCheckedSubjectIndex = "TMPR.ST1";
inline constexpr std::string_view kCheckedSubjectBirth = "TMPR.ST2";
inline constexpr std::string_view kCheckedAnnotations = "FileDum\\Annotaz.dum";

// The message for a file put back (Windows-1252): Il file "NAME" mancava o
// era danneggiato: è stato ripristinato dalla copia di installazione.
std::string restoredFileMessage(std::string_view name);

// Which of the four files to check.
enum class CheckedFiles { OrbSettingsOnly, All };

// Checks the files and puts back those missing or damaged from the first tree
// whose copy is sound; a tree that is the working folder itself is skipped.
// Gives the names of the files put back, in the order above. A failed copy
// raises IoError.
std::vector<std::string> restoreInstalledFiles(const WorkFolder& folder,
                                               const std::vector<std::filesystem::path>& trees,
                                               CheckedFiles which = CheckedFiles::All);

}  // namespace qx
