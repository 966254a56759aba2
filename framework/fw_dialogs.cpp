#include "framework/fw_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/fw_file_dialogs_p.h"
#include "framework/fw_qt_p.h"
#include "framework/fw_window.h"

namespace fw {
namespace {

QMessageBox::Icon IconFor(int buttons) {
  switch (buttons & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

class ToolkitDialogHost : public DialogHost {
 public:
  int ShowMessage(const std::string& text, int buttons, const std::string& title) override {
    QMessageBox box(IconFor(buttons), title.empty() ? QApplication::applicationName() : qt::ToQ(title),
                    qt::ForDisplay(text), QMessageBox::NoButton, QApplication::activeWindow());
    struct Choice {
      QMessageBox::StandardButton button;
      int answer;
    };
    std::vector<Choice> choices;
    switch (buttons & 0x0F) {
      case 1: choices = {{QMessageBox::Ok, 1}, {QMessageBox::Cancel, 2}}; break;
      case 3: choices = {{QMessageBox::Yes, 6}, {QMessageBox::No, 7}, {QMessageBox::Cancel, 2}}; break;
      case 4: choices = {{QMessageBox::Yes, 6}, {QMessageBox::No, 7}}; break;
      default: choices = {{QMessageBox::Ok, 1}}; break;
    }
    for (const Choice& c : choices) box.addButton(c.button);
    box.setDefaultButton(choices.front().button);
    box.exec();
    for (const Choice& c : choices)
      if (box.clickedButton() == box.button(c.button)) return c.answer;
    // Closed without a button: the last choice (Cancel, No or OK) stands.
    return choices.back().answer;
  }

  std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request, Window* within) override {
    return ShowFileDialog(request, within ? within->TopLevelWidget() : QApplication::activeWindow());
  }
};

DialogHost* installedHost = nullptr;

}  // namespace

DialogHost& Dialogs() {
  static ToolkitDialogHost toolkitHost;
  return installedHost ? *installedHost : toolkitHost;
}

void SetDialogHost(DialogHost* host) { installedHost = host; }

void MsgBox(const std::string& text) { Dialogs().ShowMessage(text, 0, ""); }

int MsgBox(const std::string& text, int buttons, const std::string& title) {
  return Dialogs().ShowMessage(text, buttons, title);
}

}  // namespace fw
