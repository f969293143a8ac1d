#include "calc/ui/form24.h"

#include "calc/numbersystems.h"
#include "core/keyfilters.h"
#include "platform/qt/keyfilter.h"
#include "ui/updown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

namespace vy {

namespace {

using numsys::Notation;

constexpr Notation kNotations[] = {Notation::Decimal, Notation::Binary, Notation::Hexadecimal};

// The tabs are drawn as push buttons; the chosen one stays pressed.
const char* const kButtonTabs =
    "QTabBar::tab { padding: 3px 7px; margin: 1px; border: 2px outset palette(mid);"
    " border-radius: 2px; background: palette(button); }"
    "QTabBar::tab:selected { border-style: inset; background: palette(midlight); }";

Notation notationOf(const QButtonGroup* group)
{
    const int id = group->checkedId();
    return id >= 0 && id < static_cast<int>(std::size(kNotations)) ? kNotations[id] : Notation::Decimal;
}

units::UnitId unitOf(const QListWidgetItem* item)
{
    return units::UnitId{item->data(Qt::UserRole).value<qulonglong>()};
}

} // namespace

TForm24::TForm24(platform::Host host, DataFolder data, const QWidget* colourSource, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm24", QStringLiteral("Системы счисления"), QSize(480, 439), &ini::kPlaceForm24}, parent),
      registry_(units::standardRegistry()), colourSource_(colourSource)
{
    buildControls();
    guarded([this] { FormCreate(); });
}

void TForm24::buildControls()
{
    Label2 = place<QLabel>(this, "Label2", {8, 6, 464, 18}, QStringLiteral("Перевод чисел из ситемы в систему"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont heading = Label2->font();
    heading.setBold(true);
    Label2->setFont(heading);

    Edit1 = place<QLineEdit>(this, "Edit1", {8, 30, 228, 22}, QStringLiteral("1"));
    Button1 = place<QPushButton>(this, "Button1", {244, 28, 228, 26}, QStringLiteral("Перевести"));

    const auto checkGroup = [this](QGroupBox* box, std::initializer_list<std::pair<QCheckBox**, const char*>> boxes) {
        auto* group = new QButtonGroup(this);
        group->setExclusive(true);
        const char* const captions[] = {"Десятичное", "Двоичное", "Шестнадцатиричное"};
        int id = 0;
        for (auto [check, name] : boxes) {
            *check = place<QCheckBox>(box, name, {10, 20 + 22 * id, 210, 20}, QString::fromUtf8(captions[id]));
            group->addButton(*check, id);
            ++id;
        }
        return group;
    };
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 60, 228, 90}, QStringLiteral("Перевод из"));
    sourceGroup_ = checkGroup(GroupBox1, {{&CheckBox1, "CheckBox1"}, {&CheckBox2, "CheckBox2"}, {&CheckBox3, "CheckBox3"}});
    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {244, 60, 228, 90}, QStringLiteral("Перевод в"));
    targetGroup_ = checkGroup(GroupBox2, {{&CheckBox4, "CheckBox4"}, {&CheckBox5, "CheckBox5"}, {&CheckBox6, "CheckBox6"}});
    CheckBox1->setChecked(true);
    CheckBox4->setChecked(true);

    // Wide enough for all 31 binary digits in one line, in a fixed-width font so
    // that the blanks before the first one keep the digits in their places.
    Label1 = place<QLabel>(this, "Label1", {8, 156, 464, 28}, QStringLiteral("Ответ"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setFrameShape(QFrame::StyledPanel);
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Label1->setFont(digits);

    TabControl1 = place<QTabBar>(this, "TabControl1", {8, 192, 464, 28});
    TabControl1->setDrawBase(false);
    TabControl1->setExpanding(false);
    TabControl1->setUsesScrollButtons(true);
    TabControl1->setStyleSheet(QString::fromLatin1(kButtonTabs));
    TabControl1->setAutoFillBackground(true);

    GroupBox4 = place<QGroupBox>(this, "GroupBox4", {8, 224, 206, 207}, QStringLiteral("Перевод из "));
    ListBox1 = place<QListWidget>(GroupBox4, "ListBox1", {6, 18, 194, 182});
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label3 = place<QLabel>(this, "Label3", {217, 320, 16, 16}, QStringLiteral("->"));

    GroupBox3 = place<QGroupBox>(this, "GroupBox3", {234, 224, 238, 52}, QStringLiteral("Количество"));
    Edit2 = place<QLineEdit>(GroupBox3, "Edit2", {8, 20, 204, 22}, QStringLiteral("1"));
    UpDown1 = place<TUpDown>(GroupBox3, "UpDown1", {212, 20, 18, 22});
    UpDown1->setRange(0, 100);
    UpDown1->setAssociate(Edit2);
    UpDown1->setPosition(1);

    Panel1 = place<QFrame>(this, "Panel1", {234, 282, 238, 149});
    ListBox2 = place<QListWidget>(Panel1, "ListBox2", {0, 0, 238, 149});
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);

    platform::filterKeys(Edit1, keys::hexadecimalFilter, host().sounds);
    // Backspace is refused too: the amount is edited with Delete and by selection.
    platform::filterKeys(
        Edit2, [](char32_t c) { return keys::unsignedDecimalFilter(c, {.acceptBackspace = false}); },
        host().sounds);

    connectGuarded(Button1, &QPushButton::clicked, &TForm24::Button1Click);
    connectGuarded(TabControl1, &QTabBar::currentChanged, &TForm24::TabControl1Change);
    connectGuarded(ListBox1, &QListWidget::itemSelectionChanged, &TForm24::ListBox1Click);
    connectGuarded(Edit2, &QLineEdit::textChanged, &TForm24::Edit2Change);
}

void TForm24::FormCreate()
{
    // The tabs, sorted by name; each remembers its family.
    const QSignalBlocker quiet(TabControl1);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(0);
    for (units::FamilyId family : units::familiesByName(registry_)) {
        const int tab = TabControl1->addTab(QString::fromStdString(registry_.description(family)));
        TabControl1->setTabData(tab, QVariant::fromValue<qulonglong>(family.index));
    }
    TabControl1->setCurrentIndex(0);
    TabControl1Change();
}

void TForm24::FormActivate()
{
    if (!colourSource_)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colourSource_->palette().color(QPalette::Window));
    setPalette(colours);
    TabControl1->setPalette(colours);
}

void TForm24::Button1Click()
{
    const std::int32_t n = numsys::Parse(notationOf(sourceGroup_), Edit1->text().toStdString());
    Label1->setText(QString::fromStdString(numsys::Format(notationOf(targetGroup_), n)));
}

void TForm24::TabControl1Change()
{
    const int tab = TabControl1->currentIndex();
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->clear();
        if (tab >= 0) {
            const units::FamilyId family{TabControl1->tabData(tab).value<qulonglong>()};
            for (units::UnitId unit : units::unitsByName(registry_, family)) {
                auto* item = new QListWidgetItem(QString::fromStdString(registry_.description(unit)), ListBox1);
                item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(unit.index));
            }
        }
        if (ListBox1->count() > 0)
            ListBox1->setCurrentRow(0);
    }
    ListBox1Click();
}

void TForm24::ListBox1Click() { Edit2Change(); }

std::optional<units::UnitId> TForm24::sourceUnit() const
{
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return unitOf(selected.front());
}

void TForm24::Edit2Change()
{
    std::vector<units::UnitId> targets;
    targets.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int row = 0; row < ListBox1->count(); ++row)
        targets.push_back(unitOf(ListBox1->item(row)));
    const std::vector<std::string> lines =
        units::ConversionLines(registry_, Edit2->text().toStdString(), sourceUnit(), targets);

    ListBox2->setUpdatesEnabled(false);
    ListBox2->clear();
    for (const std::string& line : lines)
        ListBox2->addItem(QString::fromStdString(line));
    ListBox2->setUpdatesEnabled(true);
}

} // namespace vy
