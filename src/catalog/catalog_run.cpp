#include "catalog/catalog_run.h"

#include "app/text_helpers.h"
#include "catalog/bad_entry_form.h"
#include "catalog/disk_alias_form.h"
#include "catalog/disk_already_cataloged_form.h"
#include "catalog/disk_label_form.h"
#include "catalog/entry_kinds.h"
#include "catalog/new_table.h"
#include "catalog/selective_catalog_form.h"
#include "platform/fs/read_ahead.h"
#include "platform/text/utf8.h"
#include "store/resize_warning_form.h"

namespace tembrel::catalog {

namespace {

constexpr int kLimits[3] = {200, 200, 90};
constexpr int64_t kBatchRows = 10000;  // rows of New per transaction on disk

std::string SizeText(int64_t v) { return v < 0 ? "Undetermined " : CounterText(v); }

std::string SerialPanel(uint32_t serial) {
  char buf[16];
  std::snprintf(buf, sizeof buf, " %04X-%04X", serial >> 16, serial & 0xFFFF);
  return buf;
}

bool EndsWithExe(std::string_view name) {
  std::string_view ext = name.substr(name.size() - 4);
  return ext[0] == '.' && (ext[1] | 0x20) == 'e' && (ext[2] | 0x20) == 'x' && (ext[3] | 0x20) == 'e';
}

int Meter(int length, int of) { return of > 0 ? std::min(100, length * 100 / of) : 0; }

}  // namespace

std::string CounterText(int64_t value) { return FormatCount(value) + " "; }

CatalogRunner::CatalogRunner(AppContext& ctx, volumes::VolumeService& volumes, fs::FileSystem& files,
                             TCatalogProgressForm& window)
    : ctx_(ctx), volumes_(volumes), files_(files), window_(window) {}

CatalogRunner::~CatalogRunner() {
  insert_.reset();
  walk_tx_.reset();
}

int CatalogRunner::Measure(std::string_view text, int length) const {
  return measure_ ? measure_(text) : length * 7;
}

void CatalogRunner::ResetCounters() {
  counters_ = RunCounters{};
  window_.file_name_meter = window_.folder_name_meter = window_.archive_id_meter = 0;
  RefreshCounters();
}

void CatalogRunner::RefreshCounters() {
  const RunCounters& c = counters_;
  window_.folders_scanned = CounterText(c.folders_scanned);
  window_.bytes_in_folders = CounterText(c.bytes_in_folders);
  window_.files_on_disk = CounterText(c.files_on_disk);
  window_.bytes_in_files_on_disk = CounterText(c.bytes_in_files_on_disk);
  window_.files_in_archives = CounterText(c.files_in_archives);
  window_.bytes_in_files_in_archives = CounterText(c.bytes_in_files_in_archives);
  window_.to_be_cataloged = CounterText(c.to_be_cataloged);
  window_.bytes_to_be_cataloged = CounterText(c.bytes_to_be_cataloged);
  window_.longest_file_name = std::to_string(c.longest_file_name) + " ";
  window_.longest_folder_name = std::to_string(c.longest_folder_name) + " ";
  window_.longest_archive_id = std::to_string(c.longest_archive_id) + " ";
  window_.file_name_meter = Meter(c.longest_file_name, 200);
  window_.folder_name_meter = Meter(c.longest_folder_name, 200);
  window_.archive_id_meter = Meter(c.longest_archive_id, 90);
  last_refresh_ = std::chrono::steady_clock::now();
  ctx_.ui.FormChanged(window_);
  ctx_.ui.ProcessEvents();
}

void CatalogRunner::CountArchiveMember(uint64_t size) {
  ++counters_.files_in_archives;
  counters_.bytes_in_files_in_archives += static_cast<int64_t>(size);
}

bool CatalogRunner::ReadOptions() {
  try {
    auto config = LoadCatalogConfig(ctx_.db, Trim(ctx_.state.active_catalog));
    if (!config) {
      BeepError(ctx_.ui, "Cannot Find A Configuration Record For This Catalog On File");
      return false;
    }
    options_ = *config;
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "Error Retrieving Catalog Configuration");
    return false;
  }
  run_expand_archives_ = options_.expand_archives;
  return true;
}

