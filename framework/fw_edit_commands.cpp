// The Edit menu's commands act on whichever text control has the focus.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <map>

#include "framework/fw_menu.h"
#include "framework/fw_window_menu_bar_p.h"

namespace fw {
namespace {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

const std::map<std::string, EditCommand>& Commands() {
  static const std::map<std::string, EditCommand> commands = {
      {"EditUndo", EditCommand::Undo},   {"EditCut", EditCommand::Cut},
      {"EditCopy", EditCommand::Copy},   {"EditPaste", EditCommand::Paste},
      {"EditClear", EditCommand::Clear}, {"EditSelectAll", EditCommand::SelectAll}};
  return commands;
}

bool ClipboardHasText() { return !QApplication::clipboard()->text().isEmpty(); }

bool Available(QLineEdit& e, EditCommand c) {
  // A masked field never gives its text away.
  bool canCopy = e.hasSelectedText() && e.echoMode() == QLineEdit::Normal;
  switch (c) {
    case EditCommand::Undo: return e.isUndoAvailable();
    case EditCommand::Cut: return canCopy && !e.isReadOnly();
    case EditCommand::Copy: return canCopy;
    case EditCommand::Paste: return !e.isReadOnly() && ClipboardHasText();
    case EditCommand::Clear: return e.hasSelectedText() && !e.isReadOnly();
    case EditCommand::SelectAll: return !e.text().isEmpty();
  }
  return false;
}

bool Available(QPlainTextEdit& e, EditCommand c) {
  bool selected = e.textCursor().hasSelection();
  switch (c) {
    case EditCommand::Undo: return e.document()->isUndoAvailable() && !e.isReadOnly();
    case EditCommand::Cut: return selected && !e.isReadOnly();
    case EditCommand::Copy: return selected;
    case EditCommand::Paste: return !e.isReadOnly() && ClipboardHasText();
    case EditCommand::Clear: return selected && !e.isReadOnly();
    case EditCommand::SelectAll: return !e.document()->isEmpty();
  }
  return false;
}

void Run(QLineEdit& e, EditCommand c) {
  switch (c) {
    case EditCommand::Undo: e.undo(); break;
    case EditCommand::Cut: e.cut(); break;
    case EditCommand::Copy: e.copy(); break;
    case EditCommand::Paste: e.paste(); break;
    case EditCommand::Clear: e.del(); break;
    case EditCommand::SelectAll: e.selectAll(); break;
  }
}

void Run(QPlainTextEdit& e, EditCommand c) {
  switch (c) {
    case EditCommand::Undo: e.undo(); break;
    case EditCommand::Cut: e.cut(); break;
    case EditCommand::Copy: e.copy(); break;
    case EditCommand::Paste: e.paste(); break;
    case EditCommand::Clear: e.textCursor().removeSelectedText(); break;
    case EditCommand::SelectAll: e.selectAll(); break;
  }
}

// While the user moves through the menus the bar may hold the focus; the
// commands act on the control that had it before.
QWidget* EditTarget() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* bar = dynamic_cast<WindowMenuBar*>(focus)) return bar->ControlFocusedLast();
  return focus;
}

template <class F>
bool OnFocusedText(const std::string& itemName, F&& act) {
  auto it = Commands().find(itemName);
  if (it == Commands().end()) return false;
  QWidget* focus = EditTarget();
  if (auto* line = qobject_cast<QLineEdit*>(focus)) return act(*line, it->second);
  if (auto* area = qobject_cast<QPlainTextEdit*>(focus)) return act(*area, it->second);
  return false;
}

}  // namespace

bool IsEditCommand(const std::string& itemName) { return Commands().count(itemName) > 0; }

bool EditCommandAvailable(const std::string& itemName) {
  return OnFocusedText(itemName, [](auto& editor, EditCommand c) { return Available(editor, c); });
}

bool RunEditCommand(const std::string& itemName) {
  return OnFocusedText(itemName, [](auto& editor, EditCommand c) {
    if (!Available(editor, c)) return false;
    Run(editor, c);
    return true;
  });
}

}  // namespace fw
