#pragma once
// "Bonus Utility Settings": the squelch settings of the offload tool and of the cleanup
// tools. The spec lists are edited in place; the drive boxes are copied in on "&Save".
// Closing without "&Save" reloads every squelch copy from the options table.
#include <array>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/modal_form.h"

namespace tembrel {

class TToolsSettingsForm : public ModalForm {
 public:
  // Loads the drive boxes from the drive copies.
  explicit TToolsSettingsForm(const AppContext& ctx);
  std::string_view ClassName() const override { return "TToolsSettingsForm"; }

  static constexpr std::string_view kCaption = "Bonus Utility Settings";
  static constexpr std::string_view kOffloadPage = "\"Offload Files\" Squelch Settings";
  static constexpr std::string_view kCleanupPage = "\"Cleanup\" Squelch Settings";
  static constexpr std::string_view kVolumesHeader = "Squelch These Volumes";
  static constexpr std::string_view kOffloadDrivesHeader = "Do Not Recommend Disks Cataloged From Checked Drives";
  static constexpr std::string_view kCleanupDrivesHeader = "Do Not Include Files On Disks Cataloged From Checked Drives";
  static constexpr std::string_view kSaveErrorText = "Error Saving Include/Exclude Specs";
  static constexpr std::string_view kRestoreErrorText = "Error Restoring Original Include/Exclude Specs";
  static constexpr size_t kSpecWidth = 11;

  // "Drive A:" ... "Drive Z:"
  static std::string DriveCaption(int drive);

  // 0-based; stored upper-cased, trimmed and cut to 11 characters.
  const std::string& SquelchSpec(int i) const { return ctx_.state.specs.squelch.at(i); }
  const std::string& DCSquelchSpec(int i) const { return ctx_.state.specs.dc_squelch.at(i); }
  void SetSquelchSpec(int i, std::string_view text);
  void SetDCSquelchSpec(int i, std::string_view text);

  // The check boxes DrvA..DrvZ and DCDrvA..DCDrvZ.
  std::array<bool, kDrives> drv{};
  std::array<bool, kDrives> dc_drv{};

  void SaveBtnClick();
  void CancelBtnClick() { CloseWith(Button::Cancel); }
  void FormClose() override;
  bool Saved() const { return saved_; }

 private:
  AppContext ctx_;
  bool saved_ = false;
};

}  // namespace tembrel
