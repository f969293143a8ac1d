#include "ui/ui/form2.h"

#include "core/inifile.h"
#include "platform/qt/elidedlabel.h"
#include "platform/qt/jobpost.h"
#include "ui/aboutinfo.h"
#include "ui/lookbutton.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include <thread>

namespace vy {

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

// The window: a rounded body with a round ear at the top left holding the
// program's picture, and a blue band for the version line.
QImage aboutPicture()
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 37, 418, 262), 22, 22);
    outline.addEllipse(QPointF(72, 72), 66, 66);
    QImage picture = ShapedWindow::bodyPicture({420, 300}, outline);
    QPainter painter(&picture);
    QLinearGradient band(146, 0, 410, 0);
    band.setColorAt(0, QColor(24, 52, 140));
    band.setColorAt(1, QColor(96, 136, 214));
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(QRectF(146, 46, 264, 60), 10, 10);
    // A groove between the band and the facts.
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(24, 128, 396, 128);
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.drawLine(24, 129, 396, 129);
    return picture;
}

// The program's picture: a small calculator; lit is its look under the mouse.
QPixmap calculatorPicture(bool lit)
{
    return ShapedWindow::drawnPicture({64, 64}, [&](QPainter& painter) {
        painter.setPen(QPen(QColor(16, 32, 90), 2));
        painter.setBrush(lit ? QColor(60, 100, 200) : QColor(36, 68, 160));
        painter.drawRoundedRect(QRectF(6, 2, 52, 60), 7, 7);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 230, 190));
        painter.drawRect(QRectF(12, 8, 40, 14));
        painter.setBrush(lit ? QColor(255, 255, 255) : QColor(225, 228, 235));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                painter.drawRoundedRect(QRectF(12 + column * 10.5, 27 + row * 11, 8, 8), 2, 2);
    });
}

// The computer: a monitor on its stand.
QPixmap computerPicture()
{
    return ShapedWindow::drawnPicture({48, 48}, [&](QPainter& painter) {
        painter.setPen(QPen(QColor(40, 40, 48), 2));
        painter.setBrush(QColor(70, 70, 80));
        painter.drawRoundedRect(QRectF(3, 5, 42, 30), 3, 3);
        QLinearGradient screen(0, 8, 0, 32);
        screen.setColorAt(0, QColor(110, 170, 240));
        screen.setColorAt(1, QColor(30, 80, 170));
        painter.setPen(Qt::NoPen);
        painter.setBrush(screen);
        painter.drawRect(QRectF(7, 9, 34, 22));
        painter.setBrush(QColor(70, 70, 80));
        painter.drawRect(QRectF(21, 35, 6, 6));
        painter.drawRoundedRect(QRectF(13, 41, 22, 4), 2, 2);
    });
}

QLabel* text(QWidget* parent, const char* name, QRect geometry, const QString& caption = {})
{
    auto* label = place<QLabel>(parent, name, geometry, caption);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* redBar(QWidget* parent, const char* name, QRect geometry)
{
    auto* bar = place<QLabel>(parent, name, geometry);
    QPalette red = bar->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    bar->setPalette(red);
    bar->setAutoFillBackground(true);
    return bar;
}

// The real measurement, waiting in short steps so that a closing program
// need not wait for the whole half second.
std::optional<double> measureClock(JobControl& control)
{
    return measureClockMHz([&control](std::chrono::milliseconds total) {
        const auto step = std::chrono::milliseconds(10);
        for (auto waited = std::chrono::milliseconds(0); waited < total; waited += step) {
            if (!control.proceed())
                return false;
            std::this_thread::sleep_for(step);
        }
        return true;
    });
}

} // namespace

TForm2::TForm2(platform::Host host, DataFolder data, ClockMeter meter, QWidget* parent)
    : ShapedWindow(host, std::move(data), {"TForm2", QStringLiteral("О программе"), {}, &ini::kPlaceForm2},
                   aboutPicture(), "Image3", parent),
      meter_(meter ? std::move(meter) : ClockMeter(measureClock)), runner_(platform::postTo(this))
{
    buildControls();
    // FormCreate: the shape and the place are the kit's; the rest is ours.
    guarded([this] {
        Label12->setText(qs(processorLine(currentProcessorName())));
        Label8->setText(qs(IniFile(this->data().settingsPath()).readString(ini::kAbout, ini::kAboutLabel8, "")));
    });
    Timer1->start();
}

