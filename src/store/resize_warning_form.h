#pragma once
#include "app/app_context.h"
#include "app/modal_form.h"
#include "store/catalog_tables.h"

namespace tembrel {

// "Catalog Item Size Re-Adjustment(s) Required": shown when values to be written are longer
// than the active catalog's widths; widens the fields on request.
class TResizeWarningForm : public ModalForm {
 public:
  TResizeWarningForm(AppContext& ctx, FieldWidths current, FieldWidths longest)
      : current(current), longest(longest), ctx_(ctx) {}
  std::string_view ClassName() const override { return "TResizeWarningForm"; }

  const FieldWidths current;  // "Your Catalog"
  const FieldWidths longest;  // "To Be Cataloged"
  FieldWidths widened;        // what "&Adjust Settings" made them

  void AdjustSettingsClick();
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  AppContext& ctx_;
};

// Each width becomes the larger of current and longest.
FieldWidths WidenedWidths(const FieldWidths& current, const FieldWidths& longest);

// Shows the warning for the active catalog; OK only when the fields were widened.
Button RunResizeWarning(AppContext& ctx, const FieldWidths& current, const FieldWidths& longest);

}  // namespace tembrel
