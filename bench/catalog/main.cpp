// Times a bare folder walk, a first cataloging run and a re-cataloging run over one tree.
//   bench_catalog [--files N] [--folders M] [--dir PATH] [--keep]
// Prints entries per second, each run's ratio to the bare walk, and peak memory per phase.
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_context.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "catalog/catalog_run.h"
#include "store/catalog_config.h"
#include "store/verify_active_catalog.h"
#include "platform/volumes/linux_volumes.h"

using namespace tembrel;
namespace fsys = std::filesystem;

namespace {

// Answers every question with Yes and every dialog with OK; the bench asks none.
class QuietUi final : public Ui {
 public:
  void Beep() override {}
  Button Information(std::string_view t) override { return Say(t); }
  Button Error(std::string_view t) override { return Say(t); }
  Button Warning(std::string_view t) override { return Say(t); }
  Button Ask(std::string_view t, bool) override {
    Say(t);
    return Button::Yes;
  }
  ProgressWindow& Progress() override { return progress_; }
  std::unique_ptr<ProgressWindow> NewProgressWindow() override { return std::make_unique<BasicProgressWindow>(); }
  MessageWindow& Message() override { return message_; }
  void ProcessEvents() override {}
  Button ShowModal(Form& f) override {
    std::fprintf(stderr, "unexpected dialog %s\n", std::string(f.ClassName()).c_str());
    return Button::Cancel;
  }

 private:
  Button Say(std::string_view t) {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(t.size()), t.data());
    return Button::Ok;
  }
  struct Msg final : MessageWindow {
    void ShowMsg(std::string_view) override {}
    void RemoveMsg() override {}
    bool Shown() const override { return false; }
    std::string Text() const override { return {}; }
  } message_;
  BasicProgressWindow progress_;
};

long PeakKb() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void MakeTree(const fsys::path& root, long files, long folders) {
  long per = files / folders, made = 0;
  for (long f = 0; f < folders; ++f) {
    fsys::path dir = root / ("DIR" + std::to_string(f / 100)) / ("SUB" + std::to_string(f));
    fsys::create_directories(dir);
    long n = f == folders - 1 ? files - made : per;
    for (long i = 0; i < n; ++i, ++made) {
      std::string name = (dir / ("FILE" + std::to_string(i) + ".DAT")).string();
      int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
      if (fd >= 0) {
        if (::write(fd, "x", static_cast<size_t>(i % 7)) < 0) std::perror("write");
        ::close(fd);
      }
    }
  }
}

long BareWalk(const std::string& dir) {
  long entries = 0;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return 0;
  while (dirent* e = ::readdir(d)) {
    if (!std::strcmp(e->d_name, ".") || !std::strcmp(e->d_name, "..")) continue;
    std::string p = dir + "/" + e->d_name;
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0) continue;
    ++entries;
    if (S_ISDIR(st.st_mode)) entries += BareWalk(p);
  }
  ::closedir(d);
  return entries;
}

