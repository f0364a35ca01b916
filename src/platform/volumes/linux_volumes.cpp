#include "platform/volumes/linux_volumes.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "platform/fs/unique_fd.h"
#include "platform/volumes/fat_volume.h"
#include "platform/volumes/udisks_label.h"

namespace tembrel::volumes {

using fs::UniqueFd;

namespace {

constexpr std::string_view kDrivesGroup = "Drives";
constexpr std::string_view kFolderGroup = "FolderDrives";
constexpr size_t kMaxSystemFile = 16 * 1024 * 1024;

std::optional<std::string> ReadSmallFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string out;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    out.append(buf, static_cast<size_t>(in.gcount()));
    if (out.size() > kMaxSystemFile) return std::nullopt;
  }
  return out;
}

// udev writes bytes it will not put in a link name as \xNN.
std::string DecodeUdevName(std::string_view name) {
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
      unsigned v = 0;
      auto [p, ec] = std::from_chars(name.data() + i + 2, name.data() + i + 4, v, 16);
      if (ec == std::errc() && p == name.data() + i + 4) {
        out.push_back(static_cast<char>(v));
        i += 3;
        continue;
      }
    }
    out.push_back(name[i]);
  }
  return out;
}

// The name of the link in `dir` that leads to the device `rdev`.
std::string FindDeviceLink(const std::string& dir, dev_t rdev) {
  if (rdev == 0) return {};
  std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(dir.c_str()), ::closedir);
  if (!d) return {};
  while (const dirent* e = ::readdir(d.get())) {
    if (e->d_name[0] == '.') continue;
    struct stat st {};
    if (::fstatat(::dirfd(d.get()), e->d_name, &st, 0) == 0 && st.st_rdev == rdev && !S_ISREG(st.st_mode) &&
        !S_ISDIR(st.st_mode))
      return DecodeUdevName(e->d_name);
  }
  return {};
}

std::string DeviceKey(dev_t rdev) { return std::to_string(major(rdev)) + ":" + std::to_string(minor(rdev)); }

std::string TrimTrailingBlanks(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.remove_suffix(1);
  return std::string(s);
}

bool IsFat(std::string_view type) { return type == "vfat" || type == "msdos" || type == "fat"; }

struct FolderBinding {
  std::string folder;
  std::string label;
  uint32_t serial = 0;
};

std::string FolderKey(char letter, std::string_view item) { return std::string(1, letter) + "." + std::string(item); }

std::map<char, FolderBinding> ReadFolderBindings(const Settings& settings) {
  std::map<char, FolderBinding> out;
  for (const auto& key : settings.Keys(kFolderGroup)) {
    if (key.size() != 8 || key.substr(1) != ".Folder") continue;
    const char letter = NormalizeLetter(key[0]);
    if (letter == 0) continue;
    FolderBinding b;
    b.folder = settings.GetString(kFolderGroup, key);
    if (b.folder.empty()) continue;
    b.label = settings.GetString(kFolderGroup, FolderKey(letter, "Label"));
    const std::string serial = settings.GetString(kFolderGroup, FolderKey(letter, "Serial"));
    std::from_chars(serial.data(), serial.data() + serial.size(), b.serial, 16);
    out[letter] = std::move(b);
  }
  return out;
}

void SetSizes(const std::string& root, VolumeInfo& info) {
  struct statvfs sv {};
  if (::statvfs(root.c_str(), &sv) != 0) return;
  const uint64_t unit = sv.f_frsize != 0 ? sv.f_frsize : sv.f_bsize;
  auto clamp = [](unsigned __int128 v) {
    return v > static_cast<unsigned __int128>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(v);
  };
  info.size = clamp(static_cast<unsigned __int128>(sv.f_blocks) * unit);
  info.free = clamp(static_cast<unsigned __int128>(sv.f_bavail) * unit);
  info.cluster_size = unit != 0 ? static_cast<int64_t>(unit) : -1;
}

}  // namespace

struct LinuxVolumes::Volume {
  MountEntry mount;
  DriveKind kind = DriveKind::Fixed;
  dev_t rdev = 0;           // the block device behind the mount; 0 when there is none
  std::string device_name;  // its kernel name, "sdb1"
  std::string uuid;
  std::string identity;
};

struct LinuxVolumes::Table {
  struct Item {
    Drive drive;
    std::optional<Volume> volume;  // empty for a folder drive
    FolderBinding binding;
  };
  std::vector<Item> items;  // in letter order

  const Item* Find(char letter) const {
    for (const auto& i : items)
      if (i.drive.letter == letter) return &i;
    return nullptr;
  }
};

LinuxVolumes::LinuxVolumes(Settings& settings, LinuxVolumePaths paths, LabelWriter writer)
    : settings_(settings), paths_(std::move(paths)), writer_(std::move(writer)) {
  if (!writer_) writer_ = [](const std::string& device, const std::string& label) { return UdisksSetLabel(device, label); };
}

