#include "platform/fs/read_ahead.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

// The worker walks the tree depth first and turns it into one stream of events, each naming
// its listing by id; the reader's listings take their own events from that stream and step
// over those of subtrees nobody opened. What the reader can no longer read is marked dropped,
// and the worker, which looks whenever that count moves, closes those listings and goes on.

namespace tembrel::fs {
namespace {

constexpr size_t kEagerFlush = 16;  // entries a waiting reader is handed at least

// Whether the reader still wants a listing's own entries. A listing the worker opened is
// Pending until the reader opens it (Held) or can no longer do so (Dropped).
enum class Want : uint8_t { Pending, Held, Dropped };

// One listing the worker opened. `want` is shared; the rest belongs to the reader's thread.
struct Node {
  explicit Node(uint64_t id, Want w) : id(id), want(w) {}

  const uint64_t id;  // events name their listing by id: a freed node's address may come back
  std::atomic<Want> want;

  bool ended = false;      // its end was read; `error` is its error()
  bool passed_by = false;  // the reader read on above it before its end
  int error = 0;
  // The directory entry returned last, while it may still be opened.
  bool has_last_dir = false;
  std::string last_dir_raw;
  int last_dir_error = 0;                // why the worker could not open it
  std::shared_ptr<Node> last_dir_child;  // what the worker opened for it
};

// What the worker read: an entry (for a directory it entered, the child's node or why it
// could not be opened) or a listing's end with its error().
struct Event {
  uint64_t node = 0;
  bool end = false;
  int error = 0;
  Entry entry;
  std::shared_ptr<Node> child;
};

// A block of events goes to the reader and comes back to the worker to be filled again, so
// the entries' texts are made, reused and freed on the worker's thread only: the reader copies
// what it returns into its own Entry.
struct Block {
  std::vector<Event> events;
  size_t count = 0;  // events[0, count) are filled
};

// Empties an event for reuse, keeping the capacity of its texts.
void Recycle(Event& ev) {
  std::string name = std::move(ev.entry.name), raw = std::move(ev.entry.raw_name);
  ev = Event{};
  name.clear();
  raw.clear();
  ev.entry.name = std::move(name);
  ev.entry.raw_name = std::move(raw);
}

struct Frame {
  std::shared_ptr<Node> node;
  std::unique_ptr<Listing> listing;
};

class Shared {
 public:
  explicit Shared(const ReadAheadLimits& limits)
      : max_ahead_(std::max<size_t>(limits.max_ahead, 1)), block_(std::max<size_t>(limits.block, 1)) {}

  ~Shared() {
    {
      std::lock_guard lock(mu_);
      stop_.store(true);
    }
    worker_cv_.notify_one();
    if (worker_.joinable()) worker_.join();
  }

  // Hands `root` to a new worker thread; gives it back when no thread could be started.
  std::shared_ptr<Node> Start(std::unique_ptr<Listing>& root) {
    auto node = std::make_shared<Node>(1, Want::Held);
    path_.push_back(node);
    start_root_ = std::move(root);
    try {
      worker_ = std::thread([this, node] { Work(node); });
    } catch (const std::system_error&) {
      root = std::move(start_root_);
      return nullptr;
    }
    return node;
  }

  bool Next(Node& node, Entry& entry);
  Listing::Opened OpenChild(const std::shared_ptr<Shared>& self, Node& node, const Entry& entry);
  void Release(Node& node);

 private:
  void Work(std::shared_ptr<Node> root);
  static void DropUnwanted(std::vector<Frame>& stack);
  bool Flush(Block& block);
  Event* Peek();
  void Drop(Node& node);
  void PassBy(Node& node);

  const size_t max_ahead_;
  const size_t block_;

  std::mutex mu_;
  std::condition_variable reader_cv_;
  std::condition_variable worker_cv_;
  std::deque<Block> queue_;                  // guarded by mu_
  std::vector<Block> spare_;                 // read blocks back for the worker; guarded by mu_
  size_t queued_ = 0;                        // events in queue_; guarded by mu_
  bool finished_ = false;                    // the worker will push nothing more; guarded by mu_
  bool worker_waiting_ = false;              // guarded by mu_
  std::atomic<bool> reader_waiting_{false};  // written under mu_, read by the worker without it
  std::atomic<bool> stop_{false};
  std::atomic<uint64_t> drops_{0};  // bumped whenever a node is dropped: the worker looks again

