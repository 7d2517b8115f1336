#pragma once

#include "app/singleinstance.h"
#include "settings/appfolder.h"

/// The start-up sequence up to loading the settings: false when another instance runs (the
/// program then ends at once, touching nothing); otherwise restores the missing data files and
/// returns true. The instance lock stays held by `instance`, which must live as long as the
/// program.
[[nodiscard]] bool startUp(const AppFolder &folder, SingleInstance &instance);
