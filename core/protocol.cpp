#include "core/protocol.h"

#include "core/cp1251.h"
#include "core/filefail.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace vy {
namespace protocol {
namespace {

std::string twoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

} // namespace

std::string timeText(const LocalTime& t) {
    return std::to_string(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string dateText(const LocalTime& t) {
    char year[16];
    std::snprintf(year, sizeof year, "%04d", t.year);
    return twoDigits(t.day) + "." + twoDigits(t.month) + "." + year;
}

std::string timeDateLine(const LocalTime& t) {
    return std::string(30, ' ') + "Время: " + timeText(t) + std::string(8, ' ') + "Дата: " + dateText(t);
}

std::vector<std::string> programHeader(const LocalTime& t) {
    return {kProgramTitle, timeDateLine(t)};
}

std::vector<std::string> systemsHeader(const LocalTime& t) {
    return {kWindowRule, kSystemsTitle, timeDateLine(t)};
}

std::vector<std::string> systemsFooter() { return {"", kEndMarker}; }

std::vector<std::string> powersHeader(const LocalTime& t) {
    return {"", kWindowRule, kPowersTitle, timeDateLine(t)};
}

std::vector<std::string> powersFooter() { return {kEndMarker}; }

} // namespace protocol

void ProtocolLog::write(int flags, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const auto& line : lines) (bytes += cp1251::fromUtf8(line)) += "\r\n";

    const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC | flags, 0644);
    if (fd < 0) throw FileFailure(errno, path_);
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const auto n = ::write(fd, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw FileFailure(error, path_);
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    // Delayed write errors (a full disk on some file systems) surface here.
    if (::close(fd) != 0) throw FileFailure(errno, path_);
}

void ProtocolLog::recreate(const std::vector<std::string>& lines) const {
    write(O_CREAT | O_TRUNC, lines);
}

void ProtocolLog::append(const std::vector<std::string>& lines) const {
    write(O_APPEND, lines);
}

void ProtocolLog::appendOrRecreate(const std::vector<std::string>& lines) const {
    try {
        append(lines);
    } catch (const FileFailure&) {
        recreate(lines);
    }
}

} // namespace vy
