#include "calc/ui/form18.h"

#include "tests/support/windowtest.h"

#include <QTest>

#include <array>

namespace vy::test {
namespace {

class Form18Test : public GuiTest {
protected:
    Form18Test() : form(host_.host(), DataFolder{folder()})
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit() { return control<QLineEdit>(form, "Edit1"); }
    QLabel* label(int number)
    {
        const std::string name = "Label" + std::to_string(number);
        return control<QLabel>(form, name.c_str());
    }
    // Row k (exponent k + 2): base, exponent, value.
    QLabel* base(int k) { return label(3 * k + 1); }
    QLabel* exponent(int k) { return label(3 * k + 2); }
    QLabel* value(int k) { return label(3 * k + 3); }

    std::array<std::string, 9> values()
    {
        std::array<std::string, 9> texts;
        for (int k = 0; k < 9; ++k)
            texts[static_cast<std::size_t>(k)] = value(k)->text().toStdString();
        return texts;
    }

    TForm18 form;
};

using Values = std::array<std::string, 9>;

const Values kTwo = {" = 4", " = 8", " = 16", " = 32", " = 64", " = 128", " = 256", " = 512", " = 1024"};

TEST_F(Form18Test, OpensWithThePowersOfTwo)
{
    EXPECT_EQ(form.windowTitle(), "");
    EXPECT_EQ(form.size(), QSize(228, 285));
    EXPECT_EQ(label(28)->text(), "Введите число");
    EXPECT_EQ(edit()->text(), "2");
    EXPECT_TRUE(edit()->hasSelectedText()); // typing replaces it
    EXPECT_EQ(values(), kTwo);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(base(k)->text(), "2");
        EXPECT_EQ(exponent(k)->text().toInt(), k + 2);
    }
}

TEST_F(Form18Test, TableFollowsTheTextAsItIsTyped)
{
    typeText(edit(), QStringLiteral("-"));
    EXPECT_EQ(edit()->text(), "-");
    EXPECT_EQ(values(), kTwo); // not a number yet: the table stays
    EXPECT_EQ(base(0)->text(), "2");

    typeText(edit(), QStringLiteral("3"));
    EXPECT_EQ(base(8)->text(), "-3");
    EXPECT_EQ(values(),
              (Values{" = 9", " = -27", " = 81", " = -243", " = 729", " = -2187", " = 6561", " = -19683", " = 59049"}));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form18Test, PointAndTheLettersOnItsKeysTypeAComma)
{
    for (const QString& typed : {QStringLiteral("1.5"), QStringLiteral("1б5"), QStringLiteral("1ю5")}) {
        edit()->clear();
        typeText(edit(), typed);
        EXPECT_EQ(edit()->text(), "1,5") << typed.toStdString();
        EXPECT_EQ(base(0)->text(), "1,5");
        EXPECT_EQ(value(0)->text(), " = 2,25");
        EXPECT_EQ(value(8)->text(), " = 57,6650390625");
    }
}

TEST_F(Form18Test, PowersBeyondTheDoubleRangeEndInTheErrorBoxAndKeepTheTable)
{
    edit()->setText(QStringLiteral("1,5"));
    const Values before = values();
    for (const char* text : {"6,7E30", "-1E300", "1E400"}) {
        const std::size_t shown = host_.presenter.shown.size();
        edit()->setText(QString::fromUtf8(text));
        expectShown(host_.presenter, shown + 1, Shown::Kind::GeneralError, "Floating point overflow.");
        EXPECT_EQ(values(), before) << text;
        EXPECT_EQ(base(0)->text(), "1,5");
    }
    edit()->setText(QStringLiteral("6,6E30"));
    EXPECT_EQ(base(0)->text(), "6,6E30");
}

TEST_F(Form18Test, ExponentsSitRaisedJustAfterTheirBase)
{
    for (const char* text : {"2", "-123456,789"}) {
        edit()->setText(QString::fromUtf8(text));
        for (int k = 0; k < 9; ++k) {
            const int top = 56 + 24 * k;
            EXPECT_EQ(base(k)->pos(), QPoint(8, top));
            EXPECT_EQ(exponent(k)->pos(), QPoint(8 + base(k)->width() + 6, top - 8)) << text << " row " << k;
            EXPECT_EQ(value(k)->pos(), QPoint(exponent(k)->x() + (k == 8 ? 10 : 5), top));
            EXPECT_GE(base(k)->width(), base(k)->sizeHint().width()); // the base is never cut
        }
    }
    EXPECT_GT(exponent(0)->x(), 8 + 6 + 40); // a longer base pushes its exponent along
}

TEST_F(Form18Test, ShowingAgainStartsFromTwo)
{
    edit()->setText(QStringLiteral("5"));
    form.close();
    form.show();
    processEvents();
    EXPECT_EQ(edit()->text(), "2");
    EXPECT_EQ(values(), kTwo);
}

TEST_F(Form18Test, DraggingTheBackgroundMovesTheWindow)
{
    form.move(200, 150);
    processEvents();
    const QPoint start = form.pos();
    // A label is background too: it lets the press through to the window.
    QWidget* grip = base(3);
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(grip, QPoint(32, 22));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(32, 22));
    processEvents();
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
}

TEST_F(Form18Test, OpensInTheMiddleOfTheWindowItIsCentredOn)
{
    QWidget main;
    main.setGeometry(300, 200, 600, 400);
    main.show();
    form.close();
    form.centreOn(&main);
    form.show();
    processEvents();
    EXPECT_LE((form.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
}

} // namespace
} // namespace vy::test
