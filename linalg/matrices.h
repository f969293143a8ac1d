#pragma once
// What the matrices window does with its two matrices, apart from showing
// them: the seven operations with their list items and titles, the sizes typed
// for the grids, reading a grid into a matrix, and the reports of its failures.
//
// The window keeps each matrix transposed: element [c][r] holds the grid cell
// in column c and row r. Products therefore take their factors the other way
// round: the product of the stored B and A is the stored A.B as seen.
#include "core/report.h"
#include "linalg/matrix.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace vy {

struct MatrixOperation {
    const char* item;  // the list item
    const char* title; // what the label under the list says
    bool number;       // the answer is a number (determinant, rank), not a matrix
};

inline constexpr int kRankOperation = 6;
// Determinant, transpose, sum, difference, A.B, B.A, rank.
const std::array<MatrixOperation, 7>& MatrixOperations();

// Operations 0 to 5 on the stored matrices: the determinant into number,
// the others into C. The routines' messages go to sink.
void RunMatrixOperation(int index, const TMatrix& A, const TMatrix& B, TMatrix& C, double& number,
                        const MessageSink& sink);

// The number answer as the label shows it: the title, "= " and the number.
std::string NumberAnswer(int index, double number);

// The grid sizes typed: n (Edit1), and in non-square mode the columns of A
// (Edit3) and the rows of B (Edit2). Square mode has both equal to n.
struct MatrixSizes {
    int n = 0;
    int colsA = 0;
    int rowsB = 0;
    bool operator==(const MatrixSizes&) const = default;
};

// Sizes larger than this are refused like texts that are not whole numbers:
// the grids and matrices of a larger size would need more memory than any
// machine has long before the routines' own limit of 65 535.
inline constexpr int kMaxMatrixSize = 100;

// The sizes, or the report for texts that are not whole numbers (or too
// large). A negative n throws RangeFailure; a negative count of columns of A
// or rows of B leaves that grid without cells.
std::variant<MatrixSizes, Report> ReadMatrixSizes(bool square, const std::string& edit1, const std::string& edit2,
                                                  const std::string& edit3);

// A cell position in grid terms, from 1.
struct GridCell {
    int col = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// Reads n x n cells (column by column) into a new matrix stored transposed;
// the first cell that is not a number is returned instead.
std::variant<TMatrix, GridCell> ReadGrid(int n, const std::function<std::string(int col, int row)>& text);

// The reports of a cell that is not a number in A and in B, and of a rank
// program that gave no answer.
Report BadCellInA();
Report BadCellInB();
Report RankFailed();

} // namespace vy
