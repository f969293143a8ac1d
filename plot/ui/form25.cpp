#include "plot/ui/form25.h"

#include "core/floatfail.h"
#include "core/inifile.h"
#include "core/keyfilters.h"
#include "core/numtext.h"
#include "platform/helppage.h"
#include "platform/qt/jobpost.h"
#include "platform/qt/keyfilter.h"
#include "plot/ui/chart.h"
#include "ui/colorbtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <memory>

namespace vy {

namespace {

constexpr int kSlots = 5;
constexpr int kPanelWidth = 185;
constexpr int kWheelNotch = 120;

// "belongs to", drawn rather than loaded, on a clear ground so that the
// window's colour shows through it.
QPixmap elementSign(QSize size, const QFont& base)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setFont(base);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0x2208)));
    return pixmap;
}

// A button's picture: a short text in a colour of its own.
QIcon textIcon(const QString& text, const QColor& color, QFont font)
{
    QPixmap pixmap(28, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

const ChartAxis kAxes[] = {ChartAxis::Left, ChartAxis::Right, ChartAxis::Bottom, ChartAxis::Top};

} // namespace

TForm25::TForm25(platform::Host host, DataFolder data, const QWidget* colourSource,
                 platform::Dialogs& dialogs, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm25", QStringLiteral(" Графики функций"), QSize(631, 427), &ini::kPlaceForm25, true},
                 parent),
      colourSource_(colourSource), dialogs_(dialogs), runner_(platform::postTo(this))
{
    buildControls();
    FormResize();
}

TForm25::~TForm25() { runner_.cancel(); }

void TForm25::buildControls()
{
    const QStringList checks = {QStringLiteral("Отображать точки"), QStringLiteral("Отображать Легенду"),
                                QStringLiteral("Проекции на оси координат")};
    // The panel is as designed, or wider where the desktop's font needs it.
    const QFontMetrics metrics(font());
    const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 6;
    int W = kPanelWidth;
    for (const QString& text : checks)
        W = std::max(W, metrics.horizontalAdvance(text) + box + 16);
    const int inner = W - 16; // inside a group box, 8 from either side

    setMinimumSize(W + 220, 420);
    Chart1 = place<Chart>(this, "Chart1", {0, 0, 425, 385},
                          std::vector<QColor>{Qt::red, Qt::green, Qt::yellow, Qt::blue, Qt::white});
    Chart1->setZoomSteps(10);
    Chart1->setPositionPercent(ChartAxis::Left, 50);
    Chart1->setPositionPercent(ChartAxis::Bottom, 50);
    Chart1->setAxisVisible(ChartAxis::Right, false);
    Chart1->setAxisVisible(ChartAxis::Top, false);
    Label7 = place<QLabel>(Chart1, "Label7", {0, 0, 80, 32});
    Label7->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label7->hide();

    Panel1 = place<QFrame>(this, "Panel1", {0, 0, W, 419});
    GroupBox2 = place<QGroupBox>(Panel1, "GroupBox2", {0, 0, W, 208}, QStringLiteral("График функции : "));
    Label1 = place<QLabel>(GroupBox2, "Label1", {8, 22, 18, 20}, QStringLiteral("y="));
    Edit1 = place<QLineEdit>(GroupBox2, "Edit1", {26, 20, W - 34, 22}, QStringLiteral("x"));
    // X ∈ [lower , upper], the two fields sharing what the signs leave.
    const int bound = (inner - 32 - 7 - 8) / 2;
    Label2 = place<QLabel>(GroupBox2, "Label2", {8, 50, 10, 20}, QStringLiteral("X"));
    Image1 = place<QLabel>(GroupBox2, "Image1", {18, 50, 14, 20});
    Image1->setPixmap(elementSign(Image1->size(), font()));
    Label3 = place<QLabel>(GroupBox2, "Label3", {33, 50, 6, 20}, QStringLiteral("["));
    Edit2 = place<QLineEdit>(GroupBox2, "Edit2", {40, 48, bound, 22}, QStringLiteral("-10"));
    Label4 = place<QLabel>(GroupBox2, "Label4", {41 + bound, 50, 6, 20}, QStringLiteral(","));
    Edit3 = place<QLineEdit>(GroupBox2, "Edit3", {47 + bound, 48, bound, 22}, QStringLiteral("10"));
    Label5 = place<QLabel>(GroupBox2, "Label5", {49 + 2 * bound, 50, 8, 20}, QStringLiteral("]"));
    Label6 = place<QLabel>(GroupBox2, "Label6", {8, 78, 36, 20}, QStringLiteral("Шаг :"));
    ComboBox1 = place<QComboBox>(GroupBox2, "ComboBox1", {46, 76, inner - 38 - 51, 22});
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({"1", "0,1", "0,01", "0,001", "0,0001", "0,00001"});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QStringLiteral("0,01"));
    ComboBox2 = place<QComboBox>(GroupBox2, "ComboBox2", {W - 8 - 47, 76, 47, 22});
    ComboBox2->addItems({"1", "2", "3", "4", "5"});
    ComboBox2->setCurrentIndex(0);
    Button1 = place<QPushButton>(GroupBox2, "Button1", {8, 104, inner - 39, 26}, QStringLiteral("Начертить"));
    Button1->setToolTip(QStringLiteral("Начертить график"));
    BitBtn10 = place<QPushButton>(GroupBox2, "BitBtn10", {W - 8 - 35, 104, 35, 26});
    BitBtn10->setIcon(textIcon(QStringLiteral("?"), QColor(0, 0, 160), font()));
    BitBtn10->setIconSize(QSize(28, 16));
    BitBtn10->setToolTip(QStringLiteral("Справка"));
    ProgressBar1 = place<QProgressBar>(GroupBox2, "ProgressBar1", {8, 134, inner, 10});
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(100);
    CheckBox1 = place<QCheckBox>(GroupBox2, "CheckBox1", {8, 150, inner, 18}, checks[0]);
    CheckBox2 = place<QCheckBox>(GroupBox2, "CheckBox2", {8, 168, inner, 18}, checks[1]);
    CheckBox3 = place<QCheckBox>(GroupBox2, "CheckBox3", {8, 186, inner, 18}, checks[2]);

    BitBtn11 = place<QPushButton>(Panel1, "BitBtn11", {0, 214, W - 65, 26}, QStringLiteral("Убрать график"));
    ComboBox3 = place<QComboBox>(Panel1, "ComboBox3", {W - 61, 216, 61, 22});
    ComboBox3->addItems({"все", "1", "2", "3", "4", "5"});
    ComboBox3->setCurrentIndex(0);

    // Rows of buttons spread evenly over a group box.
    const auto row = [inner](int count, int width, int i) { return 8 + i * (inner - width) / (count - 1); };
    const int zoomWidth = (inner - 18) / 3;
    GroupBox1 = place<QGroupBox>(Panel1, "GroupBox1", {0, 244, W, 50}, QStringLiteral("    Масштаб    "));
    BitBtn2 = place<QPushButton>(GroupBox1, "BitBtn2", {row(3, zoomWidth, 0), 18, zoomWidth, 26}, QStringLiteral("+"));
    BitBtn2->setToolTip(QStringLiteral("Приблизить график"));
    BitBtn4 = place<QPushButton>(GroupBox1, "BitBtn4", {row(3, zoomWidth, 1), 18, zoomWidth, 26});
    BitBtn4->setIcon(textIcon(QStringLiteral("1:1"), QColor(0, 96, 0), font()));
    BitBtn4->setIconSize(QSize(28, 16));
    BitBtn4->setToolTip(QStringLiteral("Исходный масштаб"));
    BitBtn3 = place<QPushButton>(GroupBox1, "BitBtn3", {row(3, zoomWidth, 2), 18, zoomWidth, 26}, QStringLiteral("-"));
    BitBtn3->setToolTip(QStringLiteral("Отдалить график"));
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);

    ColorBtn1 = place<TColorBtn>(Panel1, "ColorBtn1", {0, 298, W, 26}, QStringLiteral("Цвет графика"));
    ColorBtn1->setButtonColor(Qt::red);

    GroupBox3 = place<QGroupBox>(Panel1, "GroupBox3", {0, 328, W, 52}, QStringLiteral("Навигация"));
    const struct {
        QPushButton*& button;
        const char* name;
        QStyle::StandardPixmap icon;
        const char* hint;
    } moves[] = {
        {BitBtn5, "BitBtn5", QStyle::SP_ArrowLeft, "Сдвинуть график влево"},
        {BitBtn7, "BitBtn7", QStyle::SP_ArrowUp, "Сдвинуть график вверх"},
        {BitBtn8, "BitBtn8", QStyle::SP_ArrowDown, "Сдвинуть график вниз"},
        {BitBtn6, "BitBtn6", QStyle::SP_ArrowRight, "Сдвинуть график вправо"},
        {BitBtn9, "BitBtn9", QStyle::SP_BrowserReload, "Отменить сдвиг"},
    };
    int i = 0;
    for (const auto& move : moves) {
        move.button = place<QPushButton>(GroupBox3, move.name, {row(5, 30, i++), 18, 30, 26});
        move.button->setIcon(style()->standardIcon(move.icon));
        move.button->setToolTip(QString::fromUtf8(move.hint));
    }
    GroupBox3->setEnabled(false);

    BitBtn1 = place<QPushButton>(Panel1, "BitBtn1", {0, 386, W, 26}, QStringLiteral("Сохранить график"));

    platform::filterKeys(
        Edit2, [](char32_t c) { return keys::signedDecimalFilter(c, keys::CommaLetters::None); }, host().sounds);
    platform::filterKeys(
        ComboBox1, [](char32_t c) { return keys::unsignedDecimalFilter(c); }, host().sounds);

    connectGuarded(Button1, &QPushButton::clicked, &TForm25::Button1Click);
    connectGuarded(ComboBox2, &QComboBox::currentIndexChanged, &TForm25::ComboBox2Change);
    connectGuarded(ColorBtn1, &QPushButton::clicked, &TForm25::ColorBtn1Click);
    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm25::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm25::BitBtn2Click);
    connectGuarded(BitBtn3, &QPushButton::clicked, &TForm25::BitBtn3Click);
    connectGuarded(BitBtn4, &QPushButton::clicked, &TForm25::BitBtn4Click);
    connectGuarded(BitBtn5, &QPushButton::clicked, &TForm25::BitBtn5Click);
    connectGuarded(BitBtn6, &QPushButton::clicked, &TForm25::BitBtn6Click);
    connectGuarded(BitBtn7, &QPushButton::clicked, &TForm25::BitBtn7Click);
    connectGuarded(BitBtn8, &QPushButton::clicked, &TForm25::BitBtn8Click);
    connectGuarded(BitBtn9, &QPushButton::clicked, &TForm25::BitBtn9Click);
    connectGuarded(BitBtn10, &QPushButton::clicked, &TForm25::BitBtn10Click);
    connectGuarded(BitBtn11, &QPushButton::clicked, &TForm25::BitBtn11Click);
    connectGuarded(CheckBox3, &QCheckBox::clicked, &TForm25::CheckBox3Click);
    connectGuarded(Chart1, &Chart::mouseMoved, &TForm25::Chart1MouseMove);
    connectGuarded(Chart1, &Chart::mouseLeft, &TForm25::Chart1MouseLeave);
    connectGuarded(Chart1, &Chart::wheelTurned, &TForm25::wheelTurned);
    connectGuarded(Chart1, &Chart::afterDraw, &TForm25::Chart1AfterDraw);
}

