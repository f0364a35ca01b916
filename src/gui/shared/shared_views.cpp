#include "gui/shared/shared_views.h"

#include "gui/shared/get_string_view.h"
#include "gui/shared/select_one_volume_view.h"
#include "gui/shared/text_file_viewer_view.h"

namespace tembrel::gui {

void RegisterSharedViews(QtUi& ui) {
  ui.RegisterView<TGetStringForm>("TGetStringForm", ShowGetStringView);
  ui.RegisterView<TSelectOneVolumeForm>("TSelectOneVolumeForm", ShowSelectOneVolumeView);
  ui.RegisterView<TTextFileViewerForm>("TTextFileViewerForm", ShowTextFileViewerView);
}

}  // namespace tembrel::gui
