#include "platform/fs/read_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/fake_fs.h"
#include "support/temp_dir.h"

namespace tembrel::fs {
namespace {

constexpr size_t kAll = static_cast<size_t>(-1);

// ---- An in-memory folder tree that counts and checks the calls made into it ----

struct Node {
  Entry entry;                 // as the parent lists it
  std::vector<Node> children;  // a directory's entries
  size_t fail_after = kAll;    // listing it fails after this many entries...
  int fail_error = 0;          // ...with this
  int open_error = 0;          // opening it from its parent fails with this
};

Node MakeEntry(std::string name, EntryKind kind, uint64_t size = 0) {
  Node n;
  n.entry.name = name;
  n.entry.raw_name = std::move(name);
  n.entry.kind = kind;
  n.entry.size = size;
  n.entry.date = Date{1998, 1 + static_cast<int>(size % 12), 1 + static_cast<int>(size % 28)};
  n.entry.time = Time{static_cast<int>(size % 24), static_cast<int>(size % 60), 0};
  n.entry.attributes = kind == EntryKind::Directory ? kAttrDirectory : kAttrArchive;
  return n;
}

class TreeFs final : public FileSystem {
 public:
  explicit TreeFs(const Node& root) : root_(root) {}

  // From now on a call into a listing from this thread is counted as misplaced.
  void ExpectCallsElsewhere() {
    owner_ = std::this_thread::get_id();
    check_thread_ = true;
  }

  Listing::Opened OpenFolder(const Location& folder) override {
    if (folder.path != "\\") return {nullptr, ENOENT};
    return {std::make_unique<TreeListing>(*this, root_), 0};
  }
  int Stat(const Location&, Entry&) override { return ENOSYS; }
  int Delete(const Location&) override { return ENOSYS; }
  int RemoveFolder(const Location&) override { return ENOSYS; }
  int MakeFolder(const Location&) override { return ENOSYS; }
  int SetAttributes(const Location&, uint32_t) override { return ENOSYS; }
  CopyResult CopyFile(const Location&, const Location&, const CopyProgress&) override {
    return {CopyStep::OpenSource, ENOSYS};
  }
  bool SameVolume(std::string_view, std::string_view) override { return true; }

  size_t next_calls() const { return next_calls_.load(); }
  size_t open_listings() const { return open_listings_.load(); }
  size_t misplaced() const { return misplaced_.load(); }
  size_t max_lead() const { return max_lead_.load(); }
  int opened(const std::string& name) {
    std::lock_guard lock(mu_);
    return opened_[name];
  }
  // The reader tells how many events it has taken, so each Next can measure the worker's lead.
  void Consumed(size_t n) { consumed_.store(n); }
  void WaitForNextCalls(size_t n) {
    std::unique_lock lock(mu_);
    cv_.wait(lock, [&] { return next_calls_.load() >= n; });
  }

 private:
  class TreeListing final : public Listing {
   public:
    TreeListing(TreeFs& fs, const Node& folder) : fs_(fs), folder_(folder) { ++fs_.open_listings_; }
    ~TreeListing() override {
      fs_.CheckThread();
      --fs_.open_listings_;
    }
    bool Next(Entry& entry) override {
      fs_.CountNext();
      if (error_ != 0 || next_ == folder_.children.size()) return false;
      if (next_ == folder_.fail_after) {
        error_ = folder_.fail_error;
        return false;
      }
      entry = folder_.children[next_++].entry;
      return true;
    }
    int error() const override {
      fs_.CheckThread();
      return error_;
    }
    Opened OpenChild(const Entry& entry) override {
      fs_.CheckThread();
      {
        std::lock_guard lock(fs_.mu_);
        ++fs_.opened_[entry.raw_name];
      }
      auto it = std::find_if(folder_.children.begin(), folder_.children.end(),
                             [&](const Node& n) { return n.entry.raw_name == entry.raw_name; });
      if (it == folder_.children.end()) return {nullptr, ENOENT};
      if (it->entry.kind != EntryKind::Directory) return {nullptr, ENOTDIR};
      if (it->entry.other_mount) return {nullptr, EXDEV};
      if (it->open_error != 0) return {nullptr, it->open_error};
      return {std::make_unique<TreeListing>(fs_, *it), 0};
    }

