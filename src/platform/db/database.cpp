#include "platform/db/database.h"

#include <sqlite3.h>

#include <atomic>

#include "app/file_mask.h"

namespace tembrel::db {

std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  out.push_back('"');
  return out;
}

std::string Qualified(std::string_view schema, std::string_view table) {
  return QuoteIdentifier(schema) + "." + QuoteIdentifier(table);
}

void Throw(sqlite3* db, int rc) {
  int ext = db ? sqlite3_extended_errcode(db) : rc;
  std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  if (ext == SQLITE_CONSTRAINT_PRIMARYKEY || ext == SQLITE_CONSTRAINT_UNIQUE) throw KeyViolation(ext, msg);
  if (ext == SQLITE_CONSTRAINT_CHECK) throw FieldTooLong(ext, msg);
  throw DbError(ext, msg);
}

namespace {

void MatchesMaskFn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    sqlite3_result_int(ctx, 0);
    return;
  }
  auto text = [](sqlite3_value* v) {
    const unsigned char* p = sqlite3_value_text(v);
    return std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_value_bytes(v)));
  };
  // The mask is usually the same for every row of a query: keep it compiled.
  auto* cached = static_cast<FileMask*>(sqlite3_get_auxdata(ctx, 0));
  if (!cached) {
    cached = new FileMask(text(argv[0]));
    sqlite3_set_auxdata(ctx, 0, cached, [](void* p) { delete static_cast<FileMask*>(p); });
    cached = static_cast<FileMask*>(sqlite3_get_auxdata(ctx, 0));
    if (!cached) {
      sqlite3_result_int(ctx, FileMask(text(argv[0])).Matches(text(argv[1])) ? 1 : 0);
      return;
    }
  }
  sqlite3_result_int(ctx, cached->Matches(text(argv[1])) ? 1 : 0);
}

}  // namespace

Database Database::Open(const std::string& path) {
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                           nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
    sqlite3_close(raw);
    throw DbError(rc, msg);
  }
  Database db(raw);
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, 2000);
  // Rollback journal, so one transaction over the global and the catalogs' files commits atomically.
  db.Exec("PRAGMA journal_mode=DELETE");
  db.Exec("ATTACH DATABASE ':memory:' AS Memory");
  rc = sqlite3_create_function_v2(raw, "MatchesMask", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                  MatchesMaskFn, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) Throw(raw, rc);
  return db;
}

Database::Database(Database&& other) noexcept : db_(other.db_), fail_after_steps_(other.fail_after_steps_) {
  other.db_ = nullptr;
}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    if (db_) sqlite3_close_v2(db_);
    db_ = other.db_;
    fail_after_steps_ = other.fail_after_steps_;
    other.db_ = nullptr;
  }
  return *this;
}

Database::~Database() {
  if (db_) sqlite3_close_v2(db_);
}

void Database::Attach(const std::string& path, std::string_view schema) {
  Statement st(*this, "ATTACH DATABASE ? AS " + QuoteIdentifier(schema));
  st.Bind(1, path);
  st.Run();
}

void Database::Detach(std::string_view schema) { Exec("DETACH DATABASE " + QuoteIdentifier(schema)); }

bool Database::IsAttached(std::string_view schema) const {
  Statement st(const_cast<Database&>(*this), "SELECT 1 FROM pragma_database_list WHERE name = ? COLLATE NOCASE");
  st.Bind(1, schema);
  return st.Step();
}

void Database::Exec(std::string_view sql) {
  if (ShouldFailStep()) throw DbError(SQLITE_IOERR, "disk I/O error (simulated)");
  std::string text(sql);
  char* err = nullptr;
  int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &err);
  if (err) sqlite3_free(err);
  if (rc != SQLITE_OK) Throw(db_, rc);
}

bool Database::TableExists(std::string_view schema, std::string_view table) const {
  Statement st(const_cast<Database&>(*this),
               "SELECT 1 FROM " + QuoteIdentifier(schema) + ".sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
  st.Bind(1, table);
  return st.Step();
}

std::vector<std::string> Database::Tables(std::string_view schema) const {
  Statement st(const_cast<Database&>(*this), "SELECT name FROM " + QuoteIdentifier(schema) +
                                                 ".sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name");
  std::vector<std::string> out;
  while (st.Step()) out.push_back(st.Text(0));
  return out;
}

int64_t Database::CountRows(std::string_view schema, std::string_view table) const {
  Statement st(const_cast<Database&>(*this), "SELECT count(*) FROM " + Qualified(schema, table));
  st.Step();
  return st.Int(0);
}

int64_t Database::LastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
bool Database::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
ChecksSkipped::ChecksSkipped(Database& db) : db_(db) { db_.Exec("PRAGMA ignore_check_constraints = ON"); }
ChecksSkipped::~ChecksSkipped() {
  try {
    db_.Exec("PRAGMA ignore_check_constraints = OFF");
  } catch (const DbError&) {
    // Setting a flag does not fail once it was set.
  }
}

int Database::Changes() const { return sqlite3_changes(db_); }

bool Database::ShouldFailStep() {
  if (fail_after_steps_ <= 0) return false;
  return --fail_after_steps_ == 0;
}

Statement::Statement(Database& db, std::string_view sql) : db_(&db) {
  int rc = sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) Throw(db.Handle(), rc);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) { other.stmt_ = nullptr; }

