#include "support/url_recorder.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace kavro::testing {

namespace {
const char* const kSchemes[] = {"http", "https", "mailto", "file", "ftp"};
}

UrlRecorder::UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

UrlRecorder::~UrlRecorder() {
  for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
}

void UrlRecorder::Open(const QUrl& url) {
  urls.push_back(url.toString().toStdString());
  clipboardAtOpen.push_back(QGuiApplication::clipboard()->text().toStdString());
}

}  // namespace kavro::testing
