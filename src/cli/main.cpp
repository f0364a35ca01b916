// tembrel-cli: catalog a folder or mount point as a disk, list catalogs and their files,
// without windows. It drives the same logic as the desktop program.
#include <sys/statvfs.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "app/app_context.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "app/text_helpers.h"
#include "catalog/catalog_run.h"
#include "catalog/content_reader.h"
#include "cli/cli_ui.h"
#include "gui/qt_settings.h"
#include "platform/volumes/linux_volumes.h"
#include "store/catalog_config.h"
#include "store/catalog_operations.h"
#include "store/verify_active_catalog.h"

using namespace tembrel;

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  tembrel-cli catalog --catalog NAME --folder PATH [--label LABEL] [--start FOLDER]\n"
    "                      [--no-recurse] [--stats-only] [--replace] [--data-folder DIR]\n"
    "  tembrel-cli catalogs [--data-folder DIR]\n"
    "  tembrel-cli files --catalog NAME [--volume LABEL] [--data-folder DIR]\n";

// The drive table with one more drive: the folder being cataloged, when it is not itself the
// root of a drive. It reports the folder's own file system figures and the --label given.
class FolderAsDisk final : public volumes::VolumeService {
 public:
  FolderAsDisk(volumes::VolumeService& real, std::string folder, std::string label)
      : real_(real), folder_(std::move(folder)), label_(std::move(label)) {
    for (const auto& d : real_.Drives())
      if (std::filesystem::equivalent(d.root, folder_, ec_)) letter_ = d.letter;
    if (letter_ == 0) {
      std::map<char, bool> used;
      for (const auto& d : real_.Drives()) used[d.letter] = true;
      for (char c = 'D'; c <= 'Z' && letter_ == 0; ++c)
        if (!used[c]) letter_ = c;
      own_ = true;
    }
  }
  char Letter() const { return letter_; }

  std::vector<volumes::Drive> Drives() override {
    auto drives = real_.Drives();
    if (own_) drives.push_back({letter_, folder_, volumes::DriveKind::Folder, label_, ""});
    return drives;
  }
  volumes::VolumeQuery QueryVolume(char letter) override {
    if (!own_ || letter != letter_) return real_.QueryVolume(letter);
    volumes::VolumeQuery q;
    q.info.label = label_;
    struct statvfs st {};
    if (::statvfs(folder_.c_str(), &st) == 0) {
      const int64_t unit = st.f_frsize ? static_cast<int64_t>(st.f_frsize) : static_cast<int64_t>(st.f_bsize);
      q.info.size = unit * static_cast<int64_t>(st.f_blocks);
      q.info.free = unit * static_cast<int64_t>(st.f_bavail);
      q.info.cluster_size = unit;
    }
    return q;
  }
  int WriteLabel(char l, std::string_view s) override { return real_.WriteLabel(l, s); }
  int EraseLabel(char l) override { return real_.EraseLabel(l); }
  int BindFolderDrive(char l, std::string_view f, std::string_view s, uint32_t n) override {
    return real_.BindFolderDrive(l, f, s, n);
  }
  int UnbindFolderDrive(char l) override { return real_.UnbindFolderDrive(l); }

 private:
  volumes::VolumeService& real_;
  std::string folder_, label_;
  char letter_ = 0;
  bool own_ = false;
  std::error_code ec_;
};

struct Args {
  std::string command;
  std::map<std::string, std::string> values;
  std::map<std::string, bool> flags;
  std::string Get(const std::string& k) const {
    auto it = values.find(k);
    return it == values.end() ? std::string() : it->second;
  }
  bool Flag(const std::string& k) const { return flags.count(k) > 0; }
};

std::optional<Args> Parse(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  Args a;
  a.command = argv[1];
  static const char* kValued[] = {"--catalog", "--folder", "--label", "--start", "--volume", "--data-folder"};
  static const char* kFlags[] = {"--no-recurse", "--stats-only", "--replace"};
  for (int i = 2; i < argc; ++i) {
    std::string arg = argv[i];
    bool known = false;
    for (const char* v : kValued)
      if (arg == v) {
        if (i + 1 >= argc) return std::nullopt;
        a.values[arg] = argv[++i];
        known = true;
      }
    for (const char* f : kFlags)
      if (arg == f) a.flags[arg] = known = true;
    if (!known) return std::nullopt;
  }
  return a;
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "tembrel-cli: %s\n", why.c_str());
  return 1;
}

struct Session {
  gui::QtSettings settings;
  SharedState state;
  SystemClock clock;
  std::optional<db::Database> db;
};

// Opens the tables as the desktop program does: its program folder, its data folder.
std::string Open(Session& s, const Args& args) {
  s.state.program_folder = ResolveProgramFolder();
  std::string data = args.Get("--data-folder");
  if (data.empty()) data = Trim(s.settings.GetString("TMainForm", "DDirname.Caption"));
  if (data.empty()) data = s.state.program_folder;
  std::error_code ec;
  if (!std::filesystem::is_directory(data, ec)) return "the data folder " + data + " does not exist";
  s.state.data_folder = WithTrailingSlash(data);
  s.db.emplace(OpenGlobalDatabase(s.state.program_folder));
  AttachDataFolder(*s.db, s.state.data_folder);
  EnsureGlobalTables(*s.db, s.state.specs);
  return {};
}

