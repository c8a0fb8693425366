// Date and time pickers and month calendars, classes only the extended
// translation writes: the system's 'SysDateTimePick32' and 'SysMonthCal32',
// showing the moment the form stores.
#include <memory>
#include <optional>
#include <string>

#include "controls/date_value.h"
#include "controls/property_tables.h"
#include "controls/record_generator.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

constexpr ValueStyle kKinds[] = {{"dtkDate", ""}, {"dtkTime", " or DTS_TIMEFORMAT"}};
constexpr ValueStyle kDateFormats[] = {{"dfShort", " or DTS_SHORTDATEFORMAT"},
                                       {"dfLong", " or DTS_LONGDATEFORMAT"}};
constexpr ValueStyle kDateModes[] = {{"dmComboBox", ""}, {"dmUpDown", " or DTS_UPDOWN"}};
constexpr ValueStyle kCalendarAlignments[] = {{"dtaLeft", ""}, {"dtaRight", " or DTS_RIGHTALIGN"}};

struct DateControlRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Date;
  std::string Time;
  std::string MinDate;
  std::string MaxDate;
  // Date and time pickers.
  std::string Kind;
  std::string DateFormat;
  std::string DateMode;
  std::string CalAlignment;
  std::string ShowCheckbox;
  std::string Checked;
  std::string Format;
  // Month calendars.
  std::string WeekNumbers;
  std::string ShowToday;
  std::string ShowTodayCircle;
  std::string MultiSelect;
};

constexpr NamedField<DateControlRecord> kFields[] = {
    {"Date", &DateControlRecord::Date},
    {"Time", &DateControlRecord::Time},
    {"MinDate", &DateControlRecord::MinDate},
    {"MaxDate", &DateControlRecord::MaxDate},
    {"Kind", &DateControlRecord::Kind},
    {"DateFormat", &DateControlRecord::DateFormat},
    {"DateMode", &DateControlRecord::DateMode},
    {"CalAlignment", &DateControlRecord::CalAlignment},
    {"ShowCheckbox", &DateControlRecord::ShowCheckbox},
    {"Checked", &DateControlRecord::Checked},
    {"Format", &DateControlRecord::Format},
    {"WeekNumbers", &DateControlRecord::WeekNumbers},
    {"ShowToday", &DateControlRecord::ShowToday},
    {"ShowTodayCircle", &DateControlRecord::ShowTodayCircle},
    {"MultiSelect", &DateControlRecord::MultiSelect}};

// Both classes belong to the date classes of the common controls, which
// InitCommonControls alone need not register.
void InitDateClasses(GeneratorContext context) {
  context.DeclareOnce("CommonClasses: TInitCommonControlsEx;");
  context.AddTextOnce("windowproccreatemidle",
                      "\r\n      CommonClasses.dwSize := SizeOf(CommonClasses);"
                      "\r\n      CommonClasses.dwICC := ICC_DATE_CLASSES;"
                      "\r\n      InitCommonControlsEx(CommonClasses);");
}

// The lines that give the control its stored moment with `message`; empty
// when the form stores none the control can show.
std::string MomentLines(GeneratorContext context, const DateControlRecord& record,
                        const std::string& message) {
  const std::optional<CalendarTime> moment = CalendarTimeOf(record.Date, record.Time);
  if (!moment) return "";
  context.DeclareOnce("PickerTime: TSystemTime;");
  return "\r\n  { show the stored date }" + SystemTimeLines("PickerTime", *moment) +
         "\r\n  SendMessage(" + record.ControlName + "," + message + ",LParam(@PickerTime));";
}

// A stored bound; 0, the first moment of the day count, stands for none.
std::optional<CalendarTime> BoundOf(const std::string& value) {
  const std::optional<CalendarTime> bound = CalendarTimeOf(value, "");
  if (bound && bound->year == 1899 && bound->month == 12 && bound->day == 30 && bound->hour == 0 &&
      bound->minute == 0 && bound->second == 0 && bound->millisecond == 0) {
    return std::nullopt;
  }
  return bound;
}

