// Files: lines end wherever any program ended them, a save replaces the old
// file only when it completes, password files are private, and a file that
// cannot be read says why.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/fw_files.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;

const fs::path fixtures = fs::path(KAVRO_FIXTURES_DIR) / "textstreams";

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> AllLines(fw::TextInputStream& stream) {
  std::vector<std::string> lines;
  while (!stream.EndOfFile()) lines.push_back(stream.ReadLine());
  return lines;
}

fs::perms Permissions(const fs::path& file) { return fs::status(file).permissions() & fs::perms::mask; }

// Points HOME and XDG_CONFIG_HOME into a fresh temporary folder, and back.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    savedHome_ = qgetenv("HOME");
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    fs::create_directory(Home());
    qputenv("HOME", QByteArray::fromStdString(Home().string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(ConfigHome().string()));
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    if (hadConfigHome_) {
      qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  }

  fs::path Root() const { return root_.path().toStdString(); }
  fs::path Home() const { return Root() / "home"; }
  fs::path ConfigHome() const { return Root() / "config"; }

 private:
  QTemporaryDir root_;
  QByteArray savedHome_, savedConfigHome_;
  bool hadConfigHome_ = false;
};

TEST_F(Files, ReadLineEndsLinesAtCrLfOrCrLf) {
  const std::vector<std::string> expected = {"Bank", "", "日本語", "last"};
  for (const char* name : {"lines-cr.txt", "lines-lf.txt", "lines-crlf.txt"}) {
    fw::FolderItem file(fixtures / name);
    auto stream = file.OpenAsTextFile();
    ASSERT_NE(stream, nullptr) << name << ": " << file.LastError();
    EXPECT_EQ(AllLines(*stream), expected) << name;
  }
}

TEST_F(Files, ReadLineTakesEachLineEndAsItComesInAMixedFile) {
  auto stream = fw::FolderItem(fixtures / "lines-mixed.txt").OpenAsTextFile();
  ASSERT_NE(stream, nullptr);
  // LF then CR is two line ends, with an empty line between them.
  EXPECT_EQ(AllLines(*stream), (std::vector<std::string>{"cr", "lf", "crlf", "lf-cr", "", "end"}));
}

TEST_F(Files, ReadLinePastTheEndIsEmpty) {
  fw::TextInputStream stream("only\r");
  EXPECT_FALSE(stream.EndOfFile());
  EXPECT_EQ(stream.ReadLine(), "only");
  EXPECT_TRUE(stream.EndOfFile());
  EXPECT_EQ(stream.ReadLine(), "");
  EXPECT_EQ(stream.ReadLine(), "");
  EXPECT_TRUE(fw::TextInputStream("").EndOfFile());
}

TEST_F(Files, ReadAllGivesTheRestAsItIs) {
  fw::TextInputStream stream("one\r\ntwo\rthree\n");
  stream.ReadLine();
  EXPECT_EQ(stream.ReadAll(), "two\rthree\n");
  EXPECT_TRUE(stream.EndOfFile());
  EXPECT_EQ(stream.ReadAll(), "");
}

TEST_F(Files, TheStreamEncodingDecidesWhatLinesHold) {
  const std::pair<fw::Encoding, std::string> cases[] = {
      {fw::Encodings::None, "Caf\x8E\tcaf\xC3\xA9"},
      {fw::Encodings::UTF8, "Café\tcaf√©"},  // the line is not UTF-8 as a whole: all MacRoman
  };
  for (const auto& [encoding, line] : cases) {
    auto stream = fw::FolderItem(fixtures / "macroman-and-utf8.txt").OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Encoding(encoding);
    EXPECT_EQ(stream->ReadLine(), line);
  }
  fw::TextInputStream utf8("caf\xC3\xA9\r");
  utf8.Encoding(fw::Encodings::UTF8);
  EXPECT_EQ(utf8.ReadLine(), "café");
}

TEST_F(Files, CloseAfterReadingEndsTheStream) {
  fw::TextInputStream stream("a\rb\r");
  stream.Close();
  EXPECT_TRUE(stream.EndOfFile());
  EXPECT_EQ(stream.ReadLine(), "");
}

