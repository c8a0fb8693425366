// Folders are listed in name order, so that what a search finds does not
// depend on the order the file system lists them in.
#include "project/form_index.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "lib/text.h"
#include "project/root_class.h"

namespace vornic {

namespace {

namespace fs = std::filesystem;

bool IsFormFileName(const fs::path& path) { return UpperText(path.extension().string()) == ".DFM"; }

// The form files in `folder`, and in its subfolders when asked, as paths
// joined to the folder's name as given.
std::vector<std::string> FormFilesIn(const std::string& folder, bool with_subfolders) {
  std::vector<std::string> files;
  const fs::path root = folder.empty() ? fs::path(".") : fs::path(folder);
  std::error_code ec;
  auto add = [&](const fs::directory_entry& entry) {
    std::error_code type_error;
    if (!IsFormFileName(entry.path()) || !entry.is_regular_file(type_error)) return;
    const fs::path relative = entry.path().lexically_relative(root);
    files.push_back((fs::path(folder) / relative).generic_string());
  };
  if (with_subfolders) {
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) add(*it);
  } else {
    fs::directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) add(*it);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string FolderName(const std::string& folder) { return folder.empty() ? "." : folder; }

}  // namespace

FormIndex::FormIndex(std::vector<std::string> search_folders)
    : search_folders_(std::move(search_folders)) {}

const FormIndex::Classes& FormIndex::FolderClasses(const std::string& folder,
                                                   bool with_subfolders) {
  // Held while a folder is read: forms that ask at once wait for one reading.
  std::lock_guard<std::mutex> lock(mutex_);
  auto& classes = folders_[{folder, with_subfolders}];
  if (classes != nullptr) return *classes;
  classes = std::make_unique<Classes>();
  for (const std::string& file : FormFilesIn(folder, with_subfolders)) {
    std::ifstream input(file, std::ios::binary);
    const std::string root_class = input ? RootClassOf(input) : "";
    if (!root_class.empty()) (*classes)[UpperText(root_class)].push_back(file);
  }
  return *classes;
}

void FormIndex::Prepare(const std::string& folder) { FolderClasses(folder, false); }

void FormIndex::PrepareSearchFolders() {
  for (const std::string& folder : search_folders_) FolderClasses(folder, true);
}

FormIndex::Found FormIndex::Find(const std::string& class_name, const std::string& beside) {
  const std::string upper = UpperText(class_name);
  Found found;
  found.places = FolderName(beside);
  if (!search_folders_.empty()) {
    found.places += " or the search folder";
    if (search_folders_.size() > 1) found.places += "s";
    for (size_t i = 0; i < search_folders_.size(); ++i) {
      found.places += (i == 0 ? " " : ", ") + FolderName(search_folders_[i]);
    }
  }
  const Classes& near = FolderClasses(beside, false);
  if (const auto it = near.find(upper); it != near.end()) {
    found.files = it->second;
    return found;
  }
  for (const std::string& folder : search_folders_) {
    const Classes& classes = FolderClasses(folder, true);
    if (const auto it = classes.find(upper); it != classes.end()) {
      found.files = it->second;
      return found;
    }
  }
  return found;
}

}  // namespace vornic
