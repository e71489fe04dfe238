#pragma once
// The runtime's input/output error: a failed open, read, write or a read past
// the end of a file. It carries the file and a numeric code; the windows let it
// reach the application's general error box, and the action stops there.

#include <stdexcept>
#include <string>

namespace qx {

enum class IoErrorCode : int {
  FileNotFound = 2,
  PathNotFound = 3,
  AccessDenied = 5,
  ReadPastEnd = 100,
  WriteFailed = 101,
  InvalidNumber = 106,
};

class IoError : public std::runtime_error {
 public:
  IoError(IoErrorCode code, std::string file);

  IoErrorCode code() const { return code_; }
  const std::string& file() const { return file_; }

 private:
  IoErrorCode code_;
  std::string file_;
};

// Maps an errno value of a failed open to the runtime's code.
IoErrorCode ioErrorCodeFromErrno(int error);

}  // namespace qx
