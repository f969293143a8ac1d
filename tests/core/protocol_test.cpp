#include "core/protocol.h"

#include "core/cp1251.h"
#include "core/filefail.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

namespace {

using vy::FileFailure;
using vy::ProtocolLog;
using vy::LocalTime;
using vy::test::readBytes;
namespace protocol = vy::protocol;

std::string crlfLines(const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const auto& line : utf8Lines) bytes += vy::cp1251::fromUtf8(line) + "\r\n";
    return bytes;
}

TEST(ProtocolLines, TimeAndDateUseTheRussianFormats) {
    const struct {
        LocalTime t;
        const char* time;
        const char* date;
    } rows[] = {
        {{2026, 3, 5, 9, 7, 4}, "9:07:04", "05.03.2026"},
        {{2026, 12, 31, 23, 59, 59}, "23:59:59", "31.12.2026"},
        {{999, 1, 1, 0, 0, 0}, "0:00:00", "01.01.0999"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(protocol::timeText(row.t), row.time);
        EXPECT_EQ(protocol::dateText(row.t), row.date);
        EXPECT_EQ(protocol::timeDateLine(row.t), std::string(30, ' ') + "Время: " + row.time +
                                                     std::string(8, ' ') + "Дата: " + row.date);
    }
}

TEST(ProtocolLines, FixedLinesHaveTheirAsteriskCounts) {
    const auto framed = [](int before, const char* title, int after) {
        return std::string(static_cast<std::size_t>(before), '*') + " " + title + " " +
               std::string(static_cast<std::size_t>(after), '*');
    };
    EXPECT_EQ(protocol::kProgramTitle, framed(12, "Протокол работы программы Вычислица", 12));
    EXPECT_EQ(protocol::kSystemsTitle, framed(5, "Протокол работы окна Решение систем уравнений", 4));
    EXPECT_EQ(protocol::kPowersTitle, framed(17, "Протокол работы окна Степени", 17));
    EXPECT_EQ(protocol::kEndMarker, framed(29, "конец работы окна", 22));
    EXPECT_EQ(protocol::kWindowRule, std::string(77, '*'));
}

class ProtocolLogTest : public ::testing::Test {
protected:
    vy::test::TempFolder folder;
    ProtocolLog log{folder / "Вычислица.log"};
    LocalTime when{2026, 12, 10, 9, 5, 3};
};

TEST_F(ProtocolLogTest, SessionWritesWindows1251WithCrLf) {
    log.recreate(protocol::programHeader(when));
    log.appendLine("2 + 3 = 5");
    log.append(protocol::systemsHeader(when));
    log.append(protocol::systemsFooter());
    log.appendOrRecreate(protocol::powersHeader(when));
    log.append(protocol::powersFooter());

    const std::string timeDate = protocol::timeDateLine(when);
    const std::string bytes = readBytes(log.path());
    EXPECT_EQ(bytes, crlfLines({protocol::kProgramTitle, timeDate, "2 + 3 = 5",
                                protocol::kWindowRule, protocol::kSystemsTitle, timeDate, "",
                                protocol::kEndMarker, "", protocol::kWindowRule,
                                protocol::kPowersTitle, timeDate, protocol::kEndMarker}));
    // The bytes themselves, not only a round trip through the converter.
    EXPECT_EQ(bytes.substr(0, 23), "************ \xCF\xF0\xEE\xF2\xEE\xEA\xEE\xEB \xF0");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(ProtocolLogTest, RecreateStartsAFreshFile) {
    log.recreate(protocol::programHeader(when));
    log.append({"a", "b"});
    log.recreate(protocol::programHeader(when));
    EXPECT_EQ(readBytes(log.path()), crlfLines(protocol::programHeader(when)));
}

TEST_F(ProtocolLogTest, AppendToAMissingFileFailsAndCreatesNothing) {
    try {
        log.appendLine("2 + 3 = 5");
        ADD_FAILURE() << "append succeeded";
    } catch (const FileFailure& failure) {
        EXPECT_STREQ(failure.what(), "File not found");
        EXPECT_EQ(failure.kind(), FileFailure::Kind::NotFound);
        EXPECT_EQ(failure.path(), log.path());
    }
    EXPECT_FALSE(std::filesystem::exists(log.path()));
}

TEST_F(ProtocolLogTest, PowersHeaderRecreatesAMissingFile) {
    log.appendOrRecreate(protocol::powersHeader(when));
    EXPECT_EQ(readBytes(log.path()), crlfLines(protocol::powersHeader(when)));
}

TEST(ProtocolFailures, FileErrorsCarryThePlatformMessages) {
    vy::test::TempFolder folder;
    const struct {
        std::string path;
        bool recreate;
        const char* message;
    } rows[] = {
        {folder / "missing-folder/Вычислица.log", true, "File not found"},
        {folder.path(), false, "I/O error 21"}, // a folder, not a file
        {folder.path(), true, "I/O error 21"},
        {"/dev/full", false, "Disk full"},
    };
    for (const auto& row : rows) {
        if (!std::filesystem::exists("/dev/full") && row.path == "/dev/full") continue;
        const ProtocolLog log(row.path);
        try {
            row.recreate ? log.recreate({"line"}) : log.appendLine("line");
            ADD_FAILURE() << row.path << " was written";
        } catch (const FileFailure& failure) {
            EXPECT_STREQ(failure.what(), row.message) << row.path;
        }
    }
    if (!vy::test::runningAsRoot()) {
        const ProtocolLog log(folder / "locked.log");
        log.recreate({"line"});
        ASSERT_EQ(::chmod(log.path().c_str(), 0444), 0);
        EXPECT_THROW(log.appendLine("line"), FileFailure);
    }
}

TEST(ProtocolFailures, ErrorNumbersMapToTheirMessages) {
    const struct {
        int error;
        FileFailure::Kind kind;
        const char* message;
    } rows[] = {
        {ENOENT, FileFailure::Kind::NotFound, "File not found"},
        {EACCES, FileFailure::Kind::AccessDenied, "File access denied"},
        {EPERM, FileFailure::Kind::AccessDenied, "File access denied"},
        {EROFS, FileFailure::Kind::AccessDenied, "File access denied"},
        {ENOSPC, FileFailure::Kind::DiskFull, "Disk full"},
        {EDQUOT, FileFailure::Kind::DiskFull, "Disk full"},
        {EIO, FileFailure::Kind::Other, "I/O error 5"},
        {EISDIR, FileFailure::Kind::Other, "I/O error 21"},
    };
    for (const auto& row : rows) {
        const FileFailure failure(row.error, "x.log");
        EXPECT_EQ(failure.kind(), row.kind) << row.error;
        EXPECT_STREQ(failure.what(), row.message);
        EXPECT_EQ(failure.errorNumber(), row.error);
    }
}

} // namespace
