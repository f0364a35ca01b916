#include "support/recording_archive_sink.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "catalog/archives/archive_text.h"
#include "catalog/archives/file_source.h"
#include "catalog/archives/memory_source.h"

#include <gtest/gtest.h>

namespace tembrel::archives::testing {

std::string ArchiveFixturePath(const std::string& name) {
  return std::string(TEMBREL_FIXTURES_DIR) + "/archives/" + name;
}

std::vector<std::byte> LoadArchiveFixture(const std::string& name) {
  std::ifstream in(ArchiveFixturePath(name), std::ios::binary);
  if (!in) throw std::runtime_error("missing fixture " + name);
  std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::byte> out(raw.size());
  std::transform(raw.begin(), raw.end(), out.begin(), [](char c) { return static_cast<std::byte>(c); });
  return out;
}

std::vector<std::string> ArchiveFixtureNames() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(ArchiveFixturePath(""))) {
    const std::string name = e.path().filename().string();
    if (name.ends_with(".sh") || name.ends_with(".py") || name.ends_with(".cpp")) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

ArchiveKind KindForFixture(const std::string& name) {
  const std::string ext = UpperAscii(name.substr(name.rfind('.') + 1));
  static const std::map<std::string, ArchiveKind> kinds = {
      {"ARC", ArchiveKind::Arc}, {"ARJ", ArchiveKind::Arj}, {"CAB", ArchiveKind::Cab},
      {"DWC", ArchiveKind::Dwc}, {"HYP", ArchiveKind::Hyp}, {"LBR", ArchiveKind::Lbr},
      {"LZH", ArchiveKind::Lzh}, {"LZS", ArchiveKind::Lzs}, {"PAK", ArchiveKind::Pak},
      {"RAR", ArchiveKind::Rar}, {"SQZ", ArchiveKind::Sqz}, {"ZIP", ArchiveKind::Zip},
      {"ZOO", ArchiveKind::Zoo}};
  if (auto it = kinds.find(ext); it != kinds.end()) return it->second;
  if (ext.size() == 3 && ext[0] == 'A' && std::isdigit(static_cast<unsigned char>(ext[1])) &&
      std::isdigit(static_cast<unsigned char>(ext[2])))
    return ArchiveKind::Arj;
  throw std::runtime_error("no kind for fixture " + name);
}

SourceOpener MemoryFolder::Opener(size_t piece) const {
  return [files = files_, piece](const std::string& full_path) -> std::unique_ptr<ArchiveSource> {
    const std::string prefix = kPath;
    if (full_path.rfind(prefix, 0) != 0) return nullptr;
    auto it = files.find(full_path.substr(prefix.size()));
    if (it == files.end()) return nullptr;
    return std::make_unique<MemorySource>(it->second, piece);
  };
}

ReadOutput ReadFixture(const std::string& name, const ReaderOptions& options, bool in_start_folder) {
  ReadOutput out;
  ArchiveContext ctx;
  ctx.in_start_folder = in_start_folder;
  ctx.folder_name = "\\ARCHIVES";
  ctx.folder_path = ArchiveFixturePath("");
  ctx.archive_name = name;
  ctx.open = DefaultSourceOpener();
  out.result = ReadArchive(KindForFixture(name), ctx, out.sink, options);
  return out;
}

ReadOutput ReadBytes(ArchiveKind kind, const std::string& name, std::vector<std::byte> bytes, size_t piece,
                     const ReaderOptions& options) {
  MemoryFolder folder;
  folder.Add(name, std::move(bytes));
  ReadOutput out;
  ArchiveContext ctx;
  ctx.folder_name = "\\";
  ctx.folder_path = MemoryFolder::kPath;
  ctx.archive_name = name;
  ctx.open = folder.Opener(piece);
  out.result = ReadArchive(kind, ctx, out.sink, options);
  return out;
}

void PrintTo(const ArchiveCase& c, std::ostream* os) { *os << c.fixture; }

std::string ArchiveCaseName(const ArchiveCase& c) {
  std::string name = c.fixture;
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

void ExpectArchiveCase(const ArchiveCase& c, const ReaderOptions& options) {
  const ReadOutput out = ReadFixture(c.fixture, options);
  EXPECT_EQ(out.result.outcome, c.outcome) << c.fixture << ": " << out.result.detail;
  ASSERT_EQ(out.sink.entries.size(), c.entries) << c.fixture << ": " << out.result.detail;
  if (c.entries > 0) {
    EXPECT_EQ(out.sink.entries.front().file_name, c.first_name) << c.fixture;
  }
  EXPECT_GE(out.sink.counted, out.sink.entries.size()) << c.fixture;
}

}  // namespace tembrel::archives::testing
