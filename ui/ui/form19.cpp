#include "ui/ui/form19.h"

#include "core/inifile.h"
#include "core/numtext.h"
#include "platform/qt/placement.h"
#include "ui/colorbtn.h"
#include "ui/resultfont.h"
#include "ui/skinlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace vy {

namespace {

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

const QColor kSilver = TColorBtn::fromColorValue(ini::kSilver);

void setWindowColour(QWidget& window, const QColor& colour)
{
    QPalette own = window.palette();
    own.setColor(QPalette::Window, colour);
    window.setPalette(own);
    window.setAutoFillBackground(true);
}

void setFontColour(QLabel& label, const QColor& colour)
{
    QPalette own = label.palette();
    own.setColor(QPalette::WindowText, colour);
    label.setPalette(own);
}

void setFontSize(QLabel& label, int points)
{
    if (!resultfont::usableSize(points))
        return;
    QFont font = label.font();
    font.setPointSize(points);
    label.setFont(font);
}

} // namespace

TForm19::TForm19(platform::Host host, DataFolder data, SkinEngine& skins, Links links, platform::Dialogs& dialogs,
                 SkinChooser chooseSkin, QWidget* parent)
    : ToolWindow(host, std::move(data), {"TForm19", QStringLiteral("Настройки"), QSize(380, 262)}, parent),
      skins_(skins), links_(std::move(links)), dialogs_(dialogs), chooseSkin_(std::move(chooseSkin))
{
    if (!chooseSkin_)
        chooseSkin_ = [this](QWidget* owner, const std::string& name, const std::string& folder) {
            return skins_.chooseSkin(owner, name, folder);
        };
    buildControls();
    guarded([this] { FormCreate(); });
}

void TForm19::buildControls()
{
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 6, 202, 112}, QStringLiteral("Шрифт "));
    Label1 = place<QLabel>(GroupBox1, "Label1", {10, 26, 60, 20}, QStringLiteral("Цвет:"));
    ColorBtn2 = place<TColorBtn>(GroupBox1, "ColorBtn2", {80, 22, 110, 26});
    Label3 = place<QLabel>(GroupBox1, "Label3", {10, 58, 60, 20}, QStringLiteral("Размер"));
    ComboBox1 = place<QComboBox>(GroupBox1, "ComboBox1", {80, 55, 110, 26});
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : resultfont::kSizes)
        ComboBox1->addItem(QString::number(size));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QStringLiteral("8"));
    CheckBox1 = place<QCheckBox>(GroupBox1, "CheckBox1", {10, 86, 180, 20}, QStringLiteral("Жирный шрифт"));
    CheckBox1->setChecked(true);

    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {8, 124, 202, 94});
    CheckBox2 = place<QCheckBox>(GroupBox2, "CheckBox2", {10, 10, 186, 22}, QStringLiteral("Анимация при запуске"));
    CheckBox3 = place<QCheckBox>(GroupBox2, "CheckBox3", {10, 38, 186, 22}, QStringLiteral("Анимация при закрытии"));
    CheckBox4 = place<QCheckBox>(GroupBox2, "CheckBox4", {10, 66, 186, 22}, QStringLiteral("Советы в стиле Win xp"));
    for (QCheckBox* box : {CheckBox2, CheckBox3, CheckBox4})
        box->setChecked(true);

    sListBox1 = place<QListWidget>(this, "sListBox1", {218, 12, 154, 172});
    sBitBtn1 = place<QPushButton>(this, "sBitBtn1", {218, 190, 154, 28}, QStringLiteral("Выбор скина"));

    BitBtn1 = place<QPushButton>(this, "BitBtn1", {8, 228, 116, 28}, QStringLiteral("Принять"));
    BitBtn2 = place<QPushButton>(this, "BitBtn2", {132, 228, 116, 28}, QStringLiteral("Отмена"));
    BitBtn3 = place<QPushButton>(this, "BitBtn3", {256, 228, 116, 28}, QStringLiteral("Стандартные"));

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm19::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm19::BitBtn2Click);
    connectGuarded(BitBtn3, &QPushButton::clicked, &TForm19::BitBtn3Click);
    connectGuarded(ColorBtn2, &QPushButton::clicked, &TForm19::ColorBtn2Click);
    connectGuarded(sBitBtn1, &QPushButton::clicked, &TForm19::Panel1Click);
    // A click or the arrow keys make another row current.
    connectGuarded(sListBox1, &QListWidget::currentRowChanged, &TForm19::sListBox1Click);
}

// ---- the main window's labels ----------------------------------------------------

