#include "solvers/ui/form23.h"

#include "platform/qt/activation.h"
#include "platform/qt/guard.h"
#include "platform/qt/presenter.h"
#include "solvers/integral.h"
#include "solvers/ui/formparts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace vy {

using solversui::place;

namespace {

// The integral sign of the panel, drawn rather than loaded.
QPixmap integralSign(QSize size, const QFont& base)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = base;
    font.setPixelSize(size.height());
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0x222B)));
    return pixmap;
}

} // namespace

TForm23::TForm23(platform::Host host, DataFolder data, QWidget* parent)
    : QWidget(parent), host_(host), data_(std::move(data))
{
    setObjectName(QStringLiteral("TForm23"));
    buildControls();
    auto* activation = new platform::ActivationRule(this);
    connect(activation, &platform::ActivationRule::activated, this, [this] { FormActivate(); });
    // FormCreate
    RadioButton1->setChecked(true);
    method_ = 1;
    platform::guarded(host_.presenter, [this] { solversui::readPlace(*this, data_, ini::kPlaceForm23); });
}

void TForm23::buildControls()
{
    solversui::setUpToolWindow(*this, QStringLiteral("Вычисление интегралов"), QSize(410, 200));

    Panel1 = place<QFrame>(this, "Panel1", {8, 8, 394, 96});
    Panel1->setFrameShape(QFrame::StyledPanel);
    Edit2 = place<QLineEdit>(Panel1, "Edit2", {6, 4, 50, 20}, QStringLiteral("1"));
    Edit2->setToolTip(QStringLiteral("Введите верхний предел интегрирования"));
    Image1 = place<QLabel>(Panel1, "Image1", {16, 24, 30, 48});
    Image1->setPixmap(integralSign(Image1->size(), font()));
    Edit3 = place<QLineEdit>(Panel1, "Edit3", {6, 72, 50, 20}, QStringLiteral("0"));
    Edit3->setToolTip(QStringLiteral("Введите нижний предел интегрирования"));
    Edit1 = place<QLineEdit>(Panel1, "Edit1", {52, 37, 110, 22}, QStringLiteral("x"));
    Edit1->setToolTip(QStringLiteral("Введите интегрируемую функцию (F(x))"));
    Label2 = place<QLabel>(Panel1, "Label2", {166, 40, 32, 16}, QStringLiteral("dx ="));
    // Wide enough for the longest line it shows: a point where the integrand
    // cannot be evaluated, in up to fifteen digits and an exponent.
    Label1 = place<QLabel>(Panel1, "Label1", {200, 8, 190, 80});
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 108, 222, 84}, QStringLiteral("Вычислить по методу :"));
    RadioButton1 = place<QRadioButton>(GroupBox1, "RadioButton1", {8, 20, 180, 18}, QStringLiteral("Прямоугольников"));
    RadioButton1->setToolTip(QStringLiteral("Метод Прямоугольников - среняя скорость, средняя точность"));
    RadioButton2 = place<QRadioButton>(GroupBox1, "RadioButton2", {8, 40, 180, 18}, QStringLiteral("Трапеции"));
    RadioButton2->setToolTip(QStringLiteral("Метод Трапеций - средняя скорость, вясокая точность"));
    RadioButton3 = place<QRadioButton>(GroupBox1, "RadioButton3", {8, 60, 180, 18}, QStringLiteral("Симпсона"));
    RadioButton3->setToolTip(QStringLiteral("Метод Симпсона - высокая скорость, высокая точность"));

    Label3 = place<QLabel>(this, "Label3", {238, 116, 164, 16}, QStringLiteral("Точность: "));
    ComboBox1 = place<QComboBox>(this, "ComboBox1", {238, 134, 164, 22});
    ComboBox1->addItems({"0,01", "0,001", "0,0001", "0,00001", "0,000001", "0,0000001"});
    ComboBox1->setEditable(false);
    ComboBox1->setCurrentIndex(2);
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {238, 166, 164, 26}, QStringLiteral("Вычислить"));
    BitBtn1->setToolTip(QStringLiteral("Вычислить интеграл"));

    new solversui::SignedDecimalKeys(Edit2, host_.sounds);
    new solversui::SignedDecimalKeys(Edit3, host_.sounds);

    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { platform::guarded(host_.presenter, [this] { BitBtn1Click(); }); });
    int number = 1;
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3}) {
        connect(radio, &QRadioButton::toggled, this, [this, number](bool on) {
            if (on)
                method_ = number;
        });
        ++number;
    }
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
}

void TForm23::FormActivate() { ComboBox1Change(); }

void TForm23::ComboBox1Change()
{
    const int item = ComboBox1->currentIndex();
    if (item < 0)
        return;
    eps_ = IntegralPrecision(item);
    decimals_ = IntegralDecimals(item);
}

void TForm23::BitBtn1Click()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    const std::string text = IntegralText(Edit1->text().toStdString(), Edit2->text().toStdString(),
                                          Edit3->text().toStdString(), static_cast<IntegralMethod>(method_), eps_,
                                          decimals_);
    Label1->setText(platform::messageText(text));
}

void TForm23::closeEvent(QCloseEvent* event)
{
    platform::guarded(host_.presenter, [this] { solversui::writePlace(*this, data_, ini::kPlaceForm23); });
    event->accept();
}

} // namespace vy
