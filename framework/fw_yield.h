#pragma once

namespace fw {

// The cooperative yield point that long loops call once per pass. There is one
// thread and no re-entrant event processing, so it has nothing to do.
inline void CooperativeYield() {}

}  // namespace fw