Statement::~Statement() {
  if (stmt_) sqlite3_finalize(stmt_);
}

#define CHECK_BIND(expr)                           \
  do {                                             \
    int rc_ = (expr);                              \
    if (rc_ != SQLITE_OK) Throw(db_->Handle(), rc_); \
  } while (0)

Statement& Statement::Bind(int index, std::string_view text) {
  CHECK_BIND(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
  return *this;
}
Statement& Statement::Bind(int index, int64_t value) {
  CHECK_BIND(sqlite3_bind_int64(stmt_, index, value));
  return *this;
}
Statement& Statement::Bind(int index, double value) {
  CHECK_BIND(sqlite3_bind_double(stmt_, index, value));
  return *this;
}
Statement& Statement::Bind(int index, const Date& value) {
  if (value.IsNull()) return BindNull(index);
  return Bind(index, ToText(value));
}
Statement& Statement::Bind(int index, const Time& value) { return Bind(index, ToText(value)); }
Statement& Statement::BindUncopied(int index, std::string_view text) {
  CHECK_BIND(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8));
  return *this;
}
Statement& Statement::BindNull(int index) {
  CHECK_BIND(sqlite3_bind_null(stmt_, index));
  return *this;
}

bool Statement::Step() {
  if (db_->ShouldFailStep()) throw DbError(SQLITE_IOERR, "disk I/O error (simulated)");
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  int ext = sqlite3_extended_errcode(db_->Handle());
  sqlite3_reset(stmt_);
  (void)ext;
  Throw(db_->Handle(), rc);
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const { return sqlite3_column_count(stmt_); }
std::string Statement::ColumnName(int col) const { return sqlite3_column_name(stmt_, col); }
bool Statement::IsNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
std::string Statement::Text(int col) const { return std::string(TextView(col)); }
int64_t Statement::Int(int col) const { return sqlite3_column_int64(stmt_, col); }
std::string_view Statement::TextView(int col) const {
  const unsigned char* p = sqlite3_column_text(stmt_, col);
  if (!p) return {};
  return {reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_column_bytes(stmt_, col))};
}
bool Statement::SameValue(int col, const Statement& other, int other_col) const {
  const int type = sqlite3_column_type(stmt_, col);
  if (type != sqlite3_column_type(other.stmt_, other_col)) return false;
  switch (type) {
    case SQLITE_NULL:
      return true;
    case SQLITE_INTEGER:
      return Int(col) == other.Int(other_col);
    case SQLITE_FLOAT:
      return Real(col) == other.Real(other_col);
    default:
      return TextView(col) == other.TextView(other_col);
  }
}
Statement& Statement::BindColumn(int index, const Statement& from, int col) {
  CHECK_BIND(sqlite3_bind_value(stmt_, index, sqlite3_column_value(from.stmt_, col)));
  return *this;
}
double Statement::Real(int col) const { return sqlite3_column_double(stmt_, col); }
Date Statement::DateAt(int col) const {
  if (IsNull(col)) return {};
  return ParseDate(Text(col)).value_or(Date{});
}
Time Statement::TimeAt(int col) const {
  if (IsNull(col)) return {};
  return ParseTime(Text(col)).value_or(Time{});
}

Transaction::Transaction(Database& db) : db_(db) {
  static std::atomic<int> counter{0};
  if (sqlite3_get_autocommit(db.Handle())) {
    db.Exec("BEGIN");
  } else {
    savepoint_ = "tx" + std::to_string(++counter);
    db.Exec("SAVEPOINT " + savepoint_);
  }
}

Transaction::~Transaction() {
  if (done_) return;
  try {
    if (savepoint_.empty()) {
      if (!sqlite3_get_autocommit(db_.Handle())) db_.Exec("ROLLBACK");
    } else {
      db_.Exec("ROLLBACK TO " + savepoint_);
      db_.Exec("RELEASE " + savepoint_);
    }
  } catch (...) {
    // Nothing more can be done in a destructor; the engine rolls back an open
    // transaction when the connection closes.
  }
}

void Transaction::Commit() {
  if (savepoint_.empty())
    db_.Exec("COMMIT");
  else
    db_.Exec("RELEASE " + savepoint_);
  done_ = true;
}

}  // namespace tembrel::db
