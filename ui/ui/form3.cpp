#include "ui/ui/form3.h"

#include "ui/dateline.h"
#include "ui/lookbutton.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace vy {

namespace {

constexpr QSize kPicture(360, 320);
constexpr int kDateTop = 32;

// A desk calendar: the body with a red band at its head and two binder rings
// standing above it.
QImage calendarPicture()
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 13, 358, 306), 18, 18);
    for (const qreal x : {88.0, 258.0})
        outline.addRoundedRect(QRectF(x, 1, 14, 34), 6, 6);
    QImage picture = ShapedWindow::bodyPicture(kPicture, outline);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(168, 28, 36));
    painter.drawRoundedRect(QRectF(10, 22, 340, 42), 8, 8);
    painter.setBrush(QColor(72, 72, 80));
    for (const int x : {90, 260})
        painter.drawRoundedRect(QRectF(x, 3, 10, 30), 4, 4);
    return picture;
}

// The round close button: normal, under the mouse, pressed.
QPixmap crossPicture(QColor face, QColor cross, int shift)
{
    return ShapedWindow::drawnPicture({22, 22}, [&](QPainter& painter) {
        painter.setPen(QPen(face.darker(150), 1));
        painter.setBrush(face);
        painter.drawEllipse(QRectF(1 + shift, 1 + shift, 19, 19));
        painter.setPen(QPen(cross, 2.2, Qt::SolidLine, Qt::RoundCap));
        const qreal a = 7 + shift, b = 15 + shift;
        painter.drawLine(QPointF(a, a), QPointF(b, b));
        painter.drawLine(QPointF(a, b), QPointF(b, a));
    });
}

// The "Закрыть" button at the foot: normal and under the mouse.
QPixmap pillPicture(QColor face, QColor caption, const QFont& font)
{
    return ShapedWindow::drawnPicture({100, 26}, [&](QPainter& painter) {
        painter.setPen(QPen(face.darker(160), 1));
        painter.setBrush(face);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 99, 25), 12, 12);
        painter.setPen(caption);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 100, 26), Qt::AlignCenter, QStringLiteral("Закрыть"));
    });
}

} // namespace

TForm3::TForm3(platform::Host host, DataFolder data, QWidget* parent)
    : ShapedWindow(host, std::move(data), {"TForm3", QStringLiteral("Календарь"), {}, nullptr}, calendarPicture(),
                   "Image4", parent)
{
    buildControls();
    // FormCreate: the shape is the kit's; today is selected.
    guarded([this] { showToday(); });
}

void TForm3::buildControls()
{
    Label1 = place<QLabel>(this, "Label1", {0, kDateTop, kPicture.width(), 22});
    Label1->setTextFormat(Qt::PlainText);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    Label1->setFont(bold);
    QPalette white = Label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(white);

    MonthCalendar1 = place<QCalendarWidget>(this, "MonthCalendar1", {30, 74, 300, 200});
    MonthCalendar1->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    MonthCalendar1->setFirstDayOfWeek(Qt::Monday);
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setGridVisible(true);

    CloseButton1 = new LookButton("CloseButton1", {326, 32, 22, 22},
                                  {"Image1", crossPicture(QColor(230, 230, 230), QColor(90, 90, 90), 0)},
                                  {"Image2", crossPicture(QColor(232, 60, 60), Qt::white, 0)},
                                  LookButton::Look{"Image3", crossPicture(QColor(150, 20, 20), Qt::white, 1)}, this);
    CloseButton2 = new LookButton("CloseButton2", {130, 284, 100, 26},
                                  {"Image5", pillPicture(QColor(236, 236, 236), QColor(40, 40, 40), font())},
                                  {"Image6", pillPicture(QColor(52, 100, 200), Qt::white, font())}, std::nullopt, this);
    for (LookButton* button : {CloseButton1, CloseButton2}) {
        button->setAccessibleName(QStringLiteral("Закрыть"));
        connectGuarded(button, &LookButton::clicked, [this] { close(); });
    }
}

void TForm3::showToday()
{
    const LocalTime now = host().clock.now();
    const QDate today(now.year, now.month, now.day);
    MonthCalendar1->setSelectedDate(today);
    MonthCalendar1->setCurrentPage(today.year(), today.month());
}

void TForm3::FormActivate()
{
    const LocalTime now = host().clock.now();
    Label1->setText(QString::fromStdString(dateLine(now.year, now.month, now.day)));
    // Centred over the window.
    Label1->adjustSize();
    Label1->move((width() - Label1->width()) / 2, kDateTop);
    // The date may have changed since the window was made.
    showToday();
    CloseButton1->reset();
    CloseButton2->reset();
}

} // namespace vy
