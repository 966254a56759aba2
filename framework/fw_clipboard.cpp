#include "framework/fw_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "framework/fw_qt_p.h"

namespace fw {
namespace {

// The hint that KDE's Klipper, and the managers that follow it, read to leave
// an entry out of their history.
constexpr char kPasswordManagerHint[] = "x-kde-passwordManagerHint";

}  // namespace

Clipboard::Clipboard() = default;

std::string Clipboard::Text() const {
  if (assigned_) return pending_;
  return qt::FromQ(QApplication::clipboard()->text());
}

void Clipboard::Text(const std::string& text) {
  pending_ = text;
  assigned_ = true;
  secret_ = false;
}

void Clipboard::SecretText(const std::string& text) {
  Text(text);
  secret_ = true;
}

void Clipboard::Close() {
  if (!assigned_) return;
  QClipboard* clipboard = QApplication::clipboard();
  if (pending_.empty()) {
    clipboard->clear();
  } else if (secret_) {
    auto* data = new QMimeData();  // the clipboard takes ownership
    data->setText(qt::ToQ(pending_));
    data->setData(kPasswordManagerHint, QByteArrayLiteral("secret"));
    clipboard->setMimeData(data);
  } else {
    clipboard->setText(qt::ToQ(pending_));
  }
}

}  // namespace fw
