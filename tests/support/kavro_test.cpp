#include "support/kavro_test.h"

#include <QCoreApplication>
#include <fstream>
#include <sstream>

#include "framework/fw_application.h"
#include "framework/fw_clock.h"
#include "framework/fw_resources.h"
#include "framework/fw_shared.h"
#include "framework/fw_testing.h"

namespace kavro::testing {

void KavroTest::SetUp() {
  ASSERT_TRUE(root_.isValid());
  savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  savedHome_ = qgetenv("HOME");
  std::filesystem::create_directories(PreferencesDir());
  std::filesystem::create_directories(HomeDir());
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(PreferencesDir().string()));
  qputenv("HOME", QByteArray::fromStdString(HomeDir().string()));
  fw::SetDialogHost(&dialogs);
  fw::testing::SetTicks(100000);
  fw::testing::SetResourcesFolder({});
}

void KavroTest::TearDown() {
  fw::testing::ResetFramework();
  fw::SetDialogHost(nullptr);
  fw::testing::UseRealClock();
  qputenv("XDG_CONFIG_HOME", savedConfigHome_);
  qputenv("HOME", savedHome_);
}

std::filesystem::path KavroTest::PreferencesDir() const {
  return std::filesystem::path(root_.path().toStdString()) / "config";
}

std::filesystem::path KavroTest::HomeDir() const {
  return std::filesystem::path(root_.path().toStdString()) / "home";
}

void KavroTest::WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string KavroTest::ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void KavroTest::ProcessEvents() { QCoreApplication::sendPostedEvents(); }

}  // namespace kavro::testing
