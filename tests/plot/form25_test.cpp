#include "plot/ui/form25.h"

#include "core/inifile.h"
#include "core/settingskeys.h"
#include "plot/ui/chart.h"
#include "tests/support/windowtest.h"
#include "ui/colorbtn.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWheelEvent>

namespace vy::test {
namespace {

// The colour and save dialogs as a test answers them.
class FakeDialogs final : public platform::Dialogs {
public:
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override
    {
        colorAsked = initial;
        return color;
    }
    std::optional<SaveChoice> chooseSaveFile(QWidget*, const QString& filter, int fileType,
                                             const QString& name) override
    {
        saveAsked = {filter, fileType, name};
        return save;
    }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; } // the chart plotter prints nothing

    std::optional<QColor> color;
    std::optional<QColor> colorAsked;
    std::optional<SaveChoice> save;
    struct {
        QString filter;
        int fileType = 0;
        QString name;
    } saveAsked;
};

const QColor kMainColor(200, 220, 240);

// Stands for the main window, whose colour the window takes.
QWidget* coloured(QWidget& widget)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, kMainColor);
    widget.setPalette(colours);
    return &widget;
}

class Form25Test : public GuiTest {
protected:
    Form25Test() : form(host_.host(), DataFolder{folder()}, coloured(mainWindow), dialogs)
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    QComboBox* combo(const char* name) { return control<QComboBox>(form, name); }
    void press(const char* name) { control<QAbstractButton>(form, name)->click(); }
    const Chart& chart() { return form.chart(); }
    // Draws the slot chosen now, waiting for a sampling on the worker to end.
    void draw()
    {
        press("Button1");
        ASSERT_TRUE(waitUntil([&] { return !form.drawing(); }));
        processEvents();
    }
    AxisRange range(ChartAxis axis) { return {chart().minimum(axis), chart().maximum(axis)}; }
    void expectRanges(AxisRange horizontal, AxisRange vertical)
    {
        for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Top}) {
            EXPECT_DOUBLE_EQ(range(axis).min, horizontal.min);
            EXPECT_DOUBLE_EQ(range(axis).max, horizontal.max);
        }
        for (ChartAxis axis : {ChartAxis::Left, ChartAxis::Right}) {
            EXPECT_DOUBLE_EQ(range(axis).min, vertical.min);
            EXPECT_DOUBLE_EQ(range(axis).max, vertical.max);
        }
    }
    QWidget* plotArea() { return control<QWidget>(form, "Chart1")->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly); }

    QWidget mainWindow;
    FakeDialogs dialogs;
    TForm25 form;
};

