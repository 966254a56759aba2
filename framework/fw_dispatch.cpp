#include "framework/fw_dispatch.h"

#include <QCoreApplication>
#include <cstdio>
#include <deque>
#include <exception>

#include "framework/fw_dialogs.h"

namespace fw {
namespace {

int handlerDepth = 0;
std::deque<std::function<void()>> pendingWork;

void RunPendingWork() {
  while (!pendingWork.empty()) {
    auto work = std::move(pendingWork.front());
    pendingWork.pop_front();
    Dispatch(work);
  }
}

}  // namespace

void ReportUnhandledException(const std::string& what) {
  if (QCoreApplication::instance() == nullptr) {
    // Before or after the toolkit runs there is no window to show it in.
    std::fprintf(stderr, "kavro2: unhandled error: %s\n", what.c_str());
    return;
  }
  MsgBox(std::string("An error occurred that the program did not handle:\r") + what, 16, "");
}

bool Dispatch(const std::function<void()>& handler) {
  bool returned = false;
  ++handlerDepth;
  try {
    handler();
    returned = true;
  } catch (const std::exception& e) {
    ReportUnhandledException(e.what());
  } catch (...) {
    ReportUnhandledException("unknown error");
  }
  --handlerDepth;
  if (handlerDepth == 0) RunPendingWork();
  return returned;
}

void AfterCurrentHandler(std::function<void()> work) {
  if (handlerDepth == 0) {
    Dispatch(work);
    return;
  }
  pendingWork.push_back(std::move(work));
}

bool InHandler() { return handlerDepth > 0; }

}  // namespace fw
