// The clipboard object: what reaches the system clipboard, and the hint that
// keeps a secret out of clipboard managers' history.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <optional>
#include <string>

#include "framework/fw_clipboard.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

constexpr char kHint[] = "x-kde-passwordManagerHint";

class ClipboardTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    QApplication::clipboard()->setText("before");
  }
  // An emptied clipboard may hold no data at all.
  static std::string Text() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? data->text().toStdString() : "";
  }
  static std::optional<QByteArray> Hint() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(kHint)) return std::nullopt;
    return data->data(kHint);
  }
};

struct WriteCase {
  const char* name;
  bool secret;
  std::string text;
  bool hinted;  // whether the clipboard carries the secret hint afterwards
};

TEST_F(ClipboardTest, CloseWritesTheTextAndMarksOnlySecrets) {
  const WriteCase cases[] = {
      {"a password", true, "pa55 wörd€", true},
      {"an ordinary text", false, "pa55 wörd€", false},
      {"a multi-line secret", true, "line one\nline two", true},
      // Nothing to keep out of a history: the clipboard is just emptied.
      {"an empty secret", true, "", false},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    QApplication::clipboard()->setText("before");
    fw::Clipboard clipboard;
    if (c.secret) clipboard.SecretText(c.text);
    else clipboard.Text(c.text);
    EXPECT_EQ(clipboard.Text(), c.text);
    clipboard.Close();

    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(Hint(), c.hinted ? std::optional<QByteArray>("secret") : std::nullopt);
  }
}

TEST_F(ClipboardTest, AnOrdinaryTextAfterASecretDropsTheHint) {
  fw::Clipboard clipboard;
  clipboard.SecretText("pa55word");
  clipboard.Text("jane");
  clipboard.Close();
  EXPECT_EQ(Text(), "jane");
  EXPECT_EQ(Hint(), std::nullopt);
}

TEST_F(ClipboardTest, AnObjectDroppedBeforeCloseLeavesTheClipboard) {
  {
    fw::Clipboard clipboard;
    clipboard.SecretText("pa55word");
  }
  EXPECT_EQ(Text(), "before");
  EXPECT_EQ(Hint(), std::nullopt);
}

}  // namespace
