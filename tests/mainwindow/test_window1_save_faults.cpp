// Store files that cannot be read when the main window opens, and saves that
// fail when it closes: a folder in the file's place, a folder without write
// permission, a full disk, a process killed while writing. The previous files
// must stay whole, the user must be told which file and why, and after a
// failed save the user chooses between staying and quitting without saving.
//
// Faults that root does not meet (permissions) or that would end the test
// process (file size limits, kills) run in a forked child: it closes the
// window that the parent opened and reports what it saw through a pipe.
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "app/app.h"
#include "framework/fw_application.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "framework/fw_textstreams.h"
#include "mainwindow/window1.h"
#include "support/started_test.h"

namespace {

using kavro::testing::StartedTest;
namespace fs = std::filesystem;

const std::string kPrefs = "30\t40\t700\t500\r250\rname\tno\tyes\rczNjcmV0\r";
const std::string kData =
    "Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\tfirst line^second line\r"
    "Mail\tYm9i\tcGFzcw==\thttps://mail.example\t\r";

// The answers to the question after a failed save.
constexpr int kStay = fw::AnswerYes;
constexpr int kQuit = fw::AnswerNo;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Root writes anywhere: a child drops to the user nobody, so that the folder's
// permissions stop it as they stop any user.
struct Nobody {
  uid_t uid = 0;
  gid_t gid = 0;
};

Nobody FindNobody() {
  const passwd* pw = getpwnam("nobody");
  return pw ? Nobody{pw->pw_uid, pw->pw_gid} : Nobody{65534, 65534};
}

// What the child saw, one fact per line.
struct ChildReport {
  int status = 0;  // as waitpid gives it
  std::string text;
};

class SaveFaultTest : public StartedTest {
 protected:
  // The store of an earlier run, opened after the master password was accepted.
  Window1& OpenStore(const std::string& prefs = kPrefs, const std::string& data = kData) {
    WriteBytes(PrefsFile(), prefs);
    WriteBytes(DataFile(), data);
    fw::Shared<App>().flag = "true";
    Window1& w = fw::Shared<Window1>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.TopLevelWidget()));
    return w;
  }

  // The files and their folder belong to the child's user (nobody, when the
  // test runs as root), who may pass through the temporary folders but not
  // write in the Preferences folder until it lifts the fault itself.
  void WriteProtectPreferences(const Nobody& nobody);

  // Closes the main window in a child running as nobody in the write-protected
  // Preferences folder, with the answer given; retry, when set, lifts the
  // fault before a second close. The folder is writable again afterwards.
  ChildReport CloseWithoutWritePermission(Window1& w, int answer, std::function<void()> retry = nullptr);

  void ExpectFilesUnchanged(const std::string& prefs = kPrefs, const std::string& data = kData) {
    EXPECT_EQ(ReadBytes(PrefsFile()), prefs);
    EXPECT_EQ(ReadBytes(DataFile()), data);
    // No temporary file of an abandoned save is left beside them.
    for (const auto& entry : fs::directory_iterator(PreferencesDir()))
      EXPECT_TRUE(entry.path() == PrefsFile() || entry.path() == DataFile()) << entry.path();
  }
};

// --- Reading -----------------------------------------------------------------

TEST_F(SaveFaultTest, AStoreFileThatIsAFolderEndsTheRunWithoutWritingEither) {
  for (const char* unreadable : {"Kavro2.prefs", "Kavro2.data"}) {
    SCOPED_TRACE(unreadable);
    fs::remove_all(PreferencesDir());
    fs::create_directories(PreferencesDir());
    const fs::path folder = PreferencesDir() / unreadable;
    const fs::path other = folder == PrefsFile() ? DataFile() : PrefsFile();
    fs::create_directory(folder);
    WriteBytes(other, other == PrefsFile() ? kPrefs : kData);
    // The worst case: the run was already unlocked.
    fw::Shared<App>().flag = "true";

    fw::Shared<Window1>();
    ProcessEvents();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& text = dialogs.messages[0].text;
    EXPECT_TRUE(Contains(text, "cannot read the file \"" + folder.string() + "\": Is a directory.")) << text;
    EXPECT_TRUE(fw::Shared<App>().storeUnreadable);
    EXPECT_TRUE(fw::HasQuit());
    EXPECT_EQ(fw::ExitStatus(), 1);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ReadBytes(other), other == PrefsFile() ? kPrefs : kData);
    EXPECT_EQ(std::distance(fs::directory_iterator(PreferencesDir()), fs::directory_iterator()), 2);

    dialogs.messages.clear();
    NextRun();
  }
}

