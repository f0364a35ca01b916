#include "support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace tembrel::testing {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "tembrel-test-XXXXXX").string();
  if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace tembrel::testing
