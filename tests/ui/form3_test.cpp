// The calendar: today in words, centred, today selected, and the two picture
// buttons with their looks that close it.
#include "ui/ui/form3.h"

#include "tests/support/windowtest.h"

#include <QCalendarWidget>
#include <QEnterEvent>
#include <QTest>

#include <filesystem>

namespace vy::test {
namespace {

class Form3Test : public GuiTest {
protected:
    Form3Test() : form(host_.host(), DataFolder{folder()}) {}

    QLabel* dateLabel() { return control<QLabel>(form, "Label1"); }
    bool shown(const char* look) { return control<QWidget>(form, look)->isVisible(); }
    void enter(const char* button)
    {
        QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(control<QWidget>(form, button), &event);
    }

    TForm3 form;
};

TEST_F(Form3Test, ShowsTodayInWordsCentredAndSelected)
{
    struct Row {
        LocalTime now;
        const char* line;
    };
    const Row rows[] = {
        {{2026, 1, 1, 23, 59, 59}, "Четверг, 1 января 2026 года"},
        {{2025, 9, 28, 0, 0, 1}, "Воскресенье, 28 сентября 2025 года"},
    };
    for (const Row& r : rows) {
        host_.clock.time = r.now;
        form.show();
        processEvents();
        EXPECT_EQ(dateLabel()->text().toStdString(), r.line);
        const QRect label = dateLabel()->geometry();
        EXPECT_LE(std::abs(label.left() - (form.width() - label.right() - 1)), 1) << "centred: " << r.line;
        EXPECT_GE(label.width(), dateLabel()->sizeHint().width());
        auto* calendar = control<QCalendarWidget>(form, "MonthCalendar1");
        EXPECT_EQ(calendar->selectedDate(), QDate(r.now.year, r.now.month, r.now.day));
        EXPECT_EQ(calendar->monthShown(), r.now.month);
        form.close();
    }
}

TEST_F(Form3Test, TheRoundButtonShowsItsHoverAndPressedLooksAndCloses)
{
    form.show();
    processEvents();
    EXPECT_TRUE(shown("Image1"));
    EXPECT_FALSE(shown("Image2"));
    EXPECT_FALSE(shown("Image3"));
    enter("CloseButton1");
    EXPECT_TRUE(shown("Image2"));
    QWidget* button = control<QWidget>(form, "CloseButton1");
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(shown("Image3"));
    EXPECT_FALSE(shown("Image2") || shown("Image1"));
    EXPECT_TRUE(form.isVisible());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form.isVisible());

    // Shown again, it starts from the normal look.
    form.show();
    processEvents();
    EXPECT_TRUE(shown("Image1"));
    EXPECT_FALSE(shown("Image2"));
}

TEST_F(Form3Test, TheFootButtonLightsUnderTheMouseAndCloses)
{
    form.show();
    processEvents();
    EXPECT_TRUE(shown("Image5"));
    EXPECT_FALSE(shown("Image6"));
    enter("CloseButton2");
    EXPECT_TRUE(shown("Image6"));
    EXPECT_FALSE(shown("Image5"));
    form.FormActivate();
    EXPECT_TRUE(shown("Image5"));
    QTest::mouseClick(control<QWidget>(form, "CloseButton2"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Form3Test, IsShapedAndKeepsNoPlace)
{
    EXPECT_FALSE(form.mask().isEmpty());
    EXPECT_NE(form.mask(), QRegion(form.rect())) << "the rings stand above the body";
    EXPECT_TRUE(form.mask().contains(QPoint(95, 5))) << "a ring";
    EXPECT_FALSE(form.mask().contains(QPoint(180, 5))) << "between the rings";
    form.show();
    form.move(40, 50);
    form.close();
    EXPECT_FALSE(exists("Вычислица.ini"));
}

} // namespace
} // namespace vy::test
