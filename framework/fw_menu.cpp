#include "framework/fw_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/fw_application.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_qt_p.h"
#include "framework/fw_window_menu_bar_p.h"

namespace fw {
namespace {

QKeySequence ToKeySequence(const std::string& shortcut) {
  QString s = qt::ToQ(shortcut);
  // "Cmd" is the platform's command key, Ctrl on Linux.
  s.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"));
  return QKeySequence(s);
}

QAction::MenuRole ToMenuRole(MenuItem::Role role) {
  switch (role) {
    case MenuItem::Role::Quit: return QAction::QuitRole;
    case MenuItem::Role::About: return QAction::AboutRole;
    case MenuItem::Role::Preferences: return QAction::PreferencesRole;
    case MenuItem::Role::Normal: break;
  }
  return QAction::NoRole;
}

MenuBar* RootBar(MenuItem* item) {
  while (item->ParentItem() != nullptr) item = item->ParentItem();
  return dynamic_cast<MenuBar*>(item);
}

}  // namespace

MenuItem::MenuItem() : MenuItem(Role::Normal) {}

MenuItem::MenuItem(const std::string& text) : MenuItem(Role::Normal) { Text(text); }

MenuItem::MenuItem(Role role) : role_(role), action_(std::make_unique<QAction>()) {
  action_->setMenuRole(ToMenuRole(role));
  // An item's shortcut works in every window that shows the menu bar.
  action_->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action_.get(), &QAction::triggered, action_.get(), [this] { Triggered(); });
}

MenuItem::~MenuItem() {
  children_.clear();
  menu_.reset();
}

QAction* MenuItem::Action() const { return menu_ ? menuTitle_ : action_.get(); }

void MenuItem::Text(const std::string& text) {
  text_ = text;
  ApplyText();
}

void MenuItem::ApplyText() {
  action_->setSeparator(IsSeparator());
  if (!IsSeparator()) action_->setText(qt::ToQ(text_));
  if (menu_) {
    menu_->setTitle(qt::ToQ(text_));
    menuTitle_->setText(qt::ToQ(text_));
  }
}

void MenuItem::KeyboardShortcut(const std::string& shortcut) {
  shortcut_ = shortcut;
  action_->setShortcut(shortcut.empty() ? QKeySequence() : ToKeySequence(shortcut));
}

bool MenuItem::Enabled() const { return Action()->isEnabled(); }
void MenuItem::Enabled(bool value) { Action()->setEnabled(value); }

void MenuItem::BecomeMenu() {
  if (menu_) return;
  menu_ = std::make_unique<QMenu>();
  // The menu's own title action, before any window's bar puts a title of its
  // own over the menu (the menu then answers that one as its menuAction).
  menuTitle_ = menu_->menuAction();
  menu_->setTitle(qt::ToQ(text_));
  QObject::connect(menu_.get(), &QMenu::aboutToShow, menu_.get(), [this] {
    Dispatch([this] {
      if (MenuBar* bar = RootBar(this)) bar->PrepareForDisplay();
      if (Application* app = TheApplication()) app->RaiseEnableMenuItems();
    });
  });
}

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
  item->parent_ = this;
  if (dynamic_cast<MenuBar*>(this) != nullptr) {
    item->BecomeMenu();
  } else {
    BecomeMenu();
    menu_->addAction(item->Action());
  }
  children_.push_back(std::move(item));
}

MenuItem* MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("menu item index out of bounds");
  return children_[static_cast<size_t>(index)].get();
}

MenuItem* MenuItem::Child(const std::string& name) const {
  for (auto& child : children_)
    if (child->Name() == name) return child.get();
  throw NilObjectException("no menu item named " + name + " in " + (name_.empty() ? "the menu bar" : name_));
}

void MenuItem::Triggered() {
  Dispatch([this] {
    if (Application* app = TheApplication()) app->ChooseMenuItem(*this);
    else if (role_ == Role::Quit) Quit();
    else RunEditCommand(name_);
  });
}

QMenuBar* MenuBar::CreateWidget(QWidget* parent) const { return new WindowMenuBar(*this, parent); }

void MenuBar::PrepareForDisplay() {
  std::function<void(MenuItem&)> prepare = [&](MenuItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
      MenuItem& child = *item.Item(i);
      if (child.AutoEnable() && !child.IsSeparator()) {
        child.Enabled(IsEditCommand(child.Name()) ? EditCommandAvailable(child.Name()) : true);
      }
      prepare(child);
    }
  };
  prepare(*this);
}

}  // namespace fw
