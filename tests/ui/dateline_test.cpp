// The calendar's date line: weekday and genitive month from the fixed tables.
#include "ui/dateline.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace vy {
namespace {

TEST(DateLine, WritesTheDateInWords)
{
    struct Row {
        int year, month, day;
        const char* line;
    };
    const Row rows[] = {
        {2026, 1, 1, "Четверг, 1 января 2026 года"},      {2025, 12, 8, "Понедельник, 8 декабря 2025 года"},
        {2024, 3, 31, "Воскресенье, 31 марта 2024 года"}, // a Sunday: the first row of the table
        {2024, 2, 29, "Четверг, 29 февраля 2024 года"},   // leap day
        {2000, 1, 1, "Суббота, 1 января 2000 года"},      // every fourth century is a leap year
        {1900, 3, 1, "Четверг, 1 марта 1900 года"},       // 1900 was not
        {2100, 3, 1, "Понедельник, 1 марта 2100 года"},   // nor is 2100
        {1, 1, 1, "Понедельник, 1 января 1 года"},        {9999, 12, 31, "Пятница, 31 декабря 9999 года"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(dateLine(r.year, r.month, r.day), r.line) << r.year << "-" << r.month << "-" << r.day;
}

TEST(DateLine, AWeekRunsThroughTheWeekdayTableAndTheYearThroughTheMonths)
{
    // 2026-01-04 is a Sunday.
    for (int day = 4; day < 11; ++day)
        EXPECT_EQ(weekdayOf(2026, 1, day), day - 3);
    for (int month = 1; month <= 12; ++month) {
        const std::string line = dateLine(2026, month, 15);
        EXPECT_NE(line.find(std::string(" 15 ") + kMonthGenitive[static_cast<std::size_t>(month - 1)] + " 2026 года"),
                  std::string::npos)
            << line;
    }
}

TEST(DateLine, RefusesAMonthOrDayNoCalendarHas)
{
    EXPECT_THROW(dateLine(2026, 0, 1), std::out_of_range);
    EXPECT_THROW(dateLine(2026, 13, 1), std::out_of_range);
    EXPECT_THROW(dateLine(2026, 1, 0), std::out_of_range);
    EXPECT_THROW(dateLine(2026, 1, 32), std::out_of_range);
}

} // namespace
} // namespace vy
