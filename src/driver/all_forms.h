// A run over many forms (--all): every form translated into a program of
// its own, on every processor, with one line per form and a summary.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "driver/form_run.h"

namespace vornic {

class ProjectForms;

/// How a run over many forms goes.
struct AllFormsRun {
  std::vector<std::string> args;  // form files and folders (ListForms)
  std::string out_folder;         // empty: each program beside its form
  TranslatorMaker make_translator;
  ProjectForms* project =
      nullptr;  // the extended translation's, indexed before any form is written
  bool events = false;  // each program's handler file beside it
};

/// Translates every form of `run` as a run of its own would (RunForm), on
/// as many threads as the machine has processors (32 at most), and writes to `console`
/// one line per form in the order of the list, "<form> -> <program>: <n>
/// controls" (with ", <n> warnings" when there are any) or "<form>:
/// <message>" for one that failed, then the line "<n> forms: <n>
/// translated, <n> failed[: <form>, ...]". A failure does not stop the
/// others. Forms whose files share a name up to its first full stop run one
/// after the other, and one that would write a file another form of the
/// run writes or reads fails. When `terminal` is true and the run lasts a
/// second, a progress bar is drawn on `raw_console` below the lines.
/// Returns 1 when a form failed, else 0.
int RunAllForms(const AllFormsRun& run, std::ostream& console, std::ostream& raw_console,
                bool terminal);

}  // namespace vornic
