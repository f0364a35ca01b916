#include "catalog/content_reader.h"

#include "app/question_form.h"
#include "app/text_helpers.h"
#include "catalog/archives/archive_dispatch.h"
#include "catalog/archives/cab_reader.h"
#include "catalog/archives/file_source.h"
#include "catalog/archives/sfx_check.h"
#include "catalog/archives/zip_reader.h"
#include "catalog/confirm_expand_archive_form.h"
#include "catalog/entry_kinds.h"
#include "catalog/media/diz_text.h"
#include "catalog/media/media_info.h"

namespace tembrel::catalog {

namespace {

// The run as the readers see it: members become entries of the archive's folder.
class RunSink final : public archives::ArchiveSink {
 public:
  RunSink(CatalogRunner& run, const ContentReader::FileContext& file) : run_(run), file_(file) {}
  void CountMember(uint64_t size) override { run_.CountArchiveMember(size); }
  bool PassesSpecs(std::string_view member) override { return run_.PassesSpecs(file_.folder_name, member); }
  void AddEntry(const archives::ArchiveMember& m) override {
    run_.AddEntry({m.file_name, file_.folder_name, file_.name, m.size, m.date, m.time, m.attribute, m.comment});
  }
  bool AbortRequested() override { return run_.Aborted(); }
  void ProcessEvents() override { run_.Context().ui.ProcessEvents(); }

 private:
  CatalogRunner& run_;
  const ContentReader::FileContext& file_;
};

archives::ArchiveContext ContextOf(const ContentReader::FileContext& file) {
  return {file.in_start_folder, file.folder_name, file.folder_path, file.entry.raw_name,
          archives::DefaultSourceOpener()};
}

std::string DisplayPath(CatalogRunner& run, const ContentReader::FileContext& file) {
  std::string folder = file.folder_name == "\\" ? "\\" : file.folder_name + "\\";
  return std::string(1, run.Request().drive) + ":" + folder + file.name;
}

void SetArchiveTexts(CatalogRunner& run, std::string label, std::string name) {
  run.Window().archive_operation_label = std::move(label);
  run.Window().archive_name_panel = std::move(name);
  run.Context().ui.FormChanged(run.Window());
  run.Context().ui.ProcessEvents();
}

// A damaged or foreign archive is reported only when the user is choosing archive by archive.
void ReportFailure(CatalogRunner& run, const archives::ReadResult& r, const std::string& name) {
  if (r.outcome == archives::ReadOutcome::Failed && run.RunExpandArchives() == "On Demand")
    BeepError(run.Context().ui, "Error Processing Archive " + name);
}

const char* ExpandText(archives::ExpandSetting s) {
  switch (s) {
    case archives::ExpandSetting::Always: return "Always";
    case archives::ExpandSetting::OnDemand: return "On Demand";
    default: return "Never";
  }
}

}  // namespace

void ArchiveContentReader::ReadArchiveOrSfx(CatalogRunner& run, const FileContext& file) {
  const CatalogConfig& o = run.Options();
  AppContext& ctx = run.Context();
  archives::ArchiveContext ac = ContextOf(file);
  RunSink sink(run, file);
  if (IsArchiveKind(file.kind)) {
    if (ShouldExpand(o.expand_archives, run.RunExpandArchives(), file.in_start_folder, DisplayPath(run, file), ctx.ui,
                     ctx.state)) {
      SetArchiveTexts(run, "Scanning Archive", " " + file.name);
      archives::ReadResult r;
      if (file.kind == kZip)
        r = archives::ReadZip(ac, sink);
      else if (file.kind == kCab)
        r = archives::ReadCab(ac, sink);
      else
        // Each volume of a split ARJ set is an entry of its own (NAME.A01 is read when the walk
        // meets it), so volumes are not followed from the first one: that would list them twice.
        r = archives::ReadArchive(static_cast<archives::ArchiveKind>(file.kind), ac, sink, {false});
      if (file.kind != kArc && file.kind != kPak) run.CurrentComment() = r.main_comment;
      ReportFailure(run, r, file.name);
      run.RefreshCounters();
      SetArchiveTexts(run, "", "");
    } else if (file.in_start_folder && o.get_main_comment && (file.kind == kArj || file.kind == kZip)) {
      SetArchiveTexts(run, "Reading Main Archive Comment In", file.name);
      if (file.kind == kZip)
        run.CurrentComment() = archives::ReadZipMainComment(ac).value_or("");
      else
        run.CurrentComment() = archives::ReadArchiveMainComment(archives::ArchiveKind::Arj, ac).main_comment;
      SetArchiveTexts(run, "", "");
    }
    return;
  }
  // A program: perhaps a ZIP behind a self-extractor.
  archives::ExpandSetting rv =
      archives::ParseExpandSetting(run.RunExpandArchives()).value_or(archives::ExpandSetting::Never);
  auto ask = [&](std::string_view question) {
    return AskWithButtons(ctx.ui, std::string(question),
                          {Button::Yes, Button::No, Button::Cancel, Button::YesToAll, Button::NoToAll});
  };
  auto panel = [&](std::string_view text) { SetArchiveTexts(run, run.Window().archive_operation_label, std::string(text)); };
  archives::SfxCheckResult res = archives::CheckSelfExtracting(ac, sink, rv, ask, panel);
  run.RunExpandArchives() = ExpandText(rv);
  if (res.comment) run.CurrentComment() = *res.comment;
  if (res.abort) ctx.state.abort_requested = true;
  if (res.expanded) {
    ReportFailure(run, res.listing, file.name);
    run.RefreshCounters();
  }
}

void ArchiveContentReader::ReadDiz(CatalogRunner& run, const FileContext& file) {
  const CatalogConfig& o = run.Options();
  if (!(o.diz_override || (o.use_diz && run.CurrentComment().empty()))) return;
  if (auto text = media::ReadDizComment(ContextOf(file))) run.CurrentComment() = *text;
}

void ArchiveContentReader::ReadMedia(CatalogRunner& run, const FileContext& file) {
  SetArchiveTexts(run, "Extracting Technical Information From", file.name);
  if (auto source = archives::FileSource::Open(file.folder_path + file.entry.raw_name))
    if (auto text = media::ExtractMediaInfo(static_cast<media::MediaKind>(file.kind), *source))
      run.CurrentComment() = *text;
  SetArchiveTexts(run, "", "");
}

void ArchiveContentReader::CopyMainComment(CatalogRunner& run, const FileContext& file) {
  SetArchiveTexts(run, "Copying Main Archive Comment To \"Sibblings\"", file.name);
  try {
    run.CopyCommentToMembers(run.CurrentComment());
  } catch (const db::DbError&) {
    // The members keep the comments they had; the run goes on.
  }
  SetArchiveTexts(run, "", "");
}

}  // namespace tembrel::catalog