bool CatalogRunner::IdentifyVolume() {
  const bool scan_only = request_.scan_only;
  const char drive = request_.drive;
  serial_ = 0;
  volumes::VolumeQuery q = volumes_.QueryVolume(drive);
  std::string label;
  if (q.error != 0) {
    if (!scan_only) {
      ctx_.ui.Beep();
      if (ctx_.ui.Ask("Error " + std::to_string(q.error) +
                          " Was Encountered While Determining The Disk Volume ID\r\n\r\nWould You Like To Continue By "
                          "Using Tembrel's \"Alias\" Feature To Assign A Volume Label?",
                      true) != Button::Yes)
        return false;
    }
  } else {
    serial_ = q.info.serial;
    label = q.info.label.substr(0, q.info.label.find('\0'));
    if (!scan_only && Trim(label).empty()) {
      TDiskLabelForm form(ctx_, volumes_, true, drive);
      form.ReadLabel();
      Button b = ctx_.ui.ShowModal(form);
      if (b == Button::Ok && form.modal_result == Button::Ok)
        label = form.NewLabel();
      else if (b != Button::Ignore && form.modal_result != Button::Ignore)
        return false;
    }
  }
  actual_label_ = label;

  bool retry = false;
  for (;;) {
    const std::string trimmed = Trim(label);
    // Labels of today's file systems can be longer than a catalog key: the user names the disk.
    const bool too_long = text::Length(trimmed) > static_cast<size_t>(kVolumeLabelMax);
    if (!scan_only && (trimmed.empty() || options_.aliases || retry || too_long)) {
      TDiskAliasForm alias(ctx_.ui);
      if (trimmed.empty()) {
        alias.vlabel_line = std::string("Disk In Drive ") + drive + ": Has No Volume Label";
        alias.SetAlias(options_.aliases ? SuggestNextLabel(ctx_) : "");
      } else {
        alias.vlabel_line = std::string("Disk In Drive ") + drive + ": Is \"" + trimmed + "\"";
        alias.SetAlias(trimmed);
      }
      if (ctx_.ui.ShowModal(alias) != Button::Ok || alias.modal_result != Button::Ok) return false;
      catalog_label_ = text::Left(text::ToUpper(Trim(alias.AliasLine())), kVolumeLabelMax);
      ctx_.state.last_volume_label = catalog_label_;
    } else {
      catalog_label_ = text::Left(text::ToUpper(trimmed), kVolumeLabelMax);
    }
    retry = false;
    if (!scan_only && request_.origin != RunOrigin::DuplicateCleanup && !request_.suppress_exists_warning &&
        options_.warn_if_exists) {
      bool exists = false;
      try {
        db::Statement st(ctx_.db, "SELECT 1 FROM " + db::Qualified(db::kData, SumTable(ctx_.state.active_catalog)) +
                                      " WHERE CatalogVolumeLabel = ? COLLATE NOCASE");
        st.Bind(1, Trim(catalog_label_));
        exists = st.Step();
      } catch (const db::DbError&) {
        // An unreadable summary table skips the check, as an unopened one would.
      }
      if (exists) {
        ctx_.ui.Beep();
        TDiskAlreadyCatalogedForm what;
        what.message = "A Disk With This Name (\"" + Trim(catalog_label_) + "\") Already Exists In The Catalog.";
        Button b = ctx_.ui.ShowModal(what);
        if (what.modal_result != Button::None) b = what.modal_result;
        if (b == Button::Retry) {
          retry = true;
          continue;
        }
        if (b != Button::Ignore) return false;
      }
    }
    break;
  }

  disk_size_ = q.error == 0 ? q.info.size : -1;
  disk_free_ = q.error == 0 ? q.info.free : -1;
  cluster_size_ = q.error == 0 ? q.info.cluster_size : -1;
  if (!scan_only) {
    const char* failure = disk_size_ < 0   ? "Error Determining Disk Size"
                          : disk_free_ < 0 ? "Error Determining Disk Free Space"
                          : cluster_size_ < 0 ? "Error Determining Disk Cluster Size"
                                              : nullptr;
    if (failure) {
      BeepError(ctx_.ui, failure);
      return false;
    }
  }
  window_.volume_id = " " + catalog_label_;
  window_.serial_no = SerialPanel(serial_);
  window_.disk_size = SizeText(disk_size_);
  window_.disk_free = SizeText(disk_free_);
  window_.disk_cluster_size = SizeText(cluster_size_);
  ctx_.ui.FormChanged(window_);
  return true;
}