// ---- the window --------------------------------------------------------------

void TForm25::FormActivate()
{
    if (colourSource_) {
        const QColor color = colourSource_->palette().color(QPalette::Window);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, color);
        setPalette(colours);
        Chart1->setChartColor(color);
    }
    // Image1 is drawn on a clear ground, so it already shows the window's colour.
    ColorBtn1->setButtonColor(storedColor(1, ColorBtn1->ButtonColor()));
}

void TForm25::FormClose()
{
    if (runner_.active()) {
        runner_.cancel();
        setBusy(false);
    }
}

void TForm25::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    guarded([this] { FormResize(); });
}

void TForm25::FormResize()
{
    // The chart takes the room left of the panel, which keeps to the right edge.
    const int panelLeft = width() - Panel1->width() - 8;
    Panel1->move(panelLeft, 4);
    Chart1->setGeometry(0, 0, panelLeft - 6, height() - 6);
}

void TForm25::wheelEvent(QWheelEvent* event)
{
    guarded([&] { wheelTurned(event->angleDelta().y()); });
    event->accept();
}

void TForm25::wheelTurned(int angle)
{
    // A notch of the wheel is 120; finer wheels add up to one.
    wheelAngle_ += angle;
    while (wheelAngle_ >= kWheelNotch) {
        wheelAngle_ -= kWheelNotch;
        FormMouseWheelUp();
    }
    while (wheelAngle_ <= -kWheelNotch) {
        wheelAngle_ += kWheelNotch;
        FormMouseWheelDown();
    }
}