   private:
    TreeFs& fs_;
    const Node& folder_;
    size_t next_ = 0;
    int error_ = 0;
  };

  void CheckThread() {
    if (check_thread_ && std::this_thread::get_id() == owner_) ++misplaced_;
  }
  void CountNext() {
    CheckThread();
    std::lock_guard lock(mu_);
    const size_t calls = ++next_calls_;
    max_lead_.store(std::max(max_lead_.load(), calls - std::min(calls, consumed_.load())));
    cv_.notify_all();
  }

  const Node& root_;
  std::thread::id owner_;
  bool check_thread_ = false;
  std::mutex mu_;
  std::condition_variable cv_;
  std::map<std::string, int> opened_;
  std::atomic<size_t> next_calls_{0};
  std::atomic<size_t> open_listings_{0};
  std::atomic<size_t> misplaced_{0};
  std::atomic<size_t> consumed_{0};
  std::atomic<size_t> max_lead_{0};
};

// A tree of about `entries` entries: nested and empty folders, links, special files, other
// mounts, and, when asked, folders that fail part way or cannot be opened.
class TreeMaker {
 public:
  TreeMaker(uint32_t seed, bool failures) : rng_(seed), failures_(failures) {}

  Node Make(size_t entries) {
    left_ = entries;
    Node root;
    Fill(root, 0);
    while (left_ > 0) Fill(root.children.emplace_back(MakeEntry(Name("MORE"), EntryKind::Directory)), 1);
    return root;
  }

 private:
  std::string Name(const char* stem) { return stem + std::to_string(++names_); }
  unsigned Roll(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(rng_); }

  void Fill(Node& folder, int depth) {
    const unsigned count = Roll(5) == 0 ? 0 : Roll(40);
    for (unsigned i = 0; i < count && left_ > 0; ++i) {
      --left_;
      const unsigned r = Roll(100);
      if (r < 20 && depth < 6) {
        Node& dir = folder.children.emplace_back(MakeEntry(Name("DIR"), EntryKind::Directory));
        if (failures_ && Roll(30) == 0) {
          dir.open_error = EACCES;
        } else if (failures_ && Roll(30) == 0) {
          dir.fail_after = Roll(5);
          dir.fail_error = EIO;
        }
        Fill(dir, depth + 1);
      } else if (r < 23) {
        Node& mount = folder.children.emplace_back(MakeEntry(Name("MNT"), EntryKind::Directory));
        mount.entry.other_mount = true;
        mount.children.push_back(MakeEntry("UNSEEN", EntryKind::File));
      } else if (r < 27) {
        folder.children.push_back(MakeEntry(Name("LINK"), EntryKind::Symlink));
      } else if (r < 29) {
        folder.children.push_back(MakeEntry(Name("FIFO"), EntryKind::Special));
      } else {
        folder.children.push_back(MakeEntry(Name("F") + ".DAT", EntryKind::File, Roll(1u << 30)));
      }
    }
  }

  std::mt19937 rng_;
  bool failures_;
  size_t left_ = 0;
  unsigned names_ = 0;
};

// ---- A depth-first walk like the cataloging one, logging what it sees ----

std::string Describe(const std::string& path, const Entry& e) {
  return path + e.name + " raw=" + e.raw_name + " kind=" + std::to_string(static_cast<int>(e.kind)) +
         " mount=" + std::to_string(e.other_mount) + " size=" + std::to_string(e.size) + " " + ToText(e.date) +
         " " + ToText(e.time) + " attr=" + std::to_string(e.attributes);
}

struct Walker {
  // Whether to open the folder at this path at all.
  std::function<bool(const std::string&)> enter = [](const std::string&) { return true; };
  // How many entries to read from the listing at this path before destroying it.
  std::function<size_t(const std::string&)> read = [](const std::string&) { return kAll; };
  size_t stop_after = kAll;          // entries in all, then the whole walk is destroyed
  std::function<void()> after_next;  // after every call of Next

  std::vector<std::string> log;
  size_t entries = 0;