TEST_F(Form25Test, ControlsCarryTheirCaptionsHintsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), " Графики функций");
    EXPECT_EQ(form.size(), QSize(631, 427));
    const Caption rows[] = {
        {"Label1", "y=", ""},
        {"Edit1", "x", ""},
        {"Label2", "X", ""},
        {"Label3", "[", ""},
        {"Edit2", "-10", ""},
        {"Label4", ",", ""},
        {"Edit3", "10", ""},
        {"Label5", "]", ""},
        {"Label6", "Шаг :", ""},
        {"Button1", "Начертить", "Начертить график"},
        {"BitBtn10", "", "Справка"},
        {"CheckBox1", "Отображать точки", ""},
        {"CheckBox2", "Отображать Легенду", ""},
        {"CheckBox3", "Проекции на оси координат", ""},
        {"BitBtn11", "Убрать график", ""},
        {"BitBtn2", "+", "Приблизить график"},
        {"BitBtn4", "", "Исходный масштаб"},
        {"BitBtn3", "-", "Отдалить график"},
        {"ColorBtn1", "Цвет графика", ""},
        {"BitBtn1", "Сохранить график", ""},
        {"BitBtn5", "", "Сдвинуть график влево"},
        {"BitBtn6", "", "Сдвинуть график вправо"},
        {"BitBtn7", "", "Сдвинуть график вверх"},
        {"BitBtn8", "", "Сдвинуть график вниз"},
        {"BitBtn9", "", "Отменить сдвиг"},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox2")->title(), "График функции : ");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "    Масштаб    ");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox3")->title(), "Навигация");
    EXPECT_EQ(itemsOf(*combo("ComboBox1")), QStringList({"1", "0,1", "0,01", "0,001", "0,0001", "0,00001"}));
    EXPECT_EQ(combo("ComboBox1")->currentText(), "0,01");
    EXPECT_EQ(itemsOf(*combo("ComboBox2")), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(itemsOf(*combo("ComboBox3")), QStringList({"все", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(combo("ComboBox2")->currentIndex(), 0);
    EXPECT_EQ(combo("ComboBox3")->currentIndex(), 0);
    EXPECT_EQ(control<QProgressBar>(form, "ProgressBar1")->value(), 100);
    // Before the first drawing there is nothing to zoom or scroll.
    EXPECT_FALSE(control<QPushButton>(form, "BitBtn2")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(form, "BitBtn3")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>(form, "GroupBox3")->isEnabled());
    EXPECT_FALSE(control<QLabel>(form, "Label7")->isVisible());
    EXPECT_EQ(chart().title(), "График");
    EXPECT_FALSE(chart().legendVisible());
    EXPECT_EQ(chart().positionPercent(ChartAxis::Left), 50);
    EXPECT_FALSE(chart().axisVisible(ChartAxis::Right));
}

TEST_F(Form25Test, DefaultsDraw2001PointsWithTheAxesCrossingInTheMiddle)
{
    draw();
    ASSERT_EQ(chart().pointCount(0), 2001);
    EXPECT_EQ(chart().point(0, 0), QPointF(-10, -10));
    EXPECT_EQ(chart().point(0, 2000), QPointF(10, 10));
    EXPECT_EQ(chart().seriesColor(0), QColor(Qt::red));
    EXPECT_EQ(chart().title(), "График финкции y=x при x=[-10 ,10]");
    EXPECT_EQ(chart().positionPercent(ChartAxis::Left), 50);
    EXPECT_EQ(chart().positionPercent(ChartAxis::Bottom), 50);
    EXPECT_FALSE(chart().axisVisible(ChartAxis::Right));
    EXPECT_FALSE(chart().axisVisible(ChartAxis::Top));
    expectRanges({-10, 10}, {-10, 10});
    EXPECT_TRUE(control<QPushButton>(form, "BitBtn2")->isEnabled());
    EXPECT_TRUE(control<QGroupBox>(form, "GroupBox3")->isEnabled());
    EXPECT_EQ(control<QProgressBar>(form, "ProgressBar1")->value(), 1000000);
    EXPECT_FALSE(chart().shownInLegend(0));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form25Test, IntervalFromZeroPutsTheAxesOnTheEdgesAndShowsRightAndTop)
{
    edit("Edit2")->setText("0");
    draw();
    EXPECT_EQ(chart().positionPercent(ChartAxis::Left), 0);
    EXPECT_EQ(chart().positionPercent(ChartAxis::Bottom), 0);
    EXPECT_TRUE(chart().axisVisible(ChartAxis::Right));
    EXPECT_TRUE(chart().axisVisible(ChartAxis::Top));
    expectRanges({0, 10}, {0, 10});
    EXPECT_EQ(chart().pointCount(0), 1001);
}

TEST_F(Form25Test, AnotherSlotKeepsTheFirstCurveAndClearingRemovesThem)
{
    draw();
    combo("ComboBox2")->setCurrentIndex(1);
    edit("Edit1")->setText("x*x");
    edit("Edit3")->setText("5");
    draw();
    EXPECT_EQ(chart().pointCount(0), 2001);
    EXPECT_EQ(chart().pointCount(1), 1501);
    EXPECT_EQ(chart().point(1, 1500), QPointF(5, 25));
    expectRanges({-10, 5}, {-10, 5}); // both axes take the newest interval

    combo("ComboBox3")->setCurrentIndex(2);
    press("BitBtn11");
    EXPECT_EQ(chart().pointCount(0), 2001);
    EXPECT_EQ(chart().pointCount(1), 0);
    draw();
    combo("ComboBox3")->setCurrentIndex(0); // "все"
    press("BitBtn11");
    EXPECT_EQ(chart().pointCount(0), 0);
    EXPECT_EQ(chart().pointCount(1), 0);
}

TEST_F(Form25Test, RefusedRequestsWarnDrawNothingAndStillRetitle)
{
    const struct {
        const char* lower;
        const char* upper;
        const char* step;
        const char* text;
    } rows[] = {
        {"5", "5", "0,01", "Границы изменения X заданы неверно \r(нижняя граница больше верхней)"},
        {"10", "-10", "0,01", "Границы изменения X заданы неверно \r(нижняя граница больше верхней)"},
        {"-10", "10", "0,000001", "Шаг задан неверно: x не меняется \r(наименьший шаг 0,00001)"},
        {"-10", "10", "0", "Шаг задан неверно: x не меняется \r(наименьший шаг 0,00001)"},
        {"-30000", "10", "1",
         "Границы изменения X заданы неверно \r(допустимы значения от -21474,83647 до 21474,83647)"},
    };
    for (const auto& row : rows) {
        host_.presenter.shown.clear();
        draw(); // a curve to lose
        ASSERT_EQ(chart().pointCount(0), 2001);
        edit("Edit2")->setText(row.lower);
        edit("Edit3")->setText(row.upper);
        combo("ComboBox1")->setEditText(row.step);
        draw();
        ASSERT_EQ(host_.presenter.shown.size(), 1u) << row.text;
        EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Box);
        EXPECT_EQ(host_.presenter.shown[0].text, row.text);
        EXPECT_EQ(host_.presenter.shown[0].caption, "Вычислица");
        EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Warning);
        EXPECT_EQ(chart().pointCount(0), 0) << row.text;
        EXPECT_EQ(chart().title().toStdString(),
                  std::string("График финкции y=x при x=[") + row.lower + " ," + row.upper + "]");
        edit("Edit2")->setText("-10");
        edit("Edit3")->setText("10");
        combo("ComboBox1")->setEditText("0,01");
    }
}

TEST_F(Form25Test, ABoundThatIsNotANumberGoesToTheGeneralErrorBox)
{
    edit("Edit3")->setText("1,,0");
    draw();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "'1,,0' is not a valid floating point value.");
}

