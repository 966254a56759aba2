// Windows: the shared instance, the build order, the controls by name, the
// window's properties and events, closing and quitting, and the report of an
// error that escaped a handler.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <stdexcept>

#include "framework/fw_application.h"
#include "framework/fw_buttons.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_errors.h"
#include "framework/fw_testing.h"
#include "framework/fw_text_controls.h"
#include "support/kavro_test.h"
#include "test_fw_window.h"

namespace {

using kavro::testing::KavroTest;
using fwtest::HookWindow;
using Win = HookWindow<1>;
using Other = HookWindow<2>;

class WindowsTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    Win::Reset();
    Other::Reset();
  }
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
    Other::Reset();
  }
  std::vector<std::string> log;
};

// An application object that records its Close.
class LoggingApp : public fw::Application {
 public:
  explicit LoggingApp(std::vector<std::string>& log) : log_(log) {}

 protected:
  void Event_Close() override { log_.push_back("app Close"); }

 private:
  std::vector<std::string>& log_;
};

TEST_F(WindowsTest, SharedCreatesAndOpensOneInstanceAndFindsItAgain) {
  EXPECT_FALSE(fw::SharedExists<Win>());
  Win& first = fw::Shared<Win>();
  EXPECT_TRUE(first.IsShown());
  EXPECT_TRUE(fw::SharedExists<Win>());
  EXPECT_EQ(&fw::Shared<Win>(), &first);
  EXPECT_EQ(Win::built, 1);
  // Another window class has an instance of its own.
  EXPECT_NE(static_cast<fw::Window*>(&fw::Shared<Other>()), static_cast<fw::Window*>(&first));
}

TEST_F(WindowsTest, TheInstanceIsFoundByNameDuringItsOwnAndItsControlsOpenEvents) {
  std::vector<fw::Window*> seen;
  Win::hooks.createControls = [&](fw::Window& w) {
    for (const char* name : {"a", "b"}) {
      auto& field = w.AddControl<fw::TextField>(name);
      field.Open = [&] { seen.push_back(&fw::Shared<Win>()); };
    }
  };
  Win::hooks.open = [&](fw::Window&) { seen.push_back(&fw::Shared<Win>()); };

  Win& w = fw::Shared<Win>();

  ASSERT_EQ(seen.size(), 3u);
  for (fw::Window* s : seen) EXPECT_EQ(s, &w);
  EXPECT_EQ(Win::built, 1);
}

TEST_F(WindowsTest, BuildsInOrderAndKeepsItsControlsInCreationOrder) {
  Win::hooks.layout = [&](fw::Window& w) {
    log.push_back("Layout");
    EXPECT_EQ(w.ControlCount(), 0);
  };
  Win::hooks.createControls = [&](fw::Window& w) {
    log.push_back("CreateControls");
    // Names out of alphabetical order: the order is the creation order.
    for (const char* name : {"zeta", "alpha", "mid"}) {
      auto& c = w.AddControl<fw::PushButton>(name);
      c.Open = [&, name] { log.push_back(std::string("Open ") + name); };
    }
  };
  Win::hooks.open = [&](fw::Window& w) {
    log.push_back("Open");
    EXPECT_FALSE(w.IsShown()) << "the window shows after its Open event";
  };

  Win& w = fw::Shared<Win>();

  EXPECT_EQ(log, (std::vector<std::string>{"Layout", "CreateControls", "Open zeta", "Open alpha", "Open mid", "Open"}));
  ASSERT_EQ(w.ControlCount(), 3);
  EXPECT_EQ(w.Control(0)->Name(), "zeta");
  EXPECT_EQ(w.Control(1)->Name(), "alpha");
  EXPECT_EQ(w.Control(2)->Name(), "mid");
  EXPECT_EQ(w.FindControl("alpha"), w.Control(1));
  EXPECT_EQ(&w.ControlNamed<fw::PushButton>("mid"), w.Control(2));
  EXPECT_EQ(w.FindControl("Alpha"), nullptr) << "names are exact";
  EXPECT_THROW(w.ControlNamed<fw::PushButton>("missing"), fw::NilObjectException);
  EXPECT_THROW(w.ControlNamed<fw::TextField>("mid"), fw::NilObjectException) << "a control of another class";
  EXPECT_THROW(w.Control(3), fw::OutOfBoundsException);
  EXPECT_THROW(w.Control(-1), fw::OutOfBoundsException);
}

// A dialog host whose message runs the event loop while it is up, as a modal
// message box does.
class ModalDialogs : public kavro::testing::ScriptedDialogs {
 public:
  int ShowMessage(const std::string& text, int buttons, const std::string& title) override {
    QCoreApplication::sendPostedEvents();
    return ScriptedDialogs::ShowMessage(text, buttons, title);
  }
};

