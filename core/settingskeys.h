#pragma once
// The catalogue of the settings file: every section and key the windows read
// and write, and the defaults that do not depend on a window's designed state.
// All names are UTF-8; IniFile matches them without regard to letter case.
// A key added here belongs in the settings fuzz target's catalogue() too
// (tests/core/fuzz_inifile.cpp), which checks the reads of each key.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vy::ini {

// Where a window keeps its place: a section and the keys of its left, top and,
// for resizable windows, width and height (nullptr when it keeps no size).
struct WindowPlace {
    const char* section;
    const char* left;
    const char* top;
    const char* width = nullptr;
    const char* height = nullptr;
};

// Sections.
inline constexpr const char* kPosition = "position";
inline constexpr const char* kPositionSystems = "position(ур-я)";
inline constexpr const char* kPositionPlotter = "position Графики";
inline constexpr const char* kExpression = "мат";
inline constexpr const char* kPositionNumbers = "position Form8(числа)";
inline constexpr const char* kPositionPercent = "position Form9(%)";
inline constexpr const char* kPositionLog = "position Form10(LOG)";
inline constexpr const char* kPositionPower = "position Form11(Степень)";
inline constexpr const char* kArc = "arc";
inline constexpr const char* kAbout = "О программе";
inline constexpr const char* kTools = "tools";

// Keys of the window places.
inline constexpr const char* kLeft = "left";
inline constexpr const char* kTop = "top";
inline constexpr const char* kWidth = "width";
inline constexpr const char* kHeight = "height";

inline constexpr WindowPlace kPlaceForm1{kPosition, kLeft, kTop};                     // main window
inline constexpr WindowPlace kPlaceForm2{kAbout, kLeft, kTop, kWidth, kHeight};       // about
inline constexpr WindowPlace kPlaceForm4{kPositionSystems, kLeft, kTop};              // 3 and 4 equations
inline constexpr WindowPlace kPlaceForm5{kPositionPlotter, kLeft, kTop};              // simple plotter
inline constexpr WindowPlace kPlaceForm6{kExpression, kLeft, kTop, kWidth, kHeight};  // expression
inline constexpr WindowPlace kPlaceForm8{kPositionNumbers, kLeft, kTop};              // number properties
inline constexpr WindowPlace kPlaceForm9{kPositionPercent, kLeft, kTop, kWidth, kHeight}; // percentages
inline constexpr WindowPlace kPlaceForm10{kPositionLog, kLeft, kTop};                 // logarithm, factorial
inline constexpr WindowPlace kPlaceForm11{kPositionPower, kLeft, kTop, kWidth, kHeight}; // power and root
inline constexpr WindowPlace kPlaceForm17{kArc, kLeft, kTop, kWidth, kHeight};        // inverse trigonometry
inline constexpr WindowPlace kPlaceForm21{kPosition, "f21left", "f21top"};            // matrices
inline constexpr WindowPlace kPlaceForm22{kPosition, "f22left", "f22top"};            // equation solver
inline constexpr WindowPlace kPlaceForm23{kPosition, "f23left", "f23top"};            // integrals
inline constexpr WindowPlace kPlaceForm24{kPosition, "f24left", "f24top"};            // number systems
inline constexpr WindowPlace kPlaceForm25{kPosition, "f25left", "f25top", "f25Width", "f25Height"}; // chart
inline constexpr WindowPlace kPlaceForm26{kPosition, "f26left", "f26top"};            // n equations

// Section "tools": the main window's ten result labels, each under its own name.
inline constexpr std::array<const char*, 10> kResultLabels = {
    "Label2", "Label4", "Label6", "Label27", "Label7",
    "Label11", "Label14", "Label19", "Label24", "Label25",
};
// Section "О программе": the about window's label.
inline constexpr const char* kAboutLabel8 = "Label8";

// Keys of the per-user section (named after the login name, see userSection).
inline constexpr const char* kColor = "Color";
inline constexpr const char* kFontColor = "Font Color";
inline constexpr const char* kSize = "Size";
inline constexpr const char* kFontStyle = "Font style";
inline constexpr const char* kOpenAnim = "openanim";
inline constexpr const char* kCloseAnim = "closeanim";
inline constexpr const char* kBalloon = "Balloon";
inline constexpr const char* kSkin = "Skin";
// Simple plotter: its three colour buttons and three check boxes. "очишать"
// is spelled so in every existing settings file and must stay that way.
inline constexpr std::array<const char*, 3> kPlotterColors = {"Цвет1", "Цвет2", "Цвет3"};
inline constexpr const char* kPlotterClear = "очишать";
inline constexpr const char* kPlotterAxes = "координаты";
inline constexpr const char* kPlotterShowSettings = "показ. настройки";
// Chart plotter: the colour of each of its five series.
inline constexpr std::array<const char*, 5> kChartColors = {
    "Цвет1(f25)", "Цвет2(f25)", "Цвет3(f25)", "Цвет4(f25)", "Цвет5(f25)",
};

// Fixed defaults.
// "Color" as the main window reads it: a value no real colour has, so reading
// it back means the key is missing and the window seeds its own colour.
inline constexpr std::int32_t kColorUnset = 100;
// Silver, the about and calendar windows' colour when the key is missing.
inline constexpr std::int32_t kSilver = 12632256;
inline constexpr std::int32_t kFontStyleBold = 1;
inline constexpr std::int32_t kStandardFontSize = 8; // "Стандартные"
inline constexpr std::uint8_t kOpenAnimDefault = 1;
// "closeanim" defaults to 0 when the main window is created but to 1 when it
// closes and in the settings window.
inline constexpr std::uint8_t kCloseAnimAtCreation = 0;
inline constexpr std::uint8_t kCloseAnimDefault = 1;
inline constexpr std::uint8_t kBalloonDefault = 0;
inline constexpr const char* kSkinDefault = "Vista (internal)";

// The per-user section's name: the login name, at most 15 characters.
inline constexpr std::size_t kMaxUserName = 15;
inline std::string userSection(std::string_view loginName) {
    std::size_t characters = 0;
    std::size_t end = 0;
    while (end < loginName.size()) {
        // Count UTF-8 lead bytes so that a Cyrillic name is cut at a character.
        if ((static_cast<unsigned char>(loginName[end]) & 0xC0) != 0x80 && characters++ == kMaxUserName)
            break;
        ++end;
    }
    return std::string(loginName.substr(0, end));
}

} // namespace vy::ini
