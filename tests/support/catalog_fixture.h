#pragma once
// A program folder and a data folder in a temp folder, the database opened on them, a
// recording Ui, memory settings and a fixed clock: what most logic tests start from.
#include <memory>

#include "app/app_context.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace tembrel::testing {

struct AppFixture {
  TempDir dir;
  SharedState state;
  db::Database db;
  RecordingUi ui;
  MemorySettings settings;
  FixedClock clock{Date{2026, 12, 11}, Time{10, 30, 0}};
  AppContext ctx{state, db, ui, settings, clock};

  AppFixture() : db(OpenGlobalDatabase(dir.Str())) {
    state.program_folder = dir.Str();
    state.data_folder = dir.Str();
    AttachDataFolder(db, state.data_folder);
    EnsureGlobalTables(db, state.specs);
  }
};

}  // namespace tembrel::testing
