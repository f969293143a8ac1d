#include "tools/logreader/logtext.h"

#include "core/cp1251.h"

namespace vy::logreader {

std::string decodeProtocol(std::string_view bytes) {
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') lines += bytes[i];
    return cp1251::toUtf8(lines);
}

} // namespace vy::logreader
