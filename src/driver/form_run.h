// The run of one form: the conversion of the input, the translation, and
// every file written, put in place only once all of them are whole. A
// single run and each form of a run over many forms go through it.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "extended/event_wiring.h"

namespace vornic {

class Translator;

/// Makes the translation of one form: the text `text_name` as messages name
/// it, into the program `output_name`, of the form file `form_file` as given,
/// its events wired as `events` says.
using TranslatorMaker = std::function<std::unique_ptr<Translator>(
    const std::string& text_name, const std::string& output_name, const std::string& form_file,
    const EventOptions& events)>;

/// The files of one form's run.
struct FormFiles {
  std::string input;      // the form file
  std::string output;     // the program
  std::string converted;  // where the input converted goes; empty: beside the input
  std::string merged;     // where the merged form text goes; empty for none
  std::string events;     // the handler file; empty for none
};

/// What a form's run reports once its files are written, before they are
/// put in place.
struct FormReport {
  std::vector<std::string> warnings;  // whole report lines
  int control_count = 0;
  bool resources = false;  // a resource script was written
  std::vector<std::string> files;  // every file the run puts in place, the program last
  std::string handler_report;      // the console's lines about the handler file
};

/// Shows the report; a console that fails throws, and nothing is put in place.
using ReportStep = std::function<void(const FormReport& report)>;

/// Runs one form. Writes the "Wait..." line into `console` (may be null)
/// once the input is read, and calls `show` before the files are put in
/// place. Returns false, writing nothing, for an input that is neither
/// ".dfm" nor ".txt". Throws Error (and its kinds) with the message of the
/// failure; then no file is replaced, except the text converted from a
/// binary form whose line fails, which the message names.
bool RunForm(const FormFiles& files, const TranslatorMaker& make_translator,
             std::ostream* console, const ReportStep& show);

}  // namespace vornic
