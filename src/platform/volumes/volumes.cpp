#include "platform/volumes/volumes.h"

#include <cstdio>

namespace tembrel::volumes {

std::optional<Drive> VolumeService::FindDrive(char letter) {
  letter = NormalizeLetter(letter);
  for (auto& d : Drives())
    if (d.letter == letter) return d;
  return std::nullopt;
}

char NormalizeLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') return static_cast<char>(letter - 'a' + 'A');
  if (letter >= 'A' && letter <= 'Z') return letter;
  return 0;
}

uint32_t SerialFromUuid(std::string_view uuid) {
  std::string digits;
  bool dashes = false;
  for (char c : uuid) {
    if (c == '-') {
      dashes = true;
      continue;
    }
    const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!hex) return 0;
    digits.push_back(c);
  }
  if (digits.size() < 8) return 0;
  // NTFS keeps a 64-bit serial; the system shows its low half.
  const size_t start = (!dashes && digits.size() == 16) ? 8 : 0;
  uint32_t v = 0;
  for (size_t i = start; i < start + 8; ++i) {
    const char c = digits[i];
    const uint32_t d = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    v = (v << 4) | d;
  }
  return v;
}

std::string SerialText(uint32_t serial) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04X-%04X", static_cast<unsigned>(serial >> 16), static_cast<unsigned>(serial & 0xFFFF));
  return buf;
}

}  // namespace tembrel::volumes
