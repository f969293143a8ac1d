// The main window driven through its fields, buttons and keys.
#include "tests/app/form1_test.h"

#include "platform/qt/activation.h"
#include "platform/qt/elidedlabel.h"
#include "platform/qt/guard.h"

#include <QGuiApplication>
#include <QScreen>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <stdexcept>

namespace vy::test {
namespace {

const std::string kNotANumberBox = "Здесь должно быть  число. \rПри записи дробного числа используйте запятую.";
const std::string kNotANumberBalloon = "Здесь должно быть число. При записи дробного числа используйте запятую.";
const std::string kHeader = "************ Протокол работы программы Вычислица ************";

// ---- typing -------------------------------------------------------------------------

TEST_F(Form1Test, CommaFilterTurnsFullStopAndBothLettersIntoCommaAndLetsLettersThrough) {
    auto form = makeForm();
    QLineEdit* edit = field(*form, "Edit8");
    edit->clear();
    typeText(edit, QStringLiteral("2.5ю7б1 x"));
    EXPECT_EQ(edit->text(), QStringLiteral("2,5,7,1 x"));
    EXPECT_TRUE(host_.journal.empty()) << "the comma filter never beeps";
}

struct KeyCase {
    const char* field;
    int key;
    const char* focusAfter; // nullptr: the focus stays
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.field << " key " << c.key; }

class MainKeys : public Form1Test, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MainKeys, MoveTheFocusAsTheTableSays) {
    const KeyCase c = GetParam();
    auto form = showForm();
    QLineEdit* edit = field(*form, c.field);
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    pressKey(edit, c.key);
    QWidget* expected = c.focusAfter ? static_cast<QWidget*>(field(*form, c.focusAfter)) : edit;
    EXPECT_EQ(QApplication::focusWidget(), expected) << c.field << " key " << c.key;
}

INSTANTIATE_TEST_SUITE_P(Table, MainKeys,
                         ::testing::Values(KeyCase{"Edit1", Qt::Key_Down, "Edit2"},
                                           KeyCase{"Edit1", Qt::Key_Up, nullptr},
                                           KeyCase{"Edit3", Qt::Key_Down, "Edit15"},
                                           KeyCase{"Edit15", Qt::Key_Down, "Edit4"},
                                           KeyCase{"Edit4", Qt::Key_Return, "Edit5"},
                                           KeyCase{"Edit4", Qt::Key_Right, "Edit5"},
                                           KeyCase{"Edit5", Qt::Key_Left, "Edit4"},
                                           KeyCase{"Edit7", Qt::Key_Up, "Edit4"},
                                           KeyCase{"Edit8", Qt::Key_Return, "Edit9"},
                                           KeyCase{"Edit10", Qt::Key_Enter, "Edit11"},
                                           KeyCase{"Edit12", Qt::Key_Return, "Edit13"},
                                           KeyCase{"Edit13", Qt::Key_Up, "Edit10"},
                                           KeyCase{"Edit14", Qt::Key_Up, "Edit10"},
                                           KeyCase{"Edit14", Qt::Key_Down, nullptr},
                                           KeyCase{"Edit14", Qt::Key_Left, "Edit13"}));

TEST_F(Form1Test, EnterInTheLastFieldOfARowComputesIt) {
    auto form = showForm();
    struct {
        const char* field;
        const char* label;
    } rows[] = {{"Edit1", "Label2"},  {"Edit2", "Label4"},   {"Edit3", "Label6"},   {"Edit15", "Label27"},
                {"Edit5", "Label7"},  {"Edit7", "Label11"},  {"Edit9", "Label14"},  {"Edit11", "Label19"},
                {"Edit14", "Label25"}};
    for (const auto& row : rows) {
        setText(*form, row.field, "1");
        field(*form, row.field)->setFocus();
        pressKey(field(*form, row.field), Qt::Key_Return);
        EXPECT_FALSE(label(*form, row.label).empty()) << row.field;
        EXPECT_EQ(QApplication::focusWidget(), field(*form, row.field)) << row.field;
    }
}

// ---- the rows -----------------------------------------------------------------------

struct RowCase {
    const char* button;
    std::vector<std::pair<const char*, const char*>> fields;
    const char* label;
    std::string labelText;
    std::string clipboard;
    std::string protocolLine;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.button; }

class Rows : public Form1Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Rows, WriteLabelClipboardAndProtocolLine) {
    const RowCase& c = GetParam();
    auto form = showForm();
    for (const auto& [field, text] : c.fields) setText(*form, field, QString::fromUtf8(text));
    button(*form, c.button)->click();
    EXPECT_EQ(label(*form, c.label), c.labelText);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clipboard);
    EXPECT_EQ(lastProtocolLine(), c.protocolLine);
    EXPECT_TRUE(host_.presenter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Rows,
    ::testing::Values(
        RowCase{"Button1", {{"Edit1", " 2"}}, "Label2", "Квадрат  2 = 4", "4", "2^2 = 4"},
        RowCase{"Button3", {{"Edit2", "30"}}, "Label4", "Синус 30 Град. = 0,5", "0,5", "sin(30) = 0,5"},
        RowCase{"Button4", {{"Edit3", "-1170"}}, "Label6", "Косинус -1170 Град. = 0", "0", "cos(-1170) = 0"},
        RowCase{"Button13", {{"Edit15", "45"}}, "Label27", "Тангенс 45 Град. = 1", "1", "tg(45) = 1"},
        RowCase{"Button6", {{"Edit4", "2"}, {"Edit5", "3"}}, "Label7", "2 : 3 = 0,666666666666667",
                "0,666666666666667", "2 : 3 = 0,666666666666667"},
        RowCase{"Button7", {{"Edit6", "2,5"}, {"Edit7", "4"}}, "Label11", "2,5 * 4 = 10", "10", "2,5 * 4 = 10"},
        RowCase{"Button8", {{"Edit8", "2"}, {"Edit9", "3"}}, "Label14", "2 + 3 = 5", "5", "2 + 3 = 5"},
        RowCase{"Button9", {{"Edit10", "0,1"}, {"Edit11", "0,3"}}, "Label19", "0,1 - 0,3 = -0,2", "-0,2",
                "0,1 - 0,3 = -0,2"}));

