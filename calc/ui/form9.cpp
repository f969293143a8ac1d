#include "calc/ui/form9.h"

#include "core/keyfilters.h"
#include "platform/qt/keyfilter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace vy {

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string text(const QLineEdit* field) { return field->text().toStdString(); }

QLineEdit* numberField(QWidget* parent, const char* name, QRect geometry, const char* hint)
{
    auto* field = place<QLineEdit>(parent, name, geometry, QStringLiteral("1"));
    field->setToolTip(QString::fromUtf8(hint));
    return field;
}

QLabel* answerLabel(QWidget* parent, const char* name, QRect geometry)
{
    auto* label = place<QLabel>(parent, name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false); // a long answer is cut off at the label's edge
    return label;
}

QCheckBox* stepBox(QWidget* parent, const char* name, QRect geometry, const char* caption, const char* hint)
{
    auto* box = place<QCheckBox>(parent, name, geometry, QString::fromUtf8(caption));
    box->setToolTip(QString::fromUtf8(hint));
    return box;
}

// Which way a step goes, from its pair of boxes, the first tested first.
percent::Step stepOf(const QCheckBox* first, percent::Step firstMeans, const QCheckBox* second)
{
    if (first->isChecked())
        return firstMeans;
    if (second->isChecked())
        return firstMeans == percent::Step::Increase ? percent::Step::Decrease : percent::Step::Increase;
    return percent::Step::Skip;
}

} // namespace

TForm9::TForm9(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {.name = "TForm9",
                  .caption = QStringLiteral("Проценты"),
                  .client = QSize(451, 259),
                  .place = &ini::kPlaceForm9,
                  .position = QPoint(130, 188)},
                 parent)
{
    buildControls();
    connectKeys();
    RadioButton1->setChecked(true);
    CheckBox1->setChecked(true);
    CheckBox3->setChecked(true);
    CheckBox5->setChecked(true);
    // Window creation: the three-element mode (the place was read by the kit).
    CheckBox5->setEnabled(false);
    CheckBox6->setEnabled(false);
    Edit10->setEnabled(false);

    connectGuarded(Button1, &QPushButton::clicked, &TForm9::Button1Click);
    connectGuarded(Button2, &QPushButton::clicked, &TForm9::Button2Click);
    connectGuarded(Button3, &QPushButton::clicked, &TForm9::Button3Click);
    connectGuarded(Button4, &QPushButton::clicked, &TForm9::Button4Click);
    // Choosing a mode runs its handler; clicking the mode already chosen does not.
    connectGuarded(RadioButton1, &QRadioButton::toggled, [this](bool on) {
        if (on)
            FormCreate();
    });
    connectGuarded(RadioButton2, &QRadioButton::toggled, [this](bool on) {
        if (on)
            FormCreate2();
    });
    pairBoxes(CheckBox1, CheckBox2);
    pairBoxes(CheckBox3, CheckBox4);
    pairBoxes(CheckBox5, CheckBox6);
}

