// Merging trees: copies of the ancestor's and frames' objects, changed by the
// entries of the form that inherits or places them.
#include "form/form_merge.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "lib/text.h"

namespace vornic {

namespace {

// Where each file of a tree merged in stands among the result's files.
using FileMap = std::vector<int>;

class Merger {
 public:
  Merger(FormTree& result, const FrameFinder& frames) : result_(result), frames_(frames) {
    // The form's own files come first and keep their numbers.
    for (size_t i = 0; i < result_.files.size(); ++i) own_files_.push_back(static_cast<int>(i));
  }

  // The ancestor's root, copied, standing for the form's root.
  std::unique_ptr<FormObject> MergeRoot(const FormObject& root, const FormTree& ancestor) {
    auto merged = Copy(*ancestor.root, AddTree(ancestor), nullptr);
    TakePlaceOf(*merged, root, ObjectKind::kObject);
    Apply(*merged, root, merged.get());
    return merged;
  }

  // The form's root as read, where it has no ancestor: inherited entries
  // find nothing to change and stand as read.
  std::unique_ptr<FormObject> Expand(const FormObject& root) {
    auto object = CopyHead(root, own_files_, nullptr);
    ApplyChildren(*object, root, nullptr);
    return object;
  }

 private:
  // Lists the files of `tree` among the result's, once, and takes over its
  // warnings; returns where its files went.
  const FileMap& AddTree(const FormTree& tree) {
    auto [it, added] = added_.try_emplace(&tree);
    if (!added) return it->second;
    for (const std::string& file : tree.files) it->second.push_back(FileNumber(file));
    for (FormWarning warning : tree.warnings) {
      warning.source = it->second[warning.source];
      result_.warnings.push_back(std::move(warning));
    }
    return it->second;
  }

  int FileNumber(const std::string& file) {
    for (size_t i = 0; i < result_.files.size(); ++i) {
      if (result_.files[i] == file) return static_cast<int>(i);
    }
    result_.files.push_back(file);
    return static_cast<int>(result_.files.size() - 1);
  }

  static FormProperty CopyProperty(const FormProperty& property, const FileMap& files) {
    FormProperty copy = property;
    copy.source = files[property.source];
    // A reference names an object of the tree it was read in.
    copy.target = nullptr;
    for (FormItem& item : copy.items) {
      for (FormProperty& value : item.properties) value.target = nullptr;
    }
    return copy;
  }

  // The object without what it holds.
  static std::unique_ptr<FormObject> CopyHead(const FormObject& object, const FileMap& files,
                                              FormObject* parent) {
    auto copy = std::make_unique<FormObject>();
    copy->kind = object.kind;
    copy->class_name = object.class_name;
    copy->name = object.name;
    copy->line_text = object.line_text;
    copy->line = object.line;
    copy->end_line = object.end_line;
    copy->source = files[object.source];
    copy->end_line_text = object.end_line_text;
    copy->left_out = object.left_out;
    copy->parent = parent;
    for (const FormProperty& property : object.properties) {
      copy->properties.push_back(CopyProperty(property, files));
    }
    return copy;
  }

  static std::unique_ptr<FormObject> Copy(const FormObject& object, const FileMap& files,
                                          FormObject* parent) {
    auto copy = CopyHead(object, files, parent);
    for (const auto& child : object.children) {
      copy->children.push_back(Copy(*child, files, copy.get()));
    }
    return copy;
  }

  // `merged` becomes the object that `entry` names, read where `entry` was.
  void TakePlaceOf(FormObject& merged, const FormObject& entry, ObjectKind kind) {
    merged.kind = kind;
    merged.class_name = entry.class_name;
    merged.name = entry.name;
    merged.line_text = entry.line_text;
    merged.line = entry.line;
    merged.end_line = entry.end_line;
    merged.source = own_files_[entry.source];
    merged.end_line_text = entry.end_line_text;
  }

  std::unique_ptr<FormObject> PlaceFrame(const FormObject& entry, FormObject* parent) {
    const FormTree* frame = frames_(entry, result_.warnings);
    if (frame == nullptr || frame->root == nullptr) {
      // Without its frame the entry stays as it stands, as in a form read alone.
      auto object = CopyHead(entry, own_files_, parent);
      ApplyChildren(*object, entry, nullptr);
      return object;
    }
    auto instance = Copy(*frame->root, AddTree(*frame), parent);
    TakePlaceOf(*instance, entry, ObjectKind::kInline);
    Apply(*instance, entry, instance.get());
    return instance;
  }

