#include "catalog/catalog_commands.h"

#include "catalog/catalog_disk_form.h"
#include "catalog/disk_label_form.h"

namespace tembrel::catalog {

void RegisterCatalogCommands(TMainForm& form, volumes::VolumeService& volumes, fs::FileSystem& files,
                             ContentReader* content) {
  form.RegisterCommand("CatalogDisks1", [&form, &volumes, &files, content] {
    AppContext ctx = form.Context();
    TCatalogDiskSpecForm dialog(ctx, volumes, files);
    dialog.content_reader = content;
    dialog.FormShow();
    form.UiRef().ShowModal(dialog);
  });
  form.RegisterCommand("LabelADisk1", [&form, &volumes] {
    AppContext ctx = form.Context();
    std::vector<volumes::Drive> drives = volumes.Drives();
    // The drive the user last cataloged from is the likeliest to hold the disk to label.
    char drive = drives.empty() ? 'C' : drives.front().letter;
    const std::string last = ctx.settings.GetString("TCatalogDiskSpecForm", "LastDriveLabel");
    if (!last.empty())
      for (const auto& d : drives)
        if (d.letter == volumes::NormalizeLetter(last[0])) drive = d.letter;
    TDiskLabelForm dialog(ctx, volumes, false, drive);
    dialog.ReadLabel();
    form.UiRef().ShowModal(dialog);
  });
}

}  // namespace tembrel::catalog
