#include "app/select_one_volume_form.h"

#include "store/catalog_tables.h"

namespace tembrel {

TSelectOneVolumeForm::TSelectOneVolumeForm(AppContext& ctx) {
  db::Statement st(ctx.db, "SELECT CatalogVolumeLabel FROM " +
                               db::Qualified(db::kData, SumTable(ctx.state.active_catalog)) +
                               " ORDER BY CatalogVolumeLabel COLLATE NOCASE");
  while (st.Step()) labels_.push_back(st.Text(0));
}

void TSelectOneVolumeForm::SelectClick() {
  if (!labels_.empty()) modal_result = Button::Ok;
}

void TSelectOneVolumeForm::RowDoubleClick(int row) {
  if (row < 0 || row >= static_cast<int>(labels_.size())) return;
  current = row;
  SelectClick();
}

std::string TSelectOneVolumeForm::SelectedLabel() const {
  if (current < 0 || current >= static_cast<int>(labels_.size())) return {};
  return labels_[current];
}

}  // namespace tembrel