  // False when the walk stops; every listing is destroyed on the way out.
  bool Walk(Listing& listing, const std::string& path) {
    const size_t limit = read(path);
    Entry e;
    for (size_t n = 0;; ++n) {
      if (n == limit) {
        log.push_back(path + " left");
        return true;
      }
      if (entries == stop_after) return false;
      const bool got = listing.Next(e);
      if (after_next) after_next();
      if (!got) {
        log.push_back(path + " end " + std::to_string(listing.error()));
        return true;
      }
      ++entries;
      log.push_back(Describe(path, e));
      if (e.kind != EntryKind::Directory || e.other_mount) continue;
      const std::string child_path = path + e.name + "\\";
      if (!enter(child_path)) continue;
      Listing::Opened child = listing.OpenChild(e);
      if (!child.listing) {
        log.push_back(child_path + " open " + std::to_string(child.error));
        continue;
      }
      if (!Walk(*child.listing, child_path)) return false;
    }
  }
};

// The first line where two logs part, or "" when they are the same.
std::string FirstDifference(const std::vector<std::string>& want, const std::vector<std::string>& got) {
  for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "(nothing)";
    const std::string g = i < got.size() ? got[i] : "(nothing)";
    if (w != g) return "line " + std::to_string(i) + ": want '" + w + "', got '" + g + "'";
  }
  return "";
}

// Every entry and end read at once, ahead of a reader that never skips.
size_t Bound(const ReadAheadLimits& l) { return l.max_ahead + 3 * l.block; }

struct Direct {
  std::vector<std::string> log;
  size_t next_calls = 0;
};

Direct WalkDirectly(const Node& tree, Walker walker) {
  TreeFs fs(tree);
  auto root = fs.OpenFolder({"/", "\\"});
  walker.Walk(*root.listing, "\\");
  root.listing.reset();
  return {std::move(walker.log), fs.next_calls()};
}

// ---- Tests ----

struct SameWalkCase {
  const char* name;
  ReadAheadLimits limits;
  size_t entries;
  bool root_fails;
};

TEST(ReadAheadTest, WalksTheTreeExactlyAsTheListingsDoWhileTheQueueFills) {
  const SameWalkCase cases[] = {
      {"default limits", {}, 20000, false},
      {"small blocks", {16, 4}, 3000, false},
      {"one at a time", {1, 1}, 600, false},
      {"root fails part way", {16, 4}, 3000, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Node tree = TreeMaker(7, true).Make(c.entries);
    if (c.root_fails) {
      tree.fail_after = tree.children.size() / 2;
      tree.fail_error = EIO;
    }
    const Direct direct = WalkDirectly(tree, Walker{});

    TreeFs fs(tree);
    fs.ExpectCallsElsewhere();
    Walker walker;
    size_t consumed = 0;
    // Each step waits until the worker is as far ahead as it may get before it must wait, so
    // the queue is full at every step and the worker waits and wakes throughout.
    walker.after_next = [&] {
      fs.Consumed(++consumed);
      fs.WaitForNextCalls(std::min(direct.next_calls, consumed + c.limits.max_ahead));
    };
    {
      auto root = OpenFolderReadAhead(fs, {"/", "\\"}, c.limits);
      ASSERT_TRUE(root.listing);
      walker.Walk(*root.listing, "\\");
    }
    EXPECT_EQ(FirstDifference(direct.log, walker.log), "");
    EXPECT_EQ(fs.next_calls(), direct.next_calls);  // nothing read twice, nothing more
    EXPECT_LE(fs.max_lead(), Bound(c.limits));
    EXPECT_EQ(fs.misplaced(), 0u);
    EXPECT_EQ(fs.open_listings(), 0u);
  }
}

struct SkipCase {
  const char* name;
  std::function<void(Walker&)> policy;
  bool one_drop;  // the worker read ahead into one dropped subtree at most
};

// A big first folder, far bigger than the read-ahead: the worker is deep in it, the queue
// full, when the reader decides what to do with it.
Node TreeWithABigFirstFolder() {
  Node tree = TreeMaker(11, true).Make(3000);
  Node big = MakeEntry("BIG", EntryKind::Directory);
  big.children = TreeMaker(12, false).Make(30000).children;
  tree.children.insert(tree.children.begin(), std::move(big));
  return tree;
}

TEST(ReadAheadTest, ReaderSkipsAbandonsAndStopsAtAnyPoint) {
  const Node tree = TreeWithABigFirstFolder();

  const SkipCase cases[] = {
      {"never opens the big folder",
       [](Walker& w) { w.enter = [](const std::string& p) { return p != "\\BIG\\"; }; }, true},
      {"leaves the big folder after 3 entries",
       [](Walker& w) { w.read = [](const std::string& p) { return p == "\\BIG\\" ? 3 : kAll; }; }, true},
      {"opens the big folder and reads nothing",
       [](Walker& w) { w.read = [](const std::string& p) { return p == "\\BIG\\" ? 0 : kAll; }; }, true},
      {"stops after 10 entries", [](Walker& w) { w.stop_after = 10; }, true},
      {"destroys the root at once", [](Walker& w) { w.stop_after = 0; }, true},
      {"stops deep in the rest", [](Walker& w) { w.stop_after = 31500; }, false},
      {"never opens every other folder",
       [](Walker& w) { w.enter = [n = 0](const std::string&) mutable { return ++n % 2 == 0; }; }, false},
      {"leaves every folder after 2 entries",
       [](Walker& w) { w.read = [](const std::string& p) { return p == "\\" ? kAll : 2; }; }, false},
      {"reads the root only", [](Walker& w) { w.enter = [](const std::string&) { return false; }; }, false},
  };
  for (const ReadAheadLimits limits : {ReadAheadLimits{}, ReadAheadLimits{16, 4}}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + ", max_ahead " + std::to_string(limits.max_ahead));
      Walker plan;
      c.policy(plan);
      const Direct direct = WalkDirectly(tree, plan);

      TreeFs fs(tree);
      fs.ExpectCallsElsewhere();
      Walker walker = plan;
      {
        auto root = OpenFolderReadAhead(fs, {"/", "\\"}, limits);
        ASSERT_TRUE(root.listing);
        walker.Walk(*root.listing, "\\");
      }  // returns only once the worker has stopped and closed everything
      EXPECT_EQ(FirstDifference(direct.log, walker.log), "");
      EXPECT_EQ(fs.open_listings(), 0u);
      EXPECT_EQ(fs.misplaced(), 0u);
      // What was read for nobody is what was ahead when the reader dropped it, not the rest.
      if (c.one_drop) {
        EXPECT_LE(fs.next_calls() - direct.next_calls, Bound(limits));
      }
    }
  }
}

