#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/fw_errors.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fw {

// A menu item; a menu is an item that other items are appended to. A Text of "-"
// makes a separator. Shortcuts are written "Cmd+Q": Cmd is the platform's command key.
class MenuItem {
 public:
  enum class Role { Normal, Quit, About, Preferences };

  MenuItem();
  explicit MenuItem(const std::string& text);
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void Name(const std::string& name) { name_ = name; }
  const std::string& Text() const { return text_; }
  void Text(const std::string& text);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void KeyboardShortcut(const std::string& shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void AutoEnable(bool value) { autoEnable_ = value; }
  bool Enabled() const;
  void Enabled(bool value);
  bool IsSeparator() const { return text_ == "-"; }
  Role ItemRole() const { return role_; }

  // Takes ownership of the item and appends it to this menu.
  void Append(std::unique_ptr<MenuItem> item);
  int Count() const { return static_cast<int>(children_.size()); }
  // The child at index; outside 0 to Count() - 1 the framework's out-of-bounds error.
  MenuItem* Item(int index) const;
  // The child of that Name; a missing name is the framework's nil-object
  // error (reported like any error of a handler), never a null item.
  MenuItem* Child(const std::string& name) const;
  MenuItem* ParentItem() const { return parent_; }

  // The toolkit's objects; for the framework and for tests.
  QAction* Action() const;
  QMenu* Menu() const { return menu_.get(); }

 protected:
  explicit MenuItem(Role role);

 private:
  void BecomeMenu();
  void Triggered();
  void ApplyText();

  Role role_ = Role::Normal;
  std::string name_, text_, shortcut_;
  bool autoEnable_ = true;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
  std::unique_ptr<QAction> action_;
  std::unique_ptr<QMenu> menu_;
  QAction* menuTitle_ = nullptr;  // owned by menu_
};

// The item whose own action is the framework's quit command.
class QuitMenuItem : public MenuItem {
 public:
  QuitMenuItem() : MenuItem(Role::Quit) {}
};
// The About command, shown in the platform's place for it.
class AppleMenuItem : public MenuItem {
 public:
  AppleMenuItem() : MenuItem(Role::About) {}
};
// The Preferences command, shown in the platform's place for it.
class PrefsMenuItem : public MenuItem {
 public:
  PrefsMenuItem() : MenuItem(Role::Preferences) {}
};

// The top-level menus; a window that shows the bar gets a toolkit menu bar of its own
// holding the same menus under titles of its own.
class MenuBar : public MenuItem {
 public:
  MenuBar() = default;
  // A new toolkit menu bar for a window, holding this bar's menus.
  QMenuBar* CreateWidget(QWidget* parent) const;
  // Sets the state of every automatically enabled item before a menu shows:
  // on, and the Edit commands after the focused text control.
  void PrepareForDisplay();
};

// The framework's editing commands by item name (EditUndo, EditCut, EditCopy,
// EditPaste, EditClear, EditSelectAll), acting on the focused text control.
// Answers false for any other name.
bool RunEditCommand(const std::string& itemName);
bool IsEditCommand(const std::string& itemName);
// Whether the editing command can act on the focused control now.
bool EditCommandAvailable(const std::string& itemName);

}  // namespace fw
