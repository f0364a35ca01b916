#include <gtest/gtest.h>

#include "catalog/catalog_disk_form.h"
#include "catalog/catalog_update.h"
#include "catalog/disk_alias_form.h"
#include "catalog/disk_label_form.h"
#include "catalog/entry_kinds.h"
#include "catalog/new_table.h"
#include "catalog/run_fixture.h"
#include "catalog/selective_catalog_form.h"

namespace tembrel::catalog::testing {
namespace {

class CatalogingDialogsTest : public RunTest {
 protected:
  void AddDisk(const std::string& key, const std::string& actual) {
    db::Statement st(db, "INSERT INTO Data.Disks_SUM (CatalogVolumeLabel, ActualVolumeLabel) VALUES (?, ?)");
    st.Bind(1, key).Bind(2, actual);
    st.Run();
    db::Statement f(db, "INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName) VALUES ('A.TXT', ?, '\\')");
    f.Bind(1, key);
    f.Run();
  }
};

TEST_F(CatalogingDialogsTest, SuggestNextLabelCountsPastLabelsInTheCatalog) {
  struct Case {
    const char* last;
    std::vector<const char*> existing;
    const char* suggestion;
  };
  const Case cases[] = {
      {"DISK09", {"DISK10"}, "DISK11"},
      {"BACKUP", {}, "BACKUP"},
      {"DISK99", {"DISK99"}, ""},
      {"D001", {}, "D002"},
      {"", {}, ""},
  };
  for (const Case& c : cases) {
    db.Exec("DELETE FROM Data.Disks_SUM");
    for (const char* e : c.existing) AddDisk(e, e);
    db::Statement st(db, "UPDATE CatalogConfigs SET LastVolumeLabel = ?");
    st.Bind(1, c.last);
    st.Run();
    EXPECT_EQ(SuggestNextLabel(ctx), c.suggestion) << c.last;
    db.Exec("DELETE FROM Data.Disks_CAT");
  }
  state.active_catalog.clear();
  EXPECT_EQ(SuggestNextLabel(ctx), "");
}

TEST_F(CatalogingDialogsTest, WritingALabelOffersToRenameTheDiskInTheCatalog) {
  AddDisk("OLDNAME", "OLDNAME");
  SetLabel("OLDNAME");
  TDiskLabelForm form(ctx, volumes, false, 'F');
  form.ReadLabel();
  EXPECT_EQ(form.volume_label_panel, " OLDNAME");
  EXPECT_EQ(form.NewLabel(), "OLDNAME");
  form.SetNewLabel("new");
  ui.answers = {Button::Yes};
  form.WriteLabelClick();
  EXPECT_EQ(form.modal_result, Button::Ok);
  EXPECT_EQ(volumes.label_writes(), std::vector<std::string>{"F:NEW"});
  EXPECT_EQ(state.last_volume_label, "NEW");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{
      "Ask: A Disk With The Old Volume Label Exists In Your Catalog\r\n\r\nWould You Like Up Update The Catalog To "
      "Reflect The New Volume Label Just Written?"});
  db::Statement st(db, "SELECT CatalogVolumeLabel, ActualVolumeLabel, (SELECT VolumeLabel FROM Data.Disks_CAT) FROM Data.Disks_SUM");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "NEW");
  EXPECT_EQ(st.Text(1), "NEW");
  EXPECT_EQ(st.Text(2), "NEW");
}

TEST_F(CatalogingDialogsTest, RenameFollowsAnAliasAndSkipsAmbiguousLabels) {
  AddDisk("MYALIAS", "OLD");
  SetLabel("OLD");
  {
    TDiskLabelForm form(ctx, volumes, false, 'F');
    form.ReadLabel();
    form.SetNewLabel("FRESH");
    ui.answers = {Button::Yes};
    form.WriteLabelClick();
    db::Statement st(db, "SELECT VolumeLabel FROM Data.Disks_CAT");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.Text(0), "FRESH");  // the file rows carried the alias
  }
  AddDisk("TWIN1", "SAME");
  AddDisk("TWIN2", "SAME");
  SetLabel("SAME");
  ui.log.clear();
  TDiskLabelForm form(ctx, volumes, false, 'F');
  form.ReadLabel();
  form.SetNewLabel("OTHER");
  form.WriteLabelClick();  // no question: the old label is not unique
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 3);
}

