#include "calc/datetime.h"

#include "calc/converterror.h"
#include "core/numtext.h"

namespace vy::datetime {

bool isRepresentable(long double dateTime) { return dateTime >= kFirst && dateTime < kPastLast; }

long double JulianDateToDateTime(long double julianDate)
{
    // Julian days and date-time days have the same length, so the mapping is a
    // shift; only its range is bounded by the calendar.
    const long double dateTime = julianDate - kJulianDateOfZero;
    if (!isRepresentable(dateTime)) // NaN included
        throw units::ConvertError(FormatFixed(julianDate, 2) + " Julian cannot be represented as a DateTime");
    return dateTime;
}

long double DateTimeToJulianDate(long double dateTime) { return dateTime + kJulianDateOfZero; }

long double ModifiedJulianDateToDateTime(long double modifiedJulianDate)
{
    return JulianDateToDateTime(modifiedJulianDate + kModifiedJulianOffset);
}

long double DateTimeToModifiedJulianDate(long double dateTime)
{
    return DateTimeToJulianDate(dateTime) - kModifiedJulianOffset;
}

} // namespace vy::datetime
