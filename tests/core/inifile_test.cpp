#include "core/inifile.h"

#include "core/cp1251.h"
#include "core/rangefail.h"
#include "core/settingskeys.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using vy::IniFile;
using vy::cp1251::fromUtf8;
using vy::test::readBytes;
using vy::test::writeBytes;

// Settings text as it lies on disk: Windows-1251, CR LF.
std::string onDisk(std::string_view utf8) {
    std::string bytes;
    for (const char c : fromUtf8(utf8)) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

class IniFileTest : public ::testing::Test {
protected:
    vy::test::TempFolder folder;
    std::string path = folder / "Вычислица.ini";
};

TEST_F(IniFileTest, ReadsTextsWithCaseInsensitiveNamesTrimmingAndQuotes) {
    writeBytes(path, onDisk("ignored=before any section\n"
                            "[POSITION ГРАФИКИ]\n"
                            "Left = 12 \n"
                            "[ivan]\n"
                            "ОЧИШАТЬ=1\n"
                            "Ёлка=ёж\n"
                            "quoted=  \"  inner blanks kept  \"  \n"
                            "twice=\"\"x\"\"\n"
                            "lone=\"\n"
                            "tabs=\t value\t\n"
                            "equals=a=b\n"
                            "dup=first\n"
                            "dup=second\n"
                            "empty=\n"
                            "no equals sign here\n"
                            "[Tools]\n"
                            "Label24= Дискриминант  = 1\n"));
    // Lines ending in LF alone read the same.
    writeBytes(folder / "lf.ini", fromUtf8("[Lf]\nkey=value\n"));
    const IniFile ini(path);
    const struct {
        const char* section;
        const char* key;
        std::string expected;
    } rows[] = {
        {"position Графики", "left", "12"},
        {"Position графики", "LEFT", "12"},
        {"IVAN", "очишать", "1"},
        {"ivan", "ёлка", "ёж"},
        {"ivan", "quoted", "  inner blanks kept  "},
        {"ivan", "twice", "\"x\""},
        {"ivan", "lone", "\""},
        {"ivan", "tabs", "value"},
        {"ivan", "equals", "a=b"},
        {"ivan", "dup", "first"},
        {"ivan", "empty", ""},
        {"tools", "Label24", "Дискриминант  = 1"},
        {"ivan", "ignored", "<fallback>"},
        {"ivan", "no equals sign here", "<fallback>"},
        {"missing", "left", "<fallback>"},
        {"ivan", "missing", "<fallback>"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ini.readString(row.section, row.key, "<fallback>"), row.expected)
            << row.section << " / " << row.key;
    EXPECT_EQ(IniFile(folder / "lf.ini").readString("lf", "KEY", ""), "value");
}

TEST_F(IniFileTest, MissingFileGivesEveryDefault) {
    const IniFile ini(path);
    EXPECT_EQ(ini.readString("s", "k", "d"), "d");
    EXPECT_EQ(ini.readInteger("s", "k", 500), 500);
    EXPECT_TRUE(ini.readBool("s", "k", true));
    EXPECT_EQ(ini.readByte("s", "k", 7), 7);
    EXPECT_EQ(ini.readByteChecked("s", "k", 1), 1);
    EXPECT_FALSE(std::filesystem::exists(path)); // reading never creates it
}

TEST_F(IniFileTest, TextIsCutAt2047Characters) {
    writeBytes(path, "[s]\r\nk=" + std::string(3000, '\xE6') + "\r\n");
    EXPECT_EQ(IniFile(path).readString("s", "k", ""), vy::cp1251::toUtf8(std::string(2047, '\xE6')));
}

TEST(IniInteger, ParsesDecimalAndHexadecimalWholeTexts) {
    const struct {
        const char* text;
        bool ok;
        std::int32_t value;
    } rows[] = {
        {"0", true, 0},           {"-5", true, -5},        {"+7", true, 7},
        {"0x10", true, 16},       {"0X1f", true, 31},      {"$1F", true, 31},
        {"-$10", true, -16},      {"$FFFFFFFF", true, -1}, {"$80000000", true, INT32_MIN},
        {"2147483647", true, INT32_MAX},                   {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0}, {"$100000000", false, 0}, {"12abc", false, 0},
        {"1,5", false, 0},        {"1.5", false, 0},       {"", false, 0},
        {"-", false, 0},          {"$", false, 0},         {"0x", false, 0},
        {"0xG", false, 0},        {"1 2", false, 0},       {"--1", false, 0},
    };
    for (const auto& row : rows) {
        std::int32_t value = 12345;
        EXPECT_EQ(vy::parseIniInteger(row.text, value), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(value, row.value) << row.text;
        }
    }
}

TEST_F(IniFileTest, NumbersBooleansAndByteFlags) {
    writeBytes(path, onDisk("[position]\nleft=0x10\ntop= \"42\" \nbad=12abc\n"
                            "[u]\nBalloon=2\noff=0\nbig=257\nneg=-1\nmax=255\n"));
    const IniFile ini(path);
    EXPECT_EQ(ini.readInteger("position", "left", 500), 16);
    EXPECT_EQ(ini.readInteger("position", "top", 229), 42);
    EXPECT_EQ(ini.readInteger("position", "bad", 229), 229);
    EXPECT_EQ(ini.readColor("position", "left", 0), 16);
    EXPECT_TRUE(ini.readBool("u", "balloon", false));
    EXPECT_FALSE(ini.readBool("u", "off", true));
    EXPECT_TRUE(ini.readBool("position", "bad", true));
    EXPECT_EQ(ini.readByte("u", "big", 0), 1);
    EXPECT_EQ(ini.readByte("u", "neg", 0), 255);
    EXPECT_EQ(ini.readByteChecked("u", "max", 0), 255);
    EXPECT_EQ(ini.readByteChecked("position", "bad", 3), 3);
    for (const char* key : {"big", "neg"}) {
        try {
            ini.readByteChecked("u", key, 0);
            ADD_FAILURE() << key << " was accepted";
        } catch (const vy::RangeFailure& failure) {
            EXPECT_STREQ(failure.what(), "Range check error");
        }
    }
}

TEST_F(IniFileTest, WriteReplacesInPlaceAndKeepsEveryOtherByte) {
    // Mixed line endings, a comment, blank lines and odd spacing must survive.
    const std::string before = onDisk("; comment\n[position]\nleft=1\n") +
                               "TOP = 2\n\r\nstray line\r\n" + fromUtf8("[Другой]\r\nleft=3");
    writeBytes(path, before);
    IniFile ini(path);
    ini.writeInteger("Position", "top", -7);
    ini.writeString("другой", "LEFT", "Ёж");
    EXPECT_EQ(readBytes(path), onDisk("; comment\n[position]\nleft=1\n") +
                                   "top=-7\n\r\nstray line\r\n" + fromUtf8("[Другой]\r\nLEFT=Ёж"));
    EXPECT_EQ(ini.readInteger("position", "top", 0), -7);
}

TEST_F(IniFileTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEndOfTheFile) {
    writeBytes(path, onDisk("[a]\nx=1\n\n[b]\ny=2"));
    IniFile ini(path);
    ini.writeBool("A", "flag", true);
    ini.writeString("b", "z", "3");
    ini.writeColor("ivan", vy::ini::kColor, 12632256);
    ini.writeString("ivan", vy::ini::kPlotterClear, "0");
    EXPECT_EQ(readBytes(path), onDisk("[a]\nx=1\nflag=1\n\n[b]\ny=2\nz=3\n"
                                      "[ivan]\nColor=12632256\nочишать=0\n"));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileAndLeavesNoTemporaryFiles) {
    IniFile(path).writeString("tools", "Label2", "Квадрат 2 = 4");
    EXPECT_EQ(readBytes(path), onDisk("[tools]\nLabel2=Квадрат 2 = 4\n"));
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "Вычислица.ini");
    }
    EXPECT_EQ(files, 1u);
}

