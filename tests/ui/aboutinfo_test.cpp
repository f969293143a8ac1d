// What the about window shows of the computer: the facts parsed from the
// system's own texts, and the fixed forms of its lines.
#include "ui/aboutinfo.h"

#include <gtest/gtest.h>

#include <thread>

namespace vy {
namespace {

using namespace std::chrono_literals;

TEST(AboutInfo, ProcessorNameIsTheFirstModelNameOfCpuinfo)
{
    const char* x86 = "processor\t: 0\nvendor_id\t: GenuineIntel\n"
                      "model name\t: Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\nflags\t\t: fpu tsc\n\n"
                      "processor\t: 1\nmodel name\t: other\n";
    EXPECT_EQ(processorName(x86), "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
    // Boards whose cpuinfo names the processor otherwise.
    EXPECT_EQ(processorName("processor\t: 0\nBogoMIPS\t: 38.40\n\nHardware\t: BCM2835\nRevision\t: a02082\n"),
              "BCM2835");
    EXPECT_EQ(processorName(""), "");
    EXPECT_EQ(processorLine("AMD EPYC"), "Процессор: AMD EPYC");
    EXPECT_EQ(processorLine(""), "Процессор: ");
}

TEST(AboutInfo, MeminfoGivesTheTotalAndTheShareInUse)
{
    const auto status = parseMeminfo("MemTotal:         524288 kB\nMemFree:           10000 kB\n"
                                     "MemAvailable:     131072 kB\nBuffers:  1 kB\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalBytes, 512ull << 20);
    EXPECT_EQ(status->loadPercent, 75);

    // An old kernel without MemAvailable: free, buffers and page cache are available.
    const auto old = parseMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 200 kB\n");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->loadPercent, 65);

    EXPECT_FALSE(parseMeminfo("MemFree: 100 kB\n"));
    EXPECT_FALSE(parseMeminfo("MemTotal: 0 kB\n"));
}

TEST(AboutInfo, MemoryLineAddsFourThirdsToTheMebibytesAndRounds)
{
    struct Row {
        std::uint64_t totalBytes;
        int load;
        const char* line;
    };
    const Row rows[] = {
        {512ull << 20, 75, "Память: 513 Мб Занято:75%"},
        {(512ull << 20) + 1023, 0, "Память: 513 Мб Занято:0%"},       // a partial KiB is dropped
        {(512ull << 20) - 853 * 1024, 3, "Память: 513 Мб Занято:3%"}, // 511.1670 + 4/3 = 512.5003
        {(512ull << 20) - 854 * 1024, 3, "Память: 512 Мб Занято:3%"}, // 511.1660 + 4/3 = 512.4993
        {16ull << 30, 100, "Память: 16385 Мб Занято:100%"},
        // Beyond what a 32-bit total could hold.
        {(64ull << 30) + (5ull << 20), 12, "Память: 65542 Мб Занято:12%"},
        {0, 0, "Память: 1 Мб Занято:0%"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(memoryLine({r.totalBytes, r.load}), r.line) << r.totalBytes;
}

TEST(AboutInfo, OperatingSystemLineFromOsReleaseAndTheKernel)
{
    struct Row {
        const char* osRelease;
        const char* kernel;
        const char* line;
    };
    const Row rows[] = {
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "6.1.0-18-amd64\n",
         " Debian GNU/Linux 12 (bookworm) Версия 6.1 18-amd64 (Сборка 0)"},
        {"NAME=Fedora\n", "6.18.44-fc-v1607", " Fedora Версия 6.18 fc-v1607 (Сборка 44)"},
        {"PRETTY_NAME='Its \\'own\\' \"name\"'\n", "5.15", " Its 'own' \"name\" Версия 5.15  (Сборка 0)"},
        {"", "4.19.0+", " Linux Версия 4.19  (Сборка 0)"},
        {"PRETTY_NAME=\"\"\nNAME=Alpine Linux", "odd", " Alpine Linux Версия 0.0 odd (Сборка 0)"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(osLine(parseOsVersion(r.osRelease, r.kernel, "Linux")), r.line) << r.kernel;
    // No version known: two blanks lead and every number is 0.
    EXPECT_EQ(osLine(std::nullopt), "  Версия 0.0  (Сборка 0)");
}

TEST(AboutInfo, ClockFromTicksOverTheTimeThatPassed)
{
    EXPECT_DOUBLE_EQ(clockMHz(1'300'000'000, 500ms), 2600.0);
    // 10 GHz over half a second is more ticks than 32 bits hold.
    EXPECT_DOUBLE_EQ(clockMHz(5'000'000'000, 500ms), 10000.0);
    EXPECT_DOUBLE_EQ(clockMHz(123, 0ns), 0.0);
    EXPECT_EQ(clockLine(2893.449), "Частота: 2893,45 MHz");
    EXPECT_EQ(clockLine(800), "Частота: 800,00 MHz");
    EXPECT_EQ(userLine("tester"), "Пользователь: tester");
}

TEST(AboutInfo, MeasuringTheCounterWaitsOnceAndCanBeCalledOff)
{
    if (!hasTimeStampCounter())
        GTEST_SKIP() << "no time-stamp counter on this processor";
    int waits = 0;
    const auto measured = measureClockMHz([&](std::chrono::milliseconds asked) {
        ++waits;
        EXPECT_EQ(asked, 500ms);
        std::this_thread::sleep_for(20ms); // the rate does not depend on how long
        return true;
    });
    EXPECT_EQ(waits, 1);
    ASSERT_TRUE(measured);
    EXPECT_GT(*measured, 100.0);
    EXPECT_FALSE(measureClockMHz([](std::chrono::milliseconds) { return false; }));
}

TEST(AboutInfo, TheRunningSystemIsRead)
{
    // Whatever machine runs the tests has a kernel and memory.
    const auto os = currentOsVersion();
    ASSERT_TRUE(os);
    EXPECT_FALSE(os->name.empty());
    EXPECT_GT(os->major, 0);
    const auto memory = currentMemory();
    ASSERT_TRUE(memory);
    EXPECT_GT(memory->totalBytes, 0u);
    EXPECT_GE(memory->loadPercent, 0);
    EXPECT_LE(memory->loadPercent, 100);
    EXPECT_FALSE(readSmallFile("/no/such/file"));
}

} // namespace
} // namespace vy
