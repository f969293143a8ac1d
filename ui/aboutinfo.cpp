#include "ui/aboutinfo.h"

#include "core/numtext.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define VY_HAVE_TSC 1
#endif

namespace vy {

namespace {

std::string_view trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Calls each(key, value) for every "key<separator>value" line, both trimmed,
// until it returns false.
template <class Each>
void forEachEntry(std::string_view text, char separator, Each each)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t at = line.find(separator);
        if (at == std::string_view::npos)
            continue;
        if (!each(trim(line.substr(0, at)), trim(line.substr(at + 1))))
            return;
    }
}

// The first value of key, or nullopt.
std::optional<std::string_view> firstValue(std::string_view text, char separator, std::string_view key)
{
    std::optional<std::string_view> found;
    forEachEntry(text, separator, [&](std::string_view k, std::string_view v) {
        if (k != key)
            return true;
        found = v;
        return false;
    });
    return found;
}

// Leading decimal digits of text as a number (consumed from text); nullopt
// when text does not start with a digit or the number is absurdly long.
std::optional<std::uint64_t> leadingNumber(std::string_view& text)
{
    std::uint64_t value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (digits == 18)
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(text[digits] - '0');
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

// A meminfo amount in bytes ("16384000 kB").
std::optional<std::uint64_t> meminfoBytes(std::string_view meminfo, std::string_view key)
{
    std::optional<std::string_view> value = firstValue(meminfo, ':', key);
    if (!value)
        return std::nullopt;
    std::optional<std::uint64_t> amount = leadingNumber(*value);
    if (!amount)
        return std::nullopt;
    return trim(*value) == "kB" ? *amount * 1024 : *amount;
}

// An os-release value: unquoted, or in single or double quotation marks with
// backslash escapes.
std::string unquote(std::string_view value)
{
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') || value.back() != value.front())
        return std::string(value);
    const std::string_view inner = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 1 < inner.size())
            ++i;
        out += inner[i];
    }
    return out;
}

int smallNumber(std::optional<std::uint64_t> n) { return n && *n <= 1000000000u ? static_cast<int>(*n) : 0; }

} // namespace

// ---- processor -------------------------------------------------------------------

std::string processorName(std::string_view cpuinfo)
{
    for (const char* key : {"model name", "Hardware", "Processor", "cpu model"})
        if (std::optional<std::string_view> name = firstValue(cpuinfo, ':', key); name && !name->empty())
            return std::string(*name);
    return {};
}

std::string processorLine(std::string_view name) { return "Процессор: " + std::string(name); }

// ---- memory ----------------------------------------------------------------------

std::optional<MemoryStatus> parseMeminfo(std::string_view meminfo)
{
    const std::optional<std::uint64_t> total = meminfoBytes(meminfo, "MemTotal");
    if (!total || *total == 0)
        return std::nullopt;
    std::optional<std::uint64_t> available = meminfoBytes(meminfo, "MemAvailable");
    if (!available)
        available = meminfoBytes(meminfo, "MemFree").value_or(0) + meminfoBytes(meminfo, "Buffers").value_or(0) +
                    meminfoBytes(meminfo, "Cached").value_or(0);
    const std::uint64_t free = std::min(*available, *total);
    // In use, to the nearest percent.
    const long double used = static_cast<long double>(*total - free) * 100.0L / static_cast<long double>(*total);
    return MemoryStatus{*total, static_cast<int>(std::lround(used))};
}

std::string memoryLine(const MemoryStatus& memory)
{
    const long double mib = static_cast<long double>(memory.totalBytes / 1024) / 1024.0L + 4.0L / 3.0L;
    return "Память: " + FormatFixed(mib, 0) + " Мб Занято:" + std::to_string(memory.loadPercent) + "%";
}

// ---- operating system ------------------------------------------------------------------

OsVersion parseOsVersion(std::string_view osRelease, std::string_view kernelRelease, std::string_view sysname)
{
    OsVersion version;
    for (const char* key : {"PRETTY_NAME", "NAME"}) {
        if (std::optional<std::string_view> name = firstValue(osRelease, '=', key)) {
            version.name = unquote(*name);
            if (!version.name.empty())
                break;
        }
    }
    if (version.name.empty())
        version.name = std::string(sysname);

    // "6.1.0-18-amd64": major, minor, patch level, then the distribution's revision.
    std::string_view rest = trim(kernelRelease);
    version.major = smallNumber(leadingNumber(rest));
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        version.minor = smallNumber(leadingNumber(rest));
    }
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        version.build = smallNumber(leadingNumber(rest));
    }
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+' || rest.front() == '.'))
        rest.remove_prefix(1);
    version.servicePack = std::string(rest);
    return version;
}

std::string osLine(const std::optional<OsVersion>& version)
{
    const OsVersion shown = version.value_or(OsVersion{});
    return " " + shown.name + " Версия " + std::to_string(shown.major) + "." + std::to_string(shown.minor) + " " +
           shown.servicePack + " (Сборка " + std::to_string(shown.build) + ")";
}

// ---- user --------------------------------------------------------------------------

std::string userLine(std::string_view loginName) { return "Пользователь: " + std::string(loginName); }

// ---- the running system ---------------------------------------------------------------

std::optional<std::string> readSmallFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string currentProcessorName() { return processorName(readSmallFile("/proc/cpuinfo").value_or("")); }

std::optional<MemoryStatus> currentMemory()
{
    const std::optional<std::string> meminfo = readSmallFile("/proc/meminfo");
    return meminfo ? parseMeminfo(*meminfo) : std::nullopt;
}

std::optional<OsVersion> currentOsVersion()
{
    utsname system{};
    if (uname(&system) != 0)
        return std::nullopt;
    std::optional<std::string> osRelease = readSmallFile("/etc/os-release");
    if (!osRelease)
        osRelease = readSmallFile("/usr/lib/os-release");
    return parseOsVersion(osRelease.value_or(""), system.release, system.sysname);
}

// ---- processor clock -----------------------------------------------------------------

double clockMHz(std::uint64_t ticks, std::chrono::nanoseconds elapsed)
{
    if (elapsed.count() <= 0)
        return 0;
    // ticks per microsecond
    return static_cast<double>(static_cast<long double>(ticks) * 1000.0L / static_cast<long double>(elapsed.count()));
}

std::string clockLine(double mhz) { return "Частота: " + FormatFixed(mhz, 2) + " MHz"; }

bool hasTimeStampCounter()
{
#ifdef VY_HAVE_TSC
    return true;
#else
    return false;
#endif
}

std::optional<double> measureClockMHz(const std::function<bool(std::chrono::milliseconds)>& wait)
{
#ifdef VY_HAVE_TSC
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const std::uint64_t first = __rdtsc();
    if (!wait(std::chrono::milliseconds(500)))
        return std::nullopt;
    const std::uint64_t second = __rdtsc();
    const Clock::time_point end = Clock::now();
    return clockMHz(second - first, end - start);
#else
    (void)wait;
    return std::nullopt;
#endif
}

} // namespace vy
