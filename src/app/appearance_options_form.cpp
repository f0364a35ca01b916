#include "app/appearance_options_form.h"

namespace tembrel {

TAppearanceOptionsForm::TAppearanceOptionsForm(const MainWindowAppearance& a)
    : main_opt(a.main_opt),
      sub_opt(a.sub_opt),
      status(a.ac),
      header_colour(a.dc_header.colour),
      info_colour(a.disks_in_catalog.colour),
      show_panels(a.main_opt_visible) {}

void TAppearanceOptionsForm::DefaultsClick() {
  main_opt = {kTeal, kTeal, GradientDirection::TopToBottom};
  sub_opt = {kNavy, kNavy, GradientDirection::TopToBottom};
  status = {kWindowFace, kWindowFace, GradientDirection::TopToBottom};
  show_panels = true;
  header_colour = kBlue;
  info_colour = kWindowText;
}

int TAppearanceOptionsForm::ApplyTo(MainWindowAppearance& a) const {
  a.main_opt = main_opt;
  a.sub_opt = sub_opt;
  a.main_opt_visible = a.sub_opt_visible = show_panels;
  a.ac = a.dc = a.fc = status;
  for (FontSpec* f : {&a.ac_header, &a.dc_header, &a.fc_header}) f->colour = header_colour;
  for (FontSpec* f : {&a.active_catalog_name, &a.disks_in_catalog, &a.files_in_catalog}) f->colour = info_colour;
  return show_panels ? 375 : 170;
}

}  // namespace tembrel