bool CatalogRunner::CreateNewTable() {
  try {
    CreateNewTableIn(ctx_.db, NewSchema());
    insert_ = std::make_unique<db::Statement>(ctx_.db, NewTableInsertSql(NewSchema()));
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "Error Creating Temporary File For Cataloging Purposes");
    return false;
  }
  return true;
}

void CatalogRunner::DropNewTable() {
  insert_.reset();
  walk_tx_.reset();
  try {
    DropNewTableIn(ctx_.db, NewSchema());
  } catch (const db::DbError&) {
  }
}

bool CatalogRunner::PassesSpecs(std::string_view folder, std::string_view name) const {
  if (request_.scan_only || !specs_) return true;
  std::string f(folder);
  if (f.empty() || f.back() != '\\') f.push_back('\\');
  return specs_->TakesIn(f, name);
}

bool CatalogRunner::InStartFolder(std::string_view path) const {
  const std::string& start = request_.start_dir;
  if (path.size() < start.size() || path.compare(0, start.size(), start) != 0) return false;
  return request_.recurse || path.size() == start.size();
}

void CatalogRunner::ReadFailure() {
  if (ctx_.state.abort_requested) return;
  ctx_.state.abort_requested = true;
  BeepError(ctx_.ui, kReadFolderError);
}

void CatalogRunner::Walk() {
  auto drive = volumes_.FindDrive(request_.drive);
  if (!drive) {
    ReadFailure();
    return;
  }
  drive_root_ = drive->root;
  // The folders are read on a second thread, ahead of the entries' processing here.
  fs::Listing::Opened root = fs::OpenFolderReadAhead(files_, {drive_root_, "\\"});
  if (!root.listing) {
    ReadFailure();
    return;
  }
  std::string real = drive_root_;
  if (real.empty() || real.back() != '/') real.push_back('/');
  try {
    walk_tx_ = std::make_unique<db::Transaction>(ctx_.db);
    WalkFolder(*root.listing, std::string(1, request_.drive) + ":\\", real);
    if (walk_tx_) walk_tx_->Commit();
  } catch (const db::DbError&) {
    ReadFailure();
  }
  walk_tx_.reset();
}

void CatalogRunner::WalkFolder(fs::Listing& listing, const std::string& path, const std::string& real_path) {
  if (ctx_.state.abort_requested) return;
  // What every entry of this folder shares is worked out once.
  FolderScope folder{path, real_path, path.substr(2), path.substr(2), InStartFolder(path)};
  if (folder.name.size() > 1) folder.name.pop_back();
  if (request_.ignore_recycle && text::ToUpper(folder.name).rfind("\\RECYCLED", 0) == 0) return;
  window_.main_operation_panel = " " + path;
  fs::Entry entry;
  while (!ctx_.state.abort_requested && listing.Next(entry)) ProcessEntry(listing, entry, folder);
  if (!ctx_.state.abort_requested && listing.error() != 0) ReadFailure();
  RefreshCounters();
}

