#pragma once
// The unit converter: a registry of families of units (distance, area, volume,
// mass, temperature, time), each with a base unit, and the conversion of an
// amount between two units of one family through that base.
//
// A unit converts either by a factor (how many base units one unit is: to the
// base x * factor, from the base x / factor) or by a pair of procedures. Each
// step runs in extended precision and is rounded to a double. A step whose
// result leaves the double range throws FloatFailure; a Julian date outside the
// calendar throws ConvertError (calc/converterror.h).
#include "calc/converterror.h"

#include <compare>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vy::units {

struct FamilyId {
    std::size_t index = 0;
    auto operator<=>(const FamilyId&) const = default;
};
struct UnitId {
    std::size_t index = 0;
    auto operator<=>(const UnitId&) const = default;
};

// To or from the base unit, in extended precision.
using Procedure = long double (*)(long double);

class Registry {
public:
    FamilyId addFamily(std::string description);
    // A unit worth factor base units. The base unit itself is added with
    // addBaseUnit (factor 1).
    UnitId addUnit(FamilyId family, std::string description, double factor);
    UnitId addBaseUnit(FamilyId family, std::string description);
    UnitId addUnit(FamilyId family, std::string description, Procedure toBase, Procedure fromBase);

    // Both lists in registration order.
    std::vector<FamilyId> families() const;
    const std::vector<UnitId>& units(FamilyId family) const;

    const std::string& description(FamilyId family) const;
    const std::string& description(UnitId unit) const;
    FamilyId family(UnitId unit) const;
    // Empty until addBaseUnit names it.
    std::optional<UnitId> baseUnit(FamilyId family) const;

    double toBase(UnitId unit, double amount) const;
    double fromBase(UnitId unit, double amount) const;
    // amount of unit `from` in unit `to`; both must belong to one family
    // (std::invalid_argument otherwise).
    double convert(double amount, UnitId from, UnitId to) const;

private:
    struct Family {
        std::string description;
        std::vector<UnitId> units;
        std::optional<UnitId> base;
    };
    struct Unit {
        FamilyId family;
        std::string description;
        double factor = 1.0;       // used when the procedures are null
        Procedure toBase = nullptr;
        Procedure fromBase = nullptr;
    };
    UnitId add(FamilyId family, Unit unit);

    std::vector<Family> families_;
    std::vector<Unit> units_;
};

// The program's registry, filled with the fixed table on first use and never
// changed afterwards (safe to read from any thread).
const Registry& standardRegistry();

// Family descriptions (the tab captions).
inline constexpr const char* kDistance = "Расстояние";
inline constexpr const char* kArea = "Площадь";
inline constexpr const char* kVolume = "Объём";
inline constexpr const char* kMass = "Масса";
inline constexpr const char* kTemperature = "Температура";
inline constexpr const char* kTime = "Время";

// Lines of the result list.
inline constexpr const char* kNoSourceUnit = "No base type";
inline constexpr const char* kNotComputable = "Не вычисляется";

// The conversion of the standard registry.
double ConvertAmount(double amount, UnitId from, UnitId to);

// Looks a unit up by family and unit description in the standard registry;
// empty if there is none.
std::optional<UnitId> findUnit(std::string_view family, std::string_view unit);

// Families and a family's units in the order they are shown: by name, in the
// fixed Russian alphabetical order without regard to case.
std::vector<FamilyId> familiesByName(const Registry& registry);
std::vector<UnitId> unitsByName(const Registry& registry, FamilyId family);

// The result list for an amount typed as text: amountText (decimal comma; any
// text that is not a number counts as 0) in the source unit, converted to each
// of targets in turn, one line "<amount with two decimals and grouped
// thousands> <unit description>" each. Without a source unit the list is the
// single line "No base type"; a conversion that fails ends the list with
// "Не вычисляется".
std::vector<std::string> ConversionLines(const Registry& registry, std::string_view amountText,
                                         std::optional<UnitId> source, std::span<const UnitId> targets);

} // namespace vy::units