void TForm25::FormMouseWheelUp() { Chart1->zoomPercent(120); }

void TForm25::FormMouseWheelDown() { Chart1->zoomPercent(20); }

QColor TForm25::storedColor(int slot, const QColor& fallback) const
{
    const IniFile ini(data().settingsPath());
    return TColorBtn::fromColorValue(
        ini.readColor(userSection(), ini::kChartColors[static_cast<std::size_t>(slot - 1)],
                      TColorBtn::colorValue(fallback)));
}

// ---- drawing -------------------------------------------------------------------

void TForm25::Button1Click() { PaintGraph(ComboBox2->currentIndex() + 1); }

void TForm25::PaintGraph(int n)
{
    if (runner_.active())
        return;
    const int series = n - 1;
    Chart1->setLegendVisible(CheckBox2->isChecked());
    ColorBtn1->setButtonColor(storedColor(n, ColorBtn1->ButtonColor()));
    Chart1->setPointsVisible(series, CheckBox1->isChecked());

    const double lower = StrToFloat(Edit2->text().toStdString());
    const double upper = StrToFloat(Edit3->text().toStdString());
    const bool middle = AxesCrossInMiddle(lower, upper);
    Chart1->setPositionPercent(ChartAxis::Left, middle ? 50 : 0);
    Chart1->setPositionPercent(ChartAxis::Bottom, middle ? 50 : 0);
    Chart1->setAxisVisible(ChartAxis::Right, !middle);
    Chart1->setAxisVisible(ChartAxis::Top, !middle);
    // A new drawing starts at its own scale, whatever was zoomed before; the
    // vertical axes take the horizontal range too, and the right and top axes
    // repeat the left and bottom ones.
    Chart1->undoZoom();
    for (ChartAxis axis : kAxes)
        Chart1->setMinMax(axis, lower, upper);

    Drawing drawing;
    drawing.slot = n;
    drawing.color = ColorBtn1->ButtonColor();
    drawing.formula = Edit1->text().toStdString();
    drawing.lower = Edit2->text().toStdString();
    drawing.upper = Edit3->text().toStdString();
    Chart1->clearSeries(series);
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);

    const double step = StrToFloat(ComboBox1->currentText().toStdString());
    SamplingPlan plan;
    try {
        plan = PlanSampling(lower, upper, step);
    } catch (const SamplingRefused& refused) {
        report(messageBoxReport(refused.what(), "Вычислица", Icon::Warning));
        finishDrawing(drawing);
        return;
    }
    drawing.progressMax = plan.progressMax;
    ProgressBar1->setRange(plan.progressMin, plan.progressMax);
    ProgressBar1->setValue(plan.progressMin);

    auto curve = std::make_shared<SampledCurve>();
    if (plan.points <= kWorkerPoints) {
        std::exception_ptr failure;
        try {
            SampleFormula(drawing.formula, lower, upper, step, *curve);
        } catch (...) {
            failure = std::current_exception();
        }
        samplingEnded(drawing, *curve, failure);
        return;
    }
    setBusy(true);
    const std::string formula = drawing.formula;
    const int progressMin = plan.progressMin;
    const int progressSpan = plan.progressMax - plan.progressMin;
    runner_.start([=](JobControl& control) { SampleFormula(formula, lower, upper, step, *curve, &control); },
                  {.progress =
                       [this, progressMin, progressSpan](double done) {
                           ProgressBar1->setValue(progressMin + static_cast<int>(std::lround(done * progressSpan)));
                       },
                   .finished = [this, drawing, curve](std::exception_ptr failure) {
                       samplingEnded(drawing, *curve, failure);
                   }});
}

