#include "catalog/archives/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace tembrel::archives {

std::unique_ptr<FileSource> FileSource::Open(const std::string& path) {
  // O_NONBLOCK keeps a FIFO named like an archive from blocking the open; it does nothing to
  // a regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat st {};
  // Only regular files: a FIFO or a device would block or never end.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(fd, static_cast<uint64_t>(st.st_size)));
}

FileSource::~FileSource() { ::close(fd_); }

int64_t FileSource::ReadAt(uint64_t offset, std::span<std::byte> out) {
  // Nothing lies past the largest offset a file can have.
  const auto max_offset = static_cast<uint64_t>(std::numeric_limits<off_t>::max());
  if (offset > max_offset) return 0;
  if (out.size() > max_offset - offset) out = out.first(static_cast<size_t>(max_offset - offset));
  size_t done = 0;
  while (done < out.size()) {
    const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done,
                              static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

SourceOpener DefaultSourceOpener() {
  return [](const std::string& full_path) -> std::unique_ptr<ArchiveSource> {
    return FileSource::Open(full_path);
  };
}

}  // namespace tembrel::archives