TEST(ReadAheadTest, AParentDestroyedWhileItsChildIsReadIsReadNoFurther) {
  const Node tree = TreeWithABigFirstFolder();
  auto walk = [](Listing::Opened root) {
    Entry big;
    EXPECT_TRUE(root.listing->Next(big));
    Listing::Opened child = root.listing->OpenChild(big);
    root.listing.reset();
    Walker walker;
    walker.Walk(*child.listing, "\\BIG\\");
    return walker.log;
  };
  TreeFs plain(tree);
  const auto want = walk(plain.OpenFolder({"/", "\\"}));

  TreeFs fs(tree);
  fs.ExpectCallsElsewhere();
  const auto got = walk(OpenFolderReadAhead(fs, {"/", "\\"}));
  EXPECT_EQ(FirstDifference(want, got), "");
  EXPECT_EQ(fs.next_calls(), plain.next_calls());  // the worker stopped at the child's end
  EXPECT_EQ(fs.open_listings(), 0u);
  EXPECT_EQ(fs.misplaced(), 0u);
}

class ReadAheadOpenChildTest : public ::testing::Test {
 protected:
  ReadAheadOpenChildTest() {
    tree_.children.push_back(MakeEntry("A.TXT", EntryKind::File, 10));
    Node& mnt = tree_.children.emplace_back(MakeEntry("MNT", EntryKind::Directory));
    mnt.entry.other_mount = true;
    mnt.children.push_back(MakeEntry("X", EntryKind::File));
    Node& d1 = tree_.children.emplace_back(MakeEntry("D1", EntryKind::Directory));
    d1.children.push_back(MakeEntry("D1A", EntryKind::File, 1));
    d1.children.push_back(MakeEntry("D1B", EntryKind::File, 2));
    tree_.children.push_back(MakeEntry("LINK", EntryKind::Symlink));
    Node& d2 = tree_.children.emplace_back(MakeEntry("D2", EntryKind::Directory));
    d2.children.push_back(MakeEntry("D2A", EntryKind::File, 3));
    Node& sub = d2.children.emplace_back(MakeEntry("SUB", EntryKind::Directory));
    sub.children.push_back(MakeEntry("S1", EntryKind::File, 4));
    sub.children.push_back(MakeEntry("S2", EntryKind::File, 5));
    d2.children.push_back(MakeEntry("D2B", EntryKind::File, 6));
    Node& locked = tree_.children.emplace_back(MakeEntry("LOCKED", EntryKind::Directory));
    locked.open_error = EACCES;
    locked.children.push_back(MakeEntry("L1", EntryKind::File));
    tree_.children.push_back(MakeEntry("Z.TXT", EntryKind::File, 7));
    fs_.ExpectCallsElsewhere();
  }

