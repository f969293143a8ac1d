#include "calc/units.h"
#include "core/floatfail.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace vy::units;

const Registry& reg() { return standardRegistry(); }

UnitId unit(const char* family, const char* name) {
    const auto u = findUnit(family, name);
    if (!u)
        ADD_FAILURE() << "no unit " << name << " in " << family;
    return u.value_or(UnitId{});
}

FamilyId familyNamed(const char* name) {
    for (FamilyId f : reg().families())
        if (reg().description(f) == name)
            return f;
    ADD_FAILURE() << "no family " << name;
    return {};
}

std::vector<std::string> names(const std::vector<UnitId>& units) {
    std::vector<std::string> out;
    for (UnitId u : units)
        out.push_back(reg().description(u));
    return out;
}

std::vector<std::string> listFor(const char* family, const char* source, const char* amount) {
    return ConversionLines(reg(), amount, unit(family, source), unitsByName(reg(), familyNamed(family)));
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::string nbsp = "\u00A0";

// ---- the table against the published definitions -----------------------------

// The expected values are built from the exact definitions of the units, not
// copied from the table: the international yard and pound, the SI prefixes, the
// litre as a cubic decimetre, the hectare as a square hectometre, the US gallon
// as 231 cubic inches, the imperial gallon as 4.54609 litres.
constexpr long double kInch = 0.0254L;       // m, exactly
constexpr long double kYard = 0.9144L;       // m, exactly
constexpr long double kMile = 1760 * kYard;  // m
constexpr long double kPound = 453.59237L;   // g, exactly
constexpr long double kLitre = 1e-3L;        // m³
constexpr long double kUsGallon = 231 * kInch * kInch * kInch;
constexpr long double kUkGallon = 4.54609L * kLitre;
constexpr long double kUsBushel = 2150.42L * kInch * kInch * kInch;

struct Definition {
    const char* family;
    const char* unit;
    long double inBaseUnits;
};

void PrintTo(const Definition& d, std::ostream* os) { *os << d.unit; }

class AgreesWithDefinition : public testing::TestWithParam<Definition> {};

TEST_P(AgreesWithDefinition, OneUnitInTheBaseUnit) {
    const Definition& d = GetParam();
    const UnitId u = unit(d.family, d.unit);
    const UnitId base = *reg().baseUnit(reg().family(u));
    const long double got = ConvertAmount(1.0, u, base);
    EXPECT_LE(std::fabs(got - d.inBaseUnits), 2 * DBL_EPSILON * d.inBaseUnits) << d.unit;
    // And back: the base unit's worth of the unit is its reciprocal.
    const long double back = ConvertAmount(1.0, base, u);
    EXPECT_LE(std::fabs(back * d.inBaseUnits - 1), 4 * DBL_EPSILON) << d.unit;
}

INSTANTIATE_TEST_SUITE_P(Distance, AgreesWithDefinition, testing::Values(
    Definition{kDistance, "Микромикроны", 1e-12L}, Definition{kDistance, "Ангстремы", 1e-10L},
    Definition{kDistance, "Микроны", 1e-6L}, Definition{kDistance, "Километры", 1e3L},
    Definition{kDistance, "Гигаметры", 1e9L}, Definition{kDistance, "Дюймы", kInch},
    Definition{kDistance, "Футы", kYard / 3}, Definition{kDistance, "Мили", kMile},
    Definition{kDistance, "Морские мили", 1852}, Definition{kDistance, "Роды(Rods)", 5.5L * kYard},
    Definition{kDistance, "Мерная цепь(Chains) ", 22 * kYard}, Definition{kDistance, "Furlongs", 220 * kYard}));

INSTANTIATE_TEST_SUITE_P(Area, AgreesWithDefinition, testing::Values(
    Definition{kArea, "Квадратные Миллиметры", 1e-6L}, Definition{kArea, "Гектары", 100.0L * 100.0L},
    Definition{kArea, "Ары", 10.0L * 10.0L}, Definition{kArea, "Акры", 4840 * kYard * kYard},
    Definition{kArea, "Квадратные Мили", kMile * kMile}, Definition{kArea, "Квадратные Дюймы", kInch * kInch}));

INSTANTIATE_TEST_SUITE_P(Volume, AgreesWithDefinition, testing::Values(
    Definition{kVolume, "Литры", 0.1L * 0.1L * 0.1L}, Definition{kVolume, "Милилитры", kLitre / 1000},
    Definition{kVolume, "Кубические Сантиметры", 0.01L * 0.01L * 0.01L},
    Definition{kVolume, "Кубические Футы", kYard * kYard * kYard / 27},
    Definition{kVolume, "Кубические Мили", kMile * kMile * kMile},
    Definition{kVolume, "Жидкие Галлоны", kUsGallon}, Definition{kVolume, "Жидкие Унции", kUsGallon / 128},
    Definition{kVolume, "Жидкие Чайные ложки", kUsGallon / 768},
    Definition{kVolume, "Сухие Бушели", kUsBushel}, Definition{kVolume, "Брит. Галлоны", kUkGallon},
    Definition{kVolume, "Брит. Унции", kUkGallon / 160}, Definition{kVolume, "Брит. Бушели", 8 * kUkGallon},
    Definition{kVolume, "Футы Акр", 4840 * kYard * kYard * kYard / 3}));

INSTANTIATE_TEST_SUITE_P(Mass, AgreesWithDefinition, testing::Values(
    Definition{kMass, "Нанограммы", 1e-9L}, Definition{kMass, "Килограммы", 1e3L},
    Definition{kMass, "Метрич. тонны", 1e6L}, Definition{kMass, "Фунты", kPound},
    Definition{kMass, "Унции", kPound / 16}, Definition{kMass, "Драхмы", kPound / 256},
    Definition{kMass, "Граны", kPound / 7000}, Definition{kMass, "Стоун", 14 * kPound},
    Definition{kMass, "Тонны", 2000 * kPound}, Definition{kMass, "Длинные тонны(LongTons)", 2240 * kPound}));

INSTANTIATE_TEST_SUITE_P(Time, AgreesWithDefinition, testing::Values(
    Definition{kTime, "Милисекунды", 1.0L / (24 * 60 * 60 * 1000)}, Definition{kTime, "Часы", 1.0L / 24},
    Definition{kTime, "Две недели", 14}, Definition{kTime, "Годы", 365.25L},
    Definition{kTime, "Месяцы", 365.25L / 12}, Definition{kTime, "Тысячелетия", 365250}));

// ---- the registry's shape ------------------------------------------------------

TEST(Registry, HoldsSixFamiliesWithTheirBaseUnitsInRegistrationOrder) {
    struct Expected {
        const char* family;
        const char* base;
        std::size_t units;
        const char* first;
        const char* last;
    };
    const Expected expected[] = {
        {"Расстояние", "Метры", 31, "Микромикроны", "Points"},
        {"Площадь", "Квадратные Метры", 16, "Квадратные Миллиметры", "Квадратные Роды (SquareRods)"},
        {"Объём", "Кубические Метры", 48, "Кубические Миллиметры", "Брит. Бушели"},
        {"Масса", "Граммы", 17, "Нанограммы", "Стоун"},
        {"Температура", "Цельсии", 5, "Цельсии", "Ремуры"},
        {"Время", "Дни", 15, "Милисекунды", "Модифиц. Юлианская дата"},
    };
    const std::vector<FamilyId> families = reg().families();
    ASSERT_EQ(families.size(), std::size(expected));
    for (std::size_t i = 0; i < families.size(); ++i) {
        SCOPED_TRACE(expected[i].family);
        const FamilyId f = families[i];
        EXPECT_EQ(reg().description(f), expected[i].family);
        ASSERT_TRUE(reg().baseUnit(f));
        EXPECT_EQ(reg().description(*reg().baseUnit(f)), expected[i].base);
        const auto& units = reg().units(f);
        ASSERT_EQ(units.size(), expected[i].units);
        EXPECT_EQ(reg().description(units.front()), expected[i].first);
        EXPECT_EQ(reg().description(units.back()), expected[i].last);
        for (UnitId u : units)
            EXPECT_EQ(reg().family(u), f);
    }
}

TEST(Registry, KeepsTheTwoSquareHectometreUnitsApart) {
    const UnitId russian = unit(kArea, "Квадратные Гектометры");
    const UnitId english = unit(kArea, "Квадратные Hectometers");
    const UnitId metres = unit(kArea, "Квадратные Метры");
    EXPECT_NE(russian, english);
    EXPECT_EQ(ConvertAmount(1, russian, metres), 100.0);
    EXPECT_EQ(ConvertAmount(1, english, metres), 10000.0);
    EXPECT_EQ(ConvertAmount(1, english, russian), 100.0);
}

TEST(Registry, RefusesUnitsOfDifferentFamilies) {
    EXPECT_THROW(ConvertAmount(1, unit(kDistance, "Метры"), unit(kMass, "Граммы")), std::invalid_argument);
}

// ---- temperature and time procedures --------------------------------------------

TEST(Temperature, HundredDegreesCelsiusInEveryScale) {
    const auto lines = listFor(kTemperature, "Цельсии", "100");
    EXPECT_EQ(lines, (std::vector<std::string>{"373,15 Кельвины", "671,67 Ранкины", "80,00 Ремуры",
                                               "212,00 Фаренгейты", "100,00 Цельсии"}));
}

TEST(Temperature, FixedPointsOfEachScaleReachCelsius) {
    struct Row {
        const char* unit;
        double value;
        double celsius;
    };
    const UnitId celsius = unit(kTemperature, "Цельсии");
    for (const Row& row : {Row{"Кельвины", 0, -273.15}, Row{"Фаренгейты", -40, -40}, Row{"Фаренгейты", 32, 0},
                           Row{"Ранкины", 491.67, 0}, Row{"Ремуры", 80, 100}}) {
        const UnitId u = unit(kTemperature, row.unit);
        EXPECT_NEAR(ConvertAmount(row.value, u, celsius), row.celsius, 1e-12) << row.unit;
        EXPECT_NEAR(ConvertAmount(row.celsius, celsius, u), row.value, 1e-12) << row.unit;
    }
}

TEST(JulianDate, MapsPublishedDatesOntoDayCounts) {
    // 2000-01-01 00:00 is Julian date 2451544.5 and day 36526 of the date-time;
    // the Julian dates of 0001-01-01 and 10000-01-01 (Gregorian) bound the calendar.
    const UnitId julian = unit(kTime, "Юлианская дата");
    const UnitId modified = unit(kTime, "Модифиц. Юлианская дата");
    const UnitId days = unit(kTime, "Дни");
    EXPECT_EQ(ConvertAmount(2451544.5, julian, days), 36526.0);
    EXPECT_EQ(ConvertAmount(51544, modified, days), 36526.0);
    EXPECT_EQ(ConvertAmount(0, days, julian), 2415018.5);
    EXPECT_EQ(ConvertAmount(0, days, modified), 15018.0);
    EXPECT_EQ(ConvertAmount(2451544.75, julian, modified), 51544.25);
    EXPECT_EQ(ConvertAmount(1721425.5, julian, days), -693593.0);
    EXPECT_EQ(ConvertAmount(5373484.25, julian, days), 2958465.75);
    for (double outside : {1721425.25, 5373484.5, 1.0, 1e300}) {
        try {
            ConvertAmount(outside, julian, days);
            ADD_FAILURE() << outside << " converted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()).find(" Julian cannot be represented as a DateTime"),
                      std::string(e.what()).find(' '));
        }
    }
}

