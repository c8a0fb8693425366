// Form text into a tree. Lines are split by the same parser the exact
// translation uses, and every value is checked as its line is read, so that a
// form fails at the same line whichever translation reads it.
#include "form/form_reader.h"

#include <utility>

#include "input/bitmap_data_line.h"
#include "input/line_reports.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {

namespace {

using Shape = FormProperty::Shape;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

ObjectKind KindOf(const std::string& word) {
  if (word == "inherited") return ObjectKind::kInherited;
  if (word == "inline") return ObjectKind::kInline;
  return ObjectKind::kObject;
}

// "[3]" behind the class: the place an inherited form gives a new object.
int OrderOf(const std::string& line) {
  const size_t open = line.rfind('[');
  const size_t close = line.rfind(']');
  if (open == std::string::npos || close == std::string::npos || close < open + 2) return -1;
  int order = 0;
  for (size_t i = open + 1; i < close; ++i) {
    if (line[i] < '0' || line[i] > '9' || order > 100000000) return -1;
    order = order * 10 + (line[i] - '0');
  }
  return order;
}

// How a property line's value opens: the shape, and whether lines follow.
Shape ShapeOf(const std::string& value, bool* opens) {
  *opens = false;
  if (value == "(" || value == "()") {
    *opens = value == "(";
    return Shape::kList;
  }
  if (value == "<" || value == "<>") {
    *opens = value == "<";
    return Shape::kCollection;
  }
  if (!value.empty() && value[0] == '{') {
    *opens = value.back() != '}';
    return Shape::kData;
  }
  return Shape::kPlain;
}

}  // namespace

FormReader::FormReader(const std::string& text_name, const ReadingRules& rules)
    : text_name_(text_name), rules_(rules) {
  tree_.files.push_back(text_name);
}

void FormReader::Add(std::string_view bytes) {
  if (done()) return;
  // The lines lose the byte order mark; the texts' decoding asks for it.
  if (head_.size() < kByteOrderMark.size()) {
    head_.append(bytes.substr(0, kByteOrderMark.size() - head_.size()));
    tree_.byte_order_mark =
        head_ == kByteOrderMark.substr(0, head_.size()) && head_.size() == kByteOrderMark.size();
  }
  lines_.Add(bytes);
}

void FormReader::Finish() { lines_.Finish(); }

FormTree FormReader::TakeTree() { return std::move(tree_); }

// A failure of the form is reported with the line it happened on.
void FormReader::OnLine(std::string_view line, int line_number) {
  if (done_ || IsBlankText(line)) return;
  try {
    parser_.ParseLine(line_number, line);
    Read(parser_, line_number);
  } catch (const EInOutError&) {
    throw;
  } catch (const Error&) {
    throw EParserError(LineErrorReport(text_name_, line_number, std::string(line)));
  }
  done_ = EndsRootObject(parser_);
}

// Most of a form with pictures is data lines: they are taken without the
// line parser while a data value is open.
size_t FormReader::TakeLines(std::string_view text, int& lines) {
  if (done_ || open_.empty() || open_.back().values.empty()) return 0;
  OpenObjectEntry& open = open_.back();
  if (open.values.back().property->shape != Shape::kData) return 0;
  size_t taken = 0;
  std::string_view word;
  for (size_t length; (length = BitmapDataLineAt(text.substr(taken), word)) != 0;) {
    taken += length;
    ++lines;
    if (AddData(open, word)) break;
  }
  return taken;
}

void FormReader::Read(const LineWords& line, int line_number) {
  const std::string_view kind = line.Kind;
  if (kind == "object") {
    BeginObject(line, line_number);
  } else if (kind == "set" && !InStringList()) {
    SetProperty(line, line_number);
  } else if (kind != "end" || !EndObject(line.Level, line_number)) {
    // An end line that closes no object ends an item of a collection.
    ContinueValue(line, line_number);
  }
}

void FormReader::BeginObject(const LineWords& line, int line_number) {
  // An object line closes what its level says has ended, end lines or not.
  while (!open_.empty() && open_.back().level >= line.Level) open_.pop_back();
  auto object = std::make_unique<FormObject>();
  object->kind = KindOf(line.Word1);
  object->class_name = line.ClassName;
  object->name = RemoveChar(line.ObjectName, ":");
  object->line_text = parser_.Line;
  object->line = line_number;
  object->order = OrderOf(parser_.Line);
  FormObject* added = object.get();
  const bool is_root = tree_.root == nullptr;
  if (is_root) {
    tree_.root = std::move(object);
  } else {
    // What follows a root that lost its end line still belongs to the form.
    FormObject* holder = open_.empty() ? tree_.root.get() : open_.back().object;
    added->parent = holder;
    holder->children.push_back(std::move(object));
  }
  open_.push_back(OpenObjectEntry{added, line.Level, rules_.RulesFor(*added, is_root), {}});
  Check(line);
}

