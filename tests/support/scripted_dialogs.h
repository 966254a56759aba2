#pragma once
// A dialog host that shows nothing: it records each message and file dialog,
// and gives the answers and chosen files that the test put in beforehand.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "framework/fw_dialogs.h"

namespace kavro::testing {

struct ShownMessage {
  std::string text;
  int buttons;
  std::string title;
};

class ScriptedDialogs : public fw::DialogHost {
 public:
  int ShowMessage(const std::string& text, int buttons, const std::string& title) override;
  std::optional<std::filesystem::path> ChooseFile(const fw::FileDialogRequest& request,
                                                  fw::Window* within) override;

  // Answers for the next questions (6 Yes, 7 No ...); a message without a
  // scripted answer is answered with its first button.
  std::deque<int> answers;
  // Files for the next file dialogs; nothing scripted is a cancel.
  std::deque<std::optional<std::filesystem::path>> files;

  std::vector<ShownMessage> messages;
  std::vector<fw::FileDialogRequest> fileDialogs;

  std::vector<std::string> Texts() const;
};

}  // namespace kavro::testing
