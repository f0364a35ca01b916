#pragma once
// "Selective Cataloging": the user tags the entries of a scan that go into the catalog.
// The grid reads rows on demand in chunks; the first key of every chunk is kept.
#include <array>
#include <functional>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel::catalog {

struct NewRow {
  bool tagged = false;
  std::string file_name, folder_name, archive_id;
  int64_t size = 0;
  Date date;
  Time time;
};

// "Tag Several" / "UnTag Several": a filespec, or the files presently in the catalog.
class TSelectiveCatalogTagCriteriaForm : public ModalForm {
 public:
  explicit TSelectiveCatalogTagCriteriaForm(bool tagging) : tagging(tagging) {}
  std::string_view ClassName() const override { return "TSelectiveCatalogTagCriteriaForm"; }
  const bool tagging;
  std::string Caption() const { return tagging ? "Tag Several" : "UnTag Several"; }
  std::string FilespecChoiceText() const {
    return tagging ? "Tag Files Conforming To This Filespec" : "UnTag Files Conforming To This Filespec";
  }
  std::string CatalogChoiceText() const {
    return tagging ? "Tag Files Presently In Your Catalog" : "UnTag Files Presently In Your Catalog";
  }
  bool by_filespec = true;  // else: presently in the catalog
  std::string filespec;
  void ProceedClick() { modal_result = Button::Ok; }
  void CancelClick() { modal_result = Button::Cancel; }
};

class TSelectiveCatalogForm : public ModalForm {
 public:
  // Counts New's rows in key order; throws db::DbError when the table cannot be read.
  TSelectiveCatalogForm(AppContext& ctx, std::string schema, std::string catalog_volume_label);
  std::string_view ClassName() const override { return "TSelectiveCatalogForm"; }

  std::array<int, 3> column_widths{};  // file name, folder, archive ID; 0 = the view's default

  size_t RowCount() const { return rows_; }
  const NewRow& Row(size_t index);  // fetched on demand
  void SetTagged(size_t index, bool tagged);
  int current = 0;

  void TagAllClick();
  void ClearTagsClick();
  void InvertTagsClick();
  void TagSeveralClick() { Several(true); }
  void UntagSeveralClick() { Several(false); }
  void ProceedClick() { modal_result = Button::Ok; }
  void CancelClick() { modal_result = Button::Cancel; }

  // The bulk operation behind "Tag/UnTag Several", for a given filespec or catalog match.
  void TagByFilespec(std::string_view filespec, bool tagged);
  void TagPresentlyInCatalog(bool tagged);

 private:
  void Several(bool tagging);
  // Runs one UPDATE over New under the progress window; false after its message on failure.
  bool Bulk(const std::string& progress_text, const std::string& sql,
            const std::function<void(db::Statement&)>& bind = {});
  void Invalidate() { cache_.clear(); }

  AppContext& ctx_;
  std::string table_;  // qualified name of New
  std::string label_;
  size_t rows_ = 0;
  std::vector<std::array<std::string, 3>> anchors_;  // key of rows 0, kChunk, 2 kChunk, ...
  std::unordered_map<size_t, NewRow> cache_;
};

}  // namespace tembrel::catalog
