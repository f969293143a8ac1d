#pragma once
// The protocol log: a Windows-1251 text file with CR LF lines in which the main
// window and two tool windows record their computations step by step. Each
// write opens the file, writes whole lines and closes it again.
#include "core/hosttypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace vy {

namespace protocol {

inline constexpr const char* kProgramTitle =
    "************ Протокол работы программы Вычислица ************";
inline constexpr const char* kSystemsTitle =
    "***** Протокол работы окна Решение систем уравнений ****";
inline constexpr const char* kPowersTitle =
    "***************** Протокол работы окна Степени *****************";
inline constexpr const char* kEndMarker =
    "***************************** конец работы окна **********************";
// The rule above each tool window's header: 77 asterisks.
inline constexpr const char* kWindowRule =
    "*****************************************************************************";
static_assert(std::string_view(kWindowRule).size() == 77);

// "H:mm:ss" and "dd.MM.yyyy", the Russian long time and short date formats.
std::string timeText(const LocalTime& t);
std::string dateText(const LocalTime& t);
// 30 blanks, "Время: ", the time, 8 blanks, "Дата: ", the date.
std::string timeDateLine(const LocalTime& t);

// The lines each writer puts around its entries.
std::vector<std::string> programHeader(const LocalTime& t); // recreate
std::vector<std::string> systemsHeader(const LocalTime& t); // append
std::vector<std::string> systemsFooter();                             // append
std::vector<std::string> powersHeader(const LocalTime& t);  // append, else recreate
std::vector<std::string> powersFooter();                              // append

} // namespace protocol

class ProtocolLog {
public:
    explicit ProtocolLog(std::string path) : path_(std::move(path)) {}

    const std::string& path() const noexcept { return path_; }

    // Empties the file (creating it when missing) and writes the lines.
    // Throws FileFailure.
    void recreate(const std::vector<std::string>& lines) const;
    // Adds the lines at the end of an existing file. A missing file is the
    // failure "File not found": the log is never started by an entry.
    void append(const std::vector<std::string>& lines) const;
    void appendLine(const std::string& line) const { append(std::vector<std::string>{line}); }
    // Appends, and when that fails with a file failure starts a new file with
    // the same lines instead (the powers window's header).
    void appendOrRecreate(const std::vector<std::string>& lines) const;

private:
    std::string path_;

    void write(int flags, const std::vector<std::string>& lines) const;
};

} // namespace vy
