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

// Runs checks as the user "nobody" when the test runs as root: in a child
// that first hands the folders to nobody (so that only the files' own
// permissions stand in the way) and then drops its privileges. Failed
// expectations in the child are printed there and fail the test here. Not
// root: runs checks in this process as they are.
void RunAsNobody(const std::vector<std::filesystem::path>& folders, const std::function<void()>& checks);

}  // namespace kavro::testing
