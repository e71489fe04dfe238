#pragma once
// Enhanced metafiles read from disk: the symbol pictures of the wheel
// ("Simboli\\PiaX01.emf" ...) and the sheets saved under "Emf\\".
//
// A file is checked whole when it is read: the header's sizes and counts and
// every record's size must fit the file, so playing never reads past a
// record's or the file's end. A file that does not fit raises the runtime's
// input/output error (IoErrorCode::ReadPastEnd) naming it. Unknown records
// are skipped when played.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DrawTarget.h"
#include "WorkFolder.h"

namespace qx {

// The fields of the header record that a reader or a test looks at.
struct MetafileHeader {
  // Inclusive bounds of the picture in device units.
  std::int32_t boundsLeft = 0, boundsTop = 0, boundsRight = 0, boundsBottom = 0;
  // Inclusive frame in 0.01 mm.
  std::int32_t frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
  std::uint32_t bytes = 0;    // size of the whole metafile
  std::uint32_t records = 0;  // number of records, the end-of-file record included
  std::uint16_t handles = 0;  // object table size, index 0 reserved
  std::int32_t devicePixelsX = 0, devicePixelsY = 0;  // reference device in pixels
  std::int32_t deviceMillimetresX = 0, deviceMillimetresY = 0;
};

class Metafile {
 public:
  // Checks `bytes` as a whole metafile; `name` names it in errors.
  static Metafile fromBytes(std::vector<std::uint8_t> bytes, std::string name);

  const MetafileHeader& header() const { return header_; }
  const std::string& name() const { return name_; }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  struct Record {
    std::uint32_t type = 0;
    std::uint32_t offset = 0;  // of the record in bytes()
    std::uint32_t size = 0;
  };
  const std::vector<Record>& records() const { return records_; }

  // Plays the records on target, the picture's bounds stretched into box.
  void play(DrawTarget& target, const DeviceRect& box) const;

 private:
  MetafileHeader header_;
  std::string name_;
  std::vector<std::uint8_t> bytes_;
  std::vector<Record> records_;
};

// Reads "Emf\\GRAF01.EMF", "Simboli\\PiaX01.emf" ... below the working folder;
// a missing file raises IoError (FileNotFound) naming it.
Metafile readMetafile(const WorkFolder& folder, std::string_view name);

// The symbol pictures, each read and checked once per run; a file replaced
// on disk (another size or modification time) is read again.
class MetafileCache {
 public:
  explicit MetafileCache(const WorkFolder& folder);
  const Metafile& get(std::string_view name);

 private:
  struct Entry;
  const WorkFolder& folder_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace qx
