// Tab in every window of the program, pressed as the window system delivers
// it: the window opens with the focus in its first text field, Tab leads
// through the text fields (and the list) before any button, and the buttons
// are still reached after them.
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/aboutwin.h"
#include "dialogs/prefswin.h"
#include "dialogs/pswdwin1.h"
#include "dialogs/pswdwin2.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"
#include "support/window_input.h"

namespace {

using kavro::testing::Activate;
using kavro::testing::ChooseFromMenuBar;
using kavro::testing::ClickThroughWindow;
using kavro::testing::FocusedControl;
using kavro::testing::PressKey;
using kavro::testing::ProgramTest;
using Names = std::vector<std::string>;

struct TabCase {
  const char* name;
  // Brings the window up as the user does, from the unlocked main window.
  std::function<fw::Window&(Window1&)> open;
  std::string first;  // the control that has the focus when the window opens
  Names cycle;        // the controls that Tab visits from there, round to the first
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

template <class W>
std::function<fw::Window&(Window1&)> FromMenu(const char* item) {
  return [item](Window1& main) -> fw::Window& {
    ChooseFromMenuBar(main, "File", item);
    return fw::Shared<W>();
  };
}

const TabCase kWindows[] = {
    {"MainWindow", [](Window1& main) -> fw::Window& { return main; }, "",
     {"ListBox1", "descrFld", "userFld", "pswdFld", "urlFld", "noteFld", "saveBtn", "goBtn"}},
    {"LockPrompt",
     [](Window1& main) -> fw::Window& {
       ClickThroughWindow(*main.lockBtn);
       return fw::Shared<pswdWin1>();
     },
     "EditField1", {"EditField1", "PushButton1", "PushButton2"}},
    {"ChangePassword", FromMenu<pswdWin2>("Change password..."), "oldPswd",
     {"oldPswd", "newPswd", "confirmPswd", "PushButton1", "PushButton2"}},
    {"Preferences", FromMenu<prefsWin>("Preferences..."), "RadioButton1",
     {"RadioButton1", "Checkbox1", "Checkbox2", "PushButton1", "PushButton2"}},
    // Nothing in it takes the focus: every key goes to the window, which closes.
    {"About", FromMenu<aboutWin>("About Kavro"), "", {}},
};

class TabOrderTest : public ProgramTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabOrderTest, TabGoesThroughTheTextFieldsBeforeTheButtons) {
  const TabCase& c = GetParam();
  StartProgram();
  Unlock("7294");
  fw::Window& window = c.open(Main());
  Activate(window);
  if (!c.first.empty()) {
    EXPECT_EQ(FocusedControl(window), c.first);
  }
  if (c.cycle.empty()) {
    EXPECT_EQ(FocusedControl(window), "");
    return;
  }

  // From the first control of the cycle once round, and back to it.
  for (int presses = 0; FocusedControl(window) != c.cycle.front(); ++presses) {
    ASSERT_LT(presses, 20) << c.cycle.front() << " never takes the focus";
    PressKey(window, Qt::Key_Tab);
  }
  Names visited{FocusedControl(window)};
  for (size_t i = 0; i < c.cycle.size(); ++i) {
    PressKey(window, Qt::Key_Tab);
    visited.push_back(FocusedControl(window));
  }
  Names want = c.cycle;
  want.push_back(c.cycle.front());
  EXPECT_EQ(visited, want);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, TabOrderTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

}  // namespace
