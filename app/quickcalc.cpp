#include "app/quickcalc.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vy::quickcalc {

namespace {

// pi/180 to the precision of the extended type.
constexpr long double kRadiansPerDegree = 0.017453292519943295769L;

constexpr std::array<double, 14> kMultiplesOf180 = {
    180, 360, 540, 720, 900, 1080, 1260, -180, -360, -540, -720, -900, -1080, -1260};
constexpr std::array<double, 14> kOddMultiplesOf90 = {
    90, 270, 450, 630, 810, 990, 1170, -90, -270, -450, -630, -810, -990, -1170};

template <std::size_t N>
bool among(double degrees, const std::array<double, N>& angles)
{
    return std::find(angles.begin(), angles.end(), degrees) != angles.end();
}

// The angle is turned into radians and stored as a double before the sine or
// cosine is taken; the functions themselves run in extended precision.
long double radians(double degrees)
{
    return static_cast<double>(degrees * kRadiansPerDegree);
}

} // namespace

double square(double x) { return checked::toDouble(checked::mul(x, x)); }

double sine(double degrees)
{
    if (among(degrees, kMultiplesOf180))
        return 0;
    return checked::toDouble(std::sin(radians(degrees)));
}

double cosine(double degrees)
{
    if (among(degrees, kOddMultiplesOf90))
        return 0;
    return checked::toDouble(std::cos(radians(degrees)));
}

std::optional<double> tangent(double degrees)
{
    if (among(degrees, kOddMultiplesOf90))
        return std::nullopt;
    if (among(degrees, kMultiplesOf180))
        return 0.0;
    const long double r = radians(degrees);
    return checked::toDouble(checked::div(std::sin(r), std::cos(r)));
}

double quotient(double a, double b) { return checked::toDouble(checked::div(a, b)); }
double product(double a, double b) { return checked::toDouble(checked::mul(a, b)); }
double sum(double a, double b) { return checked::toDouble(checked::add(a, b)); }
double difference(double a, double b) { return checked::toDouble(checked::sub(a, b)); }

QuadraticSolution quadratic(double a, double b, double c)
{
    if (a == 0)
        throw ZeroLeadingCoefficient();
    QuadraticSolution s;
    s.discriminant = checked::toDouble(checked::sub(checked::mul(b, b), checked::mul(checked::mul(4, a), c)));
    s.hasRoots = s.discriminant >= 0;
    if (s.hasRoots) {
        s.rootOfDiscriminant = std::sqrt(static_cast<long double>(s.discriminant));
        const long double twoA = checked::mul(2, a);
        s.x1 = checked::toDouble(checked::div(checked::add(-b, s.rootOfDiscriminant), twoA));
        s.x2 = checked::toDouble(checked::div(checked::sub(-b, s.rootOfDiscriminant), twoA));
    }
    return s;
}

// ---- rows ----------------------------------------------------------------------

