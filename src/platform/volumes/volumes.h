#pragma once
// Drives as the program knows them: letters A-Z bound to root folders, each a mounted volume
// or a folder the user bound to a letter, with the label, serial number and sizes of the
// volume behind it. Errors are errno values (0 = done), shown to the user as "Error n".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembrel::volumes {

enum class DriveKind : uint8_t { Fixed, Removable, Optical, Network, Folder };

struct Drive {
  char letter = 0;       // 'A'-'Z'
  std::string root;      // the real folder the drive letter stands for
  DriveKind kind = DriveKind::Fixed;
  std::string label;     // the volume label when the table was made; "" for none
  std::string fs_type;   // "vfat", "ext4", ...; "" for a folder drive
};

// Figures of one volume. Sizes are -1 when they cannot be determined; the serial number is 0
// when the volume has none.
struct VolumeInfo {
  std::string label;
  uint32_t serial = 0;
  int64_t size = -1;
  int64_t free = -1;          // bytes the user may still write
  int64_t cluster_size = -1;  // bytes per allocation unit
};

struct VolumeQuery {
  int error = 0;  // the volume could not be read at all (then only `error` counts)
  VolumeInfo info;
};

class VolumeService {
 public:
  virtual ~VolumeService() = default;

  // The drive table in letter order, read afresh.
  virtual std::vector<Drive> Drives() = 0;
  virtual VolumeQuery QueryVolume(char letter) = 0;

  // Writes `label` as the volume label (trailing blanks are not part of it). 0 or an error.
  virtual int WriteLabel(char letter, std::string_view label) = 0;
  virtual int EraseLabel(char letter) = 0;

  // Binds a folder to a letter, with the label and serial number it is to report; a letter
  // held by a mounted volume is refused (EBUSY), one held by a folder drive is rebound.
  virtual int BindFolderDrive(char letter, std::string_view folder, std::string_view label, uint32_t serial) = 0;
  virtual int UnbindFolderDrive(char letter) = 0;

  std::optional<Drive> FindDrive(char letter);
};

// 'a'-'z' and 'A'-'Z' to upper case; 0 for anything else.
char NormalizeLetter(char letter);

// The serial number a file-system UUID stands for: "ABCD-1234" (FAT, exFAT) is 0xABCD1234;
// a 16-digit NTFS serial gives its low 32 bits, as Windows shows it; a longer UUID gives its
// first 32 bits. 0 when the text has fewer than 8 hexadecimal digits.
uint32_t SerialFromUuid(std::string_view uuid);

// "ABCD-1234", as the serial number is shown.
std::string SerialText(uint32_t serial);

}  // namespace tembrel::volumes
