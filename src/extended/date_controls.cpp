// Date and time pickers and month calendars: the system's
// 'SysDateTimePick32' and 'SysMonthCal32', showing the moment the form
// stores and kept within its stored range.
#include <memory>
#include <optional>
#include <string>

#include "extended/control.h"
#include "extended/date_value.h"
#include "extended/form_writer.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

constexpr ValueStyle kKinds[] = {{"dtkDate", ""}, {"dtkTime", " or DTS_TIMEFORMAT"}};
constexpr ValueStyle kDateFormats[] = {{"dfShort", " or DTS_SHORTDATEFORMAT"},
                                       {"dfLong", " or DTS_LONGDATEFORMAT"}};
constexpr ValueStyle kDateModes[] = {{"dmComboBox", ""}, {"dmUpDown", " or DTS_UPDOWN"}};
constexpr ValueStyle kCalendarAlignments[] = {{"dtaLeft", ""}, {"dtaRight", " or DTS_RIGHTALIGN"}};

constexpr char kBaseStyles[] = "WS_VISIBLE or WS_CHILD or WS_TABSTOP";

// The lines that give the control `name` its stored moment with `message`;
// empty when the form stores none the control can show.
std::string MomentLines(FormWriter& writer, const Control& control, const std::string& name,
                        const std::string& message) {
  const std::optional<CalendarTime> moment =
      CalendarTimeOf(control.Value("Date"), control.Value("Time"));
  if (!moment) return "";
  writer.DeclareOnce("PickerTime: TSystemTime;");
  return "\r\n  { show the stored date }" + SystemTimeLines("PickerTime", *moment) +
         "\r\n  SendMessageW(" + name + "," + message + ",LParam(@PickerTime));";
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

// The lines that keep the dates of the control `name` within the stored
// MinDate and MaxDate with `message`.
std::string RangeLines(FormWriter& writer, const Control& control, const std::string& name,
                       const std::string& message) {
  std::string fill;
  std::string flags;
  if (const std::optional<CalendarTime> low = BoundOf(control.Value("MinDate"))) {
    fill += SystemTimeLines("PickerRange[0]", *low);
    flags = "GDTR_MIN";
  }
  if (const std::optional<CalendarTime> high = BoundOf(control.Value("MaxDate"))) {
    fill += SystemTimeLines("PickerRange[1]", *high);
    flags += flags.empty() ? "GDTR_MAX" : " or GDTR_MAX";
  }
  if (flags.empty()) return "";
  writer.DeclareOnce("PickerRange: array[0..1] of TSystemTime;");
  return "\r\n  { keep the dates within the stored range }" + fill + "\r\n  SendMessageW(" + name +
         "," + message + "," + flags + ",LParam(@PickerRange));";
}

std::string PickerStyles(const Control& picker) {
  // The time format is a style of its own, which no date format joins.
  const std::string& kind = picker.Value("Kind");
  const bool time = kind == "dtkTime";
  std::string styles = std::string(kBaseStyles) + StyleForValue(kKinds, kind) +
                       (time ? "" : StyleForValue(kDateFormats, picker.Value("DateFormat"))) +
                       (time ? "" : StyleForValue(kDateModes, picker.Value("DateMode"))) +
                       StyleForValue(kCalendarAlignments, picker.Value("CalAlignment"));
  if (FlagOf(picker.Value("ShowCheckbox"), false)) styles += " or DTS_SHOWNONE";
  return styles;
}

class DateTimePickerWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    InitCommonClasses(writer, "ICC_DATE_CLASSES");
    std::string after;
    if (const std::string& format = control.Value("Format"); !format.empty()) {
      after +=
          "\r\n  SendMessageW(" + name + ",DTM_SETFORMATW,0,LParam(PWideChar(" + format + ")));";
    }
    after += RangeLines(writer, control, name, "DTM_SETRANGE");
    after += MomentLines(writer, control, name, "DTM_SETSYSTEMTIME,GDT_VALID");
    if (FlagOf(control.Value("ShowCheckbox"), false) && !FlagOf(control.Value("Checked"), true)) {
      // Some implementations want a time to read even when told there is none.
      writer.DeclareOnce("PickerTime: TSystemTime;");
      after += "\r\n  SendMessageW(" + name + ",DTM_SETSYSTEMTIME,GDT_NONE,LParam(@PickerTime));";
    }
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a date and time picker",
                 .call = ":= CreateWindowExW(0, 'SysDateTimePick32','', ",
                 .styles = PickerStyles(control),
                 .box = box,
                 .after = after,
                 .takes_focus = true,
                 .common = true});
  }
};

class MonthCalendarWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    InitCommonClasses(writer, "ICC_DATE_CLASSES");
    const bool multi_select = FlagOf(control.Value("MultiSelect"), false);
    std::string styles = kBaseStyles;
    if (FlagOf(control.Value("WeekNumbers"), false)) styles += " or MCS_WEEKNUMBERS";
    if (!FlagOf(control.Value("ShowToday"), true)) styles += " or MCS_NOTODAY";
    if (!FlagOf(control.Value("ShowTodayCircle"), true)) styles += " or MCS_NOTODAYCIRCLE";
    if (multi_select) styles += " or MCS_MULTISELECT";
    // A calendar that selects a range of days takes its selection another way.
    std::string after = RangeLines(writer, control, name, "MCM_SETRANGE");
    if (!multi_select) after += MomentLines(writer, control, name, "MCM_SETCURSEL,0");
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a month calendar",
                 .call = ":= CreateWindowExW(0, 'SysMonthCal32','', ",
                 .styles = styles,
                 .box = box,
                 .after = after,
                 .takes_focus = true,
                 .common = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewDateTimePickerWriter() {
  return std::make_unique<DateTimePickerWriter>();
}

std::unique_ptr<ControlWriter> NewMonthCalendarWriter() {
  return std::make_unique<MonthCalendarWriter>();
}

}  // namespace vornic
