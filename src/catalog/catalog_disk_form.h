#pragma once
// "Catalog Disk- Criteria": drive, start folder and run options, then "Catalog &Now".
#include <functional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "catalog/catalog_run.h"

namespace tembrel::catalog {

class TCatalogDiskSpecForm : public ModalForm {
 public:
  TCatalogDiskSpecForm(AppContext& ctx, volumes::VolumeService& volumes, fs::FileSystem& files);
  std::string_view ClassName() const override { return "TCatalogDiskSpecForm"; }
  static constexpr const char* kCaption = "Catalog Disk- Criteria";

  std::vector<volumes::Drive> drives;
  char drive = 'C';
  std::string start_dir;  // "C:\", or a folder chosen from the list
  bool recurse = true, ignore_recycle = true, keep_in_memory = false, stats_only = false;

  void FormShow();               // loads the remembered choices
  void DriveChanged(char letter);  // StartDir := "X:\"
  // A folder chosen in the folder dialog, as a drive-relative path ("\GAMES").
  void StartFolderChosen(std::string_view stored_folder);
  void CatalogOptionsClick();
  // Runs one disk; the dialog stays open for the next one. Returns the run's result.
  bool CatalogNowClick();
  void FormClose() override;  // remembers the choices

  // What reads archives and media files; the real readers when not set (tests replace them).
  ContentReader* content_reader = nullptr;
  std::function<int(std::string_view)> text_measure;

 private:
  AppContext& ctx_;
  volumes::VolumeService& volumes_;
  fs::FileSystem& files_;
};

}  // namespace tembrel::catalog
