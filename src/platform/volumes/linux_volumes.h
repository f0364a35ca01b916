#pragma once
// The drive table of a Linux system: the mounted volumes that are drives (see ClassifyMount)
// and the folders the user bound to a letter.
//
// Letters are kept in the settings store, group "Drives": key = letter, value = the volume's
// identity ("uuid:<file system UUID>", with ":<folder>" for a mount of one folder of it, such
// as a btrfs subvolume; "net:<source>" for a share; "mount:<mount point>" when nothing better
// is known). A volume seen for the first time takes the first letter from D that is neither
// in use nor remembered for another volume (the root file system takes C), so an absent stick
// keeps its letter. Folder drives live in group "FolderDrives": "<L>.Folder", "<L>.Label",
// "<L>.Serial" (8 hexadecimal digits); they take precedence over a remembered volume letter.
#include <functional>
#include <string>
#include <vector>

#include "platform/settings/settings.h"
#include "platform/volumes/mountinfo.h"
#include "platform/volumes/volumes.h"

namespace tembrel::volumes {

// Where the system describes its mounts and devices; tests point these at files of their own.
struct LinuxVolumePaths {
  std::string mountinfo = "/proc/self/mountinfo";
  std::string disk_by = "/dev/disk";       // by-uuid/ and by-label/ links made by udev
  std::string sys_block = "/sys/dev/block";  // <major>:<minor>/ for each block device
};

// Writes (empty: removes) the label of a block device by its kernel name ("sdb1").
using LabelWriter = std::function<int(const std::string& device_name, const std::string& label)>;

class LinuxVolumes final : public VolumeService {
 public:
  explicit LinuxVolumes(Settings& settings, LinuxVolumePaths paths = {}, LabelWriter writer = {});

  std::vector<Drive> Drives() override;
  VolumeQuery QueryVolume(char letter) override;
  int WriteLabel(char letter, std::string_view label) override;
  int EraseLabel(char letter) override;
  int BindFolderDrive(char letter, std::string_view folder, std::string_view label, uint32_t serial) override;
  int UnbindFolderDrive(char letter) override;

 private:
  struct Volume;
  struct Table;
  Table ReadTable();
  Volume Describe(const MountEntry& mount, DriveKind kind) const;
  void ReadLabelAndSerial(const Volume& volume, std::string& label, uint32_t& serial) const;

  Settings& settings_;
  LinuxVolumePaths paths_;
  LabelWriter writer_;
};

}  // namespace tembrel::volumes
