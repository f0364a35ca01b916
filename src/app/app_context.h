#pragma once
// What a dialog's logic class is handed: the shared state and the seams it works through.
#include "app/date_time.h"
#include "app/shared_state.h"
#include "platform/db/database.h"
#include "platform/settings/settings.h"
#include "platform/ui/ui.h"

namespace tembrel {

struct AppContext {
  SharedState& state;
  db::Database& db;  // "main" = global tables, "Data" = the data folder's catalogs, "Memory"
  Ui& ui;
  Settings& settings;
  const Clock& clock;
};

}  // namespace tembrel
