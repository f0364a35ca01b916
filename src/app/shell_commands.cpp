#include "app/shell_commands.h"

#include "app/about_form.h"
#include "app/appearance_options_form.h"
#include "app/help_form.h"
#include "app/include_exclude_form.h"
#include "app/tools_settings_form.h"

namespace tembrel {

void RegisterShellCommands(TMainForm& form) {
  form.RegisterCommand("IncludeExcludeSpecs1", [&form] {
    TIncludeExcludeForm dialog(form.Context());
    form.UiRef().ShowModal(dialog);
  });
  form.RegisterCommand("ToolsSettings1", [&form] {
    TToolsSettingsForm dialog(form.Context());
    form.UiRef().ShowModal(dialog);
  });
  form.RegisterCommand("MainWindowAppearanceOptions1", [&form] {
    TAppearanceOptionsForm dialog(form.Appearance());
    if (form.UiRef().ShowModal(dialog) != Button::Ok || dialog.ModalResult() != Button::Ok) return;
    form.SetMinimumHeight(dialog.ApplyTo(form.Appearance()));
    form.AppearanceChanged();
  });
  form.RegisterCommand("About1", [&form] {
    TAboutBox dialog;
    form.UiRef().ShowModal(dialog);
  });
  form.RegisterCommand("AboutWindows1", [&form] { form.UiRef().Information(OperatingSystemAboutText()); });
  auto help = [&form](HelpMode mode) {
    return [&form, mode] {
      THelpForm dialog(mode);
      form.UiRef().ShowModal(dialog);
    };
  };
  form.RegisterCommand("Contents1", help(HelpMode::Contents));
  form.RegisterCommand("Index1", help(HelpMode::Index));
  form.RegisterCommand("HowToUseHelp1", help(HelpMode::HowToUseHelp));
}

}  // namespace tembrel