namespace {

constexpr std::string_view kSquareFields[] = {"Edit1"};
constexpr std::string_view kSineFields[] = {"Edit2"};
constexpr std::string_view kCosineFields[] = {"Edit3"};
constexpr std::string_view kTangentFields[] = {"Edit15"};
constexpr std::string_view kQuotientFields[] = {"Edit4", "Edit5"};
constexpr std::string_view kProductFields[] = {"Edit6", "Edit7"};
constexpr std::string_view kSumFields[] = {"Edit8", "Edit9"};
constexpr std::string_view kDifferenceFields[] = {"Edit10", "Edit11"};
constexpr std::string_view kQuadraticFields[] = {"Edit12", "Edit13", "Edit14"};

constexpr std::string_view kSquareLabels[] = {"Label2"};
constexpr std::string_view kSineLabels[] = {"Label4"};
constexpr std::string_view kCosineLabels[] = {"Label6"};
constexpr std::string_view kTangentLabels[] = {"Label27"};
constexpr std::string_view kQuotientLabels[] = {"Label7"};
constexpr std::string_view kProductLabels[] = {"Label11"};
constexpr std::string_view kSumLabels[] = {"Label14"};
constexpr std::string_view kDifferenceLabels[] = {"Label19"};
constexpr std::string_view kQuadraticLabels[] = {"Label24", "Label25"};

constexpr std::string_view kCleared[] = {"Label2",  "Label4",  "Label6",  "Label7",  "Label11",
                                         "Label14", "Label19", "Label24", "Label25", "Label27"};

// In Row order.
const RowInfo kRows[] = {
    {Row::Square, "Button1Click", "Button1", kSquareFields, kSquareLabels, {}},
    {Row::Sine, "Button3Click", "Button3", kSineFields, kSineLabels, {}},
    {Row::Cosine, "Button4Click", "Button4", kCosineFields, kCosineLabels, {}},
    {Row::Tangent, "Button13Click", "Button13", kTangentFields, kTangentLabels, {}},
    {Row::Quotient, "Button6Click", "Button6", kQuotientFields, kQuotientLabels, "Label7"},
    {Row::Product, "Button7Click", "Button7", kProductFields, kProductLabels, {}},
    {Row::Sum, "Button8Click", "Button8", kSumFields, kSumLabels, {}},
    {Row::Difference, "Button9Click", "Button9", kDifferenceFields, kDifferenceLabels, {}},
    {Row::Quadratic, "Button10Click", "Button10", kQuadraticFields, kQuadraticLabels, {}},
};

#define VY_USE_COMMA "\rПри записи дробного числа используйте запятую."
constexpr const char* kFieldNotANumber = "Здесь должно быть  число. " VY_USE_COMMA;
constexpr const char* kFieldNotANumberBalloon =
    "Здесь должно быть число. При записи дробного числа используйте запятую.";
constexpr const char* kQuotientNotNumbers = "Делимое и делитель должны быть заданы числом. " VY_USE_COMMA;
constexpr const char* kProductNotNumbers = "Множители должны быть заданы числом. " VY_USE_COMMA;
constexpr const char* kSumNotNumbers = "Слагаемые должны быть заданы числом. " VY_USE_COMMA;
constexpr const char* kDifferenceNotNumbers =
    "Уменьшаемое и вычитаемое должны быть заданы числом. " VY_USE_COMMA;
constexpr const char* kQuadraticNotNumbers = " a  b  c должны быть заданы числами. " VY_USE_COMMA;
#undef VY_USE_COMMA
constexpr const char* kZeroDivisor = "Делитель не может быть равным нулю!";
constexpr const char* kZeroLeading = "Значение а не может быть равно нулю!";

Report report(Presentation presentation, std::string text)
{
    Report r;
    r.presentation = presentation;
    r.text = std::move(text);
    // The main window sounds the critical stop before every report but a balloon.
    r.stopSoundFirst = presentation != Presentation::Balloon;
    if (presentation == Presentation::MessageBox) {
        r.caption = "Внимание";
        r.icon = Icon::Information;
    }
    return r;
}

Report plainMessage(std::string text) { return report(Presentation::PlainMessage, std::move(text)); }

Report balloonNotice(std::string text) { return report(Presentation::Balloon, std::move(text)); }

// The one-field rows: a message box (square) or an information dialog, or
// with the balloon flag the one-line balloon text below the field.
Report fieldNotANumber(bool balloon, Presentation presentation)
{
    return balloon ? balloonNotice(kFieldNotANumberBalloon) : report(presentation, kFieldNotANumber);
}

Report plainOrBalloon(bool balloon, const char* text) { return balloon ? balloonNotice(text) : plainMessage(text); }

Outcome reported(Report report)
{
    Outcome o;
    o.report = std::move(report);
    return o;
}

// The usual shape: one label, its result text on the clipboard, one protocol line.
Outcome shown(std::string_view label, std::string text, std::string result, std::string protocolLine)
{
    Outcome o;
    o.labels.push_back({std::string(label), std::move(text)});
    o.clipboard = std::move(result);
    o.protocol.push_back(std::move(protocolLine));
    return o;
}

Outcome squareRow(const std::string& t, bool balloon)
{
    double x = 0, y = 0;
    try {
        x = StrToFloat(t);
    } catch (const ConversionError&) {
        return reported(fieldNotANumber(balloon, Presentation::MessageBox));
    }
    y = square(x);
    const std::string r = FloatToStr(y);
    // The protocol shows the number as converted, the label the text as typed.
    return shown("Label2", "Квадрат " + t + " = " + r, r, FloatToStr(x) + "^2 = " + r);
}

struct AngleRow {
    std::string_view label;
    const char* caption;
    const char* function;
};

Outcome angleRow(const AngleRow& row, double (*compute)(double), const std::string& t, bool balloon)
{
    double a = 0;
    try {
        a = StrToFloat(t);
    } catch (const ConversionError&) {
        return reported(fieldNotANumber(balloon, Presentation::InformationDialog));
    }
    const std::string r = FloatToStr(compute(a));
    return shown(row.label, row.caption + t + " Град. = " + r, r, row.function + t + ") = " + r);
}

Outcome tangentRow(const std::string& t, bool balloon)
{
    double a = 0;
    try {
        a = StrToFloat(t);
    } catch (const ConversionError&) {
        return reported(fieldNotANumber(balloon, Presentation::InformationDialog));
    }
    if (const auto value = tangent(a)) {
        const std::string r = FloatToStr(*value);
        return shown("Label27", "Тангенс " + t + " Град. = " + r, r, "tg(" + t + ") = " + r);
    }
    // No value to copy: the clipboard gets what the label says.
    const std::string line = "Тангенс " + t + " Град. Не существует ";
    return shown("Label27", line, line, line);
}

struct PairRow {
    std::string_view label;
    const char* sign;
    const char* notNumbers;
    double (*compute)(double, double);
    bool catchesZeroDivisor = false; // the quotient's own report for b = 0
};

Outcome pairRow(const PairRow& row, std::span<const std::string> t, bool balloon)
{
    double a = 0, b = 0;
    try {
        a = StrToFloat(t[0]);
        b = StrToFloat(t[1]);
    } catch (const ConversionError&) {
        return reported(plainMessage(row.notNumbers));
    }
    double value = 0;
    try {
        value = row.compute(a, b);
    } catch (const FloatFailure& failure) {
        // 0 : 0 and overflow are not the row's to report.
        if (!row.catchesZeroDivisor || failure.kind() != FloatFailure::Kind::DivideByZero)
            throw;
        return reported(plainOrBalloon(balloon, kZeroDivisor));
    }
    const std::string r = FloatToStr(value);
    std::string line = t[0] + row.sign + t[1] + " = " + r;
    return shown(row.label, line, r, line);
}

Outcome quadraticRow(std::span<const std::string> t, bool balloon)
{
    double a = 0, b = 0, c = 0;
    try {
        a = StrToFloat(t[0]);
        b = StrToFloat(t[1]);
        c = StrToFloat(t[2]);
    } catch (const ConversionError&) {
        return reported(plainMessage(kQuadraticNotNumbers));
    }
    QuadraticSolution s;
    try {
        s = quadratic(a, b, c);
    } catch (const ZeroLeadingCoefficient&) {
        return reported(plainOrBalloon(balloon, kZeroLeading));
    }
    const auto N = [](long double v) { return FloatToStr(v); };
    const std::string d = N(s.discriminant);

    Outcome o;
    o.labels.push_back({"Label24", " Дискриминант  = " + d});
    o.protocol = {" ", "Решение квадратного уравнения", N(a) + "x^2+" + N(b) + "x+" + N(c) + "=0", "",
                  "D=b^2-4ac =" + N(b) + "^2-4*" + N(a) + "*" + N(c) + "=" + d};
    if (!s.hasRoots) {
        o.labels.push_back({"Label25", "Уравнение не имеет  корней, т.к Дискриминант " + d});
        o.protocol.push_back("т.к D<0 уравнение не имеет корней");
    } else {
        const std::string x1 = N(s.x1), x2 = N(s.x2), minusB = N(-b), root = N(s.rootOfDiscriminant);
        o.labels.push_back({"Label25", "x1=" + x1 + "  x2=" + x2});
        o.protocol.push_back("x1=(-b+Sqrt(D))/2a = (" + minusB + "+" + root + ")/2*" + N(a) + "=" + x1);
        o.protocol.push_back("x2=(-b-Sqrt(D))/2a = (" + minusB + "-" + root + ")/2*" + N(a) + "=" + x2);
        o.protocol.push_back("Уравнение решено корни " + x1 + " и " + x2);
    }
    o.clipboard = o.labels.back().text;
    return o;
}

} // namespace

