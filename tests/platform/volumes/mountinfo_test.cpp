#include "platform/volumes/mountinfo.h"

#include <gtest/gtest.h>

namespace tembrel::volumes {
namespace {

// A desktop's mount table, trimmed: everything a drive list must leave out, and the volumes.
constexpr const char* kDesktop =
    "22 28 0:21 / /proc rw,relatime shared:12 - proc proc rw\n"
    "23 28 0:22 / /sys rw,relatime shared:2 - sysfs sysfs rw\n"
    "24 28 0:5 / /dev rw,nosuid shared:8 - devtmpfs udev rw,size=8000000k\n"
    "25 24 0:23 / /dev/pts rw,nosuid shared:9 - devpts devpts rw,mode=600\n"
    "26 28 0:24 / /run rw,nosuid shared:10 - tmpfs tmpfs rw,mode=755\n"
    "27 23 0:25 / /sys/fs/cgroup rw,nosuid shared:4 - cgroup2 cgroup2 rw\n"
    "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
    "29 28 8:1 / /boot/efi rw,relatime shared:3 - vfat /dev/sda1 rw,fmask=0077\n"
    "30 28 0:26 /@home /home rw,relatime shared:5 - btrfs /dev/sda3 rw,subvol=/@home\n"
    "31 28 7:0 / /snap/core22/1122 ro,nodev shared:6 - squashfs /dev/loop0 ro\n"
    "32 26 0:27 / /run/user/1000 rw,nosuid shared:7 - tmpfs tmpfs rw,size=1600000k\n"
    "33 32 0:28 / /run/user/1000/doc rw,nosuid shared:11 - fuse.portal portal rw,user_id=1000\n"
    "34 32 0:29 / /run/user/1000/gvfs rw,nosuid shared:13 - fuse.gvfsd-fuse gvfsd-fuse rw\n"
    "35 26 8:17 / /run/media/ann/MY\\040STICK rw,nosuid shared:14 - vfat /dev/sdb1 rw,uid=1000\n"
    "36 28 0:30 / /mnt/nas rw,relatime shared:15 - nfs4 nas:/export rw,vers=4.2\n"
    "37 28 0:31 / /mnt/win rw,relatime shared:16 - cifs //server/share rw,vers=3.0\n"
    "38 26 11:0 / /run/media/ann/DVD ro,nosuid shared:17 - iso9660 /dev/sr0 ro\n"
    "39 28 0:32 / /var/lib/docker/overlay2/abc/merged rw shared:18 - overlay overlay rw,lowerdir=x\n"
    "40 28 8:2 /srv/data /mnt/bound rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "41 28 8:17 / /mnt/again rw,relatime shared:14 - vfat /dev/sdb1 rw\n"
    "garbage line\n"
    "42 28 0:33 / /tank rw shared:19 - zfs tank rw,xattr\n";

TEST(MountInfo, ParsesFieldsAndEscapes) {
  const auto mounts = ParseMountInfo(kDesktop);
  ASSERT_EQ(mounts.size(), 21u);  // the garbage line is left out
  const MountEntry& stick = mounts[13];
  EXPECT_EQ(stick.mount_point, "/run/media/ann/MY STICK");
  EXPECT_EQ(stick.major, 8u);
  EXPECT_EQ(stick.minor, 17u);
  EXPECT_EQ(stick.fs_type, "vfat");
  EXPECT_EQ(stick.source, "/dev/sdb1");
  EXPECT_EQ(mounts[8].root, "/@home");
}

TEST(MountInfo, DrivesLeavePseudoFileSystemsOut) {
  std::vector<std::pair<std::string, DriveKind>> got;
  for (const auto& m : DriveMounts(ParseMountInfo(kDesktop))) got.emplace_back(m.mount_point, *ClassifyMount(m));
  const std::vector<std::pair<std::string, DriveKind>> expected = {
      {"/", DriveKind::Fixed},
      {"/home", DriveKind::Fixed},  // a btrfs subvolume is a volume of its own
      {"/run/media/ann/MY STICK", DriveKind::Fixed},  // removable media are told apart by their device
      {"/mnt/nas", DriveKind::Network},
      {"/mnt/win", DriveKind::Network},
      {"/run/media/ann/DVD", DriveKind::Optical},
      {"/mnt/bound", DriveKind::Fixed},  // one folder of a disk bound elsewhere: the folder is the drive
      {"/tank", DriveKind::Fixed},
  };  // "/mnt/again" is the stick a second time
  EXPECT_EQ(got, expected);
}

TEST(MountInfo, OverlayCountsOnlyAsAContainersRoot) {
  const auto mounts = ParseMountInfo(
      "1 0 0:40 / / rw - overlay overlay rw,lowerdir=/l\n"
      "2 1 0:41 / /proc rw - proc proc rw\n"
      "3 1 254:1 / /data rw - ext4 /dev/vdb rw\n"
      "4 1 0:42 / /data/layer rw - overlay overlay rw\n");
  std::vector<std::string> points;
  for (const auto& m : DriveMounts(mounts)) points.push_back(m.mount_point);
  EXPECT_EQ(points, (std::vector<std::string>{"/", "/data"}));
}

TEST(MountInfo, ALaterMountOnTheSamePointHidesTheEarlier) {
  const auto mounts = ParseMountInfo(
      "1 0 8:1 / /media/x rw - ext4 /dev/sdc1 rw\n"
      "2 0 8:33 / /media/x rw - vfat /dev/sdd1 rw\n");
  const auto drives = DriveMounts(mounts);
  ASSERT_EQ(drives.size(), 1u);
  EXPECT_EQ(drives[0].source, "/dev/sdd1");
}

}  // namespace
}  // namespace tembrel::volumes
