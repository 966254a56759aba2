#include "framework/fw_url.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/fw_qt_p.h"

namespace fw {

void ShowURL(const std::string& url) { QDesktopServices::openUrl(QUrl(qt::ToQ(url), QUrl::TolerantMode)); }

}  // namespace fw
