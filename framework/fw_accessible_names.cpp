#include "framework/fw_accessible_names.h"

#include <QWidget>
#include <climits>
#include <cstdlib>

#include "framework/fw_qt_p.h"
#include "framework/fw_text_controls.h"
#include "framework/fw_window.h"

namespace fw {
namespace {

// Labels are laid out beside their fields with a few pixels of slack.
constexpr int kSameLineSlack = 6;

StaticText* LabelOf(Window& window, const TextEdit& field) {
  StaticText* best = nullptr;
  int bestGap = INT_MAX;
  for (int i = 0; i < window.ControlCount(); ++i) {
    auto* label = dynamic_cast<StaticText*>(window.Control(i));
    if (label == nullptr || label->Parent() != field.Parent()) continue;
    if (std::abs(label->Top() - field.Top()) > kSameLineSlack) continue;
    int gap = field.Left() - (label->Left() + label->Width());
    if (gap < -kSameLineSlack || gap >= bestGap) continue;
    best = label;
    bestGap = gap;
  }
  return best;
}

}  // namespace

void NameTextControlsByTheirLabels(Window& window) {
  for (int i = 0; i < window.ControlCount(); ++i) {
    auto* field = dynamic_cast<TextEdit*>(window.Control(i));
    if (field == nullptr) continue;
    if (StaticText* label = LabelOf(window, *field)) field->Widget()->setAccessibleName(qt::ToQ(label->Text()));
  }
}

}  // namespace fw
