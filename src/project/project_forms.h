// ProjectForms: a form put together with its ancestors and frames, which
// other form files of the project define: the unit beside a form names its
// ancestor's class, and an index of root classes finds the form file of a
// class beside the form or in the folders the user gives.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "form/form_object.h"
#include "project/form_index.h"

namespace vornic {

class ReadingRules;

/// Finds and reads the ancestors and frames of the forms of one run; each
/// form file is read and put together once per run, however many forms
/// use it. Safe to use from several threads at once. The rules are borrowed
/// and must outlive it.
class ProjectForms {
 public:
  /// `rules` check the values of every file read; `search_folders` are
  /// searched after the folder beside each form (FormIndex).
  ProjectForms(const ReadingRules& rules, std::vector<std::string> search_folders);
  ProjectForms(const ProjectForms&) = delete;
  ProjectForms& operator=(const ProjectForms&) = delete;

  /// `form`, read from `form_file`, merged onto its ancestors and with its
  /// frames placed (MergeForm). The ancestor of an inherited root is the
  /// class that the unit beside `form_file` (its name with ".pas") declares
  /// it to descend from; the form file of an ancestor or frame is the one
  /// whose root is of that class, beside the file that needs it or in the
  /// search folders. One that is not found, two files of one class, or a
  /// cycle of ancestors and frames add a warning naming the class and where
  /// it was looked for; the form is then put together without it. Throws
  /// what reading a file throws: EParserError "[Error] file(N): line" for a
  /// line of it, Error "file: message" for a file that is no form.
  /// A form without an inherited root and frames comes back as it was.
  FormTree Complete(FormTree form, const std::string& form_file);

  /// Indexes the folder of `form_file` and the search folders now
  /// (FormIndex::Prepare), before a run writes into them.
  void Prepare(const std::string& form_file);

 private:
  struct Search;

  FormTree CompleteIn(const FormTree& form, const std::string& form_file, Search& search);
  const FormTree* FindAncestor(const FormObject& root, const std::string& form_file,
                               Search& search, std::vector<FormWarning>& warnings);
  const FormTree* FindFrame(const FormObject& entry, const std::string& form_file,
                            Search& search, std::vector<FormWarning>& warnings);
  // The complete form of `class_name` for `entry`; `what` names it in warnings
  // ("class TBase (the ancestor of TForm2)") and `without` says what is then missing.
  const FormTree* FindClass(const std::string& class_name, const std::string& form_file,
                            const FormObject& entry, const std::string& what,
                            const std::string& without, Search& search,
                            std::vector<FormWarning>& warnings);
  std::shared_ptr<const FormTree> Load(const std::string& file, Search& search);

  const ReadingRules& rules_;
  FormIndex index_;
  std::mutex mutex_;  // guards loaded_
  std::map<std::string, std::shared_ptr<const FormTree>> loaded_;
};

}  // namespace vornic
