#include "UserName.h"

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

using qx::UserName;

class UserNameFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return temp.path() / "FileTmp" / "Personal.Tmp"; }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

TEST_F(UserNameFile, MissingFileIsCreatedWithTheDefaultNames) {
  const UserName name = qx::readUserName(folder);
  EXPECT_EQ(name.FirstName, "Nome");
  EXPECT_EQ(name.Surname, "Cognome");
  EXPECT_EQ(qx::displayName(name), "Nome Cognome");
  EXPECT_EQ(readBytes(file()), "Nome\r\nCognome\r\n");
}

TEST_F(UserNameFile, NamesAreReadAsShortStringsOfEighty) {
  struct Case {
    const char* name;
    std::string content;
    std::string first, surname, display;
  };
  const std::string a90(90, 'a'), b50(50, 'b'), c50(50, 'c');
  const Case cases[] = {
      {"plain", "Mario\r\nRossi\r\n", "Mario", "Rossi", "Mario Rossi"},
      {"Windows-1252 bytes kept", "Nicol\xf2\r\nD'Agr\xe0\r\n", "Nicol\xf2", "D'Agr\xe0", "Nicol\xf2 D'Agr\xe0"},
      {"long first name", a90 + "\r\nRossi\r\n", std::string(80, 'a'), "Rossi", std::string(80, 'a')},
      {"long display name", b50 + "\r\n" + c50 + "\r\n", b50, c50, b50 + " " + std::string(29, 'c')},
      {"no surname line", "Mario\r\n", "Mario", "", "Mario "},
      {"empty file", "", "", "", " "},
      {"LF line ends", "Anna\nBianchi", "Anna", "Bianchi", "Anna Bianchi"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(file(), c.content);
    const UserName name = qx::readUserName(folder);
    EXPECT_EQ(name.FirstName, c.first);
    EXPECT_EQ(name.Surname, c.surname);
    EXPECT_EQ(qx::displayName(name), c.display);
    EXPECT_EQ(readBytes(file()), c.content);  // an existing file is only read
  }
}

TEST_F(UserNameFile, WriterCutsEachNameToEighty) {
  qx::writeUserName(folder, UserName{std::string(90, 'x'), "Verdi"});
  EXPECT_EQ(readBytes(file()), std::string(80, 'x') + "\r\nVerdi\r\n");
  EXPECT_EQ(qx::readUserName(folder), (UserName{std::string(80, 'x'), "Verdi"}));
}

}  // namespace
}  // namespace qxtest
