// Rich edits and masked edits, classes only the extended translation writes,
// as the system's plain 'Edit' window: a multi-line edit with the rich
// edit's lines, and a one-line edit with the masked edit's text and length.
#include <memory>
#include <string>
#include <vector>

#include "controls/control_steps.h"
#include "controls/list_data.h"
#include "controls/property_tables.h"
#include "controls/record_generator.h"
#include "controls/window_control.h"
#include "lib/code_layout.h"
#include "lib/dictionary.h"
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

struct EditRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string BorderStyle;
  std::string Alignment;
  std::string ReadOnly;
  // Masked edits.
  std::string Text;
  std::string MaxLength;
  std::string CharCase;
  std::string PasswordChar;
  // Rich edits.
  std::string ScrollBars;
  std::string WordWrap;
  std::string WantReturns;
  TIDictonary Lines;
};

constexpr NamedField<EditRecord> kFields[] = {
    {"BorderStyle", &EditRecord::BorderStyle},   {"Alignment", &EditRecord::Alignment},
    {"ReadOnly", &EditRecord::ReadOnly},         {"Text", &EditRecord::Text},
    {"MaxLength", &EditRecord::MaxLength},       {"CharCase", &EditRecord::CharCase},
    {"PasswordChar", &EditRecord::PasswordChar}, {"ScrollBars", &EditRecord::ScrollBars},
    {"WordWrap", &EditRecord::WordWrap},         {"WantReturns", &EditRecord::WantReturns}};

// The character code of a one-character literal ('*' or #42); 0 for none.
int CharacterCode(const std::string& literal) {
  if (literal.size() == 3 && literal[0] == '\'' && literal[2] == '\'') {
    return static_cast<unsigned char>(literal[1]);
  }
  if (literal == "''''") return '\'';
  if (literal.size() > 1 && literal[0] == '#' && IsIntegerText(literal.substr(1))) {
    const int32_t code = TextToInt(literal.substr(1));
    return code > 0 && code < 256 ? code : 0;
  }
  return 0;
}

class EditGenerator : public RecordGenerator<EditRecord> {
 protected:
  void StoreProperty(const LineWords& line) override { StoreNamedField(kFields, record_, line); }

  void OnValueRead() override {
    if (values_.property() == "Lines.Strings") record_.Lines = values_.TakeStringEntries();
  }

  bool WritesStrings(const std::string& property) const override {
    return property == "Lines.Strings";
  }

  std::string CommonStyles() const {
    std::string styles = std::string("WS_CHILD or WS_VISIBLE or WS_TABSTOP") +
                         StyleForValue(kAlignments, record_.Alignment);
    if (FlagOf(record_.ReadOnly, false)) styles += " or ES_READONLY";
    return styles;
  }
};

class MaskEditGenerator final : public EditGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    std::string styles =
        CommonStyles() + " or ES_AUTOHSCROLL" + StyleForValue(kCharCases, record_.CharCase);
    std::string after;
    if (!record_.MaxLength.empty() && TextToInt(record_.MaxLength) > 0) {
      after += "\r\n  SendMessage(" + name + ",EM_LIMITTEXT," + record_.MaxLength + ",0);";
    }
    if (const int code = CharacterCode(record_.PasswordChar); code != 0) {
      styles += " or ES_PASSWORD";
      after += "\r\n  SendMessage(" + name + ",EM_SETPASSWORDCHAR," + std::to_string(code) + ",0);";
    }
    CreateWindowControl(
        context, {.level = line.Level,
                  .name = name,
                  .banner = "Create a masked edit field",
                  .call = ":= CreateWindowEx(" + BorderExStyle(record_.BorderStyle) + ", 'Edit'," +
                          QuotedOrEmpty(record_.Text) + ", ",
                  .styles = styles,
                  .box = BoxOf(record_),
                  .after = after,
                  .takes_focus = true});
  }
};

class RichEditGenerator final : public EditGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    std::string styles = CommonStyles() + " or ES_MULTILINE or ES_AUTOVSCROLL" +
                         StyleForValue(kScrollBars, record_.ScrollBars);
    // Without word wrap the lines run on to the right.
    if (!FlagOf(record_.WordWrap, true)) styles += " or ES_AUTOHSCROLL";
    if (FlagOf(record_.WantReturns, true)) styles += " or ES_WANTRETURN";
    std::string after;
    const auto count = static_cast<size_t>(record_.Lines.HighIndex());
    if (WritesAsData(context, count)) {
      after = "\r\n  { add lines to rich edit }" +
              SetLinesText(context, name,
                           DeclareEntryArrays(context, name, count, EntriesOf(record_.Lines)));
    } else if (count > 0) {
      after = "\r\n  { add lines to rich edit }\r\n  SendMessage(" + name +
              ",WM_SETTEXT,0,LParam(PChar(";
      for (int i = 1; i <= record_.Lines.HighIndex(); ++i) {
        after.append(i == 1 ? "" : "+#13#10+").append(record_.Lines.GetItem(i));
      }
      after += ")));";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a rich edit",
                                  .call = ":= CreateWindowEx(" +
                                          BorderExStyle(record_.BorderStyle) + ", 'Edit','', ",
                                  .styles = styles,
                                  .box = BoxOf(record_),
                                  .after = after,
                                  .takes_focus = true});
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewMaskEdit() { return std::make_unique<MaskEditGenerator>(); }

std::unique_ptr<ControlGenerator> NewRichEdit() { return std::make_unique<RichEditGenerator>(); }

}  // namespace vornic
