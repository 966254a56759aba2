#include "framework/fw_clipboard.h"

#include <QApplication>
#include <QClipboard>

#include "framework/fw_qt_p.h"

namespace fw {

Clipboard::Clipboard() = default;

std::string Clipboard::Text() const {
  if (assigned_) return pending_;
  return qt::FromQ(QApplication::clipboard()->text());
}

void Clipboard::Text(const std::string& text) {
  pending_ = text;
  assigned_ = true;
}

void Clipboard::Close() {
  if (!assigned_) return;
  QClipboard* clipboard = QApplication::clipboard();
  if (pending_.empty()) clipboard->clear();
  else clipboard->setText(qt::ToQ(pending_));
}

}  // namespace fw
