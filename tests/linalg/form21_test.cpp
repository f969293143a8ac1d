#include "linalg/ui/form21.h"

#include "platform/qt/presenter.h"
#include "tests/support/windowtest.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>

namespace vy::test {
namespace {

using Outcome = platform::Environment::RunResult;

class Form21Test : public GuiTest {
protected:
    Form21Test()
    {
        form.show();
        processEvents();
    }

    QTableWidget* grid(int n) { return control<QTableWidget>(form, ("StringGrid" + std::to_string(n)).c_str()); }
    // Cell (col, row) from 1, as the grid's fixed headers count.
    void set(int g, int col, int row, const char* text) { grid(g)->item(row - 1, col - 1)->setText(text); }
    std::vector<std::vector<std::string>> seen(int g)
    {
        std::vector<std::vector<std::string>> rows(grid(g)->rowCount());
        for (int r = 0; r < grid(g)->rowCount(); ++r)
            for (int c = 0; c < grid(g)->columnCount(); ++c)
                rows[r].push_back(grid(g)->item(r, c) ? grid(g)->item(r, c)->text().toStdString() : "");
        return rows;
    }
    std::string answer() { return control<QLabel>(form, "Label3")->text().toStdString(); }
    void edit(const char* name, const char* text) { control<QLineEdit>(form, name)->setText(text); }
    void apply() { control<QPushButton>(form, "BitBtn1")->click(); }
    void compute(int operation)
    {
        control<QComboBox>(form, "ComboBox1")->setCurrentIndex(operation);
        control<QPushButton>(form, "BitBtn2")->click();
    }
    void typeSquare(int g, const std::vector<std::vector<const char*>>& rows)
    {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                set(g, static_cast<int>(c + 1), static_cast<int>(r + 1), rows[r][c]);
    }

    TForm21 form{host_.host(), DataFolder{folder()}};
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(Form21Test, OpensWithThreeByThreeZerosAndTheDeterminant)
{
    EXPECT_EQ(form.windowTitle(), "Матрицы");
    EXPECT_EQ(form.size(), QSize(381, 413));
    const Rows zeros(3, std::vector<std::string>(3, "0"));
    for (int g = 1; g <= 3; ++g) {
        EXPECT_EQ(seen(g), zeros);
        EXPECT_EQ(grid(g)->horizontalHeaderItem(2)->text(), "3");
        EXPECT_EQ(grid(g)->verticalHeaderItem(0)->text(), "1");
    }
    EXPECT_EQ(itemsOf(*control<QComboBox>(form, "ComboBox1")),
              QStringList({"Определитель А ", "Транспонирование А ", "А + В ", "А - В ", "А х В ", "B х A ", "Ранг А"}));
    EXPECT_EQ(control<QLabel>(form, "Label2")->text(), "Определитель матрицы А");
    EXPECT_FALSE(control<QLineEdit>(form, "Edit2")->isEnabled());
    EXPECT_EQ(control<QLineEdit>(form, "Edit3")->text(), "Столбцы А");
    compute(0);
    EXPECT_EQ(answer(), "Определитель матрицы А= 0");
    EXPECT_TRUE(control<QLabel>(form, "Label3")->isVisible());
    EXPECT_FALSE(grid(3)->isVisible());
    control<QComboBox>(form, "ComboBox1")->setCurrentIndex(5);
    EXPECT_EQ(control<QLabel>(form, "Label2")->text(), "Произведение матриц B и A");
    EXPECT_EQ(answer(), "Определитель матрицы А= 0") << "choosing an operation leaves the answer";
}

TEST_F(Form21Test, TwoByTwoOperationsShowTheMatricesAsSeen)
{
    edit("Edit1", "2");
    apply();
    typeSquare(1, {{"1", "2"}, {"3", "4"}});
    typeSquare(2, {{"0", "1"}, {"1", "0"}});
    compute(0);
    EXPECT_EQ(answer(), "Определитель матрицы А= -2");
    const struct {
        int operation;
        Rows shown;
    } cases[] = {
        {1, {{"1", "3"}, {"2", "4"}}},
        {2, {{"1", "3"}, {"4", "4"}}},
        {3, {{"1", "1"}, {"2", "4"}}},
        {4, {{"2", "1"}, {"4", "3"}}}, // A x B
        {5, {{"3", "4"}, {"1", "2"}}}, // B x A
    };
    for (const auto& c : cases) {
        compute(c.operation);
        EXPECT_EQ(seen(3), c.shown) << c.operation;
        EXPECT_TRUE(grid(3)->isVisible());
    }
    set(1, 1, 1, "0,5");
    compute(0);
    EXPECT_EQ(answer(), "Определитель матрицы А= -4");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form21Test, CellThatIsNotANumberStopsTheComputationAndIsSelected)
{
    compute(0);
    set(2, 3, 2, "x");
    compute(0);
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Box);
    EXPECT_EQ(host_.presenter.shown[0].text, "Неверный формат числа");
    EXPECT_EQ(host_.presenter.shown[0].caption, "Исправьте ошибку в матрице В");
    EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Error);
    EXPECT_EQ(grid(2)->currentRow(), 1);
    EXPECT_EQ(grid(2)->currentColumn(), 2);
    set(1, 1, 3, "");
    compute(0);
    ASSERT_EQ(host_.presenter.shown.size(), 2u);
    EXPECT_EQ(host_.presenter.shown[1].kind, Shown::Kind::Plain);
    EXPECT_EQ(host_.presenter.shown[1].text, "Неверный формат числа,\rИсправьте ошибку в матрице А");
    EXPECT_EQ(grid(1)->currentRow(), 2);
    EXPECT_EQ(grid(1)->currentColumn(), 0);
}

TEST_F(Form21Test, NonSquareMatricesArePaddedWithZeros)
{
    control<QCheckBox>(form, "CheckBox1")->setChecked(false);
    EXPECT_TRUE(control<QLineEdit>(form, "Edit2")->isEnabled());
    apply(); // the designed words are not numbers
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].text, "Параметры матрицы заданы неверно");
    EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Warning);
    EXPECT_EQ(host_.journal.front(), "sound:criticalStop");

    edit("Edit1", "3"), edit("Edit3", "2"), edit("Edit2", "2");
    apply();
    EXPECT_EQ(grid(1)->rowCount(), 3); // A is 3 x 2
    EXPECT_EQ(grid(1)->columnCount(), 2);
    EXPECT_EQ(grid(2)->rowCount(), 2); // B is 2 x 3
    EXPECT_EQ(grid(2)->columnCount(), 3);
    typeSquare(1, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
    typeSquare(2, {{"1", "0", "1"}, {"0", "1", "1"}});
    compute(4);
    EXPECT_EQ(seen(3), (Rows{{"1", "2", "3"}, {"3", "4", "7"}, {"5", "6", "11"}}));
    compute(5);
    EXPECT_EQ(seen(3), (Rows{{"6", "8"}, {"8", "10"}}));
    compute(4);
    EXPECT_EQ(seen(3).size(), 3u) << "A x B gives the grid its n x n back";
    EXPECT_EQ(seen(3)[2][2], "11");
}

