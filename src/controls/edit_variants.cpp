// Rich edits and masked edits, classes only the extended translation writes,
// as the system's plain 'Edit' window: a multi-line edit with the rich
// edit's lines, and a one-line edit with the masked edit's text and length.
#include <memory>
#include <string>
#include <vector>

#include "builder/control_generator.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "controls/multi_line_values.h"
#include "controls/property_tables.h"
#include "controls/window_control.h"
#include "lib/code_layout.h"
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
  std::vector<std::string> Lines;
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

class EditGenerator : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    edit_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (values_.OnProperty(line) != MultiLineValues::Owner::kObject) return;
    if (StoreGeometry(edit_, line)) return;
    StoreNamedField(kFields, edit_, line);
  }

  void OnContinuationLine(GeneratorContext /*context*/, const LineWords& line) override {
    if (values_.OnContinuationLine(line) && values_.property() == "Lines.Strings") {
      edit_.Lines = values_.StringEntries();
    }
  }

 protected:
  std::string CommonStyles() const {
    std::string styles = std::string("WS_CHILD or WS_VISIBLE or WS_TABSTOP") +
                         StyleForValue(kAlignments, edit_.Alignment);
    if (FlagOf(edit_.ReadOnly, false)) styles += " or ES_READONLY";
    return styles;
  }

  EditRecord edit_;
  MultiLineValues values_;
};

class MaskEditGenerator final : public EditGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(edit_)) return;
    const std::string& name = edit_.ControlName;
    std::string styles =
        CommonStyles() + " or ES_AUTOHSCROLL" + StyleForValue(kCharCases, edit_.CharCase);
    std::string after;
    if (!edit_.MaxLength.empty() && TextToInt(edit_.MaxLength) > 0) {
      after += "\r\n  SendMessage(" + name + ",EM_LIMITTEXT," + edit_.MaxLength + ",0);";
    }
    if (const int code = CharacterCode(edit_.PasswordChar); code != 0) {
      styles += " or ES_PASSWORD";
      after += "\r\n  SendMessage(" + name + ",EM_SETPASSWORDCHAR," + std::to_string(code) + ",0);";
    }
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a masked edit field",
                                  .call = ":= CreateWindowEx(" + BorderExStyle(edit_.BorderStyle) +
                                          ", 'Edit'," + QuotedOrEmpty(edit_.Text) + ", ",
                                  .styles = styles,
                                  .left = edit_.Left,
                                  .top = edit_.Top,
                                  .width = edit_.Width,
                                  .height = edit_.Height,
                                  .after = after,
                                  .takes_focus = true});
  }
};

class RichEditGenerator final : public EditGenerator {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(edit_)) return;
    const std::string& name = edit_.ControlName;
    std::string styles = CommonStyles() + " or ES_MULTILINE or ES_AUTOVSCROLL" +
                         StyleForValue(kScrollBars, edit_.ScrollBars);
    // Without word wrap the lines run on to the right.
    if (!FlagOf(edit_.WordWrap, true)) styles += " or ES_AUTOHSCROLL";
    if (FlagOf(edit_.WantReturns, true)) styles += " or ES_WANTRETURN";
    std::string after;
    if (!edit_.Lines.empty()) {
      std::string text = edit_.Lines[0];
      for (size_t i = 1; i < edit_.Lines.size(); ++i) text += "+#13#10+" + edit_.Lines[i];
      after = "\r\n  { add lines to rich edit }\r\n  SendMessage(" + name +
              ",WM_SETTEXT,0,LParam(PChar(" + text + ")));";
    }
    CreateWindowControl(
        context, {.level = line.Level,
                  .name = name,
                  .banner = "Create a rich edit",
                  .call = ":= CreateWindowEx(" + BorderExStyle(edit_.BorderStyle) + ", 'Edit','', ",
                  .styles = styles,
                  .left = edit_.Left,
                  .top = edit_.Top,
                  .width = edit_.Width,
                  .height = edit_.Height,
                  .after = after,
                  .takes_focus = true});
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewMaskEdit() { return std::make_unique<MaskEditGenerator>(); }

std::unique_ptr<ControlGenerator> NewRichEdit() { return std::make_unique<RichEditGenerator>(); }

}  // namespace vornic