TEST_F(Form1Test, TangentThatDoesNotExistIsSaidSo) {
    auto form = showForm();
    setText(*form, "Edit15", "270");
    button(*form, "Button13")->click();
    EXPECT_EQ(label(*form, "Label27"), "Тангенс 270 Град. Не существует ");
    EXPECT_EQ(lastProtocolLine(), "Тангенс 270 Град. Не существует ");
}

TEST_F(Form1Test, QuadraticRowWritesBothLabelsAndItsProtocolBlock) {
    auto form = showForm();
    setText(*form, "Edit12", "1");
    setText(*form, "Edit13", "-3");
    setText(*form, "Edit14", "2");
    button(*form, "Button10")->click();
    EXPECT_EQ(label(*form, "Label24"), " Дискриминант  = 1");
    EXPECT_EQ(label(*form, "Label25"), "x1=2  x2=1");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "x1=2  x2=1");
    const std::string log = protocol();
    EXPECT_NE(log.find("\r\n \r\nРешение квадратного уравнения\r\n1x^2+-3x+2=0\r\n\r\n"
                       "D=b^2-4ac =-3^2-4*1*2=1\r\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(lastProtocolLine(), "Уравнение решено корни 2 и 1");

    setText(*form, "Edit13", "0");
    setText(*form, "Edit14", "1");
    button(*form, "Button10")->click();
    EXPECT_EQ(label(*form, "Label25"), "Уравнение не имеет  корней, т.к Дискриминант -4");
    EXPECT_EQ(lastProtocolLine(), "т.к D<0 уравнение не имеет корней");
}

// ---- failures -------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    const char* button;
    std::vector<std::pair<const char*, const char*>> fields;
    bool balloon;
    Shown::Kind kind;
    std::string text;
    const char* stemField = nullptr; // balloons: the field the stem points under
    const char* untouchedLabel = nullptr;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name << (c.balloon ? " balloon" : " box"); }