TEST_F(CatalogingDialogsTest, LabelErrorsAndErasing) {
  volumes.Find('F')->write_error = 13;
  volumes.Find('F')->erase_error = 30;
  TDiskLabelForm form(ctx, volumes, false, 'F');
  form.ReadLabel();
  form.WriteLabelClick();
  EXPECT_EQ(form.modal_result, Button::None);
  form.SetNewLabel("");
  ui.answers = {Button::Yes};
  form.WriteLabelClick();
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                               "Error: Error 13 Occurred While Attempting To Write The Volume Label",
                               "Ask: Erase Current Volume Label?",
                               "Error: Error 30 Occurred While Attempting To Delete The Volume Label"}));
  TDiskLabelForm cataloging(ctx, volumes, true, 'F');
  ui.log.clear();
  cataloging.WriteLabelClick();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error: Volume Label Cannot Be Blank"});
  volumes.Find('F')->query_error = 5;
  cataloging.ReadLabel();
  EXPECT_EQ(cataloging.volume_label_panel, " <Error 5>");
}

TEST_F(CatalogingDialogsTest, CommentFromTheDiskReplacesOnlyWhenAskedAndNeverByBlank) {
  struct Case {
    bool override_on;
    const char* stored;
    const char* from_disk;
    const char* result;
  };
  const Case cases[] = {
      {false, "typed by user", "FILE_ID text", "typed by user"},
      {true, "typed by user", "FILE_ID text", "FILE_ID text"},
      {true, "typed by user", "   ", "typed by user"},
      {false, "", "FILE_ID text", "FILE_ID text"},
  };
  for (const Case& c : cases) {
    db.Exec("DELETE FROM Data.Disks_CAT");
    db::Statement cat(db, "INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName, Comment, CategoryCode) VALUES ('A.ZIP', 'D1', '\\', ?, 'ARC')");
    cat.Bind(1, c.stored);
    cat.Run();
    CreateNewTableIn(db, "Memory");
    db::Statement n(db, NewTableInsertSql("Memory"));
    n.Bind(1, "a.zip").Bind(2, "\\").Bind(3, "").Bind(4, 5).BindNull(5).BindNull(6).Bind(7, 32).Bind(8, c.from_disk).Bind(9, true);
    n.Run();
    UpdateInput in;
    in.catalog = "Disks";
    in.catalog_volume_label = "D1";
    in.comment_override_from_disk = c.override_on;
    MergeCounts counts = UpdateCatalog(db, in);
    EXPECT_EQ(counts.updated, 1);
    db::Statement st(db, "SELECT FileName, Comment, CategoryCode FROM Data.Disks_CAT");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.Text(0), "A.ZIP");  // the old letter case stays
    EXPECT_EQ(st.Text(1), c.result) << c.override_on << c.stored;
    EXPECT_EQ(st.Text(2), "ARC");
  }
}

TEST_F(CatalogingDialogsTest, MergeNeverTouchesOtherVolumes) {
  db.Exec("INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName) VALUES ('A.TXT', 'OTHER', '\\'), ('Z.TXT', 'D1', '\\')");
  CreateNewTableIn(db, "Memory");
  db::Statement n(db, NewTableInsertSql("Memory"));
  n.Bind(1, "A.TXT").Bind(2, "\\").Bind(3, "").Bind(4, 1).BindNull(5).BindNull(6).Bind(7, 0).Bind(8, "").Bind(9, true);
  n.Run();
  UpdateInput in;
  in.catalog = "Disks";
  in.catalog_volume_label = "D1";
  MergeCounts counts = UpdateCatalog(db, in);
  EXPECT_EQ(counts.added, 1);
  EXPECT_EQ(counts.removed, 1);
  EXPECT_EQ(counts.updated, 0);
  EXPECT_EQ(db.CountRows(db::kData, "Disks_CAT"), 2);
  EXPECT_EQ(Rows("OTHER").size(), 1u);
}

TEST(LogText, IsCutToTheFieldWidth) {
  EXPECT_EQ(LogText(false, "GAMES01", "A"), "CATALOGED: Volume ID = \"GAMES01\" From Drive A:");
  EXPECT_EQ(LogText(true, "ABCDEFGHIJK", "A"), "RECATALOGED: Volume ID = \"ABCDEFGHIJK\" From Drive ");
}

