#pragma once

class App;

// Takes the store (the Preferences folder that holds both store files) for
// this run and keeps it until the application object goes. Each run writes
// its own list at close, so a second run on the same store would undo the
// first one's changes: when another run holds the store, the user is told
// and the run ends (status 0, neither file read nor written), and the
// answer is false.
bool TakeStoreForThisRun(App& app);
