// The rows of the layout, read from the form tree as the designer aligns
// and anchors controls.
#include "extended/layout_table.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "extended/control.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The integer `text` stands for; none when it is no integer (the value
// checks have warned of it already, and the control then gets no row).
std::optional<int> IntegerIn(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || rest != end || text.empty()) return std::nullopt;
  return value;
}

int IntegerIn(const std::string& text, int fallback) { return IntegerIn(text).value_or(fallback); }

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The Align a class has when the form stores none.
LayoutAlign DefaultAlign(const std::string& upper_class) {
  if (EndsWith(upper_class, "STATUSBAR")) return LayoutAlign::kBottom;
  if (EndsWith(upper_class, "TOOLBAR") || EndsWith(upper_class, "COOLBAR")) return LayoutAlign::kTop;
  if (EndsWith(upper_class, "SPLITTER")) return LayoutAlign::kLeft;
  return LayoutAlign::kNone;
}

LayoutAlign AlignOf(const Control& control, const std::string& upper_class) {
  static constexpr std::pair<std::string_view, LayoutAlign> kAligns[] = {
      {"alNone", LayoutAlign::kNone},     {"alTop", LayoutAlign::kTop},
      {"alBottom", LayoutAlign::kBottom}, {"alLeft", LayoutAlign::kLeft},
      {"alRight", LayoutAlign::kRight},   {"alClient", LayoutAlign::kClient},
      {"alCustom", LayoutAlign::kCustom},
  };
  const std::string& value = control.Value("Align");
  for (const auto& [name, align] : kAligns) {
    if (value == name) return align;
  }
  return DefaultAlign(upper_class);
}

int AnchorsOf(const Control& control) {
  if (!control.Has("Anchors")) return kAnchorLeft | kAnchorTop;
  const std::string& value = control.Value("Anchors");
  int anchors = 0;
  if (value.find("akLeft") != std::string::npos) anchors |= kAnchorLeft;
  if (value.find("akTop") != std::string::npos) anchors |= kAnchorTop;
  if (value.find("akRight") != std::string::npos) anchors |= kAnchorRight;
  if (value.find("akBottom") != std::string::npos) anchors |= kAnchorBottom;
  return anchors;
}

Edges EdgeValues(const Control& control, const std::string& prefix, int fallback) {
  return {IntegerIn(control.Value(prefix + "Left"), fallback),
          IntegerIn(control.Value(prefix + "Top"), fallback),
          IntegerIn(control.Value(prefix + "Right"), fallback),
          IntegerIn(control.Value(prefix + "Bottom"), fallback)};
}

// Where a container aligns what it holds inside its client area: its
// padding, and what the designer keeps clear of a panel's border width and
// bevels or of a group box's caption.
Edges AlignInsets(const Control& control, const std::string& upper_class) {
  Edges insets = EdgeValues(control, "Padding.", 0);
  int all = 0;
  int top = 0;
  if (EndsWith(upper_class, "PANEL")) {
    const int bevel = IntegerIn(control.Value("BevelWidth"), 1);
    const std::string& outer = control.Value("BevelOuter");
    const std::string& inner = control.Value("BevelInner");
    if (outer != "bvNone") all += bevel;
    if (!inner.empty() && inner != "bvNone") all += bevel;
    all += IntegerIn(control.Value("BorderWidth"), 0);
  } else if (EndsWith(upper_class, "GROUPBOX") || EndsWith(upper_class, "RADIOGROUP")) {
    // The caption's line height, as a font of that height measures it.
    const int font = std::abs(IntegerIn(control.font.face.Height, -11));
    all = 2;
    top = font + font / 5;
  }
  insets.left += all;
  insets.top += all + top;
  insets.right += all;
  insets.bottom += all;
  return insets;
}

int AlignRank(LayoutAlign align) {
  switch (align) {
    case LayoutAlign::kTop: return 0;
    case LayoutAlign::kBottom: return 1;
    case LayoutAlign::kLeft: return 2;
    case LayoutAlign::kRight: return 3;
    case LayoutAlign::kClient: return 4;
    default: return 5;
  }
}

// Within one kind of Align the designer places the control nearest to the
// edge it aligns to first.
int AlignPosition(const LayoutRow& row) {
  switch (row.align) {
    case LayoutAlign::kTop: return row.top;
    case LayoutAlign::kBottom: return -(row.top + row.height);
    case LayoutAlign::kLeft: return row.left;
    case LayoutAlign::kRight: return -(row.left + row.width);
    default: return 0;
  }
}

bool IsSplitter(const LayoutRow& row) {
  return EndsWith(UpperText(row.object->class_name), "SPLITTER");
}