// Memory running out (or any other error) part-way through a file: the stream
// fault throws std::bad_alloc at the given line of the file, or at the given
// write to it.
void FailAt(const fs::path& failing, int step) {
  auto steps = std::make_shared<std::map<fs::path, int>>();
  fw::testing::SetStreamFault([=](const fs::path& file) {
    if (file == failing && ++(*steps)[file] == step) throw std::bad_alloc();
  });
}

// What the system says when memory runs out.
const std::string kNoMemory = std::make_error_code(std::errc::not_enough_memory).message();

TEST_F(SaveFaultTest, ALoadThatEndsEarlyEndsTheRunWithoutWritingEither) {
  struct Case {
    const char* name;
    bool prefsFile;  // else the data file
    int line;
  };
  const Case cases[] = {{"preferences file, first line", true, 1},
                        {"preferences file, last line", true, 4},
                        {"data file, first line", false, 1},
                        {"data file, part-way", false, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path failing = c.prefsFile ? PrefsFile() : DataFile();
    WriteBytes(PrefsFile(), kPrefs);
    WriteBytes(DataFile(), kData);
    FailAt(failing, c.line);
    fw::Shared<App>().flag = "true";

    fw::Shared<Window1>();
    ProcessEvents();
    // Whatever stayed open closes as a user would close it.
    if (!fw::HasQuit() && fw::SharedExists<Window1>()) fw::Shared<Window1>().TopLevelWidget()->close();
    ProcessEvents();

    ASSERT_GE(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Kavro cannot read the file \"" + failing.string() + "\": " + kNoMemory +
                                            ".\r\rKavro will quit now and leave the file as it is.");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(fw::HasQuit());
    EXPECT_EQ(fw::ExitStatus(), 1);
    ExpectFilesUnchanged();

    dialogs.messages.clear();
    NextRun();
  }
}

// --- A failed save, in this process: a folder has taken the data file's
// place since the window opened, which stops root as well. --------------------

TEST_F(SaveFaultTest, AfterAFailedSaveTheUserStaysWithEveryEntryOrQuitsWithoutSaving) {
  struct Case {
    const char* how;  // "close box" or "Quit"
    int answer;
  };
  const Case cases[] = {{"close box", kStay}, {"Quit", kStay}, {"close box", kQuit}, {"Quit", kQuit}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.how) + (c.answer == kStay ? ", stay" : ", quit"));
    fs::remove_all(PreferencesDir());
    fs::create_directories(PreferencesDir());
    Window1& w = OpenStore();
    w.ListBox1->AddRow("Added in this run");
    fs::remove(DataFile());
    fs::create_directory(DataFile());
    dialogs.answers = {c.answer};

    if (std::string(c.how) == "Quit") fw::Quit();
    else w.TopLevelWidget()->close();
    ProcessEvents();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& text = dialogs.messages[0].text;
    // The reason is the system's own wording.
    const std::string question =
        ".\r\rThe file keeps what it held before.\r\r"
        "Do you want to stay in Kavro? Your entries stay open, so that you can try again once the problem "
        "is solved, or export them. Choose No to quit anyway and lose what could not be saved.";
    EXPECT_EQ(text.rfind("Kavro cannot save the file \"" + DataFile().string() + "\": ", 0), 0u) << text;
    EXPECT_TRUE(text.size() > question.size() && text.substr(text.size() - question.size()) == question) << text;
    EXPECT_EQ(dialogs.messages[0].buttons & 0x0F, fw::MsgBoxYesNo);
    EXPECT_EQ(ReadBytes(PrefsFile()), kPrefs);
    EXPECT_TRUE(fs::is_directory(DataFile()));
    if (c.answer == kStay) {
      EXPECT_FALSE(fw::HasQuit());
      EXPECT_FALSE(fw::QuitInProgress());
      ASSERT_TRUE(fw::SharedExists<Window1>());
      EXPECT_TRUE(w.IsShown());
      ASSERT_EQ(w.ListBox1->ListCount(), 3);
      EXPECT_EQ(w.ListBox1->List(2), "Added in this run");

      // Once the folder is out of the way, the next close saves everything.
      fs::remove(DataFile());
      w.TopLevelWidget()->close();
      ProcessEvents();
      EXPECT_TRUE(fw::HasQuit());
      EXPECT_EQ(fw::ExitStatus(), 0);
      EXPECT_EQ(ReadBytes(DataFile()), kData + "Added in this run\t\t\t\t\r");
    } else {
      EXPECT_TRUE(fw::HasQuit());
      EXPECT_EQ(fw::ExitStatus(), 1);
      EXPECT_FALSE(fw::SharedExists<Window1>());
    }
    dialogs.messages.clear();
    NextRun();
  }
}

