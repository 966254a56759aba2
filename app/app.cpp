#include "app/app.h"

#include <string>
#include <vector>

#include "app/menu_enabling.h"
#include "app/store_errors.h"
#include "app/store_lock.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_clipboard.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_folderitem.h"
#include "framework/fw_shared.h"
#include "framework/fw_specialfolder.h"
#include "framework/fw_strings.h"
#include "mainwindow/store_format.h"
#include "mainwindow/window1.h"

std::string WelcomeMessage() {
  const std::string cr = fw::Chr(13);
  return "Welcome to Kavro 2.0" + cr + cr +
         "Welcome to Kavro 2.2.2, the easy way to manage your internet accounts." + cr +
         "After the authentication, please take some time to change first your password (the default "
         "password is '7294')." +
         cr + cr +
         "If you're a Kavro 1.x user, to import your existing passwords please use first the Kavro "
         "version 1.x 'Export...' menu command to save your datas as a text file.";
}

void App::Event_Open() {
  if (!TakeStoreForThisRun(*this)) return;  // another run has the store
  if (!readPswd()) return;  // the run is ending: the file could not be read
  if (flag != "true") fw::Shared<pswdWin1>().Show();
}

bool App::readPswd() {
  fw::FolderItem f = fw::SpecialFolder::Preferences().Child("Kavro2.prefs");
  if (!f.Exists()) {
    fw::MsgBox(WelcomeMessage());
    pswd = "7294";
    return true;
  }
  // Every line: a long master password from an older writer goes on past line 4.
  return ReadStoreFile(f, fw::Encodings::None, [this](const std::vector<std::string>& lines) {
    store_format::Prefs prefs = store_format::ReadPrefs(lines);
    whatToCopy = prefs.whatToCopy;
    clearPswd = prefs.clearPswd;
    showPswd = prefs.showPswd;
    pswd = prefs.pswd;
  });
}

void App::Event_EnableMenuItems() {
  MenuBar1& bar = fw::Shared<MenuBar1>();
  // Until the first accepted password the main window does not exist and the
  // store is locked: opening the menu must not build it and load the store.
  if (!fw::SharedExists<Window1>()) {
    EnableFileMenuItems(bar, "Unlock", 0);
    return;
  }
  Window1& main = fw::Shared<Window1>();
  EnableFileMenuItems(bar, main.lockBtn->Caption(), main.ListBox1->ListCount());
}

void App::Event_Close() {
  fw::Clipboard c;
  if (clearPswd == "yes") {
    c.Text("");
    c.Close();
  }
}
