#include "plot/ui/form5.h"

#include "core/inifile.h"
#include "platform/jpegfile.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/windowtest.h"
#include "ui/colorbtn.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace vy::test {
namespace {

const QString kData = QStringLiteral(VY_PLOT_TEST_DATA);

// The letters of the drawing area come from this font in every test run, so
// that its pictures compare pixel for pixel.
QFont bundledFont()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(kData + QStringLiteral("/DejaVuSansMono.ttf"));
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    QFont font(family);
    font.setPixelSize(11);
    return font;
}

class Form5Test : public GuiTest {
protected:
    Form5Test() : form(host_.host(), DataFolder{folder()}, std::make_unique<ScriptedDialogs>(script))
    {
        form.setFont(bundledFont());
        form.show();
        processEvents();
    }

    QCheckBox* box(const char* name) { return control<QCheckBox>(form, name); }
    TColorBtn* colorBtn(const char* name) { return control<TColorBtn>(form, name); }
    QWidget* paintBox() { return control<QWidget>(form, "PaintBox1"); }
    QAction* item(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }

    void draw(const QString& formula, bool grid = false, bool clear = true)
    {
        control<QLineEdit>(form, "Edit1")->setText(formula);
        box("CheckBox1")->setChecked(clear);
        box("CheckBox2")->setChecked(grid);
        control<QPushButton>(form, "BitBtn1")->click();
    }

    void mouse(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), paintBox()->mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(paintBox(), &event);
    }

    QRgb at(int x, int y) const { return form.area().pixel(x, y); }
    std::vector<std::string> errors() const
    {
        std::vector<std::string> texts;
        for (const Shown& s : host_.presenter.shown)
            if (s.kind == Shown::Kind::GeneralError)
                texts.push_back(s.text);
        return texts;
    }

    ScriptedDialogs::Script script;
    TForm5 form;
};

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

TEST_F(Form5Test, ControlsAsDesigned)
{
    EXPECT_EQ(form.windowTitle(), "Графики функций");
    const Caption rows[] = {
        {"Label1", "y=", ""},
        {"Edit1", "x", ""},
        {"CheckBox1", "Очищать", ""},
        {"CheckBox2", "Координаты", ""},
        {"BitBtn1", "Строить", ""},
        {"CheckBox3", "Настройки", ""},
        {"ColorBtn1", "График", ""},
        {"ColorBtn2", "Осей", ""},
        {"ColorBtn3", "Координаты", ""},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(paintBox()->size(), QSize(340, 340));
    EXPECT_EQ(colorBtn("ColorBtn1")->ButtonColor(), QColor(Qt::red));
    EXPECT_EQ(colorBtn("ColorBtn2")->ButtonColor(), QColor(Qt::black));
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->pos(), QPoint(344, 216));
    EXPECT_FALSE(control<QGroupBox>(form, "GroupBox1")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(form, "GroupBox2")->isVisible());
    box("CheckBox3")->setChecked(true);
    EXPECT_TRUE(control<QGroupBox>(form, "GroupBox1")->isVisible());
    EXPECT_FALSE(control<QGroupBox>(form, "GroupBox2")->isVisible());
    QStringList items;
    for (const char* name : {"N1", "N2", "N3"})
        items << item(name)->text();
    EXPECT_EQ(items, QStringList({"Сохранить график", "Печать графика", "Копировать в буфер обмена"}));
}

// Set VY_UPDATE_GOLDEN=1 to write the pictures anew after a deliberate change.
TEST_F(Form5Test, DrawingAreaMatchesTheGoldenPictures)
{
    const struct {
        const char* formula;
        bool grid;
        const char* file;
    } rows[] = {
        {"x", false, "x.png"},
        {"x", true, "x-grid.png"},
        {"x*x-4", false, "parabola.png"},
        {"x*x-4", true, "parabola-grid.png"},
    };
    for (const auto& r : rows) {
        draw(QString::fromUtf8(r.formula), r.grid);
        const QString golden = kData + QStringLiteral("/golden/") + QString::fromLatin1(r.file);
        if (qEnvironmentVariableIsSet("VY_UPDATE_GOLDEN"))
            form.area().save(golden);
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << r.file;
        if (expected != form.area()) {
            const QString actual = QDir::temp().filePath(QStringLiteral("actual-") + QString::fromLatin1(r.file));
            form.area().save(actual);
            ADD_FAILURE() << r.file << " differs; the drawing is in " << actual.toStdString();
        }
    }
}

TEST_F(Form5Test, GraphsAccumulateUnlessCleared)
{
    draw("x");
    draw("x*x-4", false, false);
    EXPECT_EQ(at(187, 153), kRed) << "the diagonal stays";
    EXPECT_EQ(at(187, 221), kRed) << "x = 1 of the parabola";
    const QImage twice = form.legend();
    draw("x*x-4");
    EXPECT_NE(at(187, 153), kRed);
    EXPECT_EQ(at(187, 221), kRed);
    EXPECT_EQ(form.legend(), twice) << "the same legend line written over itself";
    EXPECT_EQ(form.legend().pixel(10, 12), kRed);
    EXPECT_EQ(form.backing(), form.area());
    EXPECT_TRUE(form.drawn());
}

