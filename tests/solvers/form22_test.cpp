#include "solvers/ui/form22.h"

#include "core/inifile.h"
#include "tests/solvers/formtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace vy::test {
namespace {

class Form22Test : public GuiTest {
protected:
    Form22Test()
        : form(host_.host(), DataFolder{folder()}, std::make_unique<FakeSearchDialogs>(dialogs))
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    QLabel* label(const char* name) { return control<QLabel>(form, name); }
    QPushButton* button(const char* name) { return control<QPushButton>(form, name); }
    QRadioButton* radio(const char* name) { return control<QRadioButton>(form, name); }
    QComboBox* precision() { return control<QComboBox>(form, "ComboBox1"); }
    QCheckBox* trigonometric() { return control<QCheckBox>(form, "CheckBox1"); }
    QProgressBar* bar() { return control<QProgressBar>(form, "ProgressBar1"); }
    std::string answer() { return label("Label1")->text().toStdString(); }
    bool hourglass() { return form.cursor().shape() == Qt::WaitCursor; }

    void solve() { button("BitBtn1")->click(); }
    bool idle() { return form.state() == TForm22::State::Idle && button("BitBtn1")->isEnabled(); }
    void solveAndWait()
    {
        solve();
        ASSERT_TRUE(waitUntil([&] { return idle(); }));
        processEvents();
    }
    // A scan of many millions of points, which only a cancel ends in time.
    void startLongScan()
    {
        radio("RadioButton1")->setChecked(true);
        edit("Edit1")->setText("x*x+1");
        edit("Edit2")->setText("-100000");
        edit("Edit3")->setText("100000");
        precision()->setCurrentIndex(5);
        solve();
        ASSERT_TRUE(waitUntil([&] { return bar()->value() > 0 && !button("BitBtn1")->isEnabled(); }));
    }
    void reply(DialogReply r)
    {
        ASSERT_TRUE(dialogs.pending);
        auto done = std::move(dialogs.pending);
        dialogs.pending = nullptr;
        done(r);
    }

