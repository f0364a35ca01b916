#include "gui/shell_views.h"

#include "gui/about_dialog.h"
#include "gui/app/appearance_options_view.h"
#include "gui/app/catalog_folder_view.h"
#include "gui/app/help_view.h"
#include "gui/app/include_exclude_view.h"
#include "gui/app/tools_settings_view.h"
#include "gui/tips_dialog.h"

// The help page is compiled into this library; a static library's resources have to be
// pulled in by name (and from outside any namespace).
static void InitShellResources() { Q_INIT_RESOURCE(tembrel); }

namespace tembrel::gui {

void RegisterShellViews(QtUi& ui) {
  InitShellResources();
  ui.RegisterView<TCatalogFolderForm>("TCatalogFolderForm", ShowCatalogFolderView);
  ui.RegisterView<TAppearanceOptionsForm>("TAppearanceOptionsForm", ShowAppearanceOptionsView);
  ui.RegisterView<TIncludeExcludeForm>("TIncludeExcludeForm", ShowIncludeExcludeView);
  ui.RegisterView<TToolsSettingsForm>("TToolsSettingsForm", ShowToolsSettingsView);
  ui.RegisterView<TTipsForm>("TTipsForm", ShowTipsDialog);
  ui.RegisterView<TAboutBox>("TAboutBox", ShowAboutDialog);
  ui.RegisterView<THelpForm>("THelpForm", ShowHelpView);
}

}  // namespace tembrel::gui
