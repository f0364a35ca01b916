#include "app/text_file_viewer_form.h"

#include <fstream>
#include <sstream>

namespace tembrel {

bool TTextFileViewerForm::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) return false;
  text = buf.str();
  caption = path;
  return true;
}

void TTextFileViewerForm::CaretMoved(int line, int column) {
  status_ = "Line: " + std::to_string(line + 1) + "  -  Column: " + std::to_string(column + 1);
}

}  // namespace tembrel
