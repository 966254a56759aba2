// The split view and the type-ahead list at the sizes that matter: a keystroke
// on a long list, a drag step and a hit test over few and many panes. Events
// go through the toolkit's widgets, as the user's do.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "controls/splitview.h"
#include "controls/typeaheadlistbox.h"
#include "framework/fw_clock.h"
#include "framework/fw_text_controls.h"
#include "framework/fw_window.h"

namespace {

class ListWindow : public fw::Window {
 public:
  TypeAheadListBox* list = nullptr;

 protected:
  void CreateControls() override {
    list = &AddControl<TypeAheadListBox>("ListBox1");
    list->SetBounds(0, 0, 200, 300);
  }
};

void SendKey(QWidget* widget, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
}

// rows: "entry 000000" ... ; the typed key finds its row at the end, or none.
void BM_TypeAheadKeystroke(benchmark::State& state, const char* key) {
  ListWindow window;
  window.OpenWindow();
  for (int i = 0; i < state.range(0); ++i) {
    char row[32];
    std::snprintf(row, sizeof row, "entry %06d", i);
    window.list->AddRow(row);
  }
  window.list->AddRow("Zebra");
  fw::testing::SetTicks(1000);
  for (auto _ : state) {
    fw::testing::AdvanceTicks(30);  // each key starts a new prefix
    SendKey(window.list->Widget(), key);
  }
  fw::testing::UseRealClock();
}
BENCHMARK_CAPTURE(BM_TypeAheadKeystroke, match_at_end, "z")->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeAheadKeystroke, no_match, "q")->Arg(100000)->Unit(benchmark::kMillisecond);

class BenchSplitview : public Splitview {
 public:
  using Splitview::MouseInDivider;
  using Splitview::Splitview;
};

constexpr int kPane = 40;
constexpr int kThickness = 24;

class SplitWindow : public fw::Window {
 public:
  explicit SplitWindow(int panes) : panes_(panes) {}
  BenchSplitview* split = nullptr;

 protected:
  void CreateControls() override {
    const int length = panes_ * kPane + (panes_ - 1) * kThickness;
    split = &AddControl<BenchSplitview>("Splitview1");
    split->SetBounds(0, 0, length, 300);
    split->Open = [this] { split->Vertical(true); };
    for (int i = 0; i < panes_; ++i) {
      auto& pane = AddControl<fw::GroupBox>("Pane" + std::to_string(i));
      pane.Parent(split);
      pane.SetBounds(i * (kPane + kThickness), 0, kPane, 300);
    }
  }

 private:
  int panes_;
};

void SendMouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButtons held) {
  QPointF at(x, 100);
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// One step of a drag on the first divider; the step alternates between two
// points so that no step repeats the last one.
void BM_SplitviewDragStep(benchmark::State& state) {
  SplitWindow window(static_cast<int>(state.range(0)));
  window.OpenWindow();
  QWidget* widget = window.split->Widget();
  SendMouse(widget, QEvent::MouseButtonPress, kPane + 5, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) SendMouse(widget, QEvent::MouseMove, kPane + 5 + (++step & 1), Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, kPane + 6, Qt::NoButton);
}
BENCHMARK(BM_SplitviewDragStep)->Arg(2)->Arg(100)->Unit(benchmark::kMicrosecond);

// The hit test at a point past every divider: the longest walk.
void BM_SplitviewHitTest(benchmark::State& state) {
  SplitWindow window(static_cast<int>(state.range(0)));
  window.OpenWindow();
  const int farEnd = window.split->Width() - 1;
  for (auto _ : state) benchmark::DoNotOptimize(window.split->MouseInDivider(farEnd, 100));
}
BENCHMARK(BM_SplitviewHitTest)->Arg(2)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
