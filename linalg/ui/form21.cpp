#include "linalg/ui/form21.h"

#include "core/filefail.h"
#include "core/numtext.h"
#include "linalg/rank.h"
#include "platform/qt/presenter.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <cerrno>
#include <fstream>

namespace vy {

// Two small arrow buttons that step the whole number of the field beside them
// within a range, starting from whatever number the field holds.
class UpDown : public QWidget {
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, int position, QWidget* parent)
        : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), position_(position)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (const auto& [arrow, step] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
            auto* button = new QToolButton(this);
            button->setArrowType(arrow);
            button->setAutoRepeat(true);
            button->setFocusPolicy(Qt::NoFocus);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            layout->addWidget(button);
            connect(button, &QToolButton::clicked, this, [this, s = step] { stepBy(s); });
        }
    }

    int position() const { return position_; }

    void stepBy(int step)
    {
        try {
            position_ = std::clamp(static_cast<int>(StrToInt(buddy_->text().toStdString())), minimum_, maximum_);
        } catch (const ConversionError&) {
            // not a whole number: step from the last position
        }
        position_ = std::clamp(position_ + step, minimum_, maximum_);
        buddy_->setText(QString::number(position_));
    }

private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
    int position_;
};

namespace {

constexpr int kCellWidth = 40;
constexpr int kCellHeight = 20;

QTableWidget* grid(QWidget* parent, const char* name, QRect geometry, bool editable)
{
    auto* g = place<QTableWidget>(parent, name, geometry);
    g->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    g->horizontalHeader()->setMinimumSectionSize(kCellWidth / 2);
    g->verticalHeader()->setDefaultSectionSize(kCellHeight);
    g->verticalHeader()->setMinimumSectionSize(kCellHeight);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    if (!editable)
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return g;
}

// Rows and columns of cells, each "0", headers numbered from 1.
void resetGrid(QTableWidget* g, int rows, int cols)
{
    g->clearContents();
    g->setRowCount(rows);
    g->setColumnCount(cols);
    QStringList numbers;
    for (int i = 1; i <= std::max(rows, cols); ++i)
        numbers << QString::number(i);
    g->setHorizontalHeaderLabels(numbers.mid(0, cols));
    g->setVerticalHeaderLabels(numbers.mid(0, rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g->setItem(r, c, new QTableWidgetItem(QStringLiteral("0")));
}

std::string fileBytes(const std::string& path, bool& readable)
{
    std::ifstream in(path, std::ios::binary);
    readable = static_cast<bool>(in);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TForm21::TForm21(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data), {"TForm21", QStringLiteral("Матрицы"), QSize(381, 413), &ini::kPlaceForm21},
                 parent)
{
    buildControls();
    // FormCreate: the first operation, and the designed sizes applied once.
    ComboBox1->setCurrentIndex(0);
    guarded([this] {
        ComboBox1Change();
        BitBtn1Click();
    });
}

void TForm21::buildControls()
{
    Label4 = place<QLabel>(this, "Label4", {8, 4, 180, 16}, QStringLiteral("Матрица А"));
    StringGrid1 = grid(this, "StringGrid1", {8, 20, 180, 130}, true);
    Label5 = place<QLabel>(this, "Label5", {196, 4, 177, 16}, QStringLiteral("Матрица В"));
    StringGrid2 = grid(this, "StringGrid2", {196, 20, 177, 130}, true);

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 154, 365, 142}, QStringLiteral("Ответ: "));
    StringGrid3 = grid(GroupBox1, "StringGrid3", {8, 18, 349, 116}, false);
    Label3 = place<QLabel>(GroupBox1, "Label3", {8, 18, 349, 116});
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->hide();

    Label1 = place<QLabel>(this, "Label1", {8, 304, 60, 20}, QStringLiteral("Столбцы:"));
    Edit1 = place<QLineEdit>(this, "Edit1", {70, 302, 40, 22}, QStringLiteral("3"));
    UpDown1 = place<UpDown>(this, "UpDown1", {110, 302, 16, 22}, Edit1, 0, 100, 3);
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {136, 300, 100, 26}, QStringLiteral("Применить"));