// An error while a file is written (memory running out while the data file
// is built from a million entries) is a failed save like any other.
TEST_F(SaveFaultTest, ASaveThatThrowsAsksWhetherToStay) {
  struct Case {
    const char* name;
    bool prefsFile;  // else the data file
    int answer;
  };
  const Case cases[] = {{"data file, stay", false, kStay}, {"preferences file, quit", true, kQuit}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(PreferencesDir());
    fs::create_directories(PreferencesDir());
    Window1& w = OpenStore();
    w.ListBox1->AddRow("Added in this run");
    const fs::path failing = c.prefsFile ? PrefsFile() : DataFile();
    FailAt(failing, 1);
    dialogs.answers = {c.answer};

    w.TopLevelWidget()->close();
    ProcessEvents();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& text = dialogs.messages[0].text;
    EXPECT_EQ(text.rfind("Kavro cannot save the file \"" + failing.string() + "\": " + kNoMemory + ".\r\r", 0), 0u)
        << text;
    EXPECT_TRUE(Contains(text, "Do you want to stay in Kavro?")) << text;
    EXPECT_EQ(dialogs.messages[0].buttons & 0x0F, fw::MsgBoxYesNo);
    // The data file is put in place before the preferences file is written.
    ExpectFilesUnchanged(kPrefs, c.prefsFile ? kData + "Added in this run\t\t\t\t\r" : kData);
    if (c.answer == kStay) {
      EXPECT_FALSE(fw::HasQuit());
      ASSERT_TRUE(fw::SharedExists<Window1>());
      EXPECT_TRUE(w.IsShown());
      EXPECT_EQ(w.ListBox1->ListCount(), 3);
    } else {
      EXPECT_TRUE(fw::HasQuit());
      EXPECT_EQ(fw::ExitStatus(), 1);
    }
    dialogs.messages.clear();
    NextRun();
  }
}

TEST_F(SaveFaultTest, APreferencesFolderRemovedDuringTheRunIsMadeAgain) {
  Window1& w = OpenStore();
  fs::remove_all(PreferencesDir());
  w.TopLevelWidget()->close();
  ProcessEvents();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(fw::HasQuit());
  EXPECT_EQ(ReadBytes(DataFile()), kData);
  EXPECT_TRUE(Contains(ReadBytes(PrefsFile()), "\rname\tno\tyes\rczNjcmV0\r"));
}

// --- Faults in a child process --------------------------------------------------

// Runs fault (privileges, limits), then closes the main window in a forked
// child with the answers given; the child reports the messages shown and the
// state after the close, then runs again (a second close) when retry is set.
class ChildClose {
 public:
  std::function<void()> fault;
  std::function<void()> retry;  // lifts the fault before a second close
  std::vector<int> answers;

  ChildReport Run(Window1& w, kavro::testing::ScriptedDialogs& dialogs) const {
    int fds[2];
    if (pipe(fds) != 0) return {-1, std::strerror(errno)};
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
      close(fds[0]);
      std::string report = InChild(w, dialogs);
      WriteAll(fds[1], report);
      _exit(0);
    }
    close(fds[1]);
    ChildReport result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) result.text.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    waitpid(pid, &result.status, 0);
    return result;
  }

 private:
  std::string InChild(Window1& w, kavro::testing::ScriptedDialogs& dialogs) const {
    if (fault) fault();
    dialogs.answers.assign(answers.begin(), answers.end());
    std::ostringstream report;
    auto closeAndReport = [&] {
      dialogs.messages.clear();
      w.TopLevelWidget()->close();
      for (const auto& m : dialogs.messages) report << "message " << m.text << "\n";
      report << "quit " << fw::HasQuit() << "\n" << "exit " << fw::ExitStatus() << "\n";
      if (!fw::HasQuit()) report << "rows " << w.ListBox1->ListCount() << "\n";
    };
    closeAndReport();
    if (retry && !fw::HasQuit()) {
      retry();
      closeAndReport();
    }
    return report.str();
  }

  static void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
      ssize_t n = write(fd, text.data() + done, text.size() - done);
      if (n <= 0) return;
      done += static_cast<size_t>(n);
    }
  }
};