class Failures : public Form1Test, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, AreReportedTheRowsWayAndChangeNothing) {
    const FailureCase& c = GetParam();
    writeFile("Вычислица.ini", std::string("[tester]\r\nopenanim=0\r\ncloseanim=0\r\nBalloon=") +
                                   (c.balloon ? "1" : "0") + "\r\n[tools]\r\nLabel2=old\r\nLabel11=old\r\n");
    auto form = showForm();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const std::string logBefore = protocol();
    for (const auto& [field, text] : c.fields) setText(*form, field, QString::fromUtf8(text));
    button(*form, c.button)->click();

    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    const Shown& shown = host_.presenter.shown.front();
    EXPECT_EQ(shown.kind, c.kind);
    EXPECT_EQ(shown.text, c.text);
    const bool stopSound = c.kind != Shown::Kind::Balloon && c.kind != Shown::Kind::GeneralError;
    EXPECT_EQ(host_.journal.front() == "sound:criticalStop", stopSound);
    if (c.kind == Shown::Kind::Box) {
        EXPECT_EQ(shown.caption, "Внимание");
        EXPECT_EQ(shown.icon, Icon::Information);
    }
    if (c.stemField != nullptr) {
        QLineEdit* edit = field(*form, c.stemField);
        const QPoint below = edit->mapToGlobal(QPoint(10, edit->height()));
        EXPECT_EQ(shown.stem, (ScreenPoint{below.x(), below.y()}));
        EXPECT_EQ(shown.owner, form.get());
    }
    if (c.untouchedLabel != nullptr) {
        EXPECT_EQ(label(*form, c.untouchedLabel), "old");
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_EQ(protocol(), logBefore);
}

const std::string kNumbers = " должны быть заданы числом. \rПри записи дробного числа используйте запятую.";
using K = Shown::Kind;

std::vector<FailureCase> failureCases() {
    std::vector<FailureCase> cases;
    for (const bool b : {false, true}) {
        const auto field = [b](const char* name, const char* button, const char* edit, K kindWithout,
                               const char* untouched = nullptr) {
            return FailureCase{name,    button, {{edit, "abc"}}, b, b ? K::Balloon : kindWithout,
                               b ? kNotANumberBalloon : kNotANumberBox, b ? edit : nullptr, untouched};
        };
        cases.push_back(field("Square", "Button1", "Edit1", K::Box, "Label2"));
        cases.push_back(field("Sine", "Button3", "Edit2", K::Information));
        cases.push_back(field("Cosine", "Button4", "Edit3", K::Information));
        cases.push_back(field("Tangent", "Button13", "Edit15", K::Information));
        cases.push_back({"Quotient", "Button6", {{"Edit4", "1"}, {"Edit5", "x"}}, b, K::Plain,
                         "Делимое и делитель" + kNumbers});
        cases.push_back({"DivisorZero", "Button6", {{"Edit4", "1"}, {"Edit5", "0"}}, b, b ? K::Balloon : K::Plain,
                         "Делитель не может быть равным нулю!", b ? "Edit5" : nullptr});
        cases.push_back({"Product", "Button7", {{"Edit6", "abc"}}, b, K::Plain, "Множители" + kNumbers, nullptr,
                         "Label11"});
        cases.push_back({"Sum", "Button8", {{"Edit9", "."}}, b, K::Plain, "Слагаемые" + kNumbers});
        cases.push_back({"Difference", "Button9", {{"Edit10", ""}}, b, K::Plain, "Уменьшаемое и вычитаемое" + kNumbers});
        cases.push_back({"Quadratic", "Button10", {{"Edit13", "-"}}, b, K::Plain,
                         " a  b  c должны быть заданы числами. \rПри записи дробного числа используйте запятую."});
        cases.push_back({"LeadingZero", "Button10", {{"Edit12", "0"}}, b, b ? K::Balloon : K::Plain,
                         "Значение а не может быть равно нулю!", b ? "Edit12" : nullptr});
        cases.push_back({"Overflow", "Button1", {{"Edit1", "1E200"}}, b, K::GeneralError,
                         "Floating point overflow.", nullptr, "Label2"});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, Failures, ::testing::ValuesIn(failureCases()),
                         [](const auto& info) {
                             return std::string(info.param.name) + (info.param.balloon ? "Balloon" : "Box");
                         });

TEST_F(Form1Test, ZeroByZeroReachesTheGeneralErrorBoxAndLeavesABlank) {
    auto form = showForm();
    resultLabel(*form, "Label7")->setText("old");
    setText(*form, "Edit4", "0");
    setText(*form, "Edit5", "0");
    button(*form, "Button6")->click();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, K::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "Invalid floating point operation.");
    EXPECT_EQ(label(*form, "Label7"), " ");
}

TEST_F(Form1Test, BalloonChoiceIsReadAgainOnTheSettingsMessage) {
    auto form = showForm();
    EXPECT_EQ(form->balloonFlag(), 0);
    writeFile("Вычислица.ini", "[tester]\r\nBalloon=513\r\n"); // the low byte is kept
    form->UMMymessage();
    EXPECT_EQ(form->balloonFlag(), 1);
    setText(*form, "Edit2", "?");
    button(*form, "Button3")->click();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, K::Balloon);
}

