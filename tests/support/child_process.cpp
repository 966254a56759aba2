#include "support/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace kavro::testing {
namespace {

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

// Everything readable now, without waiting for more.
void Drain(int fd, std::string& into) {
  char buffer[4096];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) into.append(buffer, static_cast<size_t>(n));
}

}  // namespace

std::string ChildOutcome::Describe() const {
  std::string how = hung ? "hung and was killed" : exited ? "exited with status " + std::to_string(status)
                                                          : "was ended by a signal";
  return "the child " + how + "; its report:\n" + report;
}

ChildOutcome RunInChild(const std::function<int(std::string& report)>& body, std::chrono::seconds limit) {
  ChildOutcome outcome;
  int fds[2];
  if (pipe(fds) != 0) {
    outcome.report = std::string("no pipe: ") + std::strerror(errno);
    return outcome;
  }
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    std::string report;
    int status = body(report);
    WriteAll(fds[1], report);
    std::fflush(nullptr);
    _exit(status);
  }
  close(fds[1]);
  // Read while waiting, so that a long report cannot block the child.
  fcntl(fds[0], F_SETFL, O_NONBLOCK);
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int wstatus = 0;
  while (waitpid(pid, &wstatus, WNOHANG) == 0) {
    Drain(fds[0], outcome.report);
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &wstatus, 0);
      outcome.hung = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Drain(fds[0], outcome.report);
  close(fds[0]);
  outcome.exited = !outcome.hung && WIFEXITED(wstatus);
  if (outcome.exited) outcome.status = WEXITSTATUS(wstatus);
  return outcome;
}

BackgroundChild::BackgroundChild(const std::function<void()>& body, std::chrono::seconds limit) {
  int fds[2];
  if (pipe(fds) != 0) return;
  std::fflush(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    body();
    WriteAll(fds[1], "r");
    std::fflush(nullptr);
    for (;;) pause();
  }
  close(fds[1]);
  if (pid_ > 0) {
    pollfd ready{fds[0], POLLIN, 0};
    const int ms = static_cast<int>(std::chrono::milliseconds(limit).count());
    char byte = 0;
    ready_ = poll(&ready, 1, ms) == 1 && read(fds[0], &byte, 1) == 1;
  }
  close(fds[0]);
}

BackgroundChild::~BackgroundChild() { Kill(); }

void BackgroundChild::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
  ready_ = false;
}

void RunAsNobody(const std::vector<std::filesystem::path>& folders, const std::function<void()>& checks) {
  if (geteuid() != 0) {
    checks();
    return;
  }
  const passwd* nobody = getpwnam("nobody");
  ASSERT_NE(nobody, nullptr) << "no user nobody to drop root privileges to";
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  ChildOutcome outcome = RunInChild([&](std::string& report) {
    for (const auto& folder : folders) {
      if (chown(folder.c_str(), uid, gid) != 0) {
        report = "cannot hand " + folder.string() + " to nobody: " + std::strerror(errno);
        return 2;
      }
    }
    if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
      report = std::string("cannot become nobody: ") + std::strerror(errno);
      return 2;
    }
    checks();
    return ::testing::Test::HasFailure() ? 1 : 0;
  });
  EXPECT_TRUE(outcome.exited && outcome.status == 0)
      << "the checks run as nobody failed (their failures are printed above); " << outcome.Describe();
}

}  // namespace kavro::testing
