#include "RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "IoError.h"

namespace qx {

RecordFile::RecordFile(const std::filesystem::path& path, std::size_t recordSize, Mode mode)
    : path_(path), recordSize_(recordSize) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    case Mode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  fd_ = ::open(path.c_str(), flags, 0644);
  if (fd_ < 0) throw IoError(ioErrorCodeFromErrno(errno), path_.string());
}

RecordFile::~RecordFile() {
  if (fd_ >= 0) ::close(fd_);
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_)), recordSize_(other.recordSize_), fd_(other.fd_) {
  other.fd_ = -1;
}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    path_ = std::move(other.path_);
    recordSize_ = other.recordSize_;
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void RecordFile::fail(int error) const {
  (void)error;
  throw IoError(IoErrorCode::WriteFailed, path_.string());
}

std::size_t RecordFile::count() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw IoError(IoErrorCode::ReadPastEnd, path_.string());
  return static_cast<std::size_t>(st.st_size) / recordSize_;
}

void RecordFile::read(std::size_t index, std::span<std::uint8_t> out) const {
  if (out.size() != recordSize_) throw std::invalid_argument("record of the wrong size");
  const std::size_t size = recordSize_;
  const auto offset = static_cast<off_t>(index * recordSize_);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd_, out.data() + done, size - done, offset + off_t(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw IoError(IoErrorCode::ReadPastEnd, path_.string());
    done += std::size_t(n);
  }
}

void RecordFile::write(std::size_t index, std::span<const std::uint8_t> record) {
  if (index > count()) throw IoError(IoErrorCode::ReadPastEnd, path_.string());
  const auto offset = static_cast<off_t>(index * recordSize_);
  if (record.size() != recordSize_) throw std::invalid_argument("record of the wrong size");
  const std::size_t size = recordSize_;
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd_, record.data() + done, size - done, offset + off_t(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(errno);
    done += std::size_t(n);
  }
}

void RecordFile::truncateAfter(std::size_t index) {
  if (::ftruncate(fd_, static_cast<off_t>((index + 1) * recordSize_)) != 0) fail(errno);
}

void RecordFile::sync() {
  if (::fsync(fd_) != 0) fail(errno);
}

}  // namespace qx
