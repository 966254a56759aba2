#pragma once
// A window holding one split view and its panes, built as the main window
// builds its own: the split view first, then its panes with the split view as
// their parent. Shown offscreen and driven with real mouse events.
#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "controls/splitview.h"
#include "framework/fw_clock.h"
#include "framework/fw_dictionary.h"
#include "framework/fw_resources.h"
#include "framework/fw_testing.h"
#include "framework/fw_text_controls.h"
#include "framework/fw_window.h"
#include "support/bounds.h"
#include "support/kavro_test.h"

// Opens up the protected parts that the Parts give a meaning to.
class TestSplitview : public Splitview {
 public:
  using Splitview::Splitview;
  using Splitview::mCurrentDivider;
  using Splitview::MouseInDivider;
  using Splitview::OffsetX;
  using Splitview::OffsetY;
  // The collapse record's text, empty when there is none.
  std::string CollapseRecord(const fw::RectControl& subview) const {
    if (!mCollapsed || !mCollapsed->HasKey(&subview)) return "";
    return mCollapsed->Value(&subview);
  }
  bool HasDotPicture() const { return mDotPicture != nullptr; }
};

using PaneBounds = kavro::testing::Bounds;
using kavro::testing::BoundsOf;

class SplitWindow : public fw::Window {
 public:
  // Set before OpenWindow.
  PaneBounds split{20, 60, 580, 331};
  std::vector<PaneBounds> panes{{22, 65, 191, 321}, {241, 65, 345, 321}};
  // The owner's Open answer: set Vertical to this, as the main window does.
  std::function<void(TestSplitview&)> ownerOpen = [](TestSplitview& s) { s.Vertical(true); };
  // Further owner handlers, wired before the split view opens.
  std::function<void(TestSplitview&)> wire;

  TestSplitview& Split() const { return *split_; }
  fw::RectControl& Pane(size_t i) const { return *panes_.at(i); }
  fw::GroupBox* Inner() const { return inner_; }

 protected:
  void Layout() override {
    Width(split.left + split.width + 40);
    Height(split.top + split.height + 40);
  }
  void CreateControls() override {
    split_ = &AddControl<TestSplitview>("Splitview1");
    split_->SetBounds(split.left, split.top, split.width, split.height);
    split_->SetAnchors(true, true, true, true);
    if (ownerOpen) split_->Open = [this] { ownerOpen(*split_); };
    if (wire) wire(*split_);
    for (size_t i = 0; i < panes.size(); ++i) {
      auto& pane = AddControl<fw::GroupBox>("Pane" + std::to_string(i));
      pane.Parent(split_);
      pane.SetBounds(panes[i].left, panes[i].top, panes[i].width, panes[i].height);
      panes_.push_back(&pane);
    }
    // A control inside a pane, and one beside the split view: neither is a pane.
    if (!panes_.empty()) {
      inner_ = &AddControl<fw::GroupBox>("Inner");
      inner_->Parent(panes_.front());
      inner_->SetBounds(panes.front().left + 5, panes.front().top + 20, 50, 50);
    }
    AddControl<fw::GroupBox>("Beside").SetBounds(0, 0, 10, 10);
  }

 private:
  TestSplitview* split_ = nullptr;
  std::vector<fw::RectControl*> panes_;
  fw::GroupBox* inner_ = nullptr;
};

// The grip art of the fixtures and a double-click interval of 30 ticks, on a
// clock well away from 0.
class SplitviewTest : public kavro::testing::KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    UseGripArt("splitview");
    fw::testing::SetDoubleClickTicks(30);
  }

  static void UseGripArt(const std::string& fixtureFolder) {
    fw::testing::SetResourcesFolder(std::string(KAVRO_FIXTURES_DIR) + "/" + fixtureFolder);
  }

  // Opens and shows the window; configure() runs before it builds itself.
  // The framework's reset at tear-down destroys it.
  SplitWindow& Open(const std::function<void(SplitWindow&)>& configure = nullptr) {
    auto* window = new SplitWindow();
    if (configure) configure(*window);
    window->OpenWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->TopLevelWidget()));
    QCoreApplication::processEvents();
    return *window;
  }

  // Real mouse events on the split view's widget, local coordinates.
  static void Press(Splitview& s, int x, int y) {
    QTest::mousePress(s.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
  }
  static void Drag(Splitview& s, int x, int y) { QTest::mouseMove(s.Widget(), QPoint(x, y)); }
  static void Release(Splitview& s, int x, int y) {
    QTest::mouseRelease(s.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
  }
  static void Hover(Splitview& s, int x, int y) { QTest::mouseMove(s.Widget(), QPoint(x, y)); }
  static void Click(Splitview& s, int x, int y) {
    Press(s, x, y);
    Release(s, x, y);
  }
  static void DragDivider(Splitview& s, QPoint from, QPoint to) {
    Press(s, from.x(), from.y());
    Drag(s, to.x(), to.y());
    Release(s, to.x(), to.y());
  }
};

