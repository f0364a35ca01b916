#include "platform/db/table_def.h"

#include <algorithm>
#include <set>

#include "platform/text/utf8.h"

namespace tembrel::db {

namespace {

constexpr std::string_view kMetaTable = "TableMeta";

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

void EnsureMeta(Database& db, std::string_view schema) {
  db.Exec("CREATE TABLE IF NOT EXISTS " + Qualified(schema, kMetaTable) +
          " (TableName TEXT NOT NULL COLLATE NOCASE, FieldName TEXT NOT NULL DEFAULT '' COLLATE NOCASE,"
          " Width INTEGER, Major INTEGER, Minor INTEGER, PRIMARY KEY (TableName, FieldName))");
}

std::string ColumnSql(const FieldDef& f, bool check_widths) {
  std::string sql = QuoteIdentifier(f.name);
  switch (f.kind) {
    case Kind::String:
      sql += " TEXT";
      break;
    case Kind::Integer:
    case Kind::Word:
    case Kind::Boolean:
    case Kind::Decimal:
      sql += " INTEGER";
      break;
    case Kind::Date:
    case Kind::Time:
    case Kind::Memo:
      sql += " TEXT";
      break;
    case Kind::AutoInc:
      return sql + " INTEGER PRIMARY KEY AUTOINCREMENT";
  }
  if (f.key_text)
    sql += " NOT NULL DEFAULT ''";
  else if (f.required)
    sql += f.kind == Kind::String ? " NOT NULL DEFAULT ''" : " NOT NULL";
  if (f.kind == Kind::String && f.width > 0 && check_widths)
    sql += " CONSTRAINT " + QuoteIdentifier("Width of " + f.name) + " CHECK (length(" + QuoteIdentifier(f.name) +
           ") <= " + std::to_string(f.width) + ")";
  if (f.kind == Kind::Boolean && !f.required) sql += " DEFAULT 0";
  if (f.kind == Kind::Word)
    sql += " CHECK (" + QuoteIdentifier(f.name) + " BETWEEN 0 AND 65535)";
  return sql;
}

const FieldDef* FindField(const TableDef& def, std::string_view name) {
  for (const auto& fd : def.fields)
    if (Lower(fd.name) == Lower(std::string(name))) return &fd;
  return nullptr;
}

// "(A COLLATE NOCASE, B DESC)" for an index's key.
std::string KeyColumns(const TableDef& def, const IndexDef& ix) {
  std::string sql = "(";
  for (size_t i = 0; i < ix.fields.size(); ++i) {
    if (i) sql += ", ";
    sql += QuoteIdentifier(ix.fields[i]);
    const FieldDef* f = FindField(def, ix.fields[i]);
    bool text_field = f && (f->kind == Kind::String || f->kind == Kind::Memo);
    if (ix.nocase && text_field) sql += " COLLATE NOCASE";
    if (ix.descending) sql += " DESC";
  }
  return sql + ")";
}

const IndexDef* PrimaryIndex(const TableDef& def) {
  for (const IndexDef& ix : def.indexes)
    if (ix.name.empty()) return &ix;
  return nullptr;
}

std::string CreateSql(std::string_view schema, std::string_view table, const TableDef& def) {
  const IndexDef* primary = def.clustered ? PrimaryIndex(def) : nullptr;
  auto in_primary = [&](const FieldDef& f) {
    if (!primary) return false;
    for (const auto& name : primary->fields)
      if (Lower(name) == Lower(f.name)) return true;
    return false;
  };
  std::string sql = "CREATE TABLE " + Qualified(schema, table) + " (";
  for (size_t i = 0; i < def.fields.size(); ++i) {
    if (i) sql += ", ";
    const FieldDef& f = def.fields[i];
    sql += ColumnSql(f, def.check_widths);
    // Comparisons and key ranges on a clustered key then use its collation without being told.
    if (primary && primary->nocase && f.kind == Kind::String && in_primary(f)) sql += " COLLATE NOCASE";
  }
  if (primary) sql += ", PRIMARY KEY " + KeyColumns(def, *primary);
  return sql + (primary ? ") WITHOUT ROWID" : ")");
}

// An index on the autoinc field alone would duplicate the table's own rowid order.
bool OnRowidAlone(const TableDef& def, const IndexDef& ix) {
  if (ix.fields.size() != 1 || ix.descending) return false;
  const FieldDef* f = FindField(def, ix.fields[0]);
  return f && f->kind == Kind::AutoInc;
}

void CreateIndexes(Database& db, std::string_view schema, std::string_view table, const TableDef& def) {
  for (const IndexDef& ix : def.indexes) {
    if (def.clustered && ix.name.empty()) continue;  // the table is that index
    if (OnRowidAlone(def, ix)) continue;
    std::string sql = std::string(ix.unique || ix.name.empty() ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
                      Qualified(schema, IndexName(table, ix)) + " ON " + QuoteIdentifier(table) + " " +
                      KeyColumns(def, ix);
    db.Exec(sql);
  }
}

void WriteMeta(Database& db, std::string_view schema, std::string_view table, const TableDef& def,
               std::optional<Version> version) {
  EnsureMeta(db, schema);
  Statement del(db, "DELETE FROM " + Qualified(schema, kMetaTable) + " WHERE TableName = ? AND FieldName <> ''");
  del.Bind(1, table);
  del.Run();
  Statement ins(db, "INSERT INTO " + Qualified(schema, kMetaTable) + " (TableName, FieldName, Width) VALUES (?, ?, ?)");
  for (const FieldDef& f : def.fields) {
    if (f.kind != Kind::String) continue;
    ins.Reset();
    ins.Bind(1, table).Bind(2, f.name).Bind(3, f.width);
    ins.Run();
  }
  if (version) SetVersion(db, schema, table, *version);
}

std::vector<std::string> ExistingColumns(Database& db, std::string_view schema, std::string_view table) {
  Statement st(db, "SELECT name FROM pragma_table_info(?, ?)");
  st.Bind(1, table).Bind(2, schema);
  std::vector<std::string> out;
  while (st.Step()) out.push_back(st.Text(0));
  return out;
}

}  // namespace

std::string IndexName(std::string_view table, const IndexDef& index) {
  return std::string(table) + "_" + (index.name.empty() ? "Primary" : index.name);
}

void CreateTable(Database& db, std::string_view schema, std::string_view table, const TableDef& def,
                 std::optional<Version> version) {
  Transaction tx(db);
  db.Exec(CreateSql(schema, table, def));
  CreateIndexes(db, schema, table, def);
  WriteMeta(db, schema, table, def, version);
  tx.Commit();
}

void DropTable(Database& db, std::string_view schema, std::string_view table) {
  Transaction tx(db);
  db.Exec("DROP TABLE IF EXISTS " + Qualified(schema, table));
  if (db.TableExists(schema, kMetaTable)) {
    Statement del(db, "DELETE FROM " + Qualified(schema, kMetaTable) + " WHERE TableName = ?");
    del.Bind(1, table);
    del.Run();
  }
  tx.Commit();
}

void RenameTable(Database& db, std::string_view schema, std::string_view from, std::string_view to,
                 const TableDef& def) {
  Transaction tx(db);
  for (const IndexDef& ix : def.indexes) db.Exec("DROP INDEX IF EXISTS " + Qualified(schema, IndexName(from, ix)));
  db.Exec("ALTER TABLE " + Qualified(schema, from) + " RENAME TO " + QuoteIdentifier(to));
  CreateIndexes(db, schema, to, def);
  if (db.TableExists(schema, kMetaTable)) {
    Statement del(db, "DELETE FROM " + Qualified(schema, kMetaTable) + " WHERE TableName = ?");
    del.Bind(1, to);
    del.Run();
    Statement up(db, "UPDATE " + Qualified(schema, kMetaTable) + " SET TableName = ? WHERE TableName = ?");
    up.Bind(1, to).Bind(2, from);
    up.Run();
  }
  tx.Commit();
}

void Restructure(Database& db, std::string_view schema, std::string_view table, const TableDef& def,
                 std::optional<Version> version, const ProgressFn& progress) {
  Transaction tx(db);
  std::vector<std::string> old_cols = ExistingColumns(db, schema, table);
  std::set<std::string> old_lower;
  for (const auto& c : old_cols) old_lower.insert(Lower(c));
  std::string cols;
  for (const FieldDef& f : def.fields) {
    if (!old_lower.count(Lower(f.name))) continue;
    if (!cols.empty()) cols += ", ";
    cols += QuoteIdentifier(f.name);
  }

  std::optional<int64_t> old_seq;
  if (db.TableExists(schema, "sqlite_sequence")) {
    Statement seq(db, "SELECT seq FROM " + Qualified(schema, "sqlite_sequence") + " WHERE name = ?");
    seq.Bind(1, table);
    if (seq.Step()) old_seq = seq.Int(0);
  }

  // Indexes of the old table go first: their names are reused by the new one.
  {
    Statement ix(db, "SELECT name FROM " + QuoteIdentifier(schema) +
                         ".sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE AND sql IS NOT NULL");
    ix.Bind(1, table);
    std::vector<std::string> names;
    while (ix.Step()) names.push_back(ix.Text(0));
    for (const auto& n : names) db.Exec("DROP INDEX " + Qualified(schema, n));
  }

  const std::string temp = std::string(table) + "__rebuild";
  db.Exec("DROP TABLE IF EXISTS " + Qualified(schema, temp));
  db.Exec(CreateSql(schema, temp, def));

  int64_t total = db.CountRows(schema, table);
  if (!cols.empty() && total > 0) {
    constexpr int64_t kBatch = 20000;
    Statement copy(db, "INSERT INTO " + Qualified(schema, temp) + " (" + cols + ") SELECT " + cols + " FROM " +
                           Qualified(schema, table) + " WHERE rowid > ? ORDER BY rowid LIMIT " +
                           std::to_string(kBatch));
    Statement last(db, "SELECT max(rowid) FROM (SELECT rowid FROM " + Qualified(schema, table) +
                           " WHERE rowid > ? ORDER BY rowid LIMIT " + std::to_string(kBatch) + ")");
    int64_t after = INT64_MIN, done = 0;
    while (done < total) {
      last.Reset();
      last.Bind(1, after);
      if (!last.Step() || last.IsNull(0)) break;
      int64_t upto = last.Int(0);
      copy.Reset();
      copy.Bind(1, after);
      copy.Run();
      done += db.Changes();
      after = upto;
      if (progress) progress(static_cast<int>(done * 100 / total));
    }
  }
  db.Exec("DROP TABLE " + Qualified(schema, table));
  db.Exec("ALTER TABLE " + Qualified(schema, temp) + " RENAME TO " + QuoteIdentifier(table));
  CreateIndexes(db, schema, table, def);
  if (old_seq && db.TableExists(schema, "sqlite_sequence")) {
    Statement seq(db, "UPDATE " + Qualified(schema, "sqlite_sequence") + " SET seq = max(seq, ?) WHERE name = ?");
    seq.Bind(1, *old_seq).Bind(2, table);
    seq.Run();
  }
  WriteMeta(db, schema, table, def, version ? version : GetVersion(db, schema, table));
  tx.Commit();
  if (progress) progress(100);
}

std::optional<Version> GetVersion(Database& db, std::string_view schema, std::string_view table) {
  if (!db.TableExists(schema, kMetaTable)) return std::nullopt;
  Statement st(db, "SELECT Major, Minor FROM " + Qualified(schema, kMetaTable) +
                       " WHERE TableName = ? AND FieldName = '' AND Major IS NOT NULL");
  st.Bind(1, table);
  if (!st.Step()) return std::nullopt;
  return Version{static_cast<int>(st.Int(0)), static_cast<int>(st.Int(1))};
}

void SetVersion(Database& db, std::string_view schema, std::string_view table, Version v) {
  EnsureMeta(db, schema);
  Statement st(db, "INSERT INTO " + Qualified(schema, kMetaTable) +
                       " (TableName, FieldName, Major, Minor) VALUES (?, '', ?, ?)"
                       " ON CONFLICT (TableName, FieldName) DO UPDATE SET Major = excluded.Major, Minor = excluded.Minor");
  st.Bind(1, table).Bind(2, v.major).Bind(3, v.minor);
  st.Run();
}

std::optional<int> DeclaredWidth(Database& db, std::string_view schema, std::string_view table,
                                 std::string_view field) {
  if (!db.TableExists(schema, kMetaTable)) return std::nullopt;
  Statement st(db, "SELECT Width FROM " + Qualified(schema, kMetaTable) + " WHERE TableName = ? AND FieldName = ?");
  st.Bind(1, table).Bind(2, field);
  if (!st.Step() || st.IsNull(0)) return std::nullopt;
  return static_cast<int>(st.Int(0));
}

}  // namespace tembrel::db