TEST_F(Form25Test, AnArithmeticFailureShowsTheGeneralErrorAndThePointsBeforeIt)
{
    edit("Edit1")->setText("lg(abs(x))");
    edit("Edit2")->setText("-1");
    edit("Edit3")->setText("1");
    combo("ComboBox1")->setEditText("0,5");
    draw();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "Floating point division by zero.");
    EXPECT_EQ(chart().pointCount(0), 2);
    EXPECT_TRUE(control<QPushButton>(form, "Button1")->isEnabled());
}

TEST_F(Form25Test, ScrollingLeftTwiceAndUpOnceIsUndoneByItsButton)
{
    draw();
    press("BitBtn5");
    press("BitBtn5");
    press("BitBtn7");
    expectRanges({-6, 14}, {-12, 8});
    EXPECT_EQ(form.scrollCounters().horizontal(), 2);
    EXPECT_EQ(form.scrollCounters().vertical(), -1);
    press("BitBtn9");
    expectRanges({-10, 10}, {-10, 10});
    EXPECT_EQ(form.scrollCounters().horizontal(), 0);
    EXPECT_EQ(form.scrollCounters().vertical(), 0);
    // Right and down move the other way.
    press("BitBtn6");
    press("BitBtn8");
    expectRanges({-12, 8}, {-8, 12});
}

TEST_F(Form25Test, ZoomButtonsAndTheWheelScaleEveryAxisAndTheOriginalScaleReturns)
{
    draw();
    press("BitBtn2");
    expectRanges({-5, 5}, {-5, 5});
    press("BitBtn3");
    expectRanges({-12.5, 12.5}, {-12.5, 12.5});
    press("BitBtn4");
    expectRanges({-10, 10}, {-10, 10});

    // The wheel zooms over the chart and anywhere else over the window (a turn
    // over a panel or a button reaches the window as Qt passes it up).
    const auto turn = [](QWidget* target, int angle) {
        QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);
    };
    turn(plotArea(), 120);
    expectRanges({-6, 6}, {-6, 6});
    turn(&form, -120);
    expectRanges({-15.6, 15.6}, {-15.6, 15.6});
    turn(plotArea(), 60); // half a notch waits for the other half
    expectRanges({-15.6, 15.6}, {-15.6, 15.6});
    press("BitBtn4");
    expectRanges({-10, 10}, {-10, 10});
}