TEST(JulianDate, FailureNamesTheDateWithTwoDecimals) {
    try {
        ConvertAmount(1, unit(kTime, "Юлианская дата"), unit(kTime, "Дни"));
        FAIL() << "converted";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "1,00 Julian cannot be represented as a DateTime");
    }
}

// ---- the lines the converter shows ---------------------------------------------

TEST(Lines, FamiliesAreShownInRussianAlphabeticalOrder) {
    std::vector<std::string> tabs;
    for (FamilyId f : familiesByName(reg()))
        tabs.push_back(reg().description(f));
    EXPECT_EQ(tabs, (std::vector<std::string>{"Время", "Масса", "Объём", "Площадь", "Расстояние", "Температура"}));
}

TEST(Lines, UnitsAreSortedLatinBeforeCyrillicAndPrefixesFirst) {
    EXPECT_EQ(names(unitsByName(reg(), familyNamed(kTime))),
              (std::vector<std::string>{"Века", "Годы", "Дата Время", "Две недели", "Декады", "Дни", "Месяцы",
                                        "Милисекунды", "Минуты", "Модифиц. Юлианская дата", "Недели", "Секунды",
                                        "Тысячелетия", "Часы", "Юлианская дата"}));
    const auto distance = names(unitsByName(reg(), familyNamed(kDistance)));
    EXPECT_EQ(std::vector<std::string>(distance.begin(), distance.begin() + 5),
              (std::vector<std::string>{"Furlongs", "Links", "Picas", "Points", "Ангстремы"}));
    const auto area = names(unitsByName(reg(), familyNamed(kArea)));
    const auto at = [&](const char* n) { return std::find(area.begin(), area.end(), n) - area.begin(); };
    EXPECT_LT(at("Квадратные Hectometers"), at("Квадратные Гектометры"));
}

