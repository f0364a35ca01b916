#pragma once
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "store/catalog_operations.h"

namespace tembrel {

// "Select / Create / Configure Catalog": the list of catalogs. In picker mode other
// commands use it to let the user choose a catalog; it then changes nothing itself.
class TSelectCatalogForm : public ModalForm {
 public:
  enum class Mode { Full, Picker };
  TSelectCatalogForm(AppContext& ctx, Mode mode);
  std::string_view ClassName() const override { return "TSelectCatalogForm"; }

  const Mode mode;
  const std::vector<CatalogListRow>& Rows() const { return rows_; }
  int current = 0;  // the highlighted row
  std::string HighlightedName() const;

  void Refresh();  // re-reads the list, keeping the highlighted name where it still exists
  void MoveTo(std::string_view name);

  void NewCatalogClick();
  void AdjustSizesClick();
  void DeleteCatalogClick();
  void SelectCatalogClick();
  void CatalogOptionsClick();
  void RenameCatalogClick();
  void RowDoubleClick(int row);
  void CloseClick() { modal_result = Button::Cancel; }

 private:
  bool RequireRow();  // "No Catalogs Have Been Defined Yet" when the list is empty
  AppContext& ctx_;
  std::vector<CatalogListRow> rows_;
};

}  // namespace tembrel