TEST_F(Form25Test, ASlotsColourIsKeptPerUserAndDrawsItsCurve)
{
    dialogs.color = QColor(Qt::blue);
    press("ColorBtn1");
    EXPECT_EQ(dialogs.colorAsked, QColor(Qt::red));
    EXPECT_EQ(IniFile(path("Вычислица.ini")).readColor("tester", "Цвет1(f25)", -1),
              TColorBtn::colorValue(Qt::blue));
    combo("ComboBox2")->setCurrentIndex(1);
    dialogs.color.reset(); // cancelled: the button's colour is stored as it is
    press("ColorBtn1");
    dialogs.color = QColor(Qt::green);
    press("ColorBtn1");
    EXPECT_EQ(IniFile(path("Вычислица.ini")).readColor("tester", "Цвет2(f25)", -1),
              TColorBtn::colorValue(Qt::green));
    combo("ComboBox2")->setCurrentIndex(0);
    EXPECT_EQ(control<TColorBtn>(form, "ColorBtn1")->ButtonColor(), QColor(Qt::blue));
    draw();
    EXPECT_EQ(chart().seriesColor(0), QColor(Qt::blue));
    combo("ComboBox2")->setCurrentIndex(1);
    draw();
    EXPECT_EQ(chart().seriesColor(1), QColor(Qt::green));
}

TEST_F(Form25Test, ActivationTakesTheMainWindowsColourAndTheFirstSlotsColour)
{
    form.hide();
    writeFile("Вычислица.ini", "[tester]\r\nЦвет1(f25)=65280\r\n");
    combo("ComboBox2")->setCurrentIndex(1);
    form.show();
    processEvents();
    EXPECT_EQ(form.palette().color(QPalette::Window), kMainColor);
    EXPECT_EQ(chart().chartColor(), kMainColor);
    EXPECT_EQ(control<TColorBtn>(form, "ColorBtn1")->ButtonColor(), QColor(0, 255, 0));
}

TEST_F(Form25Test, LegendShowsTheFormulaOfEachCurveDrawnWithItOn)
{
    control<QCheckBox>(form, "CheckBox2")->setChecked(true);
    control<QCheckBox>(form, "CheckBox1")->setChecked(true);
    edit("Edit1")->setText("sin(x)");
    draw();
    EXPECT_TRUE(chart().legendVisible());
    EXPECT_TRUE(chart().shownInLegend(0));
    EXPECT_EQ(chart().seriesTitle(0), "y=sin(x)");
    EXPECT_TRUE(chart().pointsVisible(0));
    control<QCheckBox>(form, "CheckBox2")->setChecked(false);
    draw();
    EXPECT_FALSE(chart().legendVisible());
    EXPECT_FALSE(chart().shownInLegend(0));
}

TEST_F(Form25Test, ProjectionsFollowTheMouseInsideThePlotArea)
{
    draw();
    QWidget* area = plotArea();
    auto* readout = control<QLabel>(form, "Label7");
    const auto move = [&](QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &event);
    };
    const QPoint centre = chart().plotRect().center();
    move(centre);
    EXPECT_FALSE(chart().crosshairDrawn()) << "only with the check box";
    control<QCheckBox>(form, "CheckBox3")->click();
    move(centre);
    EXPECT_TRUE(chart().crosshairDrawn());
    ASSERT_TRUE(readout->isVisible());
    const QPointF value = chart().valueAt(centre);
    EXPECT_NEAR(value.x(), 0, 0.1);
    EXPECT_EQ(readout->text(), "X=" + chart().formatValue(ChartAxis::Bottom, value.x()) + "\nY=" +
                                   chart().formatValue(ChartAxis::Left, value.y()));
    EXPECT_EQ(readout->pos(), centre + QPoint(15, 7));
    move(QPoint(1, 1)); // outside the plot area
    EXPECT_FALSE(chart().crosshairDrawn());
    EXPECT_FALSE(readout->isVisible());
    move(centre);
    control<QCheckBox>(form, "CheckBox3")->click();
    EXPECT_FALSE(chart().crosshairDrawn());
    EXPECT_FALSE(readout->isVisible());
}

