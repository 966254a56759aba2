#include "framework/fw_folderitem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "framework/fw_textstreams.h"

namespace fw {
namespace {

std::string ErrorText(std::errc error) { return std::make_error_code(error).message(); }

}  // namespace

FolderItem::FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

FolderItem FolderItem::Child(const std::string& name) const { return FolderItem(path_ / name); }

FolderItem FolderItem::Parent() const { return FolderItem(path_.parent_path()); }

bool FolderItem::Exists() const {
  std::error_code error;
  return std::filesystem::exists(path_, error);
}

bool FolderItem::Directory() const {
  std::error_code error;
  return std::filesystem::is_directory(path_, error);
}

std::string FolderItem::Name() const { return path_.filename().string(); }

std::string FolderItem::NativePath() const { return path_.string(); }

Date FolderItem::ModificationDate() const {
  std::error_code error;
  auto written = std::filesystem::last_write_time(path_, error);
  if (error) return Date(Date::TimePoint());
  auto moment = std::chrono::file_clock::to_sys(written);
  return Date(std::chrono::time_point_cast<Date::TimePoint::duration>(moment));
}

bool FolderItem::Delete() {
  std::error_code error;
  bool removed = std::filesystem::remove(path_, error);
  lastError_ = removed ? "" : error ? error.message() : ErrorText(std::errc::no_such_file_or_directory);
  return removed;
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
  lastError_.clear();
  // Opened without waiting and looked at before any read: opening a FIFO
  // waits for a writer, reading a device may never end, and Linux opens a
  // folder for reading without complaint. QFile would wait in the open, so
  // the file is opened here and handed to it only when it is a regular one.
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    lastError_ = std::error_code(errno, std::generic_category()).message();
    return nullptr;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    lastError_ = S_ISDIR(status.st_mode) ? ErrorText(std::errc::is_a_directory) : "Not a regular file";
    ::close(fd);
    return nullptr;
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    lastError_ = file.errorString().toStdString();
    ::close(fd);
    return nullptr;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    lastError_ = file.errorString().toStdString();
    return nullptr;
  }
  return std::make_unique<TextInputStream>(bytes.toStdString(), path_);
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile(bool ownerOnly) {
  lastError_.clear();
  return TextOutputStream::Create(path_, ownerOnly, lastError_);
}

}  // namespace fw
