#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace fw {

class Window;

// What a file dialog is asked to show.
struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  std::string promptText;
  std::string filter;  // a registered file type's name, or empty for every file
  std::filesystem::path initialDirectory;
  std::string suggestedFileName;
};

// Shows messages and file dialogs. Tests replace it with a script.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // buttons: 0 OK; 1 OK and Cancel; 3 Yes, No and Cancel; 4 Yes and No; plus
  // 16 stop, 32 question, 48 caution, 64 note icon. Answers 1 OK, 2 Cancel, 6 Yes, 7 No.
  virtual int ShowMessage(const std::string& text, int buttons, const std::string& title) = 0;
  // The chosen file, or nothing when the user cancels.
  virtual std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request,
                                                          Window* within) = 0;
};

// The host in use: the toolkit's dialogs unless a test installed its own.
DialogHost& Dialogs();
// Installs a host (nullptr: back to the toolkit's dialogs). The caller keeps ownership.
void SetDialogHost(DialogHost* host);

// MsgBox's button sets, icons and answers by name.
inline constexpr int MsgBoxYesNo = 4;
inline constexpr int MsgBoxQuestionIcon = 32;
inline constexpr int MsgBoxCautionIcon = 48;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;

// A modal message with one button. Lines are joined with CR.
void MsgBox(const std::string& text);
int MsgBox(const std::string& text, int buttons, const std::string& title);

}  // namespace fw
