#pragma once
// The free texts of an archive's subjects: a folder NAME + "txt" holding
// "FlagTxt.set" (first line: the next free text number) and the texts, named
// by their number with 5 digits and ".txt" ("00001.txt").

#include <string>
#include <string_view>

#include "WorkFolder.h"

namespace qx {

// "00001.txt" for 1.
std::string textFileName(long number);

// The name of a subject's text as the hand-off files hold it:
// archive + "txt\\" + number + ".txt" ("BASEtxt\\00001.txt").
std::string subjectTextName(std::string_view archive, std::string_view number);

// Creates the archive's text folder with "FlagTxt.set" holding "1" when the
// folder is missing. Gives whether it did.
bool ensureTextFolder(const WorkFolder& folder, std::string_view archive);

// Draws a new text number: a is read from the first line of "FlagTxt.set"
// (the folder is created first when missing) and the file is rewritten with
// a + 1. When a text with number a is already present (the flag file was put
// back from an older copy), the following numbers are tried, so a new text
// never overwrites a subject's existing one. A flag file that is missing or
// does not start with a number raises IoError.
long drawTextNumber(const WorkFolder& folder, std::string_view archive);

// The first line of a new text: the first 38 characters of the name padded
// with blanks, as in the name index.
std::string subjectTextFirstLine(std::string_view name);

// Creates the text file of `number` holding its first line; gives its name as
// subjectTextName.
std::string createSubjectText(const WorkFolder& folder, std::string_view archive, long number, std::string_view name);

}  // namespace qx
