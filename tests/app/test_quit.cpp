// Quitting: the application's Close empties the clipboard only when asked to.
#include <QApplication>
#include <QClipboard>

#include "app/app.h"
#include "app/startup.h"
#include "framework/fw_application.h"
#include "framework/fw_dispatch.h"
#include "framework/fw_shared.h"
#include "framework/fw_testing.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class QuitTest : public KavroTest {
 protected:
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }
};

struct ClipboardCase {
  const char* clearPswd;
  bool emptied;
};

TEST_F(QuitTest, ClipboardAfterQuitFollowsTheClearSetting) {
  const ClipboardCase cases[] = {{"yes", true}, {"no", false}, {"", false}, {"YES", false}};
  for (const ClipboardCase& c : cases) {
    SCOPED_TRACE(c.clearPswd);
    Startup();
    App& app = fw::Shared<App>();
    app.clearPswd = c.clearPswd;
    QApplication::clipboard()->setText("pa55word");

    fw::Quit();

    EXPECT_TRUE(fw::HasQuit());
    EXPECT_EQ(QApplication::clipboard()->text().isEmpty(), c.emptied);
    fw::testing::ResetFramework();
    ReleaseModuleObjects();
  }
}

TEST_F(QuitTest, QuitInsideAHandlerWaitsUntilTheHandlerReturns) {
  Startup();
  bool quitSeenInside = true;
  fw::Dispatch([&] {
    fw::Quit();
    quitSeenInside = fw::HasQuit();
  });
  EXPECT_FALSE(quitSeenInside);
  EXPECT_TRUE(fw::HasQuit());
}

}  // namespace
