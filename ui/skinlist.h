#pragma once
// The skins the program knows, as plain files: the built-in look and every
// style sheet file in the skin folder ("Skins" beside the program unless the
// user picks another one in the selection dialog). A skin's name is its file
// name without the extension. No Qt here; the skin engine (ui/skins.h) applies
// what this finds.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vy::skins {

// The look the program has without a skin file; always in the list.
inline constexpr const char* kBuiltin = "Vista (internal)";
// The settings window's list when the engine knows no skin at all.
inline constexpr const char* kNoSkins = "No skins available";
// The folder beside the program, and the extension of a skin file (any case).
inline constexpr const char* kFolderName = "Skins";
inline constexpr const char* kExtension = ".qss";
// A larger file is not taken for a style sheet (it would only be read whole).
inline constexpr std::size_t kMaxSkinBytes = 1 << 20;

// The folder's skins, sorted as lists of names are shown (core/textorder.h).
// Hidden files, sub-folders and names the settings file cannot store (it is
// Windows-1251) are left out; a missing folder has none.
std::vector<std::string> folderSkins(const std::string& folder);

// Every skin known with folder as the skin folder: the built-in one first,
// then the folder's (a file named like the built-in one does not replace it).
std::vector<std::string> skinNames(const std::string& folder);

// The file of a folder skin, or nothing for the built-in one and for a name
// the folder does not hold.
std::optional<std::string> skinFile(const std::string& folder, const std::string& name);

// The style sheet of a skin: empty for the built-in one; nothing for a name
// the folder does not hold or a file that cannot be read or is too large.
std::optional<std::string> skinSheet(const std::string& folder, const std::string& name);

// What the settings window lists for names: the names, or kNoSkins alone.
std::vector<std::string> listItems(const std::vector<std::string>& names);

} // namespace vy::skins
