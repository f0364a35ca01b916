#include "catalog/archives/file_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tembrel::archives {
namespace {

class FileSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/tembrel-file-source-XXXXXX";
    ASSERT_TRUE(mkdtemp(tmpl));
    dir_ = tmpl;
    std::ofstream(dir_ / "data.bin", std::ios::binary) << "0123456789";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileSourceTest, ReadsAtOffsetsAndShortAtTheEnd) {
  auto src = FileSource::Open((dir_ / "data.bin").string());
  ASSERT_TRUE(src);
  EXPECT_EQ(src->Size(), 10u);
  std::array<std::byte, 4> buf{};
  EXPECT_EQ(src->ReadAt(3, buf), 4);
  EXPECT_EQ(static_cast<char>(buf[0]), '3');
  EXPECT_EQ(src->ReadAt(8, buf), 2);
  EXPECT_EQ(static_cast<char>(buf[1]), '9');
  EXPECT_EQ(src->ReadAt(10, buf), 0);
  EXPECT_EQ(src->ReadAt(uint64_t{1} << 62, buf), 0);
  EXPECT_EQ(src->ReadAt(uint64_t{1} << 63, buf), 0);
}

TEST_F(FileSourceTest, OpensOnlyRegularFilesAndNoSymbolicLinks) {
  EXPECT_FALSE(FileSource::Open((dir_ / "missing.arj").string()));
  EXPECT_FALSE(FileSource::Open(dir_.string()));
  std::filesystem::create_symlink(dir_ / "data.bin", dir_ / "link.arj");
  EXPECT_FALSE(FileSource::Open((dir_ / "link.arj").string()));
  ASSERT_EQ(mkfifo((dir_ / "fifo.arj").c_str(), 0600), 0);
  EXPECT_FALSE(FileSource::Open((dir_ / "fifo.arj").string()));  // and does not block
}

TEST_F(FileSourceTest, DefaultOpenerUsesTheFullPath) {
  const SourceOpener open = DefaultSourceOpener();
  auto src = open((dir_ / "data.bin").string());
  ASSERT_TRUE(src);
  EXPECT_EQ(src->Size(), 10u);
}

}  // namespace
}  // namespace tembrel::archives