// ---- small handlers -----------------------------------------------------------------

TEST_F(Form1Test, ALongResultIsCutWithAnEllipsisAndShownWholeInItsHint) {
    auto form = showForm();
    setText(*form, "Edit6", "-1,23456789012345E-300");
    setText(*form, "Edit7", "-9,87654321098765E-5");
    button(*form, "Button7")->click();
    auto* product = qobject_cast<platform::ElidedLabel*>(resultLabel(*form, "Label11"));
    ASSERT_NE(product, nullptr);
    const QString whole = product->text();
    ASSERT_TRUE(whole.startsWith(QStringLiteral("-1,23456789012345E-300 * -9,87654321098765E-5 = "))) << whole.toStdString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), whole.section(QStringLiteral(" = "), 1));
    product->repaint();
    EXPECT_TRUE(product->shownText().endsWith(QChar(0x2026))) << product->shownText().toStdString();
    EXPECT_LT(product->shownText().size(), whole.size());
    EXPECT_EQ(product->toolTip(), whole);

    setText(*form, "Edit6", "2");
    setText(*form, "Edit7", "3");
    button(*form, "Button7")->click();
    product->repaint();
    EXPECT_EQ(product->shownText(), product->text());
    EXPECT_TRUE(product->toolTip().isEmpty()) << "a result that fits has no hint";
}

TEST_F(Form1Test, ClearEmptiesAllTenResultsButNotClipboardOrLog) {
    auto form = showForm();
    for (const char* name : ini::kResultLabels) resultLabel(*form, name)->setText("x");
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    const std::string log = protocol();
    form->Button5->click();
    for (const char* name : ini::kResultLabels) EXPECT_TRUE(resultLabel(*form, name)->text().isEmpty()) << name;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_EQ(protocol(), log);
}

TEST_F(Form1Test, SliderSetsOpacityAndTransparencyCaption) {
    auto form = makeForm();
    const std::string title = "Вычислица" + std::string(41, ' ') + "Прозрачность ";
    const struct {
        int position, opacity;
        const char* percent;
    } cases[] = {{35, 185, "27%"}, {70, 115, "55%"}, {0, 255, "0%"}};
    for (const auto& c : cases) {
        form->ScrollBar1->setValue(c.position);
        EXPECT_EQ(form->opacity(), c.opacity);
        EXPECT_EQ(form->windowTitle().toStdString(), title + c.percent);
    }
}

TEST_F(Form1Test, TimersRunAsDesignedAndAnimateTheTwoButtonCaptions) {
    auto form = makeForm();
    const struct {
        QTimer* timer;
        int interval;
        bool active;
    } timers[] = {{form->Timer1, 1000, true},
                  {form->Timer2, 10, false},
                  {form->Timer3, 20, false},
                  {form->Timer4, 700, true},
                  {form->Timer5, 2000, true}};
    for (const auto& t : timers) {
        EXPECT_EQ(t.timer->interval(), t.interval) << t.timer->objectName().toStdString();
        EXPECT_EQ(t.timer->isActive(), t.active) << t.timer->objectName().toStdString();
    }

    QPushButton* logButton = button(*form, "BitBtn7");
    const struct {
        const char* caption;
        const char* family;
        bool bold;
    } looks[] = {{"Log", "Ms Sans Serif", true},
                 {"Факториал", "Ms tahoma", false},
                 {"Факториал", "Ms tahoma", false},
                 {"Log", "Ms Sans Serif", true}};
    for (const auto& look : looks) {
        tick(form->Timer4);
        EXPECT_EQ(logButton->text().toStdString(), look.caption);
        EXPECT_EQ(logButton->font().family().toStdString(), look.family);
        EXPECT_EQ(logButton->font().bold(), look.bold) << look.caption;
    }

    QPushButton* systems = button(*form, "BitBtn1");
    EXPECT_EQ(systems->text().toStdString(), "Урав-й");
    tick(form->Timer5);
    EXPECT_EQ(systems->text().toStdString(), "Системы");
    EXPECT_EQ(form->Timer5->interval(), 700) << "the first change waits 2000 ms, the others 700";
    tick(form->Timer5);
    EXPECT_EQ(systems->text().toStdString(), "Урав-й");
}

