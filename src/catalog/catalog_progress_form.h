#pragma once
// The cataloging progress window's contents. The run writes them; the window shows them,
// refreshed once a second, and its Abort and Close buttons set AbortRequested.
#include <string>

#include "app/modal_form.h"
#include "app/shared_state.h"
#include "platform/ui/ui.h"

namespace tembrel::catalog {

class TCatalogProgressForm : public ModalForm {
 public:
  explicit TCatalogProgressForm(SharedState& state) : state_(state) {}
  std::string_view ClassName() const override { return "TCatalogProgressForm"; }

  std::string caption;  // "Cataloging Disk In Drive X"
  std::string volume_id, serial_no, disk_size, disk_free, disk_cluster_size;
  std::string main_operation_label = "Scanning Folder";
  std::string main_operation_panel;
  bool main_operation_centred = false;
  std::string archive_operation_label, archive_name_panel;
  bool archive_texts_visible = true;
  std::string folders_scanned, bytes_in_folders, files_on_disk, bytes_in_files_on_disk, files_in_archives,
      bytes_in_files_in_archives, to_be_cataloged, bytes_to_be_cataloged;
  std::string longest_file_name, longest_folder_name, longest_archive_id;
  int file_name_meter = 0, folder_name_meter = 0, archive_id_meter = 0;  // percent
  std::string folders_skipped;  // shown when folders could not be read
  // The update's own counters and gauge.
  bool update_panel_visible = false;
  std::string files_added = "0", files_updated = "0", files_removed = "0";
  int gauge = 0;
  bool gauge_visible = false;

  bool abort_enabled = true;
  bool close_visible = false;  // "&Close" takes Abort's place after a successful run

  void AbortClick() { state_.abort_requested = true; }
  void CloseClick() {
    state_.abort_requested = true;
    modal_result = Button::Ok;
  }
  bool Closed() const { return modal_result != Button::None; }

 private:
  SharedState& state_;
};

}  // namespace tembrel::catalog
