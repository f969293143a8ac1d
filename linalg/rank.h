#pragma once
// The rank of a matrix and the two files through which the matrices window and
// the rank program exchange it: "m.txt" (the matrix, a line per row, the cells
// joined by ";" as typed, with the decimal comma) and "m1.txt" (a number per
// line, the last one being the rank). Both are Windows-1251 with CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace vy {

inline constexpr const char* kRankInputFile = "m.txt";
inline constexpr const char* kRankAnswerFile = "m1.txt";

// The rank by elimination with the determinant's rules: a pivot is exchanged
// only when it is exactly zero (with the first row below that has a non-zero
// element), a column without one adds nothing, and reduced elements below
// 1e-10 of their former value count as zero. Rows shorter than the longest
// are taken as padded with zeros. Throws FloatFailure when a value leaves the
// double range.
int MatrixRank(const std::vector<std::vector<double>>& rows);

// The bytes of "m.txt" for rows of cell texts (UTF-8 here).
std::string RankInputBytes(const std::vector<std::vector<std::string>>& rows);
// The matrix in the bytes of "m.txt": empty lines are skipped, a cell that is
// not a number throws ConversionError.
std::vector<std::vector<double>> ParseRankInput(std::string_view bytes);

// The bytes of "m1.txt" for a rank.
std::string RankAnswerBytes(int rank);
// The value of the last line of "m1.txt", converted like every line before
// it (a line that is not a number throws ConversionError); false when the
// file has no line at all.
bool LastAnswerLine(std::string_view bytes, double& value);

} // namespace vy
