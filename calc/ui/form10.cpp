#include "calc/ui/form10.h"

#include "calc/factorial.h"
#include "calc/logarithm.h"
#include "calc/mathservices.h"
#include "calc/ui/longnumberfield.h"
#include "core/keyfilters.h"
#include "core/numtext.h"
#include "platform/qt/hatch.h"
#include "platform/qt/jobpost.h"
#include "platform/qt/keyfilter.h"
#include "platform/qt/presenter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

namespace vy {

namespace {


// The digits and their hint, made on the worker so that the window only has
// to show them.
struct FactorialAnswer {
    QString digits;
    QString hint;
};

QFont bold(QFont font, int pixelSize = 0)
{
    font.setBold(true);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

} // namespace

TForm10::TForm10(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data), {"TForm10", QStringLiteral("Логарифм"), QSize(398, 142), &ini::kPlaceForm10},
                 parent),
      runner_(platform::postTo(this))
{
    buildControls();
    busyDelay_.setSingleShot(true);
    busyDelay_.setInterval(kBusyDelayMs);
    connect(&busyDelay_, &QTimer::timeout, this, [this] { setBusy(runner_.active()); });
}

TForm10::~TForm10() { runner_.cancel(); }

void TForm10::buildControls()
{
    Label2 = place<QLabel>(this, "Label2", {6, 12, 30, 24}, QStringLiteral("Log"));
    Label2->setFont(bold(font(), 16));
    Edit1 = place<QLineEdit>(this, "Edit1", {36, 28, 36, 21}, QStringLiteral("1"));
    Edit1->setToolTip(QStringLiteral("Введите основание"));
    Edit2 = place<QLineEdit>(this, "Edit2", {76, 12, 56, 21}, QStringLiteral("1"));
    Edit2->setToolTip(QStringLiteral("Введите Log числа"));
    Button1 = place<QPushButton>(this, "Button1", {136, 8, 30, 30}, QStringLiteral("="));
    Button1->setFont(bold(font(), 18));
    Button1->setToolTip(QStringLiteral("Считать"));

    Label4 = place<QLabel>(this, "Label4", {6, 62, 100, 18}, QStringLiteral("Факториал"));
    Label4->setFont(bold(font()));
    Edit3 = place<QLineEdit>(this, "Edit3", {6, 84, 100, 21}, QStringLiteral("1"));
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {110, 80, 56, 30}, QStringLiteral("="));
    BitBtn1->setFont(bold(font(), 18));

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {172, 4, 220, 106}, QStringLiteral("Ответ : "));
    GroupBox1->setToolTip(QStringLiteral("Ответ:"));
    GroupBox1->setAutoFillBackground(true);
    Label1 = place<QLabel>(GroupBox1, "Label1", {6, 20, 209, 33});
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Edit4 = place<LongNumberField>(GroupBox1, "Edit4", {6, 62, 209, 21});

    // Seen only while a factorial takes a while.
    ProgressBar1 = place<QProgressBar>(this, "ProgressBar1", {6, 116, 300, 20});
    ProgressBar1->setTextVisible(false);
    Button2 = place<QPushButton>(this, "Button2", {312, 114, 80, 24}, QStringLiteral("Отмена"));
    Button2->setToolTip(QStringLiteral("Прервать вычисление факториала"));
    busy_.emplace(*this, std::initializer_list<QWidget*>{BitBtn1}, ProgressBar1, std::initializer_list<QWidget*>{Button2});

    for (QLineEdit* field : {Edit2, Edit3})
        platform::filterKeys(field, keys::wholeNumberFilter, host().sounds);

    connectGuarded(Button1, &QPushButton::clicked, &TForm10::Button1Click);
    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm10::BitBtn1Click);
    connectGuarded(Button2, &QPushButton::clicked, &TForm10::Button2Click);
}

void TForm10::paintEvent(QPaintEvent*) { platform::paintHatch(*this, Qt::CrossPattern, palette().color(QPalette::Window)); }

void TForm10::FormActivate()
{
    // The borderless answer field takes the window's colour, whatever it is.
    QPalette colours = Edit4->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Window));
    Edit4->setPalette(colours);
}

void TForm10::Button1Click()
{
    Label1->clear();
    const bool balloon = balloonWanted();
    const calc::LogOutcome outcome =
        calc::logarithmPress(Edit2->text().toStdString(), Edit1->text().toStdString());
    Label1->setText(QString::fromStdString(outcome.label));
    if (outcome.hint)
        GroupBox1->setToolTip(QString::fromStdString(*outcome.hint));
    if (outcome.report) {
        Report box{Presentation::InformationDialog, outcome.report->boxText, {}, Icon::None, true};
        report(inputReport(balloon, std::move(box), outcome.report->balloonText), Edit1);
    }
}

void TForm10::BitBtn1Click()
{
    if (runner_.active())
        return;
    const std::string text = Edit3->text().toStdString();
    if (StrToInt(text) > static_cast<std::int64_t>(calc::kFactorialLimit)) {
        const std::string refusal = calc::factorialLimitText();
        Report box{Presentation::InformationDialog, refusal, {}, Icon::None, true};
        report(inputReport(balloonWanted(), std::move(box), refusal), Edit3);
        return;
    }
    auto answer = std::make_shared<FactorialAnswer>();
    runner_.start(
        [answer, text](JobControl& control) {
            const std::string digits = calc::Factorial(text, [&control](double percent) {
                control.progress(percent / 100);
                control.checkpoint();
            });
            answer->hint = platform::messageText(calc::numberHint(digits));
            answer->digits = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
        },
        {.progress = [this](double done) { busy_->progress(done); },
         .finished =
             [this, answer](std::exception_ptr failure) {
                 guarded([&] {
                     setBusy(false);
                     if (failure)
                         std::rethrow_exception(failure);
                     Edit4->setText(answer->digits);
                     Edit4->setToolTip(answer->hint);
                 });
             }});
    busyDelay_.start();
}

void TForm10::Button2Click()
{
    runner_.cancel();
    setBusy(false);
}

void TForm10::setBusy(bool busy)
{
    if (!busy)
        busyDelay_.stop();
    busy_->show(busy);
}

void TForm10::FormClose()
{
    if (runner_.active())
        Button2Click();
}

} // namespace vy
