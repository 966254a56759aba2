#include "support/program_fixture.h"

#include <QTest>
#include <stdexcept>
#include <QWidget>

#include "app/app.h"
#include "app/startup.h"
#include "dialogs/pswdwin1.h"
#include "framework/fw_application.h"
#include "framework/fw_shared.h"
#include "mainwindow/window1.h"

namespace kavro::testing {

void ProgramTest::TearDown() {
  KavroTest::TearDown();
  // The program's end step, after the framework let go of its windows.
  ReleaseModuleObjects();
}

App& ProgramTest::StartProgram() {
  Startup();
  fw::TheApplication()->RaiseOpen();
  return Application();
}

bool ProgramTest::PromptIsOpen() const {
  return fw::SharedExists<pswdWin1>();
}

pswdWin1& ProgramTest::Prompt() {
  if (!PromptIsOpen()) {
    ADD_FAILURE() << "no password prompt is open";
    throw std::runtime_error("no password prompt is open");
  }
  return fw::Shared<pswdWin1>();
}

void ProgramTest::EnterPassword(const std::string& password) {
  pswdWin1& prompt = Prompt();
  Type(*prompt.EditField1, password);
  Click(*prompt.PushButton1);
  // A closed prompt is destroyed once the event loop runs again.
  ProcessEvents();
}

void ProgramTest::Unlock(const std::string& password) {
  EnterPassword(password);
  ASSERT_FALSE(PromptIsOpen()) << "the prompt did not take the password " << password;
  ASSERT_FALSE(Main().IsLocked());
}

void ProgramTest::Lock(const std::string& password) {
  Click(*Main().lockBtn);
  EnterPassword(password);
  ASSERT_FALSE(PromptIsOpen()) << "the prompt did not take the password " << password;
  ASSERT_TRUE(Main().IsLocked());
}

Window1& ProgramTest::Main() { return fw::Shared<Window1>(); }

App& ProgramTest::Application() { return fw::Shared<App>(); }

void ProgramTest::Click(fw::RectControl& control) { QTest::mouseClick(control.Widget(), Qt::LeftButton); }

void ProgramTest::Type(fw::RectControl& control, const std::string& text) {
  const QString typed = QString::fromStdString(text);
  for (int i = 0; i < typed.size(); ++i) {
    QChar c = typed.at(i);
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(control.Widget(), c.toLatin1());
      continue;
    }
    // A surrogate pair is one character.
    int length = (c.isHighSurrogate() && i + 1 < typed.size()) ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, control.Widget(), Qt::Key_unknown, typed.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace kavro::testing
