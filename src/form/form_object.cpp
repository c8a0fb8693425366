// Lookups in the form tree.
#include "form/form_object.h"

namespace vornic {

const FormProperty* FormProperties::Find(std::string_view name) const {
  for (auto it = properties.rbegin(); it != properties.rend(); ++it) {
    if (it->name == name) return &*it;
  }
  return nullptr;
}

FormProperty* FormProperties::Find(std::string_view name) {
  return const_cast<FormProperty*>(static_cast<const FormProperties*>(this)->Find(name));
}

const std::string& FormProperties::Value(std::string_view name) const {
  static const std::string kMissing;
  const FormProperty* property = Find(name);
  return property == nullptr || property->shape != FormProperty::Shape::kPlain ? kMissing
                                                                               : property->value;
}

const FormObject* FormObject::Target(std::string_view property) const {
  const FormProperty* found = Find(property);
  return found == nullptr ? nullptr : found->target;
}

int FormObject::depth() const {
  int depth = 1;
  for (const FormObject* holder = parent; holder != nullptr; holder = holder->parent) ++depth;
  return depth;
}

}  // namespace vornic
