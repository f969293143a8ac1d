#pragma once
// The font size of the main window's ten result labels as the settings window
// chooses it. No Qt here.
#include <array>
#include <string_view>

namespace vy::resultfont {

// The sizes the size box offers, in points, in its order.
inline constexpr std::array<int, 6> kSizes = {8, 10, 12, 14, 18, 24};

// The size "Принять" takes from the size box's text: the size of the item
// that text names, whether picked from the list or typed; any other text
// (a size the list does not offer, a blank, a word) keeps previous.
int chosenSize(std::string_view text, int previous);

// Whether a size read from the settings file can be given to the labels: a
// hand-edited file may hold a size no font has (zero, negative) or one that
// would blow the ten labels far beyond their window.
inline constexpr int kLargestSize = 96;
inline constexpr bool usableSize(int points) { return points >= 1 && points <= kLargestSize; }

} // namespace vy::resultfont
