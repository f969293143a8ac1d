#include "plot/ui/form5.h"

#include "core/inifile.h"
#include "core/settingskeys.h"
#include "core/wholefile.h"
#include "platform/jpegfile.h"
#include "platform/qt/rgbimage.h"
#include "plot/ui/paintbox.h"
#include "ui/colorbtn.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <stdexcept>

namespace vy {

namespace {

constexpr int kArea = 340; // the drawing area is kArea x kArea pixels
constexpr int kJpegQuality = 95;
const QPoint kColorsPlace(344, 216); // where "Цвета" goes when the window is made

// The caption stays readable on any face: black on light colours, white on dark ones.
void setFace(TColorBtn* button, const QColor& colour)
{
    button->setButtonColor(colour);
    QPalette caption = button->palette();
    const int luma = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    caption.setColor(QPalette::ButtonText, luma < 100 ? Qt::white : Qt::black);
    button->setPalette(caption);
}

} // namespace

TForm5::TForm5(platform::Host host, DataFolder data, std::unique_ptr<platform::Dialogs> dialogs, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm5", QStringLiteral("Графики функций"), QSize(445, 344), &ini::kPlaceForm5}, parent),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<platform::QtDialogs>())
{
    // The window's colour is the desktop's highlighted-text colour.
    QPalette own = palette();
    own.setColor(QPalette::Window, own.color(QPalette::HighlightedText));
    setPalette(own);
    setAutoFillBackground(true);
    buildControls();
    guarded([this] { FormCreate(); });
}

TForm5::~TForm5() = default;

const QImage& TForm5::area() const { return PaintBox1->canvas(); }
const QImage& TForm5::legend() const { return PaintBox2->canvas(); }

void TForm5::buildControls()
{
    Panel1 = place<QFrame>(this, "Panel1", {0, 0, kArea + 4, kArea + 4});
    // A lowered outer and a raised inner bevel.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    PaintBox1 = place<PaintBox>(Panel1, "PaintBox1", {2, 2, kArea, kArea}, QSize(kArea, kArea));
    PaintBox1->clear(palette().color(QPalette::Window));
    PaintBox1->setContextMenuPolicy(Qt::CustomContextMenu);

    Label1 = place<QLabel>(this, "Label1", {346, 8, 20, 17}, QStringLiteral("y="));
    Edit1 = place<QLineEdit>(this, "Edit1", {366, 6, 75, 21}, QStringLiteral("x"));
    CheckBox1 = place<QCheckBox>(this, "CheckBox1", {346, 32, 99, 18}, QStringLiteral("Очищать"));
    CheckBox2 = place<QCheckBox>(this, "CheckBox2", {346, 52, 99, 18}, QStringLiteral("Координаты"));
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {346, 76, 95, 26}, QStringLiteral("Строить"));
    CheckBox3 = place<QCheckBox>(this, "CheckBox3", {346, 108, 99, 18}, QStringLiteral("Настройки"));

    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {344, 136, 97, 201}, QStringLiteral("Свойства"));
    PaintBox2 = place<PaintBox>(GroupBox2, "PaintBox2", {8, 22, 81, 50}, QSize(81, 50));
    PaintBox2->clear(palette().color(QPalette::Window));

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 136, 97, 121}, QStringLiteral("Цвета"));
    ColorBtn1 = place<TColorBtn>(GroupBox1, "ColorBtn1", {6, 22, 85, 28}, QStringLiteral("График"));
    setFace(ColorBtn1, Qt::red);
    ColorBtn2 = place<TColorBtn>(GroupBox1, "ColorBtn2", {6, 54, 85, 28}, QStringLiteral("Осей"));
    setFace(ColorBtn2, Qt::black);
    ColorBtn3 = place<TColorBtn>(GroupBox1, "ColorBtn3", {6, 86, 85, 28}, QStringLiteral("Координаты"));
    setFace(ColorBtn3, TColorBtn::systemColor(TColorBtn::GradientInactiveCaption));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Сохранить график"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = PopupMenu1->addAction(QStringLiteral("Печать графика"));
    N2->setObjectName(QStringLiteral("N2"));
    N3 = PopupMenu1->addAction(QStringLiteral("Копировать в буфер обмена"));
    N3->setObjectName(QStringLiteral("N3"));
    connect(PaintBox1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu1->popup(PaintBox1->mapToGlobal(at)); });

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm5::BitBtn1Click);
    connectGuarded(Edit1, &QLineEdit::returnPressed, &TForm5::BitBtn1Click);
    connectGuarded(CheckBox3, &QCheckBox::toggled, &TForm5::CheckBox3Click);
    for (TColorBtn* button : {ColorBtn1, ColorBtn2, ColorBtn3})
        connectGuarded(button, &QPushButton::clicked, [this, button] { chooseColor(button); });
    connectGuarded(N1, &QAction::triggered, &TForm5::N1Click);
    connectGuarded(N2, &QAction::triggered, &TForm5::N2Click);
    connectGuarded(N3, &QAction::triggered, &TForm5::N3Click);
    PaintBox1->onMouseMove = [this](QPoint at) { guarded([&] { PaintBox1MouseMove(at); }); };
    PaintBox1->onClick = [this](QPoint) { guarded([this] { PaintBox1Click(); }); };

    Image1 = PaintBox1->canvas().copy();
}

