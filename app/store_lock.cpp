#include "app/store_lock.h"

#include <memory>

#include "app/app.h"
#include "framework/fw_application.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_run_lock.h"
#include "framework/fw_specialfolder.h"

bool TakeStoreForThisRun(App& app) {
  app.storeLock = std::make_unique<fw::RunLock>(fw::SpecialFolder::Preferences(), "Kavro2");
  // A lock that cannot be made at all (no runtime folder) keeps nobody out:
  // the run goes on as it would without it.
  if (!app.storeLock->HeldElsewhere()) return true;
  fw::MsgBox("Kavro is already running.");
  fw::Quit();
  return false;
}
