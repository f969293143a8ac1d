// libFuzzer target for the settings file: any bytes as the file, then the keys
// of the catalogue read with every typed read, and for every fourth input one
// write chosen from the input. A plain reading of the documented format is the reference: its
// names compared through the C library's Windows-1251 table and lower-casing,
// its values trimmed, unquoted, cut and decoded by hand. The write must change
// only its own line (or add the documented lines), leave every other key as it
// was, and read back, through the code page, as what was written.
#include "core/cp1251.h"
#include "core/inifile.h"
#include "core/rangefail.h"
#include "core/settingskeys.h"
#include "tests/support/fuzzcheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <filesystem>
#include <locale.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using vy::IniFile;
using vy::fuzz::check;
using vy::fuzz::difference;
namespace ini = vy::ini;

std::string_view gInput;

template <typename Message>
void expect(bool ok, const Message& what) {
    check(ok, what, gInput);
}

const vy::fuzz::ReferenceCodePage& codePage() {
    static const vy::fuzz::ReferenceCodePage page;
    return page;
}

// ---- the catalogue --------------------------------------------------------

struct Key {
    std::string section; // UTF-8, as the windows name it
    std::string name;
    std::string sectionBytes; // Windows-1251, as the file holds it
    std::string nameBytes;
};

std::vector<Key> catalogue() {
    std::vector<Key> keys;
    const auto add = [&keys](const std::string& section, const char* name) {
        keys.push_back({section, name, codePage().fromUtf8(section), codePage().fromUtf8(name)});
    };
    for (const ini::WindowPlace& place :
         {ini::kPlaceForm1, ini::kPlaceForm2, ini::kPlaceForm4, ini::kPlaceForm5, ini::kPlaceForm6, ini::kPlaceForm8,
          ini::kPlaceForm9, ini::kPlaceForm10, ini::kPlaceForm11, ini::kPlaceForm17, ini::kPlaceForm21,
          ini::kPlaceForm22, ini::kPlaceForm23, ini::kPlaceForm24, ini::kPlaceForm25, ini::kPlaceForm26})
        for (const char* name : {place.left, place.top, place.width, place.height})
            if (name) add(place.section, name);
    for (const char* label : ini::kResultLabels) add(ini::kTools, label);
    add(ini::kAbout, ini::kAboutLabel8);
    // A Cyrillic login name longer than a section name may be.
    const std::string user = ini::userSection("Преподаватель_математики");
    for (const char* name : {ini::kColor, ini::kFontColor, ini::kSize, ini::kFontStyle, ini::kOpenAnim,
                             ini::kCloseAnim, ini::kBalloon, ini::kSkin, ini::kPlotterClear, ini::kPlotterAxes,
                             ini::kPlotterShowSettings})
        add(user, name);
    for (const char* name : ini::kPlotterColors) add(user, name);
    for (const char* name : ini::kChartColors) add(user, name);
    return keys;
}

// ---- the reference reading ------------------------------------------------

// Names match when every byte's character lower-cases to the same character.
class Folding {
public:
    Folding() {
        const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (!utf8) vy::fuzz::fail("no C.UTF-8 locale for lower-casing", {});
        for (int b = 0; b < 256; ++b)
            lower_[static_cast<std::size_t>(b)] =
                static_cast<char32_t>(towlower_l(static_cast<wint_t>(codePage().codePoint(static_cast<unsigned char>(b))), utf8));
        freelocale(utf8);
        if (lower_[0xA8] != lower_[0xB8] || lower_['Q'] != 'q') vy::fuzz::fail("the C.UTF-8 locale does not lower-case", {});
    }
    bool same(std::string_view a, std::string_view b) const {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (lower_[static_cast<unsigned char>(a[i])] != lower_[static_cast<unsigned char>(b[i])]) return false;
        return true;
    }

private:
    std::array<char32_t, 256> lower_{};
};

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The value as a read gives it, still in Windows-1251.
std::string_view valueBytes(std::string_view raw) {
    raw = trim(raw);
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
    return raw.substr(0, IniFile::kMaxText);
}

