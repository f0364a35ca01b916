// Times a bare folder walk, a first cataloging run and a re-cataloging run over one tree.
//   bench_catalog [--files N] [--folders M] [--dir PATH] [--keep] [--repeat K] [--only PHASE]
// Prints entries per second, each run's ratio to the bare walk, processor time and peak memory
// per phase, the best of K runs (3 unless told). BENCH_MEMORY=1 keeps New in memory.
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

#include "app/app_context.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "catalog/catalog_run.h"
#include "catalog/new_table.h"
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
  int repeat = 3;
  std::string only;  // one phase: walk, scan, first or again
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--files" && i + 1 < argc) files = std::atol(argv[++i]);
    else if (a == "--folders" && i + 1 < argc) folders = std::atol(argv[++i]);
    else if (a == "--dir" && i + 1 < argc) dir = argv[++i];
    else if (a == "--keep") keep = true;
    else if (a == "--repeat" && i + 1 < argc) repeat = std::max(1, std::atoi(argv[++i]));
    else if (a == "--only" && i + 1 < argc) only = argv[++i];
    else {
      std::fprintf(stderr, "usage: %s [--files N] [--folders M] [--dir PATH] [--keep] [--repeat K] [--only walk|scan|first|again]\n", argv[0]);
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
  const bool in_memory = std::getenv("BENCH_MEMORY") != nullptr;

  // Each phase runs `repeat` times; the best time stands for it (the others show noise from
  // the rest of the machine), the peak memory is the highest of its runs.
  struct Figures {
    double seconds = 1e30, cpu = 0;
    long peak_kb = 0;
    bool ok = true;
    catalog::MergeCounts counts;
  };
  auto measure = [&](const std::function<bool(catalog::MergeCounts&)>& once, const std::function<void()>& before) {
    Figures f;
    for (int i = 0; i < repeat; ++i) {
      if (before) before();
      ResetPeak();
      auto t = std::chrono::steady_clock::now();
      const double cpu = CpuSeconds();
      catalog::MergeCounts counts;
      const bool ok = once(counts);
      const double s = Seconds(t), c = CpuSeconds() - cpu;
      f.ok = f.ok && ok;
      f.peak_kb = std::max(f.peak_kb, PeakKb());
      if (s < f.seconds) {
        f.seconds = s;
        f.cpu = c;
        f.counts = counts;
      }
    }
    return f;
  };
  long walked = 0;
  const Figures bare = measure(
      [&](catalog::MergeCounts&) {
        walked = BareWalk(tree.string());
        return true;
      },
      {});
  auto print = [&](const char* what, const Figures& f, const std::string& note) {
    std::printf("%-12s %s %8.3f s %10.0f entries/s %6.2fx bare walk  cpu %6.3f s  peak %4ld MB  (%s)\n", what,
                f.ok ? "ok    " : "FAILED", f.seconds, walked / f.seconds, f.seconds / bare.seconds, f.cpu,
                f.peak_kb / 1024, note.c_str());
  };
  print("bare walk", bare, std::to_string(walked) + " entries, readdir + lstat");

  auto request = [&](bool stats_only) {
    catalog::CatalogRunRequest r;
    r.drive = 'T';
    r.start_dir = "T:\\";
    r.stats_only = stats_only;
    r.keep_in_memory = in_memory;
    return r;
  };
  auto scan = [&](bool stats_only) {
    return [&, stats_only](catalog::MergeCounts&) {
      state.abort_requested = false;
      catalog::TCatalogProgressForm window(state);
      catalog::CatalogRunner runner(ctx, volumes, *filesystem, window);
      const bool ok = runner.ScanDirectoryOnly(request(stats_only), *LoadCatalogConfig(db, "Bench"));
      catalog::DropNewTableIn(db, db::kMemory);  // what the listing's caller does when it closes
      return ok;
    };
  };
  auto catalog_run = [&](catalog::MergeCounts& counts) {
    state.abort_requested = false;
    catalog::TCatalogProgressForm window(state);
    catalog::CatalogRunner runner(ctx, volumes, *filesystem, window);
    const bool ok = runner.RunCataloging(request(false));
    counts = runner.Update().counts;
    return ok;
  };
  auto uncatalog = [&] {
    db.Exec("DELETE FROM Data.Bench_CAT");
    db.Exec("DELETE FROM Data.Bench_SUM");
  };
  auto counts_note = [](const Figures& f) {
    return "added " + std::to_string(f.counts.added) + ", updated " + std::to_string(f.counts.updated) +
           ", removed " + std::to_string(f.counts.removed);
  };
  auto wanted = [&](const char* phase) { return only.empty() || only == phase; };
  if (wanted("walk")) print("walk only", measure(scan(true), {}), "the run's own walk, nothing stored");
  if (wanted("scan")) print("scan only", measure(scan(false), {}), "walk into New, no update");
  if (wanted("first")) {
    const Figures first = measure(catalog_run, uncatalog);
    print("first run", first, counts_note(first));
  }
  if (wanted("again")) {
    if (!only.empty()) catalog_run(*std::make_unique<catalog::MergeCounts>());  // something to re-catalog
    const Figures again = measure(catalog_run, {});
    print("re-catalog", again, counts_note(again));
  }
  if (!keep && dir.empty()) fsys::remove_all(work);
  return 0;
}