void TForm5::FormCreate()
{
    const IniFile ini(data().settingsPath());
    const std::string user = userSection();
    TColorBtn* const buttons[] = {ColorBtn1, ColorBtn2, ColorBtn3};
    for (std::size_t k = 0; k < ini::kPlotterColors.size(); ++k)
        setFace(buttons[k], TColorBtn::fromColorValue(ini.readColor(user, ini::kPlotterColors[k],
                                                                    TColorBtn::colorValue(buttons[k]->ButtonColor()))));
    CheckBox1->setChecked(ini.readBool(user, ini::kPlotterClear, CheckBox1->isChecked()));
    CheckBox2->setChecked(ini.readBool(user, ini::kPlotterAxes, CheckBox2->isChecked()));
    CheckBox3->setChecked(ini.readBool(user, ini::kPlotterShowSettings, CheckBox3->isChecked()));
    GroupBox1->move(kColorsPlace);
    CheckBox3Click();
}

void TForm5::FormActivate()
{
    QPalette panel = Panel1->palette();
    panel.setColor(QPalette::Window, palette().color(QPalette::Window));
    Panel1->setPalette(panel);
    Image1 = PaintBox1->canvas().copy();
    CheckBox3Click();
}

void TForm5::FormClose()
{
    IniFile ini(data().settingsPath());
    const std::string user = userSection();
    const TColorBtn* const buttons[] = {ColorBtn1, ColorBtn2, ColorBtn3};
    for (std::size_t k = 0; k < ini::kPlotterColors.size(); ++k)
        ini.writeColor(user, ini::kPlotterColors[k], TColorBtn::colorValue(buttons[k]->ButtonColor()));
    ini.writeBool(user, ini::kPlotterClear, CheckBox1->isChecked());
    ini.writeBool(user, ini::kPlotterAxes, CheckBox2->isChecked());
    ini.writeBool(user, ini::kPlotterShowSettings, CheckBox3->isChecked());
}

QColor TForm5::inkColor(Ink ink) const
{
    switch (ink) {
    case Ink::Curve:
        return ColorBtn1->ButtonColor();
    case Ink::Axes:
        return ColorBtn2->ButtonColor();
    case Ink::Coordinates:
        return ColorBtn3->ButtonColor();
    }
    return Qt::black;
}

QColor TForm5::areaBackground() const { return Panel1->palette().color(QPalette::Window); }

void TForm5::paint(QImage& picture, const std::vector<DrawStep>& steps, const QColor& background) const
{
    QPainter painter(&picture);
    // Plain pixels, as on a bitmap canvas: smoothed letters would leave
    // pixels of mixed colours that the readout and the saved files inherit.
    QFont font = PaintBox1->font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const QColor textColour = palette().color(QPalette::WindowText);
    const QRect bounds = picture.rect();
    for (const DrawStep& step : steps) {
        switch (step.kind) {
        case DrawStep::Kind::Line:
            painter.setPen(QPen(inkColor(step.ink), 0, step.dotted ? Qt::DotLine : Qt::SolidLine));
            painter.drawLine(QLineF(step.x1, step.y1, step.x2, step.y2));
            break;
        case DrawStep::Kind::Pixel:
            if (bounds.contains(step.x1, step.y1)) {
                painter.setPen(QPen(inkColor(step.ink), 0));
                painter.drawPoint(step.x1, step.y1);
            }
            break;
        case DrawStep::Kind::Text: {
            // A text that starts far outside cannot reach the picture (and
            // its box would not fit in int coordinates).
            if (step.x1 < -bounds.width() || step.x1 > bounds.width() || step.y1 < -bounds.height() ||
                step.y1 > bounds.height())
                break;
            const QString text = QString::fromStdString(step.text);
            const QRect box(step.x1, step.y1, metrics.horizontalAdvance(text), metrics.height());
            painter.fillRect(box, background);
            painter.setPen(textColour);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
            break;
        }
        }
    }
}