int Catalogs(Session& s) {
  for (const auto& row : ListCatalogs(*s.db)) {
    auto count = [&](const std::string& table) -> std::string {
      try {
        return std::to_string(s.db->CountRows(db::kData, table));
      } catch (const db::DbError&) {
        return "-";
      }
    };
    std::printf("%s\t%s\t%s\n", cli::EscapeField(row.name).c_str(), count(SumTable(row.name)).c_str(),
                count(CatTable(row.name)).c_str());
  }
  return 0;
}

std::optional<std::string> CatalogName(Session& s, const std::string& typed) {
  auto config = LoadCatalogConfig(*s.db, Trim(typed));
  if (!config) return std::nullopt;
  return config->catalog_name;
}

int Files(Session& s, const Args& args) {
  auto name = CatalogName(s, args.Get("--catalog"));
  if (!name) return Fail("there is no catalog named " + args.Get("--catalog"));
  const std::string volume = Trim(args.Get("--volume"));
  std::string sql = "SELECT FileName, VolumeLabel, FolderName, ArchiveID, FileSize, DateModified, TimeModified,"
                    " Attribute, CategoryCode, Comment FROM " + db::Qualified(db::kData, CatTable(*name));
  if (!volume.empty()) sql += " WHERE VolumeLabel = ? COLLATE NOCASE";
  sql += " ORDER BY VolumeLabel COLLATE NOCASE, FolderName COLLATE NOCASE, FileName COLLATE NOCASE, ArchiveID COLLATE NOCASE";
  try {
    db::Statement st(*s.db, sql);
    if (!volume.empty()) st.Bind(1, volume);
    while (st.Step()) {
      std::string line;
      for (int c = 0; c < 10; ++c) {
        if (c) line += '\t';
        line += cli::EscapeField(st.Text(c));
      }
      std::printf("%s\n", line.c_str());
    }
  } catch (const db::DbError& e) {
    return Fail(e.what());
  }
  return 0;
}

int CatalogFolder(Session& s, const Args& args) {
  const std::string typed = Trim(args.Get("--catalog"));
  const std::string folder = args.Get("--folder");
  if (typed.empty() || folder.empty()) return Fail("catalog needs --catalog NAME and --folder PATH");
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return Fail("the folder " + folder + " does not exist");
  const std::string root = std::filesystem::canonical(folder, ec).string();

  cli::CliUi ui({args.Get("--label"), args.Flag("--replace")});
  AppContext ctx{s.state, *s.db, ui, s.settings, s.clock};
  if (auto name = CatalogName(s, typed)) {
    s.state.active_catalog = *name;
  } else {
    if (typed.size() > kCatalogNameMax) return Fail("a catalog name has at most 20 characters");
    s.state.active_catalog = typed;
    if (!CreateCatalogConfig(ctx, FieldWidths{}, false)) return Fail("the catalog could not be created");
    std::printf("created catalog %s\n", typed.c_str());
  }
  VerifyActiveCatalog(ctx, true);
  if (s.state.active_catalog.empty()) return Fail("the catalog could not be opened");

  volumes::LinuxVolumes real(s.settings);
  FolderAsDisk volumes(real, root, args.Get("--label"));
  if (volumes.Letter() == 0) return Fail("no drive letter is free for the folder");
  auto files = fs::MakePosixFileSystem();
  catalog::TCatalogProgressForm window(s.state);
  catalog::CatalogRunner run(ctx, volumes, *files, window);
  catalog::ArchiveContentReader archives_and_media;
  run.SetContentReader(&archives_and_media);
  catalog::CatalogRunRequest r;
  r.drive = volumes.Letter();
  std::string start = args.Get("--start");
  for (char& c : start)
    if (c == '/') c = '\\';
  while (!start.empty() && start.front() == '\\') start.erase(0, 1);
  r.start_dir = std::string(1, r.drive) + ":\\" + start;
  r.recurse = !args.Flag("--no-recurse");
  r.stats_only = args.Flag("--stats-only");
  r.keep_in_memory = false;
  s.state.abort_requested = false;
  const bool ok = run.RunCataloging(r);
  for (const auto& why : ui.Refusals()) std::fprintf(stderr, "tembrel-cli: %s\n", why.c_str());
  if (!ok) return 1;
  const auto& c = run.Counters();
  const auto& u = run.Update();
  std::printf("Volume %s%s from drive %c:\n", run.CatalogVolumeLabel().c_str(), u.recataloged ? " (re-cataloged)" : "",
              r.drive);
  std::printf("Folders Scanned\t%s\nFiles On Disk\t%s\nBytes In Files On Disk\t%s\nFiles In Archives\t%s\n"
              "To Be Cataloged\t%s\nFiles Added\t%s\nFiles Updated\t%s\nFiles Removed\t%s\n",
              FormatCount(c.folders_scanned).c_str(), FormatCount(c.files_on_disk).c_str(),
              FormatCount(c.bytes_in_files_on_disk).c_str(), FormatCount(c.files_in_archives).c_str(),
              FormatCount(c.to_be_cataloged).c_str(), FormatCount(u.counts.added).c_str(),
              FormatCount(u.counts.updated).c_str(), FormatCount(u.counts.removed).c_str());
  if (c.folders_skipped > 0) std::printf("Folders Skipped\t%s\n", FormatCount(c.folders_skipped).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  auto args = Parse(argc, argv);
  if (!args || (args->command != "catalog" && args->command != "catalogs" && args->command != "files")) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  Session s;
  try {
    if (std::string why = Open(s, *args); !why.empty()) return Fail(why);
    if (args->command == "catalogs") return Catalogs(s);
    if (args->command == "files") return Files(s, *args);
    return CatalogFolder(s, *args);
  } catch (const db::DbError& e) {
    return Fail(e.what());
  }
}
