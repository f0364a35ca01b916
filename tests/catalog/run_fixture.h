#pragma once
// A folder drive F: over a temp folder, a catalog "Disks" with its tables, and a runner.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "catalog/catalog_run.h"
#include "store/catalog_config.h"
#include "store/verify_active_catalog.h"
#include "support/catalog_fixture.h"
#include "support/fake_volumes.h"

namespace tembrel::catalog::testing {

namespace fsys = std::filesystem;

class RunTest : public ::testing::Test, public tembrel::testing::AppFixture {
 protected:
  tembrel::testing::TempDir disk;
  volumes::FakeVolumeService volumes;
  std::unique_ptr<fs::FileSystem> files = fs::MakePosixFileSystem();

  void SetUp() override {
    volumes::VolumeInfo info;
    info.label = "GAMES01";
    info.serial = 0xABCD1234;
    info.size = 1000000;
    info.free = 400000;
    info.cluster_size = 4096;
    volumes.Add('F', disk.Path().string(), volumes::DriveKind::Folder, info);
    state.active_catalog = "Disks";
    ASSERT_TRUE(CreateCatalogConfig(ctx, {64, 64, 32}, false));
    VerifyActiveCatalog(ctx, true);
    SetOption([](CatalogConfig& c) { c.keep_activity_log = true; });
  }

  void SetOption(const std::function<void(CatalogConfig&)>& change) {
    auto c = *LoadCatalogConfig(db, "Disks");
    change(c);
    UpdateCatalogConfig(db, c);
  }
  void SetLabel(std::string label) { volumes.Find('F')->info.label = std::move(label); }

  // Writes a file of `size` bytes under the disk (folders made as needed).
  void File(const std::string& rel, size_t size = 10) {
    fsys::path p = disk.Path() / rel;
    fsys::create_directories(p.parent_path());
    std::ofstream(p) << std::string(size, 'x');
  }
  void Folder(const std::string& rel) { fsys::create_directories(disk.Path() / rel); }
  // Copies a committed sample onto the disk.
  void Fixture(const std::string& sample, const std::string& rel) {
    fsys::path p = disk.Path() / rel;
    fsys::create_directories(p.parent_path());
    fsys::copy_file(fsys::path(TEMBREL_FIXTURES_DIR) / sample, p, fsys::copy_options::overwrite_existing);
  }

  CatalogRunRequest Request(std::string start = "F:\\") {
    CatalogRunRequest r;
    r.drive = 'F';
    r.start_dir = std::move(start);
    r.keep_in_memory = true;
    return r;
  }

  bool Run(const CatalogRunRequest& r) {
    state.abort_requested = false;
    TCatalogProgressForm window(state);
    CatalogRunner run(ctx, volumes, *files, window);
    run.SetContentReader(content);
    bool ok = run.RunCataloging(r);
    last_window = window.folders_skipped;
    last_counters = run.Counters();
    last_update = run.Update();
    return ok;
  }
  bool Run() { return Run(Request()); }

  // "FolderName|FileName" of every file row of a volume, in key order.
  std::vector<std::string> Rows(const std::string& volume = "GAMES01") {
    db::Statement st(db, "SELECT FolderName, FileName FROM Data.Disks_CAT WHERE VolumeLabel = ? ORDER BY FolderName, FileName");
    st.Bind(1, volume);
    std::vector<std::string> out;
    while (st.Step()) out.push_back(st.Text(0) + "|" + st.Text(1));
    return out;
  }

  ContentReader* content = nullptr;  // archives and media are read when set
  std::string last_window;
  RunCounters last_counters;
  UpdateResult last_update;
};

}  // namespace tembrel::catalog::testing
