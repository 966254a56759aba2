// A label and the mouse: the pointer entering and leaving it, and a press that
// the label takes when its owner handles MouseDown and otherwise leaves to the
// window underneath.
#include <QTest>

#include "framework/fw_shared.h"
#include "framework/fw_text_controls.h"
#include "framework/fw_window.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

// A window with one label at (100, 50), 120 x 20, that logs its own presses.
class LabelWindow : public fw::Window {
 public:
  static inline std::vector<std::string> log;
  static inline bool labelTakesPresses = true;
  fw::StaticText* label = nullptr;

 protected:
  void Layout() override {
    Width(300);
    Height(200);
  }
  void CreateControls() override {
    label = &AddControl<fw::StaticText>("label");
    label->SetBounds(100, 50, 120, 20);
    label->Text("a link");
    label->MouseEnter = [] { log.push_back("enter"); };
    label->MouseExit = [] { log.push_back("exit"); };
    if (labelTakesPresses)
      label->MouseDown = [](int x, int y) {
        log.push_back("label down " + std::to_string(x) + "," + std::to_string(y));
        return false;
      };
  }
  bool Event_MouseDown(int x, int y) override {
    log.push_back("window down " + std::to_string(x) + "," + std::to_string(y));
    return false;
  }
};

class StaticTextMouseTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    LabelWindow::log.clear();
    LabelWindow::labelTakesPresses = true;
  }
  LabelWindow& Open() {
    LabelWindow& w = fw::Shared<LabelWindow>();
    [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(w.TopLevelWidget());
    // Away from the label first: an earlier test may have left the pointer there.
    QTest::mouseMove(w.ContentWidget(), QPoint(10, 150));
    LabelWindow::log.clear();
    return w;
  }
  using Log = std::vector<std::string>;
};

TEST_F(StaticTextMouseTest, ThePointerEnteringAndLeavingRaisesMouseEnterAndMouseExit) {
  LabelWindow& w = Open();
  QWidget* content = w.ContentWidget();

  QTest::mouseMove(content, QPoint(110, 55));
  EXPECT_EQ(LabelWindow::log, Log{"enter"});
  QTest::mouseMove(content, QPoint(200, 60));
  EXPECT_EQ(LabelWindow::log, Log{"enter"}) << "moving inside is no new enter";
  QTest::mouseMove(content, QPoint(200, 100));
  EXPECT_EQ(LabelWindow::log, (Log{"enter", "exit"}));
}

TEST_F(StaticTextMouseTest, APressOnTheLabelIsTheLabelsAtItsOwnCoordinates) {
  LabelWindow& w = Open();
  QTest::mouseClick(w.label->Widget(), Qt::LeftButton, {}, QPoint(7, 4));
  QTest::mouseClick(w.ContentWidget(), Qt::LeftButton, {}, QPoint(30, 120));

  // The label's press does not reach the window as well.
  EXPECT_EQ(LabelWindow::log, (Log{"label down 7,4", "window down 30,120"}));
}

TEST_F(StaticTextMouseTest, APressOnALabelWithoutMouseDownGoesToTheWindow) {
  LabelWindow::labelTakesPresses = false;
  LabelWindow& w = Open();
  QTest::mouseClick(w.label->Widget(), Qt::LeftButton, {}, QPoint(7, 4));
  EXPECT_EQ(LabelWindow::log, Log{"window down 107,54"});
}

TEST_F(StaticTextMouseTest, OnlyTheLeftButtonPresses) {
  LabelWindow& w = Open();
  QTest::mouseClick(w.label->Widget(), Qt::RightButton, {}, QPoint(7, 4));
  EXPECT_TRUE(std::none_of(LabelWindow::log.begin(), LabelWindow::log.end(),
                           [](const std::string& e) { return e.rfind("label down", 0) == 0; }));
}

}  // namespace
