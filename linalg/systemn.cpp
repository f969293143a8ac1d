#include "linalg/systemn.h"

#include "core/cp1251.h"
#include "core/numtext.h"
#include "linalg/elimination.h"

#include <limits>

namespace vy {

namespace {

constexpr std::size_t kFirstNameCode = 97; // "a"
constexpr std::size_t kNamesPerRound = 256 - kFirstNameCode;

const char* const kAnswerHead = "Ответ:";
const char* const kNoSolution = "Нет решения";

// The coefficients read column by column into the rows of w (row c holds the
// coefficients of variable c, so w is the coefficient block transposed), then
// the free terms into row n. The first cell that is not a number is reported.
std::optional<CellPosition> readCoefficients(const SystemCells& cells, elim::Buffer& w)
{
    const std::size_t n = cells.size();
    for (std::size_t c = 0; c < n; ++c) {
        for (std::size_t r = 0; r < n; ++r) {
            const std::optional<double> v = TryStrToFloat(cells.at(c, r));
            if (!v)
                return CellPosition{c, r};
            w.at(c, r) = *v;
        }
    }
    return std::nullopt;
}

std::optional<CellPosition> readFreeTerms(const SystemCells& cells, double* f)
{
    const std::size_t n = cells.size();
    for (std::size_t r = 0; r < n; ++r) {
        const std::optional<double> v = TryStrToFloat(cells.at(n, r));
        if (!v)
            return CellPosition{n, r};
        f[r] = *v;
    }
    return std::nullopt;
}

// Work done so far against the work of the whole solve, for progress reports.
class WorkMeter {
public:
    WorkMeter(const SolveProgress& progress, double total) : progress_(progress), total_(total) {}

    elim::Checkpoint checkpoint()
    {
        if (!progress_)
            return {};
        return [this](std::size_t m) {
            done_ += static_cast<double>(m - 1) * static_cast<double>(m - 1);
            report();
        };
    }
    void add(double work)
    {
        done_ += work;
        report();
    }

private:
    void report()
    {
        if (progress_)
            progress_(total_ > 0 ? std::min(1.0, done_ / total_) : 1.0);
    }

    const SolveProgress& progress_;
    double total_;
    double done_ = 0;
};

// The part every solve shares: the coefficients, D, the free terms and the
// verdict on D. Returns false when the answer is complete already.
struct Prepared {
    std::size_t n = 0;
    elim::Buffer w; // n + 1 rows of n: the transposed coefficients, then the free terms
    double det = 0;
};

bool prepare(const SystemCells& cells, SystemAnswer& answer, Prepared& p, WorkMeter& meter)
{
    answer.text = kAnswerHead;
    p.n = cells.size();
    const std::size_t n = p.n;
    p.w = elim::Buffer(n + 1, n);
    if ((answer.badCell = readCoefficients(cells, p.w)))
        return false;
    try {
        elim::Buffer m(n, n);
        std::copy_n(p.w.data.begin(), n * n, m.data.begin());
        p.det = n == 0 ? 1.0 : elim::determinantFrom(m, 0, 1.0, meter.checkpoint());
    } catch (const FloatFailure&) {
        answer.failure = std::current_exception();
        return false;
    }
    if ((answer.badCell = readFreeTerms(cells, p.w.row(n))))
        return false;
    if (p.det == 0.0) {
        answer.text = kNoSolution;
        return false;
    }
    return true;
}

// Appends one root; false (with the failure kept) when the quotient or the
// determinant before it left the double range.
template <class Determinant>
bool appendRoot(SystemAnswer& answer, std::size_t k, double det, Determinant&& dk)
{
    try {
        const double x = checked::toDouble(checked::div(static_cast<long double>(dk()), det));
        answer.text += "  " + VariableName(k) + "=" + FloatToStr(x);
        answer.roots.push_back(x);
        return true;
    } catch (const FloatFailure&) {
        answer.failure = std::current_exception();
        return false;
    }
}

// The determinant with row k of the coefficient block replaced by the free
// terms, from scratch.
double replacedDeterminant(const Prepared& p, std::size_t k, elim::Buffer& scratch, const elim::Checkpoint& checkpoint)
{
    const std::size_t n = p.n;
    std::copy_n(p.w.data.begin(), n * n, scratch.data.begin());
    std::copy_n(p.w.row(n), n, scratch.row(k));
    return elim::determinantFrom(scratch, 0, 1.0, checkpoint);
}

} // namespace

std::string VariableName(std::size_t index)
{
    const auto code = static_cast<char>(kFirstNameCode + index % kNamesPerRound);
    std::string name = cp1251::toUtf8(std::string_view(&code, 1));
    if (index >= kNamesPerRound)
        name += std::to_string(index / kNamesPerRound);
    return name;
}

SystemCells::SystemCells(std::initializer_list<std::initializer_list<const char*>> rows)
    : SystemCells(rows.size())
{
    std::size_t r = 0;
    for (const auto& row : rows) {
        std::size_t c = 0;
        for (const char* text : row)
            if (c <= n_)
                at(c++, r) = text;
        ++r;
    }
}

std::string SystemPreview(const SystemCells& cells)
{
    const std::size_t n = cells.size();
    std::string text;
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            const std::string& cell = cells.at(c, r);
            const std::optional<double> v = TryStrToFloat(cell);
            if (!v)
                return text;
            if (*v == 1.0)
                text += "+" + VariableName(c);
            else if (*v == -1.0)
                text += "--" + VariableName(c);
            else if (*v > 0)
                text += "+" + cell + VariableName(c);
            else if (*v < 0)
                text += "-" + cell + VariableName(c);
        }
        text += "=" + cells.at(n, r) + "  \r";
    }
    return text;
}

