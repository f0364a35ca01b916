// The update's merge against a plain model of what it must do, over random disks whose names
// differ in letter case, in characters that sort differently folded or not, and in folder or
// archive only; the rows of another disk must never move.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "catalog/catalog_update.h"
#include "catalog/new_table.h"
#include "store/catalog_tables.h"
#include "support/catalog_fixture.h"

namespace tembrel::catalog {
namespace {

struct Row {
  std::string file, folder, archive;
  int64_t size = 0;
  std::string comment, category;
  int64_t tag = 0;
};

std::string Folded(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}
std::string Key(const Row& r) { return Folded(r.file) + '\x01' + Folded(r.folder) + '\x01' + Folded(r.archive); }

class MergeTest : public ::testing::Test {
 protected:
  testing::AppFixture app;
  db::Database& db = app.db;
  std::string cat = db::Qualified(db::kData, CatTable("T"));

  void SetUp() override {
    db::CreateTable(db, db::kData, CatTable("T"), CatDef({64, 200, 32}));
    CreateNewTableIn(db, db::kMemory);
  }
  void AddOld(const std::string& volume, const Row& r) {
    db::Statement st(db, "INSERT INTO " + cat +
                             " (FileName, VolumeLabel, FolderName, ArchiveID, FileSize, Comment, CategoryCode)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?)");
    st.Bind(1, r.file).Bind(2, volume).Bind(3, r.folder).Bind(4, r.archive).Bind(5, r.size).Bind(6, r.comment);
    st.Bind(7, r.category);
    st.Run();
  }
  // false when New already holds the key (the walk would have called it a duplicate)
  bool AddNew(const Row& r, bool tagged) {
    db::Statement st(db, NewTableInsertSql(db::kMemory));
    st.Bind(1, r.file).Bind(2, r.folder).Bind(3, r.archive).Bind(4, r.size).BindNull(5).BindNull(6);
    st.Bind(7, 32).Bind(8, r.comment).Bind(9, tagged);
    try {
      st.Run();
    } catch (const db::KeyViolation&) {
      return false;
    }
    return true;
  }
  std::map<std::string, Row> Rows(const std::string& volume) {
    db::Statement st(db, "SELECT FileName, FolderName, ArchiveID, FileSize, Comment, CategoryCode, Tag FROM " + cat +
                             " WHERE VolumeLabel = ?");
    st.Bind(1, volume);
    std::map<std::string, Row> out;
    while (st.Step()) {
      Row r{st.Text(0), st.Text(1), st.Text(2), st.Int(3), st.Text(4), st.Text(5), st.Int(6)};
      out[Key(r)] = r;
    }
    return out;
  }
  MergeCounts Merge(bool override_comments, std::vector<int>* gauge = nullptr, bool names_fit = true) {
    UpdateInput in;
    in.names_fit = names_fit;
    in.catalog = "T";
    in.catalog_volume_label = "DISK";
    in.comment_override_from_disk = override_comments;
    UpdateProgress progress;
    progress.merge = [gauge](const MergeCounts&, int percent) {
      if (gauge) gauge->push_back(percent);
    };
    db::Transaction tx(db);
    MergeCounts counts = UpdateCatalog(db, in, progress);
    tx.Commit();
    return counts;
  }
};

TEST_F(MergeTest, RandomDisksEndAsTheirTaggedScanWithCommentsAndCategoriesKept) {
  // '_' sorts between the upper- and lower-case letters unless case is folded first.
  const std::vector<std::string> names = {"a", "A", "b", "_", "a_", "A_B", "ab", "AB", "z", "Z.TXT", "readme", "README"};
  const std::vector<std::string> folders = {"\\", "\\x", "\\X", "\\x\\_"};
  const std::vector<std::string> archives = {"", "P.ZIP", "p.zip"};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    db.Exec("DELETE FROM " + cat);
    db.Exec("DELETE FROM Memory.New");
    std::mt19937 rng(seed);
    auto pick = [&](const std::vector<std::string>& from) { return from[rng() % from.size()]; };
    auto random_row = [&] {
      Row r{pick(names), pick(folders), pick(archives), static_cast<int64_t>(rng() % 3)};
      if (rng() % 3 == 0) r.comment = rng() % 2 ? "disk says" : "  ";
      return r;
    };
    const bool override_comments = seed % 2 == 0;
    std::map<std::string, Row> old, other;
    for (int i = 0, n = static_cast<int>(rng() % 30); i < n; ++i) {
      Row r = random_row();
      r.comment = rng() % 2 ? "mine" : "";
      r.category = rng() % 2 ? "DOCS" : "";
      if (old.emplace(Key(r), r).second) AddOld("DISK", r);
      if (rng() % 2 && other.emplace(Key(r), r).second) AddOld("OTHER", r);
    }
    const auto other_before = Rows("OTHER");
    const auto old_rows = Rows("DISK");

    std::map<std::string, Row> expected;
    MergeCounts want;
    for (int i = 0, n = static_cast<int>(rng() % 30); i < n; ++i) {
      Row r = random_row();
      const bool tagged = rng() % 5 != 0;
      if (!AddNew(r, tagged) || !tagged) continue;
      auto was = old_rows.find(Key(r));
      if (was == old_rows.end()) {
        ++want.added;
        r.category.clear();
        expected[Key(r)] = r;
        continue;
      }
      ++want.updated;
      Row kept = was->second;  // names keep their old letter case
      kept.size = r.size;
      const bool blank_new = r.comment.find_first_not_of(' ') == std::string::npos;
      const bool blank_old = kept.comment.find_first_not_of(' ') == std::string::npos;
      if (!blank_new && (blank_old || override_comments)) kept.comment = r.comment;
      expected[Key(r)] = kept;
    }
    want.removed = static_cast<int64_t>(old_rows.size()) - want.updated;

    std::vector<int> gauge;
    const MergeCounts got = Merge(override_comments, &gauge);
    EXPECT_EQ(got.added, want.added);
    EXPECT_EQ(got.updated, want.updated);
    EXPECT_EQ(got.removed, want.removed);
    const auto after = Rows("DISK");
    ASSERT_EQ(after.size(), expected.size());
    for (const auto& [key, row] : expected) {
      auto it = after.find(key);
      ASSERT_NE(it, after.end()) << key;
      EXPECT_EQ(it->second.file, row.file);
      EXPECT_EQ(it->second.folder, row.folder);
      EXPECT_EQ(it->second.archive, row.archive);
      EXPECT_EQ(it->second.size, row.size) << key;
      EXPECT_EQ(it->second.comment, row.comment) << key;
      EXPECT_EQ(it->second.category, row.category) << key;
      if (row.tag) EXPECT_EQ(it->second.tag, row.tag) << key;  // kept rows keep their Tag
    }
    EXPECT_EQ(Rows("OTHER").size(), other_before.size());
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), 100);
    EXPECT_TRUE(std::is_sorted(gauge.begin(), gauge.end()));
  }
}

