#include "framework/fw_attempt.h"

#include <exception>
#include <new>
#include <system_error>

namespace fw {

std::optional<std::string> Attempt(const std::function<void()>& work) {
  try {
    work();
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::make_error_code(std::errc::not_enough_memory).message();
  } catch (const std::system_error& e) {
    return e.code().message();
  } catch (const std::exception& e) {
    return std::string(e.what());
  } catch (...) {
    return std::string("unknown error");
  }
}

}  // namespace fw
