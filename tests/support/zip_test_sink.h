#pragma once
// Test doubles for the ZIP, CAB and media readers: a sink that records what a reader hands
// over, bytes in memory as an archive source, and fixture loading.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalog/archives/archive_reader.h"

namespace tembrel::testing {

class ZipTestSink final : public archives::ArchiveSink {
 public:
  void CountMember(uint64_t uncompressed_size) override;
  bool PassesSpecs(std::string_view member_name) override;
  void AddEntry(const archives::ArchiveMember& member) override;
  bool AbortRequested() override;
  void ProcessEvents() override { ++events; }

  // Every name PassesSpecs was asked about; by default every name passes.
  std::function<bool(std::string_view)> specs;
  // AbortRequested turns true once this many members have been counted.
  std::optional<size_t> abort_after;

  std::vector<uint64_t> counted;
  std::vector<std::string> asked;
  std::vector<archives::ArchiveMember> entries;
  size_t events = 0;

  std::vector<std::string> Names() const;
  uint64_t CountedBytes() const;
};

// Bytes in memory as an archive source.
class BytesSource final : public archives::ArchiveSource {
 public:
  explicit BytesSource(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override;

 private:
  std::vector<std::byte> bytes_;
};

std::vector<std::byte> FixtureBytes(const std::string& name);  // tests/fixtures/zipmedia/<name>
// Names of the samples in that folder whose names end in one of `extensions` (".zip"), sorted.
std::vector<std::string> FixtureNames(std::initializer_list<std::string_view> extensions);
std::vector<std::byte> ToBytes(std::string_view text);

// A context for the archive `name` in folder "\DISKS" whose only file is `bytes`.
archives::ArchiveContext MemoryContext(std::vector<std::byte> bytes, std::string name = "TEST.ZIP",
                                       bool in_start_folder = true);

// Fixed-seed damage for robustness tests: flips, overwrites with 0x00/0xFF/random bytes and
// cuts, 1 to 8 changes per variant.
std::vector<std::byte> Mutate(const std::vector<std::byte>& bytes, std::mt19937& rng);

}  // namespace tembrel::testing
