// libFuzzer target: the bytes are a ZIP archive or a self-extracting program, listed,
// its comment read, its FILE_ID.DIZ read, and the self-extracting check run on it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "archive_fuzz_sink.h"
#include "catalog/archives/memory_source.h"
#include "catalog/archives/sfx_check.h"
#include "catalog/archives/zip_reader.h"
#include "catalog/media/diz_text.h"

using namespace tembrel::archives;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
  ArchiveContext context = FuzzContext("A.EXE");
  context.open = [bytes](const std::string&) { return std::make_unique<MemorySource>(bytes); };
  FuzzSink sink;
  ReadZip(context, sink);
  ReadZipMainComment(context);
  tembrel::media::ReadDizComment(context);
  ExpandSetting run = ExpandSetting::OnDemand;
  CheckSelfExtracting(
      context, sink, run, [](std::string_view) { return tembrel::Button::Yes; }, [](std::string_view) {});
  return 0;
}
