#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/fs/fs.h"
#include "platform/fs/paths.h"
#include "platform/fs/unique_fd.h"
#include "platform/text/cp1252.h"

namespace tembrel::fs {
namespace {

// What makes a directory part of the drive being walked: the same device and, where the
// kernel tells, the same mount (a bind mount of a parent folder would otherwise loop).
struct MountId {
  dev_t dev = 0;
  uint64_t mnt_id = 0;
  bool has_mnt_id = false;
  bool fat = false;  // FAT keeps real DOS attributes, read through an ioctl

  bool Same(const struct statx& st) const {
    if (makedev(st.stx_dev_major, st.stx_dev_minor) != dev) return false;
    return !(has_mnt_id && (st.stx_mask & STATX_MNT_ID) && st.stx_mnt_id != mnt_id);
  }
};

constexpr unsigned kStatxMask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_MNT_ID;
// No automount is triggered and network file systems are not asked to revalidate.
constexpr int kStatxFlags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | AT_STATX_DONT_SYNC;

int StatAt(int dirfd, const char* name, struct statx& st, int extra_flags = 0) {
  return ::statx(dirfd, name, kStatxFlags | extra_flags, kStatxMask, &st) == 0 ? 0 : errno;
}

int StatFd(int fd, struct statx& st) { return StatAt(fd, "", st, AT_EMPTY_PATH); }

EntryKind KindOf(uint16_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Directory;
  if (S_ISLNK(mode)) return EntryKind::Symlink;
  return EntryKind::Special;
}

void SetLocalDateTime(int64_t seconds, Entry& entry) {
  const time_t t = static_cast<time_t>(seconds);
  struct tm tm {};
  if (localtime_r(&t, &tm) == nullptr) {
    entry.date = Date{};
    entry.time = Time{};
    return;
  }
  entry.date = Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  entry.time = Time{tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59)};
}

// Opens a file or folder for its attributes or data. The type is checked first and again on
// the open descriptor, so a FIFO or device put in its place is never opened.
int OpenNoFollow(int dirfd, const std::string& raw, int flags, UniqueFd& out) {
  struct statx st {};
  if (int err = StatAt(dirfd, raw.c_str(), st)) return err;
  if (!S_ISREG(st.stx_mode) && !S_ISDIR(st.stx_mode)) return EINVAL;
  UniqueFd fd(::openat(dirfd, raw.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) return errno;
  struct statx again {};
  if (int err = StatFd(fd.get(), again)) return err;
  if ((again.stx_mode & S_IFMT) != (st.stx_mode & S_IFMT)) return EINVAL;
  out = std::move(fd);
  return 0;
}

std::optional<uint32_t> FatAttributes(int fd) {
  uint32_t attr = 0;
  if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attr) != 0) return std::nullopt;
  return attr;
}

// Attributes where the file system keeps none: read-only is the owner's missing write
// permission (as file servers map it), hidden a leading dot, archive every regular file.
uint32_t GenericAttributes(const std::string& raw, const struct statx& st) {
  uint32_t attr = 0;
  const EntryKind kind = KindOf(st.stx_mode);
  if (kind != EntryKind::Symlink && !(st.stx_mode & S_IWUSR)) attr |= kAttrReadOnly;
  if (!raw.empty() && raw[0] == '.') attr |= kAttrHidden;
  if (kind == EntryKind::Directory) attr |= kAttrDirectory;
  if (kind == EntryKind::File) attr |= kAttrArchive;
  if (kind == EntryKind::Symlink) attr |= kAttrReparsePoint;
  return attr;
}

void FillEntry(int dirfd, std::string raw, const struct statx& st, const MountId& id, Entry& entry) {
  entry.kind = KindOf(st.stx_mode);
  entry.other_mount = entry.kind == EntryKind::Directory && !id.Same(st);
  entry.size = entry.kind == EntryKind::File ? st.stx_size : 0;
  SetLocalDateTime(st.stx_mtime.tv_sec, entry);
  entry.attributes = GenericAttributes(raw, st);
  if (id.fat && !entry.other_mount && (entry.kind == EntryKind::File || entry.kind == EntryKind::Directory)) {
    UniqueFd fd;
    if (OpenNoFollow(dirfd, raw, O_RDONLY, fd) == 0)
      if (auto attr = FatAttributes(fd.get())) entry.attributes = *attr;
  }
  entry.name = text::DecodeFileName(raw);
  entry.raw_name = std::move(raw);
}