std::span<const RowInfo> rows() { return kRows; }

const RowInfo& info(Row row) { return kRows[static_cast<std::size_t>(row)]; }

std::span<const std::string_view> clearedLabels() { return kCleared; }

Outcome run(Row row, std::span<const std::string> fields, bool balloon)
{
    const RowInfo& ri = info(row);
    if (fields.size() != ri.fields.size())
        throw std::invalid_argument(std::string(ri.handler) + ": expected " + std::to_string(ri.fields.size()) +
                                    " field texts, got " + std::to_string(fields.size()));
    switch (row) {
    case Row::Square:
        return squareRow(fields[0], balloon);
    case Row::Sine:
        return angleRow({"Label4", "Синус ", "sin("}, sine, fields[0], balloon);
    case Row::Cosine:
        return angleRow({"Label6", "Косинус ", "cos("}, cosine, fields[0], balloon);
    case Row::Tangent:
        return tangentRow(fields[0], balloon);
    case Row::Quotient:
        return pairRow({"Label7", " : ", kQuotientNotNumbers, quotient, true}, fields, balloon);
    case Row::Product:
        return pairRow({"Label11", " * ", kProductNotNumbers, product}, fields, balloon);
    case Row::Sum:
        return pairRow({"Label14", " + ", kSumNotNumbers, sum}, fields, balloon);
    case Row::Difference:
        return pairRow({"Label19", " - ", kDifferenceNotNumbers, difference}, fields, balloon);
    case Row::Quadratic:
        return quadraticRow(fields, balloon);
    }
    throw std::invalid_argument("unknown quick-calculation row");
}

} // namespace vy::quickcalc
