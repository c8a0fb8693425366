// Each form file is read once per run and kept put together; forms that use
// it merge a copy. A form put together while a cycle of ancestors or frames
// was cut is not kept, as what it lacks depends on where the search began.
#include "project/project_forms.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "form/form_merge.h"
#include "form/form_reader.h"
#include "input/binary_to_text.h"
#include "input/form_format.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "project/unit_declarations.h"

namespace vornic {

namespace {

namespace fs = std::filesystem;

std::string FolderOf(const std::string& file) { return fs::path(file).parent_path().string(); }

std::string UnitOf(const std::string& file) {
  return fs::path(file).replace_extension(".pas").string();
}

// The text of a form file; a binary one is converted in memory.
std::string FormFileText(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  if (!input) throw EInOutError(CannotOpenFile(file, SystemReason(errno)));
  if (input.peek() != form::kResourceTypeMarker) {
    std::ostringstream text;
    text << input.rdbuf();
    if (input.bad()) throw EInOutError(CannotReadFile(file, SystemReason(errno)));
    return text.str();
  }
  std::ostringstream text;
  try {
    FormResourceToText(input, text);
  } catch (const EInputError& failure) {
    throw EInOutError(CannotReadFile(file, SystemReason(failure.error_number())));
  } catch (const Error& failure) {
    throw Error(file + ": " + failure.what());
  }
  return text.str();
}

FormTree ReadFormFile(const std::string& file, const ReadingRules& rules) {
  FormReader reader(file, rules);
  reader.Add(FormFileText(file));
  reader.Finish();
  return reader.TakeTree();
}

bool NeedsOtherFiles(const FormTree& form) {
  if (form.root == nullptr) return false;
  bool needs = form.root->kind == ObjectKind::kInherited;
  VisitObjects(*form.root, [&](const FormObject& object) {
    needs = needs || object.kind == ObjectKind::kInline;
  });
  return needs;
}

bool ReadText(const std::string& file, std::string& text) {
  std::ifstream input(file, std::ios::binary);
  if (!input) return false;
  std::ostringstream read;
  read << input.rdbuf();
  text = read.str();
  return !input.bad();
}

}  // namespace

// What one search for a form's ancestors and frames keeps.
struct ProjectForms::Search {
  std::vector<std::string> classes;  // being put together, outermost first
  bool cycle = false;                // a cycle was cut in what is being put together
  std::vector<std::shared_ptr<const FormTree>> held;  // what the merges read from
};

ProjectForms::ProjectForms(const ReadingRules& rules, std::vector<std::string> search_folders)
    : rules_(rules), index_(std::move(search_folders)) {}

void ProjectForms::Prepare(const std::string& form_file) {
  index_.Prepare(FolderOf(form_file));
  index_.PrepareSearchFolders();
}

FormTree ProjectForms::Complete(FormTree form, const std::string& form_file) {
  // Most forms stand alone, and a large one is not copied for nothing.
  if (!NeedsOtherFiles(form)) return form;
  Search search;
  return CompleteIn(form, form_file, search);
}

FormTree ProjectForms::CompleteIn(const FormTree& form, const std::string& form_file,
                                  Search& search) {
  if (form.root == nullptr) return MergeForm(form, nullptr, nullptr);
  search.classes.push_back(form.root->class_name);
  std::vector<FormWarning> warnings;
  const FormTree* ancestor = nullptr;
  if (form.root->kind == ObjectKind::kInherited) {
    ancestor = FindAncestor(*form.root, form_file, search, warnings);
  }
  FormTree merged = MergeForm(form, ancestor,
                              [&](const FormObject& entry, std::vector<FormWarning>& found) {
                                return FindFrame(entry, form_file, search, found);
                              });
  search.classes.pop_back();
  // What concerns the form as a whole comes first.
  merged.warnings.insert(merged.warnings.begin(), warnings.begin(), warnings.end());
  return merged;
}

const FormTree* ProjectForms::FindAncestor(const FormObject& root, const std::string& form_file,
                                           Search& search, std::vector<FormWarning>& warnings) {
  const std::string unit = UnitOf(form_file);
  const std::string without = "the form is translated without its ancestor";
  std::string text;
  if (!ReadText(unit, text)) {
    warnings.push_back({root.source, root.line,
                        "the ancestor of " + root.class_name + " is unknown: there is no unit " +
                            unit + " beside the form; " + without});
    return nullptr;
  }
  const std::string ancestor = DeclaredAncestor(text, root.class_name);
  if (ancestor.empty()) {
    warnings.push_back({root.source, root.line,
                        "the ancestor of " + root.class_name + " is unknown: " + unit +
                            " does not declare " + root.class_name + " = class(...); " + without});
    return nullptr;
  }
  return FindClass(ancestor, form_file, root,
                   "class " + ancestor + " (the ancestor of " + root.class_name + ")", without,
                   search, warnings);
}

const FormTree* ProjectForms::FindFrame(const FormObject& entry, const std::string& form_file,
                                        Search& search, std::vector<FormWarning>& warnings) {
  return FindClass(entry.class_name, form_file, entry,
                   "class " + entry.class_name + " (the frame " + entry.name + ")",
                   entry.name + " is translated without the frame's controls", search, warnings);
}

const FormTree* ProjectForms::FindClass(const std::string& class_name,
                                        const std::string& form_file, const FormObject& entry,
                                        const std::string& what, const std::string& without,
                                        Search& search, std::vector<FormWarning>& warnings) {
  const std::string upper = UpperText(class_name);
  for (size_t i = 0; i < search.classes.size(); ++i) {
    if (UpperText(search.classes[i]) != upper) continue;
    std::string cycle;
    for (size_t j = i; j < search.classes.size(); ++j) cycle += search.classes[j] + " -> ";
    warnings.push_back({entry.source, entry.line,
                        what + " leads back to itself (" + cycle + class_name + "); " + without});
    search.cycle = true;
    return nullptr;
  }
  const FormIndex::Found found = index_.Find(class_name, FolderOf(form_file));
  if (found.files.empty()) {
    warnings.push_back({entry.source, entry.line,
                        "no form file of " + what + " in " + found.places + "; " + without});
    return nullptr;
  }
  if (found.files.size() > 1) {
    std::string files;
    for (const std::string& file : found.files) files += (files.empty() ? "" : ", ") + file;
    warnings.push_back({entry.source, entry.line,
                        std::to_string(found.files.size()) + " form files have " + what +
                            " at their root: " + files + "; " + without});
    return nullptr;
  }
  search.held.push_back(Load(found.files.front(), search));
  return search.held.back().get();
}

std::shared_ptr<const FormTree> ProjectForms::Load(const std::string& file, Search& search) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (const auto it = loaded_.find(file); it != loaded_.end()) return it->second;
  }
  // Read without the lock: forms of other threads go on meanwhile, and two
  // that need the same file at once read it twice, alike.
  const bool cycle_outside = search.cycle;
  search.cycle = false;
  auto tree = std::make_shared<const FormTree>(CompleteIn(ReadFormFile(file, rules_), file, search));
  const bool cut = search.cycle;
  search.cycle = cycle_outside || cut;
  if (cut) return tree;
  std::lock_guard<std::mutex> lock(mutex_);
  return loaded_.emplace(file, std::move(tree)).first->second;
}

}  // namespace vornic
