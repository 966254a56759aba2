#pragma once
// The fixture of every test that runs program code: fresh Preferences and
// Desktop folders, a scripted dialog host, a settable clock and a record of the
// URLs handed to the system. Tear-down destroys every window and the
// application object, so each test starts from a new process's state.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "support/url_recorder.h"

namespace kavro::testing {

class KavroTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::filesystem::path PreferencesDir() const;  // $XDG_CONFIG_HOME
  std::filesystem::path HomeDir() const;
  std::filesystem::path RuntimeDir() const;  // $XDG_RUNTIME_DIR: where a run keeps its lock
  std::filesystem::path PrefsFile() const { return PreferencesDir() / "Kavro2.prefs"; }
  std::filesystem::path DataFile() const { return PreferencesDir() / "Kavro2.data"; }

  static void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
  static std::string ReadBytes(const std::filesystem::path& file);
  // The preferences file's lines, each ended by CR as the program writes them
  // (text after the last CR is no line).
  std::vector<std::string> PrefsLines() const;
  // Lets the event loop run the work that waits for it (deferred deletions).
  static void ProcessEvents();

  ScriptedDialogs dialogs;
  UrlRecorder shownUrls;

 private:
  QTemporaryDir root_;
  QByteArray savedConfigHome_, savedHome_, savedRuntimeDir_;
};

}  // namespace kavro::testing