// Directories are opened only for listing; X_OK is checked up front so that a folder the user
// may read but not search fails here, as a whole, instead of on its first entry.
int CheckSearchable(int fd) {
  return ::faccessat(fd, ".", X_OK, AT_EACCESS) == 0 ? 0 : errno;
}

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

class PosixListing final : public Listing {
 public:
  PosixListing(std::unique_ptr<DIR, DirCloser> dir, const MountId& id) : dir_(std::move(dir)), id_(id) {}

  bool Next(Entry& entry) override {
    if (error_ != 0) return false;
    const int fd = ::dirfd(dir_.get());
    for (;;) {
      errno = 0;
      const dirent* d = ::readdir(dir_.get());
      if (d == nullptr) {
        error_ = errno;
        return false;
      }
      const std::string_view name = d->d_name;
      if (name == "." || name == "..") continue;
      struct statx st {};
      const int err = StatAt(fd, d->d_name, st);
      if (err == ENOENT) continue;  // removed since it was listed
      if (err != 0) {
        error_ = err;
        return false;
      }
      FillEntry(fd, std::string(name), st, id_, entry);
      return true;
    }
  }

  int error() const override { return error_; }

  Opened OpenChild(const Entry& entry) override {
    if (entry.kind != EntryKind::Directory) return {nullptr, ENOTDIR};
    if (entry.other_mount) return {nullptr, EXDEV};
    return OpenListing(::dirfd(dir_.get()), entry.raw_name, id_);
  }

