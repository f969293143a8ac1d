#include "linalg/systems34.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "linalg/sarrus.h"

namespace vy {

namespace {

// Q in the protocol: a double quote used as a prime mark (a" is "a prime").
constexpr char kPrime = '"';

std::string text(long double v) { return FloatToStr(v); }

// A signed term of a preview: "+" or "-" by the sign (the value still carries
// its own minus), nothing for zero.
std::string signedTerm(double v, const char* name)
{
    if (v > 0)
        return "+" + text(v) + name;
    if (v < 0)
        return "-" + text(v) + name;
    return {};
}

// "=" and the free term, with an extra "-" before a negative one.
std::string freeTerm(double f) { return f >= 0 ? "=" + text(f) : "=-" + text(f); }

template <std::size_t Rows, std::size_t Cols>
std::optional<std::array<std::array<double, Cols>, Rows>>
convertAll(const std::array<std::array<std::string, Cols>, Rows>& texts)
{
    std::array<std::array<double, Cols>, Rows> v{};
    for (std::size_t r = 0; r < Rows; ++r)
        for (std::size_t c = 0; c < Cols; ++c) {
            const std::optional<double> x = TryStrToFloat(texts[r][c]);
            if (!x)
                return std::nullopt;
            v[r][c] = *x;
        }
    return v;
}

template <class Values, class Row>
SystemPreviewText preview(const Values& values, Row&& row)
{
    if (!values)
        return {kCommaHint, false};
    SystemPreviewText p{{}, true};
    for (std::size_t i = 0; i < values->size(); ++i) {
        if (i > 0)
            p.text += '\r';
        p.text += row((*values)[i]);
    }
    return p;
}

sarrus::Columns column(const std::array<std::array<double, 4>, 3>& v, std::size_t a, std::size_t b, std::size_t c)
{
    return {{v[0][a], v[1][a], v[2][a]}, {v[0][b], v[1][b], v[2][b]}, {v[0][c], v[1][c], v[2][c]}};
}

// One determinant line of the protocol: the factors, the six products with the
// signs of the rule (each product still written with its own sign) and the value.
std::string sarrusLine(const std::string& head, const sarrus::Columns& m, double value, bool trailingSpace)
{
    const auto& [a, b, c] = m;
    auto factors = [](double x, double y, double z) { return text(x) + "*" + text(y) + "*" + text(z); };
    std::string line = head + factors(a[0], b[1], c[2]) + "+" + factors(a[1], b[2], c[0]) + "+" +
                       factors(b[0], c[1], a[2]) + "-" + factors(a[2], b[1], c[0]) + "-" +
                       factors(b[2], c[1], a[0]) + "-" + factors(a[1], b[0], c[2]) + "=";
    const auto p = sarrus::products(m);
    line += text(p[0]);
    for (std::size_t i = 1; i < 6; ++i) {
        const bool added = i < 3;
        line += (p[i] >= 0) == added ? "+" : "-";
        line += text(p[i]);
    }
    line += "=" + text(value);
    if (trailingSpace)
        line += ' ';
    return line;
}

// 4 x 4 determinant by expansion along the third row; m[r][c] with c = a, b, c, d.
double expandAlongThirdRow(const std::array<std::array<double, 4>, 4>& m, Determinant3 det3)
{
    auto minor = [&](std::size_t skip) {
        double e[9];
        std::size_t k = 0;
        for (std::size_t r : {0, 1, 3})
            for (std::size_t c = 0; c < 4; ++c)
                if (c != skip)
                    e[k++] = m[r][c];
        return det3(e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[8]);
    };
    const long double m1 = minor(0);
    const long double m2 = minor(1);
    const long double m3 = minor(2);
    const long double m4 = minor(3);
    long double t = m1 * m[2][0];
    t = t - m2 * m[2][1];
    t = t + m3 * m[2][2];
    return checked::toDouble(t - m4 * m[2][3]);
}

double quotient(double numerator, double denominator)
{
    return checked::toDouble(checked::div(numerator, denominator));
}

} // namespace

SystemPreviewText ThreePreview(const ThreeTexts& texts)
{
    return preview(convertAll(texts), [](const std::array<double, 4>& v) {
        std::string row;
        if (v[0] > 0)
            row += " " + text(v[0]) + "a";
        else if (v[0] < 0)
            row += "-" + text(v[0]) + "a";
        return row + signedTerm(v[1], "b") + signedTerm(v[2], "c") + freeTerm(v[3]);
    });
}

SystemPreviewText FourPreview(const FourTexts& texts)
{
    return preview(convertAll(texts), [](const std::array<double, 5>& v) {
        std::string row = v[0] != 0 ? text(v[0]) + "a" : std::string();
        return row + signedTerm(v[1], "b") + signedTerm(v[2], "c") + signedTerm(v[3], "d") + freeTerm(v[4]);
    });
}

ThreeSolution SolveThree(const ThreeTexts& texts)
{
    ThreeSolution s;
    const auto values = convertAll(texts);
    if (!values)
        return s;
    s.converted = true;
    const auto& v = *values;
    try {
        const sarrus::Columns m = column(v, 0, 1, 2);
        const double det = checked::toDouble(sarrus::determinant(m));
        std::vector<std::string> protocol = {
            "",
            "Решение системы уравнений:",
            ThreePreview(texts).text,
            "Вычисление детерминанта:",
            sarrusLine("D=", m, det, true),
            "Вычисление корней ур-й:",
        };
        if (det == 0.0) {
            // No roots are computed in this press, so the protocol stops before them.
            s.singular = true;
            s.protocol = std::move(protocol);
            return s;
        }
        s.answer = "Det= " + text(det);
        const sarrus::Columns replaced[3] = {column(v, 3, 1, 2), column(v, 0, 3, 2), column(v, 0, 1, 3)};
        const char* const names[3] = {"a", "b", "c"};
        double partial[3];
        double roots[3];
        for (int k = 0; k < 3; ++k) {
            partial[k] = checked::toDouble(sarrus::determinant(replaced[k]));
            roots[k] = quotient(partial[k], det);
            s.answer += std::string("\r") + names[k] + "=" + text(roots[k]);
        }
        for (int k = 0; k < 3; ++k)
            protocol.push_back(sarrusLine(std::string(names[k]) + kPrime + "=", replaced[k], partial[k], k < 2));
        for (int k = 0; k < 3; ++k)
            protocol.push_back(std::string(names[k]) + "=" + names[k] + kPrime + "/D=" + text(partial[k]) + "/" +
                               text(det) + "=" + text(roots[k]));
        protocol.push_back("Уравнения решены, корни:  a=" + text(roots[0]) + " b=" + text(roots[1]) +
                           " c=" + text(roots[2]));
        s.protocol = std::move(protocol);
    } catch (const FloatFailure&) {
        s.failure = std::current_exception();
    }
    return s;
}

FourSolution SolveFour(const FourTexts& texts, Determinant3 determinant)
{
    FourSolution s;
    try {
        std::array<std::array<double, 4>, 4> m{};
        for (std::size_t r = 0; r < 4; ++r)
            for (std::size_t c = 0; c < 4; ++c)
                m[r][c] = StrToFloat(texts[r][c]);
        const double det = expandAlongThirdRow(m, determinant);
        s.answer = "Det= " + text(det);
        if (det == 0.0)
            return s;
        const char* const names[4] = {"a=", "b=", "c=", "d="};
        for (std::size_t k = 0; k < 4; ++k) {
            std::array<std::array<double, 4>, 4> replaced = m;
            for (std::size_t r = 0; r < 4; ++r)
                replaced[r][k] = StrToFloat(texts[r][4]);
            *s.answer += std::string("\r") + names[k] + text(quotient(expandAlongThirdRow(replaced, determinant), det));
        }
    } catch (const ConversionError&) {
        s.failure = std::current_exception();
    } catch (const FloatFailure&) {
        s.failure = std::current_exception();
    }
    return s;
}

FieldMove ThreeArrowMove(int field, keys::Arrow arrow)
{
    if (field < 1 || field > 12)
        return FieldMove::stay();
    const int row = (field - 1) / 4;
    switch (arrow) {
    case keys::Arrow::Right:
        return field < 12 ? FieldMove::to(field + 1) : FieldMove::next();
    case keys::Arrow::Left:
        return field > 1 ? FieldMove::to(field - 1) : FieldMove::stay();
    case keys::Arrow::Up:
        return row > 0 ? FieldMove::to(field - 4) : FieldMove::stay();
    case keys::Arrow::Down:
        return row < 2 ? FieldMove::to(field + 4) : FieldMove::stay();
    }
    return FieldMove::stay();
}

FieldMove FourArrowMove(int field, keys::Arrow arrow)
{
    int row = 0;
    int col = 0;
    if (field >= 13 && field <= 28) {
        row = (field - 13) / 4;
        col = (field - 13) % 4;
    } else if (field >= 29 && field <= 32) {
        row = field - 29;
        col = 4;
    } else {
        return FieldMove::stay();
    }
    switch (arrow) {
    case keys::Arrow::Right: ++col; break;
    case keys::Arrow::Left: --col; break;
    case keys::Arrow::Up: --row; break;
    case keys::Arrow::Down: ++row; break;
    }
    if (row < 0 || row > 3 || col < 0 || col > 4)
        return FieldMove::stay();
    return FieldMove::to(col < 4 ? 13 + 4 * row + col : 29 + row);
}

} // namespace vy
