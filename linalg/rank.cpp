#include "linalg/rank.h"

#include "core/cp1251.h"
#include "core/floatfail.h"
#include "core/numtext.h"
#include "linalg/elimination.h"

#include <algorithm>

namespace vy {

namespace {

// Lines ended by CR LF or LF; a last line without an ending counts too.
std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

int MatrixRank(const std::vector<std::vector<double>>& rows)
{
    std::size_t cols = 0;
    for (const auto& row : rows)
        cols = std::max(cols, row.size());
    elim::Buffer w(rows.size(), cols);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            w.at(i, j) = static_cast<double>(checked::check(rows[i][j]));

    int rank = 0;
    std::size_t pivotRow = 0;
    for (std::size_t col = 0; col < cols && pivotRow < w.rows; ++col) {
        if (elim::exchangeForPivot(w, pivotRow, col, w.rows) == elim::Pivot::ZeroColumn)
            continue;
        if (!elim::reduceRows(w, pivotRow, col, w.rows, elim::reciprocal(w.at(pivotRow, col))))
            throw FloatFailure(FloatFailure::Kind::Overflow);
        ++rank;
        ++pivotRow;
    }
    return rank;
}

std::string RankInputBytes(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0)
                text += ';';
            text += row[j];
        }
        text += "\r\n";
    }
    return cp1251::fromUtf8(text);
}

std::vector<std::vector<double>> ParseRankInput(std::string_view bytes)
{
    std::vector<std::vector<double>> rows;
    for (std::string_view line : splitLines(bytes)) {
        if (line.empty())
            continue;
        std::vector<double>& row = rows.emplace_back();
        for (;;) {
            const std::size_t end = line.find(';');
            row.push_back(StrToFloat(cp1251::toUtf8(line.substr(0, end))));
            if (end == std::string_view::npos)
                break;
            line.remove_prefix(end + 1);
        }
    }
    return rows;
}

std::string RankAnswerBytes(int rank) { return std::to_string(rank) + "\r\n"; }

bool LastAnswerLine(std::string_view bytes, double& value)
{
    const std::vector<std::string_view> lines = splitLines(bytes);
    for (std::string_view line : lines)
        value = StrToFloat(cp1251::toUtf8(line));
    return !lines.empty();
}

} // namespace vy
