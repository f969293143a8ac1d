#pragma once
// The settings file: "[section]" lines followed by key=value lines, stored in
// Windows-1251. Section and key names match without regard to letter case
// (Latin and Cyrillic). Names and values are UTF-8 at this interface.
//
// An IniFile object is one group of accesses: constructing it reads the file as
// it is now, and every write re-reads the file, changes the one entry and puts
// the whole file back at once, so two windows that hold the file open never
// undo each other's entries. A write replaces the file atomically (temporary
// file beside it, flushed to disk, renamed over the old one): a crash during a
// write leaves either the old or the new file, never a truncated one.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vy {

// A write that could not reach the disk: "Unable to write to <full path>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::string& fullPath);
    const std::string& path() const noexcept { return path_; }

private:
    std::string path_;
};

namespace detail {
// A raw Windows-1251 line and its own line ending ("\r\n", "\n", or none at
// the end of the file), so that lines a write does not touch go back to the
// file byte for byte.
struct IniLine {
    std::string text;
    std::string end;
};
} // namespace detail

class IniFile {
public:
    // Opens the file at path; a missing or unreadable file reads as empty.
    explicit IniFile(std::string path);

    const std::string& path() const noexcept { return path_; }

    // Text after "=", blanks at both ends removed, one pair of enclosing double
    // quotation marks dropped, at most kMaxText characters.
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    // Decimal, or hexadecimal after "$", "0x" or "0X", optionally signed; any
    // other text gives the fallback. Hexadecimal beyond 0x7FFFFFFF wraps to a
    // negative value, as colours written that way expect.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // A colour is the platform's integer colour value.
    std::int32_t readColor(std::string_view section, std::string_view key,
                           std::int32_t fallback) const {
        return readInteger(section, key, fallback);
    }
    // Non-zero integer is true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    // Byte flag: the integer's low byte.
    std::uint8_t readByte(std::string_view section, std::string_view key,
                          std::uint8_t fallback) const;
    // Byte flag with a range check: a value outside 0..255 throws RangeFailure.
    std::uint8_t readByteChecked(std::string_view section, std::string_view key,
                                 std::uint8_t fallback) const;

    // Each write reaches the disk before it returns; a failure throws
    // IniWriteError and leaves the file as it was. A value is one line of the
    // file, so a text is cut at its first line break (written whole, the rest
    // would turn into stray lines that later reads take for entries).
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeColor(std::string_view section, std::string_view key, std::int32_t value) {
        writeInteger(section, key, value);
    }
    void writeBool(std::string_view section, std::string_view key, bool value);

    static constexpr std::size_t kMaxText = 2047;

private:
    std::string path_;
    std::vector<detail::IniLine> lines_;
};

// Whole-text integer parse with the rules of IniFile::readInteger.
bool parseIniInteger(std::string_view text, std::int32_t& value);

} // namespace vy
