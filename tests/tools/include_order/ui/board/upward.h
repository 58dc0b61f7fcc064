// A board header that reaches up into the main window: the include order refuses it.
#pragma once

#include "ui/board/board_view.h"
#include "ui/common/ui_state.h"
#include "ui/app/main_window.h"
