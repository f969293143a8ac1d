#include "linalg/ui/form4.h"

#include "core/protocol.h"
#include "linalg/mathlib.h"
#include "platform/qt/keyfilter.h"
#include "platform/qt/presenter.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vy {

namespace {

constexpr const char* kSingular = "Система не имеет единственного решения\rт.к детерминант равен 0";

// Designed texts of the fields, by number.
constexpr std::array<const char*, 12> kThreeTexts = {"1", "1", "2", "5", "5", "6", "7", "8", "9", "10", "11", "12"};
// a, b, c, d of four rows (Edit13 .. Edit28), then the free terms (Edit29 .. Edit32).
constexpr std::array<const char*, 16> kFourCoefficients = {"2", "5", "4", "1", "1", "3", "2", "1",
                                                           "2", "10", "9", "7", "3", "8", "9", "2"};
constexpr std::array<const char*, 4> kFourFreeTerms = {"20", "11", "40", "37"};

std::optional<keys::Arrow> arrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return keys::Arrow::Left;
    case Qt::Key_Right: return keys::Arrow::Right;
    case Qt::Key_Up: return keys::Arrow::Up;
    case Qt::Key_Down: return keys::Arrow::Down;
    default: return std::nullopt;
    }
}

QLabel* textLabel(QWidget* parent, const char* name, QRect geometry)
{
    auto* label = place<QLabel>(parent, name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TForm4::TForm4(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm4", QStringLiteral("Решение системы уравнений"), QSize(536, 270), &ini::kPlaceForm4}, parent)
{
    buildControls();
    // FormCreate: both previews from the designed texts.
    guarded([this] {
        ThreePreviewChange();
        FourPreviewChange();
    });
}

QLineEdit* TForm4::field(QWidget* parent, int number, QRect geometry, const char* text)
{
    const std::string name = "Edit" + std::to_string(number);
    auto* edit = place<QLineEdit>(parent, name.c_str(), geometry, QString::fromUtf8(text));
    platform::filterKeys(
        edit, [](char32_t c) { return keys::signedDecimalFilter(c, keys::CommaLetters::B); }, host().sounds);
    edit->installEventFilter(this);
    edits_[number] = edit;
    return edit;
}

void TForm4::buildControls()
{
    Label1 = place<QLabel>(this, "Label1", {8, 2, 520, 18}, QStringLiteral("Решение системы уравнений"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);

    // Three unknowns: fields in reading order, so that tab order is reading order.
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 22, 214, 94}, QStringLiteral("Ввод индексов"));
    for (int row = 0; row < 3; ++row) {
        const int y = 20 + 24 * row;
        for (int col = 0; col < 3; ++col)
            field(GroupBox1, 1 + 4 * row + col, {8 + 44 * col, y, 40, 20}, kThreeTexts[4 * row + col]);
        place<QLabel>(GroupBox1, "", QRect(140, y, 16, 20), QStringLiteral(" ="));
        field(GroupBox1, 4 + 4 * row, {158, y, 48, 20}, kThreeTexts[4 * row + 3]);
    }
    buildOutputs(22, 94, {"BitBtn1", "GroupBox2", "Label3", "GroupBox3", "Label6"},
                 {&BitBtn1, &GroupBox2, &Label3, &GroupBox3, &Label6});

    // Four unknowns.
    GroupBox4 = place<QGroupBox>(this, "GroupBox4", {8, 120, 214, 142}, QStringLiteral("Ввод индексов"));
    for (int row = 0; row < 4; ++row) {
        const int y = 22 + 29 * row;
        for (int col = 0; col < 4; ++col)
            field(GroupBox4, 13 + 4 * row + col, {8 + 36 * col, y, 33, 20}, kFourCoefficients[4 * row + col]);
        place<QLabel>(GroupBox4, "", QRect(152, y, 10, 20), QStringLiteral("="));
        field(GroupBox4, 29 + row, {164, y, 42, 20}, kFourFreeTerms[row]);
    }
    buildOutputs(120, 142, {"BitBtn2", "GroupBox5", "Label8", "GroupBox6", "Label7"},
                 {&BitBtn2, &GroupBox5, &Label8, &GroupBox6, &Label7});

    // Tab order: the upper fields, its button, the lower fields, its button.
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (int n = 1; n <= 12; ++n)
        chain(edits_[n]);
    chain(BitBtn1);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col)
            chain(edits_[13 + 4 * row + col]);
        chain(edits_[29 + row]);
    }
    chain(BitBtn2);

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm4::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm4::BitBtn2Click);
    // The previews are rebuilt whole from the fields at every change of a field
    // (typing, deleting, pasting), never added to.
    for (int n = 1; n <= 12; ++n)
        connectGuarded(edits_[n], &QLineEdit::textChanged, &TForm4::ThreePreviewChange);
    for (int n = 13; n <= 32; ++n)
        connectGuarded(edits_[n], &QLineEdit::textChanged, &TForm4::FourPreviewChange);
}

