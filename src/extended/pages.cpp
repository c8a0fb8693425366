// Page controls and their tab sheets. The page control is a tab window with
// one tab per sheet whose tab shows; the controls on its sheets stay children
// of the main window where the designer shows them. Only the chosen sheet's
// controls show: the others are created hidden, and the tab change branch
// shows and hides them (KeepToPages). What the main window paints on a sheet
// is clipped to the sheet while it is chosen and to nothing while it is not.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/tab_look.h"
#include "extended/tab_window_text.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// A sum of positions, wrapping like 32-bit integers as every position sum does.
int WrappingSum(int a, int64_t b) { return static_cast<int32_t>(int64_t{a} + b); }

// The condition of a page whose tab never shows, and of all inside it.
constexpr char kNeverShown[] = "False";

// The window stands before its sheets, which add their tabs to it; the tab
// chosen when it opens is known once the last sheet is written.
class PageControlWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    box_ = StoredBox(control);
    if (!box_.complete()) return;
    name_ = writer.TakeName(control);
    look_ = TabLookOf(control);
    active_page_ = UpperText(control.Value("ActivePage"));
    const Box placed = control.FormBox();
    form_left_ = TextToInt(placed.left);
    form_top_ = TextToInt(placed.top);
    const std::string images = writer.ImagesOf(control.object);
    has_images_ = !images.empty();
    WriteWindow(writer, control,
                TabWindowOf(name_, box_, look_,
                            has_images_ ? "\r\n  SendMessageW(" + name_ +
                                              ",TCM_SETIMAGELIST,0,LParam(" + images + "));"
                                        : ""));
    // The main window paints its pages: their hole follows its size.
    writer.layout().SetWindow(control.object, name_, true);
    written_ = true;
    laid_out_ = writer.layout().RowOf(control.object) >= 0;
    if (PagesFollowRows()) {
      shift_ = writer.TakeIdentifier(name_ + "Shift");
      writer.AddText("var", "\r\n    " + shift_ + ": TPoint;");
    }
  }

  void Close(FormWriter& writer, Control& /*control*/) override {
    if (!written_) return;
    writer.AddText(
        "bodylast",
        FinishTabsLines(writer.program(), name_, box_.width, box_.height, chosen_) + ShiftLines());
    writer.program().HasNotifyHandler = true;
  }

  void HoldWindow(const std::string& name, const Box& box) override {
    // The layout moves the windows of a page control that has a row.
    if (!shift_.empty() && !laid_out_) held_.push_back({name, box});
  }

  /// The variable that holds how far the pages moved for more rows of tabs
  /// than one; empty when the tabs stand in one row.
  const std::string& shift() const { return shift_; }

  /// True once the window is written; sheets of a page control that has
  /// none are plain containers.
  bool written() const { return written_; }
  const std::string& name() const { return name_; }
  /// The index the next tab gets.
  int tab_count() const { return tab_count_; }
  /// True when the sheet called `sheet_name`, if its tab shows, is the one
  /// chosen when the window opens: the ActivePage, or the first sheet with a
  /// tab when the form names none.
  bool Chooses(const std::string& sheet_name) const {
    return active_page_.empty() ? chosen_ < 0 : UpperText(sheet_name) == active_page_;
  }
  PageInsets insets() const { return PageInsetsOf(look_); }
  /// The pages' rectangle in the main window's client area, as
  /// "left,top,right,bottom".
  std::string PageRect() const {
    const PageInsets inset = insets();
    const int64_t width = TextToInt(box_.width);
    const int64_t height = TextToInt(box_.height);
    return std::to_string(WrappingSum(form_left_, inset.left)) + "," +
           std::to_string(WrappingSum(form_top_, inset.top)) + "," +
           std::to_string(WrappingSum(form_left_, width - inset.right)) + "," +
           std::to_string(WrappingSum(form_top_, height - inset.bottom));
  }

  /// Adds the tab of the next sheet, with `caption` and `image_index` (a
  /// sheet shows the first image unless it says otherwise) as the form
  /// stores them.
  void AddTab(FormWriter& writer, const std::string& caption, const std::string& image_index,
              bool chosen) {
    const int image = has_images_ ? IntegerOr(image_index, 0) : -1;
    writer.AddText("bodymidle", InsertTabLines(writer.program(), name_, tab_count_,
                                               caption.empty() ? "''" : caption, image));
    if (chosen) chosen_ = tab_count_;
    ++tab_count_;
  }

 private:
  // Rows of tabs on top or columns on the left push the pages away from the
  // window's corner; below or on the right they do not.
  bool PagesFollowRows() const {
    if (look_.TabPosition == "tpLeft") return true;
    return look_.MultiLine && (look_.TabPosition.empty() || look_.TabPosition == "tpTop");
  }

  // The designer lays out a sheet below all its rows of tabs; the program
  // knows how many rows there are only once the tabs have the font: the
  // pages' rectangle then says how far what the sheets hold moves.
  std::string ShiftLines() const {
    if (shift_.empty()) return "";
    const PageInsets inset = insets();
    const bool sideways = look_.TabPosition == "tpLeft";
    const std::string axis = sideways ? ".X" : ".Y";
    std::string text = "\r\n  { What the pages of " + name_ +
                       " hold starts below every row of tabs }\r\n  if TabCtrl_GetRowCount(" +
                       name_ + ") > 1 then begin\r\n    " + shift_ + axis + " := PageRect." +
                       (sideways ? "Left - " : "Top - ") +
                       std::to_string(sideways ? inset.left : inset.top) + ";";
    for (const auto& [window, box] : held_) {
      text += "\r\n    SetWindowPos(" + window + ", 0, " + box.left + " + " + shift_ + ".X, " +
              box.top + " + " + shift_ + ".Y, 0, 0, SWP_NOSIZE or SWP_NOZORDER or SWP_NOACTIVATE);";
    }
    return text + "\r\n  end;";
  }

  Box box_;  // as the form stores it
  std::string name_;
  TabWindowLook look_;
  std::string active_page_;  // in capitals; empty when the form names none
  int tab_count_ = 0;
  int chosen_ = -1;    // the tab chosen when the window opens; none yet when negative
  int form_left_ = 0;  // the window's place in the main window
  int form_top_ = 0;
  bool written_ = false;
  bool has_images_ = false;                        // the tabs show the images of an image list
  std::string shift_;                              // see shift()
  bool laid_out_ = false;                          // the layout places what its pages hold
  std::vector<std::pair<std::string, Box>> held_;  // the windows on its pages, placed
};