TEST_F(Form5Test, ArithmeticErrorStopsTheDrawingAndReachesTheErrorBox)
{
    draw("x");
    const QImage before = form.backing();
    const QImage legend = form.legend();
    draw("lg(x)", true);
    EXPECT_EQ(errors(), std::vector<std::string>{"Floating point division by zero."});
    EXPECT_NE(at(170, 100), kBlack) << "no axes";
    EXPECT_EQ(form.backing(), before) << "no backing copy";
    EXPECT_EQ(form.legend(), legend) << "the legend is not touched";
}

TEST_F(Form5Test, HugeValuesAreDrawnWithoutHarm)
{
    draw("exp(x*70)");
    draw("-exp(x*70)", false, false);
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(at(170, 100), kBlack) << "the drawing reached the axes";
}

TEST_F(Form5Test, ReadoutOnlyOnPixelsOfTheCurveColour)
{
    draw("x");
    const QImage drawing = form.area();
    mouse(QEvent::MouseMove, {170, 100}); // the y axis
    mouse(QEvent::MouseMove, {100, 100}); // the background
    EXPECT_EQ(form.area(), drawing);

    mouse(QEvent::MouseMove, {187, 153}); // the curve at x = 1
    const QImage readout = form.area();
    EXPECT_NE(readout, drawing);
    const QRgb grid = colorBtn("ColorBtn3")->ButtonColor().rgb();
    int dots = 0;
    for (int x = 171; x < 187; ++x)
        dots += readout.pixel(x, 152) == grid;
    EXPECT_GE(dots, 4) << "a dotted line across to the y axis";
    EXPECT_EQ(form.backing(), drawing) << "the readout stays off the backing picture";

    // Moving along the curve takes the old readout away.
    mouse(QEvent::MouseMove, {153, 187});
    EXPECT_EQ(form.area().pixel(180, 152), drawing.pixel(180, 152));
    // A click restores the drawing.
    mouse(QEvent::MouseButtonPress, {50, 50});
    mouse(QEvent::MouseButtonRelease, {50, 50});
    EXPECT_EQ(form.area(), drawing);

    // With the grid shown there is no readout at all.
    draw("x", true);
    const QImage withGrid = form.area();
    mouse(QEvent::MouseMove, {187, 153});
    EXPECT_EQ(form.area(), withGrid);
}

TEST_F(Form5Test, ColourButtonsTakeTheChosenColourAndRedrawNothing)
{
    draw("x");
    const QImage drawing = form.area();
    script.color = QColor(Qt::green);
    colorBtn("ColorBtn1")->click();
    EXPECT_EQ(colorBtn("ColorBtn1")->ButtonColor(), QColor(Qt::green));
    EXPECT_EQ(colorBtn("ColorBtn1")->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(colorBtn("ColorBtn2")->palette().color(QPalette::ButtonText), QColor(Qt::white)) << "on black";
    script.color.reset();
    colorBtn("ColorBtn2")->click();
    EXPECT_EQ(colorBtn("ColorBtn2")->ButtonColor(), QColor(Qt::black)) << "cancelled";
    EXPECT_EQ(script.asked, QStringList({"color #ff0000", "color #000000"}));
    EXPECT_EQ(form.area(), drawing);
    // The readout now looks for the new colour.
    mouse(QEvent::MouseMove, {187, 153});
    EXPECT_EQ(form.area(), drawing);
}

TEST_F(Form5Test, SavesBmpUnderTheGivenNameWithTheFormulaWritten)
{
    draw("x");
    const struct {
        const char* chosen;
        const char* saved;
    } rows[] = {
        {"График", "График.bmp"},
        {"plot.v2", "plot.v2"},           // a dot in the name: saved as it is
        {"a.b/График", "a.b/График.bmp"}, // a dot in a folder's name only
    };
    QDir(QString::fromStdString(folder())).mkdir(QStringLiteral("a.b"));
    for (const auto& r : rows) {
        script.save = platform::Dialogs::SaveChoice{QString::fromStdString(path(r.chosen)), 1};
        item("N1")->trigger();
        const QImage saved(QString::fromStdString(path(r.saved)), "BMP");
        ASSERT_EQ(saved.size(), QSize(340, 340)) << r.saved;
        EXPECT_EQ(saved.pixel(187, 153), kRed);
        EXPECT_NE(saved.convertToFormat(QImage::Format_RGB32).copy(0, 0, 60, 20), form.backing().copy(0, 0, 60, 20))
            << "\"y=x\" at (5, 5)";
    }
    EXPECT_EQ(script.asked.front(), "save BMP|*.bmp|JPEG|*.jpg 1 График");
    EXPECT_EQ(form.backing(), form.area()) << "drawn again: the formula is off the backing picture";
    EXPECT_TRUE(errors().empty());
}

TEST_F(Form5Test, SavesJpegWithJpgAppendedEvenTwice)
{
    draw("x");
    const struct {
        const char* chosen;
        const char* saved;
    } rows[] = {{"График", "График.jpg"}, {"plot.jpg", "plot.jpg.jpg"}};
    for (const auto& r : rows) {
        script.save = platform::Dialogs::SaveChoice{QString::fromStdString(path(r.chosen)), 2};
        item("N1")->trigger();
        const RgbImage back = ReadJpegFile(path(r.saved));
        EXPECT_EQ(back.width, 340);
        EXPECT_EQ(back.height, 340);
        const auto pixel = [&](int x, int y, int c) {
            return back.pixels[(static_cast<std::size_t>(y) * 340 + x) * 3 + c];
        };
        for (int c = 0; c < 3; ++c)
            EXPECT_GE(pixel(300, 60, c), 250) << "white background";
        EXPECT_GT(pixel(187, 153, 0), pixel(187, 153, 1) + 60) << "the red curve";
    }
    EXPECT_FALSE(exists("plot.jpg"));
}

TEST_F(Form5Test, CancelledSaveDoesNothing)
{
    draw("x");
    mouse(QEvent::MouseMove, {187, 153});
    const QImage readout = form.area();
    item("N1")->trigger();
    EXPECT_EQ(form.area(), readout) << "not drawn again";
    EXPECT_EQ(QDir(QString::fromStdString(folder())).entryList(QDir::Files), QStringList());
}

TEST_F(Form5Test, FailedWriteIsReportedAfterTheDrawing)
{
    draw("x");
    for (int type : {1, 2}) {
        host_.presenter.shown.clear();
        const std::string target = path("missing/График");
        script.save = platform::Dialogs::SaveChoice{QString::fromStdString(target), type};
        item("N1")->trigger();
        const std::string name = target + (type == 1 ? ".bmp" : ".jpg");
        EXPECT_EQ(errors(), std::vector<std::string>{"Cannot create file \"" + name + "\". File not found."});
        EXPECT_EQ(form.backing(), form.area()) << "drawn again first";
    }
}

TEST_F(Form5Test, PrintsThePictureToAPdfFile)
{
    draw("x");
    const std::string pdf = path("plot.pdf");
    script.printer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
    };
    item("N2")->trigger();
    EXPECT_TRUE(errors().empty());
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image") && bytes.contains("/Width 340") && bytes.contains("/Height 340"))
        << "the picture, whole";

    script.printer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path("missing/plot.pdf")));
    };
    item("N2")->trigger();
    EXPECT_EQ(errors(), std::vector<std::string>{"Printer selected is not valid."});
    script.printer = nullptr;
    item("N2")->trigger(); // cancelled
    EXPECT_EQ(script.asked, QStringList({"printer", "printer", "printer"}));
}

