#pragma once
// The sink every archive fuzz target reads into: it takes every member and traps on any entry
// that the catalog could not store (an impossible date or time, a negative size, a name that
// is not UTF-8).
#include <cstdlib>

#include "catalog/archives/archive_reader.h"
#include "catalog/archives/archive_text.h"

namespace tembrel::archives {

class FuzzSink final : public ArchiveSink {
 public:
  void CountMember(uint64_t) override {}
  bool PassesSpecs(std::string_view name) override { return !name.empty(); }
  void AddEntry(const ArchiveMember& m) override {
    if (m.size < 0 || !IsValidDate(m.date) || !IsValidTime(m.time) || m.file_name.empty() ||
        !IsValidUtf8(m.file_name) || !IsValidUtf8(m.comment))
      std::abort();
  }
  bool AbortRequested() override { return false; }
  void ProcessEvents() override {}
};

inline ArchiveContext FuzzContext(const char* name) {
  ArchiveContext ctx;
  ctx.folder_name = "\\";
  ctx.folder_path = "/fuzz/";
  ctx.archive_name = name;
  ctx.open = [](const std::string&) { return std::unique_ptr<ArchiveSource>(); };
  return ctx;
}

}  // namespace tembrel::archives
