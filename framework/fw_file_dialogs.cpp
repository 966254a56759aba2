#include "framework/fw_file_dialogs.h"

#include "framework/fw_dialogs.h"

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

}  // namespace

std::optional<FolderItem> OpenDialog::ShowModalWithin(Window& window) { return Choose(OpenRequest(*this), &window); }
std::optional<FolderItem> OpenDialog::ShowModal() { return Choose(OpenRequest(*this), nullptr); }
std::optional<FolderItem> SaveAsDialog::ShowModalWithin(Window& window) { return Choose(SaveRequest(*this), &window); }
std::optional<FolderItem> SaveAsDialog::ShowModal() { return Choose(SaveRequest(*this), nullptr); }

}  // namespace fw
