#include "core/wholefile.h"

#include "core/filefail.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vy {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string fullPath(const std::string& path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

int replaceWholeFile(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(fullPath(path));
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return errno;

    std::string temp = target.parent_path().string();
    temp.append("/.").append(target.filename().string()).append(".XXXXXX");
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    int failure = 0;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        return failure;
    }
    // Make the rename itself durable; the data is already safe either way.
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

void saveUserFile(const std::string& path, std::string_view bytes)
{
    if (const int failure = replaceWholeFile(path, bytes); failure != 0)
        throw FileCreateFailure(failure, fullPath(path));
}

int readWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return errno;
    errno = 0;
    std::array<char, 8192> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
        bytes.append(buffer.data(), n);
    const int failure = std::ferror(f) ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(f);
    if (failure != 0)
        bytes.clear();
    return failure;
}

} // namespace vy
