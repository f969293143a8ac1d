#include "linalg/ui/form26.h"

#include "platform/qt/jobpost.h"
#include "platform/qt/presenter.h"
#include "platform/qt/report.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace vy {

namespace {

constexpr int kCellWidth = 30;
constexpr int kCellHeight = 20;

// Hands every keystroke of a cell's editor to the grid at once, so that the
// preview follows the typing and not only the end of an edit.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveCellDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

// A label that shows long texts in full: it grows with its text inside a
// scrolling area that fills geometry.
QLabel* scrolledLabel(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* area = new QScrollArea(parent);
    area->setGeometry(geometry);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    area->setWidget(label);
    return label;
}

} // namespace

TForm26::TForm26(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm26", QStringLiteral("Системы из n уравнений"), QSize(593, 303), &ini::kPlaceForm26}, parent),
      runner_(platform::postTo(this))
{
    buildControls();
    // FormCreate: the designed three equations, every cell "0".
    resizeGrid(3, 4, true);
}

TForm26::~TForm26() { runner_.cancel(); }

void TForm26::buildControls()
{
    StringGrid1 = place<QTableWidget>(this, "StringGrid1", {8, 8, 330, 206});
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(kCellWidth);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kCellHeight);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kCellHeight);
    StringGrid1->setItemDelegate(new LiveCellDelegate(StringGrid1));
    StringGrid1->installEventFilter(this);

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {346, 4, 239, 210}, QStringLiteral("Система уравнений "));
    Label2 = scrolledLabel(GroupBox1, "Label2", {6, 18, 227, 186}, QStringLiteral("<- Введите числа"));

    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {8, 218, 330, 78}, QStringLiteral("Операции : "));
    BitBtn1 = place<QPushButton>(GroupBox2, "BitBtn1", {8, 20, 110, 26}, QStringLiteral("вычислить"));
    BitBtn1->setToolTip(QStringLiteral("Вычислить корни уравнений"));
    BitBtn2 = place<QPushButton>(GroupBox2, "BitBtn2", {124, 20, 70, 26}, QStringLiteral(" ->0<-"));
    BitBtn2->setToolTip(QStringLiteral("Заполнить ячейки нулями"));
    BitBtn3 = place<QPushButton>(GroupBox2, "BitBtn3", {200, 20, 58, 26}, QStringLiteral("+"));
    BitBtn3->setToolTip(QStringLiteral("Увеличить количество ячеек"));
    BitBtn4 = place<QPushButton>(GroupBox2, "BitBtn4", {264, 20, 58, 26}, QStringLiteral("-"));
    BitBtn4->setToolTip(QStringLiteral("Уменьшить количество ячеек"));
    ProgressBar1 = place<QProgressBar>(GroupBox2, "ProgressBar1", {8, 52, 226, 18});
    BitBtn5 = place<QPushButton>(GroupBox2, "BitBtn5", {240, 48, 82, 24}, QStringLiteral("Отмена"));
    BitBtn5->setToolTip(QStringLiteral("Прервать вычисление"));
    busy_.emplace(*this, std::initializer_list<QWidget*>{BitBtn1, BitBtn2, BitBtn3, BitBtn4}, ProgressBar1,
                  std::initializer_list<QWidget*>{BitBtn5});

    GroupBox3 = place<QGroupBox>(this, "GroupBox3", {346, 218, 239, 78}, QStringLiteral("Результат "));
    Label1 = scrolledLabel(GroupBox3, "Label1", {6, 18, 227, 54}, QString());
    Label1->setWordWrap(true);

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm26::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm26::BitBtn2Click);
    connectGuarded(BitBtn3, &QPushButton::clicked, &TForm26::BitBtn3Click);
    connectGuarded(BitBtn4, &QPushButton::clicked, &TForm26::BitBtn4Click);
    connectGuarded(BitBtn5, &QPushButton::clicked, &TForm26::CancelClick);
    connectGuarded(StringGrid1, &QTableWidget::itemChanged, &TForm26::StringGrid1Change);
}

