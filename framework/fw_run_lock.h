#pragma once
#include <memory>
#include <string>

#include "framework/fw_folderitem.h"

class QLockFile;

namespace fw {

// Keeps other processes of the user away from a file or folder for as long
// as this object lives: of the processes that lock the same item, one holds
// it at a time. The lock is a file in the user's runtime folder named after
// the item, so nothing is added beside the item itself; a lock left by a
// process that has ended (a crash, a kill) is stale and taken over.
class RunLock {
 public:
  // name begins the lock file's name, for a person who finds it.
  RunLock(const FolderItem& item, const std::string& name);
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Whether another living process holds it. False also when no lock could
  // be made at all (no runtime folder): then nobody holds it.
  bool HeldElsewhere() const { return heldElsewhere_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool heldElsewhere_ = false;
};

}  // namespace fw
