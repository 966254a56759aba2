#include "controls/typeaheadlistbox.h"

#include "controls/prefixmatch.h"
#include "controls/ticks.h"
#include "framework/fw_clock.h"
#include "framework/fw_strings.h"
#include "framework/fw_yield.h"

namespace {
constexpr int32_t kPrefixWindowTicks = 30;
constexpr int kUpArrow = 30;
constexpr int kDownArrow = 31;
}  // namespace

TypeAheadListBox::TypeAheadListBox(fw::Window& window, const std::string& name)
    : fw::Listbox(window, name) {}

bool TypeAheadListBox::Event_KeyDown(const std::string& key) {
  // The arrows move the selection as in any list and leave the prefix alone.
  const int code = fw::Asc(key);
  if (code == kDownArrow || code == kUpArrow) return false;

  if (TicksBetween(lastKeyPressedAt, fw::Ticks()) < kPrefixWindowTicks) lastKeyPressed = lastKeyPressed + key;
  else lastKeyPressed = key;
  lastKeyPressedAt = fw::Ticks();

  // Assigning the selection makes it this key's answer: the list's own
  // handling of the key (Space, Home, End) cannot bring a row back.
  ListIndex(-1);
  SelectFirstRowStartingWith(lastKeyPressed);
  return false;
}

void TypeAheadListBox::SelectFirstRowStartingWith(const std::string& prefix) {
  const PrefixMatch startsWithPrefix(prefix);
  for (int i = 0; i <= ListCount() - 1; ++i) {
    if (startsWithPrefix.Matches(List(i))) {
      ListIndex(i);
      return;
    }
    fw::CooperativeYield();
  }
}
