#pragma once
// The About window and the operating system's about box.
#include <string>
#include <string_view>

#include "app/modal_form.h"
#include "app/version.h"

namespace tembrel {

class TAboutBox : public ModalForm {
 public:
  std::string_view ClassName() const override { return "TAboutBox"; }
  std::string Caption() const { return AboutCaption(); }
  std::string ProductName() const { return "Tembrel " + Edition(); }
  std::string Version() const { return VersionLine(); }  // "Version 1.05A"
  std::string Created() const { return CreatedLine(); }  // "(Created 20 October 2003)"
  void OkBtnClick() { CloseWith(Button::Ok); }
};

// What "&About Windows" shows here: the system's name and release, the kernel and the
// machine, from /etc/os-release and uname.
std::string OperatingSystemAboutText();

}  // namespace tembrel
