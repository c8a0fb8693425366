// Files for tests that run the tool or write scripts: a fresh folder per test
// and whole-file reading and writing.
#pragma once

#include <filesystem>
#include <string>

namespace vornic {

/// A new, empty folder under the test temp directory, named after the running
/// test; removed with everything in it on destruction.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

/// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
/// Creates or truncates a file with exactly `bytes`.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vornic
