// FormIndex: the form files of a run by the class of their root object, so
// that an ancestor or a frame is found by its class name; each folder is
// read once per run, whatever number of forms ask.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vornic {

/// Maps root classes to form files (".dfm" in any case, binary or text).
/// Safe to use from several threads at once.
class FormIndex {
 public:
  /// `search_folders` are searched, each with its subfolders, in this order,
  /// after the folder beside a form.
  explicit FormIndex(std::vector<std::string> search_folders);
  FormIndex(const FormIndex&) = delete;
  FormIndex& operator=(const FormIndex&) = delete;

  /// What a search found.
  struct Found {
    // The files whose root is of the class, all from the first place that
    // has any, by name; more than one when files there contradict each other.
    std::vector<std::string> files;
    std::string places;  // where it looked, as a message says it: "src or the search folders a, b"
  };

  /// The form files whose root object is of class `class_name` (compared in
  /// any case): those in `beside` (the folder of the form that asks, "" for
  /// the current one; not its subfolders), else those in the first search
  /// folder that has any. File names are the folder's name joined with the
  /// file's path in it.
  Found Find(const std::string& class_name, const std::string& beside);

  /// Reads `folder` (not its subfolders) now, so that what a run writes into
  /// it later cannot change what Find answers.
  void Prepare(const std::string& folder);
  /// Reads every search folder now, for the same reason.
  void PrepareSearchFolders();

 private:
  // Class names in capitals to the files that have them as their root's.
  using Classes = std::map<std::string, std::vector<std::string>>;

  const Classes& FolderClasses(const std::string& folder, bool with_subfolders);

  const std::vector<std::string> search_folders_;
  std::mutex mutex_;
  std::map<std::pair<std::string, bool>, std::unique_ptr<Classes>> folders_;
};

}  // namespace vornic