std::vector<QLabel*> TForm19::resultLabels() const
{
    std::vector<QLabel*> labels;
    if (links_.main == nullptr)
        return labels;
    for (const char* name : ini::kResultLabels)
        if (auto* label = links_.main->findChild<QLabel*>(QString::fromLatin1(name)))
            labels.push_back(label);
    return labels;
}

QColor TForm19::fontColour() const
{
    const std::vector<QLabel*> labels = resultLabels();
    return labels.empty() ? QApplication::palette().color(QPalette::WindowText)
                          : labels.front()->palette().color(QPalette::WindowText);
}

int TForm19::fontSize() const
{
    const std::vector<QLabel*> labels = resultLabels();
    return QFontInfo(labels.empty() ? QApplication::font() : labels.front()->font()).pointSize();
}

QColor TForm19::mainColour() const
{
    return links_.main != nullptr ? links_.main->palette().color(QPalette::Window) : kSilver;
}

void TForm19::setLabelsBold(bool bold)
{
    for (QLabel* label : resultLabels()) {
        QFont font = label->font();
        font.setBold(bold);
        label->setFont(font);
    }
}

void TForm19::colourWindows(std::initializer_list<const char*> names, const QColor& colour)
{
    for (const char* name : names) {
        QWidget* window = nullptr;
        if (std::string_view(name) == "TForm1")
            window = links_.main;
        else if (std::string_view(name) == "TForm19")
            window = this;
        else if (links_.window)
            window = links_.window(name);
        if (window != nullptr)
            setWindowColour(*window, colour);
    }
}

// ---- creation, activation, closing ------------------------------------------------

void TForm19::FormCreate()
{
    user_ = userSection();
    if (!user_.empty())
        setWindowTitle(QStringLiteral("Настройки ") + qs(user_));
    const IniFile ini(data().settingsPath());
    const int colourValue = ini.readColor(user_, ini::kFontColor, TColorBtn::colorValue(fontColour()));
    const int size = ini.readInteger(user_, ini::kSize, fontSize());
    for (QLabel* label : resultLabels()) {
        setFontColour(*label, TColorBtn::fromColorValue(colourValue));
        setFontSize(*label, size);
    }
    bold_ = ini.readInteger(user_, ini::kFontStyle, ini::kFontStyleBold) == ini::kFontStyleBold ? 1 : 0;
    CheckBox1->setChecked(bold_ == 1);
    setLabelsBold(bold_ == 1);
    chosenSize_ = fontSize();
    // A flag outside 0..255 ends the creation here, in the general error box.
    openAnim_ = ini.readByteChecked(user_, ini::kOpenAnim, ini::kOpenAnimDefault);
    closeAnim_ = ini.readByteChecked(user_, ini::kCloseAnim, ini::kCloseAnimDefault);
    balloon_ = ini.readByteChecked(user_, ini::kBalloon, ini::kBalloonDefault);
    ColorBtn2->setButtonColor(
        TColorBtn::fromColorValue(ini.readColor(user_, ini::kFontColor, TColorBtn::colorValue(fontColour()))));
    CheckBox2->setChecked(openAnim_ == 1);
    CheckBox3->setChecked(closeAnim_ == 1);
    CheckBox4->setChecked(balloon_ == 1);
}

void TForm19::FormActivate()
{
    fillSkinList();
    const int size = IniFile(data().settingsPath()).readInteger(user_, ini::kSize, fontSize());
    chosenSize_ = resultfont::usableSize(size) ? size : fontSize();
    ComboBox1->setEditText(qs(FloatToStr(chosenSize_)));
    CheckBox2->setChecked(openAnim_ == 1);
    CheckBox3->setChecked(closeAnim_ == 1);
}

void TForm19::fillSkinList()
{
    const QSignalBlocker quiet(sListBox1);
    sListBox1->clear();
    for (const std::string& name : skins::listItems(skins_.skinNames()))
        sListBox1->addItem(qs(name));
    // The skin in force is the one shown picked.
    const auto found = sListBox1->findItems(qs(skins_.skinName()), Qt::MatchExactly);
    sListBox1->setCurrentRow(found.isEmpty() ? -1 : sListBox1->row(found.front()));
}

