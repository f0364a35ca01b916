#include "app/global_tables.h"

#include <gtest/gtest.h>

#include "support/catalog_fixture.h"

namespace tembrel {
namespace {

TEST(GlobalTables, StartUpCreatesTheFiveTablesAndTheOptionsRow) {
  testing::AppFixture f;
  for (const char* t : {"Categories", "TembrelOptions", "CatalogConfigs", "CustomSummaryReportDefs", "CustomFileReportDefs"})
    EXPECT_TRUE(f.db.TableExists(db::kMain, t)) << t;
  EXPECT_EQ(f.db.CountRows(db::kMain, "TembrelOptions"), 1);
  db::Statement cols(f.db, "SELECT count(*) FROM pragma_table_info('TembrelOptions')");
  ASSERT_TRUE(cols.Step());
  EXPECT_EQ(cols.Int(0), 172);
  for (const auto& s : f.state.specs.include) EXPECT_EQ(s, "");
  // A second start opens the tables unchanged.
  EnsureGlobalTables(f.db, f.state.specs);
  EXPECT_EQ(f.db.CountRows(db::kMain, "TembrelOptions"), 1);
}

TEST(GlobalTables, OptionsTableWithoutRowGetsTheDefaultRow) {
  testing::AppFixture f;
  f.db.Exec("DELETE FROM TembrelOptions");
  EnsureGlobalTables(f.db, f.state.specs);
  EXPECT_EQ(f.db.CountRows(db::kMain, "TembrelOptions"), 1);
}

TEST(GlobalTables, SpecsAreSavedAndLoadedTrimmed) {
  testing::AppFixture f;
  f.state.specs.include[0] = "  *.DOC  ";
  f.state.specs.exclude[19] = "*.TMP";
  f.state.specs.squelch[39] = " BACKUP* ";
  f.state.specs.dc_squelch_drive[25] = true;
  SaveIncludeExclude(f.db, f.state.specs);
  SaveSquelchSettings(f.db, f.state.specs);
  SpecCopies loaded;
  LoadSpecCopies(f.db, loaded);
  EXPECT_EQ(loaded.include[0], "*.DOC");
  EXPECT_EQ(loaded.exclude[19], "*.TMP");
  EXPECT_EQ(loaded.squelch[39], "BACKUP*");
  EXPECT_TRUE(loaded.dc_squelch_drive[25]);
  EXPECT_FALSE(loaded.squelch_drive[25]);
}

TEST(GlobalTables, CategoryCodesAreUniqueByCase) {
  testing::AppFixture f;
  f.db.Exec("INSERT INTO Categories (Code, Description) VALUES ('GAME', 'Games')");
  // The category key is case-sensitive: "game" is another code.
  EXPECT_NO_THROW(f.db.Exec("INSERT INTO Categories (Code, Description) VALUES ('game', 'Other')"));
  EXPECT_THROW(f.db.Exec("INSERT INTO Categories (Code, Description) VALUES ('GAME', 'Again')"), db::KeyViolation);
}

}  // namespace
}  // namespace tembrel
