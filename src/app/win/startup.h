#pragma once

#include "ui/application.h"

namespace vorlan::app {

// The application's settings made at start: its title and the error box's
// message rule. The main form owns the task-bar button by its own style.
void SetUpApplication(ui::TApplication& application);

}  // namespace vorlan::app