  // The changes of `entry` applied to `target`; `scope` is the form or frame
  // whose objects inherited entries name, nullptr when there is none.
  void Apply(FormObject& target, const FormObject& entry, FormObject* scope) {
    target.left_out = target.left_out || entry.left_out;
    for (const FormProperty& property : entry.properties) {
      FormProperty* stored = target.Find(property.name);
      if (stored != nullptr) {
        *stored = CopyProperty(property, own_files_);
      } else {
        target.properties.push_back(CopyProperty(property, own_files_));
      }
    }
    ApplyChildren(target, entry, scope);
  }

  void ApplyChildren(FormObject& target, const FormObject& entry, FormObject* scope) {
    for (const auto& child : entry.children) {
      FormObject* inherited = child->kind == ObjectKind::kInherited && scope != nullptr
                                  ? FindNamed(*scope, child->name)
                                  : nullptr;
      // An object cannot move into what it holds itself.
      if (inherited != nullptr && Holds(*inherited, target)) inherited = nullptr;
      if (inherited == nullptr) {
        if (child->kind == ObjectKind::kInherited && scope != nullptr) WarnLost(*child, *scope);
        AddNew(target, *child, scope);
        continue;
      }
      if (inherited->parent != &target || child->order >= 0) {
        Insert(target, Detach(*inherited), child->order);
      }
      Apply(*inherited, *child, inherited->kind == ObjectKind::kInline ? inherited : scope);
    }
  }

  // An object the form adds, at its place in `holder`; what it holds may
  // name objects of `scope` that move into it.
  void AddNew(FormObject& holder, const FormObject& entry, FormObject* scope) {
    if (entry.kind == ObjectKind::kInline) {
      Insert(holder, PlaceFrame(entry, &holder), entry.order);
      return;
    }
    FormObject& added = Insert(holder, CopyHead(entry, own_files_, &holder), entry.order);
    ApplyChildren(added, entry, scope);
  }

  void WarnLost(const FormObject& entry, const FormObject& scope) {
    result_.warnings.push_back(
        FormWarning{own_files_[entry.source], entry.line,
                    entry.name + " is inherited, but the form of " + scope.class_name +
                        " holds no object of that name: it is written as it stands"});
  }

  // The object called `name` among those of `scope`, not looking into the
  // frames placed there, whose objects are named apart.
  static FormObject* FindNamed(FormObject& scope, const std::string& name) {
    const std::string upper = UpperText(name);
    for (const auto& child : scope.children) {
      if (UpperText(child->name) == upper) return child.get();
      if (child->kind == ObjectKind::kInline) continue;
      if (FormObject* found = FindNamed(*child, name)) return found;
    }
    return nullptr;
  }

  // True when `object` is `inner` or holds it.
  static bool Holds(const FormObject& object, const FormObject& inner) {
    for (const FormObject* step = &inner; step != nullptr; step = step->parent) {
      if (step == &object) return true;
    }
    return false;
  }

  static std::unique_ptr<FormObject> Detach(FormObject& object) {
    auto& siblings = object.parent->children;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
      if (it->get() != &object) continue;
      std::unique_ptr<FormObject> detached = std::move(*it);
      siblings.erase(it);
      return detached;
    }
    return nullptr;
  }

  // "[n]" is the place among the holder's objects; without one, or past
  // them, the object goes last.
  static FormObject& Insert(FormObject& holder, std::unique_ptr<FormObject> object, int order) {
    object->parent = &holder;
    object->order = -1;
    FormObject& inserted = *object;
    auto& children = holder.children;
    if (order >= 0 && static_cast<size_t>(order) < children.size()) {
      children.insert(children.begin() + order, std::move(object));
    } else {
      children.push_back(std::move(object));
    }
    return inserted;
  }

  FormTree& result_;
  const FrameFinder& frames_;
  FileMap own_files_;
  std::map<const FormTree*, FileMap> added_;
};

void ClearOrder(FormObject& object) {
  object.order = -1;
  for (auto& child : object.children) ClearOrder(*child);
}

}  // namespace

FormTree MergeForm(const FormTree& form, const FormTree* ancestor, const FrameFinder& frames) {
  FormTree result;
  result.files = form.files;
  result.warnings = form.warnings;
  if (form.root == nullptr) return result;
  Merger merger(result, frames);
  if (ancestor != nullptr && ancestor->root != nullptr) {
    result.root = merger.MergeRoot(*form.root, *ancestor);
  } else {
    result.root = merger.Expand(*form.root);
  }
  ClearOrder(*result.root);
  return result;
}

}  // namespace vornic
