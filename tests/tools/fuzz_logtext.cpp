// libFuzzer target for the log viewer's decoding: any bytes as the protocol
// file. The text shown must be the C library's Windows-1251 reading of the
// bytes with every CR LF made one LF, it must give the bytes back when encoded
// again, and a file that grows (the program appends whole lines) must show the
// old text followed by the decoding of what was added.
#include "tests/support/fuzzcheck.h"
#include "tools/logreader/logtext.h"

#include "core/cp1251.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

using vy::fuzz::check;
using vy::fuzz::difference;

// Each "\r\n" as "\n", found as pairs rather than byte by byte.
std::string joinLines(std::string_view bytes) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t pair = bytes.find("\r\n", at);
        if (pair == std::string_view::npos) return out.append(bytes.substr(at));
        out.append(bytes.substr(at, pair - at)).append("\n");
        at = pair + 2;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vy::fuzz::ReferenceCodePage reference;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = vy::logreader::decodeProtocol(bytes);

    const std::string lines = joinLines(bytes);
    check(shown == reference.toUtf8(lines), [&] { return difference("decoded", shown, reference.toUtf8(lines)); }, bytes);
    check(vy::cp1251::fromUtf8(shown) == lines, "the decoded text does not encode back to the file's lines", bytes);
    check(std::count(shown.begin(), shown.end(), '\n') == std::count(bytes.begin(), bytes.end(), '\n'),
          "line count changed", bytes);

    if (size > 0) {
        const std::size_t split = data[0] % (size + 1);
        const std::string_view before = bytes.substr(0, split);
        if (before.empty() || before.back() != '\r')
            check(vy::logreader::decodeProtocol(before) + vy::logreader::decodeProtocol(bytes.substr(split)) == shown,
                  [&] { return "appending at byte " + std::to_string(split) + " changes the text already shown"; }, bytes);
    }
    return 0;
}
