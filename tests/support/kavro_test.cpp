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
  savedRuntimeDir_ = qgetenv("XDG_RUNTIME_DIR");
  std::filesystem::create_directories(PreferencesDir());
  std::filesystem::create_directories(HomeDir());
  std::filesystem::create_directories(RuntimeDir());
  std::filesystem::permissions(RuntimeDir(), std::filesystem::perms::owner_all);
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(RuntimeDir().string()));
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
  // Usually unset; Qt 6.4's qputenv fails on a null value.
  if (savedRuntimeDir_.isNull()) {
    qunsetenv("XDG_RUNTIME_DIR");
  } else {
    qputenv("XDG_RUNTIME_DIR", savedRuntimeDir_);
  }
}

std::filesystem::path KavroTest::PreferencesDir() const {
  return std::filesystem::path(root_.path().toStdString()) / "config";
}

std::filesystem::path KavroTest::RuntimeDir() const {
  return std::filesystem::path(root_.path().toStdString()) / "runtime";
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

std::vector<std::string> KavroTest::PrefsLines() const {
  const std::string prefs = ReadBytes(PrefsFile());
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = prefs.find('\r', start)) != std::string::npos; start = end + 1)
    lines.push_back(prefs.substr(start, end - start));
  return lines;
}

void KavroTest::ProcessEvents() { QCoreApplication::sendPostedEvents(); }

}  // namespace kavro::testing
