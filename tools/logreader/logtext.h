#pragma once
// The log viewer's reading of the protocol: the file's Windows-1251 bytes with
// CR LF line ends become the UTF-8 text the window shows, one line per LF.
// Plain C++, so that the decoding is tested and fuzzed without a window.
#include <string>
#include <string_view>

namespace vy::logreader {

// Every byte becomes its Windows-1251 character; a CR that stands right before
// an LF is dropped, any other CR is kept as it is.
std::string decodeProtocol(std::string_view bytes);

} // namespace vy::logreader
