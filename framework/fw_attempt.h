#pragma once
// Work whose failure the program tells the user about in its own words, such
// as reading or saving the store: an error that escapes it, memory running
// out among them, becomes the reason to show instead of reaching the
// unhandled-error report.
#include <functional>
#include <optional>
#include <string>

namespace fw {

// Nothing when work returned; else why it did not, in the system's words
// where it has any ("Cannot allocate memory").
std::optional<std::string> Attempt(const std::function<void()>& work);

}  // namespace fw