void TForm26::resizeGrid(int rows, int cols, bool fill)
{
    // One change of the preview for the whole operation, not one per cell.
    {
        const QSignalBlocker quiet(StringGrid1);
        StringGrid1->setRowCount(rows);
        StringGrid1->setColumnCount(cols);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                QTableWidgetItem* item = StringGrid1->item(r, c);
                if (item == nullptr)
                    StringGrid1->setItem(r, c, new QTableWidgetItem(QStringLiteral("0")));
                else if (fill || item->text().isEmpty())
                    item->setText(QStringLiteral("0"));
            }
        }
    }
    StringGrid1->viewport()->update();
}

SystemCells TForm26::cells() const
{
    const auto n = static_cast<std::size_t>(StringGrid1->rowCount());
    SystemCells cells(n);
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c <= n; ++c) {
            const QTableWidgetItem* item = StringGrid1->item(static_cast<int>(r), static_cast<int>(c));
            cells.at(c, r) = item ? item->text().toStdString() : std::string();
        }
    }
    return cells;
}

void TForm26::StringGrid1Change() { Label2->setText(platform::messageText(SystemPreview(cells()))); }

bool TForm26::eventFilter(QObject* watched, QEvent* event)
{
    // Every key let go in the grid shows the equations as they now stand.
    if (watched == StringGrid1 && event->type() == QEvent::KeyRelease)
        guarded([this] { StringGrid1Change(); });
    return ToolWindow::eventFilter(watched, event);
}

void TForm26::BitBtn1Click()
{
    if (runner_.active())
        return;
    Label1->setText(QStringLiteral("Ответ:"));
    SystemCells system = cells();
    if (system.size() <= kForegroundLimit) {
        showAnswer(SolveSystem(system));
        return;
    }
    auto answer = std::make_shared<SystemAnswer>();
    setBusy(true);
    runner_.start(
        [system = std::move(system), answer](JobControl& control) {
            *answer = SolveSystem(system, [&control](double done) {
                control.progress(done);
                control.checkpoint();
            });
        },
        {.progress = [this](double done) { busy_->progress(done); },
         .finished =
             [this, answer](std::exception_ptr failure) {
                 setBusy(false);
                 guarded([&] {
                     if (failure)
                         std::rethrow_exception(failure);
                     showAnswer(*answer);
                 });
             }});
}

void TForm26::showAnswer(const SystemAnswer& answer)
{
    Label1->setText(platform::messageText(answer.text));
    if (answer.badCell)
        reportBadCell(*answer.badCell);
    if (answer.failure)
        std::rethrow_exception(answer.failure);
}

void TForm26::reportBadCell(CellPosition cell)
{
    QTableWidgetItem* item = StringGrid1->item(static_cast<int>(cell.row), static_cast<int>(cell.col));
    QPoint stem = mapToGlobal(QPoint(0, 0));
    if (item != nullptr) {
        StringGrid1->setCurrentItem(item);
        StringGrid1->scrollToItem(item);
        // Just below the left part of the cell, as for a field.
        const QRect rect = StringGrid1->visualItemRect(item);
        stem = StringGrid1->viewport()->mapToGlobal(QPoint(rect.left() + 10, rect.bottom()));
    }
    platform::presentAt(host(), BadCellReport(balloonWanted()), this, {stem.x(), stem.y()});
}

void TForm26::BitBtn2Click() { resizeGrid(StringGrid1->rowCount(), StringGrid1->columnCount(), true); }

void TForm26::BitBtn3Click()
{
    // The former free-term column becomes the new variable's coefficients and
    // the new last column holds the free terms ("0" until typed).
    resizeGrid(StringGrid1->rowCount() + 1, StringGrid1->columnCount() + 1, false);
    StringGrid1Change();
}

void TForm26::BitBtn4Click()
{
    if (StringGrid1->rowCount() < 3)
        return;
    resizeGrid(StringGrid1->rowCount() - 1, StringGrid1->columnCount() - 1, false);
    StringGrid1Change();
}

void TForm26::CancelClick()
{
    if (!runner_.active())
        return;
    runner_.cancel();
    setBusy(false);
}

void TForm26::setBusy(bool busy) { busy_->show(busy); }

void TForm26::FormClose() { CancelClick(); }

} // namespace vy
