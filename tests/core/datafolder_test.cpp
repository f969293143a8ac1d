#include "core/datafolder.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace {

using vy::chooseDataFolder;
using vy::test::writeBytes;

class DataFolderTest : public ::testing::Test {
protected:
    vy::test::TempFolder root;
    std::string program = root / "bin/";
    std::string home = root / "home";
    // A folder below a regular file can be created by nobody, root included.
    std::string unwritable = root / "plainfile/bin/";

    void SetUp() override {
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(home);
        writeBytes(root / "plainfile", "x");
    }
};

TEST_F(DataFolderTest, WritableProgramFolderIsUsed) {
    const auto chosen = chooseDataFolder(program, home);
    EXPECT_EQ(chosen.folder, program);
    EXPECT_EQ(chosen.settingsPath(), program + "Вычислица.ini");
    EXPECT_EQ(chosen.protocolPath(), program + "Вычислица.log");
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(program));
    // The separator is added when missing.
    EXPECT_EQ(chooseDataFolder(root / "bin", home).folder, program);
}

TEST_F(DataFolderTest, UnwritableProgramFolderFallsBackToTheUsersConfigFolder) {
    const auto chosen = chooseDataFolder(unwritable, home);
    EXPECT_EQ(chosen.folder, home + "/.config/Вычислица/");
    EXPECT_TRUE(std::filesystem::is_directory(chosen.folder));
    EXPECT_TRUE(vy::isWritableFolder(chosen.folder));
    EXPECT_EQ(chooseDataFolder(unwritable, home + "/").folder, chosen.folder);

    if (!vy::test::runningAsRoot()) {
        ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
        EXPECT_FALSE(vy::isWritableFolder(program));
        EXPECT_EQ(chooseDataFolder(program, home).folder, chosen.folder);
    }
}

TEST_F(DataFolderTest, WithoutAUsableHomeTheProgramFolderStays) {
    EXPECT_EQ(chooseDataFolder(unwritable, "").folder, unwritable);
    EXPECT_EQ(chooseDataFolder(unwritable, root / "plainfile").folder, unwritable);
}

} // namespace
