// The tab control: a tab window with the tabs its Tabs list names and the
// one at TabIndex chosen. Unlike a page control it has one page for all its
// tabs: what it holds always shows, placed from the window's corner.
#include <memory>
#include <string>
#include <vector>

#include "builder/control_generator.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "controls/list_data.h"
#include "controls/tab_window.h"
#include "lib/dictionary.h"
#include "lib/text.h"

namespace vornic {

namespace {

class TabControlGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    record_.ControlName = context.TakeName(line);
    level_ = line.Level;
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (StoreTabWindowProperty(record_, line)) return;
    if (line.Word1 == "TabIndex" && IsIntegerText(line.Word3)) {
      chosen_ = TextToInt(line.Word3);
    } else if (line.Word1 == "Tabs.Strings") {
      BeginStringList(context);
    }
  }

  // The entries of Tabs.Strings.
  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    ReadStringListLine(context, line, tabs_);
  }

  // The window stands before what it holds.
  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override { Write(context); }

 private:
  void Write(GeneratorContext context) {
    if (written_) return;
    written_ = true;
    if (!HasGeometry(record_)) return;
    std::string after;
    const auto count = static_cast<size_t>(tabs_.HighIndex());
    if (WritesAsData(context, count)) {
      after =
          InsertTabsText(context, record_.ControlName,
                         DeclareEntryArrays(context, record_.ControlName, count, EntriesOf(tabs_)));
    } else {
      for (int i = 1; i <= tabs_.HighIndex(); ++i) {
        after += InsertTabText(context, record_.ControlName, i - 1, std::string(tabs_.GetItem(i)));
      }
    }
    const int chosen = chosen_ < tabs_.HighIndex() ? chosen_ : -1;
    CreateTabWindow(context, level_, record_, after);
    context.AddText("bodylast", FinishTabsText(context, record_, chosen));
  }

  TabWindowRecord record_;
  int level_ = 0;
  TIDictonary tabs_;  // the Tabs entries, string literals
  int chosen_ = -1;   // TabIndex: none unless the form names one
  bool written_ = false;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewTabControl() {
  return std::make_unique<TabControlGenerator>();
}

}  // namespace vornic
