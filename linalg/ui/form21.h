#pragma once
// "Матрицы": one of seven operations on two matrices A and B typed into grids:
// determinant, transpose, sum, difference, both products and the rank, which
// the rank program beside the program computes from a file.
#include "linalg/matrices.h"
#include "platform/qt/toolwindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vy {

class UpDown;

class TForm21 : public ToolWindow {
    Q_OBJECT
public:
    // How long the rank program may take before it counts as hung.
    static constexpr int kRankTimeoutMs = 20000;

    TForm21(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void BitBtn1Click(); // "Применить": the sizes
    void BitBtn2Click(); // "Считать": the chosen operation
    void ComboBox1Change();
    void CheckBox1Click();

    int matrixSize() const { return sizes_.n; }

protected:
    void FormActivate() override;

private:
    void buildControls();
    // The text of grid cell (col, row), counted from 1; a position outside the
    // grid's size holds the "0" every size change leaves there.
    std::string cellText(const QTableWidget* grid, int col, int row) const;
    bool readMatrix(QTableWidget* grid, TMatrix& into, const Report& bad);
    // Runs the rank program on A; false when it gave no answer.
    bool rank();
    void showMatrix();

    MatrixSizes sizes_;
    TMatrix A_, B_, C_;
    double number_ = 0; // the last number answer (determinant or rank)

    QLabel* Label4 = nullptr;              // "Матрица А"
    QLabel* Label5 = nullptr;              // "Матрица В"
    QTableWidget* StringGrid1 = nullptr;   // A
    QTableWidget* StringGrid2 = nullptr;   // B
    QGroupBox* GroupBox1 = nullptr;        // "Ответ: "
    QTableWidget* StringGrid3 = nullptr;   // matrix answers
    QLabel* Label3 = nullptr;              // number answers
    QLabel* Label1 = nullptr;              // "Столбцы:"
    QLineEdit* Edit1 = nullptr;            // n
    UpDown* UpDown1 = nullptr;
    QPushButton* BitBtn1 = nullptr;        // "Применить"
    QCheckBox* CheckBox1 = nullptr;        // "Квадратная матрица"
    QLineEdit* Edit3 = nullptr;            // columns of A
    QLineEdit* Edit2 = nullptr;            // rows of B
    QGroupBox* GroupBox2 = nullptr;        // "Действие"
    QComboBox* ComboBox1 = nullptr;        // the operation
    QLabel* Label2 = nullptr;              // its title
    QPushButton* BitBtn2 = nullptr;        // "Считать"
};

} // namespace vy
