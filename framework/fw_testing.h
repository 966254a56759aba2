#pragma once
// What tests need of the framework beyond the program's own calls.

namespace fw::testing {

// Back to the state of a new process: every window destroyed, the shared
// instances and the application object released, no quit pending.
void ResetFramework();

}  // namespace fw::testing
