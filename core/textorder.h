#pragma once
// The order in which lists of names are sorted for display: the Russian
// alphabet, without regard to letter case, whatever locale the process runs
// in. Within a name, blanks and punctuation come before digits, digits before
// Latin letters and Latin letters before Cyrillic ones; "ё" follows "е". A name
// that is the beginning of another comes first. Names that differ only in
// letter case are ordered lower case first, so the order is total.
#include <string_view>

namespace vy {

// Negative, zero or positive as a sorts before, with or after b (UTF-8 texts).
int compareText(std::string_view a, std::string_view b);

inline bool textLess(std::string_view a, std::string_view b) { return compareText(a, b) < 0; }

} // namespace vy
