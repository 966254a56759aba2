#pragma once
// Protections of the running process itself.

namespace fw {

// Keeps the process's memory (and the secrets in it) to itself: the process
// becomes non-dumpable, so that no core file is written when it crashes and
// other processes of the same user cannot attach to it or read its memory,
// and its core file size limit becomes 0.
void KeepMemoryPrivate();

}  // namespace fw
