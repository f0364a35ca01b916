#pragma once
#include <array>
#include <string>

#include "app/app_context.h"
#include "app/modal_form.h"
#include "store/catalog_tables.h"

namespace tembrel {

// "Adjust Sizes": new widths for a catalog's file name, folder name and archive ID fields,
// never below what the catalog already holds.
class TCatalogFSizeForm : public ModalForm {
 public:
  TCatalogFSizeForm(AppContext& ctx, std::string catalog, FieldWidths current);
  std::string_view ClassName() const override { return "TCatalogFSizeForm"; }

  // Scans the catalog for the minimum widths; false (after its message) when that fails.
  bool DetermineMinimums();

  std::string header;
  std::array<std::string, 3> labels;        // "Maximum Filename Length (Currently 64):"
  std::array<std::string, 3> range_labels;  // "(37 to 200)"
  FieldWidths entries;
  FieldWidths minimums;
  static constexpr FieldWidths kUpper{kMaxFileNameWidth, kMaxFolderNameWidth, kMaxArchiveIdWidth};

  // Entry changes; a value outside its limits is not accepted (returns false, keeps the old one).
  bool SetEntry(int item, int value);
  void UseMinimumsClick() { entries = minimums; }
  // Restructures _CAT to the entered widths with progress; OK when done, else the dialog stays open.
  void AdjustClick();
  void CancelClick() { modal_result = Button::Cancel; }

 private:
  AppContext& ctx_;
  std::string catalog_;
};

// The whole Adjust Sizes command for one catalog: prepare, show, and write the widths.
void AdjustCatalogSizes(AppContext& ctx, const std::string& catalog);

}  // namespace tembrel
