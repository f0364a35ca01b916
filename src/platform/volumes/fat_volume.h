#pragma once
// The volume serial number and label of a FAT12/16/32 file system, read from its device or
// image: the 32-bit serial of the boot sector, and the label of the root folder's volume
// entry, which is what the system shows (the boot sector's copy goes stale on some relabels).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tembrel::volumes {

struct FatVolumeId {
  uint32_t serial = 0;
  std::string label;  // trailing blanks removed; "" for none
};

// Where the root folder lies, from a boot sector.
struct FatLayout {
  uint32_t bytes_per_sector = 0;
  uint64_t root_offset = 0;  // bytes from the start of the volume
  uint64_t root_size = 0;    // bytes of the root folder read for its label entry
};

struct FatBootSector {
  FatVolumeId id;  // label here is the boot sector's copy
  FatLayout layout;
};

// nullopt when the bytes are no FAT boot sector (exFAT and NTFS are not FAT here).
std::optional<FatBootSector> ParseFatBootSector(std::span<const std::byte> sector);

// The label of the root folder's volume entry; nullopt when there is none.
std::optional<std::string> FindFatRootLabel(std::span<const std::byte> root);

// Both, from an open device or image file; nullopt when it is not FAT or cannot be read.
std::optional<FatVolumeId> ReadFatVolumeId(int fd);

}  // namespace tembrel::volumes
