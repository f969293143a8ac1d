#include "solvers/equation.h"

#include "core/floatfail.h"
#include "core/mathconst.h"
#include "core/numtext.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace vy {

namespace {


const char* const kFormulaError = "ВНИМАНИЕ: ОШИБКА В ФОРМУЛЕ\r         Проверьте уравнение ";

// Newton's method.
constexpr double kDifferenceStep = 1e-8;
constexpr double kStepTolerance = 1e-8;
constexpr double kDampingFloor = 0.00001;
constexpr int kIterationLimit = 10000;

// Bisection limits.
constexpr long kBisectionLimit = 100000;
constexpr int kCombinedPassLimit = 1000;

long double degrees(long double radians) { return radians * 180 / kPi; }
long double radians(long double degrees) { return degrees * kPi / 180; }

bool isZero(const std::optional<double>& v) { return v && *v == 0; }

// A value formatted with that many decimals and read back as a number is 0.
// Far from the rounding boundary the answer is plain; near it the formatted
// text decides, so the outcome is exactly that of the round trip.
bool roundsToZero(long double value, int decimals)
{
    static const auto units = [] {
        std::array<long double, 18> u{};
        u[0] = 1;
        for (std::size_t i = 1; i < u.size(); ++i)
            u[i] = u[i - 1] / 10;
        return u;
    }();
    const long double unit = units.at(static_cast<std::size_t>(decimals));
    const long double magnitude = std::fabs(value);
    if (magnitude >= unit)
        return false;
    if (magnitude < unit / 10)
        return true;
    for (char c : FormatFixed(value, decimals))
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

// value formatted through "%0.<decimals>f" and read back.
double roundedThrough(long double value, int decimals) { return StrToFloat(FormatFixed(value, decimals)); }

std::string intervalText(std::string_view lower, std::string_view upper)
{
    std::string text = "в промежутке от ";
    text += lower;
    text += " до ";
    text += upper;
    return text;
}

// One bisection walk of the combined method or the fork method: c halves the
// interval toward the side where f changes sign. It ends when f(c) is 0, when
// the limit is passed, or when a step leaves a and b as they were (every later
// step would repeat it, so the outcome is the same as walking to the limit).
struct Walk {
    long double c = 0;
    std::optional<double> fc;
};

template <typename StopAt>
Walk bisect(const Equation& f, long double a, long double b, long limit, SearchHost& host, StopAt stopAt)
{
    Walk w;
    long count = 0;
    for (;;) {
        w.c = (a + b) / 2;
        w.fc = f.value(static_cast<double>(w.c));
        bool moved = false;
        if (w.fc && *w.fc > 0) {
            moved = b != w.c;
            b = w.c;
        }
        if (w.fc && *w.fc < 0) {
            moved = a != w.c;
            a = w.c;
        }
        ++count;
        checkpoint(host);
        if (isZero(w.fc) || count > limit || stopAt(w.c) || !moved)
            return w;
    }
}

} // namespace

Equation::Equation(const std::string& formula) : compiled_(PrepareFormula(formula)) {}

std::optional<double> Equation::value(double x) const
{
    long double v = 0;
    if (!compiled_.evaluate(x, v))
        return std::nullopt;
    return checked::toDouble(v);
}

double NextScanPoint(double x, double h) { return roundedThrough(static_cast<long double>(x) + h, 5); }

ScanPoints::ScanPoints(double h) : h_(h), units_(std::llround(static_cast<long double>(h) * 1e5L)) {}

double ScanPoints::next(double x)
{
    // Once on the grid of multiples of 0,00001, the next point follows from an
    // integer count: the same double as formatting and reading back, while x is
    // small enough that x + h cannot stray by half a unit.
    if (onGrid_ && std::llabs(count_) < kGridLimit) {
        count_ += units_;
        return static_cast<double>(static_cast<long double>(count_) / 1e5L);
    }
    const double n = NextScanPoint(x, h_);
    onGrid_ = std::fabs(n) < 1e6;
    if (onGrid_) {
        count_ = std::llround(static_cast<long double>(n) * 1e5L);
        onGrid_ = static_cast<double>(static_cast<long double>(count_) / 1e5L) == n;
    }
    return n;
}

double ScanStep(int precisionIndex)
{
    static constexpr double kSteps[] = {1, 0.1, 0.01, 0.001, 0.0001, 0.00001};
    if (precisionIndex < 0 || precisionIndex > 5)
        precisionIndex = 1;
    return kSteps[precisionIndex];
}

void ScanForRoots(const Equation& f, std::string_view lower, std::string_view upper, int precisionIndex,
                  bool trigonometric, SearchHost& host)
{
    host.busyCursor();
    const double h = ScanStep(precisionIndex);
    double a = 0;
    double b = 0;
    if (trigonometric) {
        a = static_cast<double>(radians(-1));
        b = static_cast<double>(radians(181));
    } else {
        a = checked::toDouble(static_cast<long double>(StrToFloat(lower)) - h);
        b = StrToFloat(upper);
    }
    host.setProgressRange(std::nearbyint(static_cast<long double>(b) / h) -
                          std::nearbyint(static_cast<long double>(a) / h));
    host.setAnswer("Ответ: ");

    const int valueDecimals = trigonometric ? 5 : 17;
    ScanPoints points(h);
    bool found = false;
    const auto test = [&](double at) {
        long double value = 0;
        if (f.evaluate(at, value) && roundsToZero(value, valueDecimals)) {
            found = true;
            host.appendAnswer("  x=" + (trigonometric ? FormatFixed(degrees(at), 3) : FloatToStr(at)));
        }
    };
    double x = a;
    bool first = true;
    do {
        host.stepProgress();
        checkpoint(host);
        const double next = points.next(x);
        if (next == x) {
            // The step no longer moves x: nothing new would be scanned. When
            // that happens at once, the start itself is the lower bound (the
            // step below it was lost in rounding) and is still a point to test.
            if (first)
                test(x);
            break;
        }
        x = next;
        first = false;
        test(x);
    } while (x < b);

    if (!found)
        host.setAnswer(intervalText(lower, upper) + " при точности " + FloatToStr(h) + " нет ответа");
    host.setProgressPosition(100);
}

void BisectForRoot(const Equation& f, std::string_view lower, std::string_view upper, SearchHost& host)
{
    const double lo = StrToFloat(lower);
    const double hi = StrToFloat(upper);
    host.setAnswer("Ответ: ");
    const auto atBound = [&](long double c) { return c == lo || c == hi; };
    const Walk w = bisect(f, lo, hi, kBisectionLimit, host, atBound);
    if (isZero(w.fc)) {
        host.appendAnswer("  x=" + FloatToStr(w.c));
        if (isZero(f.value(static_cast<double>(-w.c))))
            host.appendAnswer("  x=" + FloatToStr(-w.c));
    } else if (!atBound(w.c)) {
        host.setAnswer(intervalText(lower, upper) + " нет точного ответа, примерный ответ +\\- " + FloatToStr(w.c));
    } else {
        host.setAnswer(intervalText(lower, upper) + " нет точного ответа");
    }
}

void CombinedSearch(const Equation& f, std::string_view lower, std::string_view upper, bool trigonometric,
                    SearchHost& host)
{
    host.busyCursor();
    host.setAnswer(trigonometric ? "Ответ:(в градусах)" : "Ответ:");
    const std::int64_t from = StrToInt(lower);
    const std::int64_t to = StrToInt(upper);
    std::int64_t lo = from - 1;
    std::int64_t hi = to;
    if (trigonometric) {
        lo = static_cast<std::int64_t>(std::nearbyint(radians(static_cast<long double>(from - 1)))) - 1;
        hi = static_cast<std::int64_t>(std::nearbyint(radians(static_cast<long double>(to)))) + 1;
    }
    host.setProgressRange(static_cast<long double>(hi - lo));

    const auto never = [](long double) { return false; };
    const auto report = [&](const Walk& w) {
        if (!w.fc || !roundsToZero(*w.fc, 5))
            return;
        host.appendAnswer(" x=" + (trigonometric ? FormatFixed(degrees(w.c), 3) : FloatToStr(roundedThrough(w.c, 9))));
    };

    for (std::int64_t n = lo; n <= hi; ++n) {
        host.stepProgress();
        checkpoint(host);
        const auto fn = f.value(static_cast<double>(n));
        if (isZero(fn)) {
            host.appendAnswer(" x=" + FloatToStr(static_cast<long double>(n)));
            continue;
        }
        const auto fm = f.value(static_cast<double>(n - 1));
        if (isZero(fm))
            continue; // reported with n - 1
        if (!fn || !fm || (*fn > 0) == (*fm > 0))
            continue; // no sign change (or a point where f cannot be evaluated)
        const long double ln = static_cast<long double>(n);
        report(bisect(f, ln, ln - 1, kCombinedPassLimit, host, never));
        report(bisect(f, ln - 1, ln, kCombinedPassLimit, host, never));
    }
}

std::optional<double> NewtonSolve(const Equation& f, double x0, double& point, SearchHost& host)
{
    const auto fail = [&](const char* text, const char* caption) {
        host.ask({SearchDialog::Kind::Error, text, caption});
        return std::optional<double>{};
    };
    double x = x0;
    point = x;
    std::optional<double> fx = f.value(x);
    int iterations = 0;
    for (;;) {
        checkpoint(host);
        double lambda = 1;
        const double xp = x;
        const std::optional<double> bound = fx;

        // The step from a forward difference. A point where f cannot be
        // evaluated gives no step, like a difference that is not finite.
        double s = 0;
        try {
            const auto ahead = f.value(x + kDifferenceStep);
            if (!fx || !ahead)
                throw FloatFailure(FloatFailure::Kind::InvalidOperation);
            const long double rise = checked::sub(*ahead, *fx);
            s = checked::toDouble(checked::div(checked::mul(-static_cast<long double>(*fx), kDifferenceStep), rise));
        } catch (const FloatFailure&) {
            return fail("Ошибка вычислений!\rСмените исходную точку или метод", "Ошибка вычислений");
        }

        // Damped so that |f| never grows; a point where f cannot be evaluated
        // counts as growing.
        const auto grew = [&] { return !fx || std::fabs(*fx) > std::fabs(*bound); };
        x = checked::toDouble(static_cast<long double>(xp) + s);
        point = x;
        fx = f.value(x);
        while (grew()) {
            lambda /= 2;
            if (lambda < kDampingFloor)
                return fail("Метод расходится!\rСмените исходную точку или метод", "Метод Ньютона расходится");
            x = checked::toDouble(static_cast<long double>(xp) + static_cast<long double>(lambda) * s);
            point = x;
            fx = f.value(x);
        }

        if (xp != x0 && (std::fabs(s) <= kStepTolerance || std::fabs(s) <= std::fabs(x * kStepTolerance) || isZero(fx)))
            return x;

        if (iterations > kIterationLimit) {
            const DialogReply reply = host.ask({SearchDialog::Kind::Question,
                                                "Лимит итераций исчерпан.\rЕсть опасность, что метод "
                                                "зацикливается.\rПродолжать?",
                                                "Подтвердите продолжение расчета"});
            if (reply == DialogReply::No)
                return std::nullopt;
            iterations = 0;
        }
        ++iterations;
    }
}

void NewtonSearch(const Equation& f, std::string_view start, SearchHost& host)
{
    const auto fixed5 = [](double v) { return FormatFixed(v, 5); };
    double point = StrToFloat(start);
    double previous = 0;
    if (const auto root = NewtonSolve(f, point, point, host)) {
        host.setAnswer("x=" + fixed5(*root));
        const auto mirror = f.value(-*root);
        if (mirror && roundsToZero(*mirror, 5))
            host.appendAnswer(" x=" + fixed5(-*root));
        previous = *root;
    }
    // Further attempts one step to the right, for as long as an attempt ends
    // exactly where it started.
    double from = 0;
    do {
        from = checked::toDouble(static_cast<long double>(point) + 1);
        const auto root = NewtonSolve(f, from, point, host);
        if (root && roundedThrough(*root, 5) != roundedThrough(previous, 5))
            host.appendAnswer(" x=" + fixed5(*root));
    } while (point == from);
}

void RunEquationSearch(const SearchRequest& request, SearchHost& host)
{
    const Equation f(request.formula);
    long double check = 0;
    if (!f.evaluate(5, check)) {
        host.ask({SearchDialog::Kind::Error, kFormulaError, "Вычислица"});
        host.fillProgress();
        return;
    }
    host.searchRunning();
    switch (request.method) {
    case SearchMethod::Scan:
        ScanForRoots(f, request.lower, request.upper, request.precisionIndex, request.trigonometric, host);
        break;
    case SearchMethod::Bisection:
        BisectForRoot(f, request.lower, request.upper, host);
        break;
    case SearchMethod::Combined:
        CombinedSearch(f, request.lower, request.upper, request.trigonometric, host);
        break;
    case SearchMethod::Newton:
        NewtonSearch(f, request.lower, host);
        break;
    }
    host.fillProgress();
    if (host.answer() == "Ответ:")
        host.setAnswer("В промежутке от " + request.lower + " до " + request.upper + " Уравнение не имеет корней");
}

} // namespace vy
