#pragma once
// An owned file descriptor, closed when it goes out of scope.
#include <unistd.h>

#include <cerrno>

#include <utility>

namespace tembrel::fs {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.fd_, -1));
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  int Release() { return std::exchange(fd_, -1); }
  void Reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now and reports the error close gives, which for a file just written matters.
  int Close() {
    if (fd_ < 0) return 0;
    const int rc = ::close(std::exchange(fd_, -1));
    return rc == 0 ? 0 : errno;
  }

 private:
  int fd_ = -1;
};

}  // namespace tembrel::fs
