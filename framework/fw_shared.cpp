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

void RemoveShared(const void* object) {
  // By the object alone: a window's destructor no longer knows its own class.
  for (auto it = Registry().begin(); it != Registry().end(); ++it) {
    if (it->second.object == object) {
      Registry().erase(it);
      return;
    }
  }
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
