#pragma once
// Stored paths are drive-relative and use backslashes on every platform ("\GAMES\DOOM",
// "\" for the root); the real file system is reached only through these conversions.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembrel::fs {

// The folder names of a stored or user-typed path; "/" and "\" both separate, repeated and
// trailing separators are ignored. nullopt for a "." or ".." component, which must never
// lead out of a drive root or make two texts name one place.
std::optional<std::vector<std::string>> SplitStoredPath(std::string_view path);

// "\" for no parts, else "\A\B".
std::string JoinStoredPath(const std::vector<std::string>& parts);

// A user-typed path in stored form: "games//doom/" -> "\games\doom"; nullopt as SplitStoredPath.
std::optional<std::string> NormalizeStoredPath(std::string_view path);

// A folder's stored path joined with a name in it: ("\", "A.TXT") -> "\A.TXT",
// ("\GAMES", "A.TXT") -> "\GAMES\A.TXT".
std::string ChildStoredPath(std::string_view folder, std::string_view name);

// The real path of a stored path below a drive root, for display and for handing to other
// programs; opening files goes through FileSystem, which confines them. nullopt as SplitStoredPath.
std::optional<std::string> ToRealPath(std::string_view root, std::string_view stored);

// The stored path of a real path at or below a drive root; nullopt when it is elsewhere.
std::optional<std::string> ToStoredPath(std::string_view root, std::string_view real);

// A typed drive path: "D:\RESTORE", "d:/restore", "D:" (the root). The letter comes back
// upper-case with the folder in stored form; nullopt without a letter A-Z and a colon.
struct DrivePathText {
  char letter = 0;
  std::string folder;
};
std::optional<DrivePathText> ParseDrivePath(std::string_view text);

}  // namespace tembrel::fs
