#include "framework/fw_filetype.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace fw {
namespace {

// Newest registration last, so that a later type of the same name wins.
// Never destroyed: a FileType that outlives main still withdraws from it.
std::vector<const FileType*>& Registry() {
  static auto* types = new std::vector<const FileType*>;
  return *types;
}

QStringList ExtensionList(const FileType& type) {
  return QString::fromStdString(type.Extensions()).split(u';', Qt::SkipEmptyParts);
}

}  // namespace

FileType::~FileType() { Withdraw(); }

void FileType::Name(const std::string& value) {
  Withdraw();
  name_ = value;
}

void FileType::Extensions(const std::string& value) {
  Withdraw();
  extensions_ = value;
}

void FileType::MacType(const std::string& value) {
  Withdraw();
  macType_ = value;
}

void FileType::MacCreator(const std::string& value) {
  Withdraw();
  macCreator_ = value;
}

std::string FileType::ToString() {
  if (!IsRegistered()) Registry().push_back(this);
  return name_;
}

bool FileType::IsRegistered() const {
  const auto& types = Registry();
  return std::find(types.begin(), types.end(), this) != types.end();
}

const FileType* FileType::Registered(const std::string& name) {
  const auto& types = Registry();
  auto found = std::find_if(types.rbegin(), types.rend(), [&](const FileType* t) { return t->Name() == name; });
  return found == types.rend() ? nullptr : *found;
}

void FileType::Withdraw() { std::erase(Registry(), this); }

bool FileTypeAdmits(const std::string& filterName, const std::filesystem::path& file) {
  const FileType* type = FileType::Registered(filterName);
  if (type == nullptr) return false;
  QStringList extensions = ExtensionList(*type);
  if (extensions.isEmpty()) return true;
  QString fileName = QString::fromStdString(file.filename().string());
  return std::any_of(extensions.begin(), extensions.end(),
                     [&](const QString& extension) { return fileName.endsWith(extension, Qt::CaseInsensitive); });
}

std::string DialogNameFilter(const std::string& filterName) {
  const FileType* type = FileType::Registered(filterName);
  if (type == nullptr) return "";
  QStringList patterns;
  for (const QString& extension : ExtensionList(*type)) patterns << u'*' + extension;
  if (patterns.isEmpty()) patterns << QStringLiteral("*");
  return filterName + " (" + patterns.join(u' ').toStdString() + ")";
}

}  // namespace fw
