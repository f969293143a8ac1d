// Cost of the settings groups the main window runs at start and at close, and
// of one protocol entry. Writes include the flush to disk that keeps the
// settings file whole after a crash.
#include "core/inifile.h"
#include "core/protocol.h"
#include "core/settingskeys.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <cstdlib>

namespace {

namespace ini = vy::ini;

std::string scratchFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "vy-bench-XXXXXX").string();
    if (!::mkdtemp(name.data())) std::abort();
    return name + "/";
}

void closeGroup(vy::IniFile& file) {
    file.writeInteger(ini::kPosition, ini::kLeft, 500);
    file.writeInteger(ini::kPosition, ini::kTop, 229);
    for (const char* label : ini::kResultLabels)
        file.writeString(ini::kTools, label, "Сумма 2 + 3 = 5");
}

void BM_StartGroupReads(benchmark::State& state) {
    const std::string folder = scratchFolder();
    const std::string path = folder + "Вычислица.ini";
    vy::IniFile seed(path);
    closeGroup(seed);
    seed.writeColor("user", ini::kColor, ini::kSilver);
    for (auto _ : state) {
        const vy::IniFile file(path);
        int sum = file.readInteger(ini::kPosition, ini::kLeft, 500) +
                  file.readInteger(ini::kPosition, ini::kTop, 229);
        for (const char* label : ini::kResultLabels)
            sum += static_cast<int>(file.readString(ini::kTools, label, "").size());
        sum += file.readColor("user", ini::kColor, ini::kColorUnset);
        sum += file.readByte("user", ini::kOpenAnim, ini::kOpenAnimDefault);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(file.readString("user", ini::kSkin, ini::kSkinDefault));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartGroupReads)->Unit(benchmark::kMicrosecond);

void BM_CloseGroupWrites(benchmark::State& state) {
    const std::string folder = scratchFolder();
    for (auto _ : state) {
        vy::IniFile file(folder + "Вычислица.ini");
        closeGroup(file);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CloseGroupWrites)->Unit(benchmark::kMillisecond);

void BM_ProtocolEntry(benchmark::State& state) {
    const std::string folder = scratchFolder();
    const vy::ProtocolLog log(folder + "Вычислица.log");
    log.recreate(vy::protocol::programHeader({2026, 12, 10, 9, 5, 3}));
    for (auto _ : state) log.appendLine("Сумма 2 + 3 = 5");
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ProtocolEntry)->Unit(benchmark::kMicrosecond);

} // namespace
