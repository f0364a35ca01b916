// Listing speed of the ARJ reader against the arj tool's own listing, on an archive of 20,000
// members that the arj tool builds first. Prints members per second for both and the ratio.
//   build/bench/bench_arj [members]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/archives/archive_dispatch.h"
#include "catalog/archives/file_source.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;
using namespace tembrel::archives;

class CountingSink final : public ArchiveSink {
 public:
  void CountMember(uint64_t size) override { ++members, bytes += size; }
  bool PassesSpecs(std::string_view) override { return true; }
  void AddEntry(const ArchiveMember& m) override { names += m.file_name.size(); }
  bool AbortRequested() override { return false; }
  void ProcessEvents() override {}
  uint64_t members = 0, bytes = 0, names = 0;
};

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

int Run(const std::string& command) { return std::system(command.c_str()); }

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  if (Run("command -v arj >/dev/null") != 0) {
    std::puts("needs the arj tool (apt-get install arj)");
    return 1;
  }
  char tmpl[] = "/tmp/tembrel-bench-arj-XXXXXX";
  if (!mkdtemp(tmpl)) return 1;
  const fs::path dir = tmpl;
  fs::create_directory(dir / "m");
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "f%05d.txt", i);
    std::ofstream(dir / "m" / name) << i;
  }
  std::printf("building an ARJ of %d members ...\n", count);
  const auto built = Clock::now();
  if (Run("cd '" + dir.string() + "/m' && arj a -y -m0 ../big.arj '*.txt' >/dev/null") != 0) {
    std::puts("arj failed");
    return 1;
  }
  std::printf("built in %.1f s, %ju bytes\n", Seconds(built), static_cast<uintmax_t>(fs::file_size(dir / "big.arj")));

  ArchiveContext ctx;
  ctx.folder_path = dir.string() + "/";
  ctx.archive_name = "big.arj";
  ctx.open = DefaultSourceOpener();
  constexpr int kRounds = 5;
  double ours = 1e9;
  uint64_t listed = 0;
  for (int r = 0; r < kRounds; ++r) {
    CountingSink sink;
    const auto t = Clock::now();
    const ReadResult res = ReadArchive(ArchiveKind::Arj, ctx, sink, {});
    ours = std::min(ours, Seconds(t));
    listed = sink.members;
    if (res.outcome != ReadOutcome::Ok) std::printf("reader: %s\n", res.detail.c_str());
  }
  double tool = 1e9;
  for (int r = 0; r < kRounds; ++r) {
    const auto t = Clock::now();
    Run("arj l '" + (dir / "big.arj").string() + "' >/dev/null");
    tool = std::min(tool, Seconds(t));
  }
  std::printf("our reader: %ju members in %.4f s = %.0f members/s (best of %d)\n",
              static_cast<uintmax_t>(listed), ours, listed / ours, kRounds);
  std::printf("arj l:      %d members in %.4f s = %.0f members/s (best of %d)\n", count, tool, count / tool, kRounds);
  std::printf("ratio: our reader is %.1f times as fast as arj l\n", tool / ours);
  fs::remove_all(dir);
  return 0;
}
