// libFuzzer target: the bytes are a picture or MP3 file; every describer reads them, and
// the FILE_ID.DIZ text rules run over them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalog/archives/memory_source.h"
#include "catalog/media/diz_text.h"
#include "catalog/media/media_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tembrel::media::MediaKind;
  tembrel::archives::MemorySource file(std::span<const std::byte>(reinterpret_cast<const std::byte*>(data), size));
  for (MediaKind kind : {MediaKind::Gif, MediaKind::Tga, MediaKind::Pcx, MediaKind::Bmp, MediaKind::Jpeg,
                         MediaKind::Mp3})
    tembrel::media::ExtractMediaInfo(kind, file);
  tembrel::media::DizText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
