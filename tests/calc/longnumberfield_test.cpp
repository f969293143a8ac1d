#include "calc/ui/longnumberfield.h"

#include "tests/support/guitest.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vy::test {
namespace {

class LongNumberFieldTest : public GuiTest {
protected:
    LongNumberFieldTest()
    {
        field.resize(200, 21);
        field.show();
        processEvents();
    }

    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, modifiers);
        QApplication::sendEvent(&field, &press);
    }

    LongNumberField field;
};

TEST_F(LongNumberFieldTest, HoldsEveryDigitAndShowsTheFirstOnes)
{
    QString digits;
    for (int i = 0; i < 2000000; ++i)
        digits += QChar('0' + i % 10);
    field.setText(digits);
    EXPECT_EQ(field.text(), digits);
    EXPECT_EQ(field.firstVisible(), 0);
    EXPECT_GT(field.endVisible(), 10);
    EXPECT_LT(field.endVisible(), 100) << "only what fits is laid out";
    field.grab(); // paints without laying out the rest
}

TEST_F(LongNumberFieldTest, KeysScrollAndSelectAndCopy)
{
    const QString digits = QString("1234567890").repeated(30);
    field.setText(digits);
    key(Qt::Key_End);
    EXPECT_EQ(field.endVisible(), digits.size()) << "End shows the last digit";
    EXPECT_GT(field.firstVisible(), 0);
    key(Qt::Key_Home);
    EXPECT_EQ(field.firstVisible(), 0);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(field.selectedText(), "12");
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), digits);
    field.setText("5");
    EXPECT_EQ(field.selectedText(), "") << "a new text starts with nothing selected";
}

TEST_F(LongNumberFieldTest, DraggingPastTheRightEdgeScrollsTheSelectionOn)
{
    field.setText(QString(500, QChar('7')));
    const int inView = field.endVisible();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 10), QPointF(1, 10), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&field, &press);
    for (int i = 0; i < 100; ++i) {
        QMouseEvent move(QEvent::MouseMove, QPointF(260, 10), QPointF(260, 10), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&field, &move);
    }
    EXPECT_GT(field.firstVisible(), 0);
    EXPECT_GE(field.selectedText().size(), inView + 90) << "one more digit per move";
}

} // namespace
} // namespace vy::test
