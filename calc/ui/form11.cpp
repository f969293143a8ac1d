#include "calc/ui/form11.h"

#include "core/protocol.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vy {

namespace {
QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
} // namespace

TForm11::TForm11(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {.name = "TForm11",
                  .caption = qs(power::modeTexts(power::Mode::Power).caption),
                  .client = QSize(249, 302),
                  .place = &ini::kPlaceForm11,
                  .position = QPoint(284, 163)},
                 parent)
{
    buildControls();
    // FormCreate
    RadioButton1->setChecked(true);
    applyMode(power::Mode::Power);
    Edit1->setToolTip(QStringLiteral("Введите число"));

    connectGuarded(RadioButton1, &QRadioButton::toggled, [this](bool on) {
        if (on)
            applyMode(power::Mode::Power);
    });
    connectGuarded(RadioButton2, &QRadioButton::toggled, [this](bool on) {
        if (on)
            applyMode(power::Mode::Root);
    });
    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm11::BitBtn1Click);
    onKeyDown(Edit1, [this](int key) {
        if (key == Qt::Key_Down)
            Edit2->setFocus(Qt::OtherFocusReason);
    });
    onKeyDown(Edit2, [this](int key) {
        if (key == Qt::Key_Down)
            BitBtn1Click();
        else if (key == Qt::Key_Up)
            Edit1->setFocus(Qt::OtherFocusReason);
    });
    // Consumed, or the button would pass the focus on to its neighbour.
    onKeyDown(BitBtn1, [this](int key) {
        if (key != Qt::Key_Up)
            return false;
        Edit2->setFocus(Qt::OtherFocusReason);
        return true;
    });
}

void TForm11::buildControls()
{
    RadioGroup1 = place<QGroupBox>(this, "RadioGroup1", {8, 4, 233, 66});
    RadioGroup1->setToolTip(QStringLiteral("Выберите режим"));
    RadioButton1 =
        place<QRadioButton>(RadioGroup1, "RadioButton1", {12, 16, 200, 19}, QStringLiteral("Возвести в степень"));
    RadioButton2 =
        place<QRadioButton>(RadioGroup1, "RadioButton2", {12, 40, 200, 19}, QStringLiteral("Вычислить корень"));

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 76, 233, 218});
    Label1 = place<QLabel>(GroupBox1, "Label1", {8, 12, 185, 25});
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);
    Label3 = place<QLabel>(GroupBox1, "Label3", {8, 50, 70, 17});
    Edit1 = place<QLineEdit>(GroupBox1, "Edit1", {84, 48, 137, 21}, QStringLiteral("1"));
    Label4 = place<QLabel>(GroupBox1, "Label4", {8, 84, 70, 17});
    Edit2 = place<QLineEdit>(GroupBox1, "Edit2", {84, 82, 137, 21}, QStringLiteral("1"));
    BitBtn1 = place<QPushButton>(GroupBox1, "BitBtn1", {8, 120, 213, 27}, QStringLiteral("Считать"));
    BitBtn1->setToolTip(QStringLiteral("Вычислить"));
    Label2 = place<QLabel>(GroupBox1, "Label2", {8, 160, 201, 33}, QStringLiteral("Ответ: "));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
}

power::Mode TForm11::mode() const { return RadioButton2->isChecked() ? power::Mode::Root : power::Mode::Power; }

void TForm11::applyMode(power::Mode mode)
{
    const power::ModeTexts& texts = power::modeTexts(mode);
    setWindowTitle(qs(texts.caption));
    Label1->setText(qs(texts.title));
    Label3->setText(qs(texts.number));
    Label4->setText(qs(texts.degree));
    Edit2->setToolTip(qs(texts.degreeHint));
}

void TForm11::BitBtn1Click()
{
    const power::Inputs inputs = power::readInputs(Edit1->text().toStdString(), Edit2->text().toStdString());
    if (inputs.report)
        report(*inputs.report);
    const power::Outcome outcome = power::compute(mode(), inputs.x, inputs.y);
    if (outcome.report)
        report(*outcome.report);
    Label2->setText(QString::fromStdString(outcome.answer));
    appendProtocol(outcome.protocol);
}

void TForm11::FormActivate()
{
    ProtocolLog(data().protocolPath()).appendOrRecreate(protocol::powersHeader(host().clock.now()));
}

void TForm11::FormClose() { appendProtocol(protocol::powersFooter()); }

} // namespace vy
