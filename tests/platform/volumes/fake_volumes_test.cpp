#include "support/fake_volumes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tembrel::volumes {
namespace {

TEST(FakeVolumes, EachQueryFailsWithItsChosenCode) {
  FakeVolumeService volumes;
  VolumeInfo info;
  info.label = "DISK01";
  info.serial = 0xABCD1234;
  info.size = 1457664;
  info.free = -1;  // undetermined
  info.cluster_size = 512;
  auto& a = volumes.Add('a', "/tmp/a", DriveKind::Removable, info);
  volumes.Add('C', "/");
  EXPECT_EQ(volumes.Drives().front().letter, 'A');
  EXPECT_EQ(volumes.FindDrive('a')->label, "DISK01");

  EXPECT_EQ(volumes.QueryVolume('A').info.free, -1);
  a.query_error = 21;
  EXPECT_EQ(volumes.QueryVolume('A').error, 21);
  a.write_error = EACCES;
  a.erase_error = EROFS;
  EXPECT_EQ(volumes.WriteLabel('A', "NEW"), EACCES);
  EXPECT_EQ(volumes.EraseLabel('A'), EROFS);
  a.write_error = a.erase_error = a.query_error = 0;
  EXPECT_EQ(volumes.WriteLabel('A', "NEW        "), 0);
  EXPECT_EQ(volumes.QueryVolume('A').info.label, "NEW");
  EXPECT_EQ(volumes.EraseLabel('A'), 0);
  EXPECT_EQ(volumes.label_writes(), (std::vector<std::string>{"A:NEW", "A:"}));
  EXPECT_EQ(volumes.QueryVolume('Q').error, ENODEV);

  EXPECT_EQ(volumes.BindFolderDrive('C', "/srv", "X", 1), EBUSY);
  EXPECT_EQ(volumes.BindFolderDrive('F', "/srv", "FOLDER", 7), 0);
  EXPECT_EQ(volumes.QueryVolume('F').info.serial, 7u);
  EXPECT_EQ(volumes.UnbindFolderDrive('F'), 0);
  EXPECT_EQ(volumes.UnbindFolderDrive('C'), ENOENT);
}

}  // namespace
}  // namespace tembrel::volumes
