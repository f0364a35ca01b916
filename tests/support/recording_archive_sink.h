#pragma once
// Test doubles for the archive readers: a sink that records what a reader hands it, and
// helpers that run a reader over a fixture file or over bytes in memory.
#include <cstddef>
#include <functional>
#include <ostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/archives/archive_dispatch.h"
#include "catalog/archives/archive_reader.h"

namespace tembrel::archives::testing {

class RecordingArchiveSink : public ArchiveSink {
 public:
  void CountMember(uint64_t uncompressed_size) override {
    ++counted;
    counted_bytes += uncompressed_size;
  }
  bool PassesSpecs(std::string_view member_name) override {
    spec_checks.emplace_back(member_name);
    return !specs || specs(member_name);
  }
  void AddEntry(const ArchiveMember& member) override { entries.push_back(member); }
  bool AbortRequested() override { return abort_after_events >= 0 && events >= static_cast<size_t>(abort_after_events); }
  void ProcessEvents() override { ++events; }

  std::vector<ArchiveMember> entries;
  std::vector<std::string> spec_checks;
  uint64_t counted = 0;
  uint64_t counted_bytes = 0;
  size_t events = 0;
  // Asks to stop once ProcessEvents has run this many times; negative: never.
  long abort_after_events = -1;
  // The include/exclude test; empty passes everything.
  std::function<bool(std::string_view)> specs;
};

std::string ArchiveFixturePath(const std::string& name);
std::vector<std::byte> LoadArchiveFixture(const std::string& name);
// Every file of the archive fixture folder except the scripts that make them.
std::vector<std::string> ArchiveFixtureNames();
// The kind the cataloging run would give the name (ARJ volumes A01 ... included).
ArchiveKind KindForFixture(const std::string& name);

// Files held in memory under their names, opened through ArchiveContext::open; a piece size
// other than 0 makes every read return at most that many bytes.
class MemoryFolder {
 public:
  void Add(const std::string& name, std::vector<std::byte> bytes) { files_[name] = std::move(bytes); }
  SourceOpener Opener(size_t piece = 0) const;
  static constexpr const char* kPath = "/memory/";

 private:
  std::map<std::string, std::vector<std::byte>> files_;
};

struct ReadOutput {
  ReadResult result;
  RecordingArchiveSink sink;
};

// Reads the fixture through the dispatcher, from the fixture folder on disk.
ReadOutput ReadFixture(const std::string& name, const ReaderOptions& options = {}, bool in_start_folder = true);
// Reads bytes under the given archive name, in pieces when piece is not 0.
ReadOutput ReadBytes(ArchiveKind kind, const std::string& name, std::vector<std::byte> bytes,
                     size_t piece = 0, const ReaderOptions& options = {});

// One row of a reader's fixture table.
struct ArchiveCase {
  const char* fixture;
  size_t entries;          // recorded through AddEntry
  const char* first_name;  // of the first recorded entry; "" when none
  ReadOutcome outcome;
};
void PrintTo(const ArchiveCase& c, std::ostream* os);
// A test name made of the fixture's name.
std::string ArchiveCaseName(const ArchiveCase& c);
// Reads the case's fixture and checks the count, the first name and the outcome.
void ExpectArchiveCase(const ArchiveCase& c, const ReaderOptions& options = {});

}  // namespace tembrel::archives::testing
