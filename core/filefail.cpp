#include "core/filefail.h"

#include <cerrno>

namespace vy {

FileFailure::Kind FileFailure::kindOf(int errorNumber) noexcept {
    switch (errorNumber) {
    case ENOENT: return Kind::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return Kind::AccessDenied;
    case ENOSPC:
    case EDQUOT: return Kind::DiskFull; // a spent quota is a full disk to the user
    default: return Kind::Other;
    }
}

std::string FileFailure::messageFor(int errorNumber) {
    switch (kindOf(errorNumber)) {
    case Kind::NotFound: return "File not found";
    case Kind::AccessDenied: return "File access denied";
    case Kind::DiskFull: return "Disk full";
    case Kind::Other: break;
    }
    return "I/O error " + std::to_string(errorNumber);
}

FileFailure::FileFailure(int errorNumber, std::string path)
    : std::runtime_error(messageFor(errorNumber)),
      kind_(kindOf(errorNumber)),
      errorNumber_(errorNumber),
      path_(std::move(path)) {}

FileCreateFailure::FileCreateFailure(int errorNumber, const std::string& fullPath)
    : std::runtime_error("Cannot create file \"" + fullPath + "\". " + FileFailure::messageFor(errorNumber)),
      errorNumber_(errorNumber) {}

} // namespace vy
