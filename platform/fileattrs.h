#pragma once
// File attributes the program sets on its own files.
#include <string>

namespace vy::platform {

// Marks a file hidden. Linux has no hidden attribute (only the leading-dot
// naming convention, and renaming the settings file would move it away from
// where every window looks for it), so this deliberately does nothing.
void setHidden(const std::string& path) noexcept;

} // namespace vy::platform