// Whole-text integer: sign, then "$", "0x" or "0X" and hexadecimal digits up
// to 32 bits (taken modulo 2^32), or decimal digits within the 32-bit range.
std::optional<std::int32_t> referenceInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.substr(0, 1) == "$") {
        base = 16;
        text.remove_prefix(1);
    } else if (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X") {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    for (const char c : text)
        if (!(base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
            return std::nullopt;
    errno = 0;
    const unsigned long long magnitude = std::strtoull(std::string(text).c_str(), nullptr, base);
    if (errno == ERANGE) return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFull) return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(magnitude);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude));
}

// The file split into lines at LF; a CR right before the LF belongs to the
// line's ending, any other CR to its text.
class ReferenceIni {
public:
    struct Line {
        std::size_t begin, textEnd, end;
    };
    struct Place {
        std::optional<std::size_t> header; // the section's first "[name]" line
        std::size_t sectionEnd = 0;         // the next "[...]" line, or the line count
        std::optional<std::size_t> entry;   // the key's first line in that section
    };

    ReferenceIni(std::string_view bytes, const Folding& folding) : bytes_(bytes), folding_(folding) {
        for (std::size_t begin = 0; begin < bytes.size();) {
            const std::size_t lf = bytes.find('\n', begin);
            if (lf == std::string_view::npos) {
                lines_.push_back({begin, bytes.size(), bytes.size()});
                break;
            }
            const std::size_t textEnd = lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf;
            lines_.push_back({begin, textEnd, lf + 1});
            begin = lf + 1;
        }
        for (std::size_t i = 0; i < lines_.size(); ++i) headers_.push_back(header(i));
    }

    const std::vector<Line>& lines() const { return lines_; }
    std::string_view text(std::size_t i) const {
        return bytes_.substr(lines_[i].begin, lines_[i].textEnd - lines_[i].begin);
    }
    bool ended(std::size_t i) const { return lines_[i].end > lines_[i].textEnd; }

    Place find(const Key& key) const {
        Place place;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const auto& name = headers_[i];
            if (!place.header) {
                if (name && folding_.same(*name, key.sectionBytes)) place.header = i;
                continue;
            }
            if (name) {
                place.sectionEnd = i;
                return place;
            }
            const std::string_view line = text(i);
            const std::size_t eq = line.find('=');
            if (!place.entry && eq != std::string_view::npos && folding_.same(trim(line.substr(0, eq)), key.nameBytes))
                place.entry = i;
        }
        place.sectionEnd = lines_.size();
        return place;
    }

    std::optional<std::string_view> value(const Key& key) const { return value(find(key)); }
    std::optional<std::string_view> value(const Place& place) const {
        if (!place.entry) return std::nullopt;
        const std::string_view line = text(*place.entry);
        return valueBytes(line.substr(line.find('=') + 1));
    }

private:
    std::optional<std::string_view> header(std::size_t i) const {
        std::string_view line = trim(text(i));
        if (line.empty() || line[0] != '[') return std::nullopt;
        line.remove_prefix(1);
        return trim(line.substr(0, line.find(']')));
    }

    std::string_view bytes_;
    const Folding& folding_;
    std::vector<Line> lines_;
    std::vector<std::optional<std::string_view>> headers_; // each line's section name, if it is a header
};

// ---- the checks -----------------------------------------------------------

std::string describe(const Key& key) { return "[" + key.section + "] " + key.name; }

constexpr std::size_t kKeysPerInput = 3;

// Defaults that change from input to input; the absent text is one no file holds.
struct Defaults {
    std::int32_t integer;
    std::uint8_t byte;
    bool flag;
};
const std::string kAbsent = "\x01 absent";

