#pragma once
// Where the program keeps its tables.
#include <string>

#include "platform/db/database.h"

namespace tembrel {

// The per-user data folder ($XDG_DATA_HOME/Tembrel/, else ~/.local/share/Tembrel/), or
// $TEMBREL_PROGRAM_FOLDER when set; created when missing; always ends in "/".
std::string ResolveProgramFolder();

// "dir" with exactly one trailing "/".
std::string WithTrailingSlash(std::string dir);

inline constexpr const char* kGlobalFileName = "tembrel-global.sqlite";
inline constexpr const char* kCatalogsFileName = "tembrel-catalogs.sqlite";
inline constexpr const char* kWorkFileName = "tembrel-work.sqlite";

// Opens the global tables' file in the program folder (main), the work tables' file (Work)
// and the in-memory database (Memory).
db::Database OpenGlobalDatabase(const std::string& program_folder);
// (Re)attaches the catalogs' file of data_folder as "Data", detaching the previous one.
void AttachDataFolder(db::Database& db, const std::string& data_folder);

}  // namespace tembrel
