#pragma once
// The signals that reach a desktop program from outside; framework-internal.
#include <signal.h>

#include <memory>

class QSocketNotifier;

namespace fw {

// While it lives: SIGTERM (the session's end, a shutdown), SIGHUP (the
// terminal or the session going away) and SIGINT (Ctrl+C) close the program
// as Quit does, so that its data is saved as at any quit; SIGXFSZ is ignored,
// so that a write past the file-size limit fails with its error, which the
// program can report, instead of ending the process. A signal handler may do
// next to nothing safely: it only writes to a pipe, and the event loop reads
// the pipe and quits (the way Qt's documentation gives for Unix signals).
// Needs the toolkit running; restores the previous handling when destroyed.
class ProcessSignals {
 public:
  ProcessSignals();
  ~ProcessSignals();
  ProcessSignals(const ProcessSignals&) = delete;
  ProcessSignals& operator=(const ProcessSignals&) = delete;

 private:
  static constexpr int kQuitSignals[] = {SIGTERM, SIGHUP, SIGINT};
  static constexpr int kCount = sizeof kQuitSignals / sizeof kQuitSignals[0];

  int readEnd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  struct sigaction previous_[kCount] = {};
  struct sigaction previousFileSize_ = {};
};

}  // namespace fw
