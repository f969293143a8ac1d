// The rank program: reads "m.txt" from its own folder, writes the rank of that
// matrix into "m1.txt" beside it and ends. A folder given on the command line
// is used instead (the program's files live elsewhere when its own folder is
// read-only). When the matrix cannot be read it writes nothing, which the
// matrices window reports.
#include "linalg/rank.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::filesystem::path ownFolder()
{
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? std::filesystem::path(argv[1]) : ownFolder();
    try {
        std::ifstream in(folder / vy::kRankInputFile, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "matrix: cannot read %s\n", (folder / vy::kRankInputFile).c_str());
            return 1;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const int rank = vy::MatrixRank(vy::ParseRankInput(bytes));
        // Written under another name and renamed, so the window never reads half a file.
        const std::filesystem::path answer = folder / vy::kRankAnswerFile;
        const std::filesystem::path partial = folder / (std::string(vy::kRankAnswerFile) + ".part");
        {
            std::ofstream out(partial, std::ios::binary | std::ios::trunc);
            out << vy::RankAnswerBytes(rank);
            if (!out.flush())
                throw std::runtime_error("cannot write " + partial.string());
        }
        std::filesystem::rename(partial, answer);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "matrix: %s\n", e.what());
        return 1;
    }
}
