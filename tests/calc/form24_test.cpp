#include "calc/ui/form24.h"

#include "tests/support/windowtest.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <string>
#include <vector>

namespace vy::test {
namespace {

const QString nbsp = QString(QChar(0x00A0));

class Form24Test : public GuiTest {
protected:
    Form24Test() : form(host_.host(), DataFolder{folder()}, &mainWindow)
    {
        QPalette teal = mainWindow.palette();
        teal.setColor(QPalette::Window, QColor(0, 128, 128));
        mainWindow.setPalette(teal);
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(form, name); }
    QTabBar* tabs() { return control<QTabBar>(form, "TabControl1"); }
    QListWidget* units() { return control<QListWidget>(form, "ListBox1"); }
    QString answer() { return control<QLabel>(form, "Label1")->text(); }

    // Clicks a check box as the user does: it takes the focus first.
    void click(QCheckBox* check) { QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2)); }

    QString convert(const char* from, const QString& text, const char* to)
    {
        click(box(from));
        click(box(to));
        edit("Edit1")->setText(text);
        control<QPushButton>(form, "Button1")->click();
        return answer();
    }

    void chooseTab(const QString& caption)
    {
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->tabText(i) == caption)
                tabs()->setCurrentIndex(i);
        ASSERT_EQ(tabs()->tabText(tabs()->currentIndex()), caption);
    }
    void chooseUnit(const QString& name)
    {
        const auto found = units()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        units()->setCurrentItem(found.front());
    }
    QStringList lines()
    {
        QStringList out;
        auto* list = control<QListWidget>(form, "ListBox2");
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    QWidget mainWindow;
    TForm24 form;
};

TEST_F(Form24Test, ControlsCarryTheirCaptionsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Системы счисления");
    EXPECT_EQ(form.size(), QSize(480, 439));
    const Caption rows[] = {
        {"Label2", "Перевод чисел из ситемы в систему", ""},
        {"Edit1", "1", ""},
        {"Button1", "Перевести", ""},
        {"CheckBox1", "Десятичное", ""},
        {"CheckBox2", "Двоичное", ""},
        {"CheckBox3", "Шестнадцатиричное", ""},
        {"CheckBox4", "Десятичное", ""},
        {"CheckBox5", "Двоичное", ""},
        {"CheckBox6", "Шестнадцатиричное", ""},
        {"Label1", "Ответ", ""},
        {"Label3", "->", ""},
        {"Edit2", "1", ""},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "Перевод из");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox2")->title(), "Перевод в");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox3")->title(), "Количество");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox4")->title(), "Перевод из ");
    EXPECT_TRUE(box("CheckBox1")->isChecked());
    EXPECT_TRUE(box("CheckBox4")->isChecked());
    auto* upDown = control<TUpDown>(form, "UpDown1");
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_EQ(upDown->Min(), 0);
    EXPECT_EQ(upDown->Max(), 100);
    EXPECT_EQ(upDown->Associate(), edit("Edit2"));
}

TEST_F(Form24Test, ConvertsBetweenNotationsAsTheExamplesShow)
{
    const QString blanks27(27, ' ');
    EXPECT_EQ(convert("CheckBox1", "10", "CheckBox5"), blanks27 + "1010");
    EXPECT_EQ(convert("CheckBox1", "10", "CheckBox6"), " A");
    EXPECT_EQ(convert("CheckBox3", "ff", "CheckBox4"), "255");
    EXPECT_EQ(convert("CheckBox2", "12", "CheckBox4"), "4");
    EXPECT_EQ(convert("CheckBox2", "0", "CheckBox5"), QString(31, ' '));
    EXPECT_EQ(convert("CheckBox3", "FFFFFFFF", "CheckBox4"), "-1");
    EXPECT_EQ(convert("CheckBox3", "FFFFFFFF", "CheckBox5"), QString(31, '1'));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form24Test, ATextThatDoesNotFitEndsInTheGeneralErrorBoxAndKeepsTheAnswer)
{
    ASSERT_EQ(convert("CheckBox1", "255", "CheckBox6"), "FF");
    struct Row {
        const char* source;
        const char* text;
        const char* message;
    };
    for (const Row& row : {Row{"CheckBox1", "", "'' is not a valid integer value."},
                           Row{"CheckBox1", "1A", "'1A' is not a valid integer value."},
                           Row{"CheckBox3", "123456789", "'$123456789' is not a valid integer value."},
                           Row{"CheckBox2", "11111111111111111111111111111111", "Range check error."}}) {
        host_.presenter.shown.clear();
        EXPECT_EQ(convert(row.source, row.text, "CheckBox6"), "FF") << row.text;
        ASSERT_EQ(host_.presenter.shown.size(), 1u) << row.text;
        EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
        EXPECT_EQ(host_.presenter.shown[0].text, row.message);
    }
}