void TForm25::samplingEnded(const Drawing& drawing, const SampledCurve& curve, std::exception_ptr failure)
{
    setBusy(false);
    // After an arithmetic failure the curve shows the points sampled before it.
    Chart1->addPoints(drawing.slot - 1, curve.x, curve.y, drawing.color);
    ProgressBar1->setValue(drawing.progressMax);
    guarded([&] {
        if (failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const SamplingRefused& refused) {
                report(messageBoxReport(refused.what(), "Вычислица", Icon::Warning));
            }
        }
        finishDrawing(drawing);
    });
}

void TForm25::finishDrawing(const Drawing& drawing)
{
    Chart1->setTitle(QString::fromStdString(ChartTitle(drawing.formula, drawing.lower, drawing.upper)));
    GroupBox3->setEnabled(true);
    const int series = drawing.slot - 1;
    if (CheckBox2->isChecked()) {
        Chart1->setSeriesTitle(series, QString::fromStdString(SeriesTitle(drawing.formula)));
        Chart1->setShownInLegend(series, true);
    } else {
        Chart1->setShownInLegend(series, false);
    }
}

void TForm25::setBusy(bool busy)
{
    Button1->setEnabled(!busy);
    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Button1)}) {
        if (busy)
            w->setCursor(Qt::WaitCursor);
        else
            w->unsetCursor();
    }
}

