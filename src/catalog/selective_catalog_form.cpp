#include "catalog/selective_catalog_form.h"

#include "app/text_helpers.h"
#include "store/catalog_tables.h"

namespace tembrel::catalog {

namespace {
constexpr size_t kChunk = 256;
constexpr size_t kCacheLimit = 20000;
// New's key order is the grid's order, so a chunk is a key range read from its first key on.
constexpr const char* kColumns = "SELECT Tagged, FileName, FolderName, ArchiveID, FileSize, DateModified, TimeModified FROM ";
constexpr const char* kKeyOrder = " ORDER BY FileName, FolderName, ArchiveID";
}  // namespace

TSelectiveCatalogForm::TSelectiveCatalogForm(AppContext& ctx, std::string schema, std::string label)
    : ctx_(ctx), table_(db::Qualified(schema, "New")), label_(std::move(label)) {
  db::Statement st(ctx.db, "SELECT FileName, FolderName, ArchiveID FROM " + table_ + kKeyOrder);
  while (st.Step()) {
    if (rows_ % kChunk == 0) anchors_.push_back({st.Text(0), st.Text(1), st.Text(2)});
    ++rows_;
  }
}

const NewRow& TSelectiveCatalogForm::Row(size_t index) {
  static const NewRow kNone;
  if (index >= rows_) return kNone;
  if (auto it = cache_.find(index); it != cache_.end()) return it->second;
  if (cache_.size() > kCacheLimit) cache_.clear();
  const size_t chunk = index / kChunk;
  try {
    db::Statement st(ctx_.db, kColumns + table_ + " WHERE (FileName, FolderName, ArchiveID) >= (?1, ?2, ?3)" +
                                  kKeyOrder + " LIMIT " + std::to_string(kChunk));
    const auto& [file, folder, archive] = anchors_[chunk];
    st.Bind(1, file).Bind(2, folder).Bind(3, archive);
    for (size_t i = chunk * kChunk; i < rows_ && st.Step(); ++i)
      cache_[i] = NewRow{st.Bool(0), st.Text(1), st.Text(2), st.Text(3), st.Int(4), st.DateAt(5), st.TimeAt(6)};
  } catch (const db::DbError&) {
    return kNone;
  }
  auto it = cache_.find(index);
  return it == cache_.end() ? kNone : it->second;
}

void TSelectiveCatalogForm::SetTagged(size_t index, bool tagged) {
  if (index >= rows_) return;
  const NewRow& row = Row(index);
  try {
    db::Statement st(ctx_.db, "UPDATE " + table_ + " SET Tagged = ?1 WHERE FileName = ?2 AND FolderName = ?3 AND ArchiveID = ?4");
    st.Bind(1, tagged).Bind(2, row.file_name).Bind(3, row.folder_name).Bind(4, row.archive_id);
    st.Run();
    if (auto it = cache_.find(index); it != cache_.end()) it->second.tagged = tagged;
  } catch (const db::DbError&) {
    BeepError(ctx_.ui, "An Error Occurred While Tagging Records - Operation Not Completed");
  }
}

bool TSelectiveCatalogForm::Bulk(const std::string& progress_text, const std::string& sql,
                                 const std::function<void(db::Statement&)>& bind) {
  if (rows_ == 0) return true;
  ProgressWindow& progress = ctx_.ui.Progress();
  progress.ShowForm(progress_text, false);
  ctx_.ui.ProcessEvents();
  bool ok = true;
  try {
    db::Statement st(ctx_.db, sql);
    if (bind) bind(st);
    st.Run();
    progress.SetPosition(100);
  } catch (const db::DbError&) {
    ok = false;
  }
  progress.HideForm();
  Invalidate();
  if (!ok) BeepError(ctx_.ui, "An Error Occurred While Tagging Records - Operation Not Completed");
  return ok;
}

void TSelectiveCatalogForm::TagAllClick() { Bulk("Tagging All Files", "UPDATE " + table_ + " SET Tagged = 1"); }
void TSelectiveCatalogForm::ClearTagsClick() { Bulk("UnTagging All Files", "UPDATE " + table_ + " SET Tagged = 0"); }
void TSelectiveCatalogForm::InvertTagsClick() {
  Bulk("Inverting Tagged Status Of All Files", "UPDATE " + table_ + " SET Tagged = NOT coalesce(Tagged, 0)");
}

void TSelectiveCatalogForm::TagByFilespec(std::string_view filespec, bool tagged) {
  const std::string spec = Trim(filespec);
  if (spec.empty() || spec.find(':') != std::string::npos) return;
  const bool with_folder = spec.find('\\') != std::string::npos;
  const std::string subject = with_folder
      ? "(CASE WHEN substr(FolderName, -1) = '\\' THEN FolderName ELSE FolderName || '\\' END) || FileName"
      : "FileName";
  Bulk(tagged ? "Tagging Files According To Filespec Given" : "UnTagging Files According To Filespec Given",
       "UPDATE " + table_ + " SET Tagged = ?1 WHERE MatchesMask(?2, " + subject + ")",
       [&](db::Statement& st) { st.Bind(1, tagged).Bind(2, spec); });
}

void TSelectiveCatalogForm::TagPresentlyInCatalog(bool tagged) {
  const std::string cat = CatTable(ctx_.state.active_catalog);
  if (!ctx_.db.TableExists(db::kData, cat)) {
    BeepError(ctx_.ui, "Unable To Open Current Catalog File For Comparison Purposes");
    return;
  }
  Bulk(tagged ? "Tagging Files Presently In Catalog" : "UnTagging Files Presently In Catalog",
       "UPDATE " + table_ + " AS n SET Tagged = ?1 WHERE EXISTS (SELECT 1 FROM " + db::Qualified(db::kData, cat) +
           " AS c WHERE c.FileName = n.FileName COLLATE NOCASE AND c.VolumeLabel = ?2 COLLATE NOCASE"
           " AND c.FolderName = n.FolderName COLLATE NOCASE AND c.ArchiveID = n.ArchiveID COLLATE NOCASE)",
       [&](db::Statement& st) { st.Bind(1, tagged).Bind(2, label_); });
}

void TSelectiveCatalogForm::Several(bool tagging) {
  TSelectiveCatalogTagCriteriaForm criteria(tagging);
  if (ctx_.ui.ShowModal(criteria) != Button::Ok) return;
  if (criteria.by_filespec)
    TagByFilespec(criteria.filespec, tagging);
  else
    TagPresentlyInCatalog(tagging);
}

}  // namespace tembrel::catalog
