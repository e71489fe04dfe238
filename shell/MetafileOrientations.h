#pragma once
// The metafile orientation list "Emf\\TipGraf.Set": 15 lines, line k holding
// "L" or "P", the page orientation with which Emf\\GRAFkk.EMF was saved. The
// line of a metafile is the number formed by characters 5 and 6 of its name
// ("GRAF07.EMF" has line 7); a name whose characters 5 and 6 are not a number
// from 1 to 15 has no line and is refused with a message for the user.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "WorkFolder.h"

namespace qx {

inline constexpr std::string_view kMetafileOrientationFile = "Emf\\TipGraf.Set";
inline constexpr int kMetafileCount = 15;

inline constexpr char kLandscape = 'L';
inline constexpr char kPortrait = 'P';

inline constexpr std::string_view kMetafileNameRefused =
    "Nome di metafile non valido: sono ammessi i nomi da GRAF01.EMF a GRAF15.EMF";

// A value taken for a metafile name, or the message that refuses the name.
template <typename T>
struct MetafileResult {
  std::optional<T> value;
  std::string refusal;  // empty when the name was accepted

  bool accepted() const { return value.has_value(); }

  static MetafileResult ok(T v) { return {std::move(v), {}}; }
  static MetafileResult refused() { return {std::nullopt, std::string(kMetafileNameRefused)}; }
};

// The line (1 to 15) of a metafile name.
MetafileResult<int> metafileLineNumber(std::string_view metafileName);

// The orientation saved with a metafile: "P" when a printer is available and it
// is in portrait orientation, "L" otherwise.
char orientationForSaving(bool printerAvailable, bool printerPortrait);

// Showing a metafile: the first character of its line (a blank for an empty
// line; the viewer takes "L" as landscape and anything else as portrait).
// A missing file or a file without that line raises IoError.
MetafileResult<char> readMetafileOrientation(const WorkFolder& folder, std::string_view metafileName);

// Saving a metafile: its line becomes orientationForSaving(...), every other
// line of the file is written back as it was read. Gives the character
// written. A missing file or a file without that line raises IoError, and the
// file is left as it was.
MetafileResult<char> saveMetafileOrientation(const WorkFolder& folder, std::string_view metafileName,
                                             bool printerAvailable, bool printerPortrait);

}  // namespace qx
