#include "catalog/content_reader.h"

#include "app/question_form.h"
#include "catalog/confirm_expand_archive_form.h"
#include "catalog/run_fixture.h"

namespace tembrel::catalog::testing {
namespace {

class ContentTest : public RunTest {
 protected:
  ArchiveContentReader reader;
  void SetUp() override {
    RunTest::SetUp();
    content = &reader;
  }
  void Expand(const char* how, const std::function<void(CatalogConfig&)>& more = {}) {
    SetOption([&](CatalogConfig& c) {
      c.expand_archives = how;
      c.do_arj = c.do_arc = c.do_lzh = true;
      if (more) more(c);
    });
  }
  std::vector<std::string> Entries(const std::string& archive) {
    db::Statement st(db, "SELECT FileName, FolderName, coalesce(Comment, '') FROM Data.Disks_CAT WHERE ArchiveID = ? ORDER BY FileName");
    st.Bind(1, archive);
    std::vector<std::string> out;
    while (st.Step()) out.push_back(st.Text(0) + "|" + st.Text(1) + "|" + st.Text(2));
    return out;
  }
  std::string CommentOf(const std::string& file) {
    db::Statement st(db, "SELECT coalesce(Comment, '') FROM Data.Disks_CAT WHERE FileName = ? AND ArchiveID = ''");
    st.Bind(1, file);
    return st.Step() ? st.Text(0) : "<none>";
  }
};

TEST_F(ContentTest, AlwaysListsMembersAndCountsArchivesOutsideTheStartFolder) {
  Expand("Always");
  Fixture("zipmedia/comment_diz.zip", "DOCS/PACK.ZIP");
  Fixture("archives/arj_two_members_dos.arj", "OTHER/TWO.ARJ");
  auto r = Request("F:\\DOCS");
  ASSERT_TRUE(Run(r)) << ::testing::PrintToString(ui.log);
  EXPECT_EQ(Entries("PACK.ZIP"), (std::vector<std::string>{"FILE_ID.DIZ|\\DOCS|", "Mixed Case.TXT|\\DOCS|",
                                                          "guide.txt <docs/>|\\DOCS|",
                                                          "readme.txt|\\DOCS|Member comment of readme"}));
  EXPECT_TRUE(Entries("TWO.ARJ").empty());
  EXPECT_EQ(last_counters.files_in_archives, 5 + 2);  // the folder member too; the ARJ outside was read
  EXPECT_EQ(CommentOf("PACK.ZIP"), "Main archive comment  \r\nsecond line");
}

TEST_F(ContentTest, OnDemandAsksPerArchive) {
  Expand("On Demand");
  Fixture("zipmedia/plain.zip", "A.ZIP");
  Fixture("zipmedia/plain.zip", "B.ZIP");
  Fixture("archives/arc_two_members.arc", "C.ARC");
  int asked = 0;
  ui.Expect<TConfirmExpandArchiveForm>([&](TConfirmExpandArchiveForm& f) {
    ++asked;
    f.NoClick();
    return Button::Ok;
  });
  ui.Expect<TConfirmExpandArchiveForm>([&](TConfirmExpandArchiveForm& f) {
    ++asked;
    EXPECT_EQ(f.archive_path.substr(0, 3), "F:\\");
    f.YesToAllClick();
    return Button::Ok;
  });
  ASSERT_TRUE(Run()) << ::testing::PrintToString(ui.log);
  EXPECT_EQ(asked, 2);  // after "Yes To All" the third archive is not asked about
  EXPECT_EQ(db.CountRows(db::kData, "Disks_CAT") > 3, true);
}

TEST_F(ContentTest, StopCatalogingAbortsTheRun) {
  Expand("On Demand");
  Fixture("zipmedia/plain.zip", "A.ZIP");
  ui.Expect<TConfirmExpandArchiveForm>([](TConfirmExpandArchiveForm& f) {
    f.StopClick();
    return Button::Ok;
  });
  EXPECT_FALSE(Run());
  EXPECT_EQ(db.CountRows(db::kData, "Disks_SUM"), 0);
}

TEST_F(ContentTest, DamagedArchiveIsReportedOnlyOnDemand) {
  Fixture("zipmedia/zip_truncated_central_dir.zip", "BAD.ZIP");
  File("GOOD.TXT");
  Expand("Always");
  ASSERT_TRUE(Run());
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(CommentOf("GOOD.TXT"), "");
  Expand("On Demand", [](CatalogConfig& c) { c.warn_if_exists = false; });
  ui.Expect<TConfirmExpandArchiveForm>([](TConfirmExpandArchiveForm& f) {
    f.YesClick();
    return Button::Ok;
  });
  ASSERT_TRUE(Run());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Error: Error Processing Archive BAD.ZIP"});
}

TEST_F(ContentTest, CommentOptionsChooseTheEntrysComment) {
  Fixture("zipmedia/comment_diz.zip", "PACK.ZIP");
  Fixture("zipmedia/gif87_320x200x16.gif", "PIC.GIF");
  Fixture("zipmedia/mp3_id3v1.mp3", "SONG.MP3");
  // Not expanded, main comment only.
  Expand("Never", [](CatalogConfig& c) { c.get_main_comment = true; });
  ASSERT_TRUE(Run());
  EXPECT_EQ(CommentOf("PACK.ZIP"), "  Main archive comment  \r\nsecond line");
  EXPECT_EQ(CommentOf("PIC.GIF"), "GIF Image: 320x200x16");
  EXPECT_EQ(CommentOf("SONG.MP3").rfind("Title: ", 0), 0u);
  // FILE_ID.DIZ wins, and is copied to the members that have no comment of their own.
  Expand("Always", [](CatalogConfig& c) {
    c.use_diz = c.diz_override = c.copy_main_comment = true;
    c.warn_if_exists = false;
  });
  db.Exec("DELETE FROM Data.Disks_CAT");
  ASSERT_TRUE(Run());
  const std::string diz = CommentOf("PACK.ZIP");
  EXPECT_NE(diz.find("\r\n"), std::string::npos) << diz;
  auto members = Entries("PACK.ZIP");
  ASSERT_EQ(members.size(), 4u);
  EXPECT_EQ(members[0], "FILE_ID.DIZ|\\|" + diz);
  EXPECT_EQ(members[3], "readme.txt|\\|Member comment of readme");
}

TEST_F(ContentTest, SelfExtractingProgramsAreAskedAbout) {
  Fixture("zipmedia/sfx_unadjusted.exe", "SETUP.EXE");
  Fixture("zipmedia/not_sfx.exe", "TOOL.EXE");
  Expand("On Demand", [](CatalogConfig& c) { c.do_sfx_archives = true; });
  ui.Expect<TQuestionForm>([](TQuestionForm& q) {
    EXPECT_EQ(q.text, "Expand SFX ZIP Archive SETUP.EXE?");
    q.Click(Button::Yes);
    return Button::Yes;
  });
  ASSERT_TRUE(Run()) << ::testing::PrintToString(ui.log);
  EXPECT_FALSE(Entries("SETUP.EXE").empty());
  EXPECT_TRUE(Entries("TOOL.EXE").empty());
}

TEST_F(ContentTest, ArjVolumesAreEachReadOnceWhenMultiDiskHandlingIsOn) {
  for (const char* ext : {"arj", "a01", "a02"}) Fixture(std::string("archives/arj_volumes.") + ext, std::string("SET.") + ext);
  Expand("Always");
  ASSERT_TRUE(Run());
  const auto first = Entries("SET.arj");
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(Entries("SET.a01").empty());  // without multi-disk handling .A01 is just a file
  Expand("Always", [](CatalogConfig& c) {
    c.handle_arj_multi_disks = true;
    c.warn_if_exists = false;
  });
  ASSERT_TRUE(Run());
  EXPECT_EQ(Entries("SET.arj"), first);
  EXPECT_FALSE(Entries("SET.a01").empty());
  EXPECT_TRUE(ui.Messages().empty()) << ui.Messages().front();  // no member is listed twice
}

}  // namespace
}  // namespace tembrel::catalog::testing
