// The canvas: Paint and the backdrop as drawn, a picture's mask, the mouse
// press with its drag and release, and the pointer entering and leaving.
#include <QImage>
#include <QTest>

#include "framework/fw_canvas.h"
#include "framework/fw_graphics.h"
#include "framework/fw_picture.h"
#include "framework/fw_testing.h"
#include "support/kavro_test.h"
#include "test_fw_window.h"

namespace {

using kavro::testing::KavroTest;
using Win = fwtest::HookWindow<30>;

const fw::Color kRed{255, 0, 0}, kBlue{0, 0, 255}, kGreen{0, 255, 0}, kWhite{255, 255, 255};

class CanvasTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    Win::Reset();
    Win::hooks.layout = [](fw::Window& w) {
      w.Width(300);
      w.Height(200);
    };
    Win::hooks.createControls = [this](fw::Window& w) {
      auto& canvas = w.AddControl<fw::Canvas>("canvas");
      canvas.SetBounds(100, 100, 40, 30);
      if (configure) configure(canvas);
    };
  }
  void TearDown() override {
    KavroTest::TearDown();
    Win::Reset();
  }
  fw::Canvas& Canvas() {
    Win& w = fw::Shared<Win>();
    [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(w.TopLevelWidget());
    return w.ControlNamed<fw::Canvas>("canvas");
  }
  static QImage Grab(fw::Canvas& c) { return c.Widget()->grab().toImage(); }
  static QColor Rgb(fw::Color c) { return QColor(c.Red, c.Green, c.Blue); }

  std::function<void(fw::Canvas&)> configure;
  std::vector<std::string> log;
};

// A picture of one colour; a mask whose right half is white when masked.
fw::PicturePtr Solid(int w, int h, fw::Color color, bool maskRightHalf = false) {
  auto pic = std::make_shared<fw::Picture>(w, h);
  pic->Graphics().ForeColor(color);
  pic->Graphics().FillRect(0, 0, w, h);
  if (maskRightHalf) {
    fw::Graphics& mask = pic->Mask()->Graphics();
    mask.ForeColor(kWhite);
    mask.FillRect(w / 2, 0, w - w / 2, h);
  }
  return pic;
}

TEST_F(CanvasTest, PaintDrawsOverTheBackdrop) {
  int paintWidth = 0, paintHeight = 0;
  configure = [&](fw::Canvas& c) {
    c.Backdrop(Solid(20, 30, kRed));
    c.Paint = [&](fw::Graphics& g) {
      paintWidth = g.Width();
      paintHeight = g.Height();
      g.ForeColor(kGreen);
      g.FillRect(15, 0, 10, 30);
      g.ForeColor(kBlue);
      g.FillRect(30, 0, 10, 30);
    };
  };
  QImage shown = Grab(Canvas());
  EXPECT_EQ(paintWidth, 40);
  EXPECT_EQ(paintHeight, 30);
  EXPECT_EQ(shown.pixelColor(5, 10), Rgb(kRed)) << "the backdrop";
  EXPECT_EQ(shown.pixelColor(17, 10), Rgb(kGreen)) << "Paint over the backdrop";
  EXPECT_EQ(shown.pixelColor(35, 10), Rgb(kBlue));
  QColor between = shown.pixelColor(27, 10);
  EXPECT_NE(between, Rgb(kRed));
  EXPECT_NE(between, Rgb(kBlue));
}

TEST_F(CanvasTest, AMaskShowsItsBlackAndHidesItsWhite) {
  fw::PicturePtr pic = Solid(20, 10, kRed, /*maskRightHalf=*/true);
  ASSERT_TRUE(pic->HasMask());
  // Drawn by Paint over blue, and as the backdrop over the window.
  configure = [&](fw::Canvas& c) {
    c.Paint = [&](fw::Graphics& g) {
      g.ForeColor(kBlue);
      g.FillRect(0, 15, 40, 15);
      g.DrawPicture(*pic, 0, 15);
    };
  };
  fw::Canvas& canvas = Canvas();
  QImage painted = Grab(canvas);
  EXPECT_EQ(painted.pixelColor(5, 20), Rgb(kRed));
  EXPECT_EQ(painted.pixelColor(15, 20), Rgb(kBlue));

  canvas.Paint = nullptr;
  canvas.Backdrop(pic);
  QImage backdrop = Grab(canvas);
  EXPECT_EQ(backdrop.pixelColor(5, 5), Rgb(kRed));
  EXPECT_EQ(backdrop.pixelColor(15, 5), backdrop.pixelColor(30, 5)) << "the transparent half shows what is behind";
  EXPECT_NE(backdrop.pixelColor(15, 5), Rgb(kRed));

  // A new mask is all black: the picture shows whole.
  fw::PicturePtr whole = Solid(20, 10, kRed);
  whole->Mask();
  canvas.Backdrop(whole);
  EXPECT_EQ(Grab(canvas).pixelColor(15, 5), Rgb(kRed));
}

struct PressCase {
  bool answer;  // MouseDown's answer
  std::vector<std::string> want;
};

TEST_F(CanvasTest, OnlyAPressAnsweredTrueGetsTheDragAndOneRelease) {
  const PressCase cases[] = {
      {true, {"down 5,6", "drag 20,15", "drag 25,40", "up 25,40"}},
      {false, {"down 5,6"}},
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(c.answer ? "answered true" : "answered false");
    log.clear();
    configure = [&](fw::Canvas& canvas) {
      auto at = [](const char* what, int x, int y) {
        return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
      };
      canvas.MouseDown = [&, at](int x, int y) {
        log.push_back(at("down", x, y));
        return c.answer;
      };
      canvas.MouseDrag = [&, at](int x, int y) { log.push_back(at("drag", x, y)); };
      canvas.MouseUp = [&, at](int x, int y) { log.push_back(at("up", x, y)); };
    };
    QWidget* widget = Canvas().Widget();

    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseMove(widget, QPoint(20, 15));
    QTest::mouseMove(widget, QPoint(25, 40));  // beyond the canvas: still its drag
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(25, 40));
    // A later move with no button held is no drag.
    QTest::mouseMove(widget, QPoint(10, 10));

    EXPECT_EQ(log, c.want);
    fw::testing::ResetFramework();
  }
}

TEST_F(CanvasTest, ThePointerEnteringAndLeavingRaisesMouseEnterAndMouseExit) {
  configure = [&](fw::Canvas& c) {
    c.MouseEnter = [&] { log.push_back("enter"); };
    c.MouseExit = [&] { log.push_back("exit"); };
  };
  fw::Canvas& canvas = Canvas();
  QWidget* content = canvas.TrueWindow().ContentWidget();
  // Start with the pointer away from the canvas: an earlier test may have left
  // it where the canvas now shows.
  QTest::mouseMove(content, QPoint(250, 20));
  log.clear();

  QTest::mouseMove(content, QPoint(110, 110));
  EXPECT_EQ(log, std::vector<std::string>{"enter"});
  QTest::mouseMove(content, QPoint(120, 115));
  EXPECT_EQ(log, std::vector<std::string>{"enter"}) << "moving inside is no new enter";
  QTest::mouseMove(content, QPoint(250, 20));
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));
}

}  // namespace