TEST_F(WindowsTest, AHandlerMayCloseItsOwnWindowAndGoOnUsingIt) {
  ModalDialogs modal;
  fw::SetDialogHost(&modal);
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& button = w.AddControl<fw::PushButton>("ok");
    button.SetBounds(10, 10, 80, 24);
    button.Action = [&w, &button, this] {
      w.Close();
      log.push_back(w.IsShown() ? "shown" : "hidden");
      log.push_back(fw::SharedExists<Win>() ? "shared" : "not shared");
      // A message whose modal loop runs the events before the handler goes on.
      fw::MsgBox("Saved.");
      w.Title("after the close");
      w.ControlNamed<fw::PushButton>("ok").Caption("Done");
      log.push_back(button.Caption());
      log.push_back("destroyed " + std::to_string(Win::destroyed));
    };
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));

  QTest::mouseClick(w.ControlNamed<fw::PushButton>("ok").Widget(), Qt::LeftButton);

  EXPECT_EQ(log, (std::vector<std::string>{"hidden", "not shared", "Done", "destroyed 0"}));
  EXPECT_EQ(modal.Texts(), std::vector<std::string>{"Saved."});
  ProcessEvents();
  EXPECT_EQ(Win::destroyed, 1);

  // The next use builds a fresh window.
  Win& fresh = fw::Shared<Win>();
  EXPECT_EQ(Win::built, 2);
  EXPECT_TRUE(fresh.IsShown());
  EXPECT_EQ(fresh.Title(), "");
  fw::SetDialogHost(&dialogs);
}

TEST_F(WindowsTest, DestroyingAnOpenWindowRaisesNoFocusEventIntoIt) {
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& field = w.AddControl<fw::TextField>("field");
    field.LostFocus = [&] { log.push_back("LostFocus"); };
  };
  Win& w = fwtest::OpenActive<Win>();
  w.FindControl("field")->SetFocus();
  ASSERT_TRUE(w.FindControl("field")->HasFocus());
  // As at the end of a run: the window is destroyed without closing.
  fw::testing::ResetFramework();
  EXPECT_EQ(log, std::vector<std::string>{});
}

TEST_F(WindowsTest, CloseOutsideAHandlerHidesAtOnceAndDestroysFromTheEventLoop) {
  Win& w = fw::Shared<Win>();
  w.Close();
  EXPECT_FALSE(w.IsShown());
  EXPECT_TRUE(w.IsClosing());
  EXPECT_FALSE(fw::SharedExists<Win>());
  EXPECT_EQ(Win::destroyed, 0);
  ProcessEvents();
  EXPECT_EQ(Win::destroyed, 1);
}

TEST_F(WindowsTest, ResetForgetsEveryWindowSoTheNextUseBuildsAFreshOne) {
  fw::Shared<Win>().Title("first");
  fw::testing::ResetFramework();
  EXPECT_EQ(Win::destroyed, 1);
  EXPECT_FALSE(fw::SharedExists<Win>());
  EXPECT_EQ(fw::Shared<Win>().Title(), "");
  EXPECT_EQ(Win::built, 2);
}

struct CloseCase {
  const char* how;
  bool cancel;  // CancelClose's answer
};

TEST_F(WindowsTest, CancelCloseDecidesEveryCloseByCodeOrByTheCloseBox) {
  const CloseCase cases[] = {{"code", false}, {"code", true}, {"close box", false}, {"close box", true}};
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(std::string(c.how) + (c.cancel ? ", cancelled" : ", not cancelled"));
    log.clear();
    Win::hooks.cancelClose = [&](fw::Window&, bool quitting) {
      log.push_back(quitting ? "CancelClose quitting" : "CancelClose");
      return c.cancel;
    };
    Win::hooks.close = [&](fw::Window&) { log.push_back("Close"); };
    Win& w = fw::Shared<Win>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));

    if (std::string(c.how) == "code") w.Close();
    else w.TopLevelWidget()->close();

    if (c.cancel) {
      EXPECT_EQ(log, std::vector<std::string>{"CancelClose"});
      EXPECT_TRUE(w.IsShown());
      EXPECT_EQ(&fw::Shared<Win>(), &w);
    } else {
      EXPECT_EQ(log, (std::vector<std::string>{"CancelClose", "Close"}));
      EXPECT_FALSE(w.IsShown());
      EXPECT_FALSE(fw::SharedExists<Win>());
    }
    fw::testing::ResetFramework();
  }
}

TEST_F(WindowsTest, ACancelCloseThatClosesItsOwnWindowClosesItOnce) {
  Win::hooks.cancelClose = [&](fw::Window& w, bool) {
    w.Close();
    return false;
  };
  Win::hooks.close = [&](fw::Window&) { log.push_back("Close"); };
  fw::Shared<Win>().Close();
  ProcessEvents();
  EXPECT_EQ(log, std::vector<std::string>{"Close"});
  EXPECT_EQ(Win::destroyed, 1);
}