// A sheet adds its tab and puts what it holds on its page before that is
// written; the paint code of what it holds is clipped until its end.
class TabSheetWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    pages_ = PagesOf(control);
    if (pages_ == nullptr) return;
    tab_shows_ = control.Value("TabVisible") != "False";
    const PageInsets insets = pages_->insets();
    control.SetContentOrigin(insets.left, insets.top);
    writer.layout().SetSheet(control.object, {insets.left, insets.top, insets.right, insets.bottom},
                             pages_->shift());
    // A Left or Top the sheet stores itself still places what it holds.
    if (control.Has("Left")) control.origin_left = control.Value("Left");
    if (control.Has("Top")) control.origin_top = control.Value("Top");
    own_condition_ = OwnCondition();
    Place(control);
    if (tab_shows_) {
      pages_->AddTab(writer, control.Value("Caption"), control.Value("ImageIndex"),
                     Chosen(control));
    }
    if (!control.object.children.empty()) ClipPaint(writer, control);
  }

  void Close(FormWriter& writer, Control& /*control*/) override {
    if (clipped_) writer.AddText("windowprocpaintmidle", "\r\n      RestoreDC(PaintDC, -1);");
  }

 private:
  // The page control the sheet is a page of; nullptr when it lies on none
  // that is written.
  static PageControlWriter* PagesOf(const Control& control) {
    if (control.holder == nullptr) return nullptr;
    auto* pages = dynamic_cast<PageControlWriter*>(control.holder->writer.get());
    return pages != nullptr && pages->written() ? pages : nullptr;
  }

  // The condition under which this sheet's own tab is the chosen one.
  std::string OwnCondition() const {
    if (!tab_shows_) return kNeverShown;
    return "(TabCtrl_GetCurSel(" + pages_->name() + ") = " + std::to_string(pages_->tab_count()) +
           ")";
  }

  bool Chosen(const Control& control) const {
    return tab_shows_ && pages_->Chooses(control.name());
  }

  // Puts the sheet, and so what it holds, on its page and those around it.
  // A sheet without a tab hides what it holds for good, as Visible does.
  void Place(Control& control) const {
    if (!tab_shows_) {
      control.state.visible = false;
      return;
    }
    const PagePlace outer = control.state.page;
    PagePlace& page = control.state.page;
    if (outer.shown_when.empty()) {
      page.shown_when = own_condition_;
    } else {
      // The page control lies on pages itself: its window, shown or hidden
      // by the line before, stands for them (and the condition stays short).
      page.shown_when = "IsWindowVisible(" + pages_->name() + ") and " + own_condition_;
    }
    page.inactive = outer.inactive || !Chosen(control);
  }

  // Paint code of what the sheet holds follows: it is clipped to the page
  // while the page is chosen, to nothing otherwise, until the sheet's end;
  // it moves with the pages when they follow rows of tabs.
  void ClipPaint(FormWriter& writer, const Control& control) {
    // Clipped to the page where the layout puts it, when it has a row; what
    // it paints has rows too, which the layout moves below the tabs.
    const int row = writer.layout().RowOf(control.object);
    const std::string& shift = row < 0 ? pages_->shift() : std::string();
    std::string text = "\r\n      { Page " + control.name() + " of " + pages_->name() +
                       ": painted while it is chosen }\r\n      SaveDC(PaintDC);";
    if (!shift.empty()) {
      text += "\r\n      OffsetViewportOrgEx(PaintDC, " + shift + ".X, " + shift + ".Y, nil);";
    }
    const std::string clip = row < 0 ? "IntersectClipRect(PaintDC," + pages_->PageRect() + ")"
                                     : "LayoutClip(PaintDC, " + std::to_string(row) + ")";
    writer.AddText("windowprocpaintmidle", text + "\r\n      if " + own_condition_ + " then " +
                                               clip + " else IntersectClipRect(PaintDC,0,0,0,0);");
    writer.NeedPaint();
    clipped_ = true;
  }

  PageControlWriter* pages_ = nullptr;  // the holder's writer, open longer than the sheet
  std::string own_condition_;
  bool tab_shows_ = true;
  bool clipped_ = false;  // its paint clipping is open
};

}  // namespace

std::unique_ptr<ControlWriter> NewPageControlWriter() {
  return std::make_unique<PageControlWriter>();
}

std::unique_ptr<ControlWriter> NewTabSheetWriter() { return std::make_unique<TabSheetWriter>(); }

}  // namespace vornic
