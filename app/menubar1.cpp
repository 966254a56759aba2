#include "app/menubar1.h"

#include <memory>

namespace {

// Builds one row of the menu bar: Name, AutoEnable, Text, shortcut, then the
// item goes to the bar (a menu) or to the menu of that name, looked up afresh.
template <class Item>
void AddItem(fw::MenuBar& bar, const char* menuName, const char* name, const char* text,
             const char* shortcut = "") {
  auto item = std::make_unique<Item>();
  item->Name(name);
  item->AutoEnable(true);
  item->Text(text);
  item->KeyboardShortcut(shortcut);
  if (menuName == nullptr) bar.Append(std::move(item));
  else bar.Child(menuName)->Append(std::move(item));
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  AddItem<fw::MenuItem>(*this, nullptr, "FileMenu", "&File");
  AddItem<fw::QuitMenuItem>(*this, "FileMenu", "FileQuit", "Quit", "Cmd+Q");
  AddItem<fw::MenuItem>(*this, "FileMenu", "FileExport", "Export...");
  AddItem<fw::MenuItem>(*this, "FileMenu", "FileImport", "Import Kavro 1.x data file...");
  AddItem<fw::MenuItem>(*this, "FileMenu", "UntitledItem", "-");
  AddItem<fw::MenuItem>(*this, "FileMenu", "FileChangepassword", "Change password...");
  AddItem<fw::AppleMenuItem>(*this, "FileMenu", "FileAboutKavro", "About Kavro");
  AddItem<fw::PrefsMenuItem>(*this, "FileMenu", "FilePreferences", "Preferences...", "Cmd+K");
}

void MenuBar1::Untitled1() {
  AddItem<fw::MenuItem>(*this, nullptr, "EditMenu", "&Edit");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
  AddItem<fw::MenuItem>(*this, "EditMenu", "UntitledMenu1", "-");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditClear", "Clear");
  AddItem<fw::MenuItem>(*this, "EditMenu", "UntitledMenu0", "-");
  AddItem<fw::MenuItem>(*this, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A");
}