// The lines that keep the control's dates within the stored MinDate and
// MaxDate with `message`.
std::string RangeLines(GeneratorContext context, const DateControlRecord& record,
                       const std::string& message) {
  std::string fill;
  std::string flags;
  if (const std::optional<CalendarTime> low = BoundOf(record.MinDate)) {
    fill += SystemTimeLines("PickerRange[0]", *low);
    flags = "GDTR_MIN";
  }
  if (const std::optional<CalendarTime> high = BoundOf(record.MaxDate)) {
    fill += SystemTimeLines("PickerRange[1]", *high);
    flags += flags.empty() ? "GDTR_MAX" : " or GDTR_MAX";
  }
  if (flags.empty()) return "";
  context.DeclareOnce("PickerRange: array[0..1] of TSystemTime;");
  return "\r\n  { keep the dates within the stored range }" + fill + "\r\n  SendMessage(" +
         record.ControlName + "," + message + "," + flags + ",LParam(@PickerRange));";
}

class DateControlGenerator : public RecordGenerator<DateControlRecord> {
 protected:
  void StoreProperty(const LineWords& line) override { StoreNamedField(kFields, record_, line); }
};

class DateTimePickerGenerator final : public DateControlGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    InitDateClasses(context);
    const DateControlRecord& picker = record_;
    // The time format is a style of its own, which no date format joins.
    const bool time = picker.Kind == "dtkTime";
    std::string styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP") +
                         StyleForValue(kKinds, picker.Kind) +
                         (time ? "" : StyleForValue(kDateFormats, picker.DateFormat)) +
                         (time ? "" : StyleForValue(kDateModes, picker.DateMode)) +
                         StyleForValue(kCalendarAlignments, picker.CalAlignment);
    const bool check_box = FlagOf(picker.ShowCheckbox, false);
    if (check_box) styles += " or DTS_SHOWNONE";
    std::string after;
    if (!picker.Format.empty()) {
      after += "\r\n  SendMessage(" + picker.ControlName + ",DTM_SETFORMAT,0,LParam(PChar(" +
               picker.Format + ")));";
    }
    after += RangeLines(context, picker, "DTM_SETRANGE");
    after += MomentLines(context, picker, "DTM_SETSYSTEMTIME,GDT_VALID");
    if (check_box && !FlagOf(picker.Checked, true)) {
      // Some implementations want a time to read even when told there is none.
      context.DeclareOnce("PickerTime: TSystemTime;");
      after += "\r\n  SendMessage(" + picker.ControlName +
               ",DTM_SETSYSTEMTIME,GDT_NONE,LParam(@PickerTime));";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = picker.ControlName,
                                  .banner = "Create a date and time picker",
                                  .call = ":= CreateWindow('SysDateTimePick32','', ",
                                  .styles = styles,
                                  .box = BoxOf(picker),
                                  .after = after,
                                  .takes_focus = true,
                                  .common = true});
  }
};

class MonthCalendarGenerator final : public DateControlGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    InitDateClasses(context);
    const DateControlRecord& calendar = record_;
    std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP";
    if (FlagOf(calendar.WeekNumbers, false)) styles += " or MCS_WEEKNUMBERS";
    if (!FlagOf(calendar.ShowToday, true)) styles += " or MCS_NOTODAY";
    if (!FlagOf(calendar.ShowTodayCircle, true)) styles += " or MCS_NOTODAYCIRCLE";
    if (FlagOf(calendar.MultiSelect, false)) styles += " or MCS_MULTISELECT";
    // A calendar that selects a range of days takes its selection another way.
    std::string after = RangeLines(context, calendar, "MCM_SETRANGE");
    if (!FlagOf(calendar.MultiSelect, false)) {
      after += MomentLines(context, calendar, "MCM_SETCURSEL,0");
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = calendar.ControlName,
                                  .banner = "Create a month calendar",
                                  .call = ":= CreateWindow('SysMonthCal32','', ",
                                  .styles = styles,
                                  .box = BoxOf(calendar),
                                  .after = after,
                                  .takes_focus = true,
                                  .common = true});
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewDateTimePicker() {
  return std::make_unique<DateTimePickerGenerator>();
}

std::unique_ptr<ControlGenerator> NewMonthCalendar() {
  return std::make_unique<MonthCalendarGenerator>();
}

}  // namespace vornic
