#pragma once
#include <string>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "store/catalog_tables.h"

namespace tembrel {

// "Catalog Options": every option of one CatalogConfigs row.
class TCatalogOptionsForm : public ModalForm {
 public:
  TCatalogOptionsForm(AppContext& ctx, CatalogConfig config);
  std::string_view ClassName() const override { return "TCatalogOptionsForm"; }

  std::string header;  // "Current Catalog = "name""
  CatalogConfig config;

  void SelectAllFormatsClick() { SetAllFormats(true); }
  void ClearAllFormatsClick() { SetAllFormats(false); }
  // Writes the row and closes with OK; on failure the dialog stays open.
  void SaveOptionsClick();
  void CancelClick() { modal_result = Button::Cancel; }

  static constexpr const char* kExpandChoices[] = {"Always", "Never", "On Demand"};

 private:
  void SetAllFormats(bool on);
  AppContext& ctx_;
};

// Opens the options dialog for `name`; its own messages when the row cannot be read.
void EditCatalogOptions(AppContext& ctx, const std::string& name);

}  // namespace tembrel
