#include "UserName.h"

#include <vector>

#include "IoError.h"
#include "TextFile.h"

namespace qx {

namespace {

std::string shortText(std::string_view text) { return std::string(text.substr(0, kUserNameLength)); }

}  // namespace

UserName readUserName(const WorkFolder& folder) {
  std::vector<std::string> lines;
  try {
    lines = readTextLines(folder.resolve(kUserNameFile));
  } catch (const IoError&) {
    // A file that cannot be opened is replaced by the default names.
    const UserName defaults;
    writeUserName(folder, defaults);
    return defaults;
  }
  UserName name;
  name.FirstName = lines.size() > 0 ? shortText(lines[0]) : std::string();
  name.Surname = lines.size() > 1 ? shortText(lines[1]) : std::string();
  return name;
}

void writeUserName(const WorkFolder& folder, const UserName& name) {
  writeTextLines(folder.pathForWrite(kUserNameFile), {shortText(name.FirstName), shortText(name.Surname)});
}

std::string displayName(const UserName& name) {
  return shortText(shortText(name.FirstName) + " " + shortText(name.Surname));
}

}  // namespace qx