    FakeSearchDialogs::Log dialogs;
    TForm22 form;
};

TEST_F(Form22Test, ControlsCarryTheirCaptionsHintsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Решение уравнений");
    const Caption rows[] = {
        {"Label6", "Уравнение", ""},
        {"Edit1", "x-5", "Введите уравнение с неизвесным членом х"},
        {"Label4", "=0", ""},
        {"Label2", "от", ""},
        {"Label3", "до", ""},
        {"Edit2", "-10", ""},
        {"Edit3", "10", ""},
        {"Label5", "            Точность", ""},
        {"CheckBox1", "Тригоном. ур-е", ""},
        {"RadioButton1", "Метод Перебора", ""},
        {"RadioButton2", "Метод Вилки", ""},
        {"RadioButton3", "Комбинированный метод", ""},
        {"RadioButton4", "Метод Ньютона", ""},
        {"Label1", "", ""},
        {"Label7", "", ""},
        {"BitBtn1", "Решить", "Вычислять корень уравнения"},
        {"BitBtn2", "Отмена", "Остановить решение уравнения"},
        {"BitBtn3", "Пауза", "Управление ходом решения"},
    };
    expectCaptions(form, rows);
    EXPECT_TRUE(radio("RadioButton3")->isChecked());
    EXPECT_EQ(itemsOf(*precision()), QStringList({"1", "0,1", "0,01", "0,001", "0,0001", "0,00001"}));
    EXPECT_EQ(precision()->currentIndex(), 1);
    EXPECT_FALSE(precision()->isEnabled()); // combined method checked when the window became active
    EXPECT_EQ(bar()->value(), bar()->maximum());
}

TEST_F(Form22Test, DefaultsSolveToFiveAndReturnToIdle)
{
    solveAndWait();
    EXPECT_EQ(answer(), "Ответ: x=5");
    EXPECT_EQ(bar()->value(), bar()->maximum());
    EXPECT_FALSE(hourglass());
    EXPECT_TRUE(dialogs.opened.empty());
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form22Test, ScanShowsRootsAfterTheLabelsOwnBlank)
{
    radio("RadioButton1")->setChecked(true);
    solveAndWait();
    EXPECT_EQ(answer(), "Ответ:   x=5");
}

TEST_F(Form22Test, BoundsTheWrongWayRoundLeaveAFullBarNotABusyOne)
{
    // The combined method then has no whole number to try and the scan a
    // negative range; neither may leave the bar in its endless animation.
    edit("Edit1")->setText("x*x+1");
    edit("Edit2")->setText("5");
    edit("Edit3")->setText("3");
    for (const char* method : {"RadioButton3", "RadioButton1"}) {
        radio(method)->setChecked(true);
        solveAndWait();
        EXPECT_LT(bar()->minimum(), bar()->maximum()) << method;
        EXPECT_EQ(bar()->value(), bar()->maximum()) << method;
    }
    EXPECT_EQ(answer(), "в промежутке от 5 до 3 при точности 0,1 нет ответа");
}

TEST_F(Form22Test, FormulaFailingAtFiveShowsItsBoxAndNothingElseChanges)
{
    label("Label1")->setText("прежний ответ");
    edit("Edit1")->setText("ln(x-6)");
    solve();
    ASSERT_TRUE(waitUntil([&] { return !dialogs.opened.empty(); }));
    EXPECT_EQ(dialogs.opened[0].text, "ВНИМАНИЕ: ОШИБКА В ФОРМУЛЕ\r         Проверьте уравнение ");
    EXPECT_EQ(dialogs.opened[0].caption, "Вычислица");
    reply(DialogReply::Ok);
    ASSERT_TRUE(waitUntil([&] { return idle(); }));
    EXPECT_EQ(answer(), "прежний ответ");
    EXPECT_EQ(bar()->value(), bar()->maximum());
}

TEST_F(Form22Test, BoundThatIsNotANumberGoesToTheGeneralErrorBoxAndTheWindowIdles)
{
    edit("Edit2")->setText("1,5"); // the combined method takes whole numbers
    solveAndWait();
    radio("RadioButton1")->setChecked(true);
    edit("Edit2")->setText("abc");
    solveAndWait();
    ASSERT_EQ(host_.presenter.shown.size(), 2u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "'1,5' is not a valid integer value.");
    EXPECT_EQ(host_.presenter.shown[1].text, "'abc' is not a valid floating point value.");
    EXPECT_FALSE(hourglass());
}

TEST_F(Form22Test, PauseHoldsTheBarResumeGoesOnCancelStops)
{
    startLongScan();
    EXPECT_TRUE(hourglass());
    for (int round = 0; round < 3; ++round) {
        button("BitBtn3")->click();
        EXPECT_EQ(button("BitBtn3")->text(), "Возобновить");
        EXPECT_EQ(form.state(), TForm22::State::Paused);
        QThread::msleep(60);
        processEvents();
        const int held = bar()->value();
        QThread::msleep(60);
        processEvents();
        EXPECT_EQ(bar()->value(), held);
        button("BitBtn3")->click();
        EXPECT_EQ(button("BitBtn3")->text(), "Пауза");
        ASSERT_TRUE(waitUntil([&] { return bar()->value() > held; }));
    }
    button("BitBtn2")->click();
    EXPECT_TRUE(idle());
    EXPECT_EQ(answer(), "Решение примера остановлено");
    EXPECT_EQ(bar()->value(), bar()->maximum());
    EXPECT_FALSE(hourglass());
    QThread::msleep(60);
    processEvents(); // updates still queued from before the cancel are dropped
    EXPECT_EQ(answer(), "Решение примера остановлено");
    EXPECT_EQ(bar()->value(), bar()->maximum());
    // after a cancel the pause button does nothing until the next start
    button("BitBtn3")->click();
    EXPECT_EQ(button("BitBtn3")->text(), "Пауза");
}

TEST_F(Form22Test, CancelWhilePausedStopsAtOnce)
{
    startLongScan();
    button("BitBtn3")->click();
    button("BitBtn2")->click();
    EXPECT_TRUE(idle());
    EXPECT_EQ(button("BitBtn3")->text(), "Пауза");
    // a fresh start after the cancel is not paused
    edit("Edit2")->setText("-1");
    edit("Edit3")->setText("1");
    precision()->setCurrentIndex(1);
    solveAndWait();
    EXPECT_EQ(answer(), "в промежутке от -1 до 1 при точности 0,1 нет ответа");
}

TEST_F(Form22Test, ClosingMidSearchStopsItAndKeepsThePlace)
{
    startLongScan();
    form.move(40, 60);
    form.close();
    EXPECT_TRUE(idle());
    EXPECT_EQ(answer(), "Решение примера остановлено");
    const IniFile ini(path("Вычислица.ini"));
    EXPECT_EQ(ini.readInteger("position", "f22left", -1), form.x());
    EXPECT_EQ(ini.readInteger("position", "f22top", -1), form.y());
}

TEST_F(Form22Test, ClosingWithoutASearchAlsoShowsStopped)
{
    form.close();
    EXPECT_EQ(answer(), "Решение примера остановлено");
}

TEST_F(Form22Test, NewtonDialogsComeOneAtATimeAndCancelTakesThemAway)
{
    radio("RadioButton4")->setChecked(true);
    edit("Edit1")->setText("5");
    solve();
    for (int attempt = 1; attempt <= 3; ++attempt) {
        ASSERT_TRUE(waitUntil([&] { return static_cast<int>(dialogs.opened.size()) == attempt; }));
        EXPECT_EQ(dialogs.opened.back().caption, "Ошибка вычислений");
        EXPECT_EQ(form.state(), TForm22::State::Running);
        reply(DialogReply::Ok);
    }
    ASSERT_TRUE(waitUntil([&] { return dialogs.opened.size() == 4; }));
    button("BitBtn2")->click();
    EXPECT_TRUE(idle());
    EXPECT_EQ(dialogs.dismissed, 1);
    EXPECT_EQ(answer(), "Решение примера остановлено");
}

TEST_F(Form22Test, PauseStillTogglesAfterANormalFinish)
{
    solveAndWait();
    button("BitBtn3")->click();
    EXPECT_EQ(button("BitBtn3")->text(), "Возобновить");
    button("BitBtn3")->click();
    EXPECT_EQ(button("BitBtn3")->text(), "Пауза");
}

TEST_F(Form22Test, MethodsEnableTheirSettings)
{
    QWidget* label5 = label("Label5");
    radio("RadioButton1")->setChecked(true);
    EXPECT_TRUE(trigonometric()->isEnabled());
    EXPECT_TRUE(precision()->isEnabled());
    EXPECT_TRUE(label5->isEnabled());

    trigonometric()->setChecked(true); // with the scan: bounds off, finest step
    EXPECT_FALSE(edit("Edit2")->isEnabled());
    EXPECT_FALSE(edit("Edit3")->isEnabled());
    EXPECT_EQ(precision()->currentIndex(), 5);

    radio("RadioButton2")->setChecked(true);
    EXPECT_FALSE(trigonometric()->isEnabled());
    EXPECT_TRUE(trigonometric()->isChecked()); // keeps its state
    EXPECT_FALSE(precision()->isEnabled());
    EXPECT_FALSE(label5->isEnabled());
    EXPECT_TRUE(edit("Edit2")->isEnabled());
    EXPECT_TRUE(edit("Edit3")->isEnabled());

    radio("RadioButton3")->setChecked(true);
    EXPECT_TRUE(trigonometric()->isEnabled());
    EXPECT_FALSE(precision()->isEnabled());

    radio("RadioButton4")->setChecked(true); // changes nothing else
    EXPECT_TRUE(trigonometric()->isEnabled());
    EXPECT_FALSE(precision()->isEnabled());

    trigonometric()->setChecked(false);
    EXPECT_TRUE(edit("Edit2")->isEnabled());
}

TEST_F(Form22Test, ShowingTheWindowAgainResetsThePrecision)
{
    radio("RadioButton1")->setChecked(true);
    trigonometric()->setChecked(true);
    EXPECT_EQ(precision()->currentIndex(), 5);
    form.hide();
    form.show();
    processEvents();
    EXPECT_EQ(precision()->currentIndex(), 1);
    EXPECT_TRUE(precision()->isEnabled()); // the scan is checked, so the list stays on
}

TEST_F(Form22Test, MouseOverAControlExplainsIt)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Edit2", "Если х меньше этого значения то программа не найдет его"},
        {"Edit3", "Если х больше этого значения то программа не найдет его"},
        {"CheckBox1", "Решение тригонометрических ур-й. Поставьте максимальную точность! (0,00001)"},
        {"RadioButton1", "Маленькая скорость, возможно решение тригонометрических уравнений"},
        {"RadioButton2", "Высокая скорость, не возможно решение тригонометрических уравнений, если корней больше "
                         "одного возможна их потеря"},
        {"RadioButton4", "Высокая скорость, не возможно решение тригонометрических уравнений, если корней больше "
                         "одного возможна их потеря"},
        {"RadioButton3", "Сочетает высокую скорость и высокую точность (оптимальный выбор)"},
        {"Label5", "Больше точность - меньше скорость"},
    };
    radio("RadioButton1")->setChecked(true); // Label5 takes the mouse only when enabled
    for (const auto& [name, text] : rows) {
        QWidget* w = control<QWidget>(form, name);
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        EXPECT_EQ(label("Label7")->text().toStdString(), text) << name;
    }
}

class Form22PlaceTest : public GuiTest {};

TEST_F(Form22PlaceTest, DestroyingTheWindowMidSearchJoinsTheWorker)
{
    for (int i = 0; i < 5; ++i) {
        auto form = std::make_unique<TForm22>(host_.host(), DataFolder{folder()});
        control<QRadioButton>(*form, "RadioButton1")->setChecked(true);
        control<QLineEdit>(*form, "Edit3")->setText("100000");
        control<QPushButton>(*form, "BitBtn1")->click();
        ASSERT_TRUE(waitUntil([&] { return form->state() == TForm22::State::Running; }));
        QThread::msleep(static_cast<unsigned long>(i * 5));
        if (i % 2)
            control<QPushButton>(*form, "BitBtn3")->click(); // paused, too
        form.reset();
        processEvents(); // whatever the worker had posted goes nowhere
    }
}

TEST_F(Form22PlaceTest, PositionComesFromTheSettingsFile)
{
    writeFile("Вычислица.ini", "[position]\r\nf22left=0x10\r\nf22top=77\r\n");
    TForm22 form(host_.host(), DataFolder{folder()});
    EXPECT_EQ(form.pos(), QPoint(16, 77));
}

} // namespace
} // namespace vy::test
