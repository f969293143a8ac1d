#include "ui/skinlist.h"

#include "core/cp1251.h"
#include "core/textorder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vy::skins {

namespace fs = std::filesystem;

namespace {

bool hasSkinExtension(const fs::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return extension == kExtension;
}

// The settings file keeps the chosen name in Windows-1251: a name with any
// other character would come back as a different one.
bool storable(const std::string& name) { return cp1251::toUtf8(cp1251::fromUtf8(name)) == name; }

} // namespace

std::vector<std::string> folderSkins(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(fs::path(folder), error);
    if (error)
        return names;
    for (const fs::directory_entry& entry : entries) {
        const fs::path& file = entry.path();
        std::error_code ignored;
        if (!entry.is_regular_file(ignored) || !hasSkinExtension(file))
            continue;
        std::string name = file.stem().string();
        if (name.empty() || name.front() == '.' || !storable(name))
            continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return textLess(a, b); });
    return names;
}

std::vector<std::string> skinNames(const std::string& folder)
{
    std::vector<std::string> names{kBuiltin};
    for (std::string& name : folderSkins(folder))
        if (name != kBuiltin)
            names.push_back(std::move(name));
    return names;
}

std::optional<std::string> skinFile(const std::string& folder, const std::string& name)
{
    if (name == kBuiltin)
        return std::nullopt;
    // Only a name the folder lists: a name with a path in it reaches no other file.
    std::error_code error;
    fs::directory_iterator entries(fs::path(folder), error);
    if (error)
        return std::nullopt;
    for (const fs::directory_entry& entry : entries) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored) && hasSkinExtension(entry.path()) && entry.path().stem().string() == name)
            return entry.path().string();
    }
    return std::nullopt;
}

std::optional<std::string> skinSheet(const std::string& folder, const std::string& name)
{
    if (name == kBuiltin)
        return std::string();
    const std::optional<std::string> file = skinFile(folder, name);
    if (!file)
        return std::nullopt;
    std::error_code error;
    const auto size = fs::file_size(*file, error);
    if (error || size > kMaxSkinBytes)
        return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string sheet{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return sheet;
}

std::vector<std::string> listItems(const std::vector<std::string>& names)
{
    if (names.empty())
        return {kNoSkins};
    return names;
}

} // namespace vy::skins
