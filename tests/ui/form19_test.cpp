// The settings window: what it reads when it is made and shown, what
// "Принять", "Отмена" and "Стандартные" write and apply, the skins, and the
// failures that reach the general error box.
#include "ui/ui/form19.h"

#include "core/settingskeys.h"
#include "ui/colorbtn.h"
#include "ui/skinlist.h"

#include "tests/support/scripteddialogs.h"
#include "tests/support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <map>

namespace vy::test {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kTeal(0, 128, 128);

class Form19Test : public GuiTest {
protected:
    Form19Test()
    {
        for (const char* name : ini::kResultLabels)
            place<QLabel>(&main, name, {0, 0, 100, 20});
        setColour(main, kSilver);
        for (const char* name : {"TForm4", "TForm5", "TForm6", "TForm11", "TForm17", "TForm21", "TForm22", "TForm23"})
            others[name] = std::make_unique<QWidget>();
        writeFile("Skins/Мята.qss", "QPushButton { color: rgb(10, 120, 60); }");
        skins.setFolder(path("Skins"));
    }

    std::unique_ptr<TForm19> makeForm()
    {
        TForm19::Links links{&main, [this] { ++messages; }, [this](const char* name) -> QWidget* {
                                 const auto it = others.find(name);
                                 return it == others.end() ? nullptr : it->second.get();
                             }};
        auto chooseSkin = [this](QWidget*, const std::string& name, const std::string& folder) {
            script.asked << QString::fromStdString("skin " + name + " in " + folder);
            return skinAnswer;
        };
        return std::make_unique<TForm19>(host_.host(), DataFolder{folder()}, skins, links, dialogs, chooseSkin);
    }
    // Made and shown, as the main window's settings button does.
    std::unique_ptr<TForm19> openForm()
    {
        auto form = makeForm();
        form->show();
        processEvents();
        return form;
    }

    static void setColour(QWidget& window, const QColor& colour)
    {
        QPalette own = window.palette();
        own.setColor(QPalette::Window, colour);
        window.setPalette(own);
    }
    static QColor colourOf(const QWidget& window) { return window.palette().color(QPalette::Window); }
    QLabel* label(const char* name) { return main.findChild<QLabel*>(name); }
    static QColor fontColour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // Every result label has this font colour, size and weight.
    void expectLabels(const QColor& colour, int size, bool bold)
    {
        for (const char* name : ini::kResultLabels) {
            EXPECT_EQ(fontColour(label(name)), colour) << name;
            EXPECT_EQ(label(name)->font().pointSize(), size) << name;
            EXPECT_EQ(label(name)->font().bold(), bold) << name;
        }
    }
    std::string stored(const char* key) const
    {
        return IniFile(path("Вычислица.ini")).readString("tester", key, "<missing>");
    }
    static void click(TForm19& form, const char* button) { control<QPushButton>(form, button)->click(); }
    static QCheckBox* box(TForm19& form, const char* name) { return control<QCheckBox>(form, name); }
    static QComboBox* sizes(TForm19& form) { return control<QComboBox>(form, "ComboBox1"); }
    static QListWidget* skinList(TForm19& form) { return control<QListWidget>(form, "sListBox1"); }
    static QStringList rows(const QListWidget& list)
    {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all << list.item(i)->text();
        return all;
    }
    // Exactly one thing was shown, and it was the general error box.
    bool oneGeneralError() const
    {
        const auto& shown = host_.presenter.shown;
        return shown.size() == 1 && shown.front().kind == Shown::Kind::GeneralError;
    }

