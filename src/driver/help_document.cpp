// What the tool tells its users about itself. Each text says what the driver
// does today; a change of the command line or of the files written belongs
// here as well.
#include "driver/help_document.h"

#include <string>
#include <vector>

namespace vornic {

const std::vector<HelpSection>& HelpSections() {
  static const std::vector<HelpSection> sections = {
      {"NAME",
       true,
       {{"", "vornic - translate a form into a stand-alone Win32 Object Pascal program"}}},
      {"SYNOPSIS",
       false,
       {{"", "*vornic* [_OPTION_]... [*--*] _FORM_ [_PROGRAM_]"},
        {"", "*vornic* [_OPTION_]... *--all* [*--out* _DIR_] [*--*] _FORM_|_FOLDER_..."},
        {"", "*vornic* [*--help* | *-h* | *--version*]"}}},
      {"DESCRIPTION",
       false,
       {{"",
         "*vornic* reads the form (a window with its controls) that _FORM_ describes "
         "and writes _PROGRAM_, a stand-alone Object Pascal program that builds the "
         "same window with plain Win32 API calls, and a resource script for the "
         "form's bitmaps. Along the way it converts the form file between its binary "
         "and text encodings."},
        {"",
         "_FORM_ must end in .dfm or .txt, in lower case. A .dfm file holds either a "
         "binary form (its first byte is 0xFF) or form text as the form designer "
         "writes it; a .txt file holds form text. Any other name is refused as an "
         "unknown input file, and any other .dfm content as an invalid stream "
         "format."},
        {"",
         "_PROGRAM_ defaults to _FORM_ with the extension .dpr; the program inside is "
         "named after the file name up to its first full stop. Arguments after "
         "_PROGRAM_ are ignored. Run without arguments, *vornic* prints its four "
         "usage lines alone."},
        {"",
         "In the extended translation a form is put together as the designer shows "
         "it. The ancestor of a form whose root is inherited is the class that its "
         "unit (the form's name with .pas, beside it) declares it to descend from, "
         "as in \"TForm2 = class(TForm1)\"; a frame placed on a form (an inline "
         "object) is a class of its own. The form file (.dfm, binary or text) whose "
         "root is of that class is looked for beside the form that needs it, then in "
         "the folders of *--search*. The form is merged onto its ancestor, chains "
         "included; a frame is replaced by the frame's own form with the form's "
         "changes on top. An ancestor or frame that is not found, two files of one "
         "class, or a cycle give a warning that names the class and where it was "
         "looked for, and the form is translated without it. Line numbers in "
         "messages name the file that holds the line."},
        {"",
         "Messages quote forms, class files and file names as they stand, except "
         "for control characters other than tab and bytes that are not UTF-8: each "
         "such byte is written as \\x and two hexadecimal digits (ESC as \\x1b), "
         "so that nothing in a form can give the terminal a command. Captions in "
         "UTF-8, such as Cyrillic ones, stay readable."}}},
      {"OPTIONS",
       false,
       {{"",
         "Options and file names may come in any order. An option is matched "
         "exactly, case included; an argument that begins with \"-\" and is no "
         "option is refused, as are options without a form file. After *--* "
         "every argument is a file name, so that a form whose name begins with "
         "a hyphen can be given."},
        {"*--extended*",
         "Choose the extended translation, which makes the window look and behave like "
         "the form: fonts, colours, tab order, default and cancel buttons, pictures, "
         "menus, pages, and more classes of controls. Without it every file is the "
         "exact translation, byte for byte as in earlier versions."},
        {"*--classes* _FILE_",
         "Read _FILE_, whose lines such as \"TMyButton = TButton\" name a class that "
         "forms use and the class it is translated as (\"#\" starts a comment). Implies "
         "*--extended*; may be given more than once. The file is read before anything "
         "else: a bad line stops the run with its file name and line number, and so "
         "does a line longer than 4093 bytes, the longest line of form text."},
        {"*--search* _DIR_",
         "Look for ancestors and frames in _DIR_ and its subfolders too, after the "
         "folder beside the form. Implies *--extended*; may be given more than once, "
         "the folders searched in that order."},
        {"*--merged* _FILE_",
         "Write the form as translated, with its ancestors and frames merged in, "
         "into _FILE_ as form text. Implies *--extended*."},
        {"*--all*",
         "Translate every form given, each into a program of its own: a _FOLDER_ "
         "stands for every form file in it and its subfolders (each .dfm, and each "
         ".txt that holds form text and has no .dfm of its name beside it). The "
         "forms are translated on every processor, and ancestors and frames are read "
         "once for all of them. One line per form names its program and its count "
         "of controls (and warnings), or its failure; a line that sums up follows. A "
         "failure does not stop the other forms. On a terminal, a run that lasts "
         "more than a second shows a progress bar."},
        {"*--out* _DIR_",
         "With *--all*: write each program, and the file converted from its form, "
         "into _DIR_ under the form's path in the folder given (a form given alone: "
         "under its name), creating folders as needed, instead of beside the form."},
        {"*--codepage* _N_",
         "Read the bytes above 127 that form text holds inside quotes in the Windows "
         "code page _N_ (1251, 936, ...; 65001 for UTF-8). Without it they are read as "
         "UTF-8 when the form text begins with UTF-8's byte order mark or all of them "
         "are UTF-8, else in the code page of the Font.Charset of their object or its "
         "holders (RUSSIAN_CHARSET: 1251, GB2312_CHARSET: 936, ...), else in 1252. "
         "Implies *--extended*, which writes every text in wide characters."},
        {"*--events* _FILE_",
         "Name the handler file of the extended translation (see FILES), a path from "
         "the working folder; the program includes it by its path from the program's "
         "folder. Implies *--extended*."},
        {"*--no-events*",
         "Write no handler file: the extended program answers a click with a message "
         "box naming its handler, as the exact translation does, and no other event."},
        {"*-h*, *--help*", "Print the usage lines, then this description."},
        {"*--version*", "Print the version line."},
        {"*--*", "End the options: every argument after it is a file name."}}},
      {"FILES",
       false,
       {{"_NAME_.txt", "Written beside a binary _NAME_.dfm: the form as text."},
        {"_NAME_.dfm",
         "Written beside _NAME_.txt: the form as a binary form file. A .dfm that holds "
         "form text is translated as it stands, and nothing is converted."},
        {"_PROGRAM_", "The program, _NAME_.dpr unless given."},
        {"_FILE_ of *--merged*", "The form with its ancestors and frames, as form text."},
        {"_BASE_.rc",
         "The resource script, written when the form holds bitmaps; _BASE_ is _PROGRAM_ "
         "up to the first full stop of its file name."},
        {"_BASE_.events.inc",
         "With *--extended*: the handler file, one procedure for each event handler "
         "that the form names, which the program includes and calls. It is yours: "
         "written once, as stubs, and afterwards never changed but for the stubs of "
         "handlers that the form names and the file lacks, appended at its end; the "
         "console names them, and the handlers of the file that the form no longer "
         "names. *--events* gives it another name, *--no-events* leaves it out."},
        {"_TARGET_.vornic-_PID_.tmp",
         "Each of the files above while it is written, beside it, under the process id "
         "_PID_. Only SIGKILL or a power failure can leave one behind; it may be "
         "deleted."},
        {"",
         "An existing file of these names is replaced, but only once the whole run has "
         "succeeded; a run that fails or is interrupted leaves every file as it was "
         "and removes its temporary files. The one exception: when a line of the text "
         "converted from a binary form cannot be translated, that text is kept, as "
         "the message names a line of it. A replaced file keeps its permission bits, "
         "and a symbolic link is followed; a file the user may not write is never "
         "replaced. A _PROGRAM_ ending in .dfm or .txt, in any case, is refused, as "
         "it would replace a form file; so is any file of the run that is the input "
         "or another file of the run."}}},
      {"EXIT STATUS",
       false,
       {{"0",
         "Every file was written (with *--all*: every form was translated), or the "
         "usage, help or version was shown."},
        {"1",
         "The run failed and replaced no file (but for the text kept, see FILES). The "
         "one message on the console names the file and says why, as in \"Cannot "
         "write file form.dpr: No space left on device\"; for form text that cannot "
         "be converted, the file and the line, as in \"form.txt: Equals sign \"=\" "
         "expected on line 7\"; for a line of form text that cannot be translated, "
         "the file, the line number and the line, as in \"[Error] form.txt(12): "
         "...\". A mistake on the command line (an unknown option, an option "
         "without its value, no form file) is named, followed by the usage lines. "
         "With *--all*: at least one form failed, and its line says why; the files "
         "of the others were written."},
        {"",
         "A run interrupted by SIGINT, SIGTERM or SIGHUP removes its temporary files "
         "and ends by that signal."}}},
      {"EXAMPLES",
       false,
       {{"vornic form.dfm",
         "Writes form.txt and the program form.dpr beside form.dfm, and form.rc when the "
         "form holds bitmaps."},
        {"vornic --classes my.classes form.txt app.dpr",
         "Writes form.dfm beside form.txt, and the extended translation of the form, "
         "with the classes that my.classes names, into app.dpr."},
        {"vornic --extended --search ../common dialog.dfm",
         "Translates dialog.dfm with its ancestors and frames, found beside it or under "
         "../common."},
        {"vornic --extended --all --out build src",
         "Translates every form under src into a program under build, on every "
         "processor."}}},
      {"SEE ALSO",
       true,
       {{"",
         "README.md in share/doc/vornic under the installation prefix: the rules of "
         "the translation, the extended translation, class files and the examples."}}},
  };
  return sections;
}

std::vector<HelpSpan> SplitSpans(const std::string& text) {
  std::vector<HelpSpan> spans;
  HelpSpan span{SpanStyle::kPlain, ""};
  for (char c : text) {
    const SpanStyle marked = c == '*'   ? SpanStyle::kBold
                             : c == '_' ? SpanStyle::kItalic
                                        : SpanStyle::kPlain;
    if (marked == SpanStyle::kPlain) {
      span.text += c;
      continue;
    }
    if (!span.text.empty()) spans.push_back(span);
    // The same mark again closes the span it opened.
    span = {span.style == marked ? SpanStyle::kPlain : marked, ""};
  }
  if (!span.text.empty()) spans.push_back(span);
  return spans;
}

}  // namespace vornic