Report BadCellReport(bool balloon)
{
    return inputReport(balloon,
                       messageBoxReport("Здесь должно быть  число. \rПри записи дробного числа используйте запятую.",
                                        "Внимание", Icon::Information, true),
                       "Здесь должно быть число. При записи дробного числа используйте запятую.");
}

SystemAnswer SolveSystemPlain(const SystemCells& cells)
{
    SystemAnswer answer;
    Prepared p;
    const SolveProgress none;
    WorkMeter meter(none, 0);
    if (!prepare(cells, answer, p, meter))
        return answer;
    elim::Buffer scratch(p.n, p.n);
    for (std::size_t k = 0; k < p.n; ++k)
        if (!appendRoot(answer, k, p.det, [&] { return replacedDeterminant(p, k, scratch, {}); }))
            break;
    return answer;
}

SystemAnswer SolveSystem(const SystemCells& cells, const SolveProgress& progress)
{
    const std::size_t n = cells.size();
    double total = 2 * elim::eliminationWork(n);
    for (std::size_t k = 0; k < n; ++k)
        total += elim::eliminationWork(n - k);
    WorkMeter meter(progress, total);

    SystemAnswer answer;
    Prepared p;
    if (!prepare(cells, answer, p, meter))
        return answer;

    // Eliminating the coefficient rows level by level, with the free-term row
    // carried along as an extra row, gives every replaced determinant's state
    // after the levels before its own row: rows other than k are the same as
    // in the full elimination, and row k is the free-term row reduced by the
    // same pivots. Each replaced determinant then only has to eliminate the
    // block from its own row on. This holds while no pivot needs an exchange;
    // from the first one on, the rest are computed from scratch.
    elim::Buffer w = p.w; // p.w keeps the coefficients for the determinants from scratch
    elim::Buffer scratch(n, n);
    double d = 1.0;
    bool shared = true;
    std::size_t extraOverflowFrom = std::numeric_limits<std::size_t>::max();
    for (std::size_t k = 0; k < n; ++k) {
        const bool ok = appendRoot(answer, k, p.det, [&] {
            if (!shared)
                return replacedDeterminant(p, k, scratch, meter.checkpoint());
            if (k >= extraOverflowFrom)
                throw FloatFailure(FloatFailure::Kind::Overflow);
            std::copy_n(w.row(n) + k, n - k, scratch.row(k) + k);
            for (std::size_t i = k + 1; i < n; ++i)
                std::copy_n(w.row(i) + k, n - k, scratch.row(i) + k);
            return elim::determinantFrom(scratch, k, d, meter.checkpoint());
        });
        if (!ok)
            break;
        if (!shared || k + 1 == n)
            continue;
        const double pivot = w.at(k, k);
        if (pivot == 0.0) {
            shared = false;
            continue;
        }
        // The coefficient rows repeat the levels of D's own elimination, which
        // stayed in range, so a value out of range can only be in the free-term row.
        d = elim::roundedProduct(d, pivot);
        if (!elim::reduceRows(w, k, k, n + 1, elim::reciprocal(pivot)))
            extraOverflowFrom = std::min(extraOverflowFrom, k + 1);
        meter.add(elim::eliminationWork(n - k) - elim::eliminationWork(n - k - 1));
    }
    return answer;
}

} // namespace vy