void SaveFaultTest::WriteProtectPreferences(const Nobody& nobody) {
  ASSERT_EQ(::chmod(PreferencesDir().parent_path().c_str(), 0711), 0);
  if (geteuid() == 0) {
    for (const fs::path& item : {PreferencesDir(), PrefsFile(), DataFile()})
      ASSERT_EQ(::chown(item.c_str(), nobody.uid, nobody.gid), 0) << item;
  }
  ASSERT_EQ(::chmod(PreferencesDir().c_str(), 0555), 0);
}

void DropRootPrivileges(const Nobody& nobody) {
  if (geteuid() != 0) return;
  if (setgroups(0, nullptr) != 0 || setgid(nobody.gid) != 0 || setuid(nobody.uid) != 0) _exit(90);
}

void LimitFileSize(rlim_t bytes, bool ignoreSignal) {
  signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
  rlimit core{0, 0};
  setrlimit(RLIMIT_CORE, &core);
  rlimit size{};
  getrlimit(RLIMIT_FSIZE, &size);
  size.rlim_cur = bytes;
  if (setrlimit(RLIMIT_FSIZE, &size) != 0) _exit(91);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

ChildReport SaveFaultTest::CloseWithoutWritePermission(Window1& w, int answer, std::function<void()> retry) {
  const Nobody nobody = FindNobody();
  WriteProtectPreferences(nobody);
  if (HasFatalFailure()) return {-1, "the Preferences folder could not be write-protected"};

  ChildClose child;
  child.answers = {answer};
  child.fault = [nobody] { DropRootPrivileges(nobody); };
  child.retry = std::move(retry);
  ChildReport report = child.Run(w, dialogs);
  ::chmod(PreferencesDir().c_str(), 0755);
  return report;
}

TEST_F(SaveFaultTest, AFolderWithoutWritePermissionKeepsBothFilesAndTheUserCanRetry) {
  Window1& w = OpenStore();
  w.ListBox1->AddRow("Added in this run");
  ChildReport report = CloseWithoutWritePermission(w, kStay, [this] { ::chmod(PreferencesDir().c_str(), 0755); });

  ASSERT_TRUE(WIFEXITED(report.status) && WEXITSTATUS(report.status) == 0) << report.status;
  std::vector<std::string> lines = Lines(report.text);
  ASSERT_GE(lines.size(), 4u) << report.text;
  EXPECT_TRUE(Contains(lines[0], "message Kavro cannot save the file \"" + DataFile().string() + "\": ")) << lines[0];
  EXPECT_TRUE(Contains(lines[0], "\": Permission denied.")) << lines[0];
  // Stayed with every entry, then saved once the folder was writable again.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
            (std::vector<std::string>{"quit 0", "exit 0", "rows 3", "quit 1", "exit 0"}))
      << report.text;
  EXPECT_EQ(ReadBytes(DataFile()), kData + "Added in this run\t\t\t\t\r");
  EXPECT_TRUE(Contains(ReadBytes(PrefsFile()), "\rname\tno\tyes\rczNjcmV0\r"));
}

TEST_F(SaveFaultTest, AFolderWithoutWritePermissionAndQuitWithoutSavingKeepsBothFiles) {
  Window1& w = OpenStore();
  w.ListBox1->AddRow("Added in this run");
  ChildReport report = CloseWithoutWritePermission(w, kQuit);

  ASSERT_TRUE(WIFEXITED(report.status) && WEXITSTATUS(report.status) == 0) << report.status;
  std::vector<std::string> lines = Lines(report.text);
  ASSERT_EQ(lines.size(), 3u) << report.text;
  EXPECT_TRUE(Contains(lines[0], "Kavro2.data\": Permission denied.")) << lines[0];
  EXPECT_EQ(lines[1], "quit 1");
  EXPECT_EQ(lines[2], "exit 1");
  ExpectFilesUnchanged();
}

