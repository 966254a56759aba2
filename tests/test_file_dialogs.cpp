// Open and save dialogs hand their settings to the dialog host and give back
// the chosen file, or nothing on cancel.
#include "framework/fw_file_dialogs.h"
#include "framework/fw_specialfolder.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class FileDialogsTest : public KavroTest {};

TEST_F(FileDialogsTest, OpenDialogPassesItsFilterAndStartFolder) {
  dialogs.files.push_back(HomeDir() / "old.txt");
  fw::OpenDialog dlg;
  dlg.InitialDirectory = fw::SpecialFolder::Desktop();
  dlg.Title = "Import";
  dlg.PromptText = "Choose a file";
  dlg.Filter = "text/plain";

  auto chosen = dlg.ShowModal();

  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->Name(), "old.txt");
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const fw::FileDialogRequest& shown = dialogs.fileDialogs[0];
  EXPECT_EQ(shown.kind, fw::FileDialogRequest::Kind::Open);
  EXPECT_EQ(shown.filter, "text/plain");
  EXPECT_EQ(shown.title, "Import");
  EXPECT_EQ(shown.promptText, "Choose a file");
  // No Desktop folder in the fresh home: the home folder stands in.
  EXPECT_EQ(shown.initialDirectory, HomeDir());
}

TEST_F(FileDialogsTest, SaveDialogSuggestsItsNameAndACancelGivesNothing) {
  fw::SaveAsDialog dlg;
  dlg.SuggestedFileName = "Kavro exported file";
  EXPECT_FALSE(dlg.ShowModal().has_value());
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].kind, fw::FileDialogRequest::Kind::Save);
  EXPECT_EQ(dialogs.fileDialogs[0].suggestedFileName, "Kavro exported file");
}

}  // namespace