  std::unique_ptr<Listing> start_root_;
  std::thread worker_;

  // The reader's thread only: the block being read, and the listings the stream is inside
  // (the root, then each opened child down to the deepest).
  Block current_;
  size_t pos_ = 0;
  std::vector<std::shared_ptr<Node>> path_;
};

class ReadAheadListing final : public Listing {
 public:
  ReadAheadListing(std::shared_ptr<Shared> shared, std::shared_ptr<Node> node)
      : shared_(std::move(shared)), node_(std::move(node)) {}
  ~ReadAheadListing() override { shared_->Release(*node_); }

  bool Next(Entry& entry) override { return shared_->Next(*node_, entry); }
  int error() const override { return node_->error; }
  Opened OpenChild(const Entry& entry) override { return shared_->OpenChild(shared_, *node_, entry); }

 private:
  std::shared_ptr<Shared> shared_;  // the last one joins the worker
  std::shared_ptr<Node> node_;
};

// ---- The worker's side ----

void Shared::Work(std::shared_ptr<Node> root) {
  std::vector<Frame> stack;
  stack.push_back({std::move(root), std::move(start_root_)});
  Block block;
  block.events.reserve(block_);
  uint64_t next_id = 2;
  uint64_t seen_drops = 0;
  bool look_again = false;

  while (!stack.empty() && !stop_.load(std::memory_order_relaxed)) {
    if (const uint64_t d = drops_.load(std::memory_order_acquire); d != seen_drops || look_again) {
      seen_drops = d;
      look_again = false;
      DropUnwanted(stack);
      if (stack.empty()) break;
    }
    Frame& top = stack.back();
    if (block.count == block.events.size()) block.events.emplace_back();
    Event& ev = block.events[block.count++];
    Recycle(ev);
    ev.node = top.node->id;
    bool end = false;
    if (top.listing->Next(ev.entry)) {
      if (ev.entry.kind == EntryKind::Directory && !ev.entry.other_mount) {
        Listing::Opened child = top.listing->OpenChild(ev.entry);
        if (child.listing) {
          ev.child = std::make_shared<Node>(next_id++, Want::Pending);
          stack.push_back({ev.child, std::move(child.listing)});  // `top` is stale from here
        } else {
          ev.error = child.error;
        }
      }
    } else {
      ev.end = true;
      ev.error = top.listing->error();
      stack.pop_back();
      end = true;
      look_again = true;  // the parent may have been dropped while this one was read
    }
    // A waiting reader gets what there is, but not one entry at a time: that would make both
    // threads sleep and wake for every entry.
    if (end || block.count >= block_ ||
        (block.count >= std::min<size_t>(block_, kEagerFlush) && reader_waiting_.load(std::memory_order_relaxed)))
      if (!Flush(block)) break;
  }

  std::lock_guard lock(mu_);
  if (block.count > 0) {
    queued_ += block.count;
    queue_.push_back(std::move(block));
  }
  finished_ = true;
  reader_cv_.notify_one();
  // `stack` goes here, on this thread, with whatever listings are still open.
}

// Whether anyone can still read the entries of the listing at stack[i]. A Pending listing is
// wanted while its parent is.
bool Wanted(const std::vector<Frame>& stack, size_t i) {
  for (;; --i) {
    const Want w = stack[i].node->want.load(std::memory_order_acquire);
    if (w != Want::Pending) return w == Want::Held;
    if (i == 0) return false;
  }
}

// Closes the listings at the top of the stack that nobody can read. One below a wanted
// listing stays open until that one is done.
void Shared::DropUnwanted(std::vector<Frame>& stack) {
  while (!stack.empty() && !Wanted(stack, stack.size() - 1)) stack.pop_back();
}

// Queues the block, first waiting while the reader is max_ahead_ events behind. False when
// the reader is gone.
bool Shared::Flush(Block& block) {
  std::unique_lock lock(mu_);
  if (queued_ >= max_ahead_ && !stop_.load()) {
    worker_waiting_ = true;
    worker_cv_.wait(lock, [&] { return stop_.load() || queued_ < max_ahead_; });
    worker_waiting_ = false;
  }
  if (stop_.load()) return false;
  queued_ += block.count;
  queue_.push_back(std::move(block));
  const bool wake = reader_waiting_.load();
  block = Block{};
  if (!spare_.empty()) {
    block = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  if (wake) reader_cv_.notify_one();
  if (block.events.empty()) block.events.reserve(block_);
  block.count = 0;
  return true;
}

// ---- The reader's side ----

// The next event of the stream, waiting for it; null once the worker has stopped.
Event* Shared::Peek() {
  if (pos_ < current_.count) return &current_.events[pos_];
  std::unique_lock lock(mu_);
  if (!current_.events.empty() && !finished_) spare_.push_back(std::move(current_));
  current_ = Block{};
  if (queue_.empty() && !finished_) {
    reader_waiting_.store(true);
    reader_cv_.wait(lock, [&] { return !queue_.empty() || finished_; });
    reader_waiting_.store(false);
  }
  if (queue_.empty()) return nullptr;
  current_ = std::move(queue_.front());
  queue_.pop_front();
  queued_ -= current_.count;
  pos_ = 0;
  const bool wake = worker_waiting_ && queued_ < max_ahead_;
  lock.unlock();
  if (wake) worker_cv_.notify_one();
  return &current_.events[0];
}

void Shared::Drop(Node& node) {
  if (node.last_dir_child) {
    Drop(*node.last_dir_child);
    node.last_dir_child.reset();
  }
  node.has_last_dir = false;
  if (node.want.exchange(Want::Dropped) != Want::Dropped) drops_.fetch_add(1, std::memory_order_release);
}

void Shared::PassBy(Node& node) {
  if (!node.ended) {
    node.passed_by = true;
    node.error = ECANCELED;
  }
  Drop(node);
}

bool Shared::Next(Node& node, Entry& entry) {
  if (node.ended || node.passed_by) return false;
  // Reading on passes by the last directory entry, opened or not, and everything below it.
  if (node.last_dir_child) {
    Drop(*node.last_dir_child);
    node.last_dir_child.reset();
  }
  node.has_last_dir = false;
  while (!path_.empty() && path_.back().get() != &node) {
    PassBy(*path_.back());
    path_.pop_back();
  }
  for (;;) {
    Event* ev = Peek();
    if (ev == nullptr) {  // cannot happen while the node is wanted; never hang on it
      PassBy(node);
      return false;
    }
    ++pos_;
    if (ev->node != node.id) continue;  // below an entry the reader passed by
    if (ev->end) {
      node.ended = true;
      node.error = ev->error;
      if (!path_.empty()) path_.pop_back();
      return false;
    }
    entry = ev->entry;  // a copy into the reader's own texts; the event's stay the worker's
    if (entry.kind == EntryKind::Directory && !entry.other_mount) {
      node.has_last_dir = true;
      node.last_dir_raw = entry.raw_name;
      node.last_dir_error = ev->error;
      node.last_dir_child = std::move(ev->child);
    }
    return true;
  }
}

Listing::Opened Shared::OpenChild(const std::shared_ptr<Shared>& self, Node& node, const Entry& entry) {
  if (entry.kind != EntryKind::Directory) return {nullptr, ENOTDIR};
  if (entry.other_mount) return {nullptr, EXDEV};
  if (node.passed_by) return {nullptr, ECANCELED};
  if (!node.has_last_dir || entry.raw_name != node.last_dir_raw) return {nullptr, EINVAL};
  node.has_last_dir = false;
  if (!node.last_dir_child) return {nullptr, node.last_dir_error};
  std::shared_ptr<Node> child = std::move(node.last_dir_child);
  child->want.store(Want::Held, std::memory_order_release);
  path_.push_back(child);
  return {std::make_unique<ReadAheadListing>(self, std::move(child)), 0};
}

void Shared::Release(Node& node) { Drop(node); }

}  // namespace

Listing::Opened OpenFolderReadAhead(FileSystem& fs, const Location& folder, const ReadAheadLimits& limits) {
  Listing::Opened root = fs.OpenFolder(folder);
  if (!root.listing) return root;
  auto shared = std::make_shared<Shared>(limits);
  std::shared_ptr<Node> node = shared->Start(root.listing);
  if (!node) return root;  // no second thread: the listing read in place is still right
  return {std::make_unique<ReadAheadListing>(std::move(shared), std::move(node)), 0};
}

}  // namespace tembrel::fs