void TForm25::BitBtn11Click()
{
    const int item = ComboBox3->currentIndex();
    if (item == 0) {
        for (int s = 0; s < kSlots; ++s)
            Chart1->clearSeries(s);
    } else if (item > 0) {
        Chart1->clearSeries(item - 1);
    }
}

// ---- colours ---------------------------------------------------------------------

void TForm25::ColorBtn1Click()
{
    if (const auto chosen = dialogs_.chooseColor(this, ColorBtn1->ButtonColor()))
        ColorBtn1->setButtonColor(*chosen);
    IniFile ini(data().settingsPath());
    ini.writeColor(userSection(), ini::kChartColors[static_cast<std::size_t>(ComboBox2->currentIndex())],
                   TColorBtn::colorValue(ColorBtn1->ButtonColor()));
}

void TForm25::ComboBox2Change()
{
    const int item = ComboBox2->currentIndex();
    if (item >= 0)
        ColorBtn1->setButtonColor(storedColor(item + 1, ColorBtn1->ButtonColor()));
}

// ---- zoom and scrolling -------------------------------------------------------------

void TForm25::BitBtn2Click() { Chart1->zoomPercent(125); }

void TForm25::BitBtn3Click() { Chart1->zoomPercent(25); }

void TForm25::BitBtn4Click() { Chart1->undoZoom(); }

void TForm25::scroll(ScrollStep step)
{
    const ChartAxis first = step.vertical ? ChartAxis::Left : ChartAxis::Bottom;
    const ChartAxis second = step.vertical ? ChartAxis::Right : ChartAxis::Top;
    for (ChartAxis axis : {first, second}) {
        const AxisRange moved = ScrollRange({Chart1->minimum(axis), Chart1->maximum(axis)}, step.percent);
        Chart1->setMinMax(axis, moved.min, moved.max);
    }
}

void TForm25::BitBtn5Click() { scroll(counters_.left()); }

void TForm25::BitBtn6Click() { scroll(counters_.right()); }

void TForm25::BitBtn7Click() { scroll(counters_.up()); }

void TForm25::BitBtn8Click() { scroll(counters_.down()); }

void TForm25::BitBtn9Click()
{
    for (ScrollStep step : counters_.undo())
        scroll(step);
}

// ---- projections ---------------------------------------------------------------------

void TForm25::Chart1MouseMove(QPoint pixel)
{
    if (!CheckBox3->isChecked())
        return;
    if (!Chart1->plotRect().contains(pixel)) {
        Chart1MouseLeave();
        return;
    }
    Chart1->drawCrosshair(pixel);
    crosshairAt_ = pixel;
    showReadout(pixel);
}

void TForm25::Chart1MouseLeave()
{
    Chart1->removeCrosshair();
    Label7->hide();
}

void TForm25::Chart1AfterDraw()
{
    // A zoom or a scroll under a resting mouse changes the values at the crosshair.
    if (Chart1->crosshairDrawn())
        showReadout(crosshairAt_);
}

void TForm25::showReadout(QPoint pixel)
{
    const QPointF value = Chart1->valueAt(pixel);
    Label7->setText(QStringLiteral("X=") + Chart1->formatValue(ChartAxis::Bottom, value.x()) +
                    QStringLiteral("\nY=") + Chart1->formatValue(ChartAxis::Left, value.y()));
    Label7->adjustSize();
    Label7->move(pixel + QPoint(15, 7));
    Label7->show();
    Label7->raise();
}

void TForm25::CheckBox3Click()
{
    if (!CheckBox3->isChecked()) {
        Label7->hide();
        Chart1->removeCrosshair();
        Chart1->repaintChart();
    }
}

// ---- saving and help ------------------------------------------------------------------

void TForm25::BitBtn1Click()
{
    const auto choice = dialogs_.chooseSaveFile(this, QStringLiteral("Bitmap|*.bmp"), 1, QStringLiteral("График"));
    if (!choice || choice->type != 1)
        return;
    const QString name = QString::fromStdString(ChartFileName(choice->fileName.toStdString()));
    // Saying nothing when the file could not be written would leave the user
    // believing the chart was saved.
    if (!Chart1->saveBitmap(name))
        report(messageBoxReport("Не удалось сохранить график в файл\r" + name.toStdString(), "Вычислица",
                                Icon::Warning));
}

void TForm25::BitBtn10Click()
{
    platform::openHelpPage(host().environment, "График функций.htm");
}

} // namespace vy
