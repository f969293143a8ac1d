#include "calc/units.h"

#include "calc/datetime.h"
#include "core/floatfail.h"
#include "core/numtext.h"
#include "core/textorder.h"

#include <algorithm>
#include <stdexcept>

namespace vy::units {

// ---- the registry ------------------------------------------------------------

FamilyId Registry::addFamily(std::string description)
{
    families_.push_back({std::move(description), {}, std::nullopt});
    return FamilyId{families_.size() - 1};
}

UnitId Registry::add(FamilyId family, Unit unit)
{
    const UnitId id{units_.size()};
    units_.push_back(std::move(unit));
    families_.at(family.index).units.push_back(id);
    return id;
}

UnitId Registry::addUnit(FamilyId family, std::string description, double factor)
{
    return add(family, {family, std::move(description), factor, nullptr, nullptr});
}

UnitId Registry::addBaseUnit(FamilyId family, std::string description)
{
    const UnitId id = addUnit(family, std::move(description), 1.0);
    families_[family.index].base = id;
    return id;
}

UnitId Registry::addUnit(FamilyId family, std::string description, Procedure toBase, Procedure fromBase)
{
    return add(family, {family, std::move(description), 1.0, toBase, fromBase});
}

std::vector<FamilyId> Registry::families() const
{
    std::vector<FamilyId> out;
    out.reserve(families_.size());
    for (std::size_t i = 0; i < families_.size(); ++i)
        out.push_back(FamilyId{i});
    return out;
}

const std::vector<UnitId>& Registry::units(FamilyId family) const { return families_.at(family.index).units; }
const std::string& Registry::description(FamilyId family) const { return families_.at(family.index).description; }
const std::string& Registry::description(UnitId unit) const { return units_.at(unit.index).description; }
FamilyId Registry::family(UnitId unit) const { return units_.at(unit.index).family; }
std::optional<UnitId> Registry::baseUnit(FamilyId family) const { return families_.at(family.index).base; }

double Registry::toBase(UnitId unit, double amount) const
{
    const Unit& u = units_.at(unit.index);
    if (u.toBase)
        return checked::toDouble(checked::check(u.toBase(amount)));
    return checked::toDouble(checked::mul(amount, u.factor));
}

double Registry::fromBase(UnitId unit, double amount) const
{
    const Unit& u = units_.at(unit.index);
    if (u.fromBase)
        return checked::toDouble(checked::check(u.fromBase(amount)));
    return checked::toDouble(checked::div(amount, u.factor));
}

double Registry::convert(double amount, UnitId from, UnitId to) const
{
    if (family(from) != family(to))
        throw std::invalid_argument("units of different families: " + description(from) + ", " + description(to));
    return fromBase(to, toBase(from, amount));
}

// ---- the fixed table -----------------------------------------------------------

namespace {

struct FactorRow {
    const char* description;
    double factor;
};

void addAll(Registry& r, FamilyId family, std::initializer_list<FactorRow> rows)
{
    for (const FactorRow& row : rows)
        r.addUnit(family, row.description, row.factor);
}

// Temperatures go through degrees Celsius by the formulas of each scale, kept in
// the form they were first written (the Réaumur pair detours through Fahrenheit).
long double kelvinToCelsius(long double x) { return x - 273.15L; }
long double celsiusToKelvin(long double c) { return c + 273.15L; }
long double fahrenheitToCelsius(long double x) { return (x - 32) * 5 / 9; }
long double celsiusToFahrenheit(long double c) { return c * 9 / 5 + 32; }
long double rankineToCelsius(long double x) { return ((x - 459.67L) - 32) * 5 / 9; }
long double celsiusToRankine(long double c) { return (c * 9 / 5 + 32) + 459.67L; }
long double reaumurToCelsius(long double x) { return ((x * 9 / 4 + 32) - 32) * 5 / 9; }
long double celsiusToReaumur(long double c) { return ((c * 9 / 5 + 32) - 32) * 4 / 9; }

Registry makeStandard()
{
    Registry r;

    const FamilyId distance = r.addFamily(kDistance);
    addAll(r, distance, {{"Микромикроны", 1e-12}, {"Ангстремы", 1e-10}, {"Милимикроны", 1e-9}, {"Микроны", 1e-6},
                         {"Милиметры", 0.001}, {"Сантиметры", 0.01}, {"Дециметры", 0.1}});
    r.addBaseUnit(distance, "Метры");
    addAll(r, distance,
           {{"Декаметры", 10}, {"Гектометры", 100}, {"Километры", 1000}, {"Мегаметры", 1e6}, {"Гигаметры", 1e9},
            {"Дюймы", 0.0254}, {"Футы", 0.3048}, {"Ярды", 0.9144}, {"Мили", 1609.344}, {"Морские мили", 1852},
            {"Астрономические единицы", 149598000000.0}, {"Световые года", 9460528404879358.0},
            {"Парсеки", 30856802484953068.0}, {"Локти", 0.4572}, {"Морские сажени", 1.8288},
            {"Furlongs", 201.168}, {"Руки", 0.1016}, {"Шаги", 0.762}, {"Роды(Rods)", 5.0292},
            {"Мерная цепь(Chains) ", 20.1168}, {"Links", 0.201168}, {"Picas", 0.0042175176},
            {"Points", 0.0003514598}});

    const FamilyId area = r.addFamily(kArea);
    addAll(r, area, {{"Квадратные Миллиметры", 1e-6}, {"Квадратные Сантиметры", 0.0001},
                     {"Квадратные Дециметры", 0.01}});
    r.addBaseUnit(area, "Квадратные Метры");
    // Both hectometre entries are kept as they have always been: the Russian one
    // is worth 100, the English one 10000 square metres.
    addAll(r, area,
           {{"Квадратные Гектометры", 100}, {"Квадратные Hectometers", 10000}, {"Квадратные Километры", 1e6},
            {"Квадратные Дюймы", 0.00064516}, {"Квадратные Футы", 0.09290304}, {"Квадратные Ярды", 0.83612736},
            {"Квадратные Мили", 2589988.110336}, {"Акры", 4046.8564224}, {"Centares", 1}, {"Ары", 100},
            {"Гектары", 10000}, {"Квадратные Роды (SquareRods)", 25.29285264}});

    const FamilyId volume = r.addFamily(kVolume);
    addAll(r, volume, {{"Кубические Миллиметры", 1e-9}, {"Кубические Сантиметры", 1e-6},
                       {"Кубические Дециметры", 0.001}});
    r.addBaseUnit(volume, "Кубические Метры");
    addAll(r, volume,
           {{"Кубические Декаметры", 1000}, {"Кубические Гектаметры", 1e6}, {"Кубические Километры", 1e9},
            {"Кубические Дюймы", 0.000016387064}, {"Кубические Футы", 0.028316846592},
            {"Кубические Ярды", 0.764554857984}, {"Кубические Мили", 4168181825.4405794},
            {"Милилитры", 1e-6}, {"Сантилитры", 0.00001}, {"Децилитры", 0.0001}, {"Литры", 0.001},
            {"Декалитры", 0.01}, {"Гектолитры", 0.1}, {"Килолитры", 1}, {"Футы Акр", 1233.48183754752},
            {"Дюймы Акр", 102.79015312896}, {"Корд", 3.624556363776}, {"Корд Фут", 0.453069545472},
            {"Децистеры", 0.1}, {"Стеры", 1}, {"Декастеры", 10},
            {"Жидкие Галлоны", 0.003785411784}, {"Жидкие Кварты", 0.000946352946},
            {"Жидкие Пинты", 0.000473176473}, {"Жидкие Чашки", 0.0002365882365},
            {"Жидкие Джилы", 0.00011829411825}, {"Жидкие Унции", 0.0000295735295625},
            {"Жидкие Столовые ложки", 0.00001478676478125}, {"Жидкие Чайные ложки", 0.00000492892159375},
            {"Сухие Галлоны", 0.00440488377086}, {"Сухие Кварты", 0.001101220942715},
            {"Сухие Пинты", 0.0005506104713575}, {"Сухие Пеки", 0.00880976754172},
            {"Ведра(DryBuckets)", 0.01761953508344}, {"Сухие Бушели", 0.03523907016688},
            {"Брит. Галлоны", 0.00454609}, {"Брит. Потл(UKPottles)", 0.002273045},
            {"Брит. Кварты", 0.0011365225}, {"Брит. Пинты", 0.00056826125}, {"Брит. Джилы", 0.0001420653125},
            {"Брит. Унции", 0.0000284130625}, {"Брит. Пеки", 0.00909218}, {"Брит. Ведра(UKBuckets)", 0.01818436},
            {"Брит. Бушели", 0.03636872}});

    const FamilyId mass = r.addFamily(kMass);
    addAll(r, mass, {{"Нанограммы", 1e-9}, {"Микрограммы", 1e-6}, {"Милиграммы", 0.001}, {"Сантиграммы", 0.01},
                     {"Дециграммы", 0.1}});
    r.addBaseUnit(mass, "Граммы");
    addAll(r, mass,
           {{"Декаграммы", 10}, {"Гектограммы", 100}, {"Килограммы", 1000}, {"Метрич. тонны", 1e6},
            {"Драхмы", 1.7718451953125}, {"Граны", 0.06479891}, {"Тонны", 907184.74},
            {"Длинные тонны(LongTons)", 1016046.9088}, {"Унции", 28.349523125}, {"Фунты", 453.59237},
            {"Стоун", 6350.29318}});

    const FamilyId temperature = r.addFamily(kTemperature);
    r.addBaseUnit(temperature, "Цельсии");
    r.addUnit(temperature, "Кельвины", kelvinToCelsius, celsiusToKelvin);
    r.addUnit(temperature, "Фаренгейты", fahrenheitToCelsius, celsiusToFahrenheit);
    r.addUnit(temperature, "Ранкины", rankineToCelsius, celsiusToRankine);
    r.addUnit(temperature, "Ремуры", reaumurToCelsius, celsiusToReaumur);

    const FamilyId time = r.addFamily(kTime);
    addAll(r, time, {{"Милисекунды", 1.0 / 86400000}, {"Секунды", 1.0 / 86400}, {"Минуты", 1.0 / 1440},
                     {"Часы", 1.0 / 24}});
    r.addBaseUnit(time, "Дни");
    addAll(r, time, {{"Недели", 7}, {"Две недели", 14}, {"Месяцы", 30.4375}, {"Годы", 365.25}, {"Декады", 3652.5},
                     {"Века", 36525}, {"Тысячелетия", 365250}, {"Дата Время", 1}});
    r.addUnit(time, "Юлианская дата", datetime::JulianDateToDateTime, datetime::DateTimeToJulianDate);
    r.addUnit(time, "Модифиц. Юлианская дата", datetime::ModifiedJulianDateToDateTime,
              datetime::DateTimeToModifiedJulianDate);

    return r;
}

} // namespace

const Registry& standardRegistry()
{
    static const Registry registry = makeStandard();
    return registry;
}

double ConvertAmount(double amount, UnitId from, UnitId to) { return standardRegistry().convert(amount, from, to); }

std::optional<UnitId> findUnit(std::string_view family, std::string_view unit)
{
    const Registry& r = standardRegistry();
    for (FamilyId f : r.families()) {
        if (r.description(f) != family)
            continue;
        for (UnitId u : r.units(f))
            if (r.description(u) == unit)
                return u;
    }
    return std::nullopt;
}

// ---- what the converter shows ----------------------------------------------------

std::vector<FamilyId> familiesByName(const Registry& registry)
{
    std::vector<FamilyId> out = registry.families();
    std::stable_sort(out.begin(), out.end(), [&](FamilyId a, FamilyId b) {
        return textLess(registry.description(a), registry.description(b));
    });
    return out;
}

std::vector<UnitId> unitsByName(const Registry& registry, FamilyId family)
{
    std::vector<UnitId> out = registry.units(family);
    std::stable_sort(out.begin(), out.end(), [&](UnitId a, UnitId b) {
        return textLess(registry.description(a), registry.description(b));
    });
    return out;
}

std::vector<std::string> ConversionLines(const Registry& registry, std::string_view amountText,
                                         std::optional<UnitId> source, std::span<const UnitId> targets)
{
    if (!source)
        return {kNoSourceUnit};
    const double amount = TryStrToFloat(amountText).value_or(0.0);
    std::vector<std::string> lines;
    lines.reserve(targets.size());
    for (UnitId target : targets) {
        try {
            lines.push_back(FormatGrouped(registry.convert(amount, *source, target), 2) + " " +
                            registry.description(target));
        } catch (const FloatFailure&) {
            lines.emplace_back(kNotComputable);
            break;
        } catch (const ConvertError&) {
            lines.emplace_back(kNotComputable);
            break;
        }
    }
    return lines;
}

} // namespace vy::units
