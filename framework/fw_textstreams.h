#pragma once
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "framework/fw_encoding.h"

class QSaveFile;

namespace fw {

// Reads text by lines from bytes held in memory (files are read whole).
class TextInputStream {
 public:
  // file: where the bytes were read from, when they come from a file.
  explicit TextInputStream(std::string bytes, std::filesystem::path file = {});

  // The next line without its line end. A line ends at CR, LF or CR LF,
  // whatever wrote the file. Empty past the end.
  std::string ReadLine();
  // Everything not read yet, line ends included.
  std::string ReadAll();
  // Whether every line has been read. (Not "EOF": <cstdio> makes that a macro.)
  bool EndOfFile() const;
  void Close();

  // The encoding of the bytes read. None (the default): lines are the bytes
  // as they are; UTF8: lines are made valid UTF-8 by ConvertEncoding; MacRoman
  // or Latin1: lines are converted from that encoding to UTF-8.
  fw::Encoding Encoding() const { return encoding_; }
  void Encoding(fw::Encoding encoding) { encoding_ = encoding; }

 private:
  std::string bytes_;
  std::filesystem::path file_;
  size_t position_ = 0;
  fw::Encoding encoding_ = fw::Encoding::None;
};

// Writes a file atomically: the file is replaced only when Close succeeds.
// A stream destroyed without Close abandons the write and leaves the
// previous file as it was.
class TextOutputStream {
 public:
  // nullptr when the file cannot be created, with the reason in whyNot.
  static std::unique_ptr<TextOutputStream> Create(const std::filesystem::path& file, bool ownerOnly,
                                                  std::string& whyNot);
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  void Write(const std::string& text);
  // text and an LF.
  void WriteLine(const std::string& text);
  // Puts the file in place (flushed and synced to disk). False when anything
  // failed, with the reason in LastError; the previous file is then kept.
  bool Close();
  const std::string& LastError() const { return lastError_; }

 private:
  TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path);

  std::unique_ptr<QSaveFile> file_;
  std::filesystem::path path_;
  bool closed_ = false;
  bool writeFailed_ = false;
  bool committed_ = false;
  std::string lastError_;
};

namespace testing {

// Stands for a failure part-way through a file that no test could bring about
// for real, such as memory running out in a store of millions of entries:
// fault runs with the file's path before each line read from a file and
// before each text written to one, and may throw. Empty: nothing (the default).
void SetStreamFault(std::function<void(const std::filesystem::path& file)> fault);

}  // namespace testing

}  // namespace fw