  static std::string NextName(Listing& l) {
    Entry e;
    return l.Next(e) ? e.name : "(end " + std::to_string(l.error()) + ")";
  }
  static Entry NextEntry(Listing& l) {
    Entry e;
    EXPECT_TRUE(l.Next(e));
    return e;
  }

  Node tree_;
  TreeFs fs_{tree_};
};

TEST_F(ReadAheadOpenChildTest, AnswersFromTheEntryOrTheWorkersOpenAndRefusesAnyButTheLastDirectory) {
  auto root = OpenFolderReadAhead(fs_, {"/", "\\"});
  ASSERT_TRUE(root.listing);
  Listing& l = *root.listing;

  const Entry a = NextEntry(l);
  EXPECT_EQ(l.OpenChild(a).error, ENOTDIR);
  const Entry mnt = NextEntry(l);
  EXPECT_EQ(l.OpenChild(mnt).error, EXDEV);
  const Entry d1 = NextEntry(l);  // passed by unopened
  const Entry link = NextEntry(l);
  EXPECT_EQ(l.OpenChild(link).error, ENOTDIR);
  EXPECT_EQ(l.OpenChild(d1).error, EINVAL);  // no longer the last one

  const Entry d2 = NextEntry(l);
  auto child = l.OpenChild(d2);
  ASSERT_TRUE(child.listing);
  EXPECT_EQ(l.OpenChild(d2).error, EINVAL);  // opened once already
  EXPECT_EQ(NextName(*child.listing), "D2A");
  EXPECT_EQ(NextName(*child.listing), "SUB");  // not opened: its entries never show
  EXPECT_EQ(NextName(*child.listing), "D2B");
  EXPECT_EQ(NextName(*child.listing), "(end 0)");
  child.listing.reset();

  const Entry locked = NextEntry(l);
  Entry made_up = locked;
  made_up.name = made_up.raw_name = "ELSEWHERE";
  EXPECT_EQ(l.OpenChild(made_up).error, EINVAL);  // and the real one may still be opened
  auto refused = l.OpenChild(locked);
  EXPECT_FALSE(refused.listing);
  EXPECT_EQ(refused.error, EACCES);
  EXPECT_EQ(NextName(l), "Z.TXT");  // the walk goes on after the refused folder
  EXPECT_EQ(NextName(l), "(end 0)");
  EXPECT_EQ(NextName(l), "(end 0)");
  EXPECT_EQ(l.OpenChild(d2).error, EINVAL);
  root.listing.reset();

  EXPECT_EQ(fs_.opened("MNT"), 0);     // answered without the file system
  EXPECT_EQ(fs_.opened("LOCKED"), 1);  // the worker's one try
  EXPECT_EQ(fs_.opened("D2"), 1);
  EXPECT_EQ(fs_.open_listings(), 0u);
  EXPECT_EQ(fs_.misplaced(), 0u);
}