// True when `row` lies against the splitter `split` on the side it is aligned to.
bool Touches(const LayoutRow& row, const LayoutRow& split) {
  switch (split.align) {
    case LayoutAlign::kLeft: return row.left + row.width == split.left;
    case LayoutAlign::kRight: return row.left == split.left + split.width;
    case LayoutAlign::kTop: return row.top + row.height == split.top;
    case LayoutAlign::kBottom: return row.top == split.top + split.height;
    default: return false;
  }
}

// Where a container whose own values are its ancestor's (not known here)
// aligns what it holds: as far inside as its aligned controls were
// designed, on each side some of them touch; else `fallback`.
Edges DesignedPadding(const FormObject& object, int width, int height, Edges fallback) {
  std::optional<int> left, top, right, bottom;
  const auto least = [](std::optional<int>& side, int value) {
    if (!side || value < *side) side = value;
  };
  for (const auto& child : object.children) {
    const auto x = IntegerIn(child->Value("Left"));
    const auto y = IntegerIn(child->Value("Top"));
    const auto w = IntegerIn(child->Value("Width"));
    const auto h = IntegerIn(child->Value("Height"));
    const std::string& align = child->Value("Align");
    if (!x || !y || !w || !h || align.empty() || align == "alNone" || align == "alCustom") continue;
    if (align != "alRight") least(left, *x);
    if (align != "alBottom") least(top, *y);
    if (align != "alLeft") least(right, width - *x - *w);
    if (align != "alTop") least(bottom, height - *y - *h);
  }
  return {left.value_or(fallback.left), top.value_or(fallback.top), right.value_or(fallback.right),
          bottom.value_or(fallback.bottom)};
}

// True when `object` holds a control with a size of its own, maybe inside
// containers without one: menus, lists of actions and the like hold none.
bool HoldsPlacedControls(const FormObject& object) {
  return std::any_of(object.children.begin(), object.children.end(), [](const auto& child) {
    return (IntegerIn(child->Value("Width")) && IntegerIn(child->Value("Height"))) ||
           HoldsPlacedControls(*child);
  });
}

}  // namespace

std::optional<std::pair<int, int>> DesignSizeOf(const FormObject& object) {
  const FormProperty* size = object.Find("DesignSize");
  if (size == nullptr || size->shape != FormProperty::Shape::kList || size->entries.size() != 2) {
    return std::nullopt;
  }
  const auto width = IntegerIn(std::string(size->entries[0]));
  const auto height = IntegerIn(std::string(size->entries[1]));
  if (!width || !height || *width < 0 || *height < 0) return std::nullopt;
  return std::pair{*width, *height};
}

void LayoutTable::Enter(const Control& control) {
  if (control.holder == nullptr) return;
  int parent = -1;
  if (control.holder->holder != nullptr) {
    // What another window of the form's class holds is placed in that window.
    if (!control.holder->places_children) return;
    parent = AnyRowOf(control.holder->object);
    if (parent < 0) return;
  }
  const std::string upper = UpperText(control.object.class_name);
  LayoutRow row;
  row.object = &control.object;
  row.parent = parent;
  if (upper == "TTABSHEET" && parent >= 0) {
    row.width = rows_[static_cast<size_t>(parent)].width;
    row.height = rows_[static_cast<size_t>(parent)].height;
    row.anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
    row.through = rows_[static_cast<size_t>(parent)].through;
  } else {
    const auto left = IntegerIn(control.Value("Left"));
    const auto top = IntegerIn(control.Value("Top"));
    const auto width = IntegerIn(control.Value("Width"));
    const auto height = IntegerIn(control.Value("Height"));
    if (left && top && width && height) {
      row.left = *left;
      row.top = *top;
      row.width = *width;
      row.height = *height;
      row.align = AlignOf(control, upper);
      row.anchors = AnchorsOf(control);
    } else {
      // Its windows were placed as if it stood at its container's origin;
      // they follow that container's changes as if it filled it.
      if (!HoldsPlacedControls(control.object)) return;
      row.through = true;
      row.left = left.value_or(0);
      row.top = top.value_or(0);
      const auto [fill_width, fill_height] =
          DesignSizeOf(control.object).value_or(HolderSize(control, parent));
      row.width = width.value_or(fill_width);
      row.height = height.value_or(fill_height);
      row.anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
    }
  }
  if (control.Value("AlignWithMargins") == "True") row.margins = EdgeValues(control, "Margins.", 3);
  row.padding = AlignInsets(control, upper);
  if (row.through) row.padding = DesignedPadding(control.object, row.width, row.height, row.padding);
  if (EndsWith(upper, "SPLITTER")) row.min_size = IntegerIn(control.Value("MinSize"), 30);
  row.scrolls = !row.through && EndsWith(upper, "SCROLLBOX") && control.Value("AutoScroll") != "False";
  row_of_[&control.object] = static_cast<int>(rows_.size());
  rows_.push_back(std::move(row));
}

