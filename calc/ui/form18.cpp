#include "calc/ui/form18.h"

#include "core/keyfilters.h"
#include "platform/qt/keyfilter.h"

#include <QLabel>
#include <QLineEdit>

namespace vy {

namespace {

constexpr int kBaseLeft = 8;
constexpr int kFirstRowTop = 56;
constexpr int kRowStep = 24;
constexpr int kSuperscriptRise = 8;
constexpr int kExponentGap = 6;

QLabel* plainLabel(QWidget* parent, int number, const QString& text, int pixelSize)
{
    const QByteArray name = "Label" + QByteArray::number(number);
    auto* label = place<QLabel>(parent, name.constData(), QRect(), text);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

} // namespace

TForm18::TForm18(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm18", QString(), QSize(228, 285), nullptr, false,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint},
                 parent)
{
    buildControls();
    // No caption to take the window by: the whole of its background is one.
    dragByBackground();
    guarded([this] { Edit1Change(); });
}

void TForm18::buildControls()
{
    Label28 = place<QLabel>(this, "Label28", {kBaseLeft, 6, 140, 16}, QStringLiteral("Введите число"));
    Edit1 = place<QLineEdit>(this, "Edit1", {kBaseLeft, 24, 140, 21}, QStringLiteral("2"));
    platform::filterKeys(Edit1, keys::commaFilter, host().sounds);
    for (int k = 0; k < calc::kPowerCount; ++k) {
        const auto row = static_cast<std::size_t>(k);
        baseLabels_[row] = plainLabel(this, 3 * k + 1, QString(), 15);
        exponentLabels_[row] = plainLabel(this, 3 * k + 2, QString::number(calc::kFirstPower + k), 10);
        valueLabels_[row] = plainLabel(this, 3 * k + 3, QString(), 15);
    }
    connectGuarded(Edit1, &QLineEdit::textChanged, &TForm18::Edit1Change);
}

void TForm18::FormActivate()
{
    Edit1->setText(QStringLiteral("2"));
    Edit1->selectAll();
    Edit1->setFocus();
}

void TForm18::Edit1Change()
{
    // The whole table is computed before any label changes, so a failure
    // leaves the previous table standing.
    const std::optional<calc::PowerTable> table = calc::PowerTableFor(Edit1->text().toStdString());
    if (!table)
        return;
    const QString base = QString::fromStdString(table->base);
    for (std::size_t row = 0; row < baseLabels_.size(); ++row) {
        baseLabels_[row]->setText(base);
        valueLabels_[row]->setText(QString::fromStdString(table->values[row]));
    }
    layoutRows();
}

void TForm18::layoutRows()
{
    for (std::size_t row = 0; row < baseLabels_.size(); ++row) {
        QLabel* base = baseLabels_[row];
        QLabel* exponent = exponentLabels_[row];
        QLabel* value = valueLabels_[row];
        const int top = kFirstRowTop + static_cast<int>(row) * kRowStep;
        base->adjustSize();
        base->move(kBaseLeft, top);
        exponent->adjustSize();
        exponent->move(base->x() + base->width() + kExponentGap, top - kSuperscriptRise);
        value->adjustSize();
        // Two digits need more room than one.
        value->move(exponent->x() + (exponent->text().size() > 1 ? 10 : 5), top);
    }
}

} // namespace vy
