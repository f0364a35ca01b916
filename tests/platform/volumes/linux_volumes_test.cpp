#include "platform/volumes/linux_volumes.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/volumes/udisks_label.h"

namespace tembrel::volumes {
namespace {

namespace stdfs = std::filesystem;

// A system of our own: a mount table, udev's links and sysfs, in a temporary folder. The
// "block devices" are the character devices every Linux system has, for their distinct
// device numbers: /dev/null (1:3), /dev/zero (1:5), /dev/full (1:7).
class FakeSystem {
 public:
  FakeSystem() {
    std::string tmpl = (stdfs::temp_directory_path() / "tembrel-vol-XXXXXX").string();
    dir_ = ::mkdtemp(tmpl.data());
    for (const char* d : {"disk/by-uuid", "disk/by-label", "sys", "mnt"}) stdfs::create_directories(dir_ + "/" + d);
    paths_.mountinfo = dir_ + "/mountinfo";
    paths_.disk_by = dir_ + "/disk";
    paths_.sys_block = dir_ + "/sys";
    SetMounts("");
  }
  ~FakeSystem() { stdfs::remove_all(dir_); }

  const LinuxVolumePaths& paths() const { return paths_; }

  // A mount point folder below the fake system.
  std::string Point(const std::string& name) {
    const std::string p = dir_ + "/mnt/" + name;
    stdfs::create_directories(p);
    return p;
  }
  void SetMounts(const std::string& text) { std::ofstream(paths_.mountinfo) << text; }
  static std::string Line(const std::string& dev, const std::string& point, const std::string& type,
                          const std::string& source) {
    return "30 1 " + dev + " / " + point + " rw - " + type + " " + source + " rw\n";
  }
  void Link(const std::string& kind, const std::string& name, const std::string& target) {
    stdfs::create_symlink(target, dir_ + "/disk/" + kind + "/" + name);
  }
  void Sys(const std::string& dev, const std::string& file, const std::string& content) {
    stdfs::create_directories(dir_ + "/sys/" + dev);
    std::ofstream(dir_ + "/sys/" + dev + "/" + file) << content;
  }

