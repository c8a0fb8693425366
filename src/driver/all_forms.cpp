// Workers take groups of forms from one counter; the main thread alone
// writes to the console, each form's line as soon as every form before it
// is done, so that the lines come in the list's order whatever finishes
// first. Each form has a translation of its own (names, fonts, sections):
// nothing of one form's run reaches another's but the project's forms,
// which are read once and shared.
#include "driver/all_forms.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

#include "driver/file_names.h"
#include "driver/form_list.h"
#include "driver/progress_bar.h"
#include "lib/errors.h"
#include "project/project_forms.h"

namespace vornic {

namespace {

namespace fs = std::filesystem;

// How often the main thread redraws the progress bar while it waits.
constexpr auto kRedrawTime = std::chrono::milliseconds(100);
// The most forms translated at once: the temporary files of that many runs
// are what an interrupt can remove (lib/temporary_files).
constexpr size_t kMostThreads = 32;

struct FormResult {
  bool done = false;
  bool failed = false;
  std::string line;
};

std::string Normal(const std::string& path) { return fs::path(path).lexically_normal().string(); }

// Forms whose files begin alike (a program "a.dpr" and "a.b.dpr" both write
// the script "a.rc"), in the list's order; each group runs in one thread,
// so that the first of them claims a file, whatever the timing.
std::vector<std::vector<size_t>> GroupsOf(const std::vector<ListedForm>& forms) {
  std::map<std::string, size_t> group_of;
  std::vector<std::vector<size_t>> groups;
  for (size_t i = 0; i < forms.size(); ++i) {
    const std::string key = Normal(OutputBaseNameFor(forms[i].files.output));
    const auto [it, added] = group_of.try_emplace(key, groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(i);
  }
  return groups;
}

class AllForms {
 public:
  AllForms(const AllFormsRun& run, std::vector<ListedForm> forms)
      : run_(run), forms_(std::move(forms)), results_(forms_.size()) {}

  int Run(std::ostream& console, std::ostream& raw_console, bool terminal) {
    if (run_.project != nullptr) {
      for (const ListedForm& form : forms_) run_.project->Prepare(form.files.input);
    }
    groups_ = GroupsOf(forms_);
    const size_t count = std::clamp<size_t>(std::thread::hardware_concurrency(), 1,
                                            std::clamp<size_t>(groups_.size(), 1, kMostThreads));
    std::vector<std::thread> workers;
    for (size_t i = 0; i < count; ++i) workers.emplace_back([this] { Work(); });
    PrintInOrder(console, raw_console, terminal);
    for (std::thread& worker : workers) worker.join();
    return Summarize(console);
  }

 private:
  void Work() {
    for (size_t group; (group = next_group_++) < groups_.size();) RunGroup(groups_[group]);
  }

  void RunGroup(const std::vector<size_t>& group) {
    // Path -> why no other form of the group may write it.
    std::map<std::string, std::string> claimed;
    for (size_t i : group) {
      claimed[Normal(forms_[i].files.input)] = "a form of this run is read from it";
    }
    for (size_t i : group) {
      FormResult result = RunOne(forms_[i], claimed);
      std::lock_guard<std::mutex> lock(mutex_);
      results_[i] = std::move(result);
      results_[i].done = true;
      ++done_;
      changed_.notify_one();
    }
  }

  FormResult RunOne(const ListedForm& form, std::map<std::string, std::string>& claimed) {
    FormFiles files = form.files;
    if (!form.error.empty()) return {false, true, files.input + ": " + form.error};
    if (run_.events) files.events = HandlerFileFor("", files.output);
    FormReport kept;
    try {
      if (!run_.out_folder.empty()) {
        std::error_code ec;
        fs::create_directories(fs::path(files.output).parent_path(), ec);
      }
      const bool known =
          RunForm(files, run_.make_translator, nullptr, [&](const FormReport& report) {
            for (const std::string& file : report.files) {
              const auto it = claimed.find(Normal(file));
              if (it != claimed.end()) throw EInOutError(CannotCreateFile(file, it->second));
            }
            kept = report;
          });
      if (!known) {
        return {false, true,
                files.input + ": Unknown input file: it should have the extension .dfm or .txt"};
      }
    } catch (const Error& failure) {
      return {false, true, files.input + ": " + failure.what()};
    } catch (const std::bad_alloc&) {
      return {false, true, files.input + ": Out of memory"};
    }
    for (const std::string& file : kept.files) {
      claimed.emplace(Normal(file), "the run writes it already for " + files.input);
    }
    std::string line = files.input + " -> " + files.output + ": " +
                       std::to_string(kept.control_count) + " controls";
    if (!kept.warnings.empty()) line += ", " + std::to_string(kept.warnings.size()) + " warnings";
    return {false, false, line};
  }

  void PrintInOrder(std::ostream& console, std::ostream& raw_console, bool terminal) {
    ProgressBar bar(raw_console, terminal);
    size_t printed = 0;
    while (printed < results_.size()) {
      std::vector<std::string> lines;
      size_t done = 0;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, kRedrawTime, [&] { return results_[printed].done; });
        for (; printed < results_.size() && results_[printed].done; ++printed) {
          lines.push_back(results_[printed].line);
        }
        done = done_;
      }
      if (!lines.empty()) bar.Clear();
      for (const std::string& line : lines) console << line + "\n";
      if (printed < results_.size()) bar.Show(done, results_.size());
    }
    bar.Clear();
  }

  int Summarize(std::ostream& console) {
    std::string failed;
    size_t failures = 0;
    for (size_t i = 0; i < results_.size(); ++i) {
      if (!results_[i].failed) continue;
      ++failures;
      failed += (failed.empty() ? ": " : ", ") + forms_[i].files.input;
    }
    console << std::to_string(results_.size()) +
                   " forms: " + std::to_string(results_.size() - failures) + " translated, " +
                   std::to_string(failures) + " failed" + failed + "\n";
    return failures == 0 ? 0 : 1;
  }

  const AllFormsRun& run_;
  const std::vector<ListedForm> forms_;
  std::vector<std::vector<size_t>> groups_;
  std::atomic<size_t> next_group_{0};
  std::mutex mutex_;  // guards results_ and done_
  std::condition_variable changed_;
  std::vector<FormResult> results_;
  size_t done_ = 0;
};

}  // namespace

int RunAllForms(const AllFormsRun& run, std::ostream& console, std::ostream& raw_console,
                bool terminal) {
  AllForms all(run, ListForms(run.args, run.out_folder));
  return all.Run(console, raw_console, terminal);
}

}  // namespace vornic
