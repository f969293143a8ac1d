#include "formula/ui/form6.h"

#include "core/inifile.h"
#include "core/numtext.h"
#include "platform/qt/activation.h"
#include "platform/qt/modal.h"
#include "platform/qt/placement.h"
#include "ui/colorbtn.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace vy {

namespace {

constexpr int kClientHeight = 208;
constexpr int kSlideStep = 3;  // pixels per tick
constexpr int kSlideTick = 10; // milliseconds

// The keypad to the right of the designed client area: four columns of
// buttons 25 wide.
constexpr int kKeySize = 25;
constexpr int kKeyLeft = TForm6::kClosedWidth + 2;
constexpr int kKeyTop = 6;
constexpr int kKeyPitchX = kKeySize + 1;
constexpr int kKeyPitchY = kKeySize + 4;

enum class KeyAction { Type, Clear, Evaluate };

struct Key {
    int number; // ColorBtnN
    const char* caption;
    KeyAction action;
    const char* typed; // what Type puts in at the caret
    int column;
    int row;
};

constexpr Key kKeys[TForm6::kKeyCount] = {
    {8, "7", KeyAction::Type, "7", 0, 0},          {9, "8", KeyAction::Type, "8", 1, 0},
    {10, "9", KeyAction::Type, "9", 2, 0},         {16, "/", KeyAction::Type, "/", 3, 0},
    {5, "4", KeyAction::Type, "4", 0, 1},          {6, "5", KeyAction::Type, "5", 1, 1},
    {7, "6", KeyAction::Type, "6", 2, 1},          {15, "*", KeyAction::Type, "*", 3, 1},
    {1, "1", KeyAction::Type, "1", 0, 2},          {2, "2", KeyAction::Type, "2", 1, 2},
    {3, "3", KeyAction::Type, "3", 2, 2},          {14, "-", KeyAction::Type, "-", 3, 2},
    {4, "0", KeyAction::Type, "0", 0, 3},          {11, ",", KeyAction::Type, ",", 1, 3},
    {12, "С", KeyAction::Clear, "", 2, 3},         {13, "+", KeyAction::Type, "+", 3, 3},
    {22, "(", KeyAction::Type, "(", 0, 4},         {23, ")", KeyAction::Type, ")", 1, 4},
    {21, "^", KeyAction::Type, "^", 2, 4},         {25, "=", KeyAction::Evaluate, "", 3, 4},
    {18, "sin", KeyAction::Type, "sin()", 0, 5},   {17, "cos", KeyAction::Type, "cos()", 1, 5},
    {19, "tan", KeyAction::Type, "tan()", 2, 5},   {20, "cotan", KeyAction::Type, "cotan()", 3, 5},
    {24, "ln", KeyAction::Type, "ln()", 0, 6},
};

const Key* keyOf(int number)
{
    const auto* it = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const Key& k) { return k.number == number; });
    return it == std::end(kKeys) ? nullptr : it;
}

// The face colours: the light blue of an active title bar's gradient for most,
// red for clearing, aqua for the answer.
QColor keyColor(const Key& key)
{
    switch (key.action) {
    case KeyAction::Clear:
        return QColor(255, 0, 0);
    case KeyAction::Evaluate:
        return QColor(0, 255, 255);
    case KeyAction::Type:
        break;
    }
    return QColor(166, 202, 240);
}

// A caption such as "cotan" fits the narrow button in a narrower type, and
// only then in a smaller one.
void fitCaption(QPushButton& button)
{
    QFont font = button.font();
    const auto fits = [&] { return QFontMetrics(font).horizontalAdvance(button.text()) <= button.width() - 3; };
    for (int stretch = QFont::Unstretched; !fits() && stretch > QFont::ExtraCondensed; stretch -= 12)
        font.setStretch(stretch - 12);
    while (!fits() && font.pointSizeF() > 5)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button.setFont(font);
}

} // namespace

