#pragma once
// The program as the benchmarks run it: a temporary home and configuration
// folder, dialogs that answer at once, the application object and the main
// window (opened with no store), made once for all the benchmarks of a run.
#include <QTemporaryDir>

#include <filesystem>
#include <optional>
#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"

namespace bench {

namespace fs = std::filesystem;

// Chooses the file given (none while it is empty) and answers every message at once.
class BenchDialogs : public fw::DialogHost {
 public:
  fs::path file;
  int ShowMessage(const std::string&, int, const std::string&) override { return 1; }
  std::optional<fs::path> ChooseFile(const fw::FileDialogRequest&, fw::Window*) override {
    if (file.empty()) return std::nullopt;
    return file;
  }
};

struct Program {
  QTemporaryDir root;
  BenchDialogs dialogs;
  Window1* window = nullptr;

  Program() {
    qputenv("HOME", root.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
    fs::create_directories(Preferences());
    fw::SetDialogHost(&dialogs);
    InitFileTypes();
    NewAppInstance();
    window = &fw::Shared<Window1>();
  }
  fs::path Preferences() const { return fs::path(root.path().toStdString()) / "config"; }
  fs::path DataFile() const { return Preferences() / "Kavro2.data"; }
  fs::path PrefsFile() const { return Preferences() / "Kavro2.prefs"; }
  fs::path File(const char* name) const { return fs::path(root.path().toStdString()) / name; }
};

inline Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace bench