void CatalogRunner::ProcessEntry(fs::Listing& listing, const fs::Entry& entry, const FolderScope& folder) {
  current_comment_.clear();
  uncommented_members_.clear();
  ctx_.ui.ProcessEvents();

  if (entry.kind == fs::EntryKind::Directory) {
    ++counters_.folders_scanned;
    counters_.bytes_in_folders += static_cast<int64_t>(entry.size);
    if (entry.other_mount) return;  // another file system: not part of this disk
    fs::Listing::Opened child = listing.OpenChild(entry);
    if (!child.listing) {
      if (fs::IsPermissionDenied(child.error)) {
        ++counters_.folders_skipped;
        return;
      }
      ReadFailure();
      return;
    }
    WalkFolder(*child.listing, folder.path + entry.name + "\\", folder.real_path + entry.raw_name + "/");
    window_.main_operation_panel = " " + folder.path;
    return;
  }

  const int64_t size = static_cast<int64_t>(entry.size);
  ++counters_.files_on_disk;
  counters_.bytes_in_files_on_disk += size;
  // Only regular files are opened: links and device nodes are cataloged by name alone.
  const bool regular = entry.kind == fs::EntryKind::File;
  const int kind = ClassifyEntry(entry.name, options_);
  const std::string& n = entry.name;
  const bool sfx = options_.do_sfx_archives && n.size() > 4 && EndsWithExe(n);
  const bool readable = content_ && regular;
  std::optional<ContentReader::FileContext> file;
  auto context = [&]() -> const ContentReader::FileContext& {
    if (!file) file.emplace(ContentReader::FileContext{kind, folder.in_start, folder.name, folder.real_path, n, entry});
    return *file;
  };
  if (readable && (IsArchiveKind(kind) || sfx)) content_->ReadArchiveOrSfx(*this, context());
  if (ctx_.state.abort_requested || !folder.in_start) return;
  if (readable && (kind == kZip || sfx)) content_->ReadDiz(*this, context());

  bool media = false;
  if (request_.scan_only || !specs_ || specs_->TakesIn(folder.slash, n)) {
    if (IsMediaKind(kind)) {
      media = true;
      if (readable) content_->ReadMedia(*this, context());
    }
    AddEntry({n, folder.name, "", size, entry.date, entry.time, static_cast<int32_t>(entry.attributes),
              current_comment_});
  }
  if (content_ && options_.copy_main_comment && !media && !current_comment_.empty() && !ctx_.state.abort_requested)
    content_->CopyMainComment(*this, context());
}

