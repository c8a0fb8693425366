#include "support/run_fixture.h"

#include <sstream>

#include "driver/run.h"

namespace vornic {

namespace fs = std::filesystem;

void RunFixture::SetUp() {
  previous_ = fs::current_path();
  fs::current_path(dir_);
}

void RunFixture::TearDown() { fs::current_path(previous_); }

int RunFixture::RunTool(const std::vector<std::string>& args) {
  std::ostringstream console;
  const int code = vornic::Run(args, console);
  console_ = console.str();
  return code;
}

std::set<std::string> RunFixture::Files() const {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
    if (!entry.is_directory()) names.insert(entry.path().lexically_relative(dir_).string());
  }
  return names;
}

}  // namespace vornic