TEST_F(Form1Test, ClockCaptionCarriesTheTime) {
    auto form = makeForm();
    host_.clock.time = {2024, 1, 2, 7, 5, 9};
    form->ShowTime();
    EXPECT_EQ(form->windowTitle().toStdString(), "Вычислица" + std::string(56, ' ') + "Время 07:05:09");
}

TEST_F(Form1Test, LogPictureStartsTheViewerAndAFailedStartShowsNothing) {
    auto form = showForm();
    host_.environment.launchSucceeds = false;
    QTest::mouseClick(form->Image2, Qt::RightButton);
    EXPECT_TRUE(host_.environment.launches.empty()) << "only the left button clicks";
    QTest::mouseClick(form->Image2, Qt::LeftButton);
    ASSERT_EQ(host_.environment.launches.size(), 1u);
    EXPECT_EQ(host_.environment.launches[0].program, "logreader");
    EXPECT_TRUE(host_.environment.launches[0].args.empty());
    EXPECT_TRUE(host_.presenter.shown.empty());
    EXPECT_TRUE(host_.journal.empty());
}

// ---- settings ---------------------------------------------------------------------

TEST_F(Form1Test, LastResultsAndPositionSurviveARestart) {
    {
        auto form = showForm();
        form->move(123, 77);
        setText(*form, "Edit8", "2");
        setText(*form, "Edit9", "3");
        button(*form, "Button8")->click();
        setText(*form, "Edit12", "1");
        button(*form, "Button10")->click();
        form->close();
    }
    auto again = makeForm();
    EXPECT_EQ(label(*again, "Label14"), "2 + 3 = 5");
    // Values are trimmed on reading, so the discriminant line loses its blank.
    EXPECT_EQ(label(*again, "Label24"), "Дискриминант  = -3");
    EXPECT_EQ(again->pos(), QPoint(123, 77));

    again->Button5->click();
    again.reset();
    EXPECT_EQ(label(*makeForm(), "Label14"), "");
}

TEST_F(Form1Test, CreationReadsFlagsAndSeedsTheColour) {
    writeFile("Вычислица.ini", "[position]\r\nleft=0x10\r\n[TESTER]\r\nBalloon=256\r\ncloseanim=257\r\nSkin=Mac\r\n");
    auto form = makeForm();
    EXPECT_EQ(form->pos().x(), 16);
    EXPECT_EQ(form->pos().y(), 229);
    EXPECT_EQ(form->balloonFlag(), 0);
    EXPECT_EQ(form->closeAnimFlag(), 1);
    EXPECT_EQ(form->openAnimFlag(), 1) << "missing openanim fades in";
    EXPECT_EQ(form->skinName(), "Mac");
    EXPECT_EQ(form->opacity(), 0);
    EXPECT_NE(readFile("Вычислица.ini").find("Color=12632256"), std::string::npos);
}

TEST_F(Form1Test, APlaceOffTheScreenIsPulledBackOntoIt) {
    // Saved on a larger screen: the window comes back whole, at the screen's edge.
    writeFile("Вычислица.ini", "[position]\r\nleft=5000\r\ntop=-300\r\n");
    auto form = makeForm();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->pos(), QPoint(screen.right() + 1 - form->width(), screen.top()));
}

TEST_F(Form1Test, FadeInTakesFiftyOneStepsToFullOpacity) {
    writeFile("Вычислица.ini", "");
    auto form = showForm();
    ASSERT_TRUE(form->Timer2->isActive());
    // Showing may already have let a real tick through; the rest are ours.
    int opacity = form->opacity();
    EXPECT_EQ(opacity % 5, 0);
    while (opacity < 255) {
        tick(form->Timer2);
        opacity += 5;
        EXPECT_EQ(form->opacity(), opacity);
    }
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_TRUE(form->Timer1->isActive());
}

