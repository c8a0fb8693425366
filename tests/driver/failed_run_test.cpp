// Runs that fail: each must leave every file it found as it was, byte for byte
// and mode for mode, leave no temporary file, print one message that names
// the file and the reason, and end with exit code 1. Also what a run that
// succeeds keeps of the files it replaces.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "driver/run.h"
#include "support/run_fixture.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// A valid form with a button; `extra` goes inside the form after the button.
std::string Form(const std::string& extra = "") {
  return "object Form1: TForm1\r\n  Left = 8\r\n  Top = 8\r\n  Width = 200\r\n"
         "  Height = 100\r\n  Caption = 'F'\r\n  TextHeight = 13\r\n"
         "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n"
         "    Height = 25\r\n    Caption = 'OK'\r\n  end\r\n" +
         extra + "end\r\n";
}

// A form with an image, so that the run writes a resource script, and then
// `after` in the form.
std::string FormWithPicture(const std::string& after = "") {
  return Form(
      "  object Image1: TImage\r\n    Left = 8\r\n    Top = 40\r\n    Width = 16\r\n"
      "    Height = 16\r\n    Picture.Data = {\r\n"
      "      07544269746D617042000000424D42000000000000003E000000280000000100}\r\n"
      "  end\r\n" +
      after);
}

// A form whose button names a handler, which the extended translation calls
// from the handler file.
std::string FormWithHandler() {
  return Form(
      "  object Button2: TButton\r\n    Left = 8\r\n    Top = 40\r\n    Width = 75\r\n"
      "    Height = 25\r\n    OnClick = Button2Click\r\n  end\r\n");
}

// What a file is: its bytes and mode, or where it links to.
struct FileState {
  std::string bytes;
  fs::perms perms = fs::perms::none;
  std::string link;
  bool operator==(const FileState&) const = default;
};

void PrintTo(const FileState& state, std::ostream* out) {
  *out << (state.link.empty() ? "bytes '" + state.bytes.substr(0, 40) + "'" : "link " + state.link)
       << " perms " << std::oct << static_cast<int>(state.perms) << std::dec;
}

class FailedRunTest : public RunFixture {
 protected:
  // Every file below the run directory and its state.
  std::map<std::string, FileState> Snapshot() const {
    std::map<std::string, FileState> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      const std::string name = entry.path().lexically_relative(dir_).string();
      FileState& state = files[name];
      if (entry.is_symlink()) {
        state.link = fs::read_symlink(entry.path()).string();
      } else {
        state.perms = entry.symlink_status().permissions();
        if (entry.is_regular_file()) state.bytes = ReadFile(entry.path());
      }
    }
    return files;
  }

  static void Write(const std::string& name, const std::string& bytes,
                    fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
    WriteFile(name, bytes);
    fs::permissions(name, perms);
  }
};

struct RefusedRun {
  const char* what;
  std::function<void()> setup;  // in the run's own folder, the current directory
  std::vector<std::string> args;
  std::string console;
};

