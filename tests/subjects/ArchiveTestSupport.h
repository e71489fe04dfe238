#pragma once
// Small archives for the subject tests, built in a temporary folder through the
// archive's own operations, and readers of what the files hold.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ArchiveRecords.h"
#include "HexBytes.h"
#include "IndexSorting.h"
#include "SubjectArchive.h"

namespace qxtest {

// An archive whose three files hold only their record 0 (as a new BASE).
inline qx::SubjectArchive makeEmptyArchive(const qx::WorkFolder& folder, const std::string& name) {
  qx::RecordFile(folder.pathForWrite(name + ".ST1"), qx::IndexRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, qx::emptyArchiveIndexRecord());
  qx::RecordFile(folder.pathForWrite(name + ".ST2"), qx::BirthRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, qx::emptyArchiveBirthRecord());
  qx::RecordFile(folder.pathForWrite(name + ".ST3"), qx::AnnotationRecord::kSize, qx::RecordFile::Mode::Create)
      .writeRecord(0, qx::defaultAnnotationRecord());
  return qx::SubjectArchive(folder, name);
}

// Registers a subject as the register window does: a birth record appended to
// NAME.ST2, then its index text inserted. Gives the index position.
inline std::size_t registerName(const qx::SubjectArchive& archive, const std::string& name) {
  qx::BirthRecord birth;
  birth.setDateKey("198001021230+1");
  const std::size_t number = archive.appendBirthRecord(birth);
  return qx::insertSorted(archive, qx::IndexRecord(qx::makeIndexText(name, long(number))));
}

// Writes the texts as index records 1..n after record 0, as they are.
inline void writeIndex(const qx::SubjectArchive& archive, const std::vector<std::string>& texts) {
  qx::RecordFile index = archive.openIndex(qx::RecordFile::Mode::ReadWrite);
  index.truncateAfter(0);
  for (std::size_t i = 0; i < texts.size(); ++i) index.writeRecord(i + 1, qx::IndexRecord(texts[i]));
}

// The index texts of records 0..n.
inline std::vector<std::string> indexTexts(const qx::SubjectArchive& archive) {
  const qx::RecordFile file = archive.openIndex();
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < file.count(); ++i) texts.push_back(file.readRecord<qx::IndexRecord>(i).indexText());
  return texts;
}

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A record of `size` zero bytes with the given hex runs at their offsets.
struct HexRun {
  std::size_t offset;
  const char* hex;
};
inline std::vector<std::uint8_t> recordFromRuns(std::size_t size, const std::vector<HexRun>& runs) {
  std::vector<std::uint8_t> bytes(size, 0);
  for (const HexRun& run : runs) {
    const std::vector<std::uint8_t> b = hexBytes(run.hex);
    std::copy(b.begin(), b.end(), bytes.begin() + std::ptrdiff_t(run.offset));
  }
  return bytes;
}

}  // namespace qxtest
