#pragma once
// Binds the commands of the application shell that have their dialogs now: the two spec
// settings dialogs, help, the About window and the system's about box.
#include "app/main_form.h"

namespace tembrel {

void RegisterShellCommands(TMainForm& form);

}  // namespace tembrel