    QWidget main;
    std::map<std::string, std::unique_ptr<QWidget>> others;
    SkinEngine skins;
    int messages = 0;
    ScriptedDialogs::Script script; // the colour dialog's answer
    ScriptedDialogs dialogs{script};
    std::optional<SkinChoice> skinAnswer;
};

TEST_F(Form19Test, ControlsAsDesignedAndTheDefaultsOfAFirstStart)
{
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), "Настройки tester");
    const Caption rows[] = {
        {"Label1", "Цвет:", ""},          {"Label3", "Размер", ""},
        {"CheckBox1", "Жирный шрифт", ""}, {"CheckBox2", "Анимация при запуске", ""},
        {"CheckBox3", "Анимация при закрытии", ""}, {"CheckBox4", "Советы в стиле Win xp", ""},
        {"sBitBtn1", "Выбор скина", ""},   {"BitBtn1", "Принять", ""},
        {"BitBtn2", "Отмена", ""},         {"BitBtn3", "Стандартные", ""},
    };
    expectCaptions(*form, rows);
    EXPECT_EQ(control<QGroupBox>(*form, "GroupBox1")->title(), "Шрифт ");
    EXPECT_TRUE(control<TColorBtn>(*form, "ColorBtn2"));
    EXPECT_EQ(itemsOf(*sizes(*form)), QStringList({"8", "10", "12", "14", "18", "24"}));
    EXPECT_TRUE(sizes(*form)->isEditable());

    // No settings file: bold results, both animations on, message boxes.
    const int size = label("Label2")->font().pointSize();
    expectLabels(Qt::black, size, true);
    EXPECT_EQ(sizes(*form)->currentText(), QString::number(size));
    EXPECT_TRUE(box(*form, "CheckBox1")->isChecked());
    EXPECT_TRUE(box(*form, "CheckBox2")->isChecked());
    EXPECT_TRUE(box(*form, "CheckBox3")->isChecked());
    EXPECT_FALSE(box(*form, "CheckBox4")->isChecked());
    EXPECT_EQ(skinList(*form)->count(), 2);
    EXPECT_EQ(skinList(*form)->currentItem()->text().toStdString(), skins::kBuiltin);
    EXPECT_TRUE(host_.presenter.shown.empty());

    host_.environment.login = "";
    EXPECT_EQ(makeForm()->windowTitle(), "Настройки");
}

TEST_F(Form19Test, TheUsersChoicesComeFromTheirSectionOfTheFile)
{
    writeFile("Вычислица.ini", "[other]\r\nSize=24\r\n[tester]\r\nFont Color=255\r\nSize=14\r\nFont style=0\r\n"
                               "openanim=0\r\ncloseanim=1\r\nBalloon=1\r\n");
    auto form = openForm();
    expectLabels(QColor(255, 0, 0), 14, false);
    EXPECT_EQ(control<TColorBtn>(*form, "ColorBtn2")->ButtonColor(), QColor(255, 0, 0));
    EXPECT_EQ(sizes(*form)->currentText(), "14");
    EXPECT_FALSE(box(*form, "CheckBox1")->isChecked());
    EXPECT_FALSE(box(*form, "CheckBox2")->isChecked());
    EXPECT_TRUE(box(*form, "CheckBox3")->isChecked());
    EXPECT_TRUE(box(*form, "CheckBox4")->isChecked());
}

TEST_F(Form19Test, ASizeNoFontCanHaveLeavesTheResultsAsDesigned)
{
    const int designed = label("Label2")->font().pointSize();
    for (const char* size : {"0", "-8", "100000"}) {
        writeFile("Вычислица.ini", std::string("[tester]\r\nSize=") + size + "\r\n");
        auto form = openForm();
        expectLabels(Qt::black, designed, true);
        EXPECT_EQ(sizes(*form)->currentText(), QString::number(designed)) << size;
        click(*form, "BitBtn1");
        EXPECT_EQ(stored("Size"), std::to_string(designed)) << size;
    }
}

TEST_F(Form19Test, AcceptingWithBoldUncheckedMakesTheResultsRegularNowAndAfterARestart)
{
    auto form = openForm();
    box(*form, "CheckBox1")->setChecked(false);
    box(*form, "CheckBox2")->setChecked(false);
    box(*form, "CheckBox4")->setChecked(true);
    sizes(*form)->setCurrentIndex(2);
    click(*form, "BitBtn1");
    EXPECT_FALSE(form->isVisible());
    expectLabels(Qt::black, 12, false);
    EXPECT_EQ(messages, 1) << "the main window re-reads the balloon choice";
    EXPECT_EQ(stored("Font style"), "0");
    EXPECT_EQ(stored("Size"), "12");
    EXPECT_EQ(stored("openanim"), "0");
    EXPECT_EQ(stored("closeanim"), "1");
    EXPECT_EQ(stored("Balloon"), "1");
    EXPECT_EQ(stored("Skin"), skins::kBuiltin);
    EXPECT_EQ(stored("Color"), std::to_string(ini::kSilver));
    EXPECT_EQ(stored("Font Color"), "0");

    // The next start: the main window's labels as designed, this window made anew.
    for (const char* name : ini::kResultLabels)
        label(name)->setFont(QFont());
    auto restarted = openForm();
    expectLabels(Qt::black, 12, false);
    EXPECT_FALSE(box(*restarted, "CheckBox1")->isChecked());
    EXPECT_FALSE(box(*restarted, "CheckBox2")->isChecked());
    EXPECT_TRUE(box(*restarted, "CheckBox4")->isChecked());
}

