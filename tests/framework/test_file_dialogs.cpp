// Open and save dialogs hand their settings to the dialog host and give back
// the chosen file, or nothing on cancel.
#include "framework/fw_file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <functional>

#include "framework/fw_dialogs.h"
#include "framework/fw_filetype.h"
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

// The toolkit's own dialogs, shown for real: what the user sees is read from
// the dialog while it is open, then the dialog is answered.
class ToolkitFileDialogsTest : public KavroTest {
 protected:
  struct Seen {
    QString title;
    QString prompt;
    bool promptAboveFiles = false;
    QStringList nameFilters;
    QString folder;
    QString fileName;
  };

  void SetUp() override {
    KavroTest::SetUp();
    fw::SetDialogHost(nullptr);
  }

  // Looks at the dialog once it is up, with a line that reads prompt, then
  // lets answer close it.
  void WhenShown(const QString& prompt, const std::function<void(QDialog&)>& answer) {
    QTimer::singleShot(0, [this, prompt, answer] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        ADD_FAILURE() << "no file dialog is up";
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        return;
      }
      seen.title = dialog->windowTitle();
      seen.nameFilters = dialog->nameFilters();
      seen.folder = dialog->directory().absolutePath();
      if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) seen.fileName = name->text();
      for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text() != prompt) continue;
        seen.prompt = label->text();
        auto* files = dialog->findChild<QListView*>("listView");
        seen.promptAboveFiles = files != nullptr && label->mapToGlobal(QPoint(0, label->height())).y() <=
                                                        files->mapToGlobal(QPoint(0, 0)).y();
      }
      answer(*dialog);
    });
  }

  Seen seen;
};

TEST_F(ToolkitFileDialogsTest, TheOpenDialogShowsItsPromptAndTitleAndGivesTheChosenFile) {
  fw::FileType textPlain;
  textPlain.Name("text/plain");
  textPlain.Extensions(".txt;.tab");
  textPlain.ToString();
  std::filesystem::create_directories(HomeDir() / "Desktop");
  WriteBytes(HomeDir() / "Desktop" / "old data", "a\tb\tc\td\te\n");
  WhenShown("Select the data file to import:", [](QDialog& d) {
    static_cast<QFileDialog&>(d).selectFile("old data");
    d.accept();
  });
  fw::OpenDialog dlg;
  dlg.InitialDirectory = fw::SpecialFolder::Desktop();
  dlg.PromptText = "Select the data file to import:";
  dlg.Title = "Select the file to import";
  dlg.Filter = "text/plain";

  auto chosen = dlg.ShowModal();

  EXPECT_EQ(seen.title, "Select the file to import");
  EXPECT_EQ(seen.prompt, "Select the data file to import:");
  EXPECT_TRUE(seen.promptAboveFiles);
  EXPECT_EQ(seen.folder.toStdString(), (HomeDir() / "Desktop").string());
  // A file without an extension, as the old program wrote them, stays one choice away.
  EXPECT_EQ(seen.nameFilters, QStringList({"text/plain (*.txt *.tab)", "All files (*)"}));
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->Path(), HomeDir() / "Desktop" / "old data");
}

TEST_F(ToolkitFileDialogsTest, TheSaveDialogShowsItsPromptAndSuggestsItsName) {
  WhenShown("Filename for the exported data file:", [](QDialog& d) { d.accept(); });
  fw::SaveAsDialog dlg;
  dlg.InitialDirectory = fw::FolderItem(HomeDir());
  dlg.PromptText = "Filename for the exported data file:";
  dlg.SuggestedFileName = "Kavro exported file";
  dlg.Title = "Export your data file";

  auto chosen = dlg.ShowModal();

  EXPECT_EQ(seen.title, "Export your data file");
  EXPECT_EQ(seen.prompt, "Filename for the exported data file:");
  EXPECT_TRUE(seen.promptAboveFiles);
  EXPECT_EQ(seen.fileName, "Kavro exported file");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->Path(), HomeDir() / "Kavro exported file");
}

TEST_F(ToolkitFileDialogsTest, ACancelledDialogGivesNothing) {
  WhenShown("Filename for the exported data file:", [](QDialog& d) { d.reject(); });
  fw::SaveAsDialog dlg;
  dlg.PromptText = "Filename for the exported data file:";
  dlg.SuggestedFileName = "Kavro exported file";
  EXPECT_FALSE(dlg.ShowModal().has_value());
  EXPECT_EQ(seen.prompt, "Filename for the exported data file:");
}

}  // namespace
