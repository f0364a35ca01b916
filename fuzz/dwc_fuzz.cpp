// libFuzzer target: the DWC reader over arbitrary bytes.
#include "archive_fuzz_sink.h"
#include "catalog/archives/dwc_reader.h"
#include "catalog/archives/memory_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tembrel::archives;
  MemorySource src(std::span(reinterpret_cast<const std::byte*>(data), size));
  FuzzSink sink;
  ReadDwc(FuzzContext("FUZZ.DWC"), src, sink);
  return 0;
}
