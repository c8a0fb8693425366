// The values an action passes on, and the handler a bound click runs.
#include "extended/actions.h"

#include "form/form_object.h"

namespace vornic {

namespace {

// What an action gives a control bound to it that stores none of its own.
constexpr std::string_view kActionValues[] = {"Caption",    "Enabled",    "Checked",
                                              "Visible",    "Hint",       "ShortCut",
                                              "ImageIndex", "GroupIndex", "HelpContext"};

bool IsActionValue(std::string_view name) {
  for (std::string_view value : kActionValues) {
    if (name == value) return true;
  }
  return false;
}

// The action `object` is bound to, for the value `name`; nullptr when the
// value is its own or it has none.
const FormObject* ActionFor(const FormObject& object, std::string_view name) {
  if (object.Has(name) || !IsActionValue(name)) return nullptr;
  return object.Target("Action");
}

}  // namespace

const std::string& LinkedValue(const FormObject& object, std::string_view name) {
  const FormObject* action = ActionFor(object, name);
  return action == nullptr ? object.Value(name) : action->Value(name);
}

bool HasLinkedValue(const FormObject& object, std::string_view name) {
  const FormObject* action = ActionFor(object, name);
  return action == nullptr ? object.Has(name) : action->Has(name);
}

std::string ClickName(const FormObject& object, const std::string& variable) {
  const FormObject* action = object.Target("Action");
  if (action != nullptr && !action->Value("OnExecute").empty()) {
    return action->Value("OnExecute");
  }
  return variable + "Click";
}

bool HasClick(const FormObject& object) {
  const FormObject* action = object.Target("Action");
  return object.Has("OnClick") || (action != nullptr && action->Has("OnExecute"));
}

}  // namespace vornic
