#pragma once
#include <string>

#include "app/menubar1.h"

// Export... is offered only while the store is unlocked and the list holds rows,
// since its file holds every password in plain text; Import... only while the
// store is unlocked. The lock state is the lock button's caption.
void EnableFileMenuItems(MenuBar1& bar, const std::string& lockCaption, int listCount);