void checkReads(const IniFile& file, std::optional<std::string_view> bytes, const Key& key, const Defaults& defaults) {
    const std::string text = file.readString(key.section, key.name, kAbsent);
    expect(bytes ? text == codePage().toUtf8(*bytes) : text == kAbsent, [&] {
        return difference("readString " + describe(key), text, bytes ? codePage().toUtf8(*bytes) : kAbsent);
    });

    const auto number = bytes ? referenceInteger(*bytes) : std::nullopt;
    const auto integer = [&number](std::int32_t fallback) { return number ? *number : fallback; };
    const auto wrong = [&key](const char* read, std::int64_t got, std::int64_t expected) {
        return [=] {
            return std::string(read) + " " + describe(key) + " gave " + std::to_string(got) + ", expected " +
                   std::to_string(expected);
        };
    };
    const std::int32_t got = file.readInteger(key.section, key.name, defaults.integer);
    expect(got == integer(defaults.integer), wrong("readInteger", got, integer(defaults.integer)));
    const std::int32_t color = file.readColor(key.section, key.name, ~defaults.integer);
    expect(color == integer(~defaults.integer), wrong("readColor", color, integer(~defaults.integer)));
    const bool flag = file.readBool(key.section, key.name, defaults.flag);
    expect(flag == (integer(defaults.flag) != 0), wrong("readBool", flag, integer(defaults.flag) != 0));
    const std::uint8_t byte = file.readByte(key.section, key.name, defaults.byte);
    expect(byte == (integer(defaults.byte) & 0xFF), wrong("readByte", byte, integer(defaults.byte) & 0xFF));

    const std::int32_t value = integer(defaults.byte ^ 0x80);
    try {
        const std::uint8_t checked = file.readByteChecked(key.section, key.name, defaults.byte ^ 0x80);
        expect(value >= 0 && value <= 255 && checked == value, wrong("readByteChecked", checked, value));
    } catch (const vy::RangeFailure&) {
        expect(value < 0 || value > 255, wrong("readByteChecked (range failure)", -1, value));
    }
}

// The same bytes read through the program's code page and the C library's.
void checkCodePage(std::string_view bytes) {
    const std::string utf8 = vy::cp1251::toUtf8(bytes);
    expect(utf8 == codePage().toUtf8(bytes), "toUtf8 disagrees with the C library");
    expect(vy::cp1251::fromUtf8(utf8) == bytes, "Windows-1251 text does not come back");
    expect(vy::cp1251::fromUtf8(bytes) == codePage().fromUtf8(bytes), [&] {
        return difference("fromUtf8 of arbitrary bytes", vy::cp1251::fromUtf8(bytes), codePage().fromUtf8(bytes));
    });
}

