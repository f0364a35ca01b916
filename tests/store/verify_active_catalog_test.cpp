#include "store/verify_active_catalog.h"

#include <gtest/gtest.h>

#include "store/catalog_config.h"
#include "store/catalog_tables.h"
#include "support/catalog_fixture.h"

namespace tembrel {
namespace {

class VerifyActiveCatalogTest : public ::testing::Test, public testing::AppFixture {
 protected:
  void MakeCatalog(const char* name, FieldWidths w = {64, 64, 32}) {
    state.active_catalog = name;
    ASSERT_TRUE(CreateCatalogConfig(ctx, w, false));
  }
};

TEST_F(VerifyActiveCatalogTest, CreatesMissingTablesWithMessagesInOrder) {
  MakeCatalog("Disks");
  VerifyActiveCatalog(ctx, false);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Information: Cannot Find Summary File For Current Catalog - Creating A New One",
                               "Information: Cannot Find Data File For Current Catalog - Creating A New One",
                               "Information: Cannot Find Log File For Current Catalog - Creating A New One"}));
  EXPECT_EQ(state.active_catalog, "Disks");
  for (const char* t : {"Disks_SUM", "Disks_CAT", "Disks_LOG"}) {
    EXPECT_TRUE(db.TableExists(db::kData, t)) << t;
    EXPECT_EQ(db.CountRows(db::kData, t), 0);
  }
  EXPECT_EQ(db::GetVersion(db, db::kData, "Disks_SUM"), kSummaryStamp);
  EXPECT_EQ(db::DeclaredWidth(db, db::kData, "Disks_CAT", "FolderName"), 64);
}

TEST_F(VerifyActiveCatalogTest, QuietCreatesWithoutMessages) {
  MakeCatalog("Disks");
  VerifyActiveCatalog(ctx, true);
  EXPECT_TRUE(ui.log.empty());
  EXPECT_TRUE(db.TableExists(db::kData, "Disks_LOG"));
}

TEST_F(VerifyActiveCatalogTest, MissingDefinitionClearsTheCatalog) {
  state.active_catalog = "Ghost";
  VerifyActiveCatalog(ctx, false);
  EXPECT_EQ(ui.log, (std::vector<std::string>{
                        "Beep", "Error: Cannot Find Catalog Definition - You Need To Create A New Catalog"}));
  EXPECT_TRUE(state.active_catalog.empty());
}

TEST_F(VerifyActiveCatalogTest, FindsDefinitionWithoutRegardToCaseAndLoadsLastLabel) {
  MakeCatalog("Disks");
  db.Exec("UPDATE CatalogConfigs SET LastVolumeLabel = 'DISK07'");
  state.active_catalog = "DISKS";
  VerifyActiveCatalog(ctx, true);
  EXPECT_EQ(state.active_catalog, "DISKS");
  EXPECT_EQ(state.last_volume_label, "DISK07");
}

TEST_F(VerifyActiveCatalogTest, WidthDisagreementIsRepairedInFavourOfTheTable) {
  MakeCatalog("Disks", {120, 80, 40});
  VerifyActiveCatalog(ctx, true);
  UpdateCatalogWidths(db, "Disks", {64, 64, 32});
  VerifyActiveCatalog(ctx, true);
  auto config = LoadCatalogConfig(db, "Disks");
  ASSERT_TRUE(config);
  EXPECT_EQ(config->widths, (FieldWidths{120, 80, 40}));
  EXPECT_TRUE(ui.log.empty());
}

TEST_F(VerifyActiveCatalogTest, OldSummaryStampIsUpgradedWithRowsUnchanged) {
  MakeCatalog("Disks");
  VerifyActiveCatalog(ctx, true);
  db.Exec("INSERT INTO Data.Disks_SUM (CatalogVolumeLabel, ActualVolumeLabel, DiskSize, Comment)"
          " VALUES ('DISK1', 'DISK1', 1440000, 'floppy')");
  db::SetVersion(db, db::kData, "Disks_SUM", {1, 0});
  VerifyActiveCatalog(ctx, false);
  EXPECT_EQ(ui.message.history, (std::vector<std::string>{"Updating Summary File Format"}));
  EXPECT_FALSE(ui.message.Shown());
  EXPECT_TRUE(ui.log.empty());
  EXPECT_EQ(db::GetVersion(db, db::kData, "Disks_SUM"), kSummaryStamp);
  db::Statement st(db, "SELECT CatalogVolumeLabel, DiskSize, Comment, Tag FROM Data.Disks_SUM");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "DISK1");
  EXPECT_EQ(st.Int(1), 1440000);
  EXPECT_EQ(st.Text(2), "floppy");
  EXPECT_EQ(st.Int(3), 1);
  EXPECT_FALSE(st.Step());
}

TEST_F(VerifyActiveCatalogTest, FileKeyRefusesANameDifferingOnlyInCase) {
  MakeCatalog("Disks");
  VerifyActiveCatalog(ctx, true);
  auto insert = [&](const char* name) {
    db::Statement st(db, "INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName) VALUES (?, 'D1', '\\')");
    st.Bind(1, name);
    st.Run();
  };
  insert("README");
  EXPECT_THROW(insert("readme"), db::KeyViolation);
}

TEST_F(VerifyActiveCatalogTest, CatalogNamesDifferingOnlyInCaseCannotBothExist) {
  MakeCatalog("Disks");
  state.active_catalog = "DISKS";
  EXPECT_FALSE(CreateCatalogConfig(ctx, {}, false));
  EXPECT_EQ(ui.log, (std::vector<std::string>{"Beep", "Error: Unable To Create Configuration Record For New Catalog"}));
  EXPECT_TRUE(state.active_catalog.empty());
}

TEST_F(VerifyActiveCatalogTest, NewConfigRowHoldsTheDefaults) {
  MakeCatalog("Disks");
  auto c = LoadCatalogConfig(db, "disks");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->expand_archives, "Never");
  EXPECT_TRUE(c->do_cab && c->do_zip && c->warn_if_exists);
  EXPECT_FALSE(c->do_arj || c->aliases || c->keep_activity_log);
  EXPECT_EQ(c->flags1, clock.Today());
  state.active_catalog = "Converted";
  ASSERT_TRUE(CreateCatalogConfig(ctx, {100, 100, 50}, true));
  EXPECT_EQ(LoadCatalogConfig(db, "Converted")->widths, (FieldWidths{16, 16, 16}));
}

TEST_F(VerifyActiveCatalogTest, ExpandArchivesHoldsOnDemandAtFullWidth) {
  MakeCatalog("Disks");
  auto c = *LoadCatalogConfig(db, "Disks");
  c.expand_archives = "On Demand";
  UpdateCatalogConfig(db, c);
  EXPECT_EQ(LoadCatalogConfig(db, "Disks")->expand_archives, "On Demand");
  c.expand_archives = "Sometimes!";
  EXPECT_THROW(UpdateCatalogConfig(db, c), db::FieldTooLong);
}

}  // namespace
}  // namespace tembrel
