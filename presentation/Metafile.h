#pragma once
// Enhanced metafiles read from disk: the symbol pictures of the wheel
// ("Simboli\\PiaX01.emf" ...) and the sheets saved under "Emf\\".
//
// A file is checked whole when it is read: the header's sizes and counts and
// every record's size must fit the file, so playing never reads past a
// record's or the file's end. A file that does not fit raises the runtime's
// input/output error (IoErrorCode::ReadPastEnd) naming it. Unknown records
// are skipped when played.
//
// What is checked: the first record is the header (type 1, at least 88 bytes,
// the " EMF" signature, at least one handle); the header's byte count is at
// most the file's size (bytes after it, as some copies pad a file, are
// ignored), and the records fill exactly that many bytes, each at least 8
// bytes, a multiple of 4, the end-of-file record last and only there; the
// header's record count is the number of records. The records that are
// played must hold what their counts and offsets say (points of polygons,
// the counts of polypolygons summing to their total, text and advance widths
// inside the record) and name object slots inside the object table.

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
  // The reference device in micrometres, from headers that carry it (0 when
  // absent): a finer form of the millimetre size.
  std::int32_t deviceMicrometresX = 0, deviceMicrometresY = 0;
  std::uint32_t headerSize = 0;  // of the header record
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

  // Plays the records on target, the picture stretched into box (x and y
  // independently): the header's frame, taken to device units of the
  // reference device, goes onto the box, or the bounds when the frame is
  // empty. Points arrive unrounded; pen widths and font sizes follow the
  // stretch. Pens, brushes, fonts, stock objects, colours, the text
  // background, move/line, arc, ellipse, rectangle, polygons, polylines,
  // polypolygons and text reach the target as its own calls; other records
  // are skipped. Polygons are filled by the winding rule whatever fill mode
  // the file sets.
  void play(DrawTarget& target, const DeviceRect& box) const;

  // The picture's inclusive extent in device units as `play` takes it: the
  // frame through the reference device, or the bounds.
  DeviceRect extent() const;

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
// on disk (another size or modification time) is read again. The reference
// `get` returns stays valid until `get` reads that same name again.
class MetafileCache {
 public:
  explicit MetafileCache(const WorkFolder& folder);
  ~MetafileCache();
  MetafileCache(const MetafileCache&) = delete;
  MetafileCache& operator=(const MetafileCache&) = delete;
  const Metafile& get(std::string_view name);

 private:
  struct Entry;
  const WorkFolder& folder_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace qx
