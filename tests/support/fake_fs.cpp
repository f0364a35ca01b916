#include "support/fake_fs.h"

#include "platform/fs/paths.h"

namespace tembrel::fs {
namespace {

class FailingListing final : public Listing {
 public:
  FailingListing(FailingFileSystem& owner, std::unique_ptr<Listing> real, std::string path,
                 std::optional<std::pair<size_t, int>> fail)
      : owner_(owner), real_(std::move(real)), path_(std::move(path)), fail_(fail) {}

  bool Next(Entry& entry) override {
    if (fail_ && given_ >= fail_->first) {
      error_ = fail_->second;
      return false;
    }
    if (!real_->Next(entry)) return false;
    ++given_;
    return true;
  }
  int error() const override { return error_ != 0 ? error_ : real_->error(); }
  Opened OpenChild(const Entry& entry) override {
    return owner_.Wrap(real_->OpenChild(entry), ChildStoredPath(path_, entry.name));
  }

 private:
  FailingFileSystem& owner_;
  std::unique_ptr<Listing> real_;
  std::string path_;
  std::optional<std::pair<size_t, int>> fail_;
  size_t given_ = 0;
  int error_ = 0;
};

}  // namespace

int FailingFileSystem::FailureFor(Op op, const std::string& path) const {
  auto it = failures_.find({op, path});
  return it == failures_.end() ? 0 : it->second;
}

Listing::Opened FailingFileSystem::Wrap(Listing::Opened opened, const std::string& path) {
  if (!opened.listing) return opened;
  // A folder entered from its parent fails as one opened directly would.
  if (int err = FailureFor(Op::OpenFolder, path)) return {nullptr, err};
  std::optional<std::pair<size_t, int>> fail;
  if (auto it = listing_failures_.find(path); it != listing_failures_.end()) fail = it->second;
  opened.listing = std::make_unique<FailingListing>(*this, std::move(opened.listing), path, fail);
  return opened;
}

Listing::Opened FailingFileSystem::OpenFolder(const Location& folder) {
  if (int err = FailureFor(Op::OpenFolder, folder.path)) return {nullptr, err};
  return Wrap(real_.OpenFolder(folder), NormalizeStoredPath(folder.path).value_or(folder.path));
}

int FailingFileSystem::Stat(const Location& place, Entry& entry) {
  if (int err = FailureFor(Op::Stat, place.path)) return err;
  return real_.Stat(place, entry);
}

int FailingFileSystem::Delete(const Location& file) {
  if (int err = FailureFor(Op::Delete, file.path)) return err;
  return real_.Delete(file);
}

int FailingFileSystem::RemoveFolder(const Location& folder) {
  if (int err = FailureFor(Op::RemoveFolder, folder.path)) return err;
  return real_.RemoveFolder(folder);
}

int FailingFileSystem::MakeFolder(const Location& folder) {
  if (int err = FailureFor(Op::MakeFolder, folder.path)) return err;
  return real_.MakeFolder(folder);
}

int FailingFileSystem::SetAttributes(const Location& place, uint32_t attributes) {
  if (int err = FailureFor(Op::SetAttributes, place.path)) return err;
  return real_.SetAttributes(place, attributes);
}

CopyResult FailingFileSystem::CopyFile(const Location& from, const Location& to, const CopyProgress& progress) {
  if (int err = FailureFor(Op::CopyFrom, from.path)) return {CopyStep::OpenSource, err};
  if (int err = FailureFor(Op::CopyTo, to.path)) return {CopyStep::OpenTarget, err};
  if (!write_limit_) return real_.CopyFile(from, to, progress);
  bool over = false;
  const auto limit = write_limit_->first;
  CopyResult r = real_.CopyFile(from, to, [&](uint64_t done, uint64_t total) {
    if (done > limit) {
      over = true;
      return false;
    }
    return !progress || progress(done, total);
  });
  if (over) return {CopyStep::Write, write_limit_->second};
  return r;
}

}  // namespace tembrel::fs
