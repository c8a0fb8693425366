// The open objects and the fonts they pass on to what they hold.
#include "builder/open_objects.h"

#include <utility>

namespace vornic {

namespace {

// Each nesting step indents by two blanks, and an object's own properties
// stand one step in from its object line.
int PropertyIndent(int level) { return 2 * level; }

}  // namespace

const DesignFont& DefaultDesignFont() {
  static const DesignFont font{{"DEFAULT_CHARSET", "-11", "'MS Sans Serif'", "[]"}, "clWindowText"};
  return font;
}

OpenObject& OpenObjects::Open(int level) {
  while (!objects_.empty() && objects_.back().level >= level) objects_.pop_back();
  // A copy: growing the vector may move the holder's font.
  DesignFont font = objects_.empty() ? DefaultDesignFont() : objects_.back().font;
  objects_.push_back(OpenObject{level, std::move(font), nullptr});
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
  const std::string& name = line.Word1;
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
  } else if (name == "ParentFont" && line.Word3 == "True") {
    // Read after the Font values, it gives the object its holder's font again.
    const OpenObject* holder = Holder();
    font = holder == nullptr ? DefaultDesignFont() : holder->font;
  }
}

const DesignFont& OpenObjects::FontAt(int level) const {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->level <= level) return it->font;
  }
  return DefaultDesignFont();
}

}  // namespace vornic
