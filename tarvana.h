#pragma once
// The Tarvana Toolbox: every public header in one include.

#include "console/console.h"
#include "console/screen_save.h"
#include "console/types.h"
#include "runtime/based_array.h"
#include "runtime/cp437_case.h"
#include "window/window.h"
#include "menu/bar_menu.h"
#include "menu/box_menu.h"
#include "tools/dialog.h"
#include "tools/prompt_utils.h"
