#include "store/select_catalog_form.h"

#include "app/text_helpers.h"
#include "store/catalog_config.h"
#include "store/catalog_fsize_form.h"
#include "store/catalog_options_form.h"
#include "store/new_catalog_form.h"
#include "store/rename_catalog_form.h"
#include "store/verify_active_catalog.h"

namespace tembrel {

TSelectCatalogForm::TSelectCatalogForm(AppContext& ctx, Mode mode) : mode(mode), ctx_(ctx) {
  Refresh();
  MoveTo(ctx.state.active_catalog);
}

std::string TSelectCatalogForm::HighlightedName() const {
  if (current < 0 || current >= static_cast<int>(rows_.size())) return {};
  return rows_[current].name;
}

void TSelectCatalogForm::Refresh() {
  std::string keep = HighlightedName();
  try {
    rows_ = ListCatalogs(ctx_.db);
  } catch (const db::DbError& e) {
    rows_.clear();
    BeepError(ctx_.ui, e.what());
  }
  current = 0;
  MoveTo(keep);
}

void TSelectCatalogForm::MoveTo(std::string_view name) {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].name == name) current = static_cast<int>(i);
}

bool TSelectCatalogForm::RequireRow() {
  if (!Trim(HighlightedName()).empty()) return true;
  BeepError(ctx_.ui, "No Catalogs Have Been Defined Yet");
  return false;
}

void TSelectCatalogForm::SelectCatalogClick() {
  if (!RequireRow()) return;
  if (mode == Mode::Full) {
    ctx_.state.active_catalog = Trim(HighlightedName());
    try {
      if (auto c = LoadCatalogConfig(ctx_.db, ctx_.state.active_catalog))
        ctx_.state.last_volume_label = TrimCut(c->last_volume_label, kVolumeLabelMax);
    } catch (const db::DbError&) {
      // VerifyActiveCatalog reports a table it cannot read.
    }
    VerifyActiveCatalog(ctx_, false);
  }
  modal_result = Button::Ok;
}

void TSelectCatalogForm::RowDoubleClick(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  current = row;
  SelectCatalogClick();
}

void TSelectCatalogForm::NewCatalogClick() {
  const std::string remembered = ctx_.state.active_catalog;
  TNewCatalogForm form(ctx_);
  if (ctx_.ui.ShowModal(form) == Button::Ok && form.modal_result == Button::Ok) {
    ctx_.state.active_catalog = Trim(form.name);
    const std::string created = ctx_.state.active_catalog;
    if (CreateCatalogConfig(ctx_, form.widths, false) && !ctx_.state.active_catalog.empty())
      VerifyActiveCatalog(ctx_, true);
    Refresh();
    MoveTo(created);
  }
  // A new catalog does not become the active one.
  ctx_.state.active_catalog = remembered;
  CatalogOptionsClick();
}

void TSelectCatalogForm::DeleteCatalogClick() {
  if (!RequireRow()) return;
  const std::string name = HighlightedName();
  if (ctx_.ui.Ask("Warning:  This Operation Cannot Be Undone.\rAre You Sure You Want To Delete The Catalog Named \"" +
                      Trim(name) + "\"?",
                  true) != Button::Yes)
    return;
  std::string failed = DeleteCatalog(ctx_.db, name);
  if (!failed.empty()) {
    BeepError(ctx_.ui, failed);
  } else if (name == ctx_.state.active_catalog) {
    ctx_.state.active_catalog.clear();
    ctx_.state.last_volume_label.clear();
  }
  Refresh();
}

void TSelectCatalogForm::RenameCatalogClick() {
  if (!RequireRow()) return;
  const std::string old_name = HighlightedName();
  TRenameCatalogForm form(ctx_, old_name);
  if (ctx_.ui.ShowModal(form) != Button::Ok || form.modal_result != Button::Ok) return;
  const std::string new_name = Trim(form.new_name);
  std::string failed = RenameCatalog(ctx_.db, old_name, new_name);
  if (!failed.empty()) {
    BeepError(ctx_.ui, failed);
    return;
  }
  if (old_name == ctx_.state.active_catalog) ctx_.state.active_catalog = new_name;
  Refresh();
  MoveTo(new_name);
}

void TSelectCatalogForm::CatalogOptionsClick() {
  if (!RequireRow()) return;
  EditCatalogOptions(ctx_, HighlightedName());
  Refresh();
}

void TSelectCatalogForm::AdjustSizesClick() {
  if (!RequireRow()) return;
  AdjustCatalogSizes(ctx_, HighlightedName());
  Refresh();
}

}  // namespace tembrel
