// A window as the window system meets it: where it opens, what a modal window
// blocks, where the keyboard goes when a window closes, and the window
// manager's close request. Input goes through the top-level window, as the
// window system delivers it.
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "framework/fw_text_controls.h"
#include "support/kavro_test.h"
#include "support/window_input.h"
#include "test_fw_window.h"

namespace {

using namespace kavro::testing;
using Opener = fwtest::HookWindow<30>;
using Opened = fwtest::HookWindow<31>;
using Modal = fwtest::HookWindow<32>;

class WindowManagerTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    Reset();
  }
  void TearDown() override {
    KavroTest::TearDown();
    Reset();
  }
  static void Reset() {
    Opener::Reset();
    Opened::Reset();
    Modal::Reset();
  }
  // A window with one text field, which has the focus once the window is active.
  template <class W>
  static void WithAField() {
    W::hooks.createControls = [](fw::Window& w) {
      auto& field = w.AddControl<fw::TextField>("field");
      field.SetBounds(10, 10, 100, 22);
    };
  }
  template <class W>
  static std::string FieldText() {
    return fw::Shared<W>().template ControlNamed<fw::TextField>("field").Text();
  }
  static bool HasKeyboard(fw::Window& w) {
    QWindow* window = w.TopLevelWidget()->windowHandle();
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window; });
  }
};

enum class Where { OverTheOpener, OnTheMainScreen, CornerOnTheScreen };

struct PlacementCase {
  const char* name;
  int placement;
  bool fromAWindow;  // opened while another window is active
  int openerLeft, openerTop;
  Where where;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class PlacementTest : public WindowManagerTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PlacementTest, TheWindowOpensWhereItsPlacementSays) {
  const PlacementCase& c = GetParam();
  Opener::hooks.layout = [&c](fw::Window& w) {
    w.Width(300);
    w.Height(150);
    w.Placement(2);
  };
  Opener::hooks.open = [&c](fw::Window& w) {
    w.Left(c.openerLeft);
    w.Top(c.openerTop);
  };
  Opened::hooks.layout = [&c](fw::Window& w) {
    w.Width(380);
    w.Height(310);
    w.Placement(c.placement);
  };
  if (c.fromAWindow) Activate(fw::Shared<Opener>());
  fw::Window& w = fw::Shared<Opened>();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));

  QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  QRect frame = w.TopLevelWidget()->frameGeometry();
  EXPECT_TRUE(screen.contains(frame.topLeft())) << "the window's corner is on the screen";
  if (c.where == Where::CornerOnTheScreen) return;
  QPoint want = c.where == Where::OverTheOpener ? fw::Shared<Opener>().TopLevelWidget()->frameGeometry().center()
                                : QPoint(screen.center().x(), screen.y() + (screen.height() - frame.height()) / 3 +
                                                                  frame.height() / 2);
  EXPECT_LE((frame.center() - want).manhattanLength(), 2)
      << "centred at " << frame.center().x() << "," << frame.center().y() << ", not " << want.x() << ","
      << want.y();
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PlacementTest,
    ::testing::Values(PlacementCase{"DefaultOverTheWindowItWasOpenedFrom", 0, true, 250, 200, Where::OverTheOpener},
                      PlacementCase{"ParentWindow", 1, true, 250, 200, Where::OverTheOpener},
                      PlacementCase{"DefaultAloneOnTheMainScreen", 0, false, 250, 200, Where::OnTheMainScreen},
                      PlacementCase{"MainScreenWhateverItWasOpenedFrom", 2, true, 250, 200, Where::OnTheMainScreen},
                      // Centred over a window in the screen's corner, it would start off the screen.
                      PlacementCase{"OverAWindowInTheCorner", 0, true, 0, 0, Where::CornerOnTheScreen}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST_F(WindowManagerTest, AWindowOpenedWhileAModalWindowIsUpTakesInputAndTheWindowsBelowDoNot) {
  WithAField<Opener>();
  WithAField<Opened>();
  Modal::hooks.layout = [](fw::Window& w) { w.Frame(1); };
  Activate(fw::Shared<Opener>());
  Activate(fw::Shared<Modal>());
  fw::Window& opened = fw::Shared<Opened>();
  ASSERT_TRUE(HasKeyboard(opened)) << "the window opened from the modal one does not take the keyboard";

  TypeKeys(opened, "abc");
  EXPECT_EQ(FieldText<Opened>(), "abc");
  TypeKeys(fw::Shared<Opener>(), "xyz");
  EXPECT_EQ(FieldText<Opener>(), "") << "the modal window blocks the window opened before it";

  RequestClose(opened);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(Opened::destroyed, 1);
  EXPECT_TRUE(fw::SharedExists<Modal>());
}

struct CloseCase {
  const char* name;
  bool closeBox;
  bool byRequest;  // the window manager's request; else the program's Close
  bool closes;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseTest : public WindowManagerTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, ACloseRequestClosesOnlyAWindowWithACloseBoxAndTheKeyboardGoesBack) {
  const CloseCase& c = GetParam();
  WithAField<Opener>();
  Opened::hooks.layout = [&c](fw::Window& w) { w.CloseButton(c.closeBox); };
  Activate(fw::Shared<Opener>());
  fw::Window& opened = fw::Shared<Opened>();
  ASSERT_TRUE(HasKeyboard(opened));

  if (c.byRequest) RequestClose(opened);
  else opened.Close();
  QCoreApplication::sendPostedEvents();

  EXPECT_EQ(fw::SharedExists<Opened>(), !c.closes);
  fw::Window& next = c.closes ? static_cast<fw::Window&>(fw::Shared<Opener>()) : fw::Shared<Opened>();
  ASSERT_TRUE(HasKeyboard(next)) << "the keyboard is not in " << (c.closes ? "the window it was opened from" : "it");
  TypeKeys(next, "ok");
  if (c.closes) {
    EXPECT_EQ(FieldText<Opener>(), "ok");
  }
}

INSTANTIATE_TEST_SUITE_P(Closes, CloseTest,
                         ::testing::Values(CloseCase{"CloseBoxRequest", true, true, true},
                                           CloseCase{"NoCloseBoxRequest", false, true, false},
                                           CloseCase{"NoCloseBoxProgramsClose", false, false, true}),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
