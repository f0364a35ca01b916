#pragma once
#include <string>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel {

// "Rename Catalog": the old name and an entry for the new one.
class TRenameCatalogForm : public ModalForm {
 public:
  TRenameCatalogForm(AppContext& ctx, std::string old_name) : old_name(std::move(old_name)), ctx_(ctx) {}
  std::string_view ClassName() const override { return "TRenameCatalogForm"; }

  const std::string old_name;
  std::string new_name;  // at most 20 characters
  bool focus_entry = false;

  void OkClick();
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  AppContext& ctx_;
};

}  // namespace tembrel