TEST_F(Files, ASavedFileHoldsExactlyWhatWasWritten) {
  fw::FolderItem file(Root() / "Kavro2.data");
  auto out = file.CreateTextFile();
  ASSERT_NE(out, nullptr) << file.LastError();
  out->Write("Bank\tdXNlcg==\r");
  out->WriteLine("日本語");
  EXPECT_FALSE(file.Exists());  // nothing is in place before Close
  ASSERT_TRUE(out->Close()) << out->LastError();
  EXPECT_EQ(ReadBytes(file.Path()), "Bank\tdXNlcg==\r日本語\n");
  EXPECT_TRUE(out->Close());  // a second Close changes nothing
}

TEST_F(Files, AStreamDroppedBeforeCloseLeavesThePreviousFileWhole) {
  fw::FolderItem file(Root() / "Kavro2.prefs");
  WriteBytes(file.Path(), "previous\r");
  {
    auto out = file.CreateTextFile(true);
    ASSERT_NE(out, nullptr);
    out->Write("half a sav");
  }
  EXPECT_EQ(ReadBytes(file.Path()), "previous\r");
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(Root())) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"Kavro2.prefs", "home"})) << "no temporary file stays behind";
}

TEST_F(Files, AFailedWriteLeavesThePreviousFileWholeAndSaysWhy) {
  fw::FolderItem file(Root() / "Kavro2.data");
  WriteBytes(file.Path(), "previous\r");
  auto out = file.CreateTextFile(true);
  ASSERT_NE(out, nullptr);
  // A file size limit makes the writes fail as a full disk would.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto savedHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  out->Write(std::string(100000, 'x'));
  bool closed = out->Close();
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, savedHandler);

  EXPECT_FALSE(closed);
  EXPECT_EQ(out->LastError(), std::make_error_code(std::errc::file_too_large).message());
  EXPECT_EQ(ReadBytes(file.Path()), "previous\r");
}

TEST_F(Files, OwnerOnlyFilesGetMode0600) {
  fw::FolderItem created(Root() / "new.data");
  fw::FolderItem replaced(Root() / "old.data");
  WriteBytes(replaced.Path(), "old");
  fs::permissions(replaced.Path(), fs::perms(0644));
  for (fw::FolderItem* file : {&created, &replaced}) {
    auto out = file->CreateTextFile(true);
    ASSERT_NE(out, nullptr);
    out->Write("secret");
    ASSERT_TRUE(out->Close()) << out->LastError();
    EXPECT_EQ(Permissions(file->Path()), fs::perms(0600)) << file->Name();
  }
}

TEST_F(Files, AFileThatCannotBeCreatedSaysWhy) {
  fs::create_directory(Root() / "folder");
  WriteBytes(Root() / "plain", "a file, not a folder");
  for (const fs::path& path : {Root() / "plain" / "x.data", Root() / "folder"}) {
    fw::FolderItem file(path);
    EXPECT_EQ(file.CreateTextFile(), nullptr) << path;
    EXPECT_FALSE(file.LastError().empty()) << path;
  }
  EXPECT_TRUE(fs::is_directory(Root() / "folder"));
}

TEST_F(Files, CreatingAFileMakesTheFolderItGoesIn) {
  fw::FolderItem file(Root() / "new-config" / "Kavro2.prefs");
  auto out = file.CreateTextFile(true);
  ASSERT_NE(out, nullptr) << file.LastError();
  out->Write("1");
  ASSERT_TRUE(out->Close()) << out->LastError();
  EXPECT_EQ(ReadBytes(file.Path()), "1");
}

TEST_F(Files, AFileThatCannotBeReadSaysWhy) {
  fs::create_directory(Root() / "Kavro2.data");
  for (const fs::path& path : {Root() / "Kavro2.data", Root() / "missing.prefs"}) {
    fw::FolderItem file(path);
    EXPECT_EQ(file.OpenAsTextFile(), nullptr) << path;
    EXPECT_FALSE(file.LastError().empty()) << path;
  }
  fw::FolderItem readable(fixtures / "lines-cr.txt");
  ASSERT_NE(readable.OpenAsTextFile(), nullptr);
  EXPECT_EQ(readable.LastError(), "");
}

