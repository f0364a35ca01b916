#include "support/fake_fs.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace tembrel::fs {
namespace {

namespace stdfs = std::filesystem;

class FailingFsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (stdfs::temp_directory_path() / "tembrel-fake-XXXXXX").string();
    root_ = ::mkdtemp(tmpl.data());
    stdfs::create_directories(root_ + "/SRC/SUB");
    for (const char* f : {"SRC/A", "SRC/B", "SRC/C", "SRC/SUB/D", "SRC/SUB/E"}) std::ofstream(root_ + "/" + f) << f;
  }
  void TearDown() override { stdfs::remove_all(root_); }
  Location At(const std::string& p) const { return {root_, p}; }

  std::unique_ptr<FileSystem> real_ = MakePosixFileSystem();
  FailingFileSystem fs_{*real_};
  std::string root_;
};

TEST_F(FailingFsTest, AMoveWhoseWriteFailsLeavesTheSourceInPlace) {
  std::ofstream(root_ + "/BIG") << std::string(3 * kCopyBlockSize, 'b');
  fs_.FailWritesAfter(kCopyBlockSize);
  // A move is a copy and, only when it succeeded, a delete.
  const CopyResult r = fs_.CopyFile(At("\\BIG"), At("\\SRC\\BIG"), {});
  if (r.ok()) fs_.Delete(At("\\BIG"));
  EXPECT_EQ(r.step, CopyStep::Write);
  EXPECT_EQ(r.error, ENOSPC);
  EXPECT_EQ(stdfs::file_size(root_ + "/BIG"), 3 * kCopyBlockSize);
  EXPECT_FALSE(stdfs::exists(root_ + "/SRC/BIG"));
  // Files within the limit still copy.
  EXPECT_TRUE(fs_.CopyFile(At("\\SRC\\A"), At("\\A2"), {}).ok());
}

TEST_F(FailingFsTest, ListingFailsPartWayInANamedSubFolder) {
  fs_.FailListingAfter("\\SRC\\SUB", 1, EIO);
  auto top = fs_.OpenFolder(At("\\SRC"));
  ASSERT_TRUE(top.listing);
  Entry e;
  int sub_entries = -1;
  int sub_error = 0;
  while (top.listing->Next(e)) {
    if (e.kind != EntryKind::Directory) continue;
    auto sub = top.listing->OpenChild(e);
    ASSERT_TRUE(sub.listing);
    Entry x;
    for (sub_entries = 0; sub.listing->Next(x);) ++sub_entries;
    sub_error = sub.listing->error();
  }
  EXPECT_EQ(top.listing->error(), 0);
  EXPECT_EQ(sub_entries, 1);
  EXPECT_EQ(sub_error, EIO);
}

TEST_F(FailingFsTest, ChosenOperationsFailWithoutTouchingTheDisk) {
  fs_.Fail(FailingFileSystem::Op::Delete, "\\SRC\\A", EACCES);
  fs_.Fail(FailingFileSystem::Op::OpenFolder, "\\SRC", EIO);
  EXPECT_EQ(fs_.Delete(At("\\SRC\\A")), EACCES);
  EXPECT_TRUE(stdfs::exists(root_ + "/SRC/A"));
  EXPECT_EQ(fs_.OpenFolder(At("\\SRC")).error, EIO);
  EXPECT_EQ(fs_.Delete(At("\\SRC\\B")), 0);
}

}  // namespace
}  // namespace tembrel::fs