// A full disk, as a limit on the size of the files the child writes (SIGXFSZ
// ignored, so that the write fails instead of ending the process).
TEST_F(SaveFaultTest, AFullDiskKeepsThePreviousFiles) {
  struct Case {
    const char* name;
    bool emptyTheList;
    const char* failing;  // the file named in the message
    std::string data;     // the data file afterwards
  };
  const Case cases[] = {
      {"data file too big", false, "Kavro2.data", kData},
      // An emptied list fits and its data file is put in place; a master
      // password of 200 bytes makes the preferences file outgrow the limit,
      // and it keeps its old contents.
      {"preferences file too big", true, "Kavro2.prefs", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(PreferencesDir());
    fs::create_directories(PreferencesDir());
    Window1& w = OpenStore();
    if (c.emptyTheList) {
      w.ListBox1->DeleteAllRows();
      fw::Shared<App>().pswd = std::string(200, 'p');
    } else {
      w.ListBox1->AddRow("Added in this run");
    }

    ChildClose child;
    child.answers = {kQuit};
    child.fault = [] { LimitFileSize(100, true); };
    ChildReport report = child.Run(w, dialogs);

    ASSERT_TRUE(WIFEXITED(report.status) && WEXITSTATUS(report.status) == 0) << report.status;
    const std::string failing = (PreferencesDir() / c.failing).string();
    std::vector<std::string> lines = Lines(report.text);
    ASSERT_EQ(lines.size(), 3u) << report.text;
    EXPECT_TRUE(Contains(lines[0], "message Kavro cannot save the file \"" + failing + "\": File too large."))
        << lines[0];
    EXPECT_EQ(lines[1], "quit 1");
    EXPECT_EQ(lines[2], "exit 1");
    ExpectFilesUnchanged(kPrefs, c.data);
    NextRun();
  }
}

// Killed in the middle of writing: past the size limit with SIGXFSZ at its
// default (the program's own run ignores it; this test does not start that
// run), the kernel ends the process inside the write of the data file.
TEST_F(SaveFaultTest, AProcessKilledWhileWritingLeavesThePreviousFiles) {
  Window1& w = OpenStore();
  w.ListBox1->AddRow("Added in this run");

  ChildClose child;
  child.fault = [] { LimitFileSize(100, false); };
  ChildReport report = child.Run(w, dialogs);

  ASSERT_TRUE(WIFSIGNALED(report.status)) << report.status << " " << report.text;
  EXPECT_EQ(WTERMSIG(report.status), SIGXFSZ);
  EXPECT_EQ(report.text, "");
  EXPECT_EQ(ReadBytes(PrefsFile()), kPrefs);
  EXPECT_EQ(ReadBytes(DataFile()), kData);
}

// Killed at an arbitrary moment of a long save: each file is either the old
// one or the complete new one, never a part.
TEST_F(SaveFaultTest, AProcessKilledAtAnyMomentOfASaveLeavesWholeFiles) {
  std::string data;
  for (int i = 0; i < 20000; ++i)
    data += "Entry " + std::to_string(i) + "\tdXNlcg==\tcGFzc3dvcmQ=\thttps://example.org/" + std::to_string(i) +
            "\tnote^more\r";
  Window1& w = OpenStore(kPrefs, data);
  w.ListBox1->AddRow("Added in this run");
  const std::string newData = data + "Added in this run\t\t\t\t\r";

  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    w.TopLevelWidget()->close();
    _exit(0);
  }
  // Kill the child as soon as it holds a file open in the Preferences folder:
  // the save is under way.
  const fs::path openFiles = "/proc/" + std::to_string(pid) + "/fd";
  bool killed = false, ended = false;
  const auto start = std::chrono::steady_clock::now();
  while (!killed && !ended && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
    std::error_code error;
    for (const auto& fd : fs::directory_iterator(openFiles, error)) {
      std::string target = fs::read_symlink(fd.path(), error).string();
      if (!error && target.rfind(PreferencesDir().string() + "/", 0) == 0) {
        killed = ::kill(pid, SIGKILL) == 0;
        break;
      }
    }
    ended = waitpid(pid, nullptr, WNOHANG) == pid;
  }
  if (!ended) waitpid(pid, nullptr, 0);

  std::string dataAfter = ReadBytes(DataFile()), prefsAfter = ReadBytes(PrefsFile());
  EXPECT_TRUE(dataAfter == data || dataAfter == newData) << dataAfter.size() << " bytes";
  // The preferences file is never saved ahead of the data.
  if (dataAfter == data) {
    EXPECT_EQ(prefsAfter, kPrefs);
  }
  EXPECT_TRUE(prefsAfter == kPrefs || Contains(prefsAfter, "\rname\tno\tyes\rczNjcmV0\r")) << prefsAfter;
  RecordProperty("killed during the save", killed ? "yes" : "no (the save was done first)");
}

}  // namespace
