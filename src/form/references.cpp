// Linking reference values to the objects they name.
#include "form/references.h"

#include <string>
#include <string_view>
#include <unordered_map>

#include "lib/text.h"

namespace vornic {

namespace {

// The properties whose value names a component of the form.
constexpr std::string_view kReferenceProperties[] = {
    "Images",        "HotImages",     "DisabledImages", "LargeImages",  "SmallImages",
    "StateImages",   "SubMenuImages", "Action",         "PopupMenu",    "FocusControl",
    "ActiveControl", "Associate",     "Menu",           "DropdownMenu", "MenuItem",
    "ActivePage",    "ImageList",     "LinkedControl",
};

// The objects whose names a lookup sees first: the form's or a frame's.
using Scope = std::unordered_map<std::string, const FormObject*>;

class Resolver {
 public:
  explicit Resolver(const FormObject& root) { Enter(root, nullptr); }

  // Links every reference of `object` and of what it holds.
  void Resolve(FormObject& object, std::vector<UnresolvedReference>& unresolved) {
    ResolveList(object, object, unresolved);
    for (auto& child : object.children) Resolve(*child, unresolved);
  }

 private:
  // A frame placed on the form is a scope of its own; so is the form.
  static bool IsScope(const FormObject& object) {
    return object.parent == nullptr || object.kind == ObjectKind::kInline;
  }

  // Each name goes into the scope around its object; the first of two
  // objects of one name is the one found.
  void Enter(const FormObject& object, const FormObject* scope) {
    if (scope != nullptr && !object.name.empty()) {
      scopes_[scope].emplace(UpperText(object.name), &object);
    }
    const FormObject* inner = IsScope(object) ? &object : scope;
    for (const auto& child : object.children) Enter(*child, inner);
  }

  // The scope whose names `object` sees first; nullptr above the form.
  static const FormObject* ScopeAround(const FormObject* object) {
    while (object != nullptr && !IsScope(*object)) object = object->parent;
    return object;
  }

  // Looks `upper` up in the scope of `object` and then those around it.
  const FormObject* LookupPlain(const FormObject& object, const std::string& upper) const {
    for (const FormObject* scope = ScopeAround(&object); scope != nullptr;
         scope = ScopeAround(scope->parent)) {
      if (const FormObject* found = Find(*scope, upper)) return found;
    }
    return nullptr;
  }

  // "Owner.Name": Owner is the form or a frame around the object, or a
  // frame the object sees; another form's component is not found.
  const FormObject* Lookup(const FormObject& object, const std::string& value) const {
    const size_t dot = value.rfind('.');
    if (dot == std::string::npos) return LookupPlain(object, UpperText(value));
    const std::string owner = UpperText(value.substr(0, value.find('.')));
    const std::string name = UpperText(value.substr(dot + 1));
    if (value.find('.') != dot) return nullptr;
    for (const FormObject* scope = ScopeAround(&object); scope != nullptr;
         scope = ScopeAround(scope->parent)) {
      if (UpperText(scope->name) == owner) return Find(*scope, name);
    }
    const FormObject* frame = LookupPlain(object, owner);
    return frame != nullptr && IsScope(*frame) ? Find(*frame, name) : nullptr;
  }

  const FormObject* Find(const FormObject& scope, const std::string& upper) const {
    const auto names = scopes_.find(&scope);
    if (names == scopes_.end()) return nullptr;
    const auto found = names->second.find(upper);
    return found == names->second.end() ? nullptr : found->second;
  }

  void ResolveList(const FormObject& object, FormProperties& list,
                   std::vector<UnresolvedReference>& unresolved) {
    for (FormProperty& property : list.properties) {
      for (FormItem& item : property.items) ResolveList(object, item, unresolved);
      if (property.shape != FormProperty::Shape::kPlain || !IsReferenceProperty(property.name)) {
        continue;
      }
      property.target = Lookup(object, property.value);
      if (property.target == nullptr) unresolved.push_back({&object, &property});
    }
  }

  std::unordered_map<const FormObject*, Scope> scopes_;
};

}  // namespace

bool IsReferenceProperty(std::string_view name) {
  for (std::string_view reference : kReferenceProperties) {
    if (name == reference) return true;
  }
  return false;
}

std::vector<UnresolvedReference> ResolveReferences(FormTree& tree) {
  std::vector<UnresolvedReference> unresolved;
  if (tree.root == nullptr) return unresolved;
  Resolver resolver(*tree.root);
  resolver.Resolve(*tree.root, unresolved);
  return unresolved;
}

}  // namespace vornic
