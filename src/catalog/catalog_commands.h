#pragma once
// Binds the main window's cataloging commands to their dialogs.
#include "app/main_form.h"
#include "catalog/catalog_run.h"
#include "platform/fs/fs.h"
#include "platform/volumes/volumes.h"

namespace tembrel::catalog {

// "CatalogDisks1": the Catalog Disk dialog; "LabelADisk1": the disk label dialog on its own.
// `content` reads archives and media files during a run; without one, files are just files.
// The three services must outlive the main window's commands.
void RegisterCatalogCommands(TMainForm& form, volumes::VolumeService& volumes, fs::FileSystem& files,
                             ContentReader* content = nullptr);

}  // namespace tembrel::catalog
