#include "platform/volumes/fat_volume.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "catalog/archives/byte_cursor.h"
#include "platform/text/cp1252.h"

namespace tembrel::volumes {
namespace {

using archives::ByteCursor;

// Boot sector (all little-endian):
//   0  jump (EB xx 90 | E9 xx xx)   3 OEM name[8]
//  11 bytes/sector u16   13 sectors/cluster u8   14 reserved sectors u16   16 FAT count u8
//  17 root entries u16 (0 on FAT32)   19 total sectors u16   21 media u8
//  22 sectors/FAT u16 (0 on FAT32)   ...   32 total sectors u32
// FAT12/16: 38 extended signature u8 (0x28, 0x29)   39 serial u32   43 label[11]
// FAT32:    36 sectors/FAT u32   44 root cluster u32
//           66 extended signature u8   67 serial u32   71 label[11]
constexpr size_t kBootSectorSize = 512;
constexpr size_t kBytesPerSectorOffset = 11;
constexpr size_t kFat32SectorsPerFatOffset = 36;
constexpr size_t kFat32RootClusterOffset = 44;
constexpr size_t kFat16ExtendedOffset = 38;
constexpr size_t kFat32ExtendedOffset = 66;
constexpr uint8_t kSignatureSerialOnly = 0x28;
constexpr uint8_t kSignatureSerialAndLabel = 0x29;
constexpr size_t kLabelLength = 11;

// Root folder entries: name[11], attribute u8 at 11; 32 bytes each.
constexpr size_t kDirEntrySize = 32;
constexpr size_t kDirAttributeOffset = 11;
constexpr uint8_t kAttrVolume = 0x08;
constexpr uint8_t kAttrDirectory = 0x10;
constexpr uint8_t kAttrLongName = 0x0F;
constexpr uint8_t kEntryFree = 0xE5;
constexpr uint8_t kEntryEnd = 0x00;
constexpr uint8_t kEntryE5Escape = 0x05;

// The label entry is nearly always the first; a bound keeps a damaged root cheap.
constexpr uint64_t kMaxRootRead = 64 * 1024;

std::string TrimLabel(std::string raw) {
  while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\0')) raw.pop_back();
  return text::DecodeFileName(raw);
}

bool IsPowerOfTwo(uint32_t v) { return v != 0 && (v & (v - 1)) == 0; }

}  // namespace

std::optional<FatBootSector> ParseFatBootSector(std::span<const std::byte> sector) {
  ByteCursor c(sector);
  if (!c.Need(kBootSectorSize)) return std::nullopt;
  const auto jump = c.U8();
  if (jump != 0xEB && jump != 0xE9) return std::nullopt;
  c.Seek(kBytesPerSectorOffset);
  const uint32_t bytes_per_sector = *c.Le16();
  const uint32_t sectors_per_cluster = *c.U8();
  const uint32_t reserved = *c.Le16();
  const uint32_t fat_count = *c.U8();
  const uint32_t root_entries = *c.Le16();
  c.Skip(3);  // total sectors u16, media
  const uint32_t sectors_per_fat16 = *c.Le16();
  if (bytes_per_sector < 512 || bytes_per_sector > 4096 || !IsPowerOfTwo(bytes_per_sector)) return std::nullopt;
  if (!IsPowerOfTwo(sectors_per_cluster) || sectors_per_cluster > 128) return std::nullopt;
  if (reserved == 0 || fat_count == 0) return std::nullopt;

  const bool fat32 = sectors_per_fat16 == 0 && root_entries == 0;
  FatBootSector out;
  out.layout.bytes_per_sector = bytes_per_sector;
  if (fat32) {
    c.Seek(kFat32SectorsPerFatOffset);
    const uint64_t sectors_per_fat = *c.Le32();
    c.Seek(kFat32RootClusterOffset);
    const uint64_t root_cluster = *c.Le32();
    if (sectors_per_fat == 0 || root_cluster < 2) return std::nullopt;
    const uint64_t first_data = reserved + fat_count * sectors_per_fat;
    out.layout.root_offset = (first_data + (root_cluster - 2) * sectors_per_cluster) * bytes_per_sector;
    out.layout.root_size = uint64_t{sectors_per_cluster} * bytes_per_sector;
    c.Seek(kFat32ExtendedOffset);
  } else {
    if (sectors_per_fat16 == 0 || root_entries == 0) return std::nullopt;
    out.layout.root_offset = (reserved + uint64_t{fat_count} * sectors_per_fat16) * bytes_per_sector;
    out.layout.root_size = uint64_t{root_entries} * kDirEntrySize;
    c.Seek(kFat16ExtendedOffset);
  }
  if (out.layout.root_size > kMaxRootRead) out.layout.root_size = kMaxRootRead;
  const uint8_t signature = *c.U8();
  if (signature == kSignatureSerialOnly || signature == kSignatureSerialAndLabel) {
    out.id.serial = *c.Le32();
    if (signature == kSignatureSerialAndLabel) {
      std::string label = TrimLabel(*c.Text(kLabelLength));
      if (label != "NO NAME") out.id.label = std::move(label);  // what formatting writes for none
    }
  }
  return out;
}

std::optional<std::string> FindFatRootLabel(std::span<const std::byte> root) {
  for (size_t off = 0; off + kDirEntrySize <= root.size(); off += kDirEntrySize) {
    ByteCursor c(root.subspan(off, kDirEntrySize));
    std::string name = *c.Text(kLabelLength);
    const auto first = static_cast<uint8_t>(name[0]);
    if (first == kEntryEnd) break;
    if (first == kEntryFree) continue;
    c.Seek(kDirAttributeOffset);
    const uint8_t attr = *c.U8();
    if (attr == kAttrLongName || !(attr & kAttrVolume) || (attr & kAttrDirectory)) continue;
    if (first == kEntryE5Escape) name[0] = static_cast<char>(kEntryFree);
    return TrimLabel(std::move(name));
  }
  return std::nullopt;
}

std::optional<FatVolumeId> ReadFatVolumeId(int fd) {
  std::vector<std::byte> sector(kBootSectorSize);
  if (::pread(fd, sector.data(), sector.size(), 0) != static_cast<ssize_t>(sector.size())) return std::nullopt;
  auto boot = ParseFatBootSector(sector);
  if (!boot) return std::nullopt;
  FatVolumeId id = boot->id;
  std::vector<std::byte> root(boot->layout.root_size);
  const ssize_t got = ::pread(fd, root.data(), root.size(), static_cast<off_t>(boot->layout.root_offset));
  if (got >= static_cast<ssize_t>(kDirEntrySize)) {
    root.resize(static_cast<size_t>(got));
    id.label = FindFatRootLabel(root).value_or("");
  }
  return id;
}

}  // namespace tembrel::volumes
