#pragma once
#include <string>

#include "app/modal_form.h"
#include "platform/ui/ui.h"

namespace tembrel::catalog {

// "What Should I Do?": a disk of that name is already in the catalog.
class TDiskAlreadyCatalogedForm : public ModalForm {
 public:
  std::string_view ClassName() const override { return "TDiskAlreadyCatalogedForm"; }
  std::string message;  // "A Disk With This Name ("NAME") Already Exists In The Catalog."

  void AliasClick() { modal_result = Button::Retry; }    // "&Catalog Under Different Name (Alias)"
  void ReplaceClick() { modal_result = Button::Ignore; }  // "&Replace Existing Catalog Entry"
  void StopClick() { modal_result = Button::Abort; }      // "&Don't Catalog (Stop)"
};

}  // namespace tembrel::catalog
