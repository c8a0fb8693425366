// Stored date and time values (days since 30 December 1899, the fraction
// being the time of day) turned into the calendar fields of a TSystemTime.
#pragma once

#include <optional>
#include <string>

namespace vornic {

/// A moment as the system's date controls take it.
struct CalendarTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int day_of_week = 0;  // 0 is Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

/// The moment a date control stores as `date` (its day counts) and `time`
/// (its fraction counts; empty: the fraction of `date`), each a float as
/// form text writes it, with or without a type suffix. Empty when `date` is
/// not such a float or lies outside the years 1753 to 9999, which the date
/// and time picker refuses.
std::optional<CalendarTime> CalendarTimeOf(const std::string& date, const std::string& time);

/// Program lines that fill the TSystemTime variable `variable` with `moment`.
std::string SystemTimeLines(const std::string& variable, const CalendarTime& moment);

}  // namespace vornic
