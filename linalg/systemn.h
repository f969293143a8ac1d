#pragma once
// Systems of n linear equations in n unknowns typed into a grid of texts (the
// augmented matrix: n rows, the free term in the last of n + 1 columns), solved
// by Cramer's rule with determinants of the matrix routines, and the preview
// that writes the equations out while the user types.
#include "core/floatfail.h"
#include "core/report.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vy {

// The name of variable `index`: "a", "b", ... "z", then the characters that
// follow "z" in the Windows-1251 code page up to "я". That is 159 names; past
// them the names repeat with the round's number after them ("a1", "b1", ...).
std::string VariableName(std::size_t index);

// The grid's texts, row-major: n rows of n + 1 cells, column n the free terms.
class SystemCells {
public:
    SystemCells() = default;
    explicit SystemCells(std::size_t n) : n_(n), texts_(n * (n + 1)) {}
    // Rows of texts, each n + 1 long.
    SystemCells(std::initializer_list<std::initializer_list<const char*>> rows);

    std::size_t size() const noexcept { return n_; }
    std::string& at(std::size_t col, std::size_t row) { return texts_[row * (n_ + 1) + col]; }
    const std::string& at(std::size_t col, std::size_t row) const { return texts_[row * (n_ + 1) + col]; }

private:
    std::size_t n_ = 0;
    std::vector<std::string> texts_;
};

// The equations as text: per row its non-zero terms (+2a, +b, --c, --5d: the
// cell's text as typed, after a sign of its own), "=", the free term as typed,
// two spaces and a carriage return. A coefficient that is not a number ends
// the text there.
std::string SystemPreview(const SystemCells& cells);

struct CellPosition {
    std::size_t col = 0;
    std::size_t row = 0;
    bool operator==(const CellPosition&) const = default;
};

struct SystemAnswer {
    // The answer label: "Ответ:" and "  <name>=<root>" per variable, or
    // "Нет решения", or "Ответ:" alone when a cell is not a number or a
    // failure ended the solve.
    std::string text;
    std::vector<double> roots;           // the roots shown, in order
    std::optional<CellPosition> badCell; // the first cell that is not a number
    // A failure that ended the solve early (a determinant or a root beyond the
    // double range); text then holds the roots found before it.
    std::exception_ptr failure;
};

// Called with the fraction of the work done, often during a long solve. It
// may throw to abandon the solve; the exception passes through unchanged.
using SolveProgress = std::function<void(double fraction)>;

// The solve: the coefficients are read column by column (the first cell that
// is not a number is the one reported), then the system's determinant D, then
// the free terms; D = 0 gives "Нет решения"; each root is the determinant with
// that variable's column replaced by the free terms, divided by D in extended
// precision. The results are those of one DetMatrix per determinant; the work
// the determinants have in common is done once.
SystemAnswer SolveSystem(const SystemCells& cells, const SolveProgress& progress = {});

// How a cell that is not a number is reported: a balloon at the cell when the
// user chose balloons, otherwise a box after the critical-stop sound.
Report BadCellReport(bool balloon);

// The same solve with one full DetMatrix per root: the reference the shared
// elimination is checked against.
SystemAnswer SolveSystemPlain(const SystemCells& cells);

} // namespace vy
