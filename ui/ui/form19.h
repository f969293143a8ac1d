#pragma once
// "Настройки": the look of the main window's ten result labels (colour, size,
// bold), whether the main window fades in and shrinks as it closes, balloon
// notices instead of message boxes, and the skin. The choices are kept in the
// user's section of the settings file and applied to the main window and
// several tool windows; the main window re-reads the balloon choice as soon as
// this window closes.
//
// The window knows the rest of the program only through Links: the main
// window as a widget (its colour, its result labels found by their names), the
// call that stands for the main window's message 1025, and the other windows by
// their class names.
#include "platform/qt/dialogs.h"
#include "platform/qt/toolwindow.h"
#include "ui/skins.h"

#include <QColor>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vy {

class TColorBtn;

class TForm19 : public ToolWindow {
    Q_OBJECT
public:
    struct Links {
        QWidget* main = nullptr;           // the main window
        std::function<void()> mainMessage; // the main window re-reads the balloon choice
        // Another window by its class name ("TForm5"); nullptr when there is none.
        std::function<QWidget*(const char*)> window;
    };
    // The skin selection dialog (empty: the skin engine's); nothing when cancelled.
    using SkinChooser =
        std::function<std::optional<SkinChoice>(QWidget* owner, const std::string& name, const std::string& folder)>;

    // dialogs: the colour dialog ColorDialog1.
    TForm19(platform::Host host, DataFolder data, SkinEngine& skins, Links links,
            platform::Dialogs& dialogs = platform::qtDialogs(), SkinChooser chooseSkin = {}, QWidget* parent = nullptr);

    // The handlers, under their designed names.
    void BitBtn1Click();   // "Принять"
    void BitBtn2Click();   // "Отмена"
    void BitBtn3Click();   // "Стандартные"
    void ColorBtn2Click(); // the font colour
    void sListBox1Click(); // a skin picked in the list
    void Panel1Click();    // "Выбор скина"

    int chosenSize() const { return chosenSize_; }
    int boldFlag() const { return bold_; }
    std::uint8_t openAnimFlag() const { return openAnim_; }
    std::uint8_t closeAnimFlag() const { return closeAnim_; }
    std::uint8_t balloonFlag() const { return balloon_; }

protected:
    void FormActivate() override;
    void FormClose() override;
    // Each showing comes up centred on the main window.
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void fillSkinList();
    std::vector<QLabel*> resultLabels() const;
    QColor fontColour() const; // Label2's
    int fontSize() const;      // Label2's
    QColor mainColour() const;
    void colourWindows(std::initializer_list<const char*> names, const QColor& colour);
    void setLabelsBold(bool bold);

    SkinEngine& skins_;
    Links links_;
    platform::Dialogs& dialogs_;
    SkinChooser chooseSkin_;
    std::string user_;
    int chosenSize_ = 8;
    int bold_ = 1;
    std::uint8_t openAnim_ = 1;
    std::uint8_t closeAnim_ = 1;
    std::uint8_t balloon_ = 0;

    QGroupBox* GroupBox1 = nullptr;    // "Шрифт ": the result labels' font
    QLabel* Label1 = nullptr;          // "Цвет:"
    TColorBtn* ColorBtn2 = nullptr;    // the chosen font colour; a click opens the colour dialog
    QLabel* Label3 = nullptr;          // "Размер"
    QComboBox* ComboBox1 = nullptr;    // font size, typed or picked
    QCheckBox* CheckBox1 = nullptr;    // "Жирный шрифт"
    QGroupBox* GroupBox2 = nullptr;    // behaviour
    QCheckBox* CheckBox2 = nullptr;    // "Анимация при запуске"
    QCheckBox* CheckBox3 = nullptr;    // "Анимация при закрытии"
    QCheckBox* CheckBox4 = nullptr;    // "Советы в стиле Win xp": balloon notices
    QListWidget* sListBox1 = nullptr;  // the skins
    QPushButton* sBitBtn1 = nullptr;   // "Выбор скина": the skin engine's dialog
    QPushButton* BitBtn1 = nullptr;    // "Принять"
    QPushButton* BitBtn2 = nullptr;    // "Отмена"
    QPushButton* BitBtn3 = nullptr;    // "Стандартные"
};

} // namespace vy
