#pragma once
// "Системы из n уравнений": a system of n equations typed into a grid (one row
// per equation, the free term in the last column), solved by Cramer's rule.
// Buttons add or remove an equation with its variable and fill the grid with
// zeros; a preview writes the equations out while the user types. Systems
// larger than kForegroundLimit are solved on a worker with a progress bar and
// a button that cancels.
#include "core/jobrunner.h"
#include "linalg/systemn.h"
#include "platform/qt/busylook.h"
#include "platform/qt/toolwindow.h"

#include <optional>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace vy {

class TForm26 : public ToolWindow {
    Q_OBJECT
public:
    // Up to this many equations the solve takes a few milliseconds at most and
    // runs at once; above it, on the worker.
    static constexpr std::size_t kForegroundLimit = 30;

    TForm26(platform::Host host, DataFolder data, QWidget* parent = nullptr);
    ~TForm26() override;

    void BitBtn1Click(); // "вычислить"
    void BitBtn2Click(); // " ->0<-": every cell "0"
    void BitBtn3Click(); // "+": one more equation and variable
    void BitBtn4Click(); // "-": one fewer, at least two stay
    void CancelClick();  // "Отмена" while a large system is solved
    bool solving() const { return runner_.active(); }

protected:
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    SystemCells cells() const;
    void StringGrid1Change(); // the preview, rebuilt whole
    void showAnswer(const SystemAnswer& answer);
    void reportBadCell(CellPosition cell);
    void setBusy(bool busy);
    // Rows and columns as given, every empty cell "0" (all of them when fill is set).
    void resizeGrid(int rows, int cols, bool fill);

    JobRunner runner_;
    std::optional<platform::BusyLook> busy_; // controls, bar and cancel while a job runs

    QGroupBox* GroupBox1 = nullptr;       // "Система уравнений "
    QGroupBox* GroupBox2 = nullptr;       // "Операции : "
    QGroupBox* GroupBox3 = nullptr;       // "Результат "
    QTableWidget* StringGrid1 = nullptr;  // the augmented matrix
    QLabel* Label2 = nullptr;             // the preview
    QLabel* Label1 = nullptr;             // the answer
    QPushButton* BitBtn1 = nullptr;       // "вычислить"
    QPushButton* BitBtn2 = nullptr;       // " ->0<-"
    QPushButton* BitBtn3 = nullptr;       // "+"
    QPushButton* BitBtn4 = nullptr;       // "-"
    QProgressBar* ProgressBar1 = nullptr; // how far a large solve has got
    QPushButton* BitBtn5 = nullptr;       // "Отмена", while a large solve runs
};

} // namespace vy
