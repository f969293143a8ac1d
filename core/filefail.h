#pragma once
// A file failure while writing one of the program's files, with the platform's
// message: "File not found", "File access denied", "Disk full" or
// "I/O error <n>".
#include <stdexcept>
#include <string>

namespace vy {

class FileFailure : public std::runtime_error {
public:
    enum class Kind { NotFound, AccessDenied, DiskFull, Other };

    // From the errno of the failed call; path names the file for diagnostics
    // (the message itself is the platform's text alone).
    FileFailure(int errorNumber, std::string path);

    Kind kind() const noexcept { return kind_; }
    int errorNumber() const noexcept { return errorNumber_; }
    const std::string& path() const noexcept { return path_; }

    static Kind kindOf(int errorNumber) noexcept;
    static std::string messageFor(int errorNumber);

private:
    Kind kind_;
    int errorNumber_;
    std::string path_;
};

// A file the user named (a saved picture) that could not be written:
// "Cannot create file "<full path>". <reason>", the reason being one of the
// texts above.
class FileCreateFailure : public std::runtime_error {
public:
    FileCreateFailure(int errorNumber, const std::string& fullPath);
    int errorNumber() const noexcept { return errorNumber_; }

private:
    int errorNumber_;
};

} // namespace vy
