#pragma once
// A drive table held in memory, for tests of everything that asks about drives. Each drive's
// queries and label writes can be made to fail with a chosen error code.
#include <map>
#include <string>
#include <vector>

#include "platform/volumes/volumes.h"

namespace tembrel::volumes {

class FakeVolumeService final : public VolumeService {
 public:
  struct FakeDrive {
    Drive drive;
    VolumeInfo info;       // what QueryVolume reports; -1 sizes are "undetermined"
    int query_error = 0;   // QueryVolume fails with this when not 0
    int write_error = 0;   // WriteLabel fails with this
    int erase_error = 0;   // EraseLabel fails with this
  };

  // Adds or replaces the drive at `letter`; the label is taken from `info`. The reference stays
  // valid until that drive is removed.
  FakeDrive& Add(char letter, std::string root, DriveKind kind = DriveKind::Removable, VolumeInfo info = {});
  FakeDrive* Find(char letter);
  void Remove(char letter);

  int bind_error = 0;  // BindFolderDrive fails with this

  // Labels written (erasing writes ""), in order, as "<letter>:<label>".
  const std::vector<std::string>& label_writes() const { return label_writes_; }

  std::vector<Drive> Drives() override;
  VolumeQuery QueryVolume(char letter) override;
  int WriteLabel(char letter, std::string_view label) override;
  int EraseLabel(char letter) override;
  int BindFolderDrive(char letter, std::string_view folder, std::string_view label, uint32_t serial) override;
  int UnbindFolderDrive(char letter) override;

 private:
  std::map<char, FakeDrive> drives_;
  std::vector<std::string> label_writes_;
};

}  // namespace tembrel::volumes
