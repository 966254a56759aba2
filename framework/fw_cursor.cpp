#include "framework/fw_cursor.h"

namespace fw::Cursors {
const Cursor StandardPointer = Cursor::StandardPointer;
const Cursor SplitterEastWest = Cursor::SplitterEastWest;
const Cursor SplitterNorthSouth = Cursor::SplitterNorthSouth;
const Cursor IBeam = Cursor::IBeam;
const Cursor FingerPointer = Cursor::FingerPointer;
}  // namespace fw::Cursors
