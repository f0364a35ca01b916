#include "catalog/new_table.h"

#include <gtest/gtest.h>

#include "support/catalog_fixture.h"

namespace tembrel::catalog {
namespace {

int64_t Pages(db::Database& db) {
  db::Statement st(db, "PRAGMA Memory.page_count");
  return st.Step() ? st.Int(0) : -1;
}

TEST(NewTable, DroppingItInMemoryGivesItsMemoryBack) {
  testing::AppFixture app;
  CreateNewTableIn(app.db, db::kMemory);
  {
    db::Transaction tx(app.db);
    db::Statement st(app.db, NewTableInsertSql(db::kMemory));
    for (int i = 0; i < 20000; ++i) {
      st.Reset();
      st.Bind(1, "FILE" + std::to_string(i) + ".DAT").Bind(2, "\\SOME\\FOLDER").Bind(3, "").Bind(4, i);
      st.BindNull(5).BindNull(6).Bind(7, 32).Bind(8, "").Bind(9, true);
      st.Run();
    }
    tx.Commit();
  }
  ASSERT_GT(Pages(app.db), 100);
  DropNewTableIn(app.db, db::kMemory);
  EXPECT_FALSE(app.db.TableExists(db::kMemory, "New"));
  EXPECT_LT(Pages(app.db), 10);  // the schema's own pages only
}

}  // namespace
}  // namespace tembrel::catalog
