#pragma once

namespace fw {

// The system cursors a control may show; a null cursor means the default one.
enum class Cursor { StandardPointer, SplitterEastWest, SplitterNorthSouth, IBeam, FingerPointer };

namespace Cursors {
extern const Cursor StandardPointer;
extern const Cursor SplitterEastWest;
extern const Cursor SplitterNorthSouth;
extern const Cursor IBeam;
extern const Cursor FingerPointer;
}  // namespace Cursors

}  // namespace fw
