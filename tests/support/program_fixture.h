#pragma once
// The program as a user meets it: start-up, App's Open (the welcome message on
// a first run, then the password prompt), and the password typed into the
// prompt. Suites that work in the unlocked main window start from here:
//
//   StartProgram();
//   Unlock("7294");
//   Window1& w = Main();
#include <string>

#include "support/kavro_test.h"

class App;
class Window1;
class pswdWin1;

namespace fw {
class RectControl;
}

namespace kavro::testing {

class ProgramTest : public KavroTest {
 protected:
  void TearDown() override;

  // Start-up and App's Open, as the program runs them before its event loop.
  App& StartProgram();

  // The prompt open now; fails the test (and throws) when there is none.
  pswdWin1& Prompt();
  bool PromptIsOpen() const;
  // Types the password into the open prompt's field (after what it holds) and
  // clicks OK. The first accepted password unlocks, the next locks.
  void EnterPassword(const std::string& password);
  // EnterPassword, then checks that the main window came up unlocked.
  void Unlock(const std::string& password = "7294");
  // The lock button opens the prompt; the password then locks the store.
  void Lock(const std::string& password = "7294");

  // The main window (built on first use, as the program's own code builds it).
  Window1& Main();
  App& Application();

  // A real left click on a control's widget.
  static void Click(fw::RectControl& control);
  // Types UTF-8 text into a control as key presses; a character beyond ASCII
  // comes as a key event that carries its text, as an input method sends it.
  static void Type(fw::RectControl& control, const std::string& text);
};

}  // namespace kavro::testing