TEST_F(Form19Test, OnlyTheSizesOfTheListAreTaken)
{
    writeFile("Вычислица.ini", "[tester]\r\nSize=10\r\n");
    auto form = openForm();
    QLineEdit* typed = sizes(*form)->lineEdit();
    typed->selectAll();
    typeText(typed, "16");
    click(*form, "BitBtn1");
    expectLabels(Qt::black, 10, true);
    EXPECT_EQ(stored("Size"), "10");

    form->show();
    processEvents();
    typed->selectAll();
    typeText(typed, "24");
    click(*form, "BitBtn1");
    expectLabels(Qt::black, 24, true);
    EXPECT_EQ(stored("Size"), "24");
}

TEST_F(Form19Test, StandardValuesInTheWindowsAndInTheFile)
{
    writeFile("Вычислица.ini", "[tester]\r\nFont Color=255\r\nSize=18\r\nFont style=0\r\nopenanim=0\r\n"
                               "closeanim=0\r\nBalloon=1\r\nSkin=Мята\r\n");
    ASSERT_TRUE(skins.select("Мята"));
    setColour(main, kTeal);
    for (auto& [name, window] : others)
        setColour(*window, kTeal);
    auto form = openForm();
    EXPECT_FALSE(box(*form, "CheckBox2")->isChecked());
    click(*form, "BitBtn3");

    EXPECT_FALSE(form->isVisible());
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    expectLabels(windowText, 8, true);
    EXPECT_EQ(control<TColorBtn>(*form, "ColorBtn2")->ButtonColor(), windowText);
    EXPECT_TRUE(box(*form, "CheckBox1")->isChecked());
    EXPECT_FALSE(box(*form, "CheckBox4")->isChecked());
    EXPECT_EQ(skins.skinName(), skins::kBuiltin);
    EXPECT_EQ(colourOf(main), kSilver);
    EXPECT_EQ(colourOf(*form), kSilver);
    // Silver everywhere: the windows "Стандартные" colours and those the close colours after it.
    for (auto& [name, window] : others)
        EXPECT_EQ(colourOf(*window), kSilver) << name;
    const std::pair<const char*, std::string> file[] = {
        {"Font style", "1"}, {"Size", "8"},  {"openanim", "1"}, {"closeanim", "1"},
        {"Balloon", "0"},    {"Skin", skins::kBuiltin}, {"Color", std::to_string(ini::kSilver)},
        {"Font Color", std::to_string(TColorBtn::colorValue(windowText))},
    };
    for (const auto& [key, value] : file)
        EXPECT_EQ(stored(key), value) << key;

    form->show();
    processEvents();
    EXPECT_TRUE(box(*form, "CheckBox2")->isChecked());
    EXPECT_TRUE(box(*form, "CheckBox3")->isChecked());
    EXPECT_EQ(sizes(*form)->currentText(), "8");
}

TEST_F(Form19Test, AChosenColourCountsOnlyWhenAccepted)
{
    auto form = openForm();
    auto* colour = control<TColorBtn>(*form, "ColorBtn2");
    script.color = QColor(0, 128, 0);
    colour->click();
    EXPECT_EQ(script.asked, QStringList{"color #000000"});
    EXPECT_EQ(colour->ButtonColor(), QColor(0, 128, 0));
    click(*form, "BitBtn2");
    expectLabels(Qt::black, label("Label2")->font().pointSize(), true);
    EXPECT_EQ(stored("Font Color"), "0");

    form->show();
    processEvents();
    script.color.reset(); // the dialog cancelled
    colour->click();
    EXPECT_EQ(colour->ButtonColor(), QColor(0, 128, 0));
    click(*form, "BitBtn1");
    expectLabels(QColor(0, 128, 0), label("Label2")->font().pointSize(), true);
    EXPECT_EQ(stored("Font Color"), std::to_string(TColorBtn::colorValue(QColor(0, 128, 0))));
}

