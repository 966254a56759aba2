#include "framework/fw_file_dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <vector>

#include "framework/fw_dialogs.h"
#include "framework/fw_file_dialogs_p.h"
#include "framework/fw_filetype.h"
#include "framework/fw_qt_p.h"

namespace fw {
namespace {

std::optional<FolderItem> Choose(const FileDialogRequest& request, Window* within) {
  auto chosen = Dialogs().ChooseFile(request, within);
  if (!chosen) return std::nullopt;
  return FolderItem(*chosen);
}

template <class Dialog>
FileDialogRequest Request(const Dialog& d, FileDialogRequest::Kind kind) {
  FileDialogRequest r;
  r.kind = kind;
  r.title = d.Title;
  r.promptText = d.PromptText;
  r.filter = d.Filter;
  r.initialDirectory = d.InitialDirectory.Path();
  return r;
}

FileDialogRequest OpenRequest(const OpenDialog& d) { return Request(d, FileDialogRequest::Kind::Open); }

FileDialogRequest SaveRequest(const SaveAsDialog& d) {
  FileDialogRequest r = Request(d, FileDialogRequest::Kind::Save);
  r.suggestedFileName = d.SuggestedFileName;
  return r;
}

// Puts the prompt text in a line of its own above everything else the dialog
// holds: the dialog's grid moves down by one row.
void AddPromptLine(QFileDialog& dialog, const QString& prompt) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (grid == nullptr) return;
  struct Placed {
    QLayoutItem* item;
    int row, column, rowSpan, columnSpan;
  };
  std::vector<Placed> placed;
  while (grid->count() > 0) {
    Placed p{};
    grid->getItemPosition(0, &p.row, &p.column, &p.rowSpan, &p.columnSpan);
    p.item = grid->takeAt(0);
    placed.push_back(p);
  }
  for (int row = grid->rowCount() - 1; row >= 0; --row) grid->setRowStretch(row + 1, grid->rowStretch(row));
  grid->setRowStretch(0, 0);
  for (const Placed& p : placed) grid->addItem(p.item, p.row + 1, p.column, p.rowSpan, p.columnSpan);

  auto* label = new QLabel(prompt, &dialog);
  label->setObjectName(QStringLiteral("promptText"));
  label->setWordWrap(true);
  grid->addWidget(label, 0, 0, 1, grid->columnCount());
}

}  // namespace

void SetUpFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  // The toolkit's own dialog, since a platform dialog has no place for the prompt.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowTitle(qt::ToQ(request.title));
  if (!request.initialDirectory.empty())
    dialog.setDirectory(QString::fromStdString(request.initialDirectory.string()));
  if (request.kind == FileDialogRequest::Kind::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(qt::ToQ(request.suggestedFileName));
  }
  std::string typeFilter = request.filter.empty() ? "" : DialogNameFilter(request.filter);
  // Files from the old Mac program, and exported files, often have no
  // extension at all: every file stays one choice away.
  if (!typeFilter.empty()) dialog.setNameFilters({qt::ToQ(typeFilter), QStringLiteral("All files (*)")});
  if (!request.promptText.empty()) AddPromptLine(dialog, qt::ForDisplay(request.promptText));
}

std::optional<std::filesystem::path> ShowFileDialog(const FileDialogRequest& request, QWidget* parent) {
  QFileDialog dialog(parent);
  SetUpFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.first().toStdString());
}

std::optional<FolderItem> OpenDialog::ShowModalWithin(Window& window) { return Choose(OpenRequest(*this), &window); }
std::optional<FolderItem> OpenDialog::ShowModal() { return Choose(OpenRequest(*this), nullptr); }
std::optional<FolderItem> SaveAsDialog::ShowModalWithin(Window& window) { return Choose(SaveRequest(*this), &window); }
std::optional<FolderItem> SaveAsDialog::ShowModal() { return Choose(SaveRequest(*this), nullptr); }

}  // namespace fw
