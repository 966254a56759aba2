// A store file that is no regular file (a FIFO left where Kavro2.prefs or
// Kavro2.data belongs): opening one for reading would wait for a writer that
// never comes, before any window or after the password. The run instead says
// which file it cannot read and why, and ends without writing either file.
// Each run goes in a child, so that a hang fails the test rather than the suite.
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "framework/fw_application.h"
#include "support/child_process.h"
#include "support/program_fixture.h"

namespace {

namespace fs = std::filesystem;
using kavro::testing::ChildOutcome;

const std::string kPrefs = "30\t40\t700\t500\r250\rname\tno\tyes\rczNjcmV0\r";  // master password s3cret
const std::string kData = "Bank\tYWxpY2U=\tczNjcmV0\thttps://bank.example\t\r";

class StoreSpecialFileTest : public kavro::testing::ProgramTest {};

TEST_F(StoreSpecialFileTest, AFifoForEitherStoreFileEndsTheRunAtOnceWithoutWritingEither) {
  struct Case {
    const char* file;
    bool promptFirst;  // the data file is read only once the password is given
  };
  for (const Case& c : {Case{"Kavro2.prefs", false}, Case{"Kavro2.data", true}}) {
    SCOPED_TRACE(c.file);
    fs::remove_all(PreferencesDir());
    fs::create_directories(PreferencesDir());
    const fs::path fifo = PreferencesDir() / c.file;
    const fs::path other = fifo == PrefsFile() ? DataFile() : PrefsFile();
    const std::string otherBytes = other == PrefsFile() ? kPrefs : kData;
    WriteBytes(other, otherBytes);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    ChildOutcome run = kavro::testing::RunInChild(
        [&](std::string& report) {
          StartProgram();
          if (PromptIsOpen()) {
            report += "prompt\n";
            EnterPassword("s3cret");
          }
          for (const std::string& text : dialogs.Texts()) report += "message: " + text + "\n";
          report += fw::HasQuit() ? "quit\n" : "running\n";
          return fw::ExitStatus();
        },
        std::chrono::seconds(20));

    ASSERT_TRUE(run.exited) << run.Describe();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.report, std::string(c.promptFirst ? "prompt\n" : "") + "message: Kavro cannot read the file \"" +
                              fifo.string() + "\": Not a regular file.\r\r" +
                              "Kavro will quit now and leave the file as it is.\nquit\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(ReadBytes(other), otherBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(PreferencesDir()), fs::directory_iterator()), 2);
  }
}

}  // namespace
