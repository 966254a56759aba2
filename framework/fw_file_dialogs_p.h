#pragma once
// The toolkit's open and save dialogs; framework-internal.
#include <filesystem>
#include <optional>

#include "framework/fw_dialogs.h"

class QFileDialog;
class QWidget;

namespace fw {

// Builds the dialog for a request: its title, its prompt text in a line above
// the file list, its start folder, its filter and the suggested name.
void SetUpFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// Shows the dialog modally over parent; the chosen file, or nothing on cancel.
std::optional<std::filesystem::path> ShowFileDialog(const FileDialogRequest& request, QWidget* parent);

}  // namespace fw
