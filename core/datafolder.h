#pragma once
// The folder of the settings file and the protocol log, chosen once at start:
// the program folder when the program may write there (as on a portable
// install), otherwise a per-user folder under ~/.config. Every writer uses the
// one folder chosen, so the settings and the protocol never end up apart.
#include <string>

namespace vy {

inline constexpr const char* kSettingsFileName = "Вычислица.ini";
inline constexpr const char* kProtocolFileName = "Вычислица.log";

struct DataFolder {
    std::string folder; // ends in '/'

    std::string settingsPath() const { return folder + kSettingsFileName; }
    std::string protocolPath() const { return folder + kProtocolFileName; }
};

// True when a file can be created in folder (tried, not guessed from modes,
// so read-only mounts and missing folders count as not writable).
bool isWritableFolder(const std::string& folder);

// programFolder is the folder of the program file; home is the user's home
// folder (the caller passes $HOME). When the program folder is not writable,
// home + "/.config/Вычислица/" is created and used; if that fails too (no
// home, or it cannot be created) the program folder stays the choice and the
// first write reports that it cannot write there.
DataFolder chooseDataFolder(const std::string& programFolder, const std::string& home);

// The current user's home folder for chooseDataFolder: $HOME, or the account's
// home from the user database when $HOME is unset; empty when neither is known.
std::string userHomeFolder();

} // namespace vy
