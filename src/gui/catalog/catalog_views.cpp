#include "gui/catalog/catalog_views.h"

#include "gui/catalog/confirm_expand_archive_view.h"

#include "gui/catalog/bad_entry_view.h"
#include "gui/catalog/catalog_disk_view.h"
#include "gui/catalog/catalog_progress_view.h"
#include "gui/catalog/disk_alias_view.h"
#include "gui/catalog/disk_already_cataloged_view.h"
#include "gui/catalog/disk_label_view.h"
#include "gui/catalog/selective_catalog_view.h"

namespace tembrel::gui {

void RegisterCatalogViews(QtUi& ui) {
  ui.RegisterView<catalog::TConfirmExpandArchiveForm>("TConfirmExpandArchiveForm", ShowConfirmExpandArchiveView);
  ui.RegisterView<TQuestionForm>("TQuestionForm", ShowQuestionView);
  using namespace catalog;
  ui.RegisterView<TCatalogDiskSpecForm>("TCatalogDiskSpecForm", ShowCatalogDiskSpecView);
  ui.RegisterView<TDiskLabelForm>("TDiskLabelForm", ShowDiskLabelView);
  ui.RegisterView<TDiskAliasForm>("TDiskAliasForm", ShowDiskAliasView);
  ui.RegisterView<TDiskAlreadyCatalogedForm>("TDiskAlreadyCatalogedForm", ShowDiskAlreadyCatalogedView);
  ui.RegisterView<TSelectiveCatalogForm>("TSelectiveCatalogForm", ShowSelectiveCatalogView);
  ui.RegisterView<TSelectiveCatalogTagCriteriaForm>("TSelectiveCatalogTagCriteriaForm",
                                                    ShowSelectiveCatalogTagCriteriaView);
  ui.RegisterView<TCatalogProgressBadEntryForm>("TCatalogProgressBadEntryForm", ShowBadEntryView);
}

void RegisterCatalogModelessViews(ModelessRegistry& registry) {
  registry.Register<catalog::TCatalogProgressForm>("TCatalogProgressForm", MakeCatalogProgressView);
}

}  // namespace tembrel::gui
