#pragma once
// Table definitions in the program's field kinds, mapped onto SQLite, with the declared
// widths and the per-table version stamp kept in a TableMeta table of each database file.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/database.h"

namespace tembrel::db {

// string(n) -> TEXT with its width enforced; integer, word, boolean, decimal -> INTEGER;
// date -> 'YYYY-MM-DD'; time -> 'HH:MM:SS'; memo -> TEXT; autoinc -> INTEGER PRIMARY KEY AUTOINCREMENT.
enum class Kind { String, Integer, Word, Boolean, Date, Time, Decimal, Memo, AutoInc };

struct FieldDef {
  std::string name;
  Kind kind = Kind::String;
  int width = 0;          // String only
  bool required = false;  // NOT NULL
  bool key_text = false;  // a text field of a key: NOT NULL DEFAULT '' (unique indexes treat NULLs as distinct)
};

struct IndexDef {
  std::string name;  // "" for the primary index
  std::vector<std::string> fields;
  bool unique = false;
  bool nocase = false;      // case-insensitive key
  bool descending = false;  // every field of the key descending
};

struct TableDef {
  std::vector<FieldDef> fields;
  std::vector<IndexDef> indexes;  // the primary (name "") is unique by definition
  // The primary index is the table itself (WITHOUT ROWID): one B-tree instead of two, for
  // scratch tables written once per row and read in key order. Such a table has no rowid.
  bool clustered = false;
  // Widths enforced by the engine. Off only where every writer checks them itself.
  bool check_widths = true;
};

struct Version {
  int major = 0;
  int minor = 0;
  bool operator==(const Version&) const = default;
};

using ProgressFn = std::function<void(int percent)>;

// Creates the table and its indexes (index names prefixed with the table's name) and records
// widths and version in TableMeta, all in one transaction.
void CreateTable(Database& db, std::string_view schema, std::string_view table, const TableDef& def,
                 std::optional<Version> version = std::nullopt);
void DropTable(Database& db, std::string_view schema, std::string_view table);
// Renames the table, recreates its indexes under the new prefix and moves its TableMeta rows.
void RenameTable(Database& db, std::string_view schema, std::string_view from, std::string_view to,
                 const TableDef& def);

// Rebuilds a rowid table (not a clustered one) to def in one transaction: rows copied field by field by name (fields
// new to def get their defaults), Tag/autoinc values and the autoinc sequence kept.
// Rolled back whole on any failure.
void Restructure(Database& db, std::string_view schema, std::string_view table, const TableDef& def,
                 std::optional<Version> version = std::nullopt, const ProgressFn& progress = {});

std::optional<Version> GetVersion(Database& db, std::string_view schema, std::string_view table);
void SetVersion(Database& db, std::string_view schema, std::string_view table, Version v);
// Declared width of a String field as recorded when the table was made; nullopt when unknown.
std::optional<int> DeclaredWidth(Database& db, std::string_view schema, std::string_view table,
                                 std::string_view field);

std::string IndexName(std::string_view table, const IndexDef& index);

}  // namespace tembrel::db