TEST_F(FailedRunTest, EveryRefusedRunLeavesEveryFileAsItWas) {
  const std::vector<RefusedRun> runs = {
      {"a shell glob hands over a second form file",
       [] {
         Write("a.dfm", "a");
         Write("b.dfm", "b");
         Write("c.dfm", "c");
       },
       {"a.dfm", "b.dfm", "c.dfm"},
       "b.dfm: the program would replace a form file\n"},
      {"the output is the converted form",
       [] {
         Write("form.txt", Form());
         Write("form.dfm", "old binary");
       },
       {"form.txt", "form.dfm"},
       "form.dfm: the program would replace a form file\n"},
      {"the output is a form text in capitals",
       [] { Write("form.dfm", "old binary"); },
       {"form.dfm", "form.TXT"},
       "form.TXT: the program would replace a form file\n"},
      {"the program is write-protected",
       [] {
         Write("form.txt", Form());
         Write("form.dpr", "old program", fs::perms::owner_read | fs::perms::group_read);
       },
       {"form.txt"},
       "Cannot create file form.dpr: Permission denied\n"},
      {"the converted form is write-protected",
       [] {
         Write("form.txt", Form());
         Write("form.dfm", "old binary", fs::perms::owner_read);
       },
       {"form.txt"},
       "Cannot create file form.dfm: Permission denied\n"},
      {"the program's folder is missing",
       [] { Write("form.txt", FormWithPicture()); },
       {"form.txt", "nodir/p.dpr"},
       "Cannot create file nodir/p.dpr: No such file or directory\n"},
      {"the script cannot be created",
       [] {
         Write("form.txt", FormWithPicture());
         Write("form.dpr", "old program");
         fs::create_directory("form.rc");
       },
       {"form.txt"},
       "Wait...\nCannot create file form.rc: Is a directory\n"},
      {"the program is a link to the input",
       [] {
         Write("form.txt", Form());
         fs::create_symlink("form.txt", "out.dpr");
       },
       {"form.txt", "out.dpr"},
       "Cannot create file out.dpr: it would replace the input form.txt\n"},
      {"the script is a link to the input",
       [] {
         Write("form.txt", FormWithPicture());
         fs::create_symlink("form.txt", "form.rc");
       },
       {"form.txt"},
       "Wait...\nCannot create file form.rc: it would replace the input form.txt\n"},
      {"the program would be its own script",
       [] {
         Write("form.txt", FormWithPicture());
         Write("out.rc", "old script");
       },
       {"form.txt", "out.rc"},
       "Wait...\nCannot create file out.rc: the run writes it already as out.rc\n"},
      {"a line fails after the script has begun",
       [] {
         Write("form.txt", FormWithPicture("  object Bad: TButton\r\n    Left = X\r\n  end\r\n"));
         Write("form.dfm", "old binary");
         Write("form.dpr", "old program");
         Write("form.rc", "old script");
       },
       {"form.txt"},
       "Wait...\n[Error] form.txt(24):     Left = X\n"},
      {"the program cannot be written",
       [] {
         Write("form.txt", Form());
         fs::create_symlink("/dev/full", "full.dpr");
       },
       {"form.txt", "full.dpr"},
       "Wait...\nCannot write file full.dpr: No space left on device\n"},
      {"the converted form cannot be written",
       [] {
         Write("form.txt", Form());
         fs::create_symlink("/dev/full", "form.dfm");
       },
       {"form.txt"},
       "Cannot write file form.dfm: No space left on device\n"},
      {"the input cannot be read",
       // Reading a process's memory at address 0 fails with an I/O error.
       [] { fs::create_symlink("/proc/self/mem", "form.dfm"); },
       {"form.dfm"},
       "Cannot read file form.dfm: Input/output error\n"},
      {"the text input cannot be read",
       [] { fs::create_symlink("/proc/self/mem", "form.txt"); },
       {"form.txt"},
       "Cannot read file form.txt: Input/output error\n"},
      {"the handler file is write-protected and lacks a stub",
       [] {
         Write("form.txt", FormWithHandler());
         Write("form.events.inc", "{ mine }\r\n", fs::perms::owner_read);
       },
       {"--extended", "form.txt"},
       "Wait...\nCannot create file form.events.inc: Permission denied\n"},
      {"the handler file is on a full disk",
       [] {
         Write("form.txt", FormWithHandler());
         Write("form.dpr", "old program");
         fs::create_symlink("/dev/full", "form.events.inc");
       },
       {"--extended", "form.txt"},
       "Wait...\nCannot write file form.events.inc: No space left on device\n"},
      {"the handler file is the input",
       [] { Write("form.txt", FormWithHandler()); },
       {"--events", "form.txt", "form.txt"},
       "Wait...\nCannot create file form.txt: it would replace the input form.txt\n"},
      {"the input is not a form",
       [] {
         Write("form.dfm", "not a form");
         Write("form.txt", "old text");
       },
       {"form.dfm"},
       "form.dfm: Invalid stream format\n"},
  };
  int index = 0;
  for (const RefusedRun& run : runs) {
    SCOPED_TRACE(run.what);
    const fs::path folder = dir_ / ("run" + std::to_string(++index));
    fs::create_directory(folder);
    fs::current_path(folder);
    run.setup();
    const auto before = Snapshot();
    EXPECT_EQ(RunTool(run.args), 1);
    EXPECT_EQ(console_, run.console);
    EXPECT_EQ(Snapshot(), before);
    fs::current_path(dir_);
  }
}

