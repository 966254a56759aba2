#include "framework/fw_testing.h"

#include <QCoreApplication>

#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "framework/fw_textstreams.h"

namespace fw::testing {

void ResetFramework() {
  // Closed windows are deleted by posted events; let those run first.
  QCoreApplication::sendPostedEvents();
  for (Window* window : OpenWindows()) delete window;
  ReleaseSharedInstances();
  ReleaseAppObject();
  ResetQuit();
  SetStreamFault(nullptr);
  QCoreApplication::sendPostedEvents();
}

}  // namespace fw::testing
