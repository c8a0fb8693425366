// Rich edits and masked edits, as the system's plain 'Edit' window: a
// multi-line edit with the rich edit's lines, and a one-line edit with the
// masked edit's text and length.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/edit_behaviour.h"
#include "extended/form_writer.h"
#include "extended/list_data.h"
#include "extended/list_entries.h"
#include "extended/list_output.h"
#include "extended/named_at_open.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "form/text_list.h"
#include "lib/text.h"

namespace vornic {

namespace {

constexpr ValueStyle kAlignments[] = {
    {"taLeftJustify", ""}, {"taCenter", " or ES_CENTER"}, {"taRightJustify", " or ES_RIGHT"}};
constexpr ValueStyle kCharCases[] = {
    {"ecNormal", ""}, {"ecUpperCase", " or ES_UPPERCASE"}, {"ecLowerCase", " or ES_LOWERCASE"}};
constexpr ValueStyle kScrollBars[] = {{"ssNone", ""},
                                      {"ssHorizontal", " or WS_HSCROLL"},
                                      {"ssVertical", " or WS_VSCROLL"},
                                      {"ssBoth", " or WS_HSCROLL or WS_VSCROLL"}};

// The styles both kinds take from the form, a flat line for Ctl3D False.
std::string CommonStyles(const Control& control) {
  std::string styles = "WS_CHILD or WS_VISIBLE" + EditBorderOf(control).style + " or WS_TABSTOP" +
                       StyleForValue(kAlignments, control.Value("Alignment"));
  if (FlagOf(control.Value("ReadOnly"), false)) styles += " or ES_READONLY";
  return styles;
}

class MaskEditWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    std::string styles = CommonStyles(control) + " or ES_AUTOHSCROLL" +
                         StyleForValue(kCharCases, control.Value("CharCase"));
    std::string after;
    if (const std::string& length = control.Value("MaxLength");
        !length.empty() && TextToInt(length) > 0) {
      after += "\r\n  SendMessageW(" + name_ + ",EM_LIMITTEXT," + length + ",0);";
    }
    if (const int code = CharacterCode(control.Value("PasswordChar"), 255); code != 0) {
      styles += " or ES_PASSWORD";
      after +=
          "\r\n  SendMessageW(" + name_ + ",EM_SETPASSWORDCHAR," + std::to_string(code) + ",0);";
    }
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a masked edit field",
                 .call = ":= CreateWindowExW(" + EditBorderOf(control).ex_style + ", 'Edit'," +
                         QuotedOrEmpty(control.Value("Text")) + ", ",
                 .styles = styles,
                 .box = StoredBox(control),
                 .after = after,
                 .takes_focus = true});
  }
};

// The lines as the edit's text, CR LF between them; a long list is joined
// from arrays.
std::string LinesText(FormWriter& writer, const std::string& name, const TextList& lines) {
  if (IsLongList(lines.size())) {
    const ListOutput output = ListOutputOf(writer);
    return "\r\n  { add lines to rich edit }" +
           SetLinesText(output, name,
                        DeclareEntryArrays(output, name, lines.size(), EntriesOf(lines)));
  }
  if (lines.empty()) return "";
  std::string text = "\r\n  { add lines to rich edit }\r\n  SendMessageW(" + name +
                     ",WM_SETTEXT,0,LParam(PWideChar(";
  for (size_t i = 0; i < lines.size(); ++i) text.append(i == 0 ? "" : "+#13#10+").append(lines[i]);
  return text + ")));";
}

class RichEditWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    std::string styles = CommonStyles(control) + " or ES_MULTILINE or ES_AUTOVSCROLL" +
                         StyleForValue(kScrollBars, control.Value("ScrollBars"));
    // Without word wrap the lines run on to the right.
    if (!FlagOf(control.Value("WordWrap"), true)) styles += " or ES_AUTOHSCROLL";
    if (FlagOf(control.Value("WantReturns"), true)) styles += " or ES_WANTRETURN";
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a rich edit",
                 .call = ":= CreateWindowExW(" + EditBorderOf(control).ex_style + ", 'Edit','', ",
                 .styles = styles,
                 .box = StoredBox(control),
                 .after = LinesText(writer, name_, ListEntries(control, "Lines.Strings")),
                 .takes_focus = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewMaskEditWriter() { return std::make_unique<MaskEditWriter>(); }
std::unique_ptr<ControlWriter> NewRichEditWriter() { return std::make_unique<RichEditWriter>(); }

}  // namespace vornic
