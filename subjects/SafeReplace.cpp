#include "SafeReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "IoError.h"

namespace qx {

namespace {

// Closes a descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

[[noreturn]] void failWrite(const std::filesystem::path& path) {
  throw IoError(IoErrorCode::WriteFailed, path.string());
}

}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path, std::size_t spare) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw IoError(ioErrorCodeFromErrno(errno), path.string());
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) throw IoError(IoErrorCode::ReadPastEnd, path.string());
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size) + spare);
  bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pread(fd.get(), bytes.data() + done, bytes.size() - done, off_t(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw IoError(IoErrorCode::ReadPastEnd, path.string());
    if (n == 0) break;  // the file shrank meanwhile: keep what was there
    done += std::size_t(n);
  }
  bytes.resize(done);
  return bytes;
}

void replaceFileContents(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path temporary = path.string() + ".new";

  // The new file takes the old one's permissions.
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;

  {
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (fd.get() < 0) throw IoError(ioErrorCodeFromErrno(errno), path.string());
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ok = false;
      else done += std::size_t(n);
    }
    // The data must be on the disk before the name points to it.
    if (ok) ok = ::fsync(fd.get()) == 0;
    if (!fd.close()) ok = false;
    if (!ok) {
      ::unlink(temporary.c_str());
      failWrite(path);
    }
  }

  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw IoError(ioErrorCodeFromErrno(error), path.string());
  }

  // Make the rename itself durable.
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0 || ::fsync(dir.get()) != 0) failWrite(path);
}

}  // namespace qx
