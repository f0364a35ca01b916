#pragma once
// A cabinet's file list through libmspack: stored name, size, DOS stamp and attributes of
// every item. Only the headers are read; nothing is decompressed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/archives/byte_source.h"

namespace tembrel::platform {

struct CabItem {
  std::string raw_name;  // the stored bytes; UTF-8 when utf8 is set
  bool utf8 = false;     // the cabinet's "name is UTF-8" attribute bit
  uint64_t size = 0;     // uncompressed
  uint16_t dos_date = 0;
  uint16_t dos_time = 0;
  uint16_t attributes = 0;  // as stored, the UTF-8 bit included
};

// The items of the cabinet that starts at the first byte of `bytes`, in stored order; null
// when the bytes are not a cabinet or its headers are damaged.
std::optional<std::vector<CabItem>> ListCabinet(ByteSource& bytes);

}  // namespace tembrel::platform