TEST_F(Form21Test, SizesThatAreNotWholeNumbersOrTooLargeAreRefused)
{
    for (const char* text : {"x", "101", "65535"}) {
        host_.presenter.shown.clear();
        edit("Edit1", text);
        apply();
        ASSERT_EQ(host_.presenter.shown.size(), 1u) << text;
        EXPECT_EQ(host_.presenter.shown[0].text, "Количетво столбцов неверно");
        EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Information);
        EXPECT_EQ(grid(1)->rowCount(), 3);
    }
    host_.presenter.shown.clear();
    edit("Edit1", "-1");
    apply();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "Range check error.");
    EXPECT_EQ(form.matrixSize(), 3) << "the sizes stay";

    edit("Edit1", "0");
    apply();
    compute(0);
    EXPECT_EQ(host_.presenter.shown.back().text, "Функция DetMatrix :\rHe задана матрица");
    EXPECT_EQ(answer(), "Определитель матрицы А= 0");
}

TEST_F(Form21Test, RankThroughTheFiles)
{
    edit("Edit1", "2");
    apply();
    typeSquare(1, {{"1", "2"}, {"2", "4,5"}});
    std::string input;
    host_.environment.run = [&](const Launch& l) {
        input = readFile("m.txt");
        EXPECT_TRUE(l.args.empty()) << "the files lie beside the program";
        EXPECT_EQ(l.folder, folder());
        writeFile("m1.txt", "2\r\n");
        return Outcome::Ended;
    };
    compute(6);
    EXPECT_EQ(input, "1;2\r\n2;4,5\r\n");
    ASSERT_EQ(host_.environment.launches.size(), 1u);
    EXPECT_EQ(host_.environment.launches[0].program, folder() + "matrix");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "\"" + folder() + "matrix\" ");
    EXPECT_EQ(answer(), "Ранг матрицы A= 2");
    EXPECT_FALSE(exists("m.txt"));
    EXPECT_FALSE(exists("m1.txt"));

    // an answer file without a line shows the number before again
    host_.environment.run = [&](const Launch&) {
        writeFile("m1.txt", "");
        return Outcome::Ended;
    };
    compute(6);
    EXPECT_EQ(answer(), "Ранг матрицы A= 2");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form21Test, RankWithoutAnAnswerShowsTheErrorAndKeepsTheInput)
{
    compute(0);
    writeFile("m1.txt", "3\r\n"); // left over from before: never taken for this run's answer
    for (Outcome outcome : {Outcome::NotStarted, Outcome::TimedOut}) {
        host_.presenter.shown.clear();
        host_.environment.run = [&](const Launch& l) {
            EXPECT_EQ(l.timeoutMs, TForm21::kRankTimeoutMs);
            if (outcome == Outcome::TimedOut)
                writeFile("m1.txt", "1\r\n"); // written, but too late to count
            return outcome;
        };
        compute(6);
        ASSERT_EQ(host_.presenter.shown.size(), 1u);
        EXPECT_EQ(host_.presenter.shown[0].text, "Ошибка");
        EXPECT_EQ(host_.presenter.shown[0].caption, "Error");
        EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Error);
        EXPECT_TRUE(exists("m.txt"));
        EXPECT_EQ(answer(), "Определитель матрицы А= 0");
    }
}

TEST_F(Form21Test, RankProgramBesideTheProgram)
{
    std::filesystem::copy_file(VY_MATRIX_PROGRAM, path("matrix"));
    host_.environment.run = [](const Launch& l) {
        return platform::runProgramAndWait(QString::fromStdString(l.program), l.args, l.folder, l.timeoutMs);
    };
    typeSquare(1, {{"1", "2", "3"}, {"2", "4", "6"}, {"1", "0", "1"}});
    compute(6);
    EXPECT_EQ(answer(), "Ранг матрицы A= 2");
    EXPECT_FALSE(exists("m.txt"));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
