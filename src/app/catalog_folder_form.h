#pragma once
// "Select Folder For Tembrel Data": the data folder dialog. The folder that counts is the
// one currently opened in the folder list.
#include <string>
#include <string_view>
#include <vector>

#include "app/modal_form.h"

namespace tembrel {

// A drive of the drive chooser: its letter, the folder it stands for and its label.
struct DriveChoice {
  char letter = 0;
  std::string root;
  std::string label;
};

class TCatalogFolderForm : public ModalForm {
 public:
  // Opens the list at `start`; when that cannot be opened, at the working folder.
  explicit TCatalogFolderForm(std::string_view start);
  std::string_view ClassName() const override { return "TCatalogFolderForm"; }

  static constexpr std::string_view kCaption = "Select Folder For Tembrel Data";
  static constexpr std::string_view kNote =
      "Double-Click The Desired Folder So That It Is Open, Then Press \"Apply\".";

  // The opened folder, ending in "/".
  const std::string& Folder() const { return folder_; }
  // Opens a folder in the list; false (and the list stays where it is) when it cannot be read.
  bool OpenFolder(std::string_view folder);
  // Opens a subfolder of the opened one by name; ".." opens the parent.
  bool OpenSubfolder(std::string_view name);
  // The subfolders of the opened folder, sorted, hidden ones left out.
  std::vector<std::string> Subfolders() const;

  // The drives the chooser offers; empty: the window lists the mounted file systems itself.
  std::vector<DriveChoice> drives;

  void ApplyBtnClick() { CloseWith(Button::Ok); }
  void CancelBtnClick() { CloseWith(Button::Cancel); }

 private:
  std::string folder_;
};

}  // namespace tembrel