void TForm9::buildControls()
{
    Label4 = place<QLabel>(this, "Label4", {8, 6, 200, 20}, QStringLiteral("Проценты"));
    QFont heading = Label4->font();
    heading.setBold(true);
    Label4->setFont(heading);

    Edit1 = numberField(this, "Edit1", {8, 32, 48, 21}, "Введите процент от числа");
    Label1 = place<QLabel>(this, "Label1", {58, 34, 14, 17}, QStringLiteral("%"));
    Label2 = place<QLabel>(this, "Label2", {76, 34, 52, 17}, QStringLiteral("от"));
    Edit2 = numberField(this, "Edit2", {132, 32, 48, 21}, "Введите число");
    Button1 = place<QPushButton>(this, "Button1", {194, 32, 25, 21}, QStringLiteral("="));
    Label3 = answerLabel(this, "Label3", {224, 34, 185, 17});

    Edit3 = numberField(this, "Edit3", {8, 60, 48, 21}, "Введите число");
    Label5 = place<QLabel>(this, "Label5", {58, 62, 74, 17}, QStringLiteral("увелич. на"));
    Edit4 = numberField(this, "Edit4", {132, 60, 48, 21}, "Введите процент увеличения");
    Label6 = place<QLabel>(this, "Label6", {182, 62, 10, 17}, QStringLiteral("%"));
    Button2 = place<QPushButton>(this, "Button2", {194, 60, 25, 21}, QStringLiteral("="));
    Label7 = answerLabel(this, "Label7", {224, 62, 185, 17});

    Edit5 = numberField(this, "Edit5", {8, 88, 48, 21}, "Введите число");
    Label8 = place<QLabel>(this, "Label8", {58, 90, 74, 17}, QStringLiteral("уменьш. на"));
    Edit6 = numberField(this, "Edit6", {132, 88, 48, 21}, "Введите процент уменьшения");
    Label9 = place<QLabel>(this, "Label9", {182, 90, 10, 17}, QStringLiteral("%"));
    Button3 = place<QPushButton>(this, "Button3", {194, 88, 25, 21}, QStringLiteral("="));
    Label10 = answerLabel(this, "Label10", {224, 90, 193, 17});

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 116, 435, 137}, QStringLiteral("Сложный процент "));
    RadioButton1 = place<QRadioButton>(GroupBox1, "RadioButton1", {8, 18, 100, 17}, QStringLiteral("3 элемента"));
    RadioButton2 = place<QRadioButton>(GroupBox1, "RadioButton2", {116, 18, 100, 17}, QStringLiteral("4 элемента"));

    Edit7 = numberField(GroupBox1, "Edit7", {8, 48, 60, 21}, "Введите число");
    CheckBox1 = stepBox(GroupBox1, "CheckBox1", {74, 40, 46, 17}, "Ув.", "Первый процент увеличения");
    CheckBox2 = stepBox(GroupBox1, "CheckBox2", {74, 58, 46, 17}, "Ум.", "Первый процент уменьшения ");
    Edit8 = numberField(GroupBox1, "Edit8", {122, 48, 50, 21}, "Первый процент");
    Label12 = place<QLabel>(GroupBox1, "Label12", {174, 50, 12, 17}, QStringLiteral("%"));
    CheckBox3 = stepBox(GroupBox1, "CheckBox3", {190, 40, 46, 17}, "Ув.", "Второй процент увеличения");
    CheckBox4 = stepBox(GroupBox1, "CheckBox4", {190, 58, 46, 17}, "Ум.", "Второй процент уменьшения");
    Edit9 = numberField(GroupBox1, "Edit9", {238, 48, 50, 21}, "Второй процент");
    Label13 = place<QLabel>(GroupBox1, "Label13", {290, 50, 12, 17}, QStringLiteral("%"));
    CheckBox5 = stepBox(GroupBox1, "CheckBox5", {306, 40, 46, 17}, "Ув.", "Третий процент увеличения");
    CheckBox6 = stepBox(GroupBox1, "CheckBox6", {306, 58, 46, 17}, "Ум.", "Третий процент уменьшения");
    Edit10 = numberField(GroupBox1, "Edit10", {354, 48, 50, 21}, "Третий процент");
    Label14 = place<QLabel>(GroupBox1, "Label14", {406, 50, 12, 17}, QStringLiteral("%"));

    Button4 = place<QPushButton>(GroupBox1, "Button4", {8, 80, 25, 21}, QStringLiteral("="));
    Button4->setToolTip(QStringLiteral("Вычислить"));
    Label11 = answerLabel(GroupBox1, "Label11", {8, 102, 417, 33});
}

void TForm9::connectKeys()
{
    // The three rows: "." and the letters on its key become ","; Enter moves
    // on to the row's second field, or computes there.
    const auto rowFilter = [](char32_t c) { return keys::commaThenUnsignedFilter(c); };
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        platform::filterKeys(field, rowFilter, host().sounds);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { focusOn(Edit2); });
    connect(Edit3, &QLineEdit::returnPressed, this, [this] { focusOn(Edit4); });
    connect(Edit5, &QLineEdit::returnPressed, this, [this] { focusOn(Edit6); });
    connectGuarded(Edit2, &QLineEdit::returnPressed, &TForm9::Button1Click);
    connectGuarded(Edit4, &QLineEdit::returnPressed, &TForm9::Button2Click);
    connectGuarded(Edit6, &QLineEdit::returnPressed, &TForm9::Button3Click);

    // The compound fields take no full stop; Enter moves on (and is refused,
    // with the sound, like any other key they do not take).
    for (QLineEdit* field : {Edit7, Edit8, Edit9, Edit10}) {
        platform::filterKeys(
            field,
            [this, field](char32_t c) {
                if (field == Edit9 && RadioButton1->isChecked())
                    Edit10->setEnabled(true);
                if (c == keys::kEnter)
                    guarded([&] { compoundEnter(field); });
                return keys::unsignedDecimalFilter(c);
            },
            host().sounds);
    }

    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10})
        onKeyDown(field, [this, field](int key) { arrowKey(field, key); });
}