TEST_F(MergeTest, LargeAdditionsGoInByRangesAndLandWhole) {
  // More rows than one range statement takes, around a few old ones, so the pass switches to
  // ranges part way through.
  AddOld("DISK", {"A0", "\\", ""});
  AddOld("DISK", {"F0", "\\", ""});
  for (int i = 0; i < 45000; ++i) AddNew({"F" + std::to_string(i), "\\", ""}, true);
  AddNew({"A0", "\\", ""}, true);
  const MergeCounts got = Merge(false);
  EXPECT_EQ(got.added, 44999);
  EXPECT_EQ(got.updated, 2);
  EXPECT_EQ(got.removed, 0);
  EXPECT_EQ(Rows("DISK").size(), 45001u);
}

TEST_F(MergeTest, WidthChecksAreSkippedOnlyForNamesKnownToFit) {
  const std::string too_long(65, 'N');  // the file name field holds 64
  AddNew({too_long, "\\", ""}, true);
  EXPECT_THROW(Merge(false, nullptr, false), db::FieldTooLong);  // an unchecked caller is refused
  EXPECT_TRUE(Rows("DISK").empty());
  db.Exec("DELETE FROM Memory.New");
  AddNew({"FITS.TXT", "\\", ""}, true);
  EXPECT_EQ(Merge(false).added, 1);
  // The engine checks again afterwards, in old statements and new ones.
  EXPECT_THROW(AddOld("DISK", {too_long, "\\", ""}), db::FieldTooLong);
  db.Exec("DELETE FROM Memory.New");
  AddNew({too_long, "\\", ""}, true);
  EXPECT_THROW(Merge(false, nullptr, false), db::FieldTooLong);
}

}  // namespace
}  // namespace tembrel::catalog
