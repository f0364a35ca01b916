#pragma once
// The mount table of /proc/self/mountinfo, and which of its mounts are volumes a user would
// call a drive.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volumes/volumes.h"

namespace tembrel::volumes {

struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string root;         // the folder of the file system that is mounted ("/" for all of it)
  std::string mount_point;
  std::string fs_type;
  std::string source;       // "/dev/sdb1", "server:/export", ...
};

// Lines that do not parse are left out; escapes (\040 for a blank) are undone.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// The kind of drive a mount is, before removable media are told from fixed disks (a block
// device comes back Fixed); nullopt for what is not a drive: pseudo and memory file systems
// (proc, sysfs, tmpfs, cgroup, devpts, ...), package images (squashfs), container layers
// (overlay anywhere but at "/"), desktop helper mounts (fuse.portal, fuse.gvfsd-fuse), the boot
// and EFI partitions, and anything else that is neither block-backed nor a known network share.
std::optional<DriveKind> ClassifyMount(const MountEntry& mount);

// The mounts that are drives, each file system folder once (a bind mount of one already
// listed is left out), in mount table order.
std::vector<MountEntry> DriveMounts(const std::vector<MountEntry>& mounts);

}  // namespace tembrel::volumes