TEST(Lines, OneKilometreInEveryDistanceUnit) {
    const auto lines = listFor(kDistance, "Километры", "1");
    EXPECT_EQ(lines.size(), reg().units(familyNamed(kDistance)).size());
    EXPECT_TRUE(contains(lines, "1" + nbsp + "000,00 Метры"));
    EXPECT_TRUE(contains(lines, "0,62 Мили"));
    EXPECT_TRUE(contains(lines, "1,00 Километры")); // the source itself shows the amount
    EXPECT_TRUE(contains(lines, "1" + nbsp + "000" + nbsp + "000" + nbsp + "000" + nbsp + "000" + nbsp +
                                    "000,00 Микромикроны"));
    EXPECT_TRUE(contains(lines, "49,71 Мерная цепь(Chains) ")); // the description keeps its trailing blank
}

TEST(Lines, AmountTextIsReadWithACommaAndAnythingElseCountsAsZero) {
    const UnitId kilograms = unit(kMass, "Килограммы");
    const std::vector<UnitId> grams = {unit(kMass, "Граммы")};
    EXPECT_EQ(ConversionLines(reg(), " 2,5 ", kilograms, grams), std::vector<std::string>{"2" + nbsp + "500,00 Граммы"});
    for (const char* notANumber : {"", "2.5", "abc", "1E999"})
        EXPECT_EQ(ConversionLines(reg(), notANumber, kilograms, grams), std::vector<std::string>{"0,00 Граммы"})
            << notANumber;
}

TEST(Lines, WithoutASourceUnitThereIsOneLine) {
    const std::vector<UnitId> targets = unitsByName(reg(), familyNamed(kMass));
    EXPECT_EQ(ConversionLines(reg(), "1", std::nullopt, targets), std::vector<std::string>{"No base type"});
}

TEST(Lines, JulianDayOneCannotBeComputedAtAll) {
    EXPECT_EQ(listFor(kTime, "Юлианская дата", "1"), std::vector<std::string>{"Не вычисляется"});
}

TEST(Lines, AFailedConversionEndsTheListAfterTheLinesBeforeIt) {
    // 1E305 days are too many milliseconds for a double; the units before that
    // line in the list are shown, none after it.
    const auto lines = listFor(kTime, "Дни", "1E305");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6].substr(lines[6].size() - std::string("Месяцы").size()), "Месяцы");
    EXPECT_EQ(lines[7], "Не вычисляется");
}

} // namespace