 private:
  std::string dir_;
  LinuxVolumePaths paths_;
};

std::string Letters(const std::vector<Drive>& drives) {
  std::string out;
  for (const auto& d : drives) out.push_back(d.letter);
  return out;
}

const Drive* At(const std::vector<Drive>& drives, const std::string& root) {
  for (const auto& d : drives)
    if (d.root == root) return &d;
  return nullptr;
}

TEST(LinuxVolumes, LettersAreRememberedPerFileSystem) {
  FakeSystem sys;
  MemorySettings settings;
  sys.Link("by-uuid", "1111-AAAA", "/dev/null");
  sys.Link("by-uuid", "2222-BBBB", "/dev/zero");
  sys.Link("by-uuid", "3333-CCCC", "/dev/full");
  const std::string p1 = sys.Point("one"), p2 = sys.Point("two"), p3 = sys.Point("three");
  const std::string one = FakeSystem::Line("1:3", p1, "vfat", "/dev/null");
  const std::string two = FakeSystem::Line("1:5", p2, "vfat", "/dev/zero");
  const std::string three = FakeSystem::Line("1:7", p3, "ext4", "/dev/full");
  LinuxVolumes volumes(settings, sys.paths());

  sys.SetMounts(one + two);
  auto drives = volumes.Drives();
  EXPECT_EQ(Letters(drives), "DE");
  EXPECT_EQ(settings.GetString("Drives", "D"), "uuid:1111-AAAA");

  // The first stick leaves; the second keeps its letter, a new one does not take the free D.
  sys.SetMounts(two + three);
  drives = volumes.Drives();
  EXPECT_EQ(At(drives, p2)->letter, 'E');
  EXPECT_EQ(At(drives, p3)->letter, 'F');

  // Back again, in another order, and across a new instance: the same letters.
  sys.SetMounts(three + one + two);
  LinuxVolumes again(settings, sys.paths());
  drives = again.Drives();
  EXPECT_EQ(Letters(drives), "DEF");
  EXPECT_EQ(At(drives, p1)->letter, 'D');
  EXPECT_EQ(At(drives, p3)->letter, 'F');

  // A folder drive bound to a letter wins; the volume moves and its memory with it.
  sys.SetMounts(two + three);
  const std::string folder = sys.Point("folder");
  ASSERT_EQ(again.BindFolderDrive('d', folder, "PHOTOS", 0x12345678), 0);
  sys.SetMounts(three + one + two);
  drives = again.Drives();
  EXPECT_EQ(At(drives, folder)->letter, 'D');
  EXPECT_EQ(At(drives, folder)->kind, DriveKind::Folder);
  EXPECT_EQ(At(drives, p1)->letter, 'G');
  EXPECT_EQ(settings.GetString("Drives", "G"), "uuid:1111-AAAA");
  EXPECT_FALSE(settings.Get("Drives", "D"));
}

TEST(LinuxVolumes, TheRootFileSystemIsDriveC) {
  FakeSystem sys;
  MemorySettings settings;
  sys.SetMounts(FakeSystem::Line("1:5", sys.Point("data"), "ext4", "/dev/zero") +
                FakeSystem::Line("1:3", "/", "ext4", "/dev/null"));
  LinuxVolumes volumes(settings, sys.paths());
  const auto drives = volumes.Drives();
  EXPECT_EQ(Letters(drives), "CD");
  EXPECT_EQ(drives[0].root, "/");
  EXPECT_EQ(settings.GetString("Drives", "C"), "mount:/");  // no UUID known
}

TEST(LinuxVolumes, LabelSerialAndSizesOfAMountedVolume) {
  FakeSystem sys;
  MemorySettings settings;
  const std::string stick = sys.Point("stick"), disk = sys.Point("disk"), nas = sys.Point("nas");
  sys.Link("by-uuid", "ABCD-1234", "/dev/null");
  sys.Link("by-label", "MY\\x20STICK", "/dev/null");
  sys.Link("by-uuid", "1b4e28ba-2fa1-11d2-883f-b9a761bde3fb", "/dev/zero");
  sys.Sys("1:3", "removable", "1\n");
  sys.SetMounts(FakeSystem::Line("1:3", stick, "vfat", "/dev/null") +
                FakeSystem::Line("1:5", disk, "ext4", "/dev/zero") +
                FakeSystem::Line("0:50", nas, "nfs4", "nas:/export"));
  LinuxVolumes volumes(settings, sys.paths());
  const auto drives = volumes.Drives();
  ASSERT_EQ(Letters(drives), "DEF");
  EXPECT_EQ(drives[0].kind, DriveKind::Removable);
  EXPECT_EQ(drives[0].label, "MY STICK");
  EXPECT_EQ(drives[0].fs_type, "vfat");
  EXPECT_EQ(drives[1].kind, DriveKind::Fixed);
  EXPECT_EQ(drives[2].kind, DriveKind::Network);
  EXPECT_EQ(settings.GetString("Drives", "F"), "net:nas:/export");

  VolumeQuery q = volumes.QueryVolume('d');
  ASSERT_EQ(q.error, 0);
  EXPECT_EQ(q.info.label, "MY STICK");
  EXPECT_EQ(q.info.serial, 0xABCD1234u);
  EXPECT_GT(q.info.size, 0);
  EXPECT_GE(q.info.free, 0);
  EXPECT_LE(q.info.free, q.info.size);
  EXPECT_GT(q.info.cluster_size, 0);

  q = volumes.QueryVolume('E');
  ASSERT_EQ(q.error, 0);
  EXPECT_EQ(q.info.label, "");
  EXPECT_EQ(q.info.serial, 0x1b4e28bau);
  EXPECT_EQ(volumes.QueryVolume('Q').error, ENODEV);
}

TEST(LinuxVolumes, FolderDrivesKeepTheirOwnLabelAndSerial) {
  FakeSystem sys;
  MemorySettings settings;
  const std::string busy = sys.Point("busy");
  sys.SetMounts(FakeSystem::Line("1:3", busy, "ext4", "/dev/null"));
  LinuxVolumes volumes(settings, sys.paths());
  const std::string folder = sys.Point("archive");

  EXPECT_EQ(volumes.BindFolderDrive('D', folder, "X", 1), EBUSY);  // the mounted volume has D
  EXPECT_EQ(volumes.BindFolderDrive('5', folder, "X", 1), EINVAL);
  EXPECT_EQ(volumes.BindFolderDrive('K', folder + "/none", "X", 1), ENOENT);
  std::ofstream(folder + "/file") << "x";
  EXPECT_EQ(volumes.BindFolderDrive('K', folder + "/file", "X", 1), ENOTDIR);

  ASSERT_EQ(volumes.BindFolderDrive('k', folder + "/", "ARCHIVE01", 0xDEADBEEF), 0);
  auto drive = volumes.FindDrive('K');
  ASSERT_TRUE(drive);
  EXPECT_EQ(drive->root, folder);
  EXPECT_EQ(drive->kind, DriveKind::Folder);
  VolumeQuery q = volumes.QueryVolume('K');
  ASSERT_EQ(q.error, 0);
  EXPECT_EQ(q.info.label, "ARCHIVE01");
  EXPECT_EQ(q.info.serial, 0xDEADBEEFu);
  EXPECT_GT(q.info.size, 0);

  EXPECT_EQ(volumes.WriteLabel('K', "NEW        "), 0);  // the label dialog pads to 11
  EXPECT_EQ(volumes.QueryVolume('K').info.label, "NEW");
  EXPECT_EQ(volumes.EraseLabel('K'), 0);
  EXPECT_EQ(volumes.QueryVolume('K').info.label, "");
  EXPECT_EQ(volumes.QueryVolume('K').info.serial, 0xDEADBEEFu);

  // Kept in the settings store: a new instance sees the same drive.
  LinuxVolumes again(settings, sys.paths());
  EXPECT_EQ(again.FindDrive('K')->root, folder);

  stdfs::rename(folder, folder + ".moved");
  EXPECT_EQ(again.QueryVolume('K').error, ENOENT);
  EXPECT_EQ(again.UnbindFolderDrive('K'), 0);
  EXPECT_FALSE(again.FindDrive('K'));
  EXPECT_EQ(again.UnbindFolderDrive('K'), ENOENT);
}

TEST(LinuxVolumes, LabelsAreWrittenThroughTheDevice) {
  FakeSystem sys;
  MemorySettings settings;
  sys.Sys("1:3", "uevent", "MAJOR=1\nMINOR=3\nDEVNAME=sdb1\nDEVTYPE=partition\n");
  sys.SetMounts(FakeSystem::Line("1:3", sys.Point("stick"), "vfat", "/dev/null") +
                FakeSystem::Line("1:5", sys.Point("nodev"), "ext4", "/dev/zero") +
                FakeSystem::Line("0:50", sys.Point("nas"), "cifs", "//srv/share") +
                FakeSystem::Line("11:0", sys.Point("dvd"), "iso9660", "/dev/sr0"));
  std::vector<std::string> calls;
  int result = 0;
  LinuxVolumes volumes(settings, sys.paths(), [&](const std::string& device, const std::string& label) {
    calls.push_back(device + "=" + label);
    return result;
  });
  EXPECT_EQ(volumes.WriteLabel('D', "BACKUP     "), 0);
  EXPECT_EQ(volumes.EraseLabel('D'), 0);
  result = EACCES;
  EXPECT_EQ(volumes.WriteLabel('D', "X"), EACCES);
  EXPECT_EQ(calls, (std::vector<std::string>{"sdb1=BACKUP", "sdb1=", "sdb1=X"}));

  EXPECT_EQ(volumes.WriteLabel('E', "X"), ENOTSUP);  // no kernel name known for its device
  EXPECT_EQ(volumes.WriteLabel('F', "X"), ENOTSUP);
  EXPECT_EQ(volumes.WriteLabel('G', "X"), EROFS);
  EXPECT_EQ(volumes.WriteLabel('Z', "X"), ENODEV);
  EXPECT_EQ(calls.size(), 3u);
}

TEST(LinuxVolumes, TheRunningSystemHasItsRootAsC) {
  MemorySettings settings;
  LinuxVolumes volumes(settings);
  const auto drives = volumes.Drives();
  const Drive* root = At(drives, "/");
  ASSERT_TRUE(root) << "no drive for /";
  EXPECT_EQ(root->letter, 'C');
  for (const auto& d : drives) {
    EXPECT_NE(d.fs_type, "proc");
    EXPECT_NE(d.fs_type, "tmpfs");
    EXPECT_NE(d.fs_type, "sysfs");
  }
  const VolumeQuery q = volumes.QueryVolume('C');
  EXPECT_EQ(q.error, 0);
  EXPECT_GT(q.info.size, 0);
}

TEST(Udisks, ObjectPathsEscapeLikeTheDaemon) {
  EXPECT_EQ(UdisksBlockObjectPath("sdb1"), "/org/freedesktop/UDisks2/block_devices/sdb1");
  EXPECT_EQ(UdisksBlockObjectPath("dm-0"), "/org/freedesktop/UDisks2/block_devices/dm_2d0");
  EXPECT_EQ(UdisksBlockObjectPath("md_1"), "/org/freedesktop/UDisks2/block_devices/md_5f1");
}

TEST(Udisks, WithoutADeviceOrDaemonWritingFailsWithACode) {
  EXPECT_EQ(UdisksSetLabel("", "X"), ENODEV);
  // Whatever this machine has (no bus, a bus without udisks2, a udisks2 that refuses), a
  // device that does not exist is never reported as labelled.
  EXPECT_NE(UdisksSetLabel("tembrel-no-such-device", "X"), 0);
}

TEST(Serials, FromUuids) {
  struct Case {
    const char* uuid;
    uint32_t serial;
  };
  const Case cases[] = {
      {"ABCD-1234", 0xABCD1234},                             // FAT, exFAT
      {"abcd-1234", 0xABCD1234},
      {"1b4e28ba-2fa1-11d2-883f-b9a761bde3fb", 0x1b4e28ba},  // ext4, xfs, btrfs
      {"0123456789ABCDEF", 0x89ABCDEF},                      // NTFS: the low half
      {"2003-07-04-09-05-00-00", 0x20030704},                // ISO 9660 dates
      {"1234", 0},
      {"", 0},
      {"XYZW-1234", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(SerialFromUuid(c.uuid), c.serial) << c.uuid;
  EXPECT_EQ(SerialText(0xABCD1234), "ABCD-1234");
  EXPECT_EQ(SerialText(0x00BE0001), "00BE-0001");
}

}  // namespace
}  // namespace tembrel::volumes