void CatalogRunner::AddEntry(const EntryData& in) {
  if (request_.stats_only || in.size < 0) return;
  const std::string_view raw[3] = {in.file_name, in.folder_name, in.archive_id};
  std::string_view used[3] = {raw[0], raw[1], raw[2]};
  std::string corrected[3];  // names the user or an earlier correction changed
  auto length_of = [](std::string_view text) { return static_cast<int>(text::Length(text)); };
  int lengths[3] = {length_of(used[0]), length_of(used[1]), length_of(used[2])};
  auto use = [&](int i, std::string value) {
    corrected[i] = std::move(value);
    used[i] = corrected[i];
    lengths[i] = length_of(used[i]);
  };
  auto fits = [&](int i) { return lengths[i] <= kLimits[i]; };
  bool dropped = false;
  if (!(fits(0) && fits(1) && fits(2))) {
    if (skip_all_bad_) {
      dropped = true;
    } else {
      // A folder or archive corrected once is reused for the entries that follow it.
      for (int i = 1; i < 3; ++i)
        if (!fits(i) && raw[i] == last_raw_[i]) use(i, last_used_[i]);
      if (!(fits(0) && fits(1) && fits(2))) {
        TCatalogProgressBadEntryForm bad{std::string(used[0]), std::string(used[1]), std::string(used[2])};
        ctx_.ui.ShowModal(bad);
        switch (bad.choice) {
          case TCatalogProgressBadEntryForm::Choice::UseModified:
            for (int i = 0; i < 3; ++i)
              if (bad.editable[i]) use(i, bad.values[i]);
            break;
          case TCatalogProgressBadEntryForm::Choice::SkipAll:
            skip_all_bad_ = true;
            dropped = true;
            break;
          case TCatalogProgressBadEntryForm::Choice::Abort:
            ctx_.state.abort_requested = true;
            dropped = true;
            break;
          default:
            dropped = true;
        }
        if (!(fits(0) && fits(1) && fits(2))) dropped = true;
      }
    }
  }
  for (int i = 1; i < 3; ++i) {  // only folders and archives are ever reused
    last_raw_[i].assign(raw[i]);
    last_used_[i].assign(used[i]);
  }
  if (dropped || ctx_.state.abort_requested) return;

  const bool tagged = options_.selective_cataloging ? options_.selective_cat_autotag : true;
  try {
    db::Statement& st = *insert_;
    st.Reset();
    // The texts outlive the step: they are this call's own or its caller's.
    st.BindUncopied(1, used[0]).BindUncopied(2, used[1]).BindUncopied(3, used[2]).Bind(4, in.size);
    if (in.date.IsNull() || !IsValidDate(in.date)) st.BindNull(5); else st.Bind(5, in.date);
    if (!IsValidTime(in.time)) st.BindNull(6); else st.Bind(6, in.time);
    st.Bind(7, static_cast<int64_t>(in.attribute)).BindUncopied(8, in.comment).Bind(9, tagged);
    st.Run();
    st.Reset();
  } catch (const db::KeyViolation&) {
    if (!duplicate_warned_) {
      duplicate_warned_ = true;
      BeepError(ctx_.ui,
                "I Have Found A Duplicate File On This Disk.\r\n\r\nFilename = " + std::string(used[0]) +
                    "\r\nFolder = " + std::string(used[1]) + "\r\nArchiveID = " + std::string(used[2]) +
                    "\r\n\r\nThis Usually Means That There Is A Problem On The Disk.  If The Archive ID Is Blank,\r\n"
                    "It Means That The Problem Is In The Indicated Folder  If The Archive ID Is Not Blank,\r\n"
                    "It Means That The Problem Is In The Indicated Archive File.\r\n\r\n"
                    "Tembrel Will Ignore Any Duplicate Files Such As This That It Encounters");
    }
    return;
  } catch (const db::DbError&) {
    BeepError(ctx_.ui,
              "Error Writing Information To Temporary Database - Your Computer's Memory or Disk May Be Full.\r\rIf The "
              "\"Keep Temporary Database(s) In Memory\" Option Was Checked, Try Turning It Off.\rIf It Wasn't Checked, "
              "Freeing Up Hard Disk Space May Help Alleviate The Problem.");
    ctx_.state.abort_requested = true;
    return;
  }
  ++counters_.to_be_cataloged;
  counters_.bytes_to_be_cataloged += in.size;
  if (!used[2].empty() && in.comment.empty())
    uncommented_members_.push_back({std::string(used[0]), std::string(used[1]), std::string(used[2])});
  counters_.longest_file_name = std::max(counters_.longest_file_name, lengths[0]);
  counters_.longest_folder_name = std::max(counters_.longest_folder_name, lengths[1]);
  counters_.longest_archive_id = std::max(counters_.longest_archive_id, lengths[2]);
  counters_.widest_file_name = std::max(counters_.widest_file_name, Measure(used[0], lengths[0]));
  counters_.widest_folder_name = std::max(counters_.widest_folder_name, Measure(used[1], lengths[1]));
  counters_.widest_archive_id = std::max(counters_.widest_archive_id, Measure(used[2], lengths[2]));
  // On disk, New is written in batches so a large walk is not one huge transaction.
  if (walk_tx_ && ++pending_ >= kBatchRows) {
    walk_tx_->Commit();
    walk_tx_ = std::make_unique<db::Transaction>(ctx_.db);
    pending_ = 0;
  }
  if (std::chrono::steady_clock::now() - last_refresh_ >= std::chrono::seconds(1)) RefreshCounters();
}

