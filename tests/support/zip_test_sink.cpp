#include "support/zip_test_sink.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tembrel::testing {

void ZipTestSink::CountMember(uint64_t uncompressed_size) { counted.push_back(uncompressed_size); }

bool ZipTestSink::PassesSpecs(std::string_view member_name) {
  asked.emplace_back(member_name);
  return specs ? specs(member_name) : true;
}

void ZipTestSink::AddEntry(const archives::ArchiveMember& member) { entries.push_back(member); }

bool ZipTestSink::AbortRequested() { return abort_after && counted.size() >= *abort_after; }

std::vector<std::string> ZipTestSink::Names() const {
  std::vector<std::string> names;
  for (const auto& e : entries) names.push_back(e.file_name);
  return names;
}

uint64_t ZipTestSink::CountedBytes() const {
  uint64_t total = 0;
  for (uint64_t n : counted) total += n;
  return total;
}

int64_t BytesSource::ReadAt(uint64_t offset, std::span<std::byte> out) {
  if (offset >= bytes_.size()) return 0;
  size_t n = std::min<uint64_t>(out.size(), bytes_.size() - offset);
  std::memcpy(out.data(), bytes_.data() + offset, n);
  return static_cast<int64_t>(n);
}

std::vector<std::byte> FixtureBytes(const std::string& name) {
  std::string path = std::string(TEMBREL_FIXTURES_DIR) + "/zipmedia/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("missing fixture " + path);
  std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::byte> bytes(chars.size());
  std::memcpy(bytes.data(), chars.data(), chars.size());
  return bytes;
}

std::vector<std::string> FixtureNames(std::initializer_list<std::string_view> extensions) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(TEMBREL_FIXTURES_DIR) + "/zipmedia")) {
    std::string name = entry.path().filename().string();
    for (std::string_view ext : extensions)
      if (name.ends_with(ext)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::byte> ToBytes(std::string_view text) {
  std::vector<std::byte> bytes(text.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  return bytes;
}

archives::ArchiveContext MemoryContext(std::vector<std::byte> bytes, std::string name, bool in_start_folder) {
  archives::ArchiveContext context;
  context.in_start_folder = in_start_folder;
  context.folder_name = "\\DISKS";
  context.folder_path = "/media/disk/DISKS/";
  context.archive_name = name;
  const std::string path = context.folder_path + name;
  context.open = [bytes = std::move(bytes), path](const std::string& full_path) -> std::unique_ptr<archives::ArchiveSource> {
    if (full_path != path) return nullptr;
    return std::make_unique<BytesSource>(bytes);
  };
  return context;
}

std::vector<std::byte> Mutate(const std::vector<std::byte>& bytes, std::mt19937& rng) {
  std::vector<std::byte> out = bytes;
  if (out.empty()) return out;
  int changes = std::uniform_int_distribution<int>(1, 8)(rng);
  for (int i = 0; i < changes && !out.empty(); ++i) {
    size_t at = std::uniform_int_distribution<size_t>(0, out.size() - 1)(rng);
    switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
      case 0: out[at] ^= std::byte{static_cast<unsigned char>(1u << (rng() % 8))}; break;
      case 1: out[at] = std::byte{0x00}; break;
      case 2: out[at] = std::byte{0xFF}; break;
      case 3: out[at] = std::byte{static_cast<unsigned char>(rng())}; break;
      case 4: out.resize(at); break;
    }
  }
  return out;
}

}  // namespace tembrel::testing