struct QuitCase {
  const char* how;  // "Quit" from code, or the user's close box
  bool cancelCallsQuit;
};

TEST_F(WindowsTest, QuittingRaisesCancelCloseOnceThenTheApplicationsClose) {
  const QuitCase cases[] = {{"Quit", false}, {"Quit", true}, {"close box", true}};
  for (const QuitCase& c : cases) {
    SCOPED_TRACE(std::string(c.how) + (c.cancelCallsQuit ? ", CancelClose quits" : ""));
    log.clear();
    fw::RegisterAppObject(std::make_unique<LoggingApp>(log));
    Win::hooks.cancelClose = [&](fw::Window&, bool quitting) {
      log.push_back(quitting ? "CancelClose quitting" : "CancelClose");
      if (c.cancelCallsQuit) fw::Quit();
      return false;
    };
    Win::hooks.close = [&](fw::Window&) { log.push_back("Close"); };
    Win& w = fw::Shared<Win>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));

    if (std::string(c.how) == "Quit") fw::Quit();
    else w.TopLevelWidget()->close();

    std::string cancel = std::string(c.how) == "Quit" ? "CancelClose quitting" : "CancelClose";
    EXPECT_EQ(log, (std::vector<std::string>{cancel, "Close", "app Close"}));
    EXPECT_TRUE(fw::HasQuit());
    fw::testing::ResetFramework();
  }
}

TEST_F(WindowsTest, AWindowThatCancelsItsCloseStopsTheQuitAndALaterQuitAsksAgain) {
  fw::RegisterAppObject(std::make_unique<LoggingApp>(log));
  bool keep = true;
  Win::hooks.cancelClose = [&](fw::Window&, bool) {
    log.push_back("CancelClose");
    return keep;
  };
  Win& w = fw::Shared<Win>();

  fw::Quit();
  EXPECT_FALSE(fw::HasQuit());
  EXPECT_FALSE(fw::QuitInProgress());
  EXPECT_TRUE(w.IsShown());
  EXPECT_EQ(log, std::vector<std::string>{"CancelClose"});

  keep = false;
  fw::Quit();
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_EQ(log, (std::vector<std::string>{"CancelClose", "CancelClose", "app Close"}));
}

// Every key press reaches KeyDown, with the typed text, the control character
// of a special key, or the name of a key that types nothing; a modifier
// pressed alone is no key press.
TEST_F(WindowsTest, EveryKeyPressReachesKeyDownWithItsKeyString) {
  std::vector<std::string> keys;
  Win::hooks.keyDown = [&](fw::Window&, const std::string& key) {
    keys.push_back(key);
    return false;
  };
  Win& w = fwtest::OpenActive<Win>();
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const Press presses[] = {{Qt::Key_K, {}},      {Qt::Key_Space, {}}, {Qt::Key_Down, {}},
                           {Qt::Key_Return, {}}, {Qt::Key_F1, {}},               {Qt::Key_F12, {}},
                           {Qt::Key_Insert, {}}, {Qt::Key_Shift, {}},            {Qt::Key_Control, {}}};
  for (const Press& p : presses) QTest::keyClick(w.TopLevelWidget()->windowHandle(), p.key, p.modifiers);
  EXPECT_EQ(keys, (std::vector<std::string>{"k", " ", std::string(1, 31), "\r", "F1", "F12", "Ins"}));
}

TEST_F(WindowsTest, TitleSizeAndTheSizeLimits) {
  Win::hooks.layout = [](fw::Window& w) {
    w.Title("Kavro2");
    w.Width(400);
    w.Height(250);
    w.MinWidth(300);
    w.MinHeight(200);
    w.MaxWidth(600);
    w.MaxHeight(500);
  };
  int resized = 0;
  Win::hooks.resized = [&](fw::Window&) { ++resized; };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  EXPECT_EQ(w.TopLevelWidget()->windowTitle(), "Kavro2");
  EXPECT_EQ(w.ContentWidget()->size(), QSize(400, 250));
  resized = 0;

  struct SizeCase {
    const char* by;
    int width, height;
    int wantWidth, wantHeight;
  };
  const SizeCase cases[] = {
      {"code", 450, 300, 450, 300}, {"code", 100, 50, 300, 200},   {"code", 900, 900, 600, 500},
      {"user", 500, 260, 500, 260}, {"user", 120, 90, 300, 200}, {"user", 2000, 1500, 600, 500},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::string(c.by) + " " + std::to_string(c.width) + "x" + std::to_string(c.height));
    int before = resized;
    if (std::string(c.by) == "code") {
      w.Width(c.width);
      w.Height(c.height);
    } else {
      w.TopLevelWidget()->resize(c.width, c.height);
      QCoreApplication::sendPostedEvents();
    }
    EXPECT_EQ(w.Width(), c.wantWidth);
    EXPECT_EQ(w.Height(), c.wantHeight);
    EXPECT_EQ(w.ContentWidget()->size(), QSize(c.wantWidth, c.wantHeight));
    EXPECT_GT(resized, before) << "Resized is raised";
  }

  int before = resized;
  w.Width(w.Width());
  EXPECT_EQ(resized, before) << "no Resized when the size stays";
}