TEST_F(Form5Test, CopiesTheDrawingAreaWithItsReadout)
{
    draw("x");
    mouse(QEvent::MouseMove, {187, 153});
    item("N3")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), form.area());
    EXPECT_NE(form.area(), form.backing());
}

using Form5SettingsTest = GuiTest;

TEST_F(Form5SettingsTest, ColoursAndOptionsComeFromTheUserSectionAndGoBack)
{
    writeFile("Вычислица.ini", "[position Графики]\r\nleft=120\r\ntop=80\r\n"
                               "[tester]\r\nЦвет1=16711680\r\nЦвет3=-16777188\r\nочишать=1\r\n"
                               "координаты=1\r\nпоказ. настройки=1\r\n");
    ScriptedDialogs::Script script;
    TForm5 form(host_.host(), DataFolder{folder()}, std::make_unique<ScriptedDialogs>(script));
    EXPECT_EQ(form.pos(), QPoint(120, 80));
    form.show();
    processEvents();
    EXPECT_EQ(control<TColorBtn>(form, "ColorBtn1")->ButtonColor(), QColor(Qt::blue));
    EXPECT_EQ(control<TColorBtn>(form, "ColorBtn3")->ButtonColor(),
              TColorBtn::systemColor(TColorBtn::GradientInactiveCaption));
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3"})
        EXPECT_TRUE(control<QCheckBox>(form, name)->isChecked()) << name;
    EXPECT_TRUE(control<QGroupBox>(form, "GroupBox1")->isVisible());

    script.color = QColor(0, 128, 0);
    control<TColorBtn>(form, "ColorBtn2")->click();
    control<QCheckBox>(form, "CheckBox2")->setChecked(false);
    form.close();
    const IniFile ini(path("Вычислица.ini"));
    EXPECT_EQ(ini.readInteger("tester", "Цвет1", 0), 16711680);
    EXPECT_EQ(ini.readInteger("tester", "Цвет2", 0), 0x008000);
    EXPECT_EQ(ini.readInteger("tester", "Цвет3", 0), 0xF2E4D7);
    EXPECT_EQ(ini.readInteger("tester", "координаты", 1), 0);
    EXPECT_EQ(ini.readInteger("tester", "очишать", 0), 1);
    EXPECT_EQ(ini.readInteger("tester", "показ. настройки", 0), 1);
    EXPECT_EQ(ini.readInteger("position Графики", "left", 0), 120);
}

} // namespace
} // namespace vy::test
