#pragma once
// The way from the process start to the event loop and back.

// Runs the framework from its initialisation to the end of the event loop.
int Main(int& argc, char** argv);
// The program's start-up step, called back by the framework's initialisation.
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
// Releases what lives for the whole run: the menu bar, then the file types.
// The framework calls it at its end, while the toolkit still runs.
void ReleaseModuleObjects();
