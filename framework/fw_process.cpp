#include "framework/fw_process.h"

#include <sys/prctl.h>
#include <sys/resource.h>

namespace fw {

void KeepMemoryPrivate() {
  prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
  // Only the soft limit: the hard one stays, so that the programs started
  // from here (the web browser) inherit no limit they could not lift.
  rlimit core{};
  if (getrlimit(RLIMIT_CORE, &core) == 0) {
    core.rlim_cur = 0;
    setrlimit(RLIMIT_CORE, &core);
  }
}

}  // namespace fw