TEST_F(Form1Test, CloseShrinksTickByTickUntilItsLimitWhenCloseanimIsMissing) {
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\n");
    auto form = showForm();
    const QRect edit = field(*form, "Edit14")->geometry();
    const QSize size = form->size();
    form->close();
    EXPECT_TRUE(form->isVisible()) << "the close waits for the shrink";
    ASSERT_TRUE(form->Timer3->isActive());
    for (int i = 0; i < 20; ++i) tick(form->Timer3);
    EXPECT_EQ(form->size(), size - QSize(80, 60)) << "4 and 3 pixels a tick";
    EXPECT_EQ(field(*form, "Edit14")->geometry(), edit) << "the controls stay put while it shrinks";
    form->close();
    EXPECT_TRUE(form->isVisible()) << "closing again while it shrinks changes nothing";
    tick(control<QTimer>(*form, "CloseLimit"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer3->isActive());
}

TEST_F(Form1Test, CloseEndsWhenTheShrinkRunsOutAndAtOnceDuringTheFadeIn) {
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\n");
    {
        auto form = showForm();
        const int ticks = (form->height() + 2) / 3;
        form->close();
        for (int i = 0; i < ticks - 1; ++i) tick(form->Timer3);
        EXPECT_TRUE(form->isVisible());
        tick(form->Timer3);
        EXPECT_FALSE(form->isVisible());
    }
    writeFile("Вычислица.ini", "");
    auto fading = showForm();
    ASSERT_TRUE(fading->Timer2->isActive());
    fading->close();
    EXPECT_FALSE(fading->isVisible()) << "no shrink while fading in";
    EXPECT_FALSE(fading->Timer3->isActive());
}

// ---- activation ---------------------------------------------------------------------

TEST_F(Form1Test, ShowingRecreatesTheProtocolWithItsHeader) {
    writeFile("Вычислица.log", "old entries\r\n");
    auto form = showForm();
    EXPECT_EQ(protocol(), kHeader + "\r\n" + std::string(30, ' ') + "Время: 9:07:03        Дата: 05.03.2024\r\n");
}

class ToolWindowTest : public Form1Test {
protected:
    // A tool window that closes itself once it is shown.
    static std::unique_ptr<QDialog> selfClosingTool() {
        auto tool = std::make_unique<QDialog>();
        tool->setObjectName("Tool");
        class Closer : public QObject {
        public:
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Show) QTimer::singleShot(0, static_cast<QDialog*>(o), &QDialog::accept);
                return false;
            }
        };
        auto* closer = new Closer;
        closer->setParent(tool.get());
        tool->installEventFilter(closer);
        return tool;
    }
};

TEST_F(ToolWindowTest, ReturningFromAToolRecreatesTheProtocolButOtherProgramsDoNot) {
    auto form = showForm();
    auto tool = selfClosingTool();
    form->setToolWindow(TForm1::Tool::Equations, tool.get());
    setText(*form, "Edit8", "2");
    button(*form, "Button8")->click();
    const std::string withEntry = protocol();
    ASSERT_NE(withEntry.find("2 + 1 = 3"), std::string::npos);

    // Another program takes the focus and gives it back; a popup menu opens and closes.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->PopupMenu1->popup(QPoint(10, 10));
    form->PopupMenu1->hide();
    processEvents();
    EXPECT_EQ(protocol(), withEntry);

    button(*form, "BitBtn12")->click();
    EXPECT_EQ(protocol().find("2 + 1 = 3"), std::string::npos);
    EXPECT_EQ(protocol().rfind(kHeader, 0), 0u);
}

TEST_F(ToolWindowTest, ADisabledToolButtonStillShowsItsHint) {
    auto form = showForm();
    QPushButton* numbers = button(*form, "BitBtn5");
    ASSERT_FALSE(numbers->isEnabled());
    const QPoint inside(5, 5);
    QHelpEvent help(QEvent::ToolTip, inside, numbers->mapToGlobal(inside));
    QApplication::sendEvent(numbers, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Проверить число"));
    QToolTip::hideText();
    EXPECT_TRUE(form->testAttribute(Qt::WA_AlwaysShowToolTips)) << "hints show even while another window is active";
}

TEST_F(ToolWindowTest, ToolsNotHandedOverAreDisabledAndHandedOnesOpen) {
    auto form = makeForm();
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9",
                             "BitBtn10", "BitBtn11", "BitBtn12", "BitBtn13", "BitBtn14"})
        EXPECT_FALSE(button(*form, name)->isEnabled()) << name;
    EXPECT_FALSE(form->Button11->isEnabled());
    EXPECT_FALSE(form->sSpeedButton1->isEnabled());
    EXPECT_FALSE(form->N341->isEnabled());
    EXPECT_EQ(button(*form, "BitBtn13")->toolTip().toStdString(), "Вычисление определённого интеграла");

    auto tool = selfClosingTool();
    int before = 0;
    form->setToolWindow(TForm1::Tool::SystemsN, tool.get(), [&] { ++before; });
    EXPECT_TRUE(form->n5->isEnabled());
    EXPECT_FALSE(form->N341->isEnabled());
    EXPECT_TRUE(button(*form, "BitBtn1")->isEnabled()) << "its menu now offers something";
    form->n5->trigger();
    EXPECT_EQ(before, 1);
    EXPECT_FALSE(tool->isVisible());
    EXPECT_EQ(tool->windowModality(), Qt::ApplicationModal);

    auto settings = selfClosingTool();
    int settingsShown = 0;
    form->setToolWindow(TForm1::Tool::Settings, settings.get(), [&] { ++settingsShown; });
    ASSERT_TRUE(form->sSpeedButton1->isEnabled());
    form->sSpeedButton1->click();
    EXPECT_EQ(settingsShown, 1);
}