int LayoutTable::AnyRowOf(const FormObject& object) const {
  const auto found = row_of_.find(&object);
  return found == row_of_.end() ? -1 : found->second;
}

int LayoutTable::RowOf(const FormObject& object) const {
  const int row = AnyRowOf(object);
  return row >= 0 && rows_[static_cast<size_t>(row)].through ? -1 : row;
}

LayoutRow* LayoutTable::Find(const FormObject& object) {
  const int row = RowOf(object);
  return row < 0 ? nullptr : &rows_[static_cast<size_t>(row)];
}

std::pair<int, int> LayoutTable::HolderSize(const Control& control, int parent) const {
  if (parent >= 0) {
    const LayoutRow& holder = rows_[static_cast<size_t>(parent)];
    return {holder.width, holder.height};
  }
  const FormObject& form = control.holder->object;
  return {IntegerIn(form.Value("ClientWidth"), IntegerIn(form.Value("Width"), 0)),
          IntegerIn(form.Value("ClientHeight"), IntegerIn(form.Value("Height"), 0))};
}

void LayoutTable::SetWindow(const FormObject& object, const std::string& variable, bool pages) {
  if (LayoutRow* row = Find(object)) {
    row->window = variable;
    row->pages = pages;
  }
}

void LayoutTable::SetShows(const FormObject& object, const std::string& condition) {
  if (LayoutRow* row = Find(object)) row->shows = condition;
}

void LayoutTable::SetClient(const FormObject& object, const Edges& insets) {
  if (LayoutRow* row = Find(object)) row->client = insets;
}

void LayoutTable::SetSheet(const FormObject& object, const Edges& insets,
                          const std::string& shift) {
  LayoutRow* row = Find(object);
  if (row == nullptr || row->parent < 0) return;
  const LayoutRow& pages = rows_[static_cast<size_t>(row->parent)];
  row->left = insets.left;
  row->top = insets.top;
  row->width = std::max(0, pages.width - insets.left - insets.right);
  row->height = std::max(0, pages.height - insets.top - insets.bottom);
  row->shift = shift;
  // The designer's page may be smaller than the one its kind of tabs
  // leaves here (buttons): what is aligned to its far edges shows where
  // those edges were.
  const Edges designed = DesignedPadding(object, row->width, row->height, {});
  if (designed.right > 0 && designed.right < row->width) row->width -= designed.right;
  if (designed.bottom > 0 && designed.bottom < row->height) row->height -= designed.bottom;
}

void LayoutTable::FindSplitTargets() {
  const std::vector<int> order = PlacingOrder();
  for (size_t i = 0; i < order.size(); ++i) {
    LayoutRow& split = rows_[static_cast<size_t>(order[i])];
    if (!IsSplitter(split) || split.align == LayoutAlign::kNone ||
        split.align == LayoutAlign::kClient || split.align == LayoutAlign::kCustom) {
      continue;
    }
    int before = -1;
    for (size_t j = 0; j < order.size(); ++j) {
      const LayoutRow& row = rows_[static_cast<size_t>(order[j])];
      if (j == i || row.parent != split.parent || row.align != split.align || IsSplitter(row)) {
        continue;
      }
      if (Touches(row, split)) {
        split.splits = order[j];
        break;
      }
      if (j < i) before = order[j];
    }
    if (split.splits < 0) split.splits = before;
  }
}

std::vector<int> LayoutTable::PlacingOrder() const {
  std::vector<std::vector<int>> held(rows_.size() + 1);  // [0]: on the form
  for (size_t i = 0; i < rows_.size(); ++i) {
    held[static_cast<size_t>(rows_[i].parent + 1)].push_back(static_cast<int>(i));
  }
  for (std::vector<int>& children : held) {
    std::stable_sort(children.begin(), children.end(), [this](int a, int b) {
      const LayoutRow& first = rows_[static_cast<size_t>(a)];
      const LayoutRow& second = rows_[static_cast<size_t>(b)];
      if (AlignRank(first.align) != AlignRank(second.align)) {
        return AlignRank(first.align) < AlignRank(second.align);
      }
      return AlignPosition(first) < AlignPosition(second);
    });
  }
  std::vector<int> order;
  order.reserve(rows_.size());
  // Depth first: a container's own place is known before what it holds.
  std::vector<int> pending(held[0].rbegin(), held[0].rend());
  while (!pending.empty()) {
    const int row = pending.back();
    pending.pop_back();
    order.push_back(row);
    const std::vector<int>& inside = held[static_cast<size_t>(row + 1)];
    pending.insert(pending.end(), inside.rbegin(), inside.rend());
  }
  return order;
}

bool LayoutTable::HasSplitters() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const LayoutRow& row) { return row.splits >= 0; });
}

bool LayoutTable::HasScrollBoxes() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const LayoutRow& row) { return row.scrolls; });
}

}  // namespace vornic
