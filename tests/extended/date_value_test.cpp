// Stored dates and times against the calendar: leap years, the days before
// 1899, the suffixes form text writes, rounding at midnight and the range a
// date and time picker takes.
#include "extended/date_value.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace vornic {
namespace {

struct DateCase {
  const char* date;
  const char* time;
  const char* expected;  // year-month-day weekday hour:minute:second.ms, or "none"
};

std::string Describe(const std::optional<CalendarTime>& moment) {
  if (!moment) return "none";
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %d %02d:%02d:%02d.%03d", moment->year,
                moment->month, moment->day, moment->day_of_week, moment->hour, moment->minute,
                moment->second, moment->millisecond);
  return text;
}

TEST(DateValueTest, StoredValuesGiveTheirCalendarMoment) {
  const DateCase cases[] = {
      {"0", "", "1899-12-30 6 00:00:00.000"},
      {"43976.000000000000000000", "0.776702326387749100", "2020-05-25 1 18:38:27.081"},
      {"36526", "", "2000-01-01 6 00:00:00.000"},
      // Leap days: 2000 is a leap year, 1900 is not.
      {"36585", "", "2000-02-29 2 00:00:00.000"},
      {"60", "", "1900-02-28 3 00:00:00.000"},
      {"61", "", "1900-03-01 4 00:00:00.000"},
      // Suffixes of date, single and currency values; the time of the date.
      {"38231.9272417708d", "", "2004-09-01 3 22:15:13.689"},
      {"36685.25s", "36685.25c", "2000-06-08 4 06:00:00.000"},
      // Before 1899 the day counts down and the time still counts forward.
      {"-1.25", "", "1899-12-29 5 06:00:00.000"},
      {"-53688", "", "1753-01-01 1 00:00:00.000"},
      // A time a hair short of midnight stays on its day.
      {"45000", "0.99999999999", "2023-03-15 3 23:59:59.999"},
      {"2958465", "", "9999-12-31 5 00:00:00.000"},
      {"1.5E4", "", "1941-01-24 5 00:00:00.000"},
      // Out of the picker's range, or no float at all.
      {"-53689", "", "none"},
      {"2958466", "", "none"},
      {"1e300", "", "none"},
      {"", "", "none"},
      {"12x", "", "none"},
      {"NAN", "", "none"},
      {"0.5", "zero", "1899-12-30 6 00:00:00.000"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(Describe(CalendarTimeOf(c.date, c.time)), c.expected) << c.date << " " << c.time;
  }
}

TEST(DateValueTest, SystemTimeLinesFillEveryField) {
  const std::optional<CalendarTime> moment = CalendarTimeOf("36585.5", "");
  ASSERT_TRUE(moment);
  EXPECT_EQ(SystemTimeLines("T", *moment),
            "\r\n  T.wYear := 2000; T.wMonth := 2; T.wDay := 29; T.wDayOfWeek := 2;"
            "\r\n  T.wHour := 12; T.wMinute := 0; T.wSecond := 0; T.wMilliseconds := 0;");
}

}  // namespace
}  // namespace vornic
