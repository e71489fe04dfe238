#pragma once
// A typed file: a plain sequence of fixed-size records with no header.
// Records are counted from 0. Every failure (missing file, short read, a
// write that does not complete) raises IoError carrying the file's name.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace qx {

class RecordFile {
 public:
  enum class Mode {
    Read,       // an existing file, read only
    ReadWrite,  // an existing file, read and write
    Create,     // a new file (an existing one is emptied), read and write
  };

  RecordFile(const std::filesystem::path& path, std::size_t recordSize, Mode mode);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;

  std::size_t recordSize() const { return recordSize_; }
  const std::filesystem::path& path() const { return path_; }

  // Whole records in the file (a trailing partial record is not counted).
  std::size_t count() const;

  void read(std::size_t index, std::span<std::uint8_t> out) const;
  // Writes record `index`; index == count() appends.
  void write(std::size_t index, std::span<const std::uint8_t> record);
  // Keeps records 0..index and cuts the rest.
  void truncateAfter(std::size_t index);
  // Forces the written records to the disk.
  void sync();

  template <class Record>
  Record readRecord(std::size_t index) const {
    Record r;
    read(index, r.bytes());
    return r;
  }
  template <class Record>
  void writeRecord(std::size_t index, const Record& r) {
    write(index, r.bytes());
  }

 private:
  [[noreturn]] void fail(int error) const;

  std::filesystem::path path_;
  std::size_t recordSize_;
  int fd_ = -1;
};

}  // namespace qx
