// Notes every skipped test, with its reason, as one file in the folder that
// VORNIC_SKIP_LOG names, so that the test run can end with a summary of what
// it did not test (tests/scripts/skip_summary.sh). Without the variable it
// does nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace vornic {
namespace {

class SkipRecorder : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& test) override {
    const char* folder = std::getenv("VORNIC_SKIP_LOG");
    if (folder == nullptr || !test.result()->Skipped()) return;
    std::string reason;
    for (int i = 0; i < test.result()->total_part_count(); ++i) {
      const ::testing::TestPartResult& part = test.result()->GetTestPartResult(i);
      if (part.skipped()) reason = part.message();
    }
    reason = reason.substr(0, reason.find('\n'));
    // Parameterized tests have slashes in their names.
    std::string name = std::string(test.test_suite_name()) + "." + test.name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    std::ofstream(std::filesystem::path(folder) / name) << reason << "\n";
  }
};

// Registered before gtest's main runs; the listener list takes the recorder.
const bool kRegistered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(
      std::make_unique<SkipRecorder>().release());
  return true;
}();

}  // namespace
}  // namespace vornic