TEST_F(Form19Test, ClosingStoresTheColoursAndColoursTheToolWindows)
{
    setColour(main, kTeal);
    auto form = openForm();
    form->close(); // the title bar's close button: no choice is taken
    EXPECT_EQ(stored("Color"), std::to_string(TColorBtn::colorValue(kTeal)));
    EXPECT_EQ(stored("Font style"), "<missing>");
    for (const char* name : {"TForm4", "TForm5", "TForm11", "TForm21", "TForm22", "TForm23"})
        EXPECT_EQ(colourOf(*others[name]), kTeal) << name;
    for (const char* name : {"TForm6", "TForm17"})
        EXPECT_NE(colourOf(*others[name]), kTeal) << name;
    EXPECT_EQ(messages, 1);
}

TEST_F(Form19Test, FlagsOutsideAByteReachTheGeneralErrorBox)
{
    for (const char* flag : {"openanim=300", "closeanim=-1", "Balloon=256"}) {
        host_.presenter.shown.clear();
        writeFile("Вычислица.ini", std::string("[tester]\r\n") + flag + "\r\n");
        auto form = makeForm();
        ASSERT_TRUE(oneGeneralError()) << flag;
        EXPECT_EQ(host_.presenter.shown[0].text, "Range check error.") << flag;
    }
    // Made with sound flags, closed when one is not: the close stops before the main window hears of it.
    writeFile("Вычислица.ini", "[tester]\r\n");
    auto form = openForm();
    host_.presenter.shown.clear();
    IniFile(path("Вычислица.ini")).writeInteger("tester", "openanim", 300);
    click(*form, "BitBtn2");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(oneGeneralError());
    EXPECT_EQ(messages, 0);
}

TEST_F(Form19Test, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen)
{
    writeFile("blocked", "not a folder");
    TForm19 form(host_.host(), DataFolder{path("blocked") + "/"}, skins, {&main, {}, {}}, dialogs);
    form.show();
    processEvents();
    click(form, "BitBtn1");
    ASSERT_TRUE(oneGeneralError());
    EXPECT_EQ(host_.presenter.shown[0].text, "Unable to write to " + path("blocked") + "/Вычислица.ini.");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form19Test, APickedSkinIsShownAtOnceAndKeptOnlyByAccepting)
{
    auto form = openForm();
    QListWidget* list = skinList(*form);
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);
    EXPECT_EQ(skins.skinName(), "Мята");
    click(*form, "BitBtn2");
    EXPECT_EQ(skins.skinName(), "Мята") << "in force until the program ends";
    EXPECT_EQ(stored("Skin"), "<missing>");

    form->show();
    processEvents();
    EXPECT_EQ(list->currentItem()->text(), "Мята");
    click(*form, "BitBtn1");
    EXPECT_EQ(stored("Skin"), "Мята");
    EXPECT_TRUE(host_.journal.empty());
}

TEST_F(Form19Test, TheSelectionDialogSetsTheFolderThenTheSkin)
{
    writeFile("Other/Графит.qss", "QPushButton { color: rgb(200, 120, 30); }");
    auto form = openForm();
    click(*form, "sBitBtn1"); // cancelled
    EXPECT_EQ(skins.folder(), path("Skins"));
    EXPECT_EQ(skins.skinName(), skins::kBuiltin);

    skinAnswer = SkinChoice{"Графит", path("Other")};
    click(*form, "sBitBtn1");
    EXPECT_EQ(script.asked, QStringList({"skin Vista (internal) in " + QString::fromStdString(path("Skins")),
                                  "skin Vista (internal) in " + QString::fromStdString(path("Skins"))}));
    EXPECT_EQ(skins.folder(), path("Other"));
    EXPECT_EQ(skins.skinName(), "Графит");
    EXPECT_EQ(rows(*skinList(*form)), QStringList({"Vista (internal)", "Графит"}));
    EXPECT_EQ(skinList(*form)->currentItem()->text(), "Графит");

    // A skin gone by the time it is chosen: a sound, and the skin stays.
    skinAnswer = SkinChoice{"Мята", path("Other")};
    click(*form, "sBitBtn1");
    EXPECT_EQ(skins.skinName(), "Графит");
    EXPECT_EQ(host_.journal, std::vector<std::string>{"sound:exclamation"});
}

TEST_F(Form19Test, ComesUpCentredOnTheMainWindow)
{
    main.setGeometry(200, 150, 800, 420);
    main.show();
    auto form = openForm();
    EXPECT_LE((form->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
}

} // namespace
} // namespace vy::test
