#pragma once
// Systems of three equations in a, b, c and of four in a, b, c, d, solved by
// Cramer's rule: the previews that write the equations out, the solves with
// their answer texts, the protocol of the three-equation solve and where the
// arrow keys lead between the fields.
#include "core/keyfilters.h"

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace vy {

// The field texts row by row: a, b, c and the free term per equation.
using ThreeTexts = std::array<std::array<std::string, 4>, 3>;
// a, b, c, d and the free term per equation.
using FourTexts = std::array<std::array<std::string, 5>, 4>;

// What the preview label shows: the equations, or the hint when a field is
// not a number (converted is false then).
struct SystemPreviewText {
    std::string text;
    bool converted = false;
};

inline constexpr const char* kCommaHint = "Совет: при записи дробного числа используйте запятую";

// " 1a+1b+2c=5" per row, rows joined by a carriage return; a zero coefficient
// leaves its term out, a negative one follows a "-" of its own ("--3b").
SystemPreviewText ThreePreview(const ThreeTexts& texts);
// The same with the a term as the value alone ("2a", "-2a") and a d term.
SystemPreviewText FourPreview(const FourTexts& texts);

struct ThreeSolution {
    bool converted = false; // false: a field is not a number (the hint goes to the preview)
    bool singular = false;  // D = 0: the window says the system has no single solution
    std::string answer;     // "Det= D", then "\ra=", "\rb=", "\rc=" lines
    // The lines this press appends to the protocol (none when a field is not a
    // number or a failure ended the solve).
    std::vector<std::string> protocol;
    // A value beyond the double range ended the solve; answer holds what was
    // shown before it.
    std::exception_ptr failure;
};

ThreeSolution SolveThree(const ThreeTexts& texts);

// The 3 x 3 determinant the four-equation solve expands into (by rows, in
// extended precision): the Math library's Determ in the program.
using Determinant3 = long double (*)(double, double, double, double, double, double, double, double, double);

struct FourSolution {
    // The answer label after the press; empty when the press left it as it was
    // (a coefficient that is not a number, or D beyond the double range).
    std::optional<std::string> answer;
    // What ended the press early: a field that is not a number
    // (ConversionError) or a value beyond the double range (FloatFailure).
    std::exception_ptr failure;
};

// D by expansion along the third row into four 3 x 3 determinants; "Det= 0"
// alone when D is zero, otherwise a root per line.
FourSolution SolveFour(const FourTexts& texts, Determinant3 determinant);

// Where an arrow key leads from a field. Fields are named by their number:
// 1..12 for three unknowns, 13..32 for four.
struct FieldMove {
    enum class Kind { Stay, Field, NextControl };
    Kind kind = Kind::Stay;
    int field = 0;
    bool operator==(const FieldMove&) const = default;

    static FieldMove stay() { return {}; }
    static FieldMove to(int field) { return {Kind::Field, field}; }
    static FieldMove next() { return {Kind::NextControl, 0}; }
};

// Three unknowns: Right goes on in tab order (out of the group after the last
// field), Left back in reading order, Up and Down within the column.
FieldMove ThreeArrowMove(int field, keys::Arrow arrow);
// Four unknowns: to the neighbour in the grid of four rows by five columns,
// nothing past an edge.
FieldMove FourArrowMove(int field, keys::Arrow arrow);

} // namespace vy
