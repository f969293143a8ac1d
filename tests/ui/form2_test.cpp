// The about window: the version line and this computer's facts, the clock
// measured once on a worker and kept in the settings file, closing.
#include "ui/ui/form2.h"

#include "tests/support/windowtest.h"
#include "ui/aboutinfo.h"
#include "ui/lookbutton.h"

#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <atomic>
#include <thread>

namespace vy::test {
namespace {

class Form2Test : public GuiTest {
protected:
    // A window whose clock measurement is counted and gives mhz.
    std::unique_ptr<TForm2> makeWindow(double mhz = 2893.449)
    {
        return std::make_unique<TForm2>(host_.host(), DataFolder{folder()}, [this, mhz](JobControl&) {
            ++measured;
            onUserInterfaceThread = std::this_thread::get_id() == uiThread;
            return std::optional<double>(mhz);
        });
    }

    QString text(QWidget& form, const char* name) { return control<QLabel>(form, name)->text(); }
    QTimer* timer(QWidget& form) { return form.findChild<QTimer*>("Timer1"); }
    std::string stored() { return IniFile(path("Вычислица.ini")).readString("О программе", "Label8", "(none)"); }

    const std::thread::id uiThread = std::this_thread::get_id();
    std::atomic<int> measured{0};
    std::atomic<bool> onUserInterfaceThread{false};
};

TEST_F(Form2Test, ShowsTheVersionLineAndThisComputer)
{
    auto form = makeWindow();
    EXPECT_EQ(form->windowTitle(), "О программе");
    EXPECT_EQ(text(*form, "Label1"), "Вычислица v .2.7 ");
    EXPECT_EQ(text(*form, "Label12").toStdString(), processorLine(currentProcessorName()));
    EXPECT_EQ(text(*form, "Label8"), "") << "not measured yet";
    EXPECT_EQ(text(*form, "Label7"), "");

    form->show();
    processEvents();
    EXPECT_EQ(text(*form, "Label9").toStdString(), osLine(currentOsVersion()));
    EXPECT_EQ(text(*form, "Label10"), "Пользователь: tester");
    const std::string memory = text(*form, "Label11").toStdString();
    EXPECT_EQ(memory.rfind("Память: ", 0), 0u) << memory;
    EXPECT_NE(memory.find(" Мб Занято:"), std::string::npos) << memory;
    EXPECT_EQ(memory.back(), '%');

    // The red frame closes around the program's picture.
    const QRect picture = control<QWidget>(*form, "Image1")->geometry();
    QRect frame;
    for (const char* bar : {"Label3", "Label4", "Label5", "Label6"})
        frame |= control<QWidget>(*form, bar)->geometry();
    EXPECT_EQ(frame, picture.adjusted(-4, -4, 4, 4));
}

TEST_F(Form2Test, MeasuresTheClockOnceOnAWorkerAndKeepsItWhenClosed)
{
    auto form = makeWindow();
    ASSERT_TRUE(timer(*form));
    EXPECT_TRUE(timer(*form)->isActive());
    EXPECT_EQ(timer(*form)->interval(), 5000);

    form->CPUspeed();
    EXPECT_FALSE(timer(*form)->isActive());
    ASSERT_TRUE(waitUntil([&] { return !text(*form, "Label8").isEmpty(); }));
    EXPECT_EQ(text(*form, "Label8"), "Частота: 2893,45 MHz");
    EXPECT_EQ(measured, 1);
    EXPECT_FALSE(onUserInterfaceThread);
    form->CPUspeed();
    processEvents();
    EXPECT_EQ(measured, 1);

    EXPECT_EQ(stored(), "(none)") << "kept when the window closes";
    form->show();
    form->close();
    EXPECT_EQ(stored(), "Частота: 2893,45 MHz");
}

TEST_F(Form2Test, AStoredClockIsShownAndNotMeasuredAgain)
{
    IniFile(path("Вычислица.ini")).writeString("О программе", "Label8", "Частота: 1234,50 MHz");
    auto form = makeWindow();
    EXPECT_EQ(text(*form, "Label8"), "Частота: 1234,50 MHz");
    form->CPUspeed();
    processEvents();
    EXPECT_FALSE(form->measuring());
    EXPECT_FALSE(timer(*form)->isActive());
    EXPECT_EQ(measured, 0);
}

TEST_F(Form2Test, ItsPictureAndItsButtonCloseItAndItKeepsItsPlace)
{
    auto form = makeWindow();
    for (const char* closer : {"Image1", "sSpeedButton1"}) {
        form->show();
        processEvents();
        QWidget* target = control<QWidget>(*form, closer);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        EXPECT_FALSE(form->isVisible()) << closer;
    }
    form->show();
    expectPlaceKept(*form, path("Вычислица.ini"), ini::kPlaceForm2, [&] { return makeWindow(); });
    const IniFile ini(path("Вычислица.ini"));
    EXPECT_EQ(ini.readInteger("О программе", "width", 0), 420);
    EXPECT_EQ(ini.readInteger("О программе", "height", 0), 300);
}

} // namespace
} // namespace vy::test