TEST_F(Form25Test, SavingAddsBmpUnlessTheNameEndsInAThreeLetterExtension)
{
    draw();
    dialogs.save = platform::Dialogs::SaveChoice{QString::fromStdString(path("График")), 1};
    press("BitBtn1");
    EXPECT_EQ(dialogs.saveAsked.filter, "Bitmap|*.bmp");
    EXPECT_EQ(dialogs.saveAsked.fileType, 1);
    EXPECT_EQ(dialogs.saveAsked.name, "График");
    ASSERT_TRUE(exists("График.bmp"));
    QFile saved(QString::fromStdString(path("График.bmp")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.read(2), "BM");

    dialogs.save = platform::Dialogs::SaveChoice{QString::fromStdString(path("кривая.bmp")), 1};
    press("BitBtn1");
    EXPECT_TRUE(exists("кривая.bmp"));
    EXPECT_FALSE(exists("кривая.bmp.bmp"));

    dialogs.save.reset(); // cancelled
    press("BitBtn1");
    EXPECT_TRUE(host_.presenter.shown.empty());

    // A file that cannot be written is reported, not passed over.
    dialogs.save = platform::Dialogs::SaveChoice{QString::fromStdString(path("нет/График")), 1};
    press("BitBtn1");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].text, "Не удалось сохранить график в файл\r" + path("нет/График.bmp"));
}

TEST_F(Form25Test, HelpOpensItsPageInTheHelpViewer)
{
    press("BitBtn10");
    ASSERT_EQ(host_.environment.launches.size(), 1u);
    EXPECT_EQ(host_.environment.launches[0].program, "helpviewer");
    EXPECT_EQ(host_.environment.launches[0].args,
              std::vector<std::string>{path("Help.chm::/График функций.htm")});
}

TEST_F(Form25Test, ALargeSamplingRunsOnTheWorkerWithProgress)
{
    combo("ComboBox1")->setEditText("0,0001");
    auto* button = control<QPushButton>(form, "Button1");
    button->click();
    ASSERT_TRUE(form.drawing());
    EXPECT_FALSE(button->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !form.drawing(); }));
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(chart().pointCount(0), 200001);
    EXPECT_EQ(control<QProgressBar>(form, "ProgressBar1")->value(), 1000000);
    EXPECT_EQ(chart().title(), "График финкции y=x при x=[-10 ,10]");

    // Closing the window cancels a sampling under way; nothing arrives later.
    button->click();
    ASSERT_TRUE(form.drawing());
    form.close();
    EXPECT_FALSE(form.drawing());
    processEvents();
    EXPECT_EQ(chart().pointCount(0), 0);
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(Form25Test, BoundAndStepFieldsFilterTheirKeys)
{
    QLineEdit* lower = edit("Edit2");
    lower->clear();
    typeText(lower, QStringLiteral("-1,5a."));
    EXPECT_EQ(lower->text(), "-1,5");
    QComboBox* step = combo("ComboBox1");
    step->setEditText(QString());
    typeText(step->lineEdit(), QStringLiteral("0,-5"));
    EXPECT_EQ(step->currentText(), "0,5");
    EXPECT_EQ(host_.journal, std::vector<std::string>(3, "sound:exclamation"));
}

TEST_F(Form25Test, ThePlaceAndSizeAreKeptAndTheChartFillsTheRoomLeftOfThePanel)
{
    form.resize(900, 600);
    processEvents();
    const QRect chartPlace = control<QWidget>(form, "Chart1")->geometry();
    const QRect panel = control<QWidget>(form, "Panel1")->geometry();
    EXPECT_EQ(panel.right(), 900 - 1 - 8);
    EXPECT_LT(chartPlace.right(), panel.left());
    EXPECT_GT(chartPlace.width(), 600);
    EXPECT_GT(chartPlace.height(), 580);
    QSize reopened;
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm25, [&] {
        auto again = std::make_unique<TForm25>(host_.host(), DataFolder{folder()}, nullptr, dialogs);
        reopened = again->size();
        return again;
    });
    EXPECT_EQ(reopened, QSize(900, 600));
}

} // namespace
} // namespace vy::test
