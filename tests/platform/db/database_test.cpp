#include "platform/db/database.h"

#include <gtest/gtest.h>

#include "platform/db/table_def.h"
#include "support/temp_dir.h"

namespace tembrel::db {
namespace {

TableDef People() {
  TableDef d;
  d.fields = {{"Name", Kind::String, 8, true, true}, {"Size", Kind::Decimal}, {"Born", Kind::Date},
              {"Note", Kind::Memo}, {"Tag", Kind::AutoInc}};
  d.indexes = {{"", {"Name"}, true, true}, {"BySize", {"Size", "Name"}, false, true, true}, {"ByTag", {"Tag"}}};
  return d;
}

class DatabaseTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  Database db = Database::Open(dir.Str() + "main.sqlite");

  void SetUp() override {
    db.Attach(dir.Str() + "data.sqlite", kData);
    CreateTable(db, kData, "People", People(), Version{2, 0});
  }
  void Insert(std::string_view name, int64_t size) {
    Statement st(db, "INSERT INTO Data.People (Name, Size) VALUES (?, ?)");
    st.Bind(1, name).Bind(2, size);
    st.Run();
  }
};

TEST_F(DatabaseTest, CaseInsensitiveKeyRaisesKeyViolation) {
  Insert("README", 1);
  EXPECT_THROW(Insert("readme", 2), KeyViolation);
  EXPECT_EQ(db.CountRows(kData, "People"), 1);
}

TEST_F(DatabaseTest, DeclaredWidthIsEnforcedInCharacters) {
  Insert("éééééééé", 1);  // 8 characters, 16 bytes
  EXPECT_THROW(Insert("ABCDEFGHI", 1), FieldTooLong);
  EXPECT_EQ(DeclaredWidth(db, kData, "People", "Name"), 8);
  EXPECT_EQ(GetVersion(db, kData, "People"), (Version{2, 0}));
}

TEST_F(DatabaseTest, ValuesAreBoundNeverReadAsColumnNames) {
  // A value spelled like a column must not match every row.
  Insert("Name", 1);
  Insert("Other", 2);
  Statement st(db, "SELECT count(*) FROM Data.People WHERE Name = ?");
  st.Bind(1, "Name");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Int(0), 1);
}

TEST_F(DatabaseTest, LargeSizesAndDatesRoundTrip) {
  Statement ins(db, "INSERT INTO Data.People (Name, Size, Born) VALUES (?, ?, ?)");
  ins.Bind(1, "BIG").Bind(2, int64_t{5} << 30).Bind(3, Date{2003, 7, 4});
  ins.Run();
  Statement st(db, "SELECT Size, Born FROM Data.People");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Int(0), int64_t{5} << 30);
  EXPECT_EQ(st.Text(1), "2003-07-04");
  EXPECT_EQ(st.DateAt(1), (Date{2003, 7, 4}));
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted) {
  {
    Transaction tx(db);
    Insert("A", 1);
    {
      Transaction inner(db);
      Insert("B", 1);
      inner.Commit();
    }
    {
      Transaction inner(db);
      Insert("C", 1);
    }  // rolled back to its savepoint only
    EXPECT_EQ(db.CountRows(kData, "People"), 2);
  }
  EXPECT_EQ(db.CountRows(kData, "People"), 0);
}

TEST_F(DatabaseTest, RestructureKeepsRowsAndTagsAndWidens) {
  for (const char* n : {"ONE", "TWO", "THREE"}) Insert(n, 7);
  db.Exec("DELETE FROM Data.People WHERE Name = 'THREE'");  // the sequence stays at 3
  TableDef wider = People();
  wider.fields[0].width = 20;
  std::vector<int> progress;
  Restructure(db, kData, "People", wider, std::nullopt, [&](int p) { progress.push_back(p); });
  EXPECT_EQ(DeclaredWidth(db, kData, "People", "Name"), 20);
  EXPECT_EQ(GetVersion(db, kData, "People"), (Version{2, 0}));
  EXPECT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 100);
  Statement st(db, "SELECT Name, Tag FROM Data.People ORDER BY Tag");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "ONE");
  EXPECT_EQ(st.Int(1), 1);
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Int(1), 2);
  Insert("A_MUCH_LONGER_NAME", 1);
  EXPECT_EQ(db.LastInsertRowId(), 4);  // never reuses a Tag that was handed out
  EXPECT_THROW(Insert("one", 1), KeyViolation);  // indexes rebuilt
}

