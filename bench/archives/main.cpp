// Archive listing speed. ZIP: builds an archive of 100,000 members with the zip tool in a
// temporary folder, lists it through the ZIP reader and times "unzip -l" on the same file
// in the same run; prints members per second for both and their ratio.
//   bench_archives [members]
//   bench_archives --zip FILE      times an existing archive instead (for profiling)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "catalog/archives/zip_reader.h"

namespace {

namespace fs = std::filesystem;
using namespace tembrel::archives;
using Clock = std::chrono::steady_clock;

class FileSource final : public ArchiveSource {
 public:
  FileSource(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~FileSource() override { ::close(fd_); }
  uint64_t Size() const override { return size_; }
  int64_t ReadAt(uint64_t offset, std::span<std::byte> out) override {
    ssize_t n = ::pread(fd_, out.data(), out.size(), static_cast<off_t>(offset));
    return n < 0 ? -1 : n;
  }

 private:
  int fd_;
  uint64_t size_;
};

std::unique_ptr<ArchiveSource> OpenFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  ::fstat(fd, &st);
  return std::make_unique<FileSource>(fd, static_cast<uint64_t>(st.st_size));
}

class CountingSink final : public ArchiveSink {
 public:
  void CountMember(uint64_t size) override {
    ++members;
    bytes += size;
  }
  bool PassesSpecs(std::string_view) override { return true; }
  void AddEntry(const ArchiveMember& m) override { name_chars += m.file_name.size(); }
  bool AbortRequested() override { return false; }
  void ProcessEvents() override {}
  uint64_t members = 0, bytes = 0, name_chars = 0;
};

int Run(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

int TimeListing(const std::string& zip);

int ZipBench(long members) {
  char pattern[] = "/tmp/tembrel-bench-XXXXXX";
  if (!::mkdtemp(pattern)) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path root = pattern;
  struct Cleanup {
    fs::path path;
    ~Cleanup() {
      std::error_code ec;
      fs::remove_all(path, ec);
    }
  } cleanup{root};

  // 1000 members to a folder, each a few bytes, so the directory dominates as it does on
  // real disks full of small files.
  const fs::path tree = root / "tree";
  auto start = Clock::now();
  for (long i = 0; i < members; ++i) {
    fs::path folder = tree / ("dir" + std::to_string(i / 1000));
    if (i % 1000 == 0) fs::create_directories(folder);
    std::string name = (folder / ("file" + std::to_string(i) + ".txt")).string();
    FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) {
      std::perror(name.c_str());
      return 1;
    }
    std::fprintf(f, "%ld\n", i);
    std::fclose(f);
  }
  const std::string zip = (root / "bench.zip").string();
  // -D: no folder members, so the archive holds exactly `members` members.
  if (Run("cd '" + tree.string() + "' && zip -q -r -D -X '" + zip + "' .") != 0) {
    std::fprintf(stderr, "zip failed\n");
    return 1;
  }
  std::printf("built %ld-member ZIP (%.1f MB) in %.1f s\n", members, fs::file_size(zip) / 1e6,
              Seconds(Clock::now() - start));
  return TimeListing(zip);
}

int TimeListing(const std::string& zip) {
  ArchiveContext context;
  context.folder_name = "\\";
  context.folder_path = fs::path(zip).parent_path().string() + "/";
  context.archive_name = fs::path(zip).filename().string();
  context.open = OpenFile;

  const int rounds = 5;
  double ours = 1e9, theirs = 1e9;
  uint64_t listed = 0;
  for (int r = 0; r < rounds; ++r) {
    CountingSink sink;
    auto t0 = Clock::now();
    ReadResult result = ReadZip(context, sink);
    ours = std::min(ours, Seconds(Clock::now() - t0));
    if (result.outcome != ReadOutcome::Ok) {
      std::fprintf(stderr, "listing failed: %s\n", result.detail.c_str());
      return 1;
    }
    listed = sink.members;

    t0 = Clock::now();
    if (Run("unzip -l '" + zip + "' > /dev/null") != 0) {
      std::fprintf(stderr, "unzip -l failed\n");
      return 1;
    }
    theirs = std::min(theirs, Seconds(Clock::now() - t0));
  }
  std::printf("ZIP reader: %llu members in %.3f s = %.0f members/s (best of %d)\n",
              static_cast<unsigned long long>(listed), ours, listed / ours, rounds);
  std::printf("unzip -l:   %llu members in %.3f s = %.0f members/s (best of %d)\n",
              static_cast<unsigned long long>(listed), theirs, listed / theirs, rounds);
  std::printf("ratio (reader speed / unzip -l speed): %.2f\n", theirs / ours);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], "--zip") == 0) return TimeListing(fs::absolute(argv[2]).string());
  long members = argc > 1 ? std::atol(argv[1]) : 100000;
  return ZipBench(members);
}
