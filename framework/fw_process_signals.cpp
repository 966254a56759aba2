#include "framework/fw_process_signals_p.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

#include "framework/fw_application.h"

namespace fw {
namespace {

// The pipe's write end, for the handler; -1 while no ProcessSignals lives.
volatile sig_atomic_t signalPipe = -1;

void OnQuitSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // Non-blocking: a pipe already full holds a quit to come anyway.
  [[maybe_unused]] ssize_t written = write(signalPipe, &byte, 1);
  errno = savedErrno;
}

}  // namespace

ProcessSignals::ProcessSignals() {
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &previousFileSize_);

  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep their default
  readEnd_ = fds[0];
  signalPipe = fds[1];
  notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char buffer[64];
    while (read(readEnd_, buffer, sizeof buffer) > 0) {
    }
    Quit();
  });

  struct sigaction quit = {};
  quit.sa_handler = OnQuitSignal;
  sigemptyset(&quit.sa_mask);
  quit.sa_flags = SA_RESTART;
  for (int i = 0; i < kCount; ++i) sigaction(kQuitSignals[i], &quit, &previous_[i]);
}

ProcessSignals::~ProcessSignals() {
  sigaction(SIGXFSZ, &previousFileSize_, nullptr);
  if (readEnd_ < 0) return;
  for (int i = 0; i < kCount; ++i) sigaction(kQuitSignals[i], &previous_[i], nullptr);
  notifier_.reset();
  close(signalPipe);
  signalPipe = -1;
  close(readEnd_);
}

}  // namespace fw