TEST_F(DatabaseTest, FailedRestructureLeavesTableAsItWas) {
  Insert("LONGNAME", 1);
  TableDef narrower = People();
  narrower.fields[0].width = 4;
  EXPECT_THROW(Restructure(db, kData, "People", narrower), FieldTooLong);
  EXPECT_EQ(db.CountRows(kData, "People"), 1);
  EXPECT_EQ(DeclaredWidth(db, kData, "People", "Name"), 8);
  EXPECT_FALSE(db.TableExists(kData, "People__rebuild"));

  Insert("B", 2);
  db.FailAfterSteps(3);
  EXPECT_THROW(Restructure(db, kData, "People", People(), Version{3, 0}), DbError);
  EXPECT_EQ(db.CountRows(kData, "People"), 2);
  EXPECT_EQ(GetVersion(db, kData, "People"), (Version{2, 0}));
}

TEST_F(DatabaseTest, RenameMovesIndexesAndMeta) {
  Insert("X", 1);
  RenameTable(db, kData, "People", "Folk \"quoted\"", People());
  EXPECT_FALSE(db.TableExists(kData, "People"));
  EXPECT_EQ(db.CountRows(kData, "Folk \"quoted\""), 1);
  EXPECT_EQ(DeclaredWidth(db, kData, "Folk \"quoted\"", "Name"), 8);
  Statement ix(db, "SELECT count(*) FROM Data.sqlite_master WHERE type = 'index' AND name LIKE 'Folk%'");
  ASSERT_TRUE(ix.Step());
  EXPECT_EQ(ix.Int(0), 2);  // ByTag is the table's own rowid order, not an index of its own
}

TEST_F(DatabaseTest, ClusteredTableIsItsKeyInKeyOrder) {
  TableDef d;
  d.fields = {{"Name", Kind::String, 4, true, true}, {"Folder", Kind::String, 4, false, true}, {"Size", Kind::Decimal}};
  d.indexes = {{"", {"Name", "Folder"}, true, true}};
  d.clustered = true;
  d.check_widths = false;
  CreateTable(db, kMemory, "Scratch", d);
  Statement ins(db, "INSERT INTO Memory.Scratch (Name, Folder, Size) VALUES (?, ?, ?)");
  auto add = [&](const char* name, const char* folder) {
    ins.Reset();
    ins.Bind(1, name).Bind(2, folder).Bind(3, 1);
    ins.Run();
  };
  for (const char* name : {"b", "A", "C", "longer than four"}) add(name, "\\");
  EXPECT_THROW(add("a", "\\"), KeyViolation);  // the key ignores letter case
  add("a", "\\X");
  EXPECT_THROW(Statement(db, "SELECT rowid FROM Memory.Scratch"), DbError);
  std::vector<std::string> order;
  // A key range needs no COLLATE: the key's columns carry it.
  Statement st(db, "SELECT Name, Folder FROM Memory.Scratch WHERE (Name, Folder) >= ('a', '\\x') ORDER BY Name, Folder");
  while (st.Step()) order.push_back(st.Text(0) + st.Text(1));
  EXPECT_EQ(order, (std::vector<std::string>{"a\\X", "b\\", "C\\", "longer than four\\"}));
  Statement plan(db, "EXPLAIN QUERY PLAN SELECT * FROM Memory.Scratch ORDER BY Name, Folder");
  ASSERT_TRUE(plan.Step());
  EXPECT_EQ(plan.Text(3).find("TEMP B-TREE"), std::string::npos) << plan.Text(3);
}

TEST_F(DatabaseTest, MaskFunctionRunsInsideQueries) {
  for (const char* n : {"A.TXT", "B.DOC", "README"}) Insert(n, 1);
  Statement st(db, "SELECT Name FROM Data.People WHERE MatchesMask(?, Name) ORDER BY Name");
  st.Bind(1, "*.*");
  std::vector<std::string> names;
  while (st.Step()) names.push_back(st.Text(0));
  EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "B.DOC"}));
}

TEST_F(DatabaseTest, MemoryDatabaseIsAttached) {
  CreateTable(db, kMemory, "New", People());
  EXPECT_TRUE(db.TableExists(kMemory, "New"));
  EXPECT_FALSE(db.TableExists(kData, "New"));
}

}  // namespace
}  // namespace tembrel::db
