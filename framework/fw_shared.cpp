#include "framework/fw_shared.h"

#include <algorithm>
#include <map>

#include "framework/fw_application.h"

namespace fw {
namespace {

struct SharedEntry {
  void* object;
  std::function<void()> destroy;
};

std::map<std::type_index, SharedEntry>& Registry() {
  static std::map<std::type_index, SharedEntry> registry;
  return registry;
}

}  // namespace

namespace detail {

void* FindShared(std::type_index type) {
  auto it = Registry().find(type);
  return it == Registry().end() ? nullptr : it->second.object;
}

void AddShared(std::type_index type, void* object, std::function<void()> destroy) {
  Registry()[type] = SharedEntry{object, std::move(destroy)};
}

void RemoveShared(std::type_index type, const void* object) {
  auto it = Registry().find(type);
  if (it != Registry().end() && it->second.object == object) Registry().erase(it);
}

void RemoveShared(const void* object) {
  std::erase_if(Registry(), [object](const auto& entry) { return entry.second.object == object; });
}

Application* RegisteredApplication() { return TheApplication(); }

}  // namespace detail

void ReleaseSharedInstances() {
  std::vector<std::function<void()>> destroyers;
  for (auto it = Registry().begin(); it != Registry().end();) {
    if (it->second.destroy) {
      destroyers.push_back(std::move(it->second.destroy));
      it = Registry().erase(it);
    } else {
      ++it;
    }
  }
  for (auto& destroy : destroyers) destroy();
}

}  // namespace fw
