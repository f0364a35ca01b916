#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/fs/fs.h"

namespace tembrel::fs {
namespace {

namespace stdfs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string tmpl = (stdfs::temp_directory_path() / "tembrel-fs-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempFolder() {
    std::error_code ec;
    // Folders a test made unreadable must be opened again to be removed.
    for (auto it = stdfs::recursive_directory_iterator(path_, stdfs::directory_options::skip_permission_denied, ec);
         it != stdfs::recursive_directory_iterator(); it.increment(ec))
      if (it->is_directory(ec) && !it->is_symlink(ec)) stdfs::permissions(it->path(), stdfs::perms::owner_all, ec);
    stdfs::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<Entry> ListAll(FileSystem& fs, const Location& where, int* error = nullptr) {
  std::vector<Entry> out;
  auto opened = fs.OpenFolder(where);
  if (error) *error = opened.error;
  if (!opened.listing) return out;
  Entry e;
  while (opened.listing->Next(e)) out.push_back(e);
  if (error) *error = opened.listing->error();
  return out;
}

const Entry* Named(const std::vector<Entry>& entries, const std::string& name) {
  for (const auto& e : entries)
    if (e.name == name) return &e;
  return nullptr;
}

// Walks a whole tree the way the cataloging run does; counts folders entered.
void Walk(Listing& listing, int depth, int& folders, int& files) {
  ASSERT_LT(depth, 50) << "the walk went round in a loop";
  Entry e;
  while (listing.Next(e)) {
    if (e.kind == EntryKind::Directory && !e.other_mount) {
      auto child = listing.OpenChild(e);
      ASSERT_TRUE(child.listing) << e.name << ": " << child.error;
      ++folders;
      Walk(*child.listing, depth + 1, folders, files);
    } else {
      ++files;
    }
  }
  EXPECT_EQ(listing.error(), 0);
}

class PosixFsTest : public testing::Test {
 protected:
  std::unique_ptr<FileSystem> fs_ = MakePosixFileSystem();
  TempFolder tmp_;
  Location At(const std::string& path) const { return Location{tmp_.path(), path}; }
};

TEST_F(PosixFsTest, ListsInTheOrderTheFileSystemReturns) {
  for (const char* name : {"zeta", "alpha", "README", "readme", "M.TXT", "b.dat"}) WriteFile(tmp_ / name, "x");
  stdfs::create_directory(tmp_ / "SUB");
  std::vector<std::string> expected;
  DIR* d = ::opendir(tmp_.path().c_str());
  while (const dirent* e = ::readdir(d))
    if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") expected.push_back(e->d_name);
  ::closedir(d);

  int error = -1;
  std::vector<std::string> got;
  for (const auto& e : ListAll(*fs_, At("\\"), &error)) got.push_back(e.name);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(got, expected);
}

TEST_F(PosixFsTest, EntryFiguresAndAttributes) {
  // A sparse 5 GiB file: sizes are never cut to 32 bits.
  const uint64_t five_gib = 5ull << 30;
  {
    int fd = ::open((tmp_ / "BIG.ISO").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(five_gib)), 0);
    ::close(fd);
  }
  WriteFile(tmp_ / "RO.TXT", "abc");
  ::chmod((tmp_ / "RO.TXT").c_str(), 0444);
  WriteFile(tmp_ / ".profile", "");
  stdfs::create_directory(tmp_ / "DIR");
  ::symlink("RO.TXT", (tmp_ / "LINK").c_str());

  struct tm tm {};
  tm.tm_year = 2003 - 1900;
  tm.tm_mon = 6;
  tm.tm_mday = 4;
  tm.tm_hour = 9;
  tm.tm_min = 5;
  tm.tm_sec = 30;
  tm.tm_isdst = -1;
  const struct timespec times[2] = {{mktime(&tm), 0}, {mktime(&tm), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, (tmp_ / "RO.TXT").c_str(), times, 0), 0);

  const auto entries = ListAll(*fs_, At("\\"));
  ASSERT_EQ(entries.size(), 5u);
  const Entry* big = Named(entries, "BIG.ISO");
  ASSERT_TRUE(big);
  EXPECT_EQ(big->size, five_gib);
  EXPECT_EQ(big->kind, EntryKind::File);
  EXPECT_EQ(big->attributes, kAttrArchive);

  const Entry* ro = Named(entries, "RO.TXT");
  ASSERT_TRUE(ro);
  EXPECT_EQ(ro->size, 3u);
  EXPECT_EQ(ro->date, (Date{2003, 7, 4}));
  EXPECT_EQ(ro->time, (Time{9, 5, 30}));
  EXPECT_EQ(ro->attributes, kAttrReadOnly | kAttrArchive);

  EXPECT_EQ(Named(entries, ".profile")->attributes, kAttrHidden | kAttrArchive);
  const Entry* dir = Named(entries, "DIR");
  EXPECT_EQ(dir->kind, EntryKind::Directory);
  EXPECT_EQ(dir->attributes, kAttrDirectory);
  EXPECT_EQ(dir->size, 0u);
  EXPECT_FALSE(dir->other_mount);
  const Entry* link = Named(entries, "LINK");
  EXPECT_EQ(link->kind, EntryKind::Symlink);
  EXPECT_EQ(link->attributes, kAttrReparsePoint);
  EXPECT_EQ(link->size, 0u);
}

TEST_F(PosixFsTest, SymlinkLoopIsAnEntryAndNeverFollowed) {
  stdfs::create_directories(tmp_ / "A/B");
  WriteFile(tmp_ / "A/B/F.TXT", "1");
  ::symlink("..", (tmp_ / "A/B/UP").c_str());
  ::symlink(tmp_.path().c_str(), (tmp_ / "A/ROOT").c_str());
  ::symlink("SELF", (tmp_ / "SELF").c_str());

  auto root = fs_->OpenFolder(At("\\"));
  ASSERT_TRUE(root.listing);
  int folders = 0, files = 0;
  Walk(*root.listing, 0, folders, files);
  EXPECT_EQ(folders, 2);  // A, A\B
  EXPECT_EQ(files, 4);    // F.TXT and the three links

  const auto in_b = ListAll(*fs_, At("\\A\\B"));
  const Entry* up = Named(in_b, "UP");
  ASSERT_TRUE(up);
  auto opened = fs_->OpenFolder(At("\\A\\B"));
  EXPECT_EQ(opened.listing->OpenChild(*up).error, ENOTDIR);
  // A stored path through a link is refused rather than followed.
  int error = 0;
  ListAll(*fs_, At("\\A\\ROOT\\A"), &error);
  EXPECT_EQ(error, ELOOP);
  Entry e;
  EXPECT_EQ(fs_->Stat(At("\\A\\ROOT\\A\\B\\F.TXT"), e), ELOOP);
}

TEST_F(PosixFsTest, FifoIsListedButNeverOpened) {
  ASSERT_EQ(::mkfifo((tmp_ / "X.MP3").c_str(), 0644), 0);
  WriteFile(tmp_ / "Y.TXT", "y");
  ::alarm(20);  // opening the FIFO would block for ever: fail instead of hanging
  const auto entries = ListAll(*fs_, At("\\"));
  const Entry* fifo = Named(entries, "X.MP3");
  ASSERT_TRUE(fifo);
  EXPECT_EQ(fifo->kind, EntryKind::Special);
  EXPECT_EQ(fifo->size, 0u);
  Entry e;
  EXPECT_EQ(fs_->Stat(At("\\X.MP3"), e), 0);
  EXPECT_EQ(fs_->SetAttributes(At("\\X.MP3"), kAttrReadOnly), EINVAL);
  const CopyResult copy = fs_->CopyFile(At("\\X.MP3"), At("\\COPY.MP3"), {});
  EXPECT_EQ(copy.step, CopyStep::OpenSource);
  EXPECT_FALSE(stdfs::exists(tmp_ / "COPY.MP3"));
  EXPECT_EQ(fs_->Delete(At("\\X.MP3")), 0);  // removing it opens nothing either
  ::alarm(0);
}

TEST_F(PosixFsTest, UnreadableSubFolderIsPermissionDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
  stdfs::create_directory(tmp_ / "LOCKED");
  stdfs::create_directory(tmp_ / "NOSEARCH");
  WriteFile(tmp_ / "NOSEARCH/F", "f");
  ::chmod((tmp_ / "LOCKED").c_str(), 0);
  ::chmod((tmp_ / "NOSEARCH").c_str(), 0444);  // readable names, unreadable entries
  auto root = fs_->OpenFolder(At("\\"));
  ASSERT_TRUE(root.listing);
  Entry e;
  int denied = 0;
  while (root.listing->Next(e)) {
    auto child = root.listing->OpenChild(e);
    EXPECT_FALSE(child.listing) << e.name;
    EXPECT_TRUE(IsPermissionDenied(child.error)) << e.name << ": " << child.error;
    ++denied;
  }
  EXPECT_EQ(root.listing->error(), 0);
  EXPECT_EQ(denied, 2);
}

TEST_F(PosixFsTest, NamesThatAreNotUtf8AreDecodedAndFoundAgain) {
  WriteFile(tmp_ / "caf\xE9.txt", "latin");
  stdfs::create_directory(tmp_ / "\xC4rger");
  WriteFile(tmp_ / "\xC4rger/x", "in");
  const auto entries = ListAll(*fs_, At("\\"));
  const Entry* cafe = Named(entries, "caf\xC3\xA9.txt");
  ASSERT_TRUE(cafe);
  EXPECT_EQ(cafe->raw_name, "caf\xE9.txt");
  // A catalog holds the decoded names; they lead back to the same files.
  Entry e;
  EXPECT_EQ(fs_->Stat(At("\\caf\xC3\xA9.txt"), e), 0);
  EXPECT_EQ(e.size, 5u);
  EXPECT_EQ(fs_->Stat(At("\\\xC3\x84rger\\x"), e), 0);
  EXPECT_EQ(fs_->Delete(At("\\caf\xC3\xA9.txt")), 0);
  EXPECT_FALSE(stdfs::exists(tmp_ / "caf\xE9.txt"));
}

TEST_F(PosixFsTest, OtherMountsAreReportedAndNotEntered) {
  // /proc is a mount of its own on every Linux system.
  const auto entries = ListAll(*fs_, Location{"/", "\\"});
  const Entry* proc = Named(entries, "proc");
  ASSERT_TRUE(proc);
  EXPECT_TRUE(proc->other_mount);
  auto root = fs_->OpenFolder(Location{"/", "\\"});
  EXPECT_EQ(root.listing->OpenChild(*proc).error, EXDEV);
  int error = 0;
  ListAll(*fs_, Location{"/", "\\proc\\self"}, &error);
  EXPECT_EQ(error, EXDEV);
  EXPECT_FALSE(fs_->SameVolume(tmp_.path(), "/proc"));
  EXPECT_TRUE(fs_->SameVolume(tmp_.path(), tmp_.path() + "/."));
}

TEST_F(PosixFsTest, PathsStayBelowTheRoot) {
  stdfs::create_directory(tmp_ / "IN");
  WriteFile(tmp_ / "OUTSIDE.TXT", "keep");
  ::symlink("../OUTSIDE.TXT", (tmp_ / "IN/LINK.TXT").c_str());
  const Location in_root{tmp_ / "IN", "\\..\\OUTSIDE.TXT"};
  Entry e;
  EXPECT_EQ(fs_->Stat(in_root, e), EINVAL);
  EXPECT_EQ(fs_->Delete(in_root), EINVAL);
  // Deleting a link removes the link, never what it points to.
  EXPECT_EQ(fs_->Delete(Location{tmp_ / "IN", "\\LINK.TXT"}), 0);
  EXPECT_EQ(ReadFile(tmp_ / "OUTSIDE.TXT"), "keep");
  EXPECT_EQ(fs_->Delete(Location{tmp_ / "IN", "\\"}), EINVAL);
}

TEST_F(PosixFsTest, FolderAndAttributeOperations) {
  EXPECT_EQ(fs_->MakeFolder(At("\\NEW")), 0);
  EXPECT_EQ(fs_->MakeFolder(At("\\NEW")), EEXIST);
  EXPECT_EQ(fs_->MakeFolder(At("\\MISSING\\NEW")), ENOENT);  // one level only
  WriteFile(tmp_ / "NEW/F.TXT", "f");
  EXPECT_EQ(fs_->Delete(At("\\NEW")), EISDIR);
  EXPECT_EQ(fs_->RemoveFolder(At("\\NEW")), ENOTEMPTY);
  EXPECT_EQ(fs_->RemoveFolder(At("\\NEW\\F.TXT")), ENOTDIR);

  EXPECT_EQ(fs_->SetAttributes(At("\\NEW\\F.TXT"), kAttrReadOnly | kAttrArchive), 0);
  Entry e;
  ASSERT_EQ(fs_->Stat(At("\\NEW\\F.TXT"), e), 0);
  EXPECT_EQ(e.attributes, kAttrReadOnly | kAttrArchive);
  EXPECT_EQ(fs_->ClearAttributes(At("\\NEW\\F.TXT")), 0);
  ASSERT_EQ(fs_->Stat(At("\\NEW\\F.TXT"), e), 0);
  EXPECT_EQ(e.attributes & kAttrReadOnly, 0u);

  EXPECT_EQ(fs_->Delete(At("\\NEW\\F.TXT")), 0);
  EXPECT_EQ(fs_->Delete(At("\\NEW\\F.TXT")), ENOENT);
  EXPECT_EQ(fs_->RemoveFolder(At("\\NEW")), 0);
  ASSERT_EQ(fs_->Stat(At("\\"), e), 0);
  EXPECT_EQ(e.kind, EntryKind::Directory);
}

std::set<std::string> NamesIn(const std::string& dir) {
  std::set<std::string> out;
  for (const auto& e : stdfs::directory_iterator(dir)) out.insert(e.path().filename().string());
  return out;
}

TEST_F(PosixFsTest, CopyKeepsDataTimeAndReadOnly) {
  std::string data(3 * kCopyBlockSize + 123, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  WriteFile(tmp_ / "SRC.BIN", data);
  const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ::utimensat(AT_FDCWD, (tmp_ / "SRC.BIN").c_str(), times, 0);
  ::chmod((tmp_ / "SRC.BIN").c_str(), 0444);
  stdfs::create_directory(tmp_ / "T");

  std::vector<uint64_t> steps;
  const CopyResult r = fs_->CopyFile(At("\\SRC.BIN"), At("\\T\\DST.BIN"), [&](uint64_t done, uint64_t total) {
    EXPECT_EQ(total, data.size());
    steps.push_back(done);
    return true;
  });
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(ReadFile(tmp_ / "T/DST.BIN"), data);
  EXPECT_EQ(steps, (std::vector<uint64_t>{kCopyBlockSize, 2 * kCopyBlockSize, 3 * kCopyBlockSize, data.size()}));
  struct stat st {};
  ::stat((tmp_ / "T/DST.BIN").c_str(), &st);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
  EXPECT_EQ(st.st_mode & 0222, 0u);
  EXPECT_EQ(NamesIn(tmp_ / "T"), (std::set<std::string>{"DST.BIN"}));
}

TEST_F(PosixFsTest, CopyFailuresLeaveNothingBehind) {
  WriteFile(tmp_ / "SRC.BIN", std::string(2 * kCopyBlockSize + 1, 'x'));
  WriteFile(tmp_ / "OLD.BIN", "old");

  CopyResult r = fs_->CopyFile(At("\\SRC.BIN"), At("\\OLD.BIN"), {});
  EXPECT_EQ(r.step, CopyStep::OpenTarget);
  EXPECT_EQ(r.error, EEXIST);
  EXPECT_EQ(ReadFile(tmp_ / "OLD.BIN"), "old");

  r = fs_->CopyFile(At("\\SRC.BIN"), At("\\NEW.BIN"), [](uint64_t done, uint64_t) { return done < kCopyBlockSize * 2; });
  EXPECT_EQ(r.step, CopyStep::Cancelled);

  r = fs_->CopyFile(At("\\NONE.BIN"), At("\\NEW.BIN"), {});
  EXPECT_EQ(r.step, CopyStep::OpenSource);
  EXPECT_EQ(r.error, ENOENT);
  r = fs_->CopyFile(At("\\SRC.BIN"), At("\\NOFOLDER\\NEW.BIN"), {});
  EXPECT_EQ(r.step, CopyStep::OpenTarget);
  EXPECT_EQ(r.error, ENOENT);
  EXPECT_EQ(NamesIn(tmp_.path()), (std::set<std::string>{"SRC.BIN", "OLD.BIN"}));
}

}  // namespace
}  // namespace tembrel::fs
