#include "ui/dateline.h"

#include <stdexcept>

namespace vy {

namespace {

// Days from 1970-01-01 to the given date (H. Hinnant's civil-date algorithm),
// valid for any year, negative ones included.
long long daysFromCivil(long long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

int weekdayOf(int year, int month, int day)
{
    // 1970-01-01 was a Thursday (5 when Sunday is 1).
    const long long days = daysFromCivil(year, month, day);
    const long long fromSunday = ((days + 4) % 7 + 7) % 7;
    return static_cast<int>(fromSunday) + 1;
}

std::string dateLine(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        throw std::out_of_range("date out of range: " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                                std::to_string(day));
    return std::string(kWeekdayNames[static_cast<std::size_t>(weekdayOf(year, month, day) - 1)]) + ", " +
           std::to_string(day) + " " + kMonthGenitive[static_cast<std::size_t>(month - 1)] + " " +
           std::to_string(year) + " года";
}

} // namespace vy