// Processor time of all threads so far: with the walk read ahead on a second thread a run can
// take more processor time than wall time.
double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  long files = 100000, folders = 1000;
  std::string dir;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--files" && i + 1 < argc) files = std::atol(argv[++i]);
    else if (a == "--folders" && i + 1 < argc) folders = std::atol(argv[++i]);
    else if (a == "--dir" && i + 1 < argc) dir = argv[++i];
    else if (a == "--keep") keep = true;
    else {
      std::fprintf(stderr, "usage: %s [--files N] [--folders M] [--dir PATH] [--keep]\n", argv[0]);
      return 2;
    }
  }
  if (folders < 1) folders = 1;
  fsys::path work = dir.empty() ? fsys::temp_directory_path() / ("tembrel-bench-" + std::to_string(::getpid())) : fsys::path(dir);
  fsys::path tree = work / "tree", program = work / "program";
  // Only the tree is kept between invocations: every run starts from an empty catalog.
  fsys::remove_all(program);
  fsys::create_directories(program);
  if (!fsys::exists(tree)) {
    std::printf("making %ld files in %ld folders under %s\n", files, folders, tree.c_str());
    MakeTree(tree, files, folders);
  }

  SharedState state;
  state.program_folder = WithTrailingSlash(program.string());
  state.data_folder = state.program_folder;
  db::Database db = OpenGlobalDatabase(state.program_folder);
  AttachDataFolder(db, state.data_folder);
  EnsureGlobalTables(db, state.specs);
  QuietUi ui;
  MemorySettings settings;
  SystemClock clock;
  AppContext ctx{state, db, ui, settings, clock};
  state.active_catalog = "Bench";
  if (!LoadCatalogConfig(db, "Bench")) CreateCatalogConfig(ctx, {64, 200, 32}, false);
  VerifyActiveCatalog(ctx, true);
  {
    auto c = *LoadCatalogConfig(db, "Bench");
    c.warn_if_exists = false;
    UpdateCatalogConfig(db, c);
  }
  volumes::LinuxVolumes volumes(settings);
  volumes.BindFolderDrive('T', tree.string(), "BENCH", 0x12345678);
  auto filesystem = fs::MakePosixFileSystem();

  BareWalk(tree.string());  // warm the cache
  ResetPeak();
  auto t0 = std::chrono::steady_clock::now();
  const double cpu0 = CpuSeconds();
  long walked = BareWalk(tree.string());
  double bare = Seconds(t0);
  const double bare_cpu = CpuSeconds() - cpu0;
  long bare_kb = PeakKb();

  auto run = [&](const char* what) {
    ResetPeak();
    state.abort_requested = false;
    catalog::TCatalogProgressForm window(state);
    catalog::CatalogRunner runner(ctx, volumes, *filesystem, window);
    catalog::CatalogRunRequest r;
    r.drive = 'T';
    r.start_dir = "T:\\";
    r.keep_in_memory = std::getenv("BENCH_MEMORY") != nullptr;
    auto t = std::chrono::steady_clock::now();
    const double cpu = CpuSeconds();
    bool ok = runner.RunCataloging(r);
    double s = Seconds(t);
    long kb = PeakKb();
    const auto& c = runner.Update().counts;
    std::printf("%-12s %s %9.3f s %12.0f entries/s  %5.2fx bare walk  peak %6ld MB  cpu %6.3f s  (added %lld, updated %lld, removed %lld)\n",
                what, ok ? "ok    " : "FAILED", s, walked / s, s / bare, kb / 1024, CpuSeconds() - cpu, static_cast<long long>(c.added),
                static_cast<long long>(c.updated), static_cast<long long>(c.removed));
  };
  std::printf("%-12s        %9.3f s %12.0f entries/s  %5.2fx bare walk  peak %6ld MB  cpu %6.3f s  (%ld entries)\n",
              "bare walk", bare, walked / bare, 1.0, bare_kb / 1024, bare_cpu, walked);
  auto scan = [&](const char* what, bool stats_only, const char* note) {
    ResetPeak();
    state.abort_requested = false;
    catalog::TCatalogProgressForm window(state);
    catalog::CatalogRunner runner(ctx, volumes, *filesystem, window);
    catalog::CatalogRunRequest r;
    r.drive = 'T';
    r.start_dir = "T:\\";
    r.stats_only = stats_only;
    r.keep_in_memory = std::getenv("BENCH_MEMORY") != nullptr;
    auto t = std::chrono::steady_clock::now();
    const double cpu = CpuSeconds();
    bool ok = runner.ScanDirectoryOnly(r, *LoadCatalogConfig(db, "Bench"));
    double s = Seconds(t);
    std::printf("%-12s %s %9.3f s %12.0f entries/s  %5.2fx bare walk  peak %6ld MB  cpu %6.3f s  (%s)\n", what,
                ok ? "ok    " : "FAILED", s, walked / s, s / bare, PeakKb() / 1024, CpuSeconds() - cpu, note);
  };
  scan("walk only", true, "the run's own walk, nothing stored");
  scan("scan only", false, "walk into New, no update");
  run("first run");
  run("re-catalog");
  if (!keep && dir.empty()) fsys::remove_all(work);
  return 0;
}
