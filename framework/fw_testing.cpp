#include "framework/fw_testing.h"

#include <QCoreApplication>

#include "framework/fw_application.h"
#include "framework/fw_shared.h"

namespace fw::testing {

void ResetFramework() {
  // Closed windows are deleted by posted events; let those run first.
  QCoreApplication::sendPostedEvents();
  for (Window* window : OpenWindows()) delete window;
  ReleaseSharedInstances();
  ReleaseAppObject();
  ResetQuit();
  QCoreApplication::sendPostedEvents();
}

}  // namespace fw::testing