TEST_F(ReadAheadOpenChildTest, AChildOutlivesItsParentAndReadingOnAboveAChildPassesItBy) {
  {
    auto root = OpenFolderReadAhead(fs_, {"/", "\\"});
    NextEntry(*root.listing);
    NextEntry(*root.listing);
    auto d1 = root.listing->OpenChild(NextEntry(*root.listing));
    ASSERT_TRUE(d1.listing);
    root.listing.reset();
    EXPECT_EQ(NextName(*d1.listing), "D1A");
    EXPECT_EQ(NextName(*d1.listing), "D1B");
    EXPECT_EQ(NextName(*d1.listing), "(end 0)");
  }
  EXPECT_EQ(fs_.open_listings(), 0u);

  auto root = OpenFolderReadAhead(fs_, {"/", "\\"});
  Listing& l = *root.listing;
  for (const char* name : {"A.TXT", "MNT", "D1", "LINK"}) ASSERT_EQ(NextName(l), name);
  auto d2 = l.OpenChild(NextEntry(l));
  ASSERT_TRUE(d2.listing);
  EXPECT_EQ(NextName(*d2.listing), "D2A");
  const Entry sub_entry = NextEntry(*d2.listing);
  auto sub = d2.listing->OpenChild(sub_entry);
  ASSERT_TRUE(sub.listing);
  EXPECT_EQ(NextName(*sub.listing), "S1");
  // The parent reads on: the child and the grandchild below it are passed by.
  EXPECT_EQ(NextName(l), "LOCKED");
  EXPECT_EQ(NextName(*d2.listing), "(end " + std::to_string(ECANCELED) + ")");
  EXPECT_EQ(NextName(*sub.listing), "(end " + std::to_string(ECANCELED) + ")");
  EXPECT_EQ(d2.listing->OpenChild(sub_entry).error, ECANCELED);
  EXPECT_EQ(NextName(l), "Z.TXT");
  EXPECT_EQ(NextName(l), "(end 0)");
  sub.listing.reset();
  d2.listing.reset();
  root.listing.reset();
  EXPECT_EQ(fs_.open_listings(), 0u);
  EXPECT_EQ(fs_.misplaced(), 0u);
}

TEST(ReadAheadRealFsTest, FailuresOfTheRealListingsArriveWhereTheyHappened) {
  tembrel::testing::TempDir dir;
  const auto& p = dir.Path();
  std::filesystem::create_directories(p / "B");
  std::filesystem::create_directories(p / "C");
  std::filesystem::create_directories(p / "D" / "E");
  for (const char* f : {"A.TXT", "B/B1", "B/B2", "B/B3", "B/B4", "C/C1", "D/D1", "D/E/E1", "Z.TXT"})
    std::ofstream(p / f) << f;
  auto real = MakePosixFileSystem();
  FailingFileSystem fs(*real);
  fs.FailListingAfter("\\B", 2, EIO);
  fs.Fail(FailingFileSystem::Op::OpenFolder, "\\C", EACCES);
  const Location root_folder{dir.Str(), "\\"};

  Walker direct;
  {
    auto root = fs.OpenFolder(root_folder);
    ASSERT_TRUE(root.listing);
    direct.Walk(*root.listing, "\\");
  }
  Walker ahead;
  {
    auto root = OpenFolderReadAhead(fs, root_folder, {4, 2});
    ASSERT_TRUE(root.listing);
    ahead.Walk(*root.listing, "\\");
  }
  EXPECT_EQ(FirstDifference(direct.log, ahead.log), "");
  auto count = [&](const std::string& prefix) {
    return std::count_if(ahead.log.begin(), ahead.log.end(),
                         [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  };
  EXPECT_EQ(count("\\B\\B"), 2);  // two entries, then the failure
  EXPECT_EQ(count("\\B\\ end " + std::to_string(EIO)), 1);
  EXPECT_EQ(count("\\C\\ open " + std::to_string(EACCES)), 1);
  EXPECT_EQ(count("\\D\\E\\E1 "), 1);
  EXPECT_EQ(count("\\Z.TXT "), 1);
  EXPECT_EQ(ahead.log.back(), "\\ end 0");

  // A folder that cannot be opened fails at once, as it does without read-ahead.
  auto missing = OpenFolderReadAhead(fs, {dir.Str(), "\\NOWHERE"});
  EXPECT_FALSE(missing.listing);
  EXPECT_EQ(missing.error, ENOENT);
}

}  // namespace
}  // namespace tembrel::fs
