// libFuzzer target: the bytes are a picture or MP3 file; every describer reads them, and
// the FILE_ID.DIZ text rules run over them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "catalog/media/diz_text.h"
#include "catalog/media/media_info.h"

namespace {

class Bytes final : public tembrel::archives::ArchiveSource {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint64_t Size() const override { return size_; }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override {
    if (offset >= size_) return 0;
    size_t n = std::min<uint64_t>(out.size(), size_ - offset);
    std::memcpy(out.data(), data_ + offset, n);
    return static_cast<int64_t>(n);
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tembrel::media::MediaKind;
  Bytes file(data, size);
  for (MediaKind kind : {MediaKind::Gif, MediaKind::Tga, MediaKind::Pcx, MediaKind::Bmp, MediaKind::Jpeg,
                         MediaKind::Mp3})
    tembrel::media::ExtractMediaInfo(kind, file);
  tembrel::media::DizText(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