void TForm4::buildOutputs(int top, int height, const OutputNames& names, const Outputs& outputs)
{
    *outputs.button = place<QPushButton>(this, names.button, {226, top + height / 2 - 13, 30, 26}, QStringLiteral("="));
    (*outputs.button)->setToolTip(QStringLiteral("Вычислить"));
    *outputs.equations = place<QGroupBox>(this, names.equations, {260, top, 160, height}, QStringLiteral("Уравнение"));
    *outputs.preview = textLabel(*outputs.equations, names.preview, {6, 18, 148, height - 24});
    (*outputs.preview)->setWordWrap(true);
    *outputs.result = place<QGroupBox>(this, names.result, {424, top, 104, height}, QStringLiteral("Ответ"));
    *outputs.answer = textLabel(*outputs.result, names.answer, {6, 18, 94, height - 24});
}

ThreeTexts TForm4::threeTexts() const
{
    ThreeTexts t;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            t[row][col] = edits_[1 + 4 * row + col]->text().toStdString();
    return t;
}

FourTexts TForm4::fourTexts() const
{
    FourTexts t;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col)
            t[row][col] = edits_[13 + 4 * row + col]->text().toStdString();
        t[row][4] = edits_[29 + row]->text().toStdString();
    }
    return t;
}

void TForm4::ThreePreviewChange()
{
    Label3->setText(platform::messageText(ThreePreview(threeTexts()).text));
}

void TForm4::FourPreviewChange()
{
    const SystemPreviewText preview = FourPreview(fourTexts());
    Label8->setText(platform::messageText(preview.text));
    if (!preview.converted)
        Label7->clear();
}

void TForm4::BitBtn1Click()
{
    const ThreeSolution s = SolveThree(threeTexts());
    if (!s.converted) {
        Label3->setText(QString::fromUtf8(kCommaHint));
        Label6->clear();
        return;
    }
    Label6->setText(platform::messageText(s.answer));
    if (s.failure)
        std::rethrow_exception(s.failure);
    if (s.singular)
        report({Presentation::InformationDialog, kSingular, {}, Icon::None, true});
    appendProtocol(s.protocol);
}

void TForm4::BitBtn2Click()
{
    const FourSolution s = SolveFour(fourTexts(), &Determ);
    if (s.answer)
        Label7->setText(platform::messageText(*s.answer));
    if (s.failure)
        std::rethrow_exception(s.failure);
}

void TForm4::FormActivate() { appendProtocol(protocol::systemsHeader(host().clock.now())); }

void TForm4::FormClose() { appendProtocol(protocol::systemsFooter()); }

int TForm4::fieldNumber(const QObject* object) const
{
    for (int n = 1; n <= 32; ++n)
        if (edits_[n] == object)
            return n;
    return 0;
}

void TForm4::moveFocus(int from, FieldMove move)
{
    switch (move.kind) {
    case FieldMove::Kind::Stay:
        break;
    case FieldMove::Kind::Field:
        edits_[move.field]->setFocus(Qt::TabFocusReason); // selects the text, as Tab does
        break;
    case FieldMove::Kind::NextControl:
        edits_[from]->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        break;
    }
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return ToolWindow::eventFilter(watched, event);
    const int number = fieldNumber(watched);
    const auto arrow = arrowOf(static_cast<QKeyEvent*>(event)->key());
    if (number == 0 || !arrow || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
        return ToolWindow::eventFilter(watched, event);
    if (number <= 12) {
        // Three unknowns: on the key going down, and only while every field is a number.
        if (!press || !ThreePreview(threeTexts()).converted)
            return false;
        bool moved = false;
        guarded([&] {
            const FieldMove move = ThreeArrowMove(number, *arrow);
            moveFocus(number, move);
            moved = move.kind != FieldMove::Kind::Stay;
        });
        return moved;
    }
    // Four unknowns: on the key coming up, whatever the fields hold.
    if (release)
        guarded([&] { moveFocus(number, FourArrowMove(number, *arrow)); });
    return false;
}

} // namespace vy
