#pragma once
// Every event reaches program code through Dispatch: an exception never crosses
// into the toolkit. It is shown in the unhandled-error report and the run goes on,
// so that the store in memory can still be saved at close.
#include <functional>
#include <string>

namespace fw {

// Answers whether the handler returned; false when an exception escaped it
// (and was reported).
bool Dispatch(const std::function<void()>& handler);

// For events that answer a value: the fallback stands when the handler throws.
template <class R, class F>
R DispatchWithResult(F&& handler, R fallback) {
  R result = fallback;
  Dispatch([&] { result = handler(); });
  return result;
}

// Shows the unhandled-error report for an error that escaped a handler.
void ReportUnhandledException(const std::string& what);

// Work that must wait until the running handler has returned (closing a window,
// quitting). Runs at once when no handler is running.
void AfterCurrentHandler(std::function<void()> work);

// True while a handler dispatched through Dispatch is running.
bool InHandler();

}  // namespace fw
