// The open objects and the fonts they pass on to what they hold.
#include "builder/open_objects.h"

#include <charconv>
#include <limits>
#include <string_view>
#include <utility>

#include "lib/text.h"

namespace vornic {

namespace {

// Each nesting step indents by two blanks, and an object's own properties
// stand one step in from its object line.
int PropertyIndent(int level) { return 2 * level; }

}  // namespace

const DesignState& DefaultDesignState() {
  static const DesignState state = [] {
    DesignState form;
    form.inherited_color = "clBtnFace";
    return form;
  }();
  return state;
}

OpenObject& OpenObjects::Open(int level) {
  while (!objects_.empty() && objects_.back().level >= level) objects_.pop_back();
  // A copy: growing the vector may move the holder's font.
  DesignFont font = objects_.empty() ? DefaultDesignFont() : objects_.back().font;
  DesignState state;
  const DesignState& holder = objects_.empty() ? DefaultDesignState() : objects_.back().state;
  // The form's own Visible and Enabled are its window's, not its controls'.
  if (objects_.size() > 1) {
    state.visible = holder.visible;
    state.enabled = holder.enabled;
  }
  state.page = holder.page;
  state.inherited_color = DesignColor(holder);
  objects_.push_back(OpenObject{level, std::move(font), nullptr, std::move(state)});
  return objects_.back();
}

void OpenObjects::Close(int level) {
  while (!objects_.empty() && objects_.back().level > level) objects_.pop_back();
  if (!objects_.empty() && objects_.back().level == level) objects_.pop_back();
}

OpenObject* OpenObjects::Find(int level) {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->level == level) return &*it;
    if (it->level < level) break;
  }
  return nullptr;
}

OpenObject* OpenObjects::Holder() {
  return objects_.size() < 2 ? nullptr : &objects_[objects_.size() - 2];
}

ControlGenerator* OpenObjects::GeneratorBelow(int level) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->level < level) return it->generator.get();
  }
  return nullptr;
}

bool OpenObjects::Holds(const ControlGenerator* generator) const {
  if (generator == nullptr) return false;
  for (const OpenObject& object : objects_) {
    if (object.generator.get() == generator) return true;
  }
  return false;
}

void OpenObjects::StoreFontProperty(const LineWords& line) {
  if (objects_.empty() || line.Indent != PropertyIndent(objects_.back().level)) return;
  DesignFont& font = objects_.back().font;
  const std::string_view name = line.Word1;
  if (name == "Font.Charset") {
    font.face.Charset = line.Word3;
  } else if (name == "Font.Height") {
    font.face.Height = line.Word3;
  } else if (name == "Font.Name") {
    font.face.Name = line.Word3;
  } else if (name == "Font.Style") {
    font.face.Style = line.Word3;
  } else if (name == "Font.Color") {
    font.color = line.Word3;
  } else if (name == "ParentFont" && std::string_view(line.Word3) == "True") {
    // Read after the Font values, it gives the object its holder's font again.
    const OpenObject* holder = Holder();
    font = holder == nullptr ? DefaultDesignFont() : holder->font;
  }
}

void OpenObjects::StoreProperty(const LineWords& line) {
  if (objects_.empty() || line.Indent != PropertyIndent(objects_.back().level)) return;
  DesignState& state = objects_.back().state;
  const std::string& name = line.Word1;
  const std::string& value = line.Word3;
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
  } else if (name == "ActiveControl") {
    state.active_control = value;
  }
}

const DesignState& OpenObjects::StateAt(int level) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->level <= level) return it->state;
  }
  return DefaultDesignState();
}

FocusRank OpenObjects::FocusRankAt(int level) const {
  if (objects_.empty()) return {true, {}};
  // The form names its ActiveControl by the object's name, a frame's
  // control by the frame's name and its own.
  std::string wanted = objects_.front().state.active_control;
  if (const size_t dot = wanted.rfind('.'); dot != std::string::npos) wanted.erase(0, dot + 1);
  const bool active = !wanted.empty() && UpperText(wanted) == UpperText(StateAt(level).object_name);
  std::vector<int> path;
  // The form itself is no member of any tab order.
  for (size_t i = 1; i < objects_.size() && objects_[i].level <= level; ++i) {
    const std::string& text = objects_[i].state.tab_order;
    int order = std::numeric_limits<int>::max();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), order);
    if (error != std::errc() || end != text.data() + text.size()) {
      order = std::numeric_limits<int>::max();
    }
    path.push_back(order);
  }
  return {!active, std::move(path)};
}

const DesignFont& OpenObjects::FontAt(int level) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->level <= level) return it->font;
  }
  return DefaultDesignFont();
}

}  // namespace vornic
