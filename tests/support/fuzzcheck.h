#pragma once
// What the libFuzzer targets share: a failed check prints what disagreed and
// the input, then aborts, which libFuzzer reports as a crash and keeps the
// input; and a Windows-1251 reference built from the C library's converter,
// independent of the program's own table.
#include <array>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <iconv.h>

namespace vy::fuzz {

// Bytes as a C string literal would show them, cut after 600 characters.
inline std::string printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        if (out.size() > 600) return out + "...";
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\' && c != '"') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void fail(const std::string& what, std::string_view input) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s\ninput (%zu bytes): \"%s\"\n", what.c_str(), input.size(),
                 printable(input).c_str());
    std::abort();
}

// The message is a text or, where building it costs time on every input, a
// function that builds it only when the check fails.
template <typename Message>
void check(bool ok, const Message& what, std::string_view input) {
    if (ok) return;
    if constexpr (std::is_invocable_v<Message>)
        fail(what(), input);
    else
        fail(std::string(what), input);
}

// "what: got \"a\", expected \"b\"" for a failure message.
inline std::string difference(const std::string& what, std::string_view got, std::string_view expected) {
    return what + ": got \"" + printable(got) + "\", expected \"" + printable(expected) + "\"";
}

// Windows-1251 as the C library converts it. The library leaves 0x98 without a
// character; the program keeps it as U+0098 so that every byte comes back.
class ReferenceCodePage {
public:
    ReferenceCodePage() {
        iconv_t toUcs = iconv_open("UTF-32LE", "CP1251");
        if (toUcs == reinterpret_cast<iconv_t>(-1)) fail("no CP1251 converter in the C library", {});
        byteOf_.assign(0x10000, -1);
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1, outLeft = sizeof out;
            char32_t cp = 0x98;
            if (iconv(toUcs, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
                cp = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
            else if (b != 0x98)
                fail("the C library has no character for CP1251 byte " + std::to_string(b), {});
            codePoint_[static_cast<std::size_t>(b)] = cp;
            byteOf_[cp] = b;
        }
        iconv_close(toUcs);
        // The UTF-8 form of each byte's character, again from the C library.
        iconv_t toUtf8 = iconv_open("UTF-8", "UTF-32LE");
        if (toUtf8 == reinterpret_cast<iconv_t>(-1)) fail("no UTF-8 converter in the C library", {});
        for (std::size_t b = 0; b < 256; ++b) {
            char in[4];
            for (int i = 0; i < 4; ++i) in[i] = static_cast<char>(codePoint_[b] >> (8 * i));
            char out[8];
            char* inPtr = in;
            char* outPtr = out;
            std::size_t inLeft = sizeof in, outLeft = sizeof out;
            if (iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
                fail("the C library cannot write U+" + std::to_string(codePoint_[b]) + " in UTF-8", {});
            utf8_[b].assign(out, static_cast<std::size_t>(outPtr - out));
        }
        iconv_close(toUtf8);
        fromUtf8_ = iconv_open("UTF-32LE", "UTF-8");
        if (fromUtf8_ == reinterpret_cast<iconv_t>(-1)) fail("no UTF-8 converter in the C library", {});
    }
    ~ReferenceCodePage() { iconv_close(fromUtf8_); }
    ReferenceCodePage(const ReferenceCodePage&) = delete;
    ReferenceCodePage& operator=(const ReferenceCodePage&) = delete;

    char32_t codePoint(unsigned char byte) const { return codePoint_[byte]; }

    std::string toUtf8(std::string_view bytes) const {
        std::string out;
        for (const char c : bytes) out += utf8_[static_cast<unsigned char>(c)];
        return out;
    }

    // UTF-8 to Windows-1251: a character without a byte becomes '?', and so
    // does each byte the C library cannot decode.
    std::string fromUtf8(std::string_view utf8) const {
        std::string out;
        static_assert(std::endian::native == std::endian::little, "the converter writes UTF-32LE");
        std::vector<std::uint32_t> decoded(utf8.size()); // one code point per byte at most
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        while (inLeft > 0) {
            iconv(fromUtf8_, nullptr, nullptr, nullptr, nullptr);
            char* outPtr = reinterpret_cast<char*>(decoded.data());
            std::size_t outLeft = decoded.size() * sizeof decoded[0];
            const auto rc = iconv(fromUtf8_, &in, &inLeft, &outPtr, &outLeft);
            const std::size_t count = decoded.size() - outLeft / sizeof decoded[0];
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint32_t cp = decoded[i];
                const int byte = cp < byteOf_.size() ? byteOf_[cp] : -1;
                out += byte >= 0 ? static_cast<char>(byte) : '?';
            }
            if (rc == static_cast<std::size_t>(-1) && inLeft > 0) {
                if (errno == E2BIG) fail("reference UTF-8 decoding ran out of room", utf8);
                out += '?';
                ++in;
                --inLeft;
            }
        }
        return out;
    }

private:
    std::array<char32_t, 256> codePoint_{};
    std::array<std::string, 256> utf8_;
    std::vector<int> byteOf_;
    iconv_t fromUtf8_;
};

} // namespace vy::fuzz
