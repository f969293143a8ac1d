#include "ui/resultfont.h"

#include <charconv>

namespace vy::resultfont {

int chosenSize(std::string_view text, int previous)
{
    for (const int size : kSizes) {
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, size).ptr;
        if (text == std::string_view(digits, static_cast<std::size_t>(end - digits)))
            return size;
    }
    return previous;
}

} // namespace vy::resultfont
