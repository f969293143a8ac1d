#include "core/inifile.h"

#include "core/cp1251.h"
#include "core/rangefail.h"
#include "core/wholefile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace vy {
namespace {

using Lines = std::vector<detail::IniLine>;

constexpr std::string_view kBlanks = " \t";

// Lower-case partner of every Windows-1251 byte: Latin A-Z, Cyrillic А-Я and
// the other Cyrillic capitals of the code page (Ё, Ђ, Ў, Є, І, Ї, Ґ and so on).
constexpr std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> fold{};
    for (int i = 0; i < 256; ++i) fold[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) fold[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDF; ++c) fold[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c + 0x20);
    constexpr std::pair<unsigned char, unsigned char> pairs[] = {
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E},
        {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4}, {0xA8, 0xB8}, {0xAA, 0xBA},
        {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    };
    for (const auto& [upper, lower] : pairs) fold[upper] = lower;
    return fold;
}
constexpr auto kFold = makeFoldTable();

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    return trim(line.substr(0, close));
}

// Key and raw value of a "key=value" line.
std::optional<std::pair<std::string_view, std::string_view>> entryOf(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || sectionName(line)) return std::nullopt;
    return std::pair{trim(line.substr(0, eq)), line.substr(eq + 1)};
}

// Header line and end (next header or end of file) of a section's first occurrence.
std::optional<std::pair<std::size_t, std::size_t>> findSection(const Lines& lines,
                                                               std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = sectionName(lines[i].text);
        if (!found || !sameName(*found, name)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end].text)) ++end;
        return std::pair{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const Lines& lines, std::size_t from, std::size_t to,
                                   std::string_view key) {
    for (std::size_t i = from; i < to; ++i) {
        const auto entry = entryOf(lines[i].text);
        if (entry && sameName(entry->first, key)) return i;
    }
    return std::nullopt;
}

Lines splitLines(std::string_view bytes) {
    Lines lines;
    while (!bytes.empty()) {
        const auto lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        std::string_view end;
        if (lf != std::string_view::npos) {
            end = "\n";
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
                end = "\r\n";
            }
        }
        lines.push_back({std::string(line), std::string(end)});
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    }
    return lines;
}

// Reads the whole file; a missing file is empty. False when it exists but
// cannot be read.
bool readLines(const std::string& path, Lines& lines) {
    lines.clear();
    std::string bytes;
    const int failure = readWholeFile(path, bytes);
    if (failure != 0) return failure == ENOENT;
    lines = splitLines(bytes);
    return true;
}

// Writes the new content as one whole (core/wholefile.h): readers and crashes
// see the old file or the new one.
void replaceFile(const std::string& path, const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) (bytes += line.text) += line.end;
    if (replaceWholeFile(path, bytes) != 0) throw IniWriteError(fullPath(path));
}

const detail::IniLine* findEntry(const Lines& lines, std::string_view section, std::string_view key) {
    const auto range = findSection(lines, cp1251::fromUtf8(section));
    if (!range) return nullptr;
    const auto at = findKey(lines, range->first + 1, range->second, cp1251::fromUtf8(key));
    return at ? &lines[*at] : nullptr;
}

// The entry's text as a read gives it, or nothing when the entry is missing.
std::optional<std::string> entryValue(const Lines& lines, std::string_view section, std::string_view key) {
    const auto* line = findEntry(lines, section, key);
    if (!line) return std::nullopt;
    std::string_view value = trim(entryOf(line->text)->second);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return cp1251::toUtf8(value.substr(0, IniFile::kMaxText));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

IniWriteError::IniWriteError(const std::string& fullPath)
    : std::runtime_error("Unable to write to " + fullPath), path_(fullPath) {}

bool parseIniInteger(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) return false;
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit) return false;
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<std::int32_t>(bits);
    return true;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    // An unreadable file reads as empty, like a missing one: every read has a default.
    if (!readLines(path_, lines_)) lines_.clear();
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
    return entryValue(lines_, section, key).value_or(fallback);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    const auto text = entryValue(lines_, section, key);
    std::int32_t value = 0;
    return text && parseIniInteger(*text, value) ? value : fallback;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

std::uint8_t IniFile::readByte(std::string_view section, std::string_view key,
                               std::uint8_t fallback) const {
    return static_cast<std::uint8_t>(readInteger(section, key, fallback) & 0xFF);
}

std::uint8_t IniFile::readByteChecked(std::string_view section, std::string_view key,
                                      std::uint8_t fallback) const {
    const auto value = readInteger(section, key, fallback);
    if (value < 0 || value > 255) throw RangeFailure();
    return static_cast<std::uint8_t>(value);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    // Start from the file as it is now, not as this object first saw it, so
    // entries other windows wrote in the meantime survive.
    Lines lines;
    if (!readLines(path_, lines)) throw IniWriteError(fullPath(path_));

    const std::string sectionBytes = cp1251::fromUtf8(section);
    const std::string keyBytes = cp1251::fromUtf8(key);
    const std::string entry = keyBytes + "=" + cp1251::fromUtf8(value.substr(0, value.find_first_of("\r\n")));
    const auto endLineAt = [&lines](std::size_t i) {
        if (lines[i].end.empty()) lines[i].end = "\r\n";
    };

    if (const auto range = findSection(lines, sectionBytes)) {
        const auto [header, end] = *range;
        if (const auto at = findKey(lines, header + 1, end, keyBytes)) {
            lines[*at].text = entry;
        } else {
            // After the section's last non-blank line, so blank lines that
            // separate it from the next section stay where they are.
            std::size_t last = end - 1;
            while (last > header && trim(lines[last].text).empty()) --last;
            endLineAt(last);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1), {entry, "\r\n"});
        }
    } else {
        if (!lines.empty()) endLineAt(lines.size() - 1);
        lines.push_back({"[" + sectionBytes + "]", "\r\n"});
        lines.push_back({entry, "\r\n"});
    }
    replaceFile(path_, lines);
    lines_ = std::move(lines);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

} // namespace vy
