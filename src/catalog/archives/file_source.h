#pragma once
// Archive bytes straight from a file: positioned reads, no shared file offset, no buffering
// beyond what the readers ask for.
#include <memory>
#include <string>

#include "catalog/archives/archive_reader.h"

namespace tembrel::archives {

class FileSource final : public ArchiveSource {
 public:
  // Opens a regular file read-only without following a symbolic link; null when it cannot.
  static std::unique_ptr<FileSource> Open(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  uint64_t Size() const override { return size_; }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override;

 private:
  FileSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
  int fd_;
  uint64_t size_;
};

// The opener a real run uses: FileSource::Open on the full path.
SourceOpener DefaultSourceOpener();

}  // namespace tembrel::archives