LinuxVolumes::Volume LinuxVolumes::Describe(const MountEntry& mount, DriveKind kind) const {
  Volume v;
  v.mount = mount;
  v.kind = kind;
  if (kind != DriveKind::Network) {
    struct stat st {};
    if (mount.source.rfind("/dev/", 0) == 0 && ::stat(mount.source.c_str(), &st) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISDIR(st.st_mode))
      v.rdev = st.st_rdev;
    else if (mount.major != 0)
      v.rdev = makedev(mount.major, mount.minor);
  }
  if (v.rdev != 0) {
    const std::string sys = paths_.sys_block + "/" + DeviceKey(v.rdev);
    if (auto uevent = ReadSmallFile(sys + "/uevent")) {
      std::istringstream lines(*uevent);
      for (std::string line; std::getline(lines, line);)
        if (line.rfind("DEVNAME=", 0) == 0) v.device_name = line.substr(8);
    }
    auto removable = ReadSmallFile(sys + "/removable");
    if (!removable) {  // a partition: the flag sits on its disk
      char resolved[PATH_MAX];
      if (::realpath(sys.c_str(), resolved) != nullptr) removable = ReadSmallFile(std::string(resolved) + "/../removable");
    }
    if (v.kind == DriveKind::Fixed) {
      if (v.device_name.rfind("sr", 0) == 0)
        v.kind = DriveKind::Optical;
      else if ((removable && removable->rfind('1', 0) == 0) || v.device_name.rfind("mmcblk", 0) == 0)
        v.kind = DriveKind::Removable;
    }
    v.uuid = FindDeviceLink(paths_.disk_by + "/by-uuid", v.rdev);
  }
  if (!v.uuid.empty())
    v.identity = "uuid:" + v.uuid + (mount.root == "/" ? "" : ":" + mount.root);
  else if (kind == DriveKind::Network)
    v.identity = "net:" + mount.source + (mount.root == "/" ? "" : ":" + mount.root);
  else
    v.identity = "mount:" + mount.mount_point;
  return v;
}

