// The main window's life: it opens at the geometry and with the entries of
// the last run, records where the user puts it, and saves the store as it closes.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/store_errors.h"
#include "framework/fw_application.h"
#include "framework/fw_attempt.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_files.h"
#include "framework/fw_listbox.h"
#include "framework/fw_screen.h"
#include "framework/fw_shared.h"
#include "framework/fw_strings.h"
#include "mainwindow/store_format.h"
#include "mainwindow/window1.h"

namespace {

const char* const kPrefsFileName = "Kavro2.prefs";
const char* const kDataFileName = "Kavro2.data";

// How much of its top edge must lie on a screen for the user to reach and move
// the window.
constexpr int kGrip = 50;

fw::FolderItem StoreFile(const char* name) { return fw::SpecialFolder::Preferences().Child(name); }

bool TopEdgeReachable(const fw::Window& w, const fw::ScreenArea& area) {
  int overlap = std::min(w.Left() + w.Width(), area.left + area.width) - std::max(w.Left(), area.left);
  return w.Top() >= area.top && w.Top() + kGrip <= area.top + area.height &&
         overlap >= std::min(kGrip, w.Width());
}

// A size larger than the screen shows nothing more, and the window's buffers
// grow with it (gigabytes for a size near the integer limit).
void FitInto(fw::Window& w, const fw::ScreenArea& area) {
  if (w.Width() > area.width) w.Width(area.width);
  if (w.Height() > area.height) w.Height(area.height);
}

// Geometry from another screen layout (a monitor since unplugged) or edited by
// hand can leave the window where nobody can reach it: it then opens centred
// on the main screen, as on a first run. Either way it is no larger than the
// screen it opens on.
void BringOntoScreen(fw::Window& w) {
  std::vector<fw::ScreenArea> areas = fw::AvailableScreenAreas();
  if (areas.empty()) return;
  for (const fw::ScreenArea& area : areas) {
    if (TopEdgeReachable(w, area)) return FitInto(w, area);
  }
  const fw::ScreenArea& main = areas.front();
  FitInto(w, main);
  w.Left(main.left + std::max(0, (main.width - w.Width()) / 2));
  w.Top(main.top + std::max(0, (main.height - w.Height()) / 3));
}

// Replaces the file with the text that content gives, or leaves it as it was.
// Any error on the way, memory running out among them, is a failed save like
// a full disk: the stream, dropped before its Close, keeps the previous file.
std::optional<StoreWriteFailure> WriteWhole(fw::FolderItem file, const std::function<std::string()>& content) {
  std::optional<StoreWriteFailure> failure;
  std::optional<std::string> failed = fw::Attempt([&] {
    auto stream = file.CreateTextFile(true);
    if (!stream) {
      failure = StoreWriteFailure{file, file.LastError()};
      return;
    }
    stream->Write(content());
    if (!stream->Close()) failure = StoreWriteFailure{file, stream->LastError()};
  });
  if (failed) return StoreWriteFailure{file, *failed};
  return failure;
}

}  // namespace

void Window1::Event_Open() {
  loadPrefs();
  delBtn->Enabled(false);
  if (fw::Shared<App>().showPswd == "yes") {
    Canvas1->Visible(true);
    pswdFld->Width(userFld->Width() - 25);
  } else {
    Canvas1->Visible(false);
    pswdFld->Width(userFld->Width());
  }
}

void Window1::Event_Moved() {
  wTop = Top();
  wLeft = Left();
}

void Window1::Event_Resized() {
  wWidth = Width();
  wHeight = Height();
}

bool Window1::Event_CancelClose(bool appQuitting) {
  (void)appQuitting;
  App& app = fw::Shared<App>();
  liWidth = ListBox1->Width();
  wWidth = Width();
  wHeight = Height();
  wTop = Top();
  wLeft = Left();
  // Only a store read whole is saved: a part of it would replace the files.
  if (app.flag == "true" && storeReadWhole && !app.storeUnreadable) {
    if (std::optional<StoreWriteFailure> failure = savePrefs()) {
      // Staying keeps every entry in memory, to retry or export; the quit
      // that may be under way stops here.
      int answer = fw::MsgBox(SaveFailedQuestion(*failure), fw::MsgBoxYesNo + fw::MsgBoxCautionIcon, "");
      if (answer == fw::AnswerYes) return true;
      fw::SetExitStatus(1);
    }
  }
  app.flag = "true";
  fw::Quit();
  return false;
}

void Window1::loadPrefs() {
  App& app = fw::Shared<App>();
  fw::FolderItem prefsFile = StoreFile(kPrefsFileName);
  if (prefsFile.Exists()) {
    // Every line: a long master password from an older writer goes on past line 4.
    bool read = ReadStoreFile(prefsFile, fw::Encodings::None, [&](const std::vector<std::string>& lines) {
      store_format::Prefs prefs = store_format::ReadPrefs(lines);
      Top(prefs.wTop);
      Left(prefs.wLeft);
      Width(prefs.wWidth);
      Height(prefs.wHeight);
      // A list collapsed at close comes back 0 wide; no save writes less.
      ListBox1->Width(std::max(0, prefs.liWidth));
      // The new width makes the split view lay its panes out again from the
      // list's restored width.
      Width(Width() + 1);
      BringOntoScreen(*this);
      app.whatToCopy = prefs.whatToCopy;
      app.clearPswd = prefs.clearPswd;
      app.showPswd = prefs.showPswd;
      app.pswd = prefs.pswd;
    });
    if (!read) return;
  } else {
    app.pswd = "7294";
    app.clearPswd = "yes";
    app.whatToCopy = "pswd";
    app.showPswd = "yes";
  }

  fw::FolderItem dataFile = StoreFile(kDataFileName);
  if (dataFile.Exists()) {
    bool read = ReadStoreFile(dataFile, fw::Encodings::UTF8, [&](const std::vector<std::string>& lines) {
      AppendEntries(store_format::ReadData(lines));
      fw::Date saved = dataFile.ModificationDate();
      lastUpdated->Text(saved.LongDate() + ", " + saved.LongTime());
      counter->Text(fw::Str(ListBox1->ListCount()));
    });
    if (!read) return;
  }
  storeReadWhole = true;
}

std::optional<StoreWriteFailure> Window1::savePrefs() {
  // The entries first: a preferences file is never saved ahead of them.
  auto entries = [this] { return store_format::WriteData(ListBox1->Rows()); };
  if (auto failure = WriteWhole(StoreFile(kDataFileName), entries)) return failure;
  auto settings = [this] {
    App& app = fw::Shared<App>();
    store_format::Prefs prefs;
    prefs.wTop = wTop;
    prefs.wLeft = wLeft;
    prefs.wWidth = wWidth;
    prefs.wHeight = wHeight;
    prefs.liWidth = liWidth;
    prefs.whatToCopy = app.whatToCopy;
    prefs.clearPswd = app.clearPswd;
    prefs.showPswd = app.showPswd;
    prefs.pswd = app.pswd;
    return store_format::WritePrefs(prefs);
  };
  return WriteWhole(StoreFile(kPrefsFileName), settings);
}