void TForm5::BitBtn1Click()
{
    const bool clear = CheckBox1->isChecked();
    if (clear)
        PaintBox1->clear(areaBackground());
    const PlotDrawing drawing =
        SimplePlotDrawing(Edit1->text().toStdString(), CheckBox2->isChecked(), kArea, kArea, PaintBox2->height());
    paint(PaintBox1->canvas(), drawing.area, areaBackground());
    PaintBox1->update();
    // An arithmetic error ends the drawing where it came: no axes, legend or
    // backing copy.
    if (drawing.failure)
        std::rethrow_exception(drawing.failure);
    const QColor legendBackground = GroupBox2->palette().color(QPalette::Window);
    if (clear)
        PaintBox2->clear(legendBackground);
    paint(PaintBox2->canvas(), drawing.legend, legendBackground);
    PaintBox2->update();
    Image1 = PaintBox1->canvas().copy();
    drawn_ = true;
}

void TForm5::chooseColor(TColorBtn* button)
{
    if (const auto colour = dialogs_->chooseColor(this, button->ButtonColor()))
        setFace(button, *colour);
}

void TForm5::CheckBox3Click()
{
    const bool colours = CheckBox3->isChecked();
    GroupBox1->setVisible(colours);
    GroupBox2->setVisible(!colours);
}

void TForm5::PaintBox1Click()
{
    if (drawn_)
        PaintBox1->setCanvas(Image1);
}

void TForm5::PaintBox1MouseMove(QPoint at)
{
    if (CheckBox2->isChecked())
        return;
    const QImage& canvas = PaintBox1->canvas();
    if (!canvas.rect().contains(at) || canvas.pixel(at) != ColorBtn1->ButtonColor().rgb())
        return;
    PaintBox1->setCanvas(Image1); // takes the previous readout away
    paint(PaintBox1->canvas(), ReadoutSteps(at.x(), at.y(), kArea, kArea), areaBackground());
    PaintBox1->update();
}

void TForm5::N1Click()
{
    const auto choice =
        dialogs_->chooseSaveFile(this, QStringLiteral("BMP|*.bmp|JPEG|*.jpg"), 1, QStringLiteral("График"));
    if (!choice)
        return;
    const std::string name = SavedPictureName(choice->fileName.toStdString(), choice->type);
    // The saved picture names its formula; the drawing below takes it off
    // the backing picture again.
    const DrawStep title{DrawStep::Kind::Text, Ink::Curve, false, 5, 5, 0, 0, "y=" + Edit1->text().toStdString()};
    std::exception_ptr failure;
    try {
        if (choice->type == 1) {
            paint(Image1, {title}, areaBackground());
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!Image1.save(&buffer, "BMP"))
                throw std::runtime_error("Bitmap image is not valid");
            saveUserFile(name, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        } else if (choice->type == 2) {
            paint(Image1, {title}, areaBackground());
            WriteJpegFile(name, platform::toRgbImage(Image1), kJpegQuality);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    BitBtn1Click();
    // A picture that could not be written is reported, after the drawing.
    if (failure)
        std::rethrow_exception(failure);
}

void TForm5::N2Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs_->choosePrinter(this, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Printer selected is not valid");
    const PageRect page = PrintPlacement(printer.width(), printer.height(), printer.logicalDpiX(),
                                         printer.logicalDpiY(), Image1.width(), Image1.height());
    painter.drawImage(QRect(page.left, page.top, page.right - page.left, page.bottom - page.top), Image1);
    if (!painter.end())
        throw std::runtime_error("Printing failed");
}

void TForm5::N3Click() { QGuiApplication::clipboard()->setImage(PaintBox1->canvas()); }

} // namespace vy