TEST_F(WindowsTest, PlacementTwoCentresTheWindowOnTheMainScreen) {
  Win::hooks.layout = [](fw::Window& w) {
    w.Width(400);
    w.Height(200);
    w.Placement(2);
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QRect frame = w.TopLevelWidget()->frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_TRUE(screen.contains(frame)) << "the whole window is on the screen";
}

TEST_F(WindowsTest, APositionSetDuringOpenStandsOverThePlacement) {
  Win::hooks.layout = [](fw::Window& w) {
    w.Width(400);
    w.Height(200);
    w.Placement(2);
  };
  Win::hooks.open = [](fw::Window& w) {
    w.Top(70);
    w.Left(30);
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  EXPECT_EQ(w.Left(), 30);
  EXPECT_EQ(w.Top(), 70);
}

TEST_F(WindowsTest, MovingTheWindowRaisesMoved) {
  int moved = 0;
  Win::hooks.moved = [&](fw::Window&) { ++moved; };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  moved = 0;
  w.Left(w.Left() + 40);
  w.Top(w.Top() + 25);
  QCoreApplication::sendPostedEvents();
  EXPECT_GE(moved, 1);
  int left = w.Left(), top = w.Top();
  w.TopLevelWidget()->move(w.TopLevelWidget()->pos() + QPoint(5, 5));
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(w.Left(), left + 5);
  EXPECT_EQ(w.Top(), top + 5);
}

// --- The unhandled-error report ---

struct Boom {};

TEST_F(WindowsTest, AnErrorInAButtonsActionIsReportedAndTheRunGoesOn) {
  int pressed = 0;
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& button = w.AddControl<fw::PushButton>("go");
    button.SetBounds(10, 10, 80, 24);
    button.Action = [&] {
      ++pressed;
      if (pressed == 1) throw std::runtime_error("disk on fire");
      if (pressed == 2) throw Boom{};
    };
  };
  Win& w = fw::Shared<Win>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
  QWidget* button = w.ControlNamed<fw::PushButton>("go").Widget();

  for (int i = 0; i < 3; ++i) QTest::mouseClick(button, Qt::LeftButton);

  EXPECT_EQ(pressed, 3);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(dialogs.messages[0].text.find("disk on fire"), std::string::npos) << dialogs.messages[0].text;
  EXPECT_EQ(dialogs.messages[0].buttons & 0x70, 16) << "the stop icon";
  EXPECT_NE(dialogs.messages[1].text.find("unknown error"), std::string::npos) << dialogs.messages[1].text;
  EXPECT_TRUE(w.IsShown());
}

TEST_F(WindowsTest, AnErrorInTheWindowsOpenIsReportedAndTheWindowStillOpens) {
  Win::hooks.createControls = [&](fw::Window& w) {
    auto& a = w.AddControl<fw::TextField>("a");
    a.Open = [] { throw fw::NilObjectException("control a"); };
    auto& b = w.AddControl<fw::TextField>("b");
    b.Open = [&] { log.push_back("Open b"); };
  };
  Win::hooks.open = [&](fw::Window&) {
    log.push_back("Open");
    throw std::runtime_error("window open failed");
  };
  Win& w = fw::Shared<Win>();
  EXPECT_EQ(log, (std::vector<std::string>{"Open b", "Open"}));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(dialogs.messages[0].text.find("control a"), std::string::npos);
  EXPECT_NE(dialogs.messages[1].text.find("window open failed"), std::string::npos);
  EXPECT_TRUE(w.IsShown());
  EXPECT_EQ(&fw::Shared<Win>(), &w);

  // The window's events still work after the reports.
  w.ControlNamed<fw::TextField>("a").Text("still there");
  EXPECT_EQ(w.ControlNamed<fw::TextField>("a").Text(), "still there");
}

TEST_F(WindowsTest, AnErrorInCancelCloseIsReportedAndTheCloseGoesAhead) {
  Win::hooks.cancelClose = [](fw::Window&, bool) -> bool { throw std::runtime_error("cannot save"); };
  Win& w = fw::Shared<Win>();
  w.TopLevelWidget()->close();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("cannot save"), std::string::npos);
  EXPECT_FALSE(fw::SharedExists<Win>());
}

}  // namespace
