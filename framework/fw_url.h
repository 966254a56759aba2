#pragma once
#include <string>

namespace fw {

// Hands the address to the system's handler for it (web browser, mail program).
void ShowURL(const std::string& url);

}  // namespace fw
