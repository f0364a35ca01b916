#pragma once
// The read-only text viewer: the caller loads a file and sets the caption to its path.
#include <string>

#include "app/modal_form.h"
#include "platform/ui/ui.h"

namespace tembrel {

class TTextFileViewerForm : public ModalForm {
 public:
  std::string_view ClassName() const override { return "TTextFileViewerForm"; }

  std::string caption;
  std::string text;

  // Reads the file whole; false when it cannot be read (the caller shows its own message).
  bool LoadFile(const std::string& path);
  // The caret moved to the zero-based line and column.
  void CaretMoved(int line, int column);
  const std::string& StatusLine() const { return status_; }
  void CloseClick() { modal_result = Button::Cancel; }

 private:
  std::string status_ = "Line 0  -  Column 0";
};

}  // namespace tembrel