std::uint64_t hashOf(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

std::string readFile(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        vy::fuzz::fail("cannot write " + path, {});
}

// The file after writing value (Windows-1251) under key, by the documented
// rules: the key's line replaced in place; else a new line after the
// section's last non-blank line; else the section and the line at the end.
// A line that gets a line after it and had no ending gets CR LF.
std::string expectedAfterWrite(std::string_view old, const ReferenceIni& reference, const Key& key,
                               const std::string& entry) {
    const auto& lines = reference.lines();
    const auto place = reference.find(key);
    if (place.entry) {
        const auto& line = lines[*place.entry];
        return std::string(old.substr(0, line.begin)) + entry + std::string(old.substr(line.textEnd));
    }
    if (place.header) {
        std::size_t last = place.sectionEnd - 1;
        while (last > *place.header && trim(reference.text(last)).empty()) --last;
        const std::size_t at = lines[last].end;
        return std::string(old.substr(0, at)) + (reference.ended(last) ? "" : "\r\n") + entry + "\r\n" +
               std::string(old.substr(at));
    }
    std::string bytes(old);
    if (!lines.empty() && !reference.ended(lines.size() - 1)) bytes += "\r\n";
    return bytes + "[" + key.sectionBytes + "]\r\n" + entry + "\r\n";
}

void checkWrite(IniFile& file, std::string_view old, const ReferenceIni& reference,
                const std::vector<std::optional<std::string_view>>& values, const std::vector<Key>& keys,
                const Folding& folding, std::uint64_t h) {
    const Key& key = keys[h % keys.size()];
    const std::size_t from = old.empty() ? 0 : (h >> 20) % old.size();
    const std::string_view piece = old.substr(from, (h >> 40) % 48);
    const int mode = static_cast<int>((h >> 10) % 4);
    const auto number = static_cast<std::int32_t>(static_cast<std::uint32_t>(h >> 32));
    const bool flag = (h >> 30) & 1;

    // The value as text, then as the file must hold it: one line, Windows-1251.
    std::string value;
    switch (mode) {
    case 0: value = vy::cp1251::toUtf8(piece); break; // every character has its byte
    case 1: value = std::string(piece); break;          // anything, malformed UTF-8 included
    case 2: value = std::to_string(number); break;
    default: value = flag ? "1" : "0"; break;
    }
    const std::string stored = codePage().fromUtf8(value.substr(0, value.find_first_of("\r\n")));
    try {
        if (mode == 2)
            file.writeInteger(key.section, key.name, number);
        else if (mode == 3)
            file.writeBool(key.section, key.name, flag);
        else
            file.writeString(key.section, key.name, value);
    } catch (const vy::IniWriteError& e) {
        vy::fuzz::fail(std::string("write failed: ") + e.what(), old);
    }

    const std::string now = readFile(file.path());
    const std::string expected = expectedAfterWrite(old, reference, key, key.nameBytes + "=" + stored);
    expect(now == expected, [&] { return difference("file after writing " + describe(key), now, expected); });

    // Read back, by this group of accesses and by a new one.
    const IniFile fresh(file.path());
    const std::string expectedText = codePage().toUtf8(valueBytes(stored));
    for (const IniFile* reader : {&fresh, static_cast<const IniFile*>(&file)}) {
        const std::string text = reader->readString(key.section, key.name, "\x01 absent");
        expect(text == expectedText, [&] { return difference("read back " + describe(key), text, expectedText); });
        if (mode == 2)
            expect(reader->readInteger(key.section, key.name, ~number) == number,
                   [&] { return "integer read back " + describe(key); });
        if (mode == 3)
            expect(reader->readBool(key.section, key.name, !flag) == flag, [&] { return "flag read back " + describe(key); });
    }

    // Every other key reads as before.
    const ReferenceIni after(now, folding);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const Key& other = keys[i];
        if (&other == &key || (folding.same(other.sectionBytes, key.sectionBytes) && folding.same(other.nameBytes, key.nameBytes)))
            continue;
        expect(after.value(other) == values[i], [&] { return "writing " + describe(key) + " changed " + describe(other); });
    }
}

// A folder of its own in $TMPDIR, else on the memory file system where there
// is one: each input is written there and every write is flushed.
std::string settingsPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = tmp && *tmp ? tmp : std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        folder += "/vy-fuzz-ini-XXXXXX";
        if (!::mkdtemp(folder.data())) vy::fuzz::fail("cannot make a temporary folder", {});
        static const std::string remove = folder;
        std::atexit([] { std::filesystem::remove_all(remove); });
        return folder + "/Вычислица.ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<Key> keys = catalogue();
    static const Folding folding;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    gInput = bytes;
    checkCodePage(bytes);

    const std::string path = settingsPath();
    writeFile(path, bytes);
    IniFile file(path);
    const ReferenceIni reference(bytes, folding);
    const std::uint64_t h = hashOf(bytes);
    const Defaults defaults{static_cast<std::int32_t>(h >> 32), static_cast<std::uint8_t>(h >> 24), (h & 0x10) != 0};
    // Every key of the catalogue through the reference; through the program,
    // with every typed read, a few keys of the sections the file holds and one
    // key of the whole catalogue, chosen anew for each input. (All of them for
    // each input would make a run of a million inputs last an hour.)
    std::vector<std::optional<std::string_view>> values;
    std::vector<std::size_t> held;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto place = reference.find(keys[i]);
        values.push_back(reference.value(place));
        if (place.header) held.push_back(i);
    }
    checkReads(file, values[h % keys.size()], keys[h % keys.size()], defaults);
    for (std::size_t n = 0; n < std::min<std::size_t>(held.size(), kKeysPerInput); ++n) {
        const std::size_t i = held[(h / keys.size() + n * 7) % held.size()];
        checkReads(file, values[i], keys[i], defaults);
    }
    // A write costs more than all the reads; every fourth input makes one.
    if (((h >> 8) & 3) == 0) checkWrite(file, bytes, reference, values, keys, folding, h);
    return 0;
}