    CheckBox1 = place<QCheckBox>(this, "CheckBox1", {8, 330, 172, 20}, QStringLiteral("Квадратная матрица"));
    CheckBox1->setChecked(true);
    Edit3 = place<QLineEdit>(this, "Edit3", {182, 330, 92, 22}, QStringLiteral("Столбцы А"));
    Edit2 = place<QLineEdit>(this, "Edit2", {280, 330, 93, 22}, QStringLiteral("Строки В"));
    Edit3->setEnabled(false);
    Edit2->setEnabled(false);

    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {8, 356, 262, 54}, QStringLiteral("Действие"));
    ComboBox1 = place<QComboBox>(GroupBox2, "ComboBox1", {8, 16, 246, 20});
    ComboBox1->setEditable(false);
    for (const MatrixOperation& op : MatrixOperations())
        ComboBox1->addItem(QString::fromUtf8(op.item));
    Label2 = place<QLabel>(GroupBox2, "Label2", {8, 36, 246, 16});
    BitBtn2 = place<QPushButton>(this, "BitBtn2", {278, 370, 95, 32}, QStringLiteral("Считать"));

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm21::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm21::BitBtn2Click);
    connectGuarded(ComboBox1, &QComboBox::currentIndexChanged, &TForm21::ComboBox1Change);
    connectGuarded(CheckBox1, &QCheckBox::toggled, &TForm21::CheckBox1Click);
}

void TForm21::FormActivate()
{
    // The header cells take the window's colour.
    for (QTableWidget* g : {StringGrid1, StringGrid2, StringGrid3}) {
        for (QHeaderView* header : {g->horizontalHeader(), g->verticalHeader()}) {
            QPalette p = header->palette();
            p.setColor(QPalette::Button, palette().color(QPalette::Window));
            header->setPalette(p);
        }
    }
}

void TForm21::ComboBox1Change()
{
    const int index = ComboBox1->currentIndex();
    if (index >= 0)
        Label2->setText(QString::fromUtf8(MatrixOperations()[static_cast<std::size_t>(index)].title));
}

void TForm21::CheckBox1Click()
{
    const bool square = CheckBox1->isChecked();
    Edit2->setEnabled(!square);
    Edit3->setEnabled(!square);
}

void TForm21::BitBtn1Click()
{
    const auto read = ReadMatrixSizes(CheckBox1->isChecked(), Edit1->text().toStdString(),
                                      Edit2->text().toStdString(), Edit3->text().toStdString());
    if (const Report* refusal = std::get_if<Report>(&read)) {
        report(*refusal);
        if (CheckBox1->isChecked())
            Edit1->setFocus();
        return;
    }
    sizes_ = std::get<MatrixSizes>(read);
    // A is n x colsA and B rowsB x n as seen; the answer grid n x n.
    resetGrid(StringGrid1, sizes_.n, sizes_.colsA);
    resetGrid(StringGrid2, sizes_.rowsB, sizes_.n);
    resetGrid(StringGrid3, sizes_.n, sizes_.n);
    A_ = TMatrix(static_cast<std::size_t>(sizes_.n), static_cast<std::size_t>(sizes_.n));
    B_ = TMatrix(static_cast<std::size_t>(sizes_.n), static_cast<std::size_t>(sizes_.n));
    C_ = TMatrix(static_cast<std::size_t>(sizes_.n), static_cast<std::size_t>(sizes_.n));
}

std::string TForm21::cellText(const QTableWidget* g, int col, int row) const
{
    if (col > g->columnCount() || row > g->rowCount())
        return "0";
    const QTableWidgetItem* item = g->item(row - 1, col - 1);
    return item ? item->text().toStdString() : std::string();
}

