// The rank program reads m.txt beside itself (or in the folder it is given)
// and writes the rank into m1.txt there.
#include "tests/core/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/wait.h>

namespace vy::test {
namespace {

int run(const std::string& commandLine)
{
    const int status = std::system(commandLine.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RankProgram, WritesTheRankBesideItself)
{
    TempFolder folder;
    const std::string program = folder / "matrix";
    std::filesystem::copy_file(VY_MATRIX_PROGRAM, program);
    writeBytes(folder / "m.txt", "1;2;3\r\n2;4;6\r\n0;0;1,5\r\n");
    EXPECT_EQ(run("cd / && '" + program + "'"), 0);
    EXPECT_EQ(readBytes(folder / "m1.txt"), "2\r\n");
}

TEST(RankProgram, UsesTheFolderItIsGiven)
{
    TempFolder folder;
    writeBytes(folder / "m.txt", "1;2\r\n2;4,5\r\n");
    EXPECT_EQ(run(std::string("'") + VY_MATRIX_PROGRAM + "' '" + folder.path() + "'"), 0);
    EXPECT_EQ(readBytes(folder / "m1.txt"), "2\r\n");
}

TEST(RankProgram, WritesNothingForAMatrixItCannotRead)
{
    TempFolder folder;
    EXPECT_NE(run(std::string("'") + VY_MATRIX_PROGRAM + "' '" + folder.path() + "' 2>/dev/null"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "m1.txt"));
    writeBytes(folder / "m.txt", "1;2\r\nx;4\r\n");
    EXPECT_NE(run(std::string("'") + VY_MATRIX_PROGRAM + "' '" + folder.path() + "' 2>/dev/null"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "m1.txt"));
}

} // namespace
} // namespace vy::test
