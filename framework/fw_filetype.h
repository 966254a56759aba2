#pragma once
#include <filesystem>
#include <string>

namespace fw {

// A kind of file that file dialogs can filter by, named by its Name once it
// is registered. Registration is by identity: a copy would be a second type.
class FileType {
 public:
  FileType() = default;
  ~FileType();
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;

  const std::string& Name() const { return name_; }
  // ";"-separated, each with its leading point: ".txt;.text".
  const std::string& Extensions() const { return extensions_; }
  // Four-character codes of the old Mac file system; kept, never used for filtering.
  const std::string& MacType() const { return macType_; }
  const std::string& MacCreator() const { return macCreator_; }
  // Changing a field withdraws the registration.
  void Name(const std::string& value);
  void Extensions(const std::string& value);
  void MacType(const std::string& value);
  void MacCreator(const std::string& value);

  // Registers the type (once) and returns its Name.
  std::string ToString();
  bool IsRegistered() const;

  // The type most recently registered under that name, or nullptr.
  static const FileType* Registered(const std::string& name);

 private:
  void Withdraw();

  std::string name_;
  std::string extensions_;
  std::string macType_;
  std::string macCreator_;
};

// Whether a file dialog filtered by filterName shows file: the type
// registered under that name admits the files whose name ends with one of its
// extensions, ignoring case, and every file when it has no extension. An
// unregistered name admits nothing.
bool FileTypeAdmits(const std::string& filterName, const std::filesystem::path& file);

// The name filter for a Qt file dialog, such as "text/plain (*.asc *.ascii)";
// "text (*)" for a type with no extension; empty for an unregistered name.
std::string DialogNameFilter(const std::string& filterName);

}  // namespace fw