  static Opened OpenListing(int dirfd, const std::string& raw, const MountId& id) {
    UniqueFd fd(::openat(dirfd, raw.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return {nullptr, errno};
    struct statx st {};
    if (int err = StatFd(fd.get(), st)) return {nullptr, err};
    if (!id.Same(st)) return {nullptr, EXDEV};
    if (int err = CheckSearchable(fd.get())) return {nullptr, err};
    DIR* dir = ::fdopendir(fd.get());
    if (dir == nullptr) return {nullptr, errno};
    fd.Release();
    return {std::make_unique<PosixListing>(std::unique_ptr<DIR, DirCloser>(dir), id), 0};
  }

 private:
  std::unique_ptr<DIR, DirCloser> dir_;
  MountId id_;
  int error_ = 0;
};

// A drive root opened for confined access.
struct Root {
  UniqueFd fd;  // O_PATH
  MountId id;
};

int OpenRoot(const std::string& path, Root& root) {
  root.fd = UniqueFd(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!root.fd) return errno;
  struct statx st {};
  if (int err = StatFd(root.fd.get(), st)) return err;
  root.id.dev = makedev(st.stx_dev_major, st.stx_dev_minor);
  root.id.has_mnt_id = (st.stx_mask & STATX_MNT_ID) != 0;
  root.id.mnt_id = st.stx_mnt_id;
  struct statfs sf {};
  root.id.fat = ::fstatfs(root.fd.get(), &sf) == 0 && sf.f_type == MSDOS_SUPER_MAGIC;
  return 0;
}

// The bytes naming `part` in `dirfd`: the UTF-8 text itself, or, when only that exists, its
// Windows-1252 form (a name that was not UTF-8 on the disk was stored decoded from it).
std::string RawName(int dirfd, const std::string& part) {
  struct statx st {};
  if (StatAt(dirfd, part.c_str(), st) != ENOENT) return part;
  auto alt = text::EncodeCp1252(part);
  if (alt && *alt != part && StatAt(dirfd, alt->c_str(), st) == 0) return *alt;
  return part;
}

// The folder that holds a location's last component, reached without following links or
// leaving the root's mount, plus that component's raw name (empty for the root itself).
struct Resolved {
  Root root;
  UniqueFd parent;  // O_PATH; the root's own descriptor's duplicate for the root
  std::string last;
  int error = 0;
};

Resolved Resolve(const Location& place) {
  Resolved r;
  if (int err = OpenRoot(place.root, r.root)) {
    r.error = err;
    return r;
  }
  auto parts = SplitStoredPath(place.path);
  if (!parts) {
    r.error = EINVAL;
    return r;
  }
  r.parent = UniqueFd(::fcntl(r.root.fd.get(), F_DUPFD_CLOEXEC, 0));
  if (!r.parent) {
    r.error = errno;
    return r;
  }
  for (size_t i = 0; i + 1 < parts->size(); ++i) {
    const std::string raw = RawName(r.parent.get(), (*parts)[i]);
    UniqueFd next(::openat(r.parent.get(), raw.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next) {
      r.error = errno;
      struct statx st {};
      if (StatAt(r.parent.get(), raw.c_str(), st) == 0 && S_ISLNK(st.stx_mode)) r.error = ELOOP;  // never followed
      return r;
    }
    struct statx st {};
    if (int err = StatFd(next.get(), st)) {
      r.error = err;
      return r;
    }
    if (!r.root.id.Same(st)) {
      r.error = EXDEV;
      return r;
    }
    r.parent = std::move(next);
  }
  if (!parts->empty()) r.last = RawName(r.parent.get(), parts->back());
  return r;
}

// Applies attribute bits to an open file or folder.
int ApplyAttributes(int fd, bool fat, bool is_dir, uint32_t attributes) {
  if (fat) {
    uint32_t attr = attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
    if (is_dir) attr |= kAttrDirectory;
    if (::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attr) == 0) return 0;
    if (errno != ENOTTY && errno != EINVAL) return errno;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) return errno;
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & kAttrReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
  if (mode == (st.st_mode & 07777)) return 0;
  return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

int ReadFully(int fd, char* buf, size_t size, size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, buf + got, size - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return 0;
}

int WriteFully(int fd, const char* buf, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, buf + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    done += static_cast<size_t>(n);
  }
  return 0;
}

std::string TemporaryName() {
  static std::atomic<unsigned> counter{0};
  char buf[64];
  std::snprintf(buf, sizeof buf, ".tembrel-copy-%ld-%u.tmp", static_cast<long>(::getpid()), counter++);
  return buf;
}

class PosixFileSystem final : public FileSystem {
 public:
  Listing::Opened OpenFolder(const Location& folder) override {
    Resolved r = Resolve(folder);
    if (r.error) return {nullptr, r.error};
    return PosixListing::OpenListing(r.parent.get(), r.last.empty() ? "." : r.last, r.root.id);
  }

  int Stat(const Location& place, Entry& entry) override {
    Resolved r = Resolve(place);
    if (r.error) return r.error;
    const std::string name = r.last.empty() ? "." : r.last;
    struct statx st {};
    if (int err = StatAt(r.parent.get(), name.c_str(), st)) return err;
    FillEntry(r.parent.get(), name, st, r.root.id, entry);
    if (r.last.empty()) {
      entry.name.clear();
      entry.raw_name.clear();
      entry.attributes &= ~kAttrHidden;
    }
    return 0;
  }

  int Delete(const Location& file) override {
    Resolved r = Resolve(file);
    if (r.error) return r.error;
    if (r.last.empty()) return EINVAL;
    struct statx st {};
    if (int err = StatAt(r.parent.get(), r.last.c_str(), st)) return err;
    if (S_ISDIR(st.stx_mode)) return EISDIR;
    return ::unlinkat(r.parent.get(), r.last.c_str(), 0) == 0 ? 0 : errno;
  }

  int RemoveFolder(const Location& folder) override {
    Resolved r = Resolve(folder);
    if (r.error) return r.error;
    if (r.last.empty()) return EINVAL;
    struct statx st {};
    if (int err = StatAt(r.parent.get(), r.last.c_str(), st)) return err;
    if (!S_ISDIR(st.stx_mode)) return ENOTDIR;
    if (!r.root.id.Same(st)) return EXDEV;
    return ::unlinkat(r.parent.get(), r.last.c_str(), AT_REMOVEDIR) == 0 ? 0 : errno;
  }

  int MakeFolder(const Location& folder) override {
    Resolved r = Resolve(folder);
    if (r.error) return r.error;
    if (r.last.empty()) return EEXIST;
    return ::mkdirat(r.parent.get(), r.last.c_str(), 0777) == 0 ? 0 : errno;
  }

  int SetAttributes(const Location& place, uint32_t attributes) override {
    Resolved r = Resolve(place);
    if (r.error) return r.error;
    const std::string name = r.last.empty() ? "." : r.last;
    struct statx st {};
    if (int err = StatAt(r.parent.get(), name.c_str(), st)) return err;
    if (S_ISLNK(st.stx_mode)) return 0;  // a link has no attributes of its own
    if (!S_ISREG(st.stx_mode) && !S_ISDIR(st.stx_mode)) return EINVAL;
    UniqueFd fd;
    if (int err = OpenNoFollow(r.parent.get(), name, O_RDONLY, fd)) return err;
    return ApplyAttributes(fd.get(), r.root.id.fat, S_ISDIR(st.stx_mode), attributes);
  }

  CopyResult CopyFile(const Location& from, const Location& to, const CopyProgress& progress) override {
    Resolved src = Resolve(from);
    if (src.error) return {CopyStep::OpenSource, src.error};
    if (src.last.empty()) return {CopyStep::OpenSource, EISDIR};
    UniqueFd in;
    if (int err = OpenNoFollow(src.parent.get(), src.last, O_RDONLY, in)) return {CopyStep::OpenSource, err};
    struct stat in_st {};
    if (::fstat(in.get(), &in_st) != 0) return {CopyStep::OpenSource, errno};
    if (!S_ISREG(in_st.st_mode)) return {CopyStep::OpenSource, EISDIR};
    uint32_t attributes = in_st.st_mode & S_IWUSR ? kAttrArchive : kAttrArchive | kAttrReadOnly;
    if (src.root.id.fat)
      if (auto attr = FatAttributes(in.get())) attributes = *attr;

    Resolved dst = Resolve(to);
    if (dst.error) return {CopyStep::OpenTarget, dst.error};
    if (dst.last.empty()) return {CopyStep::OpenTarget, EISDIR};
    struct statx existing {};
    if (StatAt(dst.parent.get(), dst.last.c_str(), existing) == 0) return {CopyStep::OpenTarget, EEXIST};
    const std::string temp = TemporaryName();
    UniqueFd out(::openat(dst.parent.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!out) return {CopyStep::OpenTarget, errno};

    auto fail = [&](CopyStep step, int err) {
      out.Reset();
      ::unlinkat(dst.parent.get(), temp.c_str(), 0);
      return CopyResult{step, err};
    };

    const uint64_t total = static_cast<uint64_t>(in_st.st_size);
    uint64_t done = 0;
    std::vector<char> buf(kCopyBlockSize);
    for (;;) {
      size_t got = 0;
      if (int err = ReadFully(in.get(), buf.data(), buf.size(), got)) return fail(CopyStep::Read, err);
      if (got == 0) break;
      if (int err = WriteFully(out.get(), buf.data(), got)) return fail(CopyStep::Write, err);
      done += got;
      if (progress && !progress(done, total)) return fail(CopyStep::Cancelled, ECANCELED);
    }
    struct stat now_st {};
    if (::fstat(in.get(), &now_st) != 0) return fail(CopyStep::Read, errno);
    if (static_cast<uint64_t>(now_st.st_size) != done) return fail(CopyStep::Read, EIO);  // changed meanwhile

    const struct timespec times[2] = {in_st.st_atim, in_st.st_mtim};
    ::futimens(out.get(), times);  // a file system that keeps no such time still has the data
    ApplyAttributes(out.get(), dst.root.id.fat, false, attributes);
    if (::fsync(out.get()) != 0) return fail(CopyStep::Write, errno);
    struct stat out_st {};
    if (::fstat(out.get(), &out_st) != 0) return fail(CopyStep::Write, errno);
    if (static_cast<uint64_t>(out_st.st_size) != done) return fail(CopyStep::Write, EIO);
    if (int err = out.Close()) return fail(CopyStep::Write, err);

    if (::renameat2(dst.parent.get(), temp.c_str(), dst.parent.get(), dst.last.c_str(), RENAME_NOREPLACE) != 0) {
      int err = errno;
      if (err == EINVAL || err == ENOSYS) {  // file systems without no-replace renames
        struct statx st {};
        err = StatAt(dst.parent.get(), dst.last.c_str(), st) == 0 ? EEXIST
              : ::renameat(dst.parent.get(), temp.c_str(), dst.parent.get(), dst.last.c_str()) == 0 ? 0
                                                                                                      : errno;
      }
      if (err != 0) return fail(CopyStep::Write, err);
    }
    UniqueFd dir(::openat(dst.parent.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());  // the new name reaches the disk too
    return {};
  }

  bool SameVolume(std::string_view folder_a, std::string_view folder_b) override {
    struct stat a {};
    struct stat b {};
    return ::stat(std::string(folder_a).c_str(), &a) == 0 && ::stat(std::string(folder_b).c_str(), &b) == 0 &&
           a.st_dev == b.st_dev;
  }
};

}  // namespace

std::unique_ptr<FileSystem> MakePosixFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace tembrel::fs