TEST_F(Form24Test, EachGroupOfCheckBoxesKeepsExactlyOneChecked)
{
    for (const auto& group : {QStringList{"CheckBox1", "CheckBox2", "CheckBox3"},
                              QStringList{"CheckBox4", "CheckBox5", "CheckBox6"}}) {
        for (const QString& clicked : {group[1], group[2], group[2], group[0]}) {
            click(box(clicked.toLatin1().constData()));
            for (const QString& name : group)
                EXPECT_EQ(box(name.toLatin1().constData())->isChecked(), name == clicked)
                    << "after clicking " << clicked.toStdString();
        }
    }
}

TEST_F(Form24Test, KeyFiltersOfTheTwoFields)
{
    QLineEdit* number = edit("Edit1");
    number->clear();
    number->setFocus();
    typeText(number, "1aF9g.");
    EXPECT_EQ(number->text(), "1aF9");
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->text(), "1aF");
    EXPECT_EQ(host_.journal, (std::vector<std::string>{"sound:exclamation", "sound:exclamation"}));

    host_.journal.clear();
    QLineEdit* amount = edit("Edit2");
    amount->selectAll();
    typeText(amount, "2,5.a");
    QTest::keyClick(amount, Qt::Key_Backspace);
    EXPECT_EQ(amount->text(), "2,5"); // Backspace is refused as well
    amount->home(false);
    QTest::keyClick(amount, Qt::Key_Delete);
    EXPECT_EQ(amount->text(), ",5") << "Delete still deletes";
    EXPECT_EQ(host_.journal, (std::vector<std::string>{"sound:exclamation", "sound:exclamation", "sound:exclamation"}));
}

TEST_F(Form24Test, OpensOnTheTimeTabWithTheFirstUnitConverted)
{
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i)
        captions << tabs()->tabText(i);
    EXPECT_EQ(captions, QStringList({"Время", "Масса", "Объём", "Площадь", "Расстояние", "Температура"}));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    ASSERT_EQ(units()->count(), 15);
    EXPECT_EQ(units()->currentRow(), 0);
    EXPECT_EQ(units()->item(0)->text(), "Века");
    const QStringList shown = lines();
    ASSERT_EQ(shown.size(), 15);
    EXPECT_EQ(shown[0], "1,00 Века");
    EXPECT_TRUE(shown.contains("36" + nbsp + "525,00 Дни"));
    EXPECT_TRUE(shown.contains("2" + nbsp + "451" + nbsp + "543,50 Юлианская дата"));
}

TEST_F(Form24Test, ChoosingATabAndAUnitListsTheAmountInEveryUnit)
{
    chooseTab("Температура");
    chooseUnit("Цельсии");
    edit("Edit2")->setText("100");
    EXPECT_EQ(lines(), QStringList({"373,15 Кельвины", "671,67 Ранкины", "80,00 Ремуры", "212,00 Фаренгейты",
                                    "100,00 Цельсии"}));
    chooseTab("Расстояние");
    EXPECT_EQ(units()->currentRow(), 0) << "a new tab selects its first unit";
    chooseUnit("Километры");
    edit("Edit2")->setText("1");
    EXPECT_TRUE(lines().contains("1" + nbsp + "000,00 Метры"));
    EXPECT_TRUE(lines().contains("0,62 Мили"));
}

TEST_F(Form24Test, JulianDayOneShowsOnlyThatItCannotBeComputed)
{
    chooseUnit("Юлианская дата");
    EXPECT_EQ(lines(), QStringList({"Не вычисляется"}));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form24Test, WithoutASelectedUnitThereIsNoBaseType)
{
    units()->clearSelection();
    EXPECT_EQ(lines(), QStringList({"No base type"}));
}

TEST_F(Form24Test, TypedFractionsConvertAndTheArrowsReplaceThemByWholeNumbers)
{
    chooseTab("Масса");
    chooseUnit("Килограммы");
    QLineEdit* amount = edit("Edit2");
    amount->setText("2,5");
    EXPECT_TRUE(lines().contains("2" + nbsp + "500,00 Граммы"));
    auto* upDown = control<TUpDown>(form, "UpDown1");
    QTest::mouseClick(upDown->findChild<QWidget*>("up"), Qt::LeftButton);
    EXPECT_EQ(amount->text(), "2");
    EXPECT_TRUE(lines().contains("2" + nbsp + "000,00 Граммы"));
    amount->setText("100");
    upDown->stepBy(1);
    EXPECT_EQ(amount->text(), "100") << "the range ends at 100";
    amount->setFocus();
    pressKey(amount, Qt::Key_Down);
    EXPECT_EQ(amount->text(), "99");
    amount->setText("abc");
    EXPECT_TRUE(lines().contains("0,00 Граммы")) << "a text that is not a number counts as 0";
}

TEST_F(Form24Test, TakesTheMainWindowsColourWhenActivated)
{
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_EQ(tabs()->palette().color(QPalette::Window), QColor(0, 128, 128));
}

TEST_F(Form24Test, PlaceIsReadAtCreationAndWrittenOnClose)
{
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm24,
                    [&] { return std::make_unique<TForm24>(host_.host(), DataFolder{folder()}); });
}

} // namespace
} // namespace vy::test