TEST_F(FailedRunTest, ProgramOnAFullDiskLeavesTheOldProgram) {
  // A file system of 64 KB, which only root can mount.
  fs::create_directory("full");
  if (mount("tmpfs", "full", "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no tmpfs: mounting needs root";
  }
  Write("full/old.dpr", "old program");
  std::string labels;
  for (int i = 0; i < 400; ++i) {
    labels += "  object Label" + std::to_string(i) +
              ": TLabel\r\n    Left = 8\r\n    Top = 8\r\n    Width = 9\r\n"
              "    Height = 9\r\n    Caption = 'x'\r\n  end\r\n";
  }
  Write("labels.txt", Form(labels));
  const auto before = Snapshot();
  EXPECT_EQ(RunTool({"labels.txt", "full/old.dpr"}), 1);
  const auto after = Snapshot();
  EXPECT_EQ(umount("full"), 0);
  EXPECT_EQ(console_, "Wait...\nCannot write file full/old.dpr: No space left on device\n");
  EXPECT_EQ(after, before);
}

// A console whose every write fails, as standard output on a full device does.
class FailingConsole : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(FailedRunTest, ConsoleThatCannotBeWrittenFailsTheRunBeforeAnyFileIsReplaced) {
  Write("form.txt", Form());
  const auto before = Snapshot();
  FailingConsole failing;
  std::ostream console(&failing);
  EXPECT_EQ(vornic::Run({"form.txt"}, console), 1);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(vornic::Run({"--version"}, console), 1);
}

TEST_F(FailedRunTest, InterruptedRunRemovesItsTemporaryFiles) {
  // The input is a pipe that the test fills: the conversion waits for more
  // while its temporary files exist, and the signal comes then.
  Write("form.dfm", "old binary");
  Write("form.dpr", "old program");
  ASSERT_EQ(mkfifo("form.txt", 0600), 0);
  const auto before = Snapshot();
  // Writing to a pipe whose reader has died must fail, not end the test.
  const auto previous_pipe_action = std::signal(SIGPIPE, SIG_IGN);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::ostringstream console;
    _exit(vornic::Run({"form.txt"}, console));
  }
  const int pipe = open("form.txt", O_WRONLY);
  ASSERT_GE(pipe, 0);
  std::string text = "object Form1: TForm1\r\n  Data = {\r\n";
  for (int line = 0; line < 20000; ++line) text += "    " + std::string(64, 'A') + "\r\n";
  EXPECT_EQ(write(pipe, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  // Both temporary files exist once the conversion has read that much.
  auto temporary_count = [&] {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      count += entry.path().extension() == ".tmp";
    }
    return count;
  };
  for (int wait = 0; wait < 1000 && temporary_count() < 2; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(temporary_count(), 2);
  kill(child, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  close(pipe);
  std::signal(SIGPIPE, previous_pipe_action);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(FailedRunTest, ReplacedFilesKeepTheirModeAndTheirLinks) {
  Write("form.txt", FormWithPicture());
  Write("form.dfm", "old binary", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directory("real");
  Write("real/prog.dpr", "old program",
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real/prog.dpr", "prog.dpr");
  ASSERT_EQ(RunTool({"form.txt", "prog.dpr"}), 0) << console_;
  EXPECT_EQ(fs::status("form.dfm").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(fs::is_symlink("prog.dpr"));
  EXPECT_EQ(fs::read_symlink("prog.dpr"), "real/prog.dpr");
  EXPECT_EQ(ReadFile("real/prog.dpr").rfind("Program prog ;\r\n", 0), 0u);
  EXPECT_EQ(fs::status("real/prog.dpr").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Files(), (std::set<std::string>{"form.txt", "form.dfm", "prog.dpr", "prog.rc",
                                            "real/prog.dpr"}));
}

}  // namespace
}  // namespace vornic
