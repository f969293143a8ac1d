#include "ui/updown.h"

#include "tests/support/guitest.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace vy::test {
namespace {

class UpDownTest : public GuiTest {
protected:
    UpDownTest()
    {
        arrows.setRange(0, 10);
        arrows.setAssociate(&field);
        arrows.setPosition(3);
    }
    QLineEdit field;
    TUpDown arrows;
};

TEST_F(UpDownTest, StepsFromTheFieldsWholeNumberOrElseFromTheLastPosition)
{
    QSignalSpy changed(&arrows, &TUpDown::changed);
    field.setText("7");
    arrows.stepBy(1);
    EXPECT_EQ(field.text(), "8");
    field.setText("2,5");
    arrows.stepBy(-1);
    EXPECT_EQ(field.text(), "7") << "from position 8";
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.last().at(0).toInt(), 7);
}

TEST_F(UpDownTest, StaysWithinItsRange)
{
    struct Row {
        const char* typed;
        int steps;
        const char* shown;
    };
    for (const Row& row : {Row{"10", 1, "10"}, Row{"0", -1, "0"}, Row{"55", -1, "9"}, Row{"-4", 1, "1"},
                           Row{"2147483647", 1, "10"}}) {
        field.setText(row.typed);
        arrows.stepBy(row.steps);
        EXPECT_EQ(field.text(), row.shown) << row.typed;
    }
    arrows.setPosition(99);
    EXPECT_EQ(arrows.Position(), 10);
}

TEST_F(UpDownTest, ArrowKeysInTheFieldStep)
{
    pressKey(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), "4");
    pressKey(&field, Qt::Key_Down);
    pressKey(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), "2");
}

} // namespace
} // namespace vy::test