bool TForm21::readMatrix(QTableWidget* g, TMatrix& into, const Report& bad)
{
    auto read = ReadGrid(sizes_.n, [&](int c, int r) { return cellText(g, c, r); });
    if (const GridCell* cell = std::get_if<GridCell>(&read)) {
        g->setCurrentCell(cell->row - 1, cell->col - 1);
        report(bad);
        return false;
    }
    into = std::get<TMatrix>(read);
    return true;
}

void TForm21::BitBtn2Click()
{
    // B is read for every operation, so a bad cell of B stops even a determinant.
    if (!readMatrix(StringGrid1, A_, BadCellInA()) || !readMatrix(StringGrid2, B_, BadCellInB()))
        return;
    const int index = ComboBox1->currentIndex();
    if (index == kRankOperation) {
        if (!rank())
            return;
    } else {
        RunMatrixOperation(index, A_, B_, C_, number_, [this](const std::string& text) { report(plainReport(text)); });
    }
    if (MatrixOperations()[static_cast<std::size_t>(index)].number) {
        Label3->setText(platform::messageText(NumberAnswer(index, number_)));
        StringGrid3->hide();
        Label3->show();
        return;
    }
    showMatrix();
    if (CheckBox1->isChecked())
        return;
    // B.A is rowsB x colsA as seen; A.B is n x n.
    if (index == 5) {
        StringGrid3->setRowCount(StringGrid2->rowCount());
        StringGrid3->setColumnCount(StringGrid1->columnCount());
    } else if (index == 4) {
        StringGrid3->setRowCount(StringGrid1->rowCount());
        StringGrid3->setColumnCount(StringGrid2->columnCount());
        showMatrix(); // the cells that were out of sight
    }
}

void TForm21::showMatrix()
{
    const int rows = std::min(StringGrid3->rowCount(), sizes_.n);
    const int cols = std::min(StringGrid3->columnCount(), sizes_.n);
    for (int c = 1; c <= cols; ++c) {
        for (int r = 1; r <= rows; ++r) {
            const auto i = static_cast<std::size_t>(c - 1);
            const auto j = static_cast<std::size_t>(r - 1);
            const bool inside = i < C_.rows() && j < C_[i].size();
            StringGrid3->setItem(r - 1, c - 1,
                                 new QTableWidgetItem(inside ? QString::fromStdString(FloatToStr(C_[i][j])) : QString()));
        }
    }
    Label3->hide();
    StringGrid3->show();
}

bool TForm21::rank()
{
    const std::string folder = data().folder;
    const std::string programFolder = host().environment.programFolder();
    const std::string input = folder + kRankInputFile;
    const std::string answer = folder + kRankAnswerFile;

    // A as seen, row by row, with the texts as typed.
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(sizes_.n));
    for (int r = 1; r <= sizes_.n; ++r)
        for (int c = 1; c <= sizes_.n; ++c)
            rows[static_cast<std::size_t>(r - 1)].push_back(cellText(StringGrid1, c, r));
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out << RankInputBytes(rows);
        if (!out.flush())
            throw FileFailure(errno, input);
    }

    // An answer left by an earlier run must never pass for this one's.
    QFile::remove(QString::fromStdString(answer));
    const std::string program = programFolder + "matrix";
    QGuiApplication::clipboard()->setText(QString::fromStdString("\"" + program + "\" "));
    // The program reads beside itself; where the files live elsewhere it is told.
    std::vector<std::string> args;
    if (folder != programFolder)
        args.push_back(folder);
    const auto run = host().environment.runAndWait(program, args, programFolder, kRankTimeoutMs);
    QThread::msleep(50);

    bool readable = false;
    const std::string bytes =
        run == platform::Environment::RunResult::TimedOut ? std::string() : fileBytes(answer, readable);
    if (!readable) {
        report(RankFailed());
        return false;
    }
    LastAnswerLine(bytes, number_); // a line that is not a number leaves both files for a look
    QFile::remove(QString::fromStdString(input));
    QFile::remove(QString::fromStdString(answer));
    return true;
}

} // namespace vy