void TForm9::FormCreate()
{
    CheckBox5->setEnabled(false);
    CheckBox6->setEnabled(false);
    Edit10->setEnabled(false);
    update();
    readPlace();
}

void TForm9::FormCreate2()
{
    CheckBox5->setEnabled(true);
    CheckBox6->setEnabled(true);
    Edit10->setEnabled(true);
}

void TForm9::pairBoxes(QCheckBox* box, QCheckBox* partner)
{
    connect(box, &QCheckBox::toggled, this, [partner](bool on) {
        if (on)
            partner->setChecked(false);
    });
    connect(partner, &QCheckBox::toggled, this, [box](bool on) {
        if (on)
            box->setChecked(false);
    });
}

void TForm9::focusOn(QLineEdit* field)
{
    // A disabled or hidden field cannot take the focus; the move is skipped.
    if (field->isEnabled() && field->isVisibleTo(field->window()))
        field->setFocus(Qt::OtherFocusReason);
}

void TForm9::compoundEnter(QLineEdit* field)
{
    if (field == Edit7)
        focusOn(Edit8);
    else if (field == Edit8)
        focusOn(Edit9);
    else if (field == Edit9)
        focusOn(Edit10);
    else
        Button4Click();
}

void TForm9::arrowKey(QLineEdit* field, int key)
{
    struct Moves {
        QLineEdit* field;
        QLineEdit* left;
        QLineEdit* right;
        QLineEdit* up;
        QLineEdit* down;
    };
    const Moves table[] = {
        {Edit1, nullptr, Edit2, nullptr, Edit3},  {Edit2, Edit1, nullptr, nullptr, Edit3},
        {Edit3, nullptr, Edit4, Edit1, Edit5},    {Edit4, Edit3, nullptr, Edit1, Edit5},
        {Edit5, nullptr, Edit6, Edit3, Edit7},    {Edit6, Edit5, nullptr, Edit3, Edit7},
        {Edit7, nullptr, Edit8, Edit5, nullptr},  {Edit8, Edit7, Edit9, nullptr, nullptr},
        {Edit9, Edit8, Edit10, nullptr, nullptr}, {Edit10, Edit9, nullptr, nullptr, nullptr},
    };
    for (const Moves& m : table) {
        if (m.field != field)
            continue;
        QLineEdit* target = key == Qt::Key_Left    ? m.left
                            : key == Qt::Key_Right ? m.right
                            : key == Qt::Key_Up    ? m.up
                            : key == Qt::Key_Down  ? m.down
                                                   : nullptr;
        if (target == nullptr)
            return;
        // The third percent opens to the right of the second and closes when
        // the user leaves it to the left.
        if (target == Edit10)
            Edit10->setEnabled(true);
        if (field == Edit10)
            Edit10->setEnabled(false);
        focusOn(target);
        return;
    }
}

void TForm9::Button1Click() { Label3->setText(qs(percent::percentOfText(text(Edit1), text(Edit2)))); }

void TForm9::Button2Click() { Label7->setText(qs(percent::increaseText(text(Edit3), text(Edit4)))); }

void TForm9::Button3Click() { Label10->setText(qs(percent::decreaseText(text(Edit5), text(Edit6)))); }

void TForm9::Button4Click()
{
    using percent::Step;
    const std::string number = text(Edit7);
    const std::string p1 = text(Edit8);
    const std::string p2 = text(Edit9);
    const std::string p3 = text(Edit10);
    percent::CompoundInput input;
    input.number = number;
    input.percents[0] = p1;
    input.percents[1] = p2;
    input.percents[2] = p3;
    input.steps[0] = stepOf(CheckBox2, Step::Decrease, CheckBox1);
    input.steps[1] = stepOf(CheckBox3, Step::Increase, CheckBox4);
    input.steps[2] = stepOf(CheckBox5, Step::Increase, CheckBox6);
    input.fourElements = RadioButton2->isChecked();
    Label11->setText(qs(compound_.press(input, Label11->text().toStdString())));
}

void TForm9::paintEvent(QPaintEvent*)
{
    // The background is cross-hatched diagonally in a shade of the window's colour.
    QPainter painter(this);
    const QColor base = palette().color(QPalette::Window);
    painter.fillRect(rect(), base);
    painter.fillRect(rect(), QBrush(base.darker(112), Qt::DiagCrossPattern));
}

} // namespace vy
