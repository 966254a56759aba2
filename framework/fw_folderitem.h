#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "framework/fw_date.h"

namespace fw {

class TextInputStream;
class TextOutputStream;

// A file or folder by its path; the item need not exist.
class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(std::filesystem::path path);

  FolderItem Child(const std::string& name) const;
  // The folder that holds this item (the root's parent is the root).
  FolderItem Parent() const;

  bool Exists() const;
  bool Directory() const;
  std::string Name() const;
  std::string NativePath() const;
  const std::filesystem::path& Path() const { return path_; }
  // When the item was last written; the epoch when it does not exist.
  Date ModificationDate() const;

  // Deletes the file, or the folder when it is empty. False on failure, with
  // the reason in LastError.
  bool Delete();

  // A stream over the whole file, read at once; nullptr when the file cannot
  // be read (missing, a folder, no permission) or is no regular file (a FIFO,
  // a device), with the reason in LastError.
  std::unique_ptr<TextInputStream> OpenAsTextFile();
  // A stream that replaces the file when it is closed; nullptr when the file
  // cannot be created, with the reason in LastError. ownerOnly gives the file
  // the permissions 0600.
  std::unique_ptr<TextOutputStream> CreateTextFile(bool ownerOnly = false);

  // Why the last Delete, OpenAsTextFile or CreateTextFile on this item
  // failed, for the user to read; empty after one that succeeded.
  const std::string& LastError() const { return lastError_; }

 private:
  std::filesystem::path path_;
  std::string lastError_;
};

}  // namespace fw
