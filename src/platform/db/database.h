#pragma once
// A thin RAII layer over SQLite: one connection, the global file as "main", the catalogs'
// file attached as "Data" and an in-memory "Memory" database. Values are always bound;
// only table names are ever quoted into SQL text.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/date_time.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tembrel::db {

// An engine failure; what() is SQLite's own text.
class DbError : public std::runtime_error {
 public:
  DbError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int Code() const { return code_; }  // SQLite's extended result code

 private:
  int code_;
};

// A unique or primary key refused the row (the engine code 9729 of the old table engine).
class KeyViolation : public DbError {
 public:
  using DbError::DbError;
};

// A text longer than its field's declared width.
class FieldTooLong : public DbError {
 public:
  using DbError::DbError;
};

inline constexpr std::string_view kMain = "main";
inline constexpr std::string_view kData = "Data";
inline constexpr std::string_view kMemory = "Memory";
inline constexpr std::string_view kWork = "Work";

// "name" with inner double quotes doubled: the only text ever pasted into SQL.
std::string QuoteIdentifier(std::string_view name);
// schema.table, both quoted.
std::string Qualified(std::string_view schema, std::string_view table);

class Database {
 public:
  // Opens (creating when missing) the file as "main", attaches ":memory:" as Memory and
  // registers the MatchesMask(mask, text) SQL function.
  static Database Open(const std::string& path);
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  ~Database();

  void Attach(const std::string& path, std::string_view schema);
  void Detach(std::string_view schema);
  bool IsAttached(std::string_view schema) const;

  void Exec(std::string_view sql);
  bool TableExists(std::string_view schema, std::string_view table) const;
  std::vector<std::string> Tables(std::string_view schema) const;
  int64_t CountRows(std::string_view schema, std::string_view table) const;
  int64_t LastInsertRowId() const;
  int Changes() const;
  // A transaction is open (nothing commits by itself).
  bool InTransaction() const;

  // A hook the tests use to make the n-th statement step or Exec from now fail (0 = off).
  void FailAfterSteps(int n) { fail_after_steps_ = n; }
  bool ShouldFailStep();

  sqlite3* Handle() const { return db_; }

 private:
  explicit Database(sqlite3* db) : db_(db) {}
  sqlite3* db_ = nullptr;
  int fail_after_steps_ = 0;
};

// The engine's CHECK constraints are not evaluated while one lives: for a bulk write whose
// values were checked already. Statements prepared meanwhile are unaffected afterwards.
class ChecksSkipped {
 public:
  explicit ChecksSkipped(Database& db);
  ChecksSkipped(const ChecksSkipped&) = delete;
  ChecksSkipped& operator=(const ChecksSkipped&) = delete;
  ~ChecksSkipped();

 private:
  Database& db_;
};

// Throws the matching DbError subclass for a failed SQLite call.
[[noreturn]] void Throw(sqlite3* db, int rc);

class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement();

  // Binding by 1-based position.
  Statement& Bind(int index, std::string_view text);
  Statement& Bind(int index, const char* text) { return Bind(index, std::string_view(text)); }
  Statement& Bind(int index, const std::string& text) { return Bind(index, std::string_view(text)); }
  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, int value) { return Bind(index, static_cast<int64_t>(value)); }
  Statement& Bind(int index, bool value) { return Bind(index, static_cast<int64_t>(value ? 1 : 0)); }
  Statement& Bind(int index, double value);
  Statement& Bind(int index, const Date& value);  // null date -> NULL
  Statement& Bind(int index, const Time& value);
  Statement& BindNull(int index);
  // Binds without a copy: the text must stay as it is until the statement has stepped and
  // been reset (the cataloging walk's inserts, one row after another).
  Statement& BindUncopied(int index, std::string_view text);
  // The current value of another statement's column, with its type.
  Statement& BindColumn(int index, const Statement& from, int col);

  // Returns true while there is a row; false when done. Throws on error.
  bool Step();
  // Runs a statement that returns no rows.
  void Run() {
    while (Step()) {
    }
  }
  void Reset();

  int ColumnCount() const;
  std::string ColumnName(int col) const;
  bool IsNull(int col) const;
  std::string Text(int col) const;
  int64_t Int(int col) const;
  bool Bool(int col) const { return Int(col) != 0; }
  double Real(int col) const;
  Date DateAt(int col) const;  // NULL or unparsable -> null date
  Time TimeAt(int col) const;
  // Valid until the statement steps, resets or converts the column.
  std::string_view TextView(int col) const;
  // Same type and same value; texts compared byte for byte.
  bool SameValue(int col, const Statement& other, int other_col) const;

 private:
  Database* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN on construction (a SAVEPOINT when one is already open), ROLLBACK on destruction
// unless Commit() ran.
class Transaction {
 public:
  explicit Transaction(Database& db);
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  void Commit();

 private:
  Database& db_;
  std::string savepoint_;
  bool done_ = false;
};

}  // namespace tembrel::db
