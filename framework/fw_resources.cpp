#include "framework/fw_resources.h"

#include <QCoreApplication>
#include <map>

namespace fw {
namespace {

std::filesystem::path& OverriddenFolder() {
  static std::filesystem::path folder;
  return folder;
}

std::map<std::string, PicturePtr>& KeptPictures() {
  static std::map<std::string, PicturePtr> pictures;
  return pictures;
}

std::map<std::string, int>& FileReads() {
  static std::map<std::string, int> reads;
  return reads;
}

}  // namespace

std::optional<std::filesystem::path> ResourcesFolder() {
  std::filesystem::path folder = OverriddenFolder();
  if (folder.empty()) {
    std::filesystem::path exe = QCoreApplication::applicationFilePath().toStdString();
    folder = exe.parent_path().parent_path() / "Resources";
  }
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
  return folder;
}

PicturePtr ResourcePicture(const std::string& fileName) {
  PicturePtr& kept = KeptPictures()[fileName];
  if (kept) return kept;
  auto folder = ResourcesFolder();
  if (!folder) return nullptr;
  std::error_code error;
  std::filesystem::path file = *folder / fileName;
  if (!std::filesystem::exists(file, error)) return nullptr;
  ++FileReads()[fileName];
  kept = Picture::Open(file);
  return kept;
}

namespace testing {

void SetResourcesFolder(const std::filesystem::path& folder) {
  OverriddenFolder() = folder;
  KeptPictures().clear();
  FileReads().clear();
}

int PictureFileReads(const std::string& fileName) {
  auto it = FileReads().find(fileName);
  return it == FileReads().end() ? 0 : it->second;
}

}  // namespace testing
}  // namespace fw
