#pragma once
// Catches the addresses handed to the system, in place of the browser.
#include <QObject>
#include <QUrl>
#include <string>
#include <vector>

namespace kavro::testing {

class UrlRecorder : public QObject {
  Q_OBJECT
 public:
  UrlRecorder();
  ~UrlRecorder() override;
  std::vector<std::string> urls;
  // What the clipboard held as each address was handed over, as a handler
  // that reads it (to paste a password into the page) finds it.
  std::vector<std::string> clipboardAtOpen;

 public slots:
  void Open(const QUrl& url);
};

}  // namespace kavro::testing
