#include "solvers/ui/form23.h"

#include "core/keyfilters.h"
#include "platform/qt/jobpost.h"
#include "platform/qt/keyfilter.h"
#include "platform/qt/presenter.h"
#include "solvers/integral.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace vy {

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
    : ToolWindow(host, std::move(data),
                 {"TForm23", QStringLiteral("Вычисление интегралов"), QSize(410, 200), &ini::kPlaceForm23}, parent),
      runner_(platform::postTo(this))
{
    buildControls();
    // FormCreate
    RadioButton1->setChecked(true);
    method_ = 1;
}

TForm23::~TForm23() { runner_.cancel(); }

void TForm23::buildControls()
{
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
    // Along the panel's foot, seen only while an integral is computed.
    ProgressBar1 = place<QProgressBar>(Panel1, "ProgressBar1", {200, 88, 190, 5});
    ProgressBar1->setTextVisible(false);

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
    busy_.emplace(*this, std::initializer_list<QWidget*>{BitBtn1}, ProgressBar1);

    for (QLineEdit* limit : {Edit2, Edit3})
        platform::filterKeys(
            limit, [](char32_t c) { return keys::signedDecimalFilter(c, keys::CommaLetters::BAndYu); },
            host().sounds);

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm23::BitBtn1Click);
    int number = 1;
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3}) {
        connect(radio, &QRadioButton::toggled, this, [this, number](bool on) {
            if (on)
                method_ = number;
        });
        ++number;
    }
    connectGuarded(ComboBox1, &QComboBox::currentIndexChanged, &TForm23::ComboBox1Change);
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
    if (runner_.active())
        return;
    const std::string formula = Edit1->text().toStdString();
    const std::string upper = Edit2->text().toStdString();
    const std::string lower = Edit3->text().toStdString();
    const auto method = static_cast<IntegralMethod>(method_);
    const double eps = eps_;
    const int decimals = decimals_;
    auto text = std::make_shared<std::string>();
    setBusy(true);
    runner_.start(
        [=](JobControl& control) { *text = IntegralText(formula, upper, lower, method, eps, decimals, &control); },
        {.progress = [this](double done) { busy_->progress(done); },
         .finished = [this, text](std::exception_ptr failure) { integralEnded(text.get(), failure); }});
}

void TForm23::integralEnded(const std::string* text, std::exception_ptr failure)
{
    setBusy(false);
    guarded([&] {
        if (failure)
            std::rethrow_exception(failure); // the limits' conversion or an arithmetic failure
        Label1->setText(platform::messageText(*text));
    });
}

void TForm23::setBusy(bool busy) { busy_->show(busy); }

void TForm23::FormClose()
{
    if (runner_.active()) {
        runner_.cancel();
        setBusy(false);
    }
}

} // namespace vy
