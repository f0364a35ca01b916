#pragma once
#include <filesystem>
#include <string>

namespace tembrel::testing {

// A fresh folder under the system's temp folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string Str() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

}  // namespace tembrel::testing
