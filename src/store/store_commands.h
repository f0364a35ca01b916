#pragma once
// Binds the main window's catalog-store commands to their dialogs.
#include "app/main_form.h"

namespace tembrel {

// "SelectCreateCatalog1": the catalog list in full mode. The main window shows the active
// catalog and its counts afterwards (the command's refresh).
void RegisterStoreCommands(TMainForm& form);

}  // namespace tembrel
