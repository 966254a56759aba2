#pragma once
#include <cstdint>
#include <string>

#include "framework/fw_listbox.h"

namespace fw {
class Window;
}  // namespace fw

// A list box that selects as the user types: keys that follow each other
// within half a second build a prefix, and the first row whose first column
// begins with it, ignoring case, becomes the selection.
class TypeAheadListBox : public fw::Listbox {
 public:
  TypeAheadListBox(fw::Window& window, const std::string& name);

  // Ticks when the last key entered the prefix.
  int32_t lastKeyPressedAt = 0;
  // The prefix typed so far.
  std::string lastKeyPressed;

 protected:
  bool Event_KeyDown(const std::string& key) override;

 private:
  void SelectFirstRowStartingWith(const std::string& prefix);
};
