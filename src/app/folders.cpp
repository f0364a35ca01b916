#include "app/folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tembrel {

std::string WithTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  return dir;
}

std::string ResolveProgramFolder() {
  std::string dir;
  if (const char* over = std::getenv("TEMBREL_PROGRAM_FOLDER"); over && *over) {
    dir = over;
  } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    dir = std::string(xdg) + "/Tembrel";
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dir = std::string(home) + "/.local/share/Tembrel";
  } else {
    dir = std::filesystem::current_path().string();
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return WithTrailingSlash(dir);
}

db::Database OpenGlobalDatabase(const std::string& program_folder) {
  db::Database db = db::Database::Open(WithTrailingSlash(program_folder) + kGlobalFileName);
  // Work tables (the cataloging run's New) are scratch: no journal, no flushing; a crash
  // leaves nothing that matters, and the next run recreates them.
  db.Attach(WithTrailingSlash(program_folder) + kWorkFileName, db::kWork);
  db.Exec("PRAGMA Work.journal_mode=OFF");
  db.Exec("PRAGMA Work.synchronous=OFF");
  db.Exec("PRAGMA main.cache_size=-2048");
  db.Exec("PRAGMA Work.cache_size=-8192");
  return db;
}

void AttachDataFolder(db::Database& db, const std::string& data_folder) {
  if (db.IsAttached(db::kData)) db.Detach(db::kData);
  db.Attach(WithTrailingSlash(data_folder) + kCatalogsFileName, db::kData);
  db.Exec("PRAGMA Data.cache_size=-16384");
}

}  // namespace tembrel