void FormReader::SetProperty(const LineWords& line, int line_number) {
  if (open_.empty()) return;
  OpenObjectEntry& open = open_.back();
  // Checked while what it ends is still open: a line of a string list is an
  // entry whatever its words look like ("'a' + 'b'" reads as a property).
  Check(line);
  // A property line ends the lists and data left open before it: only a
  // collection's item holds properties of its own.
  while (!open.values.empty() && !open.values.back().in_item) open.values.pop_back();
  FormProperties& target = PropertyTarget(open);
  bool opens = false;
  FormProperty property;
  property.name = line.Word1;
  property.value = line.Word3;
  property.line = line_number;
  property.shape = ShapeOf(property.value, &opens);
  // Data may begin on the property's own line.
  std::string first_data;
  if (property.shape == Shape::kData && property.value.size() > 1) {
    first_data = property.value.substr(1);
    if (!opens) first_data.pop_back();
    property.data = first_data;
  }
  target.properties.push_back(std::move(property));
  if (!opens) return;
  std::string_view marker;
  if (&target == static_cast<FormProperties*>(open.object)) {
    for (const auto& [name, list_marker] : open.rules.list_markers) {
      if (name == line.Word1) marker = list_marker;
    }
  }
  open.values.push_back(OpenValue{&target.properties.back(), marker});
}

bool FormReader::InStringList() const {
  return !open_.empty() && !open_.back().values.empty() &&
         IsStringListMarker(open_.back().values.back().marker);
}

FormProperties& FormReader::PropertyTarget(OpenObjectEntry& open) {
  if (open.values.empty()) return *open.object;
  return open.values.back().property->items.back();
}

void FormReader::ContinueValue(const LineWords& line, int /*line_number*/) {
  if (open_.empty() || open_.back().values.empty()) return;
  OpenObjectEntry& open = open_.back();
  Check(line);
  OpenValue& value = open.values.back();
  FormProperty& property = *value.property;
  const std::string& word = line.Word1;
  switch (property.shape) {
    case Shape::kPlain:
      break;
    case Shape::kList:
      // An end line ends a list that lost its closing entry; it is no entry.
      if (line.Kind == "end") {
        open.values.pop_back();
      } else if (line.WordCount == 1) {
        const bool closes = LastChar(word) == ')';
        property.entries.Add(closes ? std::string_view(word).substr(0, word.size() - 1) : word);
        if (closes) open.values.pop_back();
      }
      break;
    case Shape::kData:
      AddData(open, word);
      break;
    case Shape::kCollection:
      if (word == "item") {
        property.items.emplace_back();
        property.items.back().line = parser_.LineNumber;
        value.in_item = true;
      } else if (word == "end") {
        value.in_item = false;
      } else if (word == "end>") {
        open.values.pop_back();
      }
      break;
  }
}

bool FormReader::AddData(OpenObjectEntry& open, std::string_view word) {
  FormProperty& property = *open.values.back().property;
  const bool closes = !word.empty() && word.back() == '}';
  property.data.append(closes ? word.substr(0, word.size() - 1) : word);
  if (closes) open.values.pop_back();
  return closes;
}

bool FormReader::EndObject(int level, int line_number) {
  for (size_t i = open_.size(); i-- > 0;) {
    if (open_[i].level != level) continue;
    open_[i].object->end_line = line_number;
    open_[i].object->end_line_text = parser_.Line;
    open_.resize(i);
    return true;
  }
  return false;
}

void FormReader::Check(const LineWords& line) {
  OpenObjectEntry& open = open_.back();
  const std::string_view marker = open.values.empty() ? "" : open.values.back().marker;
  const std::string marker_text(marker);
  if (open.rules.by_ending && !open.object->left_out &&
      !LineValuesFit(line, open.rules.checks, marker_text)) {
    // Nothing of it is written: only what objects inside it take over stays checked.
    open.object->left_out = true;
    open.rules.checks = open.rules.if_left_out;
    open.rules.list_markers.clear();
    for (OpenValue& value : open.values) value.marker = "";
    CheckLineValues(line, open.rules.checks, "");
    return;
  }
  CheckLineValues(line, open.rules.checks, marker_text);
}

}  // namespace vornic
