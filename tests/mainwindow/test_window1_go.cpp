// Go: a web address of the selected entry goes to the browser, and just before
// it the password or user name goes to the clipboard, marked secret for
// clipboard managers. Anything else leaves the clipboard and the browser alone.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/app.h"
#include "mainwindow/main_window_user.h"
#include "mainwindow/window1.h"
#include "support/program_fixture.h"

namespace {

using kavro::testing::ClickRow;
using kavro::testing::Entry;
using kavro::testing::ProgramTest;
using kavro::testing::Retype;

constexpr char kUserName[] = "jane doe";
constexpr char kPassword[] = "pä55 wörd";
constexpr char kBefore[] = "what the clipboard held";

std::string ClipboardText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data ? data->text().toStdString() : "";
}

std::optional<QByteArray> SecretHint() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat("x-kde-passwordManagerHint")) return std::nullopt;
  return data->data("x-kde-passwordManagerHint");
}

class GoTest : public ProgramTest {
 protected:
  Window1& OpenStore(const std::vector<Entry>& entries, const std::string& whatToCopy = "pswd") {
    kavro::testing::WriteDataFile(DataFile(), entries);
    StartProgram();
    Unlock();
    Application().whatToCopy = whatToCopy;
    QApplication::clipboard()->setText(kBefore);
    return Main();
  }
  static void PressGo(Window1& w) { QTest::mouseClick(w.goBtn->Widget(), Qt::LeftButton); }
};

struct UrlCase {
  const char* name;
  std::string url;
  // What the system is handed, as it reads the address; nothing for a URL Go refuses.
  std::optional<std::string> opened;
};

struct CopyCase {
  const char* whatToCopy;
  const char* copied;
};

void PrintTo(const UrlCase& c, std::ostream* os) { *os << c.name << " \"" << c.url << "\""; }
void PrintTo(const CopyCase& c, std::ostream* os) { *os << "whatToCopy \"" << c.whatToCopy << "\""; }

class GoWith : public GoTest, public ::testing::WithParamInterface<std::tuple<UrlCase, CopyCase>> {};

TEST_P(GoWith, AWebAddressOpensWithItsTextOnTheClipboard) {
  const auto& [url, copy] = GetParam();
  Window1& w = OpenStore({{"Other", "x", "y", "http://other.example/", ""}, {"Site", kUserName, kPassword, url.url, ""}},
                         copy.whatToCopy);
  ClickRow(w, 1);
  PressGo(w);

  if (url.opened) {
    EXPECT_EQ(shownUrls.urls, std::vector<std::string>{*url.opened});
    // On the clipboard before the address went out: the opened page can take it.
    EXPECT_EQ(shownUrls.clipboardAtOpen, std::vector<std::string>{copy.copied});
    EXPECT_EQ(ClipboardText(), copy.copied);
    EXPECT_EQ(SecretHint(), QByteArray("secret"));
  } else {
    EXPECT_TRUE(shownUrls.urls.empty());
    EXPECT_EQ(ClipboardText(), kBefore);
    EXPECT_EQ(SecretHint(), std::nullopt);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Go, GoWith,
    ::testing::Combine(
        ::testing::Values(UrlCase{"Http", "http://example.com/login", "http://example.com/login"},
                          UrlCase{"Https", "https://bank.example/", "https://bank.example/"},
                          UrlCase{"Ftp", "ftp://files.example/", std::nullopt},
                          UrlCase{"Mail", "mailto:jane@example.com", std::nullopt},
                          UrlCase{"BareHost", "www.example.com", std::nullopt},
                          UrlCase{"LeadingBlank", " http://example.com/", std::nullopt},
                          UrlCase{"Empty", "", std::nullopt},
                          UrlCase{"Capitals", "HTTP://EXAMPLE.COM/", std::nullopt},
                          UrlCase{"ShorterThanThePrefix", "http:/", std::nullopt},
                          UrlCase{"HttpsWithOneSlash", "https:/x.example", std::nullopt}),
        ::testing::Values(CopyCase{"pswd", kPassword}, CopyCase{"name", kUserName}, CopyCase{"other", kUserName},
                          CopyCase{"", kUserName})),
    [](const auto& info) {
      const std::string copy = std::get<1>(info.param).whatToCopy;
      return std::string(std::get<0>(info.param).name) + "_" + (copy.empty() ? "emptySetting" : copy);
    });

TEST_F(GoTest, WithNoRowSelectedNothingHappens) {
  Window1& w = OpenStore({{"Site", kUserName, kPassword, "http://example.com/", ""}});
  PressGo(w);
  EXPECT_TRUE(shownUrls.urls.empty());
  EXPECT_EQ(ClipboardText(), kBefore);
}

TEST_F(GoTest, UsesTheStoredEntryNotUnsavedEdits) {
  Window1& w = OpenStore({{"Site", kUserName, kPassword, "http://example.com/", ""}});
  ClickRow(w, 0);
  Retype(*w.userFld, "edited user");
  Retype(*w.pswdFld, "edited password");
  Retype(*w.urlFld, "http://edited.example/");
  PressGo(w);
  EXPECT_EQ(shownUrls.urls, std::vector<std::string>{"http://example.com/"});
  EXPECT_EQ(ClipboardText(), kPassword);
}

TEST_F(GoTest, EachPressHandsTheAddressOverAgain) {
  Window1& w = OpenStore({{"Site", kUserName, kPassword, "https://example.com/", ""}});
  ClickRow(w, 0);
  PressGo(w);
  QApplication::clipboard()->setText(kBefore);
  PressGo(w);
  EXPECT_EQ(shownUrls.urls, (std::vector<std::string>{"https://example.com/", "https://example.com/"}));
  EXPECT_EQ(ClipboardText(), kPassword);
}

// A new entry's address is the bare scheme, and its password is empty.
TEST_F(GoTest, ANewEntryEmptiesTheClipboardAndOpensItsBareScheme) {
  Window1& w = OpenStore({});
  QTest::mouseClick(w.addbtn->Widget(), Qt::LeftButton);
  PressGo(w);
  EXPECT_EQ(shownUrls.urls, std::vector<std::string>{"http://"});
  EXPECT_EQ(ClipboardText(), "");
}

}  // namespace
