#include "core/errortext.h"

#include "core/cp1251.h"

namespace vy {

std::string generalErrorText(std::string_view message)
{
    std::string text(message);
    if (message.empty())
        return text;
    // Step back over UTF-8 continuation bytes to the start of the last character.
    std::size_t start = message.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(message[start]) & 0xC0) == 0x80)
        --start;
    // A character without a code-page byte becomes "?", which sorts after ".".
    const std::string last = cp1251::fromUtf8(message.substr(start));
    if (!last.empty() && static_cast<unsigned char>(last.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

std::string generalErrorText(const std::exception& failure) { return generalErrorText(failure.what()); }

} // namespace vy
