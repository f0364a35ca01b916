// libFuzzer target: the bytes are a ZIP archive or a self-extracting program, listed,
// its comment read, its FILE_ID.DIZ read, and the self-extracting check run on it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "catalog/archives/sfx_check.h"
#include "catalog/archives/zip_reader.h"
#include "catalog/media/diz_text.h"

namespace {

using namespace tembrel::archives;

class Bytes final : public ArchiveSource {
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

class Sink final : public ArchiveSink {
 public:
  void CountMember(uint64_t) override { ++counted; }
  bool PassesSpecs(std::string_view name) override { return !name.empty(); }
  void AddEntry(const ArchiveMember& m) override { names += m.file_name.size() + m.comment.size(); }
  bool AbortRequested() override { return counted > 100000; }
  void ProcessEvents() override {}
  size_t counted = 0, names = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ArchiveContext context;
  context.folder_name = "\\F";
  context.folder_path = "/f/";
  context.archive_name = "A.EXE";
  context.open = [data, size](const std::string&) { return std::make_unique<Bytes>(data, size); };
  Sink sink;
  ReadZip(context, sink);
  ReadZipMainComment(context);
  tembrel::media::ReadDizComment(context);
  ExpandSetting run = ExpandSetting::OnDemand;
  CheckSelfExtracting(
      context, sink, run, [](std::string_view) { return tembrel::Button::Yes; }, [](std::string_view) {});
  return 0;
}
