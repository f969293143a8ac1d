// The skin list read from a folder, the skin files and sheets it leads to, and
// the size rule of the settings window: plain files and texts, no window.
#include "ui/resultfont.h"
#include "ui/skinlist.h"

#include "tests/core/tempfolder.h"

#include <filesystem>

namespace vy::test {
namespace {

using skins::kBuiltin;

TEST(SkinList, BuiltInFirstThenTheFolderSkinsInAlphabeticalOrder)
{
    TempFolder folder;
    for (const char* name : {"Мята.qss", "Иней.QSS", "Aqua.qss", "Графит.qss", "notes.txt", ".hidden.qss", ".qss",
                             "Vista (internal).qss", "日本.qss"})
        writeBytes(folder / name, "QPushButton {}");
    std::filesystem::create_directory(folder / "Folder.qss");

    EXPECT_EQ(skins::folderSkins(folder.path()),
              (std::vector<std::string>{"Aqua", "Vista (internal)", "Графит", "Иней", "Мята"}));
    // The built-in skin is listed once, first; a name the settings file could
    // not keep in Windows-1251 is not offered at all.
    EXPECT_EQ(skins::skinNames(folder.path()),
              (std::vector<std::string>{kBuiltin, "Aqua", "Графит", "Иней", "Мята"}));
    EXPECT_EQ(skins::skinNames(folder / "missing"), std::vector<std::string>{kBuiltin});
}

TEST(SkinList, SheetsComeOnlyFromFilesTheFolderLists)
{
    TempFolder folder;
    writeBytes(folder / "Иней.qss", "QPushButton { color: blue; }");
    writeBytes(folder / "Vista (internal).qss", "QWidget { color: red; }");
    std::filesystem::create_directory(folder / "inner");
    writeBytes(folder / "inner/Deep.qss", "QWidget {}");
    writeBytes(folder / "Huge.qss", std::string(skins::kMaxSkinBytes + 1, ' '));

    EXPECT_EQ(skins::skinSheet(folder.path(), "Иней"), "QPushButton { color: blue; }");
    EXPECT_EQ(skins::skinFile(folder.path(), "Иней"), folder / "Иней.qss");
    // The built-in skin has no sheet, whatever the folder holds.
    EXPECT_EQ(skins::skinSheet(folder.path(), kBuiltin), "");
    EXPECT_EQ(skins::skinFile(folder.path(), kBuiltin), std::nullopt);
    for (const char* unknown : {"Мята", "inner/Deep", "../Иней", skins::kNoSkins, "", "Huge"})
        EXPECT_EQ(skins::skinSheet(folder.path(), unknown), std::nullopt) << unknown;
}

TEST(SkinList, AnEmptyListShowsThatNoSkinsAreAvailable)
{
    EXPECT_EQ(skins::listItems({}), std::vector<std::string>{"No skins available"});
    EXPECT_EQ(skins::listItems({kBuiltin, "Мята"}), (std::vector<std::string>{kBuiltin, "Мята"}));
}

TEST(ResultFont, TheSizeBoxGivesOnlyTheSizesItOffers)
{
    const struct {
        const char* text;
        int size;
    } rows[] = {
        {"8", 8}, {"10", 10}, {"12", 12}, {"14", 14}, {"18", 18}, {"24", 24},
        // Anything else keeps the size the window had.
        {"16", 11}, {"", 11}, {" 12", 11}, {"12 ", 11}, {"012", 11}, {"8,0", 11}, {"восемь", 11}, {"-8", 11},
    };
    for (const auto& row : rows)
        EXPECT_EQ(resultfont::chosenSize(row.text, 11), row.size) << row.text;
}

} // namespace
} // namespace vy::test
