// The form as a tree: every object with its class, name and kind, its
// properties with their values as form text writes them, and the objects it
// holds in the file's order. The extended translation reads the whole form
// into one before it writes a byte, so that a control can use what the form
// defines after it (image lists, actions, popup menus).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/text_list.h"

namespace vornic {

struct FormItem;
struct FormObject;

/// How the object line begins: a new object, one an ancestor holds
/// ("inherited"), or a frame placed on the form ("inline").
enum class ObjectKind { kObject, kInherited, kInline };

/// One property. Values keep the text form text writes for them, quotes,
/// brackets and codes included: a caption is "'OK'", a set "[akLeft, akTop]".
struct FormProperty {
  /// The value's kind as far as its lines are concerned.
  enum class Shape {
    kPlain,       // one line: `value` holds it
    kList,        // "( ... )": `entries`
    kData,        // "{ ... }": `data`
    kCollection,  // "< item ... end >": `items`
  };

  std::string name;   // as written, e.g. "Font.Height" or "Items.Strings"
  std::string value;  // plain: the value; else how it opened: "(", "{", "<" or "()" ...
  int line = 0;       // the number of the property's line
  int source = 0;     // the file that holds that line: an index into FormTree::files
  Shape shape = Shape::kPlain;
  TextList entries;                    // a list's entries as written, the closing ")" removed
  std::string data;                    // a data value's hexadecimal digits, braces removed
  std::vector<FormItem> items;         // a collection's items
  const FormObject* target = nullptr;  // the object a reference names, once resolved
};

/// The properties of one property list: an object's or a collection item's.
/// Lookups take the last property of a name, as a later line overrides an
/// earlier one.
struct FormProperties {
  std::vector<FormProperty> properties;

  /// The last property called `name`, nullptr when there is none.
  const FormProperty* Find(std::string_view name) const;
  FormProperty* Find(std::string_view name);
  /// The value of the plain property `name`; empty when it is missing.
  const std::string& Value(std::string_view name) const;
  /// True when the property `name` is stored.
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
};

/// One item of a collection value.
struct FormItem : FormProperties {
  int line = 0;  // of its "item" line
};

/// One object of the form.
struct FormObject : FormProperties {
  ObjectKind kind = ObjectKind::kObject;
  std::string class_name;  // as the object line writes it
  std::string name;        // without the colon; empty for an unnamed object
  std::string line_text;   // the object line as read, for reports
  int line = 0;            // the number of the object line
  int end_line = 0;        // of its end line; 0 when the form lost it
  int source = 0;          // the file that holds it: an index into FormTree::files
  int order = -1;          // the creation order "[n]" an inherited form gives; -1 for none
  // The end line as read, for reports of what is written at it.
  std::string end_line_text;
  // Set while reading: its class went by its name's ending and one of its
  // values is one that class cannot hold, so nothing of it is written.
  bool left_out = false;
  FormObject* parent = nullptr;  // nullptr for the root
  std::vector<std::unique_ptr<FormObject>> children;

  /// The object a reference property names, once resolved; nullptr when it
  /// names none or is not stored.
  const FormObject* Target(std::string_view property) const;
  /// The depth of the object: 1 for the root, 2 for what the root holds, ...
  int depth() const;
};

/// A warning about the form, which does not stop the run.
struct FormWarning {
  int source = 0;  // the file, an index into FormTree::files
  int line = 0;
  std::string text;
};

/// A whole form: its root object and the files its objects come from.
struct FormTree {
  std::unique_ptr<FormObject> root;  // nullptr for a text without objects
  std::vector<std::string> files;    // as messages name them; files[0] is the form's own
  // What putting the form together from its files found amiss (an ancestor
  // or frame not found), in the order it was found.
  std::vector<FormWarning> warnings;
  bool byte_order_mark = false;      // the form text began with UTF-8's
};

/// Calls `visit` for `object` and every object inside it, each before what
/// it holds, in the file's order.
template <typename Visit>
void VisitObjects(const FormObject& object, Visit&& visit) {
  visit(object);
  for (const auto& child : object.children) VisitObjects(*child, visit);
}

}  // namespace vornic