void CatalogRunner::CopyCommentToMembers(const std::string& comment) {
  if (comment.empty() || uncommented_members_.empty()) return;
  db::Statement st(ctx_.db, "UPDATE " + db::Qualified(NewSchema(), "New") +
                                " SET Comment = ?1 WHERE FileName = ?2 AND FolderName = ?3 AND ArchiveID = ?4");
  for (const auto& [file, folder, archive] : uncommented_members_) {
    st.Reset();
    st.Bind(1, comment).Bind(2, file).Bind(3, folder).Bind(4, archive);
    st.Run();
  }
  uncommented_members_.clear();
}

bool CatalogRunner::SelectiveCatalogingStep() {
  if (!options_.selective_cataloging || counters_.to_be_cataloged == 0) return true;
  std::unique_ptr<TSelectiveCatalogForm> form;
  try {
    form = std::make_unique<TSelectiveCatalogForm>(ctx_, NewSchema(), catalog_label_);
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "Error Opening Temporary Database For Selective Cataloging Purposes");
    ctx_.state.abort_requested = true;
    return false;
  }
  auto width = [](int widest) { return widest > 64 ? widest + 6 : 0; };
  form->column_widths = {width(counters_.widest_file_name), width(counters_.widest_folder_name),
                         width(counters_.widest_archive_id)};
  if (ctx_.ui.ShowModal(*form) != Button::Ok || form->modal_result != Button::Ok) {
    ctx_.state.abort_requested = true;
    return false;
  }
  return true;
}

bool CatalogRunner::RedetermineLongest() {
  counters_.longest_file_name = counters_.longest_folder_name = counters_.longest_archive_id = 0;
  ProgressWindow& progress = ctx_.ui.Progress();
  progress.ShowForm("Re-Determining Longest Filname, Foldername and Archive ID", false);
  try {
    db::Statement st(ctx_.db, "SELECT max(length(FileName)), max(length(FolderName)), max(length(ArchiveID)) FROM " +
                                  db::Qualified(NewSchema(), "New") + " WHERE Tagged");
    if (st.Step()) {
      counters_.longest_file_name = static_cast<int>(st.Int(0));
      counters_.longest_folder_name = static_cast<int>(st.Int(1));
      counters_.longest_archive_id = static_cast<int>(st.Int(2));
    }
  } catch (const db::DbError&) {
    progress.HideForm();
    BeepError(ctx_.ui, "An Error Occurred While Performing Re-Determination - Operation Aborted");
    ctx_.state.abort_requested = true;
    return false;
  }
  progress.SetPosition(100);
  progress.HideForm();
  RefreshCounters();
  return true;
}

bool CatalogRunner::CheckFieldSizes() {
  const FieldWidths& w = options_.widths;
  const FieldWidths longest{counters_.longest_file_name, counters_.longest_folder_name, counters_.longest_archive_id};
  if (w.file_name >= longest.file_name && w.folder_name >= longest.folder_name && w.archive_id >= longest.archive_id)
    return true;
  if (RunResizeWarning(ctx_, w, longest) != Button::Ok) {
    ctx_.state.abort_requested = true;
    return false;
  }
  if (auto c = LoadCatalogConfig(ctx_.db, Trim(ctx_.state.active_catalog))) options_.widths = c->widths;
  return true;
}

