#pragma once
// One live instance per window class (and for the menu bar), created on first
// use. A window is registered before it builds itself, so that its own Open
// events already find it.
#include <functional>
#include <type_traits>
#include <typeindex>

#include "framework/fw_window.h"

namespace fw {

class Application;

namespace detail {
void* FindShared(std::type_index type);
// owned: the registry destroys the object at ReleaseSharedInstances (menu bars);
// windows destroy themselves when they close.
void AddShared(std::type_index type, void* object, std::function<void()> destroy);
// Forgets the object under whatever class it was registered (a window's
// destructor no longer knows its own class).
void RemoveShared(const void* object);
Application* RegisteredApplication();
}  // namespace detail

template <class T>
T& Shared() {
  if constexpr (std::is_base_of_v<Application, T>) {
    T* app = dynamic_cast<T*>(detail::RegisteredApplication());
    if (app == nullptr) throw NilObjectException("no application object");
    return *app;
  } else {
    if (void* found = detail::FindShared(typeid(T))) return *static_cast<T*>(found);
    T* created = new T();
    if constexpr (std::is_base_of_v<Window, T>) {
      detail::AddShared(typeid(T), created, nullptr);
      created->OpenWindow();
    } else {
      detail::AddShared(typeid(T), created, [created] { delete created; });
    }
    return *created;
  }
}

template <class T>
bool SharedExists() {
  return detail::FindShared(typeid(T)) != nullptr;
}

// The windows that are open now, in the order in which they were built.
std::vector<Window*> OpenWindows();

// Destroys the shared objects that the registry owns (the menu bar), as the
// program's end step does.
void ReleaseSharedInstances();

}  // namespace fw