void LinuxVolumes::ReadLabelAndSerial(const Volume& v, std::string& label, uint32_t& serial) const {
  bool have_label = false;
  label.clear();
  serial = 0;
  if (IsFat(v.mount.fs_type)) {
    // The kernel hands out the real 32-bit serial to anyone who can open the root.
    UniqueFd root(::open(v.mount.mount_point.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    uint32_t id = 0;
    if (root && ::ioctl(root.get(), FAT_IOCTL_GET_VOLUME_ID, &id) == 0) serial = id;
    // The device itself is readable only to privileged users; it has the label as the root
    // folder holds it.
    if (!v.device_name.empty() || v.mount.source.rfind("/dev/", 0) == 0) {
      UniqueFd dev(::open(v.mount.source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
      struct stat st {};
      if (dev && ::fstat(dev.get(), &st) == 0 && S_ISBLK(st.st_mode) && st.st_rdev == v.rdev) {
        if (auto fat = ReadFatVolumeId(dev.get())) {
          label = fat->label;
          have_label = true;
          if (serial == 0) serial = fat->serial;
        }
      }
    }
  }
  if (!have_label && v.rdev != 0) label = TrimTrailingBlanks(FindDeviceLink(paths_.disk_by + "/by-label", v.rdev));
  if (serial == 0 && !v.uuid.empty()) serial = SerialFromUuid(v.uuid);
}

LinuxVolumes::Table LinuxVolumes::ReadTable() {
  std::vector<Volume> volumes;
  if (auto text = ReadSmallFile(paths_.mountinfo))
    for (const auto& m : DriveMounts(ParseMountInfo(*text))) volumes.push_back(Describe(m, *ClassifyMount(m)));

  const auto folders = ReadFolderBindings(settings_);
  std::array<std::string, 26> remembered;
  for (char l = 'A'; l <= 'Z'; ++l) remembered[l - 'A'] = settings_.GetString(kDrivesGroup, std::string(1, l));
  std::array<bool, 26> taken{};
  for (const auto& [letter, b] : folders) taken[letter - 'A'] = true;

  std::vector<char> letters(volumes.size(), 0);
  for (size_t i = 0; i < volumes.size(); ++i)
    for (int l = 0; l < 26; ++l)
      if (!taken[l] && remembered[l] == volumes[i].identity) {
        letters[i] = static_cast<char>('A' + l);
        taken[l] = true;
        break;
      }
  for (size_t i = 0; i < volumes.size(); ++i) {
    if (letters[i] != 0) continue;
    int pick = -1;
    if (volumes[i].mount.mount_point == "/" && !taken['C' - 'A'] && remembered['C' - 'A'].empty()) pick = 'C' - 'A';
    for (int l = 'D' - 'A'; pick < 0 && l < 26; ++l)
      if (!taken[l] && remembered[l].empty()) pick = l;
    for (int l = 'D' - 'A'; pick < 0 && l < 26; ++l)  // every letter remembered: the oldest memory gives way
      if (!taken[l]) pick = l;
    if (pick < 0) continue;  // more drives than letters
    for (int l = 0; l < 26; ++l)
      if (remembered[l] == volumes[i].identity) settings_.Remove(kDrivesGroup, std::string(1, static_cast<char>('A' + l)));
    taken[pick] = true;
    remembered[pick] = volumes[i].identity;
    letters[i] = static_cast<char>('A' + pick);
    settings_.Set(kDrivesGroup, std::string(1, letters[i]), volumes[i].identity);
  }

  Table table;
  for (char l = 'A'; l <= 'Z'; ++l) {
    if (auto f = folders.find(l); f != folders.end()) {
      Table::Item item;
      item.drive = Drive{l, f->second.folder, DriveKind::Folder, f->second.label, ""};
      item.binding = f->second;
      table.items.push_back(std::move(item));
      continue;
    }
    for (size_t i = 0; i < volumes.size(); ++i) {
      if (letters[i] != l) continue;
      Table::Item item;
      uint32_t serial = 0;
      item.drive = Drive{l, volumes[i].mount.mount_point, volumes[i].kind, "", volumes[i].mount.fs_type};
      ReadLabelAndSerial(volumes[i], item.drive.label, serial);
      item.volume = volumes[i];
      table.items.push_back(std::move(item));
    }
  }
  return table;
}

std::vector<Drive> LinuxVolumes::Drives() {
  std::vector<Drive> out;
  for (auto& item : ReadTable().items) out.push_back(std::move(item.drive));
  return out;
}

VolumeQuery LinuxVolumes::QueryVolume(char letter) {
  const Table table = ReadTable();
  const Table::Item* item = table.Find(NormalizeLetter(letter));
  if (item == nullptr) return {ENODEV, {}};
  struct stat st {};
  if (::stat(item->drive.root.c_str(), &st) != 0) return {errno, {}};
  if (!S_ISDIR(st.st_mode)) return {ENOTDIR, {}};
  VolumeQuery q;
  if (item->volume) {
    ReadLabelAndSerial(*item->volume, q.info.label, q.info.serial);
  } else {
    q.info.label = item->binding.label;
    q.info.serial = item->binding.serial;
  }
  SetSizes(item->drive.root, q.info);
  return q;
}

int LinuxVolumes::WriteLabel(char letter, std::string_view label) {
  letter = NormalizeLetter(letter);
  const Table table = ReadTable();
  const Table::Item* item = table.Find(letter);
  if (item == nullptr) return ENODEV;
  const std::string text = TrimTrailingBlanks(label);
  if (!item->volume) {
    settings_.Set(kFolderGroup, FolderKey(letter, "Label"), text);
    return 0;
  }
  const Volume& v = *item->volume;
  if (v.kind == DriveKind::Network) return ENOTSUP;
  if (v.kind == DriveKind::Optical) return EROFS;
  if (v.device_name.empty()) return ENOTSUP;
  return writer_(v.device_name, text);
}

int LinuxVolumes::EraseLabel(char letter) { return WriteLabel(letter, ""); }

int LinuxVolumes::BindFolderDrive(char letter, std::string_view folder, std::string_view label, uint32_t serial) {
  letter = NormalizeLetter(letter);
  if (letter == 0 || folder.empty()) return EINVAL;
  char resolved[PATH_MAX];
  if (::realpath(std::string(folder).c_str(), resolved) == nullptr) return errno;
  struct stat st {};
  if (::stat(resolved, &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  const Table table = ReadTable();
  if (const Table::Item* item = table.Find(letter); item != nullptr && item->volume) return EBUSY;
  char serial_text[16];
  std::snprintf(serial_text, sizeof serial_text, "%08X", static_cast<unsigned>(serial));
  settings_.Set(kFolderGroup, FolderKey(letter, "Folder"), resolved);
  settings_.Set(kFolderGroup, FolderKey(letter, "Label"), TrimTrailingBlanks(label));
  settings_.Set(kFolderGroup, FolderKey(letter, "Serial"), serial_text);
  return 0;
}

int LinuxVolumes::UnbindFolderDrive(char letter) {
  letter = NormalizeLetter(letter);
  if (letter == 0) return EINVAL;
  if (!settings_.Get(kFolderGroup, FolderKey(letter, "Folder"))) return ENOENT;
  for (const char* item : {"Folder", "Label", "Serial"}) settings_.Remove(kFolderGroup, FolderKey(letter, item));
  return 0;
}

}  // namespace tembrel::volumes
