#include "solvers/equation.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "tests/solvers/fakesearchhost.h"

#include <gtest/gtest.h>

namespace vy {
namespace {

using test::FakeSearchHost;
using M = SearchMethod;

struct AnswerCase {
    const char* name;
    SearchRequest request;
    const char* answer;
};

SearchRequest request(M method, const char* formula, const char* lower = "-10", const char* upper = "10",
                      int precision = 1, bool trigonometric = false)
{
    return {method, formula, lower, upper, precision, trigonometric};
}

class AnswerText : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerText, IsWhatTheLabelShows)
{
    FakeSearchHost host;
    RunEquationSearch(GetParam().request, host);
    EXPECT_EQ(host.answer(), GetParam().answer);
    EXPECT_TRUE(host.running_);
    EXPECT_TRUE(host.filled_);
    EXPECT_TRUE(host.dialogs_.empty());
}

const AnswerCase kAnswers[] = {
    {"CombinedDefaults", request(M::Combined, "x-5"), "Ответ: x=5"},
    // the label's own blank and the two before each root
    {"ScanThreeBlanks", request(M::Scan, "x-5"), "Ответ:   x=5"},
    {"ScanNoAnswer", request(M::Scan, "x*x+1"), "в промежутке от -10 до 10 при точности 0,1 нет ответа"},
    {"ScanStepInStandardForm", request(M::Scan, "x*x+1", "-1", "1", 5),
     "в промежутке от -1 до 1 при точности 1E-5 нет ответа"},
    {"ScanDegrees", request(M::Scan, "sin(x)", "-10", "10", 5, true), "Ответ:   x=0,000  x=180,000"},
    {"ScanUpperBoundIsScanned", request(M::Scan, "x-2", "0", "2", 0), "Ответ:   x=2"},
    {"BisectionFindsMirrorRoot", request(M::Bisection, "x*x-4", "0", "10"), "Ответ:   x=2  x=-2"},
    {"BisectionDecreasingRunsToBound", request(M::Bisection, "5-x"), "в промежутке от -10 до 10 нет точного ответа"},
    // f changes sign between two 15-digit texts of x, without a zero between
    {"BisectionApproximate", request(M::Bisection, "x*x*x-2", "0", "10"),
     "в промежутке от 0 до 10 нет точного ответа, примерный ответ +\\- 1,25992104989488"},
    {"CombinedNineDecimals", request(M::Combined, "x*x-2"), "Ответ: x=-1,414213562 x=1,414213562"},
    {"CombinedNoRoots", request(M::Combined, "x*x+1"), "В промежутке от -10 до 10 Уравнение не имеет корней"},
    {"CombinedDegreesNoRootsKeepsHeading", request(M::Combined, "x*x+1", "-10", "10", 1, true),
     "Ответ:(в градусах)"},
    {"CombinedDegreesShowsRadians", request(M::Combined, "sin(x)", "-10", "10", 1, true), "Ответ:(в градусах) x=0"},
    {"NewtonWithMirror", request(M::Newton, "x*x-4"), "x=-2,00000 x=2,00000"},
    {"NewtonDefault", request(M::Newton, "x-5"), "x=5,00000"},
};

INSTANTIATE_TEST_SUITE_P(Search, AnswerText, ::testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EquationSearch, FormulaFailingAtFiveShowsTheErrorAndChangesNothingElse)
{
    FakeSearchHost host("earlier");
    host.replies_ = {DialogReply::Ok};
    RunEquationSearch(request(M::Combined, "ln(x-6)"), host);
    ASSERT_EQ(host.dialogs_.size(), 1u);
    EXPECT_EQ(host.dialogs_[0], (SearchDialog{SearchDialog::Kind::Error,
                                              "ВНИМАНИЕ: ОШИБКА В ФОРМУЛЕ\r         Проверьте уравнение ",
                                              "Вычислица"}));
    EXPECT_EQ(host.answer(), "earlier");
    EXPECT_FALSE(host.running_);
    EXPECT_TRUE(host.filled_);
}

TEST(EquationSearch, ScanVisitsEveryPointOnceWithTheMatchingRange)
{
    FakeSearchHost host;
    RunEquationSearch(request(M::Scan, "x-5"), host);
    EXPECT_EQ(host.maximum_, 201); // round(10/0,1) - round(-10,1/0,1)
    EXPECT_EQ(host.steps_, 201);   // -10, -9,9, ..., 10
}

TEST(EquationSearch, FinestScanVisitsEachGridPointOnce)
{
    const Equation f("x");
    FakeSearchHost host;
    ScanForRoots(f, "-0,00007", "0,00003", 5, false, host);
    EXPECT_EQ(host.answer(), "Ответ:   x=0");
    EXPECT_EQ(host.steps_, 11);
}

TEST(ScanPoints, AgreeWithRoundingEachSumThroughText)
{
    const double starts[] = {-10.00001, -10.1, -0.00007, 0, 0.123456789, -3.3333333, 999990.5, -999999.99, 1234567.1};
    for (int index = 0; index <= 5; ++index) {
        const double h = ScanStep(index);
        for (double start : starts) {
            ScanPoints points(h);
            double fast = start;
            double slow = start;
            for (int i = 0; i < 30000; ++i) {
                fast = points.next(fast);
                slow = NextScanPoint(slow, h);
                ASSERT_EQ(fast, slow) << "h=" << h << " start=" << start << " point " << i;
            }
        }
    }
}

TEST(EquationSearch, ScanWhoseStepNoLongerMovesXEnds)
{
    FakeSearchHost host;
    RunEquationSearch(request(M::Scan, "x", "1E20", "2E20", 5), host);
    EXPECT_EQ(host.answer(), "в промежутке от 1E20 до 2E20 при точности 1E-5 нет ответа");
    EXPECT_LT(host.steps_, 10);
}

TEST(EquationSearch, ScanThatCannotMoveStillTestsItsLowerBound)
{
    // 1E17 - 1 rounds back to 1E17, so the scan starts on its lower bound and
    // the step of 1 moves it no further; that one point is a root.
    FakeSearchHost host;
    RunEquationSearch(request(M::Scan, "x-100000000000000000", "1E17", "100000000000000100", 0), host);
    EXPECT_EQ(host.answer(), "Ответ:   x=1E17");
}

TEST(EquationSearch, BadBoundsThrowConversionErrors)
{
    for (const auto& r : {request(M::Scan, "x", "abc"), request(M::Bisection, "x", "-10", ""),
                          request(M::Combined, "x", "1,5"), request(M::Newton, "x", "-")}) {
        FakeSearchHost host;
        EXPECT_THROW(RunEquationSearch(r, host), ConversionError);
    }
}

TEST(EquationSearch, ArithmeticErrorOfTheEvaluatorPassesThrough)
{
    FakeSearchHost host;
    EXPECT_THROW(RunEquationSearch(request(M::Scan, "lg(x)", "-1", "1"), host), FloatFailure);
}

TEST(EquationSearch, CancelEndsEveryMethod)
{
    for (M method : {M::Scan, M::Bisection, M::Combined, M::Newton}) {
        FakeSearchHost host;
        host.proceedLimit_ = 3;
        EXPECT_THROW(RunEquationSearch(request(method, "x*x-2"), host), SearchCancelled);
        EXPECT_EQ(host.proceeds_, 4);
    }
}

TEST(Newton, ConstantFormulaShowsTheErrorAtEveryStartUntilCancelled)
{
    FakeSearchHost host;
    host.replies_ = {DialogReply::Ok, DialogReply::Ok, DialogReply::Ok};
    const Equation f("5");
    EXPECT_THROW(NewtonSearch(f, "-10", host), SearchCancelled);
    ASSERT_EQ(host.dialogs_.size(), 4u);
    for (const auto& d : host.dialogs_)
        EXPECT_EQ(d, (SearchDialog{SearchDialog::Kind::Error, "Ошибка вычислений!\rСмените исходную точку или метод",
                                   "Ошибка вычислений"}));
}

TEST(Newton, EachFailedAttemptStartsOneFurtherRight)
{
    FakeSearchHost host;
    host.replies_ = {DialogReply::Ok};
    const Equation f("5");
    double point = 0;
    EXPECT_FALSE(NewtonSolve(f, 2.5, point, host));
    EXPECT_EQ(point, 2.5);
}

TEST(Newton, StartAtARootRunsToTheIterationQuestion)
{
    // The convergence test is skipped while the previous point is the start
    // point, so from an exact root the solve only ends at the question. "No"
    // fails it; the next attempt from 6 then finds 5.
    FakeSearchHost host("before");
    host.replies_ = {DialogReply::No};
    const Equation f("x-5");
    NewtonSearch(f, "5", host);
    ASSERT_EQ(host.dialogs_.size(), 1u);
    EXPECT_EQ(host.dialogs_[0],
              (SearchDialog{SearchDialog::Kind::Question,
                            "Лимит итераций исчерпан.\rЕсть опасность, что метод зацикливается.\rПродолжать?",
                            "Подтвердите продолжение расчета"}));
    EXPECT_EQ(host.proceedsAtDialog_, std::vector<long>{10002}); // the counter passed 10000
    EXPECT_EQ(host.answer(), "before x=5,00000");
}

TEST(Newton, YesAndCancelBothContinueWithAFreshCount)
{
    for (DialogReply go : {DialogReply::Yes, DialogReply::Cancel}) {
        FakeSearchHost host;
        host.replies_ = {go, DialogReply::No};
        const Equation f("x-5");
        double point = 0;
        EXPECT_FALSE(NewtonSolve(f, 5, point, host));
        EXPECT_EQ(host.proceedsAtDialog_, (std::vector<long>{10002, 20003}));
    }
}

TEST(Newton, DivergingMethodGivesUp)
{
    // Near the kink of |x|+1 every full step overshoots to the other side, and
    // the damping needed to make |f| smaller soon falls below its floor.
    FakeSearchHost host;
    host.replies_ = {DialogReply::Ok};
    const Equation f("abs(x)+1");
    double point = 0;
    EXPECT_FALSE(NewtonSolve(f, 0.5, point, host));
    ASSERT_EQ(host.dialogs_.size(), 1u);
    EXPECT_EQ(host.dialogs_[0].caption, "Метод Ньютона расходится");
    EXPECT_EQ(host.dialogs_[0].text, "Метод расходится!\rСмените исходную точку или метод");
}

TEST(Newton, FailedFirstSolveKeepsTheEarlierAnswer)
{
    FakeSearchHost host("Ответ:");
    host.replies_ = {DialogReply::Ok};
    host.proceedLimit_ = 1; // cancelled during the second attempt
    EXPECT_THROW(NewtonSearch(Equation("5"), "0", host), SearchCancelled);
    EXPECT_EQ(host.answer(), "Ответ:");
}

TEST(Equation, UndefinedPointsAreNothing)
{
    const Equation f("ln(x)");
    EXPECT_FALSE(f.value(-1));
    EXPECT_EQ(f.value(1), 0.0);
}

TEST(EquationSearch, BisectionThroughAnUndefinedMidpointEndsAtOnce)
{
    // f cannot be evaluated at c = 0, so no step can move the interval.
    FakeSearchHost host;
    RunEquationSearch(request(M::Bisection, "ln(x)"), host);
    EXPECT_EQ(host.answer(), "в промежутке от -10 до 10 нет точного ответа, примерный ответ +\\- 0");
    EXPECT_EQ(host.proceeds_, 1);
}

} // namespace
} // namespace vy
