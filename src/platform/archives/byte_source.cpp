#include "platform/archives/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tembrel::platform {
namespace {

class FileBytes final : public ByteSource {
 public:
  FileBytes(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~FileBytes() override { ::close(fd_); }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  uint64_t Size() const override { return size_; }

  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override {
    size_t done = 0;
    while (done < out.size()) {
      ssize_t n = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (n < 0) {
        if (errno == EINTR) continue;
        return -1;
      }
      if (n == 0) break;
      done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
  }

 private:
  int fd_;
  uint64_t size_;
};

class OwnedBytes final : public ByteSource {
 public:
  explicit OwnedBytes(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override {
    if (offset >= bytes_.size()) return 0;
    size_t n = std::min<uint64_t>(out.size(), bytes_.size() - offset);
    std::memcpy(out.data(), bytes_.data() + offset, n);
    return static_cast<int64_t>(n);
  }

 private:
  std::vector<std::byte> bytes_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FileBytes>(fd, static_cast<uint64_t>(st.st_size));
}

std::unique_ptr<ByteSource> MemoryBytes(std::span<const std::byte> bytes) {
  return std::make_unique<OwnedBytes>(std::vector<std::byte>(bytes.begin(), bytes.end()));
}

std::unique_ptr<ByteSource> MemoryBytes(std::vector<std::byte> bytes) {
  return std::make_unique<OwnedBytes>(std::move(bytes));
}

}  // namespace tembrel::platform
