#include "IndexSorting.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "IoError.h"
#include "SafeReplace.h"

namespace qx {

namespace {

constexpr std::size_t kRecord = IndexRecord::kSize;

// The whole index in memory: the records as raw bytes, and any partial record
// at the end of the file kept apart.
class IndexImage {
 public:
  explicit IndexImage(const std::filesystem::path& path) : path_(path), bytes_(readWholeFile(path, kRecord)) {
    count_ = bytes_.size() / kRecord;
    tail_.assign(bytes_.begin() + std::ptrdiff_t(count_ * kRecord), bytes_.end());
    bytes_.resize(count_ * kRecord);
  }

  std::size_t count() const { return count_; }

  std::uint8_t* at(std::size_t i) { return bytes_.data() + i * kRecord; }

  std::string_view textAt(std::size_t i) const {
    const std::uint8_t* p = bytes_.data() + i * kRecord;
    const std::size_t length = std::min<std::size_t>(p[0], kRecord - 1);
    return {reinterpret_cast<const char*>(p + 1), length};
  }

  void put(std::size_t i, const IndexRecord& record) { std::memcpy(at(i), record.data(), kRecord); }
  void copy(std::size_t from, std::size_t to) { std::memcpy(at(to), at(from), kRecord); }
  void swap(std::size_t a, std::size_t b) {
    std::uint8_t held[kRecord];
    std::memcpy(held, at(a), kRecord);
    std::memcpy(at(a), at(b), kRecord);
    std::memcpy(at(b), held, kRecord);
  }

  void append(const IndexRecord& record) {
    bytes_.resize((count_ + 1) * kRecord);
    put(count_++, record);
    tail_.clear();  // the new record is written over a partial one
  }

  void remove(std::size_t i) {
    std::memmove(at(i), at(i + 1), (count_ - i - 1) * kRecord);
    bytes_.resize(--count_ * kRecord);
    tail_.clear();  // the file is cut after its last whole record
  }

  // Positions 1..count-1 are subjects.
  void checkSubjectPosition(std::size_t position) const {
    if (position < 1 || position >= count_) throw IoError(IoErrorCode::ReadPastEnd, path_.string());
  }

  void save() {
    bytes_.insert(bytes_.end(), tail_.begin(), tail_.end());
    replaceFileContents(path_, bytes_);
  }

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint8_t> tail_;
  std::size_t count_ = 0;
};

}  // namespace

std::size_t insertSorted(const SubjectArchive& archive, const IndexRecord& record) {
  IndexImage index(archive.indexPath());
  std::size_t current;
  if (archive.isTemporary() && index.count() > 0) {
    index.put(0, record);
    current = 0;
  } else {
    // Without its placeholder record 0 the first subject would take its place
    // and never be listed: such an index is refused (TMPR alone starts empty).
    if (index.count() == 0 && !archive.isTemporary()) throw IoError(IoErrorCode::ReadPastEnd, index.path().string());
    current = index.count();
    index.append(record);
  }

  // One pass from the last position down to 2, exchanging a record with the
  // one before it when it is not greater; record 0 is never compared.
  for (std::size_t o = index.count() - 1; o >= 2; --o) {
    if (compareIndexTexts(index.textAt(o), index.textAt(o - 1)) <= 0) {
      index.swap(o, o - 1);
      if (current == o) current = o - 1;
      else if (current == o - 1) current = o;
    }
  }
  index.save();
  return current;
}

std::size_t relocateSorted(const SubjectArchive& archive, std::size_t position, const IndexRecord& record) {
  IndexImage index(archive.indexPath());
  index.checkSubjectPosition(position);
  const std::string newText = record.indexText();
  const int order = compareIndexTexts(newText, index.textAt(position));
  std::size_t p = position;
  if (order < 0) {
    while (p - 1 >= 1 && compareIndexTexts(newText, index.textAt(p - 1)) < 0) {
      index.copy(p - 1, p);
      --p;
    }
  } else if (order > 0) {
    while (p + 1 < index.count() && compareIndexTexts(newText, index.textAt(p + 1)) > 0) {
      index.copy(p + 1, p);
      ++p;
    }
  }
  index.put(p, record);
  index.save();
  return p;
}

void removeIndex(const SubjectArchive& archive, std::size_t position) {
  IndexImage index(archive.indexPath());
  index.checkSubjectPosition(position);
  index.remove(position);
  index.save();
}

}  // namespace qx
