#pragma once
// Every control class of the framework.
#include "framework/fw_buttons.h"
#include "framework/fw_canvas.h"
#include "framework/fw_listbox.h"
#include "framework/fw_rectcontrol.h"
#include "framework/fw_text_controls.h"
