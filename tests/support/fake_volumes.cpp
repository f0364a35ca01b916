#include "support/fake_volumes.h"

#include <cerrno>

namespace tembrel::volumes {

FakeVolumeService::FakeDrive& FakeVolumeService::Add(char letter, std::string root, DriveKind kind, VolumeInfo info) {
  letter = NormalizeLetter(letter);
  FakeDrive d;
  d.drive = Drive{letter, std::move(root), kind, info.label, kind == DriveKind::Folder ? "" : "vfat"};
  d.info = std::move(info);
  drives_.erase(letter);
  return drives_.emplace(letter, std::move(d)).first->second;
}

FakeVolumeService::FakeDrive* FakeVolumeService::Find(char letter) {
  auto it = drives_.find(NormalizeLetter(letter));
  return it == drives_.end() ? nullptr : &it->second;
}

void FakeVolumeService::Remove(char letter) { drives_.erase(NormalizeLetter(letter)); }

std::vector<Drive> FakeVolumeService::Drives() {
  std::vector<Drive> out;
  for (const auto& [letter, d] : drives_) out.push_back(d.drive);
  return out;
}

VolumeQuery FakeVolumeService::QueryVolume(char letter) {
  const FakeDrive* d = Find(letter);
  if (d == nullptr) return {ENODEV, {}};
  if (d->query_error != 0) return {d->query_error, {}};
  return {0, d->info};
}

int FakeVolumeService::WriteLabel(char letter, std::string_view label) {
  FakeDrive* d = Find(letter);
  if (d == nullptr) return ENODEV;
  if (d->write_error != 0) return d->write_error;
  while (!label.empty() && label.back() == ' ') label.remove_suffix(1);
  d->info.label = d->drive.label = std::string(label);
  label_writes_.push_back(std::string(1, d->drive.letter) + ":" + d->info.label);
  return 0;
}

int FakeVolumeService::EraseLabel(char letter) {
  FakeDrive* d = Find(letter);
  if (d == nullptr) return ENODEV;
  if (d->erase_error != 0) return d->erase_error;
  return WriteLabel(letter, "");
}

int FakeVolumeService::BindFolderDrive(char letter, std::string_view folder, std::string_view label, uint32_t serial) {
  if (bind_error != 0) return bind_error;
  if (NormalizeLetter(letter) == 0 || folder.empty()) return EINVAL;
  if (const FakeDrive* d = Find(letter); d != nullptr && d->drive.kind != DriveKind::Folder) return EBUSY;
  VolumeInfo info;
  info.label = std::string(label);
  info.serial = serial;
  Add(letter, std::string(folder), DriveKind::Folder, info);
  return 0;
}

int FakeVolumeService::UnbindFolderDrive(char letter) {
  const FakeDrive* d = Find(letter);
  if (d == nullptr || d->drive.kind != DriveKind::Folder) return ENOENT;
  Remove(letter);
  return 0;
}

}  // namespace tembrel::volumes