TEST_F(IniFileTest, EveryCodePageByteOfATextComesBack) {
    // Everything but the line breaks, between two marks so no blank is trimmed.
    std::string bytes = "<";
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    bytes += '>';
    const std::string text = vy::cp1251::toUtf8(bytes);
    IniFile(path).writeString("Пользователь Ёж", "Skin", text);
    EXPECT_EQ(IniFile(path).readString("ПОЛЬЗОВАТЕЛЬ ёж", "skin", ""), text);
    EXPECT_NE(readBytes(path).find(bytes), std::string::npos);
}

TEST_F(IniFileTest, ValuesComeBackTrimmedAndCutAtALineBreak) {
    IniFile ini(path);
    ini.writeString("tools", "Label24", " Дискриминант  = 1");
    ini.writeString("tools", "Label25", "first\r\nx=injected");
    const IniFile again(path);
    EXPECT_EQ(again.readString("tools", "Label24", ""), "Дискриминант  = 1");
    EXPECT_EQ(again.readString("tools", "Label25", ""), "first");
    EXPECT_EQ(again.readString("tools", "x", "none"), "none");
}

TEST_F(IniFileTest, GroupsOpenAtTheSameTimeDoNotUndoEachOthersWrites) {
    IniFile first(path);
    IniFile second(path);
    first.writeInteger("position", "left", 10);
    second.writeInteger("position", "top", 20);
    first.writeInteger("arc", "left", 30);
    const IniFile reread(path);
    EXPECT_EQ(reread.readInteger("position", "left", 0), 10);
    EXPECT_EQ(reread.readInteger("position", "top", 0), 20);
    EXPECT_EQ(reread.readInteger("arc", "left", 0), 30);
    // A group reads the file as it was when the group began.
    IniFile(path).writeInteger("position", "left", 11);
    EXPECT_EQ(reread.readInteger("position", "left", 0), 10);
}

