#include "framework/fw_specialfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace fw {
namespace {

std::filesystem::path ToPath(const QString& path) { return path.toStdString(); }

}  // namespace

FolderItem SpecialFolder::Preferences() {
  return FolderItem(ToPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

FolderItem SpecialFolder::Desktop() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return FolderItem(ToPath(folder));
}

FolderItem SpecialFolder::ApplicationExecutable() {
  if (QCoreApplication::instance() != nullptr) {
    return FolderItem(ToPath(QCoreApplication::applicationFilePath()));
  }
  std::error_code error;
  return FolderItem(std::filesystem::read_symlink("/proc/self/exe", error));
}

}  // namespace fw