TForm6::TForm6(platform::Host host, DataFolder data, std::function<QWidget*()> helpWindow, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm6", QStringLiteral("Мат. выражение"), QSize(kClosedWidth, kClientHeight), &ini::kPlaceForm6},
                 parent),
      helpWindow_(std::move(helpWindow))
{
    buildControls();
    // FormCreate: the place is read by the tool window; the width says whether
    // the keypad was out.
    ParsedEdt->setText(QStringLiteral(" "));
    guarded([this] { restoreWidth(); });
}

void TForm6::buildControls()
{
    ExpEdt = place<QLineEdit>(this, "ExpEdt", {8, 8, 186, 22}, QStringLiteral("((5+7))*((9-3))/5"));
    ExpEdt->setToolTip(QStringLiteral("Введите математическое выражение"));
    BitBtn3 = place<QPushButton>(this, "BitBtn3", {196, 8, 16, 22});
    ParseBtn = place<QPushButton>(this, "ParseBtn", {8, 36, 204, 25}, QStringLiteral("Преобразовать"));
    ParseBtn->setToolTip(QStringLiteral("Первичное преобразование"));
    ParsedEdt = place<QLineEdit>(this, "ParsedEdt", {8, 67, 204, 22});
    ParsedEdt->setToolTip(QStringLiteral("Промежуточное значение"));
    ParsedEdt->setReadOnly(true);
    EvalBtn = place<QPushButton>(this, "EvalBtn", {8, 95, 204, 25}, QStringLiteral("Вычислить"));
    EvalBtn->setToolTip(QStringLiteral("Вычислить конечный результат"));
    ResultEdt = place<QLineEdit>(this, "ResultEdt", {8, 126, 204, 22});
    ResultEdt->setToolTip(QStringLiteral("Ответ"));
    ResultEdt->setReadOnly(true);
    BitBtn2 = place<QPushButton>(this, "BitBtn2", {8, 172, 98, 27}, QStringLiteral("Справка"));
    BitBtn2->setToolTip(QStringLiteral("Вызов справки"));
    BitBtn2->setCursor(Qt::WhatsThisCursor);
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {114, 172, 98, 27}, QStringLiteral("Закрыть"));
    BitBtn1->setToolTip(QStringLiteral("Закрыть"));
    buildKeypad();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    connectGuarded(ParseBtn, &QPushButton::clicked, &TForm6::ParseBtnClick);
    connectGuarded(EvalBtn, &QPushButton::clicked, &TForm6::EvalBtnClick);
    // Enter in the expression gives the answer, as "=" does.
    connectGuarded(ExpEdt, &QLineEdit::returnPressed, &TForm6::EvalBtnClick);
    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm6::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm6::BitBtn2Click);
    connectGuarded(BitBtn3, &QPushButton::clicked, &TForm6::BitBtn3Click);
    connectGuarded(Timer1, &QTimer::timeout, &TForm6::Timer1Timer);
    connectGuarded(Timer2, &QTimer::timeout, &TForm6::Timer2Timer);
}

void TForm6::buildKeypad()
{
    for (const Key& key : kKeys) {
        const QByteArray name = "ColorBtn" + QByteArray::number(key.number);
        auto* button = place<TColorBtn>(this, name.constData(),
                                        {kKeyLeft + key.column * kKeyPitchX, kKeyTop + key.row * kKeyPitchY,
                                         kKeySize, kKeySize},
                                        QString::fromUtf8(key.caption));
        button->setButtonColor(keyColor(key));
        fitCaption(*button);
        ColorBtn[key.number] = button;
        const int number = key.number;
        connectGuarded(button, &QPushButton::clicked, [this, number] { ColorBtnClick(number); });
    }
}

