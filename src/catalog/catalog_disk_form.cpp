#include "catalog/catalog_disk_form.h"

#include "app/text_helpers.h"
#include "catalog/content_reader.h"
#include "store/catalog_options_form.h"

namespace tembrel::catalog {

namespace {
constexpr const char* kGroup = "TCatalogDiskSpecForm";
}

TCatalogDiskSpecForm::TCatalogDiskSpecForm(AppContext& ctx, volumes::VolumeService& volumes, fs::FileSystem& files)
    : ctx_(ctx), volumes_(volumes), files_(files) {}

void TCatalogDiskSpecForm::FormShow() {
  drives = volumes_.Drives();
  const Settings& s = ctx_.settings;
  recurse = s.GetBool(kGroup, "Recurse", true);
  ignore_recycle = s.GetBool(kGroup, "IgnoreRecycle", true);
  keep_in_memory = s.GetBool(kGroup, "KeepInMemory", false);
  stats_only = s.GetBool(kGroup, "StatsOnly", false) && !s.GetBool(kGroup, "StatsFiles", true);
  std::string last = Trim(s.GetString(kGroup, "LastDriveLabel"));
  char letter = drives.empty() ? 'C' : drives.front().letter;
  if (!last.empty()) {
    char wanted = volumes::NormalizeLetter(last[0]);
    for (const auto& d : drives)
      if (d.letter == wanted) letter = wanted;
  }
  DriveChanged(letter);
}

void TCatalogDiskSpecForm::DriveChanged(char letter) {
  drive = volumes::NormalizeLetter(letter) ? volumes::NormalizeLetter(letter) : drive;
  start_dir = std::string(1, drive) + ":\\";
}

void TCatalogDiskSpecForm::StartFolderChosen(std::string_view stored_folder) {
  std::string folder(stored_folder);
  if (folder.empty() || folder == "\\") {
    start_dir = std::string(1, drive) + ":\\";
    return;
  }
  if (folder.front() != '\\') folder.insert(folder.begin(), '\\');
  start_dir = std::string(1, drive) + ":" + folder;
}

void TCatalogDiskSpecForm::CatalogOptionsClick() { EditCatalogOptions(ctx_, Trim(ctx_.state.active_catalog)); }

bool TCatalogDiskSpecForm::CatalogNowClick() {
  TCatalogProgressForm window(ctx_.state);
  window.caption = std::string("Cataloging Disk In Drive ") + drive;
  CatalogRunRequest request;
  request.drive = drive;
  request.start_dir = start_dir;
  request.recurse = recurse;
  request.ignore_recycle = ignore_recycle;
  request.keep_in_memory = keep_in_memory;
  request.stats_only = stats_only;
  request.origin = RunOrigin::Interactive;
  ctx_.state.abort_requested = false;
  ctx_.ui.ShowModeless(window);
  // The window shows `window`: it is closed whatever way this ends, never left to outlive it.
  struct CloseWindow {
    Ui& ui;
    TCatalogProgressForm& window;
    ~CloseWindow() { ui.CloseModeless(window); }
  } close_window{ctx_.ui, window};
  CatalogRunner run(ctx_, volumes_, files_, window);
  ArchiveContentReader archives_and_media;
  run.SetContentReader(content_reader ? content_reader : &archives_and_media);
  if (text_measure) run.SetTextMeasure(text_measure);
  bool ok = run.RunCataloging(request);
  // Success or failure, the window stays until the user closes it, so the figures can be read.
  window.abort_enabled = false;
  window.close_visible = true;
  ctx_.ui.FormChanged(window);
  ctx_.state.abort_requested = false;
  ctx_.ui.WaitUntilClosed(window);
  ctx_.state.abort_requested = false;
  return ok;
}

void TCatalogDiskSpecForm::FormClose() {
  Settings& s = ctx_.settings;
  s.Set(kGroup, "LastDriveLabel", std::string(1, drive));
  s.SetBool(kGroup, "Recurse", recurse);
  s.SetBool(kGroup, "IgnoreRecycle", ignore_recycle);
  s.SetBool(kGroup, "KeepInMemory", keep_in_memory);
  s.SetBool(kGroup, "StatsOnly", stats_only);
  s.SetBool(kGroup, "StatsFiles", !stats_only);
}

}  // namespace tembrel::catalog
