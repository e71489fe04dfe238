#pragma once
// The user name file "FileTmp\\Personal.Tmp": line 1 the practitioner's first
// name, line 2 the surname, each a short string of 80 characters. The display
// name (first name + " " + surname) is derived, never stored.

#include <string>
#include <string_view>

#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kUserNameFile = "FileTmp\\Personal.Tmp";
inline constexpr std::size_t kUserNameLength = 80;

struct UserName {
  std::string FirstName = "Nome";
  std::string Surname = "Cognome";

  friend bool operator==(const UserName&, const UserName&) = default;
};

// The main window's reading at every activation: when the file cannot be
// opened it is created with "Nome" and "Cognome" and those are the values.
// Otherwise its two lines are read, each cut to 80 characters; a line the file
// does not have reads as empty, as a short string read at the end of a text
// file does.
UserName readUserName(const WorkFolder& folder);

// Writes the file anew with the two names, each cut to 80 characters.
void writeUserName(const WorkFolder& folder, const UserName& name);

// First name + " " + surname, cut to 80 characters.
std::string displayName(const UserName& name);

}  // namespace qx
