#pragma once
// A file system that passes everything to another one except the failures a test asks for:
// a copy that runs out of room after N bytes, a folder that cannot be listed past its n-th
// entry, an operation on one path that fails with a chosen code.
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/fs/fs.h"

namespace tembrel::fs {

class FailingFileSystem final : public FileSystem {
 public:
  explicit FailingFileSystem(FileSystem& real) : real_(real) {}

  enum class Op { OpenFolder, Stat, Delete, RemoveFolder, MakeFolder, SetAttributes, CopyFrom, CopyTo };
  // `path` is the stored path as given to the operation (compared exactly).
  void Fail(Op op, std::string path, int error) { failures_[{op, std::move(path)}] = error; }
  // Copies fail with a write error (ENOSPC unless told) once more than `bytes` were written;
  // the partial target is removed as after any failed copy.
  void FailWritesAfter(uint64_t bytes, int error = 28 /*ENOSPC*/) { write_limit_ = {bytes, error}; }
  // Listing the folder `path` (opened directly or entered from its parent) fails after
  // `entries` entries.
  void FailListingAfter(std::string path, size_t entries, int error) { listing_failures_[path] = {entries, error}; }

  Listing::Opened OpenFolder(const Location& folder) override;
  int Stat(const Location& place, Entry& entry) override;
  int Delete(const Location& file) override;
  int RemoveFolder(const Location& folder) override;
  int MakeFolder(const Location& folder) override;
  int SetAttributes(const Location& place, uint32_t attributes) override;
  CopyResult CopyFile(const Location& from, const Location& to, const CopyProgress& progress) override;
  bool SameVolume(std::string_view a, std::string_view b) override { return real_.SameVolume(a, b); }

  // Used by the listings it hands out.
  Listing::Opened Wrap(Listing::Opened opened, const std::string& path);

 private:
  int FailureFor(Op op, const std::string& path) const;

  FileSystem& real_;
  std::map<std::tuple<Op, std::string>, int> failures_;
  std::optional<std::pair<uint64_t, int>> write_limit_;
  std::map<std::string, std::pair<size_t, int>> listing_failures_;
};

}  // namespace tembrel::fs
