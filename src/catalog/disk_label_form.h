#pragma once
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "platform/volumes/volumes.h"

namespace tembrel::catalog {

// "Label A Disk": reads, writes and erases volume labels, and offers to rename the disk in
// the catalog when its old label was there. In cataloging mode the run opens it for an
// unlabelled disk, with the drive fixed and "Catalog Under Alias" offered.
class TDiskLabelForm : public ModalForm {
 public:
  TDiskLabelForm(AppContext& ctx, volumes::VolumeService& volumes, bool cataloging_mode, char drive);
  std::string_view ClassName() const override { return "TDiskLabelForm"; }

  const bool cataloging_mode;
  char drive;
  std::string volume_label_panel;  // " LABEL", " <No Label>", " <Error n>"
  void SetNewLabel(std::string_view typed);  // upper case, at most 11 characters
  const std::string& NewLabel() const { return new_label_; }
  std::vector<volumes::Drive> Drives() { return volumes_.Drives(); }

  void ReadLabel();  // on show and when another drive is chosen
  void DriveChanged(char letter);
  void WriteLabelClick();
  void CatalogUnderAliasClick() { modal_result = Button::Ignore; }
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  void RenameInCatalog(const std::string& old_label, const std::string& new_label);
  AppContext& ctx_;
  volumes::VolumeService& volumes_;
  std::string old_label_;
  std::string new_label_;
};

}  // namespace tembrel::catalog
