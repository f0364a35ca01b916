#pragma once
// Archive bytes held in memory, for tests and fuzzing. A piece size other than 0 makes every
// read return at most that many bytes, as a slow device might, so readers are checked to ask
// again instead of taking a short read for the end of the file.
#include <algorithm>
#include <cstring>
#include <vector>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

class MemorySource final : public ArchiveSource {
 public:
  explicit MemorySource(std::vector<std::byte> bytes, size_t piece = 0)
      : bytes_(std::move(bytes)), piece_(piece) {}
  MemorySource(std::span<const std::byte> bytes, size_t piece = 0)
      : bytes_(bytes.begin(), bytes.end()), piece_(piece) {}

  uint64_t Size() const override { return bytes_.size(); }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override {
    if (fail_ || offset >= bytes_.size()) return fail_ ? -1 : 0;
    size_t n = std::min<uint64_t>(out.size(), bytes_.size() - offset);
    if (piece_ != 0) n = std::min(n, piece_);
    if (n != 0) std::memcpy(out.data(), bytes_.data() + offset, n);
    return static_cast<int64_t>(n);
  }

  // Every later read fails, as on a disk that went away.
  void FailReads() { fail_ = true; }

 private:
  std::vector<std::byte> bytes_;
  size_t piece_;
  bool fail_ = false;
};

}  // namespace tembrel::archives
