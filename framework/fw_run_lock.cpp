#include "framework/fw_run_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace fw {
namespace {

// The same item reached by another spelling of its path (a symbolic link,
// "..") gets the same lock.
QByteArray ItemKey(const FolderItem& item) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::weakly_canonical(std::filesystem::absolute(item.Path()), error);
  if (error) path = item.Path();
  return QByteArray::fromStdString(path.string());
}

QString LockFileName(const FolderItem& item, const std::string& name) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QByteArray digest = QCryptographicHash::hash(ItemKey(item), QCryptographicHash::Sha256).toHex().left(32);
  return folder + QLatin1Char('/') + QString::fromStdString(name) + QLatin1Char('-') + QString::fromLatin1(digest) +
         QStringLiteral(".lock");
}

}  // namespace

RunLock::RunLock(const FolderItem& item, const std::string& name)
    : lock_(std::make_unique<QLockFile>(LockFileName(item, name))) {
  // Held for a whole run, however long: only a holder that has ended makes
  // the lock stale, never its age.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) heldElsewhere_ = lock_->error() == QLockFile::LockFailedError;
}

RunLock::~RunLock() = default;

}  // namespace fw
