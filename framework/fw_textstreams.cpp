#include "framework/fw_textstreams.h"

#include <QSaveFile>
#include <algorithm>

namespace fw {
namespace {

std::function<void(const std::filesystem::path&)>& StreamFault() {
  static std::function<void(const std::filesystem::path&)> fault;
  return fault;
}

void RunStreamFault(const std::filesystem::path& file) {
  if (StreamFault() && !file.empty()) StreamFault()(file);
}

}  // namespace

TextInputStream::TextInputStream(std::string bytes, std::filesystem::path file)
    : bytes_(std::move(bytes)), file_(std::move(file)) {}

std::string TextInputStream::ReadLine() {
  if (EndOfFile()) return "";
  RunStreamFault(file_);
  // One pass over the bytes; find_first_of would search its set for each.
  const auto lineEnd = std::find_if(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), bytes_.end(),
                                    [](char c) { return c == '\r' || c == '\n'; });
  const size_t end = static_cast<size_t>(lineEnd - bytes_.begin());
  std::string line = bytes_.substr(position_, end - position_);
  position_ = end;
  if (position_ < bytes_.size() && bytes_[position_] == '\r') ++position_;
  // An LF alone, or the LF of a CR LF.
  if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
  // A line that is UTF-8 already, as nearly every line is, needs no copy.
  if (encoding_ == fw::Encoding::None || (encoding_ == fw::Encoding::UTF8 && IsValidUTF8(line))) return line;
  return ToUTF8(line, encoding_);
}

std::string TextInputStream::ReadAll() {
  std::string rest = EndOfFile() ? "" : bytes_.substr(position_);
  position_ = bytes_.size();
  return ToUTF8(rest, encoding_);
}

bool TextInputStream::EndOfFile() const { return position_ >= bytes_.size(); }

void TextInputStream::Close() {
  bytes_.clear();
  position_ = 0;
}

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const std::filesystem::path& file, bool ownerOnly,
                                                           std::string& whyNot) {
  // The user's configuration folder may not exist yet on a new account; it
  // is made when the first file is written into it, never merely by reading.
  std::error_code folderError;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), folderError);
  auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file.string()));
  // Unbuffered, so that Write sees each short write at once (a full disk)
  // and can say why; a buffered QSaveFile may commit a file cut short.
  if (!saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    whyNot = saveFile->errorString().toStdString();
    return nullptr;
  }
  // QSaveFile gives a new file the umask's permissions, and a replacing one
  // those of the file it replaces; neither is enough for passwords.
  if (ownerOnly && !saveFile->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    whyNot = saveFile->errorString().toStdString();
    saveFile->cancelWriting();
    return nullptr;
  }
  return std::unique_ptr<TextOutputStream>(new TextOutputStream(std::move(saveFile), file));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path)
    : file_(std::move(file)), path_(std::move(path)) {}

// QSaveFile's own destructor abandons an uncommitted write.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(const std::string& text) {
  if (closed_ || writeFailed_) return;
  RunStreamFault(path_);
  const char* data = text.data();
  qint64 left = static_cast<qint64>(text.size());
  // A short write is no error to Qt; writing the rest either completes or
  // fails with the reason.
  while (left > 0) {
    qint64 written = file_->write(data, left);
    if (written <= 0) {
      writeFailed_ = true;
      lastError_ = file_->errorString().toStdString();
      return;
    }
    data += written;
    left -= written;
  }
}

void TextOutputStream::WriteLine(const std::string& text) { Write(text + "\n"); }

bool TextOutputStream::Close() {
  if (closed_) return committed_;
  closed_ = true;
  if (writeFailed_) {
    file_->cancelWriting();
    return false;
  }
  committed_ = file_->commit();
  if (!committed_) lastError_ = file_->errorString().toStdString();
  return committed_;
}

namespace testing {

void SetStreamFault(std::function<void(const std::filesystem::path& file)> fault) {
  StreamFault() = std::move(fault);
}

}  // namespace testing

}  // namespace fw
