// The designer's font and state of each object, and the first focus's order.
#include "extended/design_state.h"

#include <charconv>
#include <limits>
#include <string_view>

#include "extended/actions.h"
#include "form/form_object.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The classes that keep a colour of their own unless ParentColor is True.
// Every other class takes its holder's colour, as the designer's ParentColor
// default does.
const char* ClassColor(const std::string& class_name) {
  static const char* const kWindowColored[] = {
      "TEDIT",     "TMEMO",       "TLISTBOX",     "TCOMBOBOX",     "TMASKEDIT",
      "TRICHEDIT", "TSPINEDIT",   "TLABELEDEDIT", "TCHECKLISTBOX", "TLISTVIEW",
      "TTREEVIEW", "TSTRINGGRID", "TDRAWGRID",    "TCOMBOBOXEX",   "THOTKEY"};
  const std::string upper = UpperText(class_name);
  for (const char* name : kWindowColored) {
    if (upper == name) return "clWindow";
  }
  if (upper == "TPANEL") return "clBtnFace";
  return nullptr;
}

const DesignState& FormDesignState() {
  static const DesignState state = [] {
    DesignState form;
    form.inherited_color = "clBtnFace";
    return form;
  }();
  return state;
}

int TabOrderOf(const std::string& text) {
  int order = std::numeric_limits<int>::max();
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), order);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::numeric_limits<int>::max();
  }
  return order;
}

}  // namespace

std::string DesignColor(const DesignState& state) {
  if (!state.color.empty()) return state.color;
  const char* own = ClassColor(state.class_name);
  if (own != nullptr && state.parent_color != "True") return own;
  return state.inherited_color;
}

const DesignFont& DefaultDesignFont() {
  static const DesignFont font{{"DEFAULT_CHARSET", "-11", "'MS Sans Serif'", "[]"}, "clWindowText"};
  return font;
}

DesignFont FontOf(const FormObject& object, const DesignFont* holder) {
  DesignFont font = holder == nullptr ? DefaultDesignFont() : *holder;
  for (const FormProperty& property : object.properties) {
    const std::string_view name = property.name;
    const std::string& value = property.value;
    if (name == "Font.Charset") {
      font.face.Charset = value;
    } else if (name == "Font.Height") {
      font.face.Height = value;
    } else if (name == "Font.Name") {
      font.face.Name = value;
    } else if (name == "Font.Style") {
      font.face.Style = value;
    } else if (name == "Font.Color") {
      font.color = value;
    } else if (name == "ParentFont" && value == "True") {
      // Read after the Font values, it gives the object its holder's font again.
      font = holder == nullptr ? DefaultDesignFont() : *holder;
    }
  }
  return font;
}

DesignState StateOf(const FormObject& object, const DesignState* holder, bool holder_is_form) {
  const DesignState& from = holder == nullptr ? FormDesignState() : *holder;
  DesignState state;
  // The form's own Visible and Enabled are its window's, not its controls'.
  if (holder != nullptr && !holder_is_form) {
    state.visible = from.visible;
    state.enabled = from.enabled;
  }
  state.page = from.page;
  state.inherited_color = DesignColor(from);
  state.class_name = object.class_name;
  state.object_name = object.name;
  for (const FormProperty& property : object.properties) {
    const std::string_view name = property.name;
    const std::string& value = property.value;
    // Visible and Enabled only ever take away what the holder passed on.
    if (name == "Visible") {
      state.visible = state.visible && value != "False";
    } else if (name == "Enabled") {
      state.enabled = state.enabled && value != "False";
    } else if (name == "Color") {
      state.color = value;
    } else if (name == "ParentColor") {
      state.parent_color = value;
    } else if (name == "TabStop") {
      state.tab_stop = value;
    } else if (name == "Default") {
      state.default_button = value;
    } else if (name == "Cancel") {
      state.cancel = value;
    } else if (name == "IntegralHeight") {
      state.integral_height = value;
    } else if (name == "TabOrder") {
      state.tab_order = value;
    }
  }
  // A control bound to an action shows and enables as the action says, unless
  // it says otherwise itself.
  if (!object.Has("Visible"))
    state.visible = state.visible && LinkedValue(object, "Visible") != "False";
  if (!object.Has("Enabled"))
    state.enabled = state.enabled && LinkedValue(object, "Enabled") != "False";
  return state;
}

FocusRank FocusRankOf(const FormObject& object, const FormObject& root) {
  // The form names its ActiveControl by the object's name, a frame's
  // control by the frame's name and its own.
  std::string wanted = root.Value("ActiveControl");
  if (const size_t dot = wanted.rfind('.'); dot != std::string::npos) wanted.erase(0, dot + 1);
  const bool active = !wanted.empty() && UpperText(wanted) == UpperText(object.name);
  // The form itself is no member of any tab order.
  std::vector<int> path;
  for (const FormObject* step = &object; step != nullptr && step->parent != nullptr;
       step = step->parent) {
    path.insert(path.begin(), TabOrderOf(step->Value("TabOrder")));
  }
  return {!active, std::move(path)};
}

}  // namespace vornic
