// Page controls and their tab sheets. The page control is a tab window with
// one tab per sheet whose tab shows; the controls on its sheets stay children
// of the main window where the designer shows them. Only the chosen sheet's
// controls show: the others are created hidden, and the tab change branch
// shows and hides them (KeepToPages). What the main window paints on a sheet
// is clipped to the sheet while it is chosen and to nothing while it is not.
#include "controls/pages.h"

#include <cstdint>
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/open_objects.h"
#include "controls/geometry.h"
#include "controls/tab_window.h"
#include "controls/window_control.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// A sum of positions, wrapping like 32-bit integers as every position sum does.
int WrappingSum(int a, int64_t b) { return static_cast<int32_t>(int64_t{a} + b); }

// A rectangle in the main window's client area.
struct ClientRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The condition of a page whose tab never shows, and of all inside it.
constexpr char kNeverShown[] = "False";

class PageControlGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    record_.ControlName = context.TakeName(line);
    level_ = line.Level;
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreTabWindowProperty(record_, line)) return;
    if (line.Word1 == "ActivePage") active_page_ = UpperText(line.Word3);
  }

  // The window must exist before its sheets add their tabs.
  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override {
    Write(context);
    if (!written_) return;
    context.AddText("bodylast", FinishTabsText(context, record_, chosen_));
    context.program().HasNotifyHandler = true;
  }

  /// True once the window is written; sheets of a page control that has
  /// none are plain containers.
  bool written() const { return written_; }
  const std::string& name() const { return record_.ControlName; }
  /// The index the next tab gets.
  int tab_count() const { return tab_count_; }
  /// True when the sheet called `sheet_name`, if its tab shows, is the one
  /// chosen when the window opens: the ActivePage, or the first sheet with a
  /// tab when the form names none.
  bool Chooses(const std::string& sheet_name) const {
    return active_page_.empty() ? chosen_ < 0 : UpperText(sheet_name) == active_page_;
  }
  /// The rectangle of the pages in the main window.
  ClientRect page_rect() const {
    const PageInsets insets = PageInsetsOf(record_);
    return {WrappingSum(form_left_, insets.left), WrappingSum(form_top_, insets.top),
            WrappingSum(form_left_, int64_t{width_} - insets.right),
            WrappingSum(form_top_, int64_t{height_} - insets.bottom)};
  }
  PageInsets insets() const { return PageInsetsOf(record_); }

  /// Adds the tab of the next sheet.
  void AddTab(GeneratorContext context, const std::string& caption, bool chosen) {
    context.AddText("bodymidle", InsertTabText(context, record_.ControlName, tab_count_,
                                               QuotedCaption(caption)));
    if (chosen) chosen_ = tab_count_;
    ++tab_count_;
  }

 private:
  static std::string QuotedCaption(const std::string& caption) {
    return caption.empty() ? "''" : caption;
  }

  void Write(GeneratorContext context) {
    if (write_tried_) return;
    write_tried_ = true;
    if (!HasGeometry(record_)) return;
    std::string left = record_.Left;
    std::string top = record_.Top;
    context.PlaceInForm(level_, left, top);
    form_left_ = TextToInt(left);
    form_top_ = TextToInt(top);
    width_ = TextToInt(record_.Width);
    height_ = TextToInt(record_.Height);
    CreateTabWindow(context, level_, record_, "");
    written_ = true;
  }

  TabWindowRecord record_;
  int level_ = 0;
  std::string active_page_;  // in capitals; empty when the form names none
  int tab_count_ = 0;
  int chosen_ = -1;    // the tab chosen when the window opens; none yet when negative
  int form_left_ = 0;  // the window's place and size in the main window
  int form_top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool written_ = false;
  bool write_tried_ = false;  // a window without its geometry is not written
};

class TabSheetGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    name_ = RemoveChar(line.Word2, ":");
    level_ = line.Level;
    pages_ = dynamic_cast<PageControlGenerator*>(context.HolderAt(level_));
    if (pages_ != nullptr && !pages_->written()) pages_ = nullptr;
    if (pages_ == nullptr) return;
    outer_ = context.DesignStateAt(level_).page;
    const PageInsets insets = pages_->insets();
    context.SetContentOrigin(level_, insets.left, insets.top);
    Place(context);
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (line.Word1 == "Caption") {
      caption_ = line.Word3;
    } else if (line.Word1 == "TabVisible") {
      tab_shows_ = line.Word3 != "False";
      if (pages_ != nullptr) Place(context);
    }
  }

  // All the sheet's values are read: its tab can be added before what it holds.
  void OnChildObject(GeneratorContext context, const LineWords& /*line*/) override {
    if (committed_ || pages_ == nullptr) return;
    Commit(context);
    ClipPaint(context);
  }

  void OnEnd(GeneratorContext context, const LineWords& /*line*/) override {
    if (pages_ == nullptr) return;
    if (!committed_) Commit(context);
    if (clipped_) context.AddText("windowprocpaintmidle", "\r\n      RestoreDC(PaintDC, -1);");
  }

 private:
  // The condition under which this sheet's own tab is the chosen one.
  std::string OwnCondition() const {
    if (!tab_shows_) return kNeverShown;
    return "(TabCtrl_GetCurSel(" + pages_->name() + ") = " + std::to_string(pages_->tab_count()) +
           ")";
  }

  bool Chosen() const { return tab_shows_ && pages_->Chooses(name_); }

  // Puts the sheet, and so what it holds, on its page and those around it.
  // A sheet without a tab hides what it holds for good, as Visible does.
  void Place(GeneratorContext context) const {
    if (!tab_shows_) {
      context.Hide(level_);
      return;
    }
    PagePlace page = outer_;
    const std::string own = OwnCondition();
    if (outer_.shown_when.empty()) {
      page.shown_when = own;
    } else {
      // The page control lies on pages itself: its window, shown or hidden
      // by the line before, stands for them (and the condition stays short).
      page.shown_when = "IsWindowVisible(" + pages_->name() + ") and " + own;
    }
    page.inactive = outer_.inactive || !Chosen();
    context.SetPage(level_, page);
  }

  void Commit(GeneratorContext context) {
    committed_ = true;
    own_condition_ = OwnCondition();
    if (tab_shows_) pages_->AddTab(context, caption_, Chosen());
  }

  // Paint code of what the sheet holds follows: it is clipped to the page
  // while the page is chosen, to nothing otherwise, until the sheet's end.
  void ClipPaint(GeneratorContext context) {
    const ClientRect rect = pages_->page_rect();
    const std::string page = std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
                             std::to_string(rect.right) + "," + std::to_string(rect.bottom);
    context.AddText("windowprocpaintmidle",
                    "\r\n      { Page " + name_ + " of " + pages_->name() +
                        ": painted while it is chosen }\r\n      SaveDC(PaintDC);\r\n      if " +
                        own_condition_ + " then IntersectClipRect(PaintDC," + page +
                        ") else IntersectClipRect(PaintDC,0,0,0,0);");
    context.NeedPaint();
    clipped_ = true;
  }

  std::string name_;
  int level_ = 0;
  PageControlGenerator* pages_ = nullptr;  // the holder, open longer than the sheet
  PagePlace outer_;                        // the place of the page control itself
  std::string caption_;
  std::string own_condition_;
  bool tab_shows_ = true;
  bool committed_ = false;  // its tab is added
  bool clipped_ = false;    // its paint clipping is open
};

}  // namespace

void KeepToPages(GeneratorContext context, const WindowControl& control) {
  const DesignState& state = context.DesignStateAt(control.level);
  // A control the form hides (or a sheet without a tab) stays hidden
  // whatever tab is chosen; one on pages hears of every tab change.
  if (!state.visible || state.page.shown_when.empty()) return;
  context.AddText("windowprocnotifymidle",
                  "\r\n      if " + state.page.shown_when + " then ShowWindow(" + control.name +
                      ", SW_SHOW) else ShowWindow(" + control.name + ", SW_HIDE);");
}

std::unique_ptr<ControlGenerator> NewPageControl() {
  return std::make_unique<PageControlGenerator>();
}

std::unique_ptr<ControlGenerator> NewTabSheet() { return std::make_unique<TabSheetGenerator>(); }

}  // namespace vornic