void TForm6::restoreWidth()
{
    const IniFile ini(data().settingsPath());
    const int stored = ini.readInteger(ini::kPlaceForm6.section, ini::kPlaceForm6.width, width());
    // The keypad is either out or in: a width in between (a close while it
    // moved, or a file from elsewhere) goes to the nearer of the two, so that
    // the slide button always works.
    setKeypadWidth(stored < (kClosedWidth + kOpenWidth) / 2 ? kClosedWidth : kOpenWidth);
    platform::moveOnScreen(*this, pos());
}

void TForm6::ParseBtnClick()
{
    ResultEdt->clear();
    ParsedEdt->clear();
    TExpression infix;
    TExpression postfix;
    if (!TokenizeExpression(ExpEdt->text().toStdString(), infix) || !ToPostfix(infix, postfix)) {
        report(expressionFailureReport(kExpressionConversionError));
        return;
    }
    ParsedEdt->setText(QString::fromStdString(PostfixText(postfix)));
    postfix_ = std::move(postfix);
}

void TForm6::EvalBtnClick()
{
    ParseBtnClick();
    if (ParsedEdt->text().isEmpty())
        return;
    // Division by zero, the logarithm of 0 and an overflow are not caught here:
    // they reach the general error box.
    double value = 0;
    if (!EvaluatePostfix(postfix_, value)) {
        report(expressionFailureReport(kExpressionEvaluationError));
        return;
    }
    ResultEdt->setText(QString::fromStdString(FloatToStr(value)));
}

void TForm6::BitBtn1Click()
{
    close();
    ParsedEdt->setText(QStringLiteral(" "));
    ResultEdt->setText(QStringLiteral(" "));
}

void TForm6::BitBtn2Click()
{
    QWidget* help = helpWindow_ ? helpWindow_() : nullptr;
    if (help == nullptr)
        return;
    platform::ActivationRule::markToolWindow(help, this);
    platform::showModal(*help);
}

void TForm6::BitBtn3Click()
{
    if (width() <= kClosedWidth)
        Timer1->start(kSlideTick);
    else if (width() >= kOpenWidth)
        Timer2->start(kSlideTick);
}

void TForm6::Timer1Timer()
{
    setKeypadWidth(width() + kSlideStep);
    if (width() >= kOpenWidth)
        Timer1->stop();
}

void TForm6::Timer2Timer()
{
    setKeypadWidth(width() - kSlideStep);
    if (width() <= kClosedWidth)
        Timer2->stop();
}

bool TForm6::sliding() const { return Timer1->isActive() || Timer2->isActive(); }

void TForm6::ColorBtnClick(int number)
{
    const Key* key = keyOf(number);
    if (key == nullptr)
        return;
    switch (key->action) {
    case KeyAction::Type:
        typeAtCaret(QString::fromUtf8(key->typed));
        break;
    case KeyAction::Clear:
        ExpEdt->clear();
        ExpEdt->setFocus();
        break;
    case KeyAction::Evaluate:
        // "Вычислить" converts first itself; converting once more beforehand
        // would only show a conversion error twice.
        EvalBtnClick();
        break;
    }
}

void TForm6::typeAtCaret(const QString& text)
{
    // In place of a selection, like typing; the caret goes after the text, or
    // between the brackets of a function.
    ExpEdt->insert(text);
    if (text.endsWith(QStringLiteral("()")))
        ExpEdt->cursorBackward(false);
    ExpEdt->setFocus();
}

void TForm6::FormClose()
{
    // A close while the keypad moves finishes the move at once, so that the
    // width kept is one of the two the slide button knows.
    if (Timer1->isActive())
        setKeypadWidth(kOpenWidth);
    if (Timer2->isActive())
        setKeypadWidth(kClosedWidth);
    Timer1->stop();
    Timer2->stop();
}

void TForm6::setKeypadWidth(int width)
{
    setFixedWidth(std::clamp(width, kClosedWidth, kOpenWidth));
    if (this->width() == kOpenWidth)
        BitBtn3->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    else if (this->width() == kClosedWidth)
        BitBtn3->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
}

} // namespace vy
