#include "ui/ui/form7.h"

#include "platform/helppage.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vy {

namespace {

QLabel* text(QWidget* parent, const char* name, QRect geometry, const char* caption)
{
    auto* label = place<QLabel>(parent, name, geometry, QString::fromUtf8(caption));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFont scaled(QFont font, double factor)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

} // namespace

TForm7::TForm7(platform::Host host, DataFolder data, QWidget* colourFrom, QWidget* parent)
    : ToolWindow(host, std::move(data), {"TForm7", QStringLiteral("Справка"), QSize(500, 274)}, parent),
      colourFrom_(colourFrom)
{
    buildControls();
}

void TForm7::buildControls()
{
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 4, 484, 262}, QStringLiteral("Справка"));

    Label1 = text(GroupBox1, "Label1", {12, 22, 460, 50},
                  " *  -  умножение        /  -  деление     +  -  сложение      -  -  вычитание      "
                  "-5 записывается так : (-5)");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The fraction: numerator over denominator with the bar between them.
    Label2 = text(GroupBox1, "Label2", {12, 78, 36, 16}, "5+2");
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    auto* bar = place<QFrame>(GroupBox1, "Bevel1", {12, 95, 36, 1});
    bar->setFrameShape(QFrame::HLine);
    Label3 = text(GroupBox1, "Label3", {12, 97, 36, 16}, "9-5");
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4 = text(GroupBox1, "Label4", {58, 87, 414, 16}, "записывается так :(5+2)/(9-5)");

    // The power: the exponent raised and smaller beside the base.
    Label5 = text(GroupBox1, "Label5", {20, 124, 14, 22}, "5");
    Label5->setFont(scaled(Label5->font(), 1.4));
    Label6 = text(GroupBox1, "Label6", {34, 118, 12, 14}, "4");
    Label6->setFont(scaled(Label6->font(), 0.8));
    Label7 = text(GroupBox1, "Label7", {58, 128, 414, 16}, "записывается так :    5^4 ");

    Label8 = text(GroupBox1, "Label8", {12, 162, 460, 16}, "Синус 45 градусов пишется так Sin(45)");
    Label9 = text(GroupBox1, "Label9", {12, 184, 460, 36},
                  "Синус - sin(аргумент) Косинус - cos(аргумент) Тангенс - tan(аргумент) "
                  "Котангенс - cotan(Аргумент)");
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BitBtn1 = place<QPushButton>(GroupBox1, "BitBtn1", {384, 226, 88, 27}, QStringLiteral("Ещё"));
    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm7::BitBtn1Click);
}

void TForm7::FormActivate()
{
    if (!colourFrom_)
        return;
    QPalette own = palette();
    own.setColor(QPalette::Window, colourFrom_->palette().color(QPalette::Window));
    setPalette(own);
    setAutoFillBackground(true);
}

void TForm7::BitBtn1Click()
{
    platform::openHelpPage(host().environment, kPage);
}

} // namespace vy
