#include "support/scripted_dialogs.h"

namespace kavro::testing {

int ScriptedDialogs::ShowMessage(const std::string& text, int buttons, const std::string& title) {
  messages.push_back({text, buttons, title});
  if (!answers.empty()) {
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int kind = buttons & 0x0F;
  return (kind == 3 || kind == 4) ? 6 : 1;
}

std::optional<std::filesystem::path> ScriptedDialogs::ChooseFile(const fw::FileDialogRequest& request,
                                                                 fw::Window*) {
  fileDialogs.push_back(request);
  if (files.empty()) return std::nullopt;
  auto chosen = files.front();
  files.pop_front();
  return chosen;
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages) texts.push_back(m.text);
  return texts;
}

}  // namespace kavro::testing
