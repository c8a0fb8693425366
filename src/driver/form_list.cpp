// Folders are listed in name order, so that a run over them prints its
// lines in the same order on every machine.
#include "driver/form_list.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "driver/file_names.h"
#include "input/form_file_kind.h"
#include "lib/errors.h"

namespace vornic {

namespace {

namespace fs = std::filesystem;

bool HoldsFormText(const fs::path& path) {
  std::ifstream input(path, std::ios::binary);
  if (!input) return false;
  try {
    return DetectFormFileKind(input) == FormFileKind::kText;
  } catch (const Error&) {
    return false;
  }
}

bool IsListedForm(const fs::path& path) {
  const std::string extension = path.extension().string();
  if (extension == ".dfm") return true;
  if (extension != ".txt") return false;
  std::error_code ec;
  return !fs::exists(fs::path(path).replace_extension(".dfm"), ec) && HoldsFormText(path);
}

// Paths of the forms under `folder`, relative to it, in name order.
std::vector<fs::path> FormsIn(const fs::path& folder) {
  std::vector<fs::path> forms;
  std::error_code ec;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code type_error;
    if (it->is_regular_file(type_error) && IsListedForm(it->path())) {
      forms.push_back(it->path().lexically_relative(folder));
    }
  }
  std::sort(forms.begin(), forms.end());
  return forms;
}

ListedForm FormAt(const std::string& input, const fs::path& relative,
                  const std::string& out_folder) {
  ListedForm form;
  form.files.input = input;
  if (out_folder.empty()) {
    form.files.output = ChangeExtension(input, ".dpr");
  } else {
    const std::string moved = (fs::path(out_folder) / relative).string();
    form.files.output = ChangeExtension(moved, ".dpr");
    form.files.converted = moved;
  }
  return form;
}

}  // namespace

std::vector<ListedForm> ListForms(const std::vector<std::string>& args,
                                  const std::string& out_folder) {
  std::vector<ListedForm> forms;
  std::set<fs::path> listed;
  auto add = [&](ListedForm form) {
    if (listed.insert(fs::path(form.files.input).lexically_normal()).second) {
      forms.push_back(std::move(form));
    }
  };
  for (const std::string& arg : args) {
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      for (const fs::path& relative : FormsIn(arg)) {
        add(FormAt((fs::path(arg) / relative).string(), relative, out_folder));
      }
      continue;
    }
    ListedForm form = FormAt(arg, fs::path(arg).filename(), out_folder);
    if (!fs::exists(arg, ec)) form.error = CannotOpenFile(arg, SystemReason(ENOENT));
    add(std::move(form));
  }
  return forms;
}

}  // namespace vornic
