// Day counts to calendar dates without any locale or time zone: the count is
// shifted to the days since 1 March of year 0, whose 400-year cycles of
// 146097 days make the leap years fall into place.
#include "extended/date_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vornic {

namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
// Days from 1 March 0000 to 30 December 1899, the day stored as 0.
constexpr int64_t kDayZero = 693899;
// 30 December 1899 was a Saturday.
constexpr int kDayZeroWeekday = 6;

std::optional<double> FloatOf(const std::string& text) {
  std::string digits = text;
  // Single, currency and date values carry a suffix letter.
  if (!digits.empty() && std::string("sScCdD").find(digits.back()) != std::string::npos) {
    digits.pop_back();
  }
  double value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

void SetDate(CalendarTime& moment, int64_t days) {
  const int64_t shifted = days + kDayZero;
  const int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
  const int64_t day_of_era = shifted - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t month_from_march = (5 * day_of_year + 2) / 153;
  moment.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  moment.month =
      static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  moment.year = static_cast<int>(year_of_era + era * 400 + (moment.month <= 2 ? 1 : 0));
  moment.day_of_week = static_cast<int>(((days + kDayZeroWeekday) % 7 + 7) % 7);
}

void SetTime(CalendarTime& moment, double value) {
  // The time of a negative value counts forward too: -1.25 is 6 o'clock on
  // 29 December 1899.
  int64_t milliseconds = std::llround(std::fabs(value - std::trunc(value)) * kMillisecondsPerDay);
  if (milliseconds >= kMillisecondsPerDay) milliseconds = kMillisecondsPerDay - 1;
  moment.millisecond = static_cast<int>(milliseconds % 1000);
  moment.second = static_cast<int>(milliseconds / 1000 % 60);
  moment.minute = static_cast<int>(milliseconds / 60000 % 60);
  moment.hour = static_cast<int>(milliseconds / 3600000);
}

}  // namespace

std::optional<CalendarTime> CalendarTimeOf(const std::string& date, const std::string& time) {
  const std::optional<double> date_value = FloatOf(date);
  // Beyond a few million days no year fits; the bound keeps the cast exact.
  if (!date_value || std::fabs(*date_value) > 1e7) return std::nullopt;
  CalendarTime moment;
  SetDate(moment, static_cast<int64_t>(std::trunc(*date_value)));
  if (moment.year < 1753 || moment.year > 9999) return std::nullopt;
  const std::optional<double> time_value = time.empty() ? date_value : FloatOf(time);
  if (time_value) SetTime(moment, *time_value);
  return moment;
}

std::string SystemTimeLines(const std::string& variable, const CalendarTime& moment) {
  const auto field = [&variable](const char* name, int value) {
    return variable + "." + name + " := " + std::to_string(value) + ";";
  };
  return "\r\n  " + field("wYear", moment.year) + " " + field("wMonth", moment.month) + " " +
         field("wDay", moment.day) + " " + field("wDayOfWeek", moment.day_of_week) + "\r\n  " +
         field("wHour", moment.hour) + " " + field("wMinute", moment.minute) + " " +
         field("wSecond", moment.second) + " " + field("wMilliseconds", moment.millisecond);
}

}  // namespace vornic
