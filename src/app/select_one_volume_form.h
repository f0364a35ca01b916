#pragma once
// The one-volume picker: the active catalog's volumes in label order; the caller reads
// the chosen CatalogVolumeLabel after OK.
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel {

class TSelectOneVolumeForm : public ModalForm {
 public:
  // Reads the summary table; throws db::DbError when it cannot be read (the caller shows
  // the engine's text and does not open the dialog).
  explicit TSelectOneVolumeForm(AppContext& ctx);
  std::string_view ClassName() const override { return "TSelectOneVolumeForm"; }

  const std::vector<std::string>& Labels() const { return labels_; }
  int current = 0;

  // "&Select" and a double click on a data row close with OK only when there are rows.
  void SelectClick();
  void RowDoubleClick(int row);
  void CancelClick() { modal_result = Button::Cancel; }
  std::string SelectedLabel() const;

 private:
  std::vector<std::string> labels_;
};

}  // namespace tembrel
