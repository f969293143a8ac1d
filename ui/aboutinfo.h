#pragma once
// The facts the about window shows about the computer, and the texts it shows
// them in. The texts have fixed forms; the facts come from the running Linux
// system: /proc/cpuinfo, /proc/meminfo, os-release and the kernel's uname.
// Parsing is separate from reading, so every form is tested on fixed texts.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vy {

// ---- processor ----------------------------------------------------------------

// The processor's marketing name: the first "model name" line of cpuinfo (on
// processors whose cpuinfo has none, "Hardware" or "Processor"); empty when
// there is none.
std::string processorName(std::string_view cpuinfo);
// "Процессор: <name>" (the prefix alone when the name is unknown).
std::string processorLine(std::string_view name);

// ---- memory -------------------------------------------------------------------

struct MemoryStatus {
    std::uint64_t totalBytes = 0;
    int loadPercent = 0; // memory in use, 0..100
};

// MemTotal and MemAvailable of meminfo (kernels without MemAvailable: free +
// buffers + page cache). nullopt when MemTotal is missing or zero.
std::optional<MemoryStatus> parseMeminfo(std::string_view meminfo);
// "Память: <M> Мб Занято:<load>%", M = whole KiB of the total / 1024 + 4/3,
// rounded to a whole number (512 MiB shows as 513). The total is 64-bit, so
// memory beyond 4 GiB is shown as it is.
std::string memoryLine(const MemoryStatus& memory);

// ---- operating system -----------------------------------------------------------

struct OsVersion {
    std::string name;        // the distribution's own name, e.g. "Debian GNU/Linux 12 (bookworm)"
    int major = 0;           // kernel version, e.g. 6.1.0-18-amd64: 6 ...
    int minor = 0;           // ... 1 ...
    std::string servicePack; // ... the distribution's revision "18-amd64" ...
    int build = 0;           // ... and the patch level 0
};

// From the text of os-release (PRETTY_NAME, else NAME, else sysname) and the
// kernel release.
OsVersion parseOsVersion(std::string_view osRelease, std::string_view kernelRelease, std::string_view sysname);
// " <name> Версия <major>.<minor> <service pack> (Сборка <build>)"; without a
// version (nullopt): "  Версия 0.0  (Сборка 0)".
std::string osLine(const std::optional<OsVersion>& version);

// ---- user -----------------------------------------------------------------------

// "Пользователь: <login name>".
std::string userLine(std::string_view loginName);

// ---- the running system -------------------------------------------------------------

// A whole small text file (procfs files report no size, so it is read to its
// end); nullopt when it cannot be opened.
std::optional<std::string> readSmallFile(const std::string& path);

// The current facts, read now.
std::string currentProcessorName();
std::optional<MemoryStatus> currentMemory();
std::optional<OsVersion> currentOsVersion();

// ---- processor clock --------------------------------------------------------------

// The clock in MHz from a count of time-stamp counter ticks over an elapsed
// time; 0 for no time.
double clockMHz(std::uint64_t ticks, std::chrono::nanoseconds elapsed);
// "Частота: <MHz with two decimals, decimal comma> MHz".
std::string clockLine(double mhz);

// Whether this processor has a time-stamp counter we can read.
bool hasTimeStampCounter();
// Measures the time-stamp counter's rate over about half a second: reads it,
// calls wait(500 ms), reads it again, and divides the 64-bit difference by the
// time that really passed. nullopt without a counter or when wait returns
// false (the measurement was called off). Blocks the calling thread, so it
// belongs on a worker.
std::optional<double> measureClockMHz(const std::function<bool(std::chrono::milliseconds)>& wait);

} // namespace vy
