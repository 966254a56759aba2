#include "framework/fw_folderitem.h"

#include <QFile>

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
  // Linux opens a folder for reading without complaint.
  if (Directory()) {
    lastError_ = ErrorText(std::errc::is_a_directory);
    return nullptr;
  }
  QFile file(QString::fromStdString(path_.string()));
  if (!file.open(QIODevice::ReadOnly)) {
    lastError_ = file.errorString().toStdString();
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