bool CatalogRunner::UpdateStep() {
  window_.abort_enabled = false;
  window_.update_panel_visible = true;
  window_.gauge_visible = true;
  ctx_.ui.FormChanged(window_);
  UpdateInput in;
  in.catalog = Trim(ctx_.state.active_catalog);
  in.catalog_volume_label = catalog_label_;
  in.actual_volume_label = actual_label_;
  in.serial = serial_;
  in.disk_size = disk_size_;
  in.disk_free = disk_free_;
  in.cluster_size = cluster_size_;
  in.files_on_disk = counters_.files_on_disk;
  in.bytes_in_files_on_disk = counters_.bytes_in_files_on_disk;
  in.files_in_archives = counters_.files_in_archives;
  in.drive = request_.drive;
  in.comment_override_from_disk = options_.comment_override_from_disk;
  in.keep_activity_log = options_.keep_activity_log;
  in.new_schema = NewSchema();
  in.names_fit = true;  // CheckFieldSizes ran, and widened the fields where they were short
  UpdateProgress progress;
  progress.operation = [&](const std::string& label) {
    window_.main_operation_label = label;
    ctx_.ui.FormChanged(window_);
    ctx_.ui.ProcessEvents();
  };
  progress.merge = [&](const MergeCounts& c, int percent) {
    window_.files_added = FormatCount(c.added);
    window_.files_updated = FormatCount(c.updated);
    window_.files_removed = FormatCount(c.removed);
    window_.gauge = percent;
    ctx_.ui.FormChanged(window_);
    ctx_.ui.ProcessEvents();
  };
  try {
    update_ = ApplyCatalogUpdate(ctx_.db, in, ctx_.clock, progress);
  } catch (const db::DbError& e) {
    // Nothing was written: the update is one transaction.
    BeepError(ctx_.ui, e.what());
    ctx_.state.abort_requested = true;
    window_.close_visible = true;
    return false;
  }
  ctx_.state.last_volume_label = text::Left(Trim(catalog_label_), kVolumeLabelMax);
  window_.main_operation_label.clear();
  window_.main_operation_centred = true;
  window_.main_operation_panel = "Catalog Update Completed";
  window_.gauge_visible = false;
  ctx_.ui.FormChanged(window_);
  return true;
}

bool CatalogRunner::RunCataloging(const CatalogRunRequest& request) {
  request_ = request;
  if (Trim(ctx_.state.active_catalog).empty()) {
    BeepError(ctx_.ui, "Please Select A Catalog First");
    return false;
  }
  if (!ReadOptions()) return false;
  specs_.emplace(ctx_.state.specs);
  if (request_.start_dir.empty() || request_.start_dir.back() != '\\') request_.start_dir.push_back('\\');
  ResetCounters();
  bool ok = IdentifyVolume() && CreateNewTable();
  if (ok) {
    Walk();
    window_.main_operation_panel.clear();
    if (!ctx_.state.abort_requested) window_.main_operation_label = "Disk Scan Completed";
    window_.archive_texts_visible = false;
    if (counters_.folders_skipped > 0)
      window_.folders_skipped = FormatCount(counters_.folders_skipped) + " Folder(s) Could Not Be Read And Were Skipped";
    RefreshCounters();
    if (!ctx_.state.abort_requested && !request_.stats_only && counters_.to_be_cataloged == 0 &&
        ctx_.ui.Ask("There Were No Files Passing Your Include/Exclude Specs Found On This Disk - Catalog It As Having "
                    "No Files Anyway?") != Button::Yes)
      ctx_.state.abort_requested = true;
    if (!ctx_.state.abort_requested) SelectiveCatalogingStep();
    if (!ctx_.state.abort_requested && options_.selective_cataloging) RedetermineLongest();
    if (!ctx_.state.abort_requested) CheckFieldSizes();
    if (!ctx_.state.abort_requested) ok = UpdateStep();
  }
  DropNewTable();
  return ok && !ctx_.state.abort_requested;
}

bool CatalogRunner::ScanDirectoryOnly(const CatalogRunRequest& request, const CatalogConfig& presets) {
  request_ = request;
  request_.scan_only = true;
  options_ = presets;
  run_expand_archives_ = presets.expand_archives;
  if (request_.start_dir.empty() || request_.start_dir.back() != '\\') request_.start_dir.push_back('\\');
  ResetCounters();
  if (!IdentifyVolume() || !CreateNewTable()) return false;
  Walk();
  insert_.reset();
  if (ctx_.state.abort_requested) {
    DropNewTable();
    return false;
  }
  return true;
}

}  // namespace tembrel::catalog
