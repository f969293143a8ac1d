#pragma once
// Today's date written out in Russian words for the calendar window:
// "Четверг, 1 января 2026 года". The weekday and month names come from fixed
// tables (the month in the genitive, as a date is read aloud).
#include <array>
#include <string>

namespace vy {

// Weekday names, index 0 = Sunday.
inline constexpr std::array<const char*, 7> kWeekdayNames = {
    "Воскресенье", "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота",
};
// Month names in the genitive, index 0 = January.
inline constexpr std::array<const char*, 12> kMonthGenitive = {
    "января", "февраля", "марта",    "апреля",  "мая",    "июня",
    "июля",   "августа", "сентября", "октября", "ноября", "декабря",
};

// Day of the week of a date of the proleptic Gregorian calendar: 1 = Sunday ..
// 7 = Saturday.
int weekdayOf(int year, int month, int day);

// "<weekday>, <day> <month> <year> года". A month outside 1..12 or a day
// outside 1..31 throws std::out_of_range (a clock never gives one).
std::string dateLine(int year, int month, int day);

} // namespace vy
