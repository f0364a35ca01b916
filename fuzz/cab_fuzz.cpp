// libFuzzer target: the bytes are a CAB cabinet, listed through libmspack.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "archive_fuzz_sink.h"
#include "catalog/archives/cab_reader.h"
#include "catalog/archives/memory_source.h"

using namespace tembrel::archives;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
  ArchiveContext context = FuzzContext("A.CAB");
  context.open = [bytes](const std::string&) { return std::make_unique<MemorySource>(bytes); };
  FuzzSink sink;
  ReadCab(context, sink);
  return 0;
}
