#include "IoError.h"

#include <cerrno>

namespace qx {

namespace {

const char* describe(IoErrorCode code) {
  switch (code) {
    case IoErrorCode::FileNotFound: return "file non trovato";
    case IoErrorCode::PathNotFound: return "percorso non trovato";
    case IoErrorCode::AccessDenied: return "accesso negato";
    case IoErrorCode::ReadPastEnd: return "lettura oltre la fine del file";
    case IoErrorCode::WriteFailed: return "errore di scrittura";
    case IoErrorCode::InvalidNumber: return "formato numerico non valido";
  }
  return "errore";
}

std::string messageFor(IoErrorCode code, const std::string& file) {
  return "Errore di I/O " + std::to_string(static_cast<int>(code)) + " (" + describe(code) +
         "): " + file;
}

}  // namespace

IoError::IoError(IoErrorCode code, std::string file)
    : std::runtime_error(messageFor(code, file)), code_(code), file_(std::move(file)) {}

IoErrorCode ioErrorCodeFromErrno(int error) {
  switch (error) {
    case ENOENT: return IoErrorCode::FileNotFound;
    case ENOTDIR: return IoErrorCode::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return IoErrorCode::AccessDenied;
    default: return IoErrorCode::WriteFailed;
  }
}

}  // namespace qx
