#pragma once
// A fresh folder per test, removed afterwards, and small raw file helpers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <cstdlib>
#include <unistd.h>

namespace vy::test {

class TempFolder {
public:
    TempFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "vy-core-XXXXXX").string();
        if (!::mkdtemp(name.data())) ADD_FAILURE() << "cannot create a temporary folder";
        path_ = name + "/";
    }
    ~TempFolder() {
        std::error_code ec;
        // Tests may take away write permission; give it back so removal works.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
            if (entry.is_directory(ec))
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in '/'.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool runningAsRoot() { return ::geteuid() == 0; }

} // namespace vy::test
