#include "core/datafolder.h"

#include <filesystem>
#include <system_error>

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace vy {
namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

} // namespace

bool isWritableFolder(const std::string& folder) {
    std::string probe = withSlash(folder) + ".write-probe.XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

DataFolder chooseDataFolder(const std::string& programFolder, const std::string& home) {
    const std::string program = withSlash(programFolder);
    if (isWritableFolder(program) || home.empty()) return {program};
    const std::string user = withSlash(home) + ".config/Вычислица/";
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    if (ec || !isWritableFolder(user)) return {program};
    return {user};
}

std::string userHomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
        return account->pw_dir;
    return {};
}

} // namespace vy
