#include "app/quickcalc.h"

#include "core/floatfail.h"
#include "app/mainkeys.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

namespace qc = vy::quickcalc;
using qc::Outcome;
using qc::Presentation;
using qc::Report;
using qc::Row;
using Kind = vy::FloatFailure::Kind;

Outcome press(Row row, std::vector<std::string> fields, bool balloon = false)
{
    return qc::run(row, fields, balloon);
}

Kind failureOf(Row row, std::vector<std::string> fields)
{
    try {
        press(row, std::move(fields));
    } catch (const vy::FloatFailure& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no float failure";
    return Kind::InvalidOperation;
}

// ---- computations --------------------------------------------------------------

TEST(QuickAngles, TableAnglesAreExactAndOthersUseTheFormula) {
    for (double a : {180.0, 360.0, -1260.0, 1260.0, -540.0})
        EXPECT_EQ(qc::sine(a), 0.0) << a;
    for (double a : {90.0, 270.0, -1170.0, 1170.0})
        EXPECT_EQ(qc::cosine(a), 0.0) << a;
    // 1440 is outside the table: a tiny remainder in scientific notation.
    const double s1440 = qc::sine(1440);
    EXPECT_NE(s1440, 0.0);
    EXPECT_LT(std::fabs(s1440), 1e-14);
    EXPECT_NE(vy::FloatToStr(s1440).find("E-"), std::string::npos);
    EXPECT_EQ(vy::FloatToStr(qc::sine(30)), "0,5");
    EXPECT_EQ(vy::FloatToStr(qc::cosine(60)), "0,5");
    EXPECT_EQ(qc::sine(90), 1.0);
    EXPECT_EQ(qc::cosine(0), 1.0);
}

TEST(QuickAngles, TangentExistsExceptAtOddMultiplesOf90) {
    for (double a : {90.0, 270.0, -90.0, 1170.0, -1170.0})
        EXPECT_FALSE(qc::tangent(a).has_value()) << a;
    EXPECT_EQ(qc::tangent(180), 0.0);
    EXPECT_EQ(qc::tangent(-1260), 0.0);
    EXPECT_EQ(vy::FloatToStr(*qc::tangent(45)), "1");
    EXPECT_EQ(vy::FloatToStr(*qc::tangent(-45)), "-1");
    // Outside the table an odd multiple of 90 gives a huge but finite value.
    EXPECT_GT(std::fabs(*qc::tangent(1350)), 1e15);
}

TEST(QuickArithmetic, FailuresAreFloatFailuresOfTheRightKind) {
    EXPECT_EQ(qc::quotient(1, 4), 0.25);
    const auto kindOf = [](auto op) {
        try {
            op();
        } catch (const vy::FloatFailure& e) {
            return e.kind();
        }
        ADD_FAILURE() << "no float failure";
        return Kind::InvalidOperation;
    };
    EXPECT_EQ(kindOf([] { qc::quotient(1, 0); }), Kind::DivideByZero);
    EXPECT_EQ(kindOf([] { qc::quotient(0, 0); }), Kind::InvalidOperation);
    EXPECT_EQ(kindOf([] { qc::square(1e200); }), Kind::Overflow);
    EXPECT_EQ(kindOf([] { qc::product(1e200, -1e200); }), Kind::Overflow);
    EXPECT_EQ(kindOf([] { qc::sum(1.7e308, 1.7e308); }), Kind::Overflow);
    EXPECT_EQ(kindOf([] { qc::difference(-1.7e308, 1.7e308); }), Kind::Overflow);
    EXPECT_EQ(kindOf([] { qc::quotient(1e300, 1e-300); }), Kind::Overflow);
}

TEST(QuickQuadratic, RootsDiscriminantAndZeroLeadingCoefficient) {
    const auto two = qc::quadratic(1, -3, 2);
    EXPECT_TRUE(two.hasRoots);
    EXPECT_EQ(two.discriminant, 1.0);
    EXPECT_EQ(two.x1, 2.0);
    EXPECT_EQ(two.x2, 1.0);
    const auto none = qc::quadratic(1, 0, 1);
    EXPECT_FALSE(none.hasRoots);
    EXPECT_EQ(none.discriminant, -4.0);
    const auto one = qc::quadratic(1, 2, 1);
    EXPECT_TRUE(one.hasRoots);
    EXPECT_EQ(one.x1, -1.0);
    EXPECT_EQ(one.x2, -1.0);
    EXPECT_THROW(qc::quadratic(0, 1, 1), qc::ZeroLeadingCoefficient);
    EXPECT_THROW(qc::quadratic(1, 1e200, 1), vy::FloatFailure);
}

// ---- rows: what is shown, copied and logged ---------------------------------------

struct Shown {
    const char* name;
    Row row;
    std::vector<std::string> fields;
    std::vector<qc::LabelText> labels;
    std::string clipboard;
    std::vector<std::string> protocol;
};

class QuickRowShows : public testing::TestWithParam<Shown> {};

TEST_P(QuickRowShows, LabelsClipboardAndProtocol) {
    const Shown& s = GetParam();
    for (bool balloon : {false, true}) {
        const Outcome o = press(s.row, s.fields, balloon);
        ASSERT_FALSE(o.failed()) << o.report->text;
        EXPECT_EQ(o.labels, s.labels);
        EXPECT_EQ(o.clipboard, s.clipboard);
        EXPECT_EQ(o.protocol, s.protocol);
    }
}

const Shown kShown[] = {
    {"Square", Row::Square, {"2"}, {{"Label2", "Квадрат 2 = 4"}}, "4", {"2^2 = 4"}},
    // The label keeps the text as typed, the protocol shows the converted number.
    {"SquareOfBlankAndTwo", Row::Square, {" 2"}, {{"Label2", "Квадрат  2 = 4"}}, "4", {"2^2 = 4"}},
    {"SquareOfFraction", Row::Square, {"1,50"}, {{"Label2", "Квадрат 1,50 = 2,25"}}, "2,25", {"1,5^2 = 2,25"}},
    {"Sine30", Row::Sine, {"30"}, {{"Label4", "Синус 30 Град. = 0,5"}}, "0,5", {"sin(30) = 0,5"}},
    {"Sine180", Row::Sine, {"180"}, {{"Label4", "Синус 180 Град. = 0"}}, "0", {"sin(180) = 0"}},
    {"CosineMinus1170", Row::Cosine, {"-1170"}, {{"Label6", "Косинус -1170 Град. = 0"}}, "0", {"cos(-1170) = 0"}},
    {"Tangent45", Row::Tangent, {"45"}, {{"Label27", "Тангенс 45 Град. = 1"}}, "1", {"tg(45) = 1"}},
    {"Tangent180", Row::Tangent, {"180"}, {{"Label27", "Тангенс 180 Град. = 0"}}, "0", {"tg(180) = 0"}},
    {"Tangent90", Row::Tangent, {"90"}, {{"Label27", "Тангенс 90 Град. Не существует "}},
     "Тангенс 90 Град. Не существует ", {"Тангенс 90 Град. Не существует "}},
    {"Tangent270", Row::Tangent, {"270"}, {{"Label27", "Тангенс 270 Град. Не существует "}},
     "Тангенс 270 Град. Не существует ", {"Тангенс 270 Град. Не существует "}},
    {"Quotient", Row::Quotient, {"1", "3"}, {{"Label7", "1 : 3 = 0,333333333333333"}}, "0,333333333333333",
     {"1 : 3 = 0,333333333333333"}},
    {"ZeroOverNumber", Row::Quotient, {"0", "5"}, {{"Label7", "0 : 5 = 0"}}, "0", {"0 : 5 = 0"}},
    {"Product", Row::Product, {"2", "-3"}, {{"Label11", "2 * -3 = -6"}}, "-6", {"2 * -3 = -6"}},
    {"Sum", Row::Sum, {"0,1", "0,2"}, {{"Label14", "0,1 + 0,2 = 0,3"}}, "0,3", {"0,1 + 0,2 = 0,3"}},
    {"Difference", Row::Difference, {"5", " 7 "}, {{"Label19", "5 -  7  = -2"}}, "-2", {"5 -  7  = -2"}},
    {"QuadraticTwoRoots", Row::Quadratic, {"1", "-3", "2"},
     {{"Label24", " Дискриминант  = 1"}, {"Label25", "x1=2  x2=1"}}, "x1=2  x2=1",
     {" ", "Решение квадратного уравнения", "1x^2+-3x+2=0", "", "D=b^2-4ac =-3^2-4*1*2=1",
      "x1=(-b+Sqrt(D))/2a = (3+1)/2*1=2", "x2=(-b-Sqrt(D))/2a = (3-1)/2*1=1", "Уравнение решено корни 2 и 1"}},
    {"QuadraticNoRoots", Row::Quadratic, {"1", "0", "1"},
     {{"Label24", " Дискриминант  = -4"}, {"Label25", "Уравнение не имеет  корней, т.к Дискриминант -4"}},
     "Уравнение не имеет  корней, т.к Дискриминант -4",
     {" ", "Решение квадратного уравнения", "1x^2+0x+1=0", "", "D=b^2-4ac =0^2-4*1*1=-4",
      "т.к D<0 уравнение не имеет корней"}},
    {"QuadraticIrrationalRoots", Row::Quadratic, {"1", "0", "-2"},
     {{"Label24", " Дискриминант  = 8"}, {"Label25", "x1=1,4142135623731  x2=-1,4142135623731"}},
     "x1=1,4142135623731  x2=-1,4142135623731",
     {" ", "Решение квадратного уравнения", "1x^2+0x+-2=0", "", "D=b^2-4ac =0^2-4*1*-2=8",
      "x1=(-b+Sqrt(D))/2a = (0+2,82842712474619)/2*1=1,4142135623731",
      "x2=(-b-Sqrt(D))/2a = (0-2,82842712474619)/2*1=-1,4142135623731",
      "Уравнение решено корни 1,4142135623731 и -1,4142135623731"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, QuickRowShows, testing::ValuesIn(kShown),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuickRows, SineOf1440IsShownInScientificNotation) {
    const Outcome o = press(Row::Sine, {"1440"});
    ASSERT_FALSE(o.failed());
    EXPECT_NE(o.clipboard.find("E-"), std::string::npos) << o.clipboard;
    EXPECT_EQ(o.labels.at(0).text, "Синус 1440 Град. = " + o.clipboard);
}

// ---- rows: the failures they report themselves ------------------------------------

const std::string kFieldText = "Здесь должно быть  число. \rПри записи дробного числа используйте запятую.";
const std::string kFieldBalloon = "Здесь должно быть число. При записи дробного числа используйте запятую.";

Report expected(Presentation presentation, std::string text, bool stopSoundFirst, std::string caption = {},
                vy::Icon icon = vy::Icon::None)
{
    Report r;
    r.presentation = presentation;
    r.text = std::move(text);
    r.stopSoundFirst = stopSoundFirst;
    r.caption = std::move(caption);
    r.icon = icon;
    return r;
}

Report messageBox(std::string text)
{
    return expected(Presentation::MessageBox, std::move(text), true, "Внимание", vy::Icon::Information);
}
Report dialog(std::string text) { return expected(Presentation::InformationDialog, std::move(text), true); }
Report plain(std::string text) { return expected(Presentation::PlainMessage, std::move(text), true); }
// No sound before a balloon.
Report balloon(std::string text) { return expected(Presentation::Balloon, std::move(text), false); }

struct Reported {
    const char* name;
    Row row;
    std::vector<std::string> fields;
    Report withoutBalloon;
    Report withBalloon;
};

class QuickRowReports : public testing::TestWithParam<Reported> {};

TEST_P(QuickRowReports, ForBothBalloonSettingsAndNothingElse) {
    const Reported& r = GetParam();
    for (bool balloon : {false, true}) {
        const Outcome o = press(r.row, r.fields, balloon);
        ASSERT_TRUE(o.failed()) << "balloon " << balloon;
        EXPECT_EQ(*o.report, balloon ? r.withBalloon : r.withoutBalloon) << "balloon " << balloon;
        EXPECT_TRUE(o.labels.empty());
        EXPECT_TRUE(o.clipboard.empty());
        EXPECT_TRUE(o.protocol.empty());
    }
}

const std::string kUseComma = "\rПри записи дробного числа используйте запятую.";

const Reported kReported[] = {
    {"SquareNotANumber", Row::Square, {"abc"}, messageBox(kFieldText), balloon(kFieldBalloon)},
    {"SquareEmpty", Row::Square, {""}, messageBox(kFieldText), balloon(kFieldBalloon)},
    // Beyond the double range is a conversion failure too.
    {"SquareBeyondRange", Row::Square, {"1E400"}, messageBox(kFieldText), balloon(kFieldBalloon)},
    {"SineFullStop", Row::Sine, {"2.5"}, dialog(kFieldText), balloon(kFieldBalloon)},
    {"CosineMinus", Row::Cosine, {"-"}, dialog(kFieldText), balloon(kFieldBalloon)},
    {"TangentLetters", Row::Tangent, {"x"}, dialog(kFieldText), balloon(kFieldBalloon)},
    {"QuotientDivisorText", Row::Quotient, {"1", "a"},
     plain("Делимое и делитель должны быть заданы числом. " + kUseComma),
     plain("Делимое и делитель должны быть заданы числом. " + kUseComma)},
    {"QuotientZeroDivisor", Row::Quotient, {"1", "0"}, plain("Делитель не может быть равным нулю!"),
     balloon("Делитель не может быть равным нулю!")},
    // The dividend is converted first: a bad dividend wins over a zero divisor.
    {"QuotientBadDividendZeroDivisor", Row::Quotient, {"q", "0"},
     plain("Делимое и делитель должны быть заданы числом. " + kUseComma),
     plain("Делимое и делитель должны быть заданы числом. " + kUseComma)},
    {"ProductAbc", Row::Product, {"abc", "2"}, plain("Множители должны быть заданы числом. " + kUseComma),
     plain("Множители должны быть заданы числом. " + kUseComma)},
    {"SumSecond", Row::Sum, {"1", "1 000"}, plain("Слагаемые должны быть заданы числом. " + kUseComma),
     plain("Слагаемые должны быть заданы числом. " + kUseComma)},
    {"Difference", Row::Difference, {"1-2", "1"},
     plain("Уменьшаемое и вычитаемое должны быть заданы числом. " + kUseComma),
     plain("Уменьшаемое и вычитаемое должны быть заданы числом. " + kUseComma)},
    {"QuadraticText", Row::Quadratic, {"1", "1", "c"},
     plain(" a  b  c должны быть заданы числами. " + kUseComma),
     plain(" a  b  c должны быть заданы числами. " + kUseComma)},
    {"QuadraticZeroA", Row::Quadratic, {"0", "1", "1"}, plain("Значение а не может быть равно нулю!"),
     balloon("Значение а не может быть равно нулю!")},
};

INSTANTIATE_TEST_SUITE_P(Rows, QuickRowReports, testing::ValuesIn(kReported),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuickRows, FailuresTheRowsDoNotCatchPropagate) {
    EXPECT_EQ(failureOf(Row::Quotient, {"0", "0"}), Kind::InvalidOperation);
    EXPECT_EQ(failureOf(Row::Square, {"1E200"}), Kind::Overflow);
    EXPECT_EQ(failureOf(Row::Product, {"1E200", "1E200"}), Kind::Overflow);
    EXPECT_EQ(failureOf(Row::Quadratic, {"1", "1E200", "1"}), Kind::Overflow);
    // The quotient row blanks its label before anything can fail.
    EXPECT_EQ(qc::info(Row::Quotient).blankFirst, "Label7");
}

TEST(QuickRows, WrongNumberOfFieldTextsIsRefused) {
    EXPECT_THROW(press(Row::Quotient, {"1"}), std::invalid_argument);
    EXPECT_THROW(press(Row::Square, {"1", "2"}), std::invalid_argument);
}

TEST(QuickRows, DescriptionsAgreeWithTheClearButton) {
    std::set<std::string_view> written;
    for (const auto& ri : qc::rows()) {
        EXPECT_EQ(&qc::info(ri.row), &ri);
        written.insert(ri.labels.begin(), ri.labels.end());
        // Every label a row writes comes back in a successful outcome, in order.
        std::vector<std::string> ones(ri.fields.size(), "1");
        const Outcome o = qc::run(ri.row, ones, false);
        ASSERT_FALSE(o.failed()) << ri.handler;
        ASSERT_EQ(o.labels.size(), ri.labels.size());
        for (std::size_t i = 0; i < ri.labels.size(); ++i)
            EXPECT_EQ(o.labels[i].label, ri.labels[i]);
        if (ri.row != Row::Quotient) {
            EXPECT_TRUE(ri.blankFirst.empty()) << ri.handler;
        }
    }
    const auto cleared = qc::clearedLabels();
    EXPECT_EQ(written, std::set<std::string_view>(cleared.begin(), cleared.end()));
    EXPECT_EQ(cleared.size(), 10u);
}

TEST(QuickRows, EnterWalksTheRowsFieldsAndComputesInTheLast) {
    namespace keys = vy::keys;
    std::size_t fieldCount = 0;
    for (const auto& ri : qc::rows()) {
        for (std::size_t i = 0; i < ri.fields.size(); ++i, ++fieldCount) {
            const keys::FieldKeys* k = keys::mainWindowKeysFor(ri.fields[i]);
            ASSERT_NE(k, nullptr) << ri.fields[i];
            const bool last = i + 1 == ri.fields.size();
            EXPECT_EQ(k->enter, last ? keys::EnterAction::Compute : keys::EnterAction::FocusField);
            EXPECT_EQ(k->enterTarget, last ? ri.button : ri.fields[i + 1]) << ri.fields[i];
        }
    }
    EXPECT_EQ(fieldCount, keys::mainWindowKeys().size());
}

} // namespace
