#pragma once
// Running part of a test in a forked copy of the test process: for a run that
// must end by itself (and might hang instead), and for checks that must not
// run as root, for whom permission bits stop nothing.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavro::testing {

struct ChildOutcome {
  bool exited = false;    // ended by itself, not by a signal
  int status = -1;        // its exit status, when it exited
  bool hung = false;      // still running at the limit, and killed
  std::string report;     // what the child put in its report
  std::string Describe() const;
};

// Runs body in a forked child; its answer is the child's exit status, and
// what it appends to report comes back in the outcome. A child still running
// after limit is killed: a hang fails the test instead of stalling it.
ChildOutcome RunInChild(const std::function<int(std::string& report)>& body,
                        std::chrono::seconds limit = std::chrono::seconds(60));

// A forked copy of the test process that runs body and then stays, as a
// program left running would, until it is killed: for what a second process
// meets while the first one runs. The object kills it when it goes.
class BackgroundChild {
 public:
  // Returns once body has returned in the child, or after limit.
  explicit BackgroundChild(const std::function<void()>& body,
                           std::chrono::seconds limit = std::chrono::seconds(60));
  ~BackgroundChild();
  BackgroundChild(const BackgroundChild&) = delete;
  BackgroundChild& operator=(const BackgroundChild&) = delete;

  // Whether body returned and the child waits.
  bool Ready() const { return ready_; }
  // Ends the child as a crash would (SIGKILL) and waits until it is gone.
  void Kill();

 private:
  int pid_ = -1;
  bool ready_ = false;
};

// Runs checks as the user "nobody" when the test runs as root: in a child
// that first hands the folders to nobody (so that only the files' own
// permissions stand in the way) and then drops its privileges. Failed
// expectations in the child are printed there and fail the test here. Not
// root: runs checks in this process as they are.
void RunAsNobody(const std::vector<std::filesystem::path>& folders, const std::function<void()>& checks);

}  // namespace kavro::testing
