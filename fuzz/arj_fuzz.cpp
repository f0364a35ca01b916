// libFuzzer target: the ARJ reader over arbitrary bytes. The first byte chooses whether volumes
// are followed; then the rest is split into a first and a second volume at a point the next two
// bytes give, so the path through a volume set is fuzzed too.
#include <algorithm>
#include <vector>

#include "archive_fuzz_sink.h"
#include "catalog/archives/arj_reader.h"
#include "catalog/archives/memory_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tembrel::archives;
  if (size < 3) return 0;
  const bool follow = data[0] & 1;
  const size_t split = std::min<size_t>(size - 3, data[1] | (data[2] << 8));
  const auto* bytes = reinterpret_cast<const std::byte*>(data + 3);
  std::vector<std::byte> first(bytes, bytes + split), second(bytes + split, bytes + (size - 3));
  ArchiveContext ctx = FuzzContext("FUZZ.ARJ");
  ctx.open = [&](const std::string& path) -> std::unique_ptr<ArchiveSource> {
    if (path == "/fuzz/FUZZ.A01") return std::make_unique<MemorySource>(second);
    return nullptr;
  };
  MemorySource src(follow ? first : std::vector<std::byte>(bytes, bytes + (size - 3)));
  FuzzSink sink;
  ReadArj(ctx, src, sink, ArjOptions{follow});
  MemorySource again(std::span(bytes, size - 3));
  ReadArjMainComment(again);
  return 0;
}
