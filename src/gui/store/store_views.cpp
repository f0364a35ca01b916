#include "gui/store/store_views.h"

#include "gui/store/catalog_fsize_view.h"
#include "gui/store/catalog_options_view.h"
#include "gui/store/new_catalog_view.h"
#include "gui/store/rename_catalog_view.h"
#include "gui/store/resize_warning_view.h"
#include "gui/store/select_catalog_view.h"

namespace tembrel::gui {

void RegisterStoreViews(QtUi& ui) {
  ui.RegisterView<TSelectCatalogForm>("TSelectCatalogForm", ShowSelectCatalogView);
  ui.RegisterView<TNewCatalogForm>("TNewCatalogForm", ShowNewCatalogView);
  ui.RegisterView<TRenameCatalogForm>("TRenameCatalogForm", ShowRenameCatalogView);
  ui.RegisterView<TCatalogOptionsForm>("TCatalogOptionsForm", ShowCatalogOptionsView);
  ui.RegisterView<TCatalogFSizeForm>("TCatalogFSizeForm", ShowCatalogFSizeView);
  ui.RegisterView<TResizeWarningForm>("TResizeWarningForm", ShowResizeWarningView);
}

}  // namespace tembrel::gui