TEST_F(ToolWindowTest, AFailureBeforeAToolShowsReachesTheGeneralErrorBox) {
    auto form = showForm();
    auto tool = selfClosingTool();
    form->setToolWindow(TForm1::Tool::About, tool.get(), [] { throw std::runtime_error("File access denied"); });
    form->Button11->click();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, K::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "File access denied.");
    EXPECT_FALSE(tool->isVisible());
}

TEST_F(ToolWindowTest, MenuButtonsPopTheirMenuBesideTheButton) {
    auto form = showForm();
    auto tool = selfClosingTool();
    form->setToolWindow(TForm1::Tool::SimplePlot, tool.get());
    // The buttons sit at the right of a wide window: pull it left so that the
    // menu fits on the small offscreen screen and is not pushed back onto it.
    QPushButton* plots = button(*form, "BitBtn2");
    form->move(-plots->mapTo(form.get(), QPoint(0, 0)).x() + 100, 100);
    plots->click();
    ASSERT_TRUE(form->PopupMenu1->isVisible());
    const QPoint inside = plots->mapTo(form.get(), QPoint(0, 0));
    EXPECT_EQ(form->PopupMenu1->pos(), form->frameGeometry().topLeft() + inside + QPoint(-30, 20));
    form->PopupMenu1->hide();
}

TEST_F(Form1Test, AnUnwritableProtocolIsReportedOnceAndTheWindowStaysUsable) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path("Вычислица.log")))); // a folder: cannot be a file
    auto form = showForm();
    form->FormActivate();
    form->hide();
    form->show();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, K::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text.back(), '.');

    setText(*form, "Edit8", "4");
    button(*form, "Button8")->click();
    EXPECT_EQ(label(*form, "Label14"), "4 + 1 = 5");
    EXPECT_EQ(host_.presenter.shown.size(), 2u) << "the entry's own failure is its handler's report";
}

TEST_F(Form1Test, TitleFontIsRegisteredOnlyWhenItsFileIsThere) {
    auto form = showForm();
    EXPECT_FALSE(form->fontRegistered());
    EXPECT_EQ(form->Label13->font().family(), QStringLiteral("DS VTCorona Cyr"));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form1Test, TheWindowComesUpAtTheSizeItKeepsAfterItsFirstActivation) {
    // A window that widens once shown moves every control a user (or a script)
    // has already aimed at.
    auto form = makeForm();
    const QSize created = form->size();
    form->show();
    form->FormActivate();
    processEvents();
    EXPECT_EQ(form->size(), created);
}

TEST_F(Form1Test, TheWindowFitsEachSkinAndReturnsToItsSizeWithoutIt) {
    auto form = showForm();
    const QSize plain = form->size();
    qApp->setStyleSheet(QStringLiteral("QPushButton { padding: 4px 40px; }"));
    processEvents();
    const QSize skinned = form->size();
    qApp->setStyleSheet(QString());
    processEvents();
    EXPECT_GT(skinned.width(), plain.width()) << "the wider buttons need room";
    EXPECT_EQ(form->size(), plain);
}

// ---- the guard ----------------------------------------------------------------------

TEST_F(Form1Test, AFailureEscapingAnEventHandlerReachesTheGeneralErrorBox) {
    auto* app = static_cast<platform::Application*>(QApplication::instance());
    app->setPresenter(&host_.presenter);
    class Thrower : public QObject {
    protected:
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw std::runtime_error("I/O error 5");
            return QObject::event(e);
        }
    } thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    processEvents();
    app->setPresenter(nullptr);
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].text, "I/O error 5.");
}

} // namespace
} // namespace vy::test