TForm2::~TForm2() { runner_.cancel(); }

void TForm2::buildControls()
{
    Image1 = new LookButton("Image1", {40, 40, 64, 64}, {nullptr, calculatorPicture(false)},
                            {nullptr, calculatorPicture(true)}, std::nullopt, this);
    Image1->setAccessibleName(QStringLiteral("Закрыть"));
    connectGuarded(Image1, &LookButton::clicked, [this] { close(); });
    Label3 = redBar(this, "Label3", {36, 36, 72, 2});
    Label4 = redBar(this, "Label4", {36, 106, 72, 2});
    Label5 = redBar(this, "Label5", {36, 36, 2, 72});
    Label6 = redBar(this, "Label6", {106, 36, 2, 72});

    // The band: white texts.
    Label1 = text(this, "Label1", {156, 50, 224, 28}, QStringLiteral("Вычислица v .2.7 "));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    Label1->setFont(big);
    Label2 = text(this, "Label2", {156, 78, 244, 22}, QStringLiteral("Калькулятор для школы и вуза"));
    for (QLabel* onBand : {Label1, Label2}) {
        QPalette white = onBand->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        onBand->setPalette(white);
    }
    sSpeedButton1 = place<QToolButton>(this, "sSpeedButton1", {384, 50, 22, 22});
    sSpeedButton1->setAutoRaise(true);
    sSpeedButton1->setText(QString(QChar(0x00D7)));
    sSpeedButton1->setAccessibleName(QStringLiteral("Закрыть"));
    QPalette white = sSpeedButton1->palette();
    white.setColor(QPalette::ButtonText, Qt::white);
    sSpeedButton1->setPalette(white);
    connectGuarded(sSpeedButton1, &QToolButton::clicked, [this] { close(); });

    // The facts.
    Image2 = place<QLabel>(this, "Image2", {22, 150, 48, 48});
    Image2->setPixmap(computerPicture());
    Label12 = place<platform::ElidedLabel>(this, "Label12", {84, 142, 320, 20});
    Label8 = text(this, "Label8", {84, 164, 320, 20});
    // A distribution's name and a kernel's release can be long: two lines.
    Label9 = text(this, "Label9", {84, 186, 320, 34});
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label10 = text(this, "Label10", {84, 222, 320, 20}, QStringLiteral("Пользователь: "));
    Label11 = text(this, "Label11", {84, 244, 320, 20}, QStringLiteral("Память: "));
    Label7 = text(this, "Label7", {84, 266, 320, 20});
    // The licence, in small print at the foot of the body.
    Licence = text(this, "Licence", {84, 284, 300, 14},
                   QStringLiteral("Лицензия: GNU GPL версии 3 или более поздней"));
    QFont small = Licence->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    Licence->setFont(small);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kClockDelayMs);
    connectGuarded(Timer1, &QTimer::timeout, &TForm2::CPUspeed);
}

void TForm2::CPUspeed()
{
    // Measured once: a shown value (measured now or read from the settings
    // file) is never measured again.
    Timer1->stop();
    if (!Label8->text().isEmpty() || runner_.active())
        return;
    auto result = std::make_shared<std::optional<double>>();
    runner_.start([this, result](JobControl& control) { *result = meter_(control); },
                  {.progress = {}, .finished = [this, result](std::exception_ptr failure) {
                       guarded([&] {
                           if (failure)
                               std::rethrow_exception(failure);
                           if (*result && **result > 0)
                               Label8->setText(qs(clockLine(**result)));
                       });
                   }});
}

void TForm2::FormActivate()
{
    Label9->setText(qs(osLine(currentOsVersion())));
    const std::string login = host().environment.loginName();
    if (!login.empty())
        Label10->setText(qs(userLine(login)));
    if (const std::optional<MemoryStatus> memory = currentMemory())
        Label11->setText(qs(memoryLine(*memory)));
}

void TForm2::FormClose()
{
    IniFile(data().settingsPath()).writeString(ini::kAbout, ini::kAboutLabel8, Label8->text().toStdString());
}

} // namespace vy
