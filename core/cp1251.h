#pragma once
// Windows-1251 at the file boundary: the program keeps UTF-8 inside and writes
// and reads its files (settings, protocol, m.txt) in the single-byte Cyrillic code page.
#include <optional>
#include <string>
#include <string_view>

namespace vy::cp1251 {

// UTF-8 text to Windows-1251 bytes. A character without a Windows-1251 byte
// becomes '?' (what the platform's own conversion does).
std::string fromUtf8(std::string_view utf8);
// Windows-1251 bytes to UTF-8. Every byte value has a character (0x98, unassigned
// in the code page, maps to U+0098), so all 256 bytes round-trip.
std::string toUtf8(std::string_view bytes);
// The Windows-1251 byte of one Unicode code point, if it has one.
std::optional<unsigned char> byteOf(char32_t codePoint);

} // namespace vy::cp1251