TEST_F(IniFileTest, FailedWriteNamesTheFullPathAndKeepsTheOldFile) {
    // A folder that is a regular file stops writes even for root.
    writeBytes(folder / "notafolder", "x");
    const std::string blocked = folder / "notafolder/Вычислица.ini";
    try {
        IniFile(blocked).writeInteger("position", "left", 1);
        ADD_FAILURE() << "the write succeeded";
    } catch (const vy::IniWriteError& failure) {
        EXPECT_EQ(std::string(failure.what()), "Unable to write to " + blocked);
        EXPECT_EQ(failure.path(), blocked);
    }

    if (vy::test::runningAsRoot()) return; // permissions do not stop root
    writeBytes(path, "[position]\r\nleft=5\r\n");
    // A read-only file in a writable folder: renaming over it would work, yet
    // the file itself may not be written.
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(IniFile(path).writeInteger("position", "left", 6), vy::IniWriteError);
    EXPECT_EQ(readBytes(path), "[position]\r\nleft=5\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    EXPECT_THROW(IniFile(path).writeInteger("position", "left", 6), vy::IniWriteError);
    EXPECT_EQ(readBytes(path), "[position]\r\nleft=5\r\n");
}

TEST_F(IniFileTest, RelativePathIsReportedInFull) {
    // The folder part is missing, so the write fails; the message carries the
    // absolute form of the relative name.
    const std::string relative = "no-such-folder-vy/Вычислица.ini";
    const auto expected = (std::filesystem::current_path() / relative).lexically_normal().string();
    try {
        IniFile(relative).writeString("s", "k", "v");
        ADD_FAILURE() << "the write succeeded";
    } catch (const vy::IniWriteError& failure) {
        EXPECT_EQ(std::string(failure.what()), "Unable to write to " + expected);
    }
}

// A writer killed at any moment leaves the old file or the new one.
TEST_F(IniFileTest, WriterKilledMidWriteLeavesOldOrNewFile) {
    std::string oldBytes = "[big]\r\n";
    for (int i = 0; i < 4000; ++i)
        oldBytes += "key" + std::to_string(i) + "=" + std::string(40, static_cast<char>('a' + i % 26)) + "\r\n";
    const std::string bigValue(2000, 'Z');
    const auto writeNew = [&] { IniFile(path).writeString("big", "key0", bigValue); };

    writeBytes(path, oldBytes);
    const auto started = std::chrono::steady_clock::now();
    writeNew();
    const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started).count();
    const std::string newBytes = readBytes(path);
    ASSERT_NE(newBytes, oldBytes);

    std::mt19937 random(20240601);
    std::uniform_int_distribution<long> delay(0, 2 * took + 100);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        writeBytes(path, oldBytes);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                writeNew();
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const std::string now = readBytes(path);
        ASSERT_TRUE(now == oldBytes || now == newBytes)
            << "round " << round << ": broken file of " << now.size() << " bytes";
        (now == oldBytes ? sawOld : sawNew)++;
        const std::string expected = now == oldBytes ? std::string(40, 'a') : bigValue;
        EXPECT_TRUE(IniFile(path).readString("big", "key0", "") == expected) << "round " << round;
    }
    RecordProperty("old_files", sawOld);
    RecordProperty("new_files", sawNew);
}

TEST(UserSection, LoginNameIsCutAtFifteenCharacters) {
    EXPECT_EQ(vy::ini::userSection("ivan"), "ivan");
    EXPECT_EQ(vy::ini::userSection("abcdefghijklmnopq"), "abcdefghijklmno");
    EXPECT_EQ(vy::ini::userSection("ПользовательДлинный"), "ПользовательДли");
    EXPECT_EQ(vy::ini::userSection(""), "");
}

} // namespace