TEST_F(CatalogingDialogsTest, TagSeveralByFilespecOrByCatalog) {
  CreateNewTableIn(db, "Memory");
  db::Statement n(db, NewTableInsertSql("Memory"));
  for (auto [name, folder] : {std::pair{"A.TXT", "\\DOCS"}, {"B.DOC", "\\"}, {"README", "\\DOCS"}}) {
    n.Reset();
    n.Bind(1, name).Bind(2, folder).Bind(3, "").Bind(4, 1).BindNull(5).BindNull(6).Bind(7, 0).Bind(8, "").Bind(9, false);
    n.Run();
  }
  db.Exec("INSERT INTO Data.Disks_CAT (FileName, VolumeLabel, FolderName) VALUES ('b.doc', 'D1', '\\')");
  TSelectiveCatalogForm form(ctx, "Memory", "D1");
  auto tagged = [&] {
    std::string out;
    for (size_t i = 0; i < form.RowCount(); ++i) out += form.Row(i).tagged ? "1" : "0";
    return out;
  };
  form.TagByFilespec("C:*.TXT", true);  // a colon is refused
  EXPECT_EQ(tagged(), "000");
  form.TagByFilespec("\\DOCS\\*", true);
  EXPECT_EQ(tagged(), "101");
  form.TagAllClick();
  EXPECT_EQ(tagged(), "111");  // names without an extension too
  form.TagPresentlyInCatalog(false);
  EXPECT_EQ(tagged(), "101");
  form.InvertTagsClick();
  EXPECT_EQ(tagged(), "010");
  ui.Expect<TSelectiveCatalogTagCriteriaForm>([](TSelectiveCatalogTagCriteriaForm& c) {
    EXPECT_EQ(c.Caption(), "UnTag Several");
    c.filespec = " B.* ";
    c.ProceedClick();
    return Button::Ok;
  });
  form.UntagSeveralClick();
  EXPECT_EQ(tagged(), "000");
  EXPECT_EQ(ui.progress.Caption(), "UnTagging Files According To Filespec Given");
}

TEST(EntryKinds, ByExtensionAndOptions) {
  CatalogConfig o;  // CAB and ZIP on by default
  EXPECT_EQ(ClassifyEntry("A.ZIP", o), kZip);
  EXPECT_EQ(ClassifyEntry("a.cab", o), kCab);
  EXPECT_EQ(ClassifyEntry("A.ARJ", o), kPlain);
  EXPECT_EQ(ClassifyEntry("PIC.JPEG", o), kJpeg);
  EXPECT_EQ(ClassifyEntry("SONG.mp3", o), kMp3);
  EXPECT_EQ(ClassifyEntry("SET.A01", o), kPlain);
  o.do_arj = true;
  o.handle_arj_multi_disks = true;
  EXPECT_EQ(ClassifyEntry("SET.A01", o), kArj);
  EXPECT_EQ(ClassifyEntry("SET.AB1", o), kPlain);
  EXPECT_EQ(ClassifyEntry("README", o), kPlain);
}

TEST_F(CatalogingDialogsTest, CatalogDiskDialogRemembersItsChoices) {
  TCatalogDiskSpecForm form(ctx, volumes, *files);
  form.FormShow();
  EXPECT_EQ(form.drive, 'F');
  EXPECT_EQ(form.start_dir, "F:\\");
  EXPECT_TRUE(form.recurse && form.ignore_recycle);
  form.StartFolderChosen("\\GAMES");
  EXPECT_EQ(form.start_dir, "F:\\GAMES");
  form.stats_only = true;
  form.recurse = false;
  form.FormClose();
  TCatalogDiskSpecForm again(ctx, volumes, *files);
  again.FormShow();
  EXPECT_TRUE(again.stats_only);
  EXPECT_FALSE(again.recurse);
  EXPECT_EQ(settings.GetString("TCatalogDiskSpecForm", "LastDriveLabel"), "F");
}

TEST_F(CatalogingDialogsTest, CatalogNowRunsTheDiskAndWaitsForClose) {
  File("A.TXT");
  TCatalogDiskSpecForm form(ctx, volumes, *files);
  form.FormShow();
  form.keep_in_memory = true;
  EXPECT_TRUE(form.CatalogNowClick());
  EXPECT_EQ(Rows().size(), 1u);
  EXPECT_FALSE(state.abort_requested);
}

TEST_F(CatalogingDialogsTest, SelectiveGridPagesThroughNewInKeyOrder) {
  CreateNewTableIn(db, "Memory");
  db::Statement n(db, NewTableInsertSql("Memory"));
  // Written backwards, in both letter cases: the grid still shows them in key order, chunk
  // after chunk.
  for (int i = 699; i >= 0; --i) {
    char name[16];
    std::snprintf(name, sizeof name, i % 2 ? "f%04d" : "F%04d", i);
    n.Reset();
    n.Bind(1, name).Bind(2, "\\").Bind(3, "").Bind(4, i).BindNull(5).BindNull(6).Bind(7, 0).Bind(8, "").Bind(9, true);
    n.Run();
  }
  TSelectiveCatalogForm form(ctx, "Memory", "D1");
  ASSERT_EQ(form.RowCount(), 700u);
  for (size_t i : {0u, 255u, 256u, 257u, 511u, 512u, 699u}) EXPECT_EQ(form.Row(i).size, static_cast<int64_t>(i)) << i;
  EXPECT_EQ(form.Row(700).file_name, "");  // past the end
  form.SetTagged(600, false);
  db::Statement st(db, "SELECT FileName FROM Memory.New WHERE NOT Tagged");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "F0600");
  EXPECT_FALSE(st.Step());
  EXPECT_FALSE(form.Row(600).tagged);
}

}  // namespace
}  // namespace tembrel::catalog::testing
