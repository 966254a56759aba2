#include "app/app.h"

// Each handler does its one call and answers False. The windows they open come
// with the windows themselves.
bool App::FileImport_Action() { return false; }
bool App::FileChangepassword_Action() { return false; }
bool App::FileAboutKavro_Action() { return false; }
bool App::FileExport_Action() { return false; }
bool App::FilePreferences_Action() { return false; }
