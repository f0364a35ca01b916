#include "platform/volumes/mountinfo.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>
#include <utility>

namespace tembrel::volumes {
namespace {

std::string Unescape(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
      if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
        out.push_back(static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0')));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    const size_t start = pos;
    while (pos < line.size() && line[pos] != ' ') ++pos;
    if (pos > start) fields.push_back(line.substr(start, pos - start));
  }
  return fields;
}

bool ParseDevice(std::string_view text, unsigned& major, unsigned& minor) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  auto [p1, e1] = std::from_chars(text.data(), text.data() + colon, major);
  auto [p2, e2] = std::from_chars(text.data() + colon + 1, text.data() + text.size(), minor);
  return e1 == std::errc() && e2 == std::errc() && p1 == text.data() + colon && p2 == text.data() + text.size();
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// `path` is `folder` or lies below it.
bool Below(std::string_view path, std::string_view folder) {
  return path == folder || (StartsWith(path, folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

bool OneOf(std::string_view s, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  std::vector<MountEntry> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const auto fields = Fields(text.substr(pos, end - pos));
    pos = end + 1;
    // id parent major:minor root mount-point options [optional...] - type source super-options
    const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 6 || dash == fields.end() || dash - fields.begin() < 6 || fields.end() - dash < 3) continue;
    MountEntry m;
    if (!ParseDevice(fields[2], m.major, m.minor)) continue;
    m.root = Unescape(fields[3]);
    m.mount_point = Unescape(fields[4]);
    m.fs_type = Unescape(dash[1]);
    m.source = Unescape(dash[2]);
    out.push_back(std::move(m));
  }
  return out;
}

std::optional<DriveKind> ClassifyMount(const MountEntry& m) {
  const std::string_view mp = m.mount_point;
  for (std::string_view system : {"/proc", "/sys", "/dev", "/boot", "/efi"})
    if (Below(mp, system)) return std::nullopt;
  const std::string_view type = m.fs_type;
  if (OneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "9p", "virtiofs", "davfs",
                   "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.davfs2", "fuse.glusterfs"}))
    return DriveKind::Network;
  if (OneOf(type, {"iso9660", "udf"})) return DriveKind::Optical;
  if (OneOf(type, {"squashfs", "tmpfs", "ramfs", "devtmpfs"})) return std::nullopt;
  if (type == "overlay") return mp == "/" ? std::optional(DriveKind::Fixed) : std::nullopt;  // a container's own disk
  if (type == "zfs") return DriveKind::Fixed;  // datasets name their pool, not a device
  if (StartsWith(m.source, "/dev/")) return DriveKind::Fixed;
  return std::nullopt;
}

std::vector<MountEntry> DriveMounts(const std::vector<MountEntry>& mounts) {
  std::vector<MountEntry> out;
  std::set<std::tuple<unsigned, unsigned, std::string>> seen;
  std::set<std::string> points;
  // A later mount on the same point hides the earlier one; only the last is reachable.
  for (auto it = mounts.rbegin(); it != mounts.rend(); ++it) {
    if (!points.insert(it->mount_point).second) continue;
    out.push_back(*it);
  }
  std::reverse(out.begin(), out.end());
  std::vector<MountEntry> drives;
  for (auto& m : out) {
    if (!ClassifyMount(m)) continue;
    if (!seen.emplace(m.major, m.minor, m.root).second) continue;
    drives.push_back(std::move(m));
  }
  return drives;
}

}  // namespace tembrel::volumes
