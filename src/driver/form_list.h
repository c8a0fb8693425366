// The forms of a run over many: the files and folders on the command line
// turned into one list of forms, each with the files its run writes.
#pragma once

#include <string>
#include <vector>

#include "driver/form_run.h"

namespace vornic {

/// One form of the list.
struct ListedForm {
  FormFiles files;
  std::string error;  // why it cannot be tried ("Cannot open file ..."); empty when it can
};

/// The forms that `args` name, in their order: a file as it stands; a folder
/// for every form file in it and its subfolders, by path: each ".dfm", and
/// each ".txt" that holds form text and has no ".dfm" of its name beside it
/// (the two are one form, and one of them was written from the other). A
/// form named twice is listed once. Each program goes beside its form, or,
/// when `out_folder` is given, into it under the form's path in the folder
/// named on the command line (a file named alone: under its name), with
/// the file converted from the form beside it.
std::vector<ListedForm> ListForms(const std::vector<std::string>& args,
                                  const std::string& out_folder);

}  // namespace vornic
