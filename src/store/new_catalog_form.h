#pragma once
#include <string>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "store/catalog_tables.h"

namespace tembrel {

// "New Catalog": a name and the three name-field widths.
class TNewCatalogForm : public ModalForm {
 public:
  explicit TNewCatalogForm(AppContext& ctx) : ctx_(ctx) {}
  std::string_view ClassName() const override { return "TNewCatalogForm"; }

  std::string name;  // at most 20 characters
  FieldWidths widths;
  bool focus_name = false;  // the view moves the cursor to the name when set

  // Checks in order; closes with OK when they pass.
  void CreateClick();
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  AppContext& ctx_;
};

}  // namespace tembrel
