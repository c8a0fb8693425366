// Date and time pickers and month calendars, classes only the extended
// translation writes: the system's 'SysDateTimePick32' and 'SysMonthCal32',
// showing the moment the form stores.
#include <memory>
#include <optional>
#include <string>

#include "builder/control_generator.h"
#include "controls/date_value.h"
#include "controls/geometry.h"
#include "controls/property_tables.h"
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
  context.AddTextOnce("var", "\r\n    CommonClasses: TInitCommonControlsEx;");
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
  context.AddTextOnce("var", "\r\n    PickerTime: TSystemTime;");
  return "\r\n  { show the stored date }" + SystemTimeLines("PickerTime", *moment) +
         "\r\n  SendMessage(" + record.ControlName + "," + message + ",LParam(@PickerTime));";
}

class DateControlGenerator : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    record_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(record_, line)) return;
    StoreNamedField(kFields, record_, line);
  }

 protected:
  DateControlRecord record_;
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
    after += MomentLines(context, picker, "DTM_SETSYSTEMTIME,GDT_VALID");
    if (check_box && !FlagOf(picker.Checked, true)) {
      // Some implementations want a time to read even when told there is none.
      context.AddTextOnce("var", "\r\n    PickerTime: TSystemTime;");
      after += "\r\n  SendMessage(" + picker.ControlName +
               ",DTM_SETSYSTEMTIME,GDT_NONE,LParam(@PickerTime));";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = picker.ControlName,
                                  .banner = "Create a date and time picker",
                                  .call = ":= CreateWindow('SysDateTimePick32','', ",
                                  .styles = styles,
                                  .left = picker.Left,
                                  .top = picker.Top,
                                  .width = picker.Width,
                                  .height = picker.Height,
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
    // A calendar that selects a range takes its selection another way.
    const std::string after = FlagOf(calendar.MultiSelect, false)
                                  ? ""
                                  : MomentLines(context, calendar, "MCM_SETCURSEL,0");
    CreateWindowControl(context, {.level = line.Level,
                                  .name = calendar.ControlName,
                                  .banner = "Create a month calendar",
                                  .call = ":= CreateWindow('SysMonthCal32','', ",
                                  .styles = styles,
                                  .left = calendar.Left,
                                  .top = calendar.Top,
                                  .width = calendar.Width,
                                  .height = calendar.Height,
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