// Opening a FIFO for reading waits for a writer that never comes, and a
// device can give bytes without end: only regular files are read. The reads
// run in a child, so that a hang fails the test instead of stalling it.
TEST_F(Files, OnlyRegularFilesAreRead) {
  ASSERT_EQ(mkfifo((Root() / "fifo").c_str(), 0600), 0);
  fs::create_symlink(Root() / "fifo", Root() / "link-to-fifo");
  WriteBytes(Root() / "regular", "line\r");
  fs::create_symlink(Root() / "regular", Root() / "link-to-regular");
  kavro::testing::ChildOutcome run = kavro::testing::RunInChild(
      [&](std::string& report) {
        for (const char* name : {"fifo", "link-to-fifo"}) {
          fw::FolderItem file(Root() / name);
          if (file.OpenAsTextFile() != nullptr) report += std::string(name) + " was read\n";
          report += std::string(name) + ": " + file.LastError() + "\n";
        }
        fw::FolderItem linked(Root() / "link-to-regular");
        auto stream = linked.OpenAsTextFile();
        report += "link-to-regular: " + (stream ? stream->ReadLine() : linked.LastError()) + "\n";
        return 0;
      },
      std::chrono::seconds(10));
  ASSERT_TRUE(run.exited) << run.Describe();
  EXPECT_EQ(run.report, "fifo: Not a regular file\nlink-to-fifo: Not a regular file\nlink-to-regular: line\n");
}

TEST_F(Files, AFileWithoutReadPermissionSaysWhy) {
  fw::FolderItem file(Root() / "Kavro2.prefs");
  WriteBytes(file.Path(), "1\t2\t3\t4\r");
  fs::permissions(file.Path(), fs::perms::none);
  kavro::testing::RunAsNobody({Root()}, [&] {
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.OpenAsTextFile(), nullptr);
    EXPECT_NE(file.LastError().find("ermission"), std::string::npos) << file.LastError();
  });
}

TEST_F(Files, FolderItemNamesItsPlace) {
  fw::FolderItem folder(Root());
  fw::FolderItem file = folder.Child("Kavro2.prefs");
  EXPECT_EQ(file.Name(), "Kavro2.prefs");
  EXPECT_EQ(file.NativePath(), (Root() / "Kavro2.prefs").string());
  EXPECT_EQ(file.Parent().NativePath(), folder.NativePath());
  EXPECT_TRUE(folder.Exists());
  EXPECT_TRUE(folder.Directory());
  EXPECT_FALSE(file.Exists());
  WriteBytes(file.Path(), "x");
  EXPECT_TRUE(file.Exists());
  EXPECT_FALSE(file.Directory());
  EXPECT_TRUE(file.Delete());
  EXPECT_FALSE(file.Exists());
  EXPECT_FALSE(file.Delete());
  EXPECT_FALSE(file.LastError().empty());
}

TEST_F(Files, ModificationDateIsTheLastWrite) {
  fw::FolderItem file(Root() / "Kavro2.data");
  WriteBytes(file.Path(), "x");
  auto moment = std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(1700000000)));
  fs::last_write_time(file.Path(), moment);
  EXPECT_DOUBLE_EQ(file.ModificationDate().TotalSeconds(), 1700000000.0);
  EXPECT_DOUBLE_EQ(fw::FolderItem(Root() / "missing").ModificationDate().TotalSeconds(), 0.0);
}

TEST_F(Files, PreferencesIsTheXdgConfigFolder) {
  fw::FolderItem preferences = fw::SpecialFolder::Preferences();
  EXPECT_EQ(fs::path(preferences.NativePath()), ConfigHome());
  EXPECT_FALSE(preferences.Exists());  // a first run finds no folder and leaves it so

  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(fs::path(fw::SpecialFolder::Preferences().NativePath()), Home() / ".config");
}

TEST_F(Files, DesktopFallsBackToHomeWhenThereIsNoDesktopFolder) {
  EXPECT_EQ(fs::path(fw::SpecialFolder::Desktop().NativePath()), Home());
  fs::create_directory(Home() / "Desktop");
  EXPECT_EQ(fs::path(fw::SpecialFolder::Desktop().NativePath()), Home() / "Desktop");
}

TEST_F(Files, ApplicationExecutableIsThisTestProgram) {
  fw::FolderItem exe = fw::SpecialFolder::ApplicationExecutable();
  EXPECT_EQ(exe.Name(), "test_files");
  EXPECT_TRUE(exe.Exists());
}

}  // namespace
