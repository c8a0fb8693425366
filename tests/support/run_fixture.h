// A fixture for tests that run the whole tool in-process: a fresh folder that
// is also the current directory, so the names on the command line are the
// names in the messages.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/scratch_files.h"

namespace vornic {

class RunFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  /// Runs the tool on `args`; the console goes to console_.
  int RunTool(const std::vector<std::string>& args);
  /// Every file below the run directory, by relative name.
  std::set<std::string> Files() const;

  ScratchDir scratch_{"vornic_run"};
  std::filesystem::path dir_ = scratch_.path();
  std::filesystem::path previous_;
  std::string console_;
};

}  // namespace vornic
