#include "app/catalog_folder_form.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/folders.h"

namespace tembrel {
namespace fs = std::filesystem;

TCatalogFolderForm::TCatalogFolderForm(std::string_view start) {
  if (!OpenFolder(start)) {
    std::error_code ec;
    auto cwd = fs::current_path(ec);
    folder_ = WithTrailingSlash(ec ? std::string("/") : cwd.string());
  }
}

bool TCatalogFolderForm::OpenFolder(std::string_view folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::path(std::string(folder)), ec);
  if (ec || !fs::is_directory(p, ec)) return false;
  // A folder that cannot be listed cannot be "opened" in the list either.
  fs::directory_iterator probe(p, ec);
  if (ec) return false;
  folder_ = WithTrailingSlash(p.string());
  return true;
}

bool TCatalogFolderForm::OpenSubfolder(std::string_view name) {
  if (name == "..") {
    if (folder_ == "/") return false;
    std::string without_slash = folder_.substr(0, folder_.size() - 1);
    return OpenFolder(fs::path(without_slash).parent_path().string());
  }
  if (name.empty() || name == "." || name.find('/') != std::string_view::npos) return false;
  return OpenFolder(folder_ + std::string(name));
}

std::vector<std::string> TCatalogFolderForm::Subfolders() const {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, fs::directory_options::skip_permission_denied, ec), end;
       !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code dir_ec;
    if (it->is_directory(dir_ec)) out.push_back(std::move(name));
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace tembrel
