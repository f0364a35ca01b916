#pragma once
#include "catalog/bad_entry_form.h"
#include "gui/modal_view.h"

namespace tembrel::gui {

Button ShowBadEntryView(catalog::TCatalogProgressBadEntryForm& form, const ViewContext& ctx);

}  // namespace tembrel::gui