void TForm19::FormClose()
{
    IniFile ini(data().settingsPath());
    ini.writeColor(user_, ini::kColor, TColorBtn::colorValue(mainColour()));
    ini.writeColor(user_, ini::kFontColor, TColorBtn::colorValue(fontColour()));
    ini.writeInteger(user_, ini::kSize, chosenSize_);
    const QColor colour =
        TColorBtn::fromColorValue(ini.readColor(user_, ini::kColor, TColorBtn::colorValue(mainColour())));
    colourWindows({"TForm1", "TForm5", "TForm4", "TForm11", "TForm21", "TForm22", "TForm23"}, colour);
    const std::vector<QLabel*> labels = resultLabels();
    if (!labels.empty()) {
        setFontColour(*labels.front(),
                      TColorBtn::fromColorValue(ini.readColor(user_, ini::kFontColor, TColorBtn::colorValue(fontColour()))));
        setFontSize(*labels.front(), ini.readInteger(user_, ini::kSize, fontSize()));
    }
    openAnim_ = ini.readByteChecked(user_, ini::kOpenAnim, ini::kOpenAnimDefault);
    closeAnim_ = ini.readByteChecked(user_, ini::kCloseAnim, ini::kCloseAnimDefault);
    if (links_.mainMessage)
        links_.mainMessage();
}

void TForm19::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && links_.main != nullptr && links_.main->isVisible()) {
        const QPoint centre = links_.main->frameGeometry().center();
        platform::moveOnScreen(*this, centre - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    ToolWindow::showEvent(event);
}

// ---- the buttons ---------------------------------------------------------------------

void TForm19::BitBtn1Click()
{
    chosenSize_ = resultfont::chosenSize(ComboBox1->currentText().toStdString(), chosenSize_);
    IniFile ini(data().settingsPath());
    ini.writeColor(user_, ini::kColor, TColorBtn::colorValue(mainColour()));
    ini.writeColor(user_, ini::kFontColor, TColorBtn::colorValue(fontColour()));
    ini.writeInteger(user_, ini::kSize, chosenSize_);
    ini.writeString(user_, ini::kSkin, skins_.skinName());
    for (QLabel* label : resultLabels()) {
        setFontColour(*label, ColorBtn2->ButtonColor());
        setFontSize(*label, chosenSize_);
    }
    bold_ = CheckBox1->isChecked() ? 1 : 0;
    ini.writeInteger(user_, ini::kFontStyle, bold_);
    setLabelsBold(bold_ == 1);
    ini.writeInteger(user_, ini::kOpenAnim, CheckBox2->isChecked() ? 1 : 0);
    ini.writeInteger(user_, ini::kCloseAnim, CheckBox3->isChecked() ? 1 : 0);
    ini.writeInteger(user_, ini::kBalloon, CheckBox4->isChecked() ? 1 : 0);
    close();
}

void TForm19::BitBtn2Click() { close(); }

void TForm19::BitBtn3Click()
{
    colourWindows({"TForm1", "TForm4", "TForm5", "TForm19", "TForm17", "TForm6", "TForm11"}, kSilver);
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (QLabel* label : resultLabels()) {
        setFontColour(*label, windowText);
        setFontSize(*label, ini::kStandardFontSize);
    }
    setLabelsBold(true);
    ColorBtn2->setButtonColor(windowText);
    bold_ = 1;
    CheckBox1->setChecked(true);
    CheckBox4->setChecked(false);
    IniFile ini(data().settingsPath());
    ini.writeInteger(user_, ini::kFontStyle, ini::kFontStyleBold);
    chosenSize_ = ini::kStandardFontSize;
    ini.writeInteger(user_, ini::kSize, ini::kStandardFontSize);
    ini.writeInteger(user_, ini::kOpenAnim, 1);
    ini.writeInteger(user_, ini::kCloseAnim, 1);
    ini.writeInteger(user_, ini::kBalloon, 0);
    ini.writeString(user_, ini::kSkin, ini::kSkinDefault);
    skins_.select(ini.readString(user_, ini::kSkin, ini::kSkinDefault));
    close();
}

void TForm19::ColorBtn2Click()
{
    if (const std::optional<QColor> colour = dialogs_.chooseColor(this, ColorBtn2->ButtonColor()))
        ColorBtn2->setButtonColor(*colour);
}

void TForm19::sListBox1Click()
{
    const QListWidgetItem* item = sListBox1->currentItem();
    if (item == nullptr)
        return;
    const std::string name = item->text().toStdString();
    if (name == skins_.skinName())
        return;
    // Only shown: "Принять" keeps it for the next start. A name the engine does
    // not know ("No skins available") changes nothing but says so.
    if (!skins_.select(name))
        host().sounds.exclamation();
}

void TForm19::Panel1Click()
{
    const std::optional<SkinChoice> choice = chooseSkin_(this, skins_.skinName(), skins_.folder());
    if (!choice)
        return;
    skins_.setFolder(choice->folder);
    if (!skins_.select(choice->name))
        host().sounds.exclamation();
    fillSkinList();
    if (links_.main != nullptr)
        links_.main->update();
}

} // namespace vy
