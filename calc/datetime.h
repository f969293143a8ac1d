#pragma once
// The day-based date-time: days counted from 30 December 1899 00:00, the time
// of day as the fraction. It covers the years 1 to 9999 of the Gregorian
// calendar (extended backwards before its introduction).
namespace vy::datetime {

// 1 January of the year 1, 00:00.
inline constexpr double kFirst = -693593.0;
// 1 January 10000, 00:00: the first moment past the last representable day.
inline constexpr double kPastLast = 2958466.0;
// The astronomical Julian date of date-time 0.
inline constexpr double kJulianDateOfZero = 2415018.5;
// A modified Julian date is the Julian date less this.
inline constexpr double kModifiedJulianOffset = 2400000.5;

bool isRepresentable(long double dateTime);

// The date-time whose Julian date is julianDate. A Julian date outside the
// years 1 to 9999 throws units::ConvertError with
// "<julianDate with two decimals> Julian cannot be represented as a DateTime".
long double JulianDateToDateTime(long double julianDate);
long double DateTimeToJulianDate(long double dateTime);
long double ModifiedJulianDateToDateTime(long double modifiedJulianDate);
long double DateTimeToModifiedJulianDate(long double dateTime);

} // namespace vy::datetime
