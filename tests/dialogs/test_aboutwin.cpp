// The about window: the two links change colour under the pointer and open the
// author's addresses, the donation button opens its page and leaves the window
// open, and any key or a click on the window closes it.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "app/app.h"
#include "app/startup.h"
#include "dialogs/aboutwin.h"
#include "framework/fw_shared.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

const std::string kMailto = "mailto:kavro@example.org?subject=Kavro";
const std::string kWebSite = "http://www.example.org/kavro";
const std::string kDonation = "http://www.example.org/paypal.php?app=Kavro2";

class AboutWinTest : public KavroTest {
 protected:
  void SetUp() override {
    KavroTest::SetUp();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
  }
  void TearDown() override {
    KavroTest::TearDown();
    ReleaseModuleObjects();
  }

  // Opens the window as the File menu does, active, with the pointer on a
  // blank part of it.
  aboutWin& Open() {
    EXPECT_FALSE(fw::Shared<App>().FileAboutKavro_Action());
    aboutWin& w = fw::Shared<aboutWin>();
    QWidget* top = w.TopLevelWidget();
    top->activateWindow();
    [[maybe_unused]] bool active = QTest::qWaitForWindowActive(top);
    QTest::mouseMove(w.ContentWidget(), kBlank);
    return w;
  }
  static bool IsOpen() { return fw::SharedExists<aboutWin>(); }

  // What the user sees of a link: its colour and whether it is underlined.
  struct Look {
    QColor color;
    bool underlined;
    bool operator==(const Look&) const = default;
    friend void PrintTo(const Look& l, std::ostream* os) {
      *os << l.color.name().toStdString() << (l.underlined ? " underlined" : " plain");
    }
  };
  static Look LookOf(const fw::StaticText& link) {
    const QWidget* label = link.Widget();
    return {label->palette().color(QPalette::WindowText), label->font().underline()};
  }
  static QPoint CentreOf(const fw::StaticText& link) {
    return link.Widget()->mapTo(link.TrueWindow().ContentWidget(), link.Widget()->rect().center());
  }

  const Look kPlain{Qt::black, false};
  const Look kHovered{QColor(0, 0, 255), true};
  // Inside the window, outside the group box and every control.
  static constexpr QPoint kBlank{370, 5};
};

TEST_F(AboutWinTest, EachLinkTurnsBlueAndUnderlinedOnlyWhileThePointerIsOverIt) {
  aboutWin& w = Open();
  QWidget* content = w.ContentWidget();
  fw::StaticText& mail = *w.StaticText4;
  fw::StaticText& web = *w.StaticText5;
  EXPECT_EQ(LookOf(mail), kPlain);
  EXPECT_EQ(LookOf(web), kPlain);

  QTest::mouseMove(content, CentreOf(mail));
  EXPECT_EQ(LookOf(mail), kHovered);
  EXPECT_EQ(LookOf(web), kPlain);

  QTest::mouseMove(content, CentreOf(web));
  EXPECT_EQ(LookOf(mail), kPlain);
  EXPECT_EQ(LookOf(web), kHovered);

  QTest::mouseMove(content, kBlank);
  EXPECT_EQ(LookOf(mail), kPlain);
  EXPECT_EQ(LookOf(web), kPlain);
  EXPECT_TRUE(IsOpen()) << "hovering closes nothing";
}

TEST_F(AboutWinTest, ClickingALinkClosesTheWindowAndOpensTheAddressItShows) {
  struct Case {
    fw::StaticText* aboutWin::*label;
    std::string shows, opens;
  };
  const Case cases[] = {{&aboutWin::StaticText4, "kavro@example.org", kMailto},
                        {&aboutWin::StaticText5, kWebSite, kWebSite}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shows);
    shownUrls.urls.clear();
    aboutWin& w = Open();
    fw::StaticText& link = *(w.*c.label);
    EXPECT_EQ(static_cast<QLabel*>(link.Widget())->text().toStdString(), c.shows);

    QTest::mouseClick(link.Widget(), Qt::LeftButton);
    EXPECT_FALSE(IsOpen());
    EXPECT_FALSE(w.TopLevelWidget()->isVisible());
    EXPECT_EQ(shownUrls.urls, std::vector<std::string>{c.opens});
    ProcessEvents();
  }
}

TEST_F(AboutWinTest, TheDonationButtonOpensItsPageOnTheWebSitesHostAndLeavesTheWindowOpen) {
  aboutWin& w = Open();
  QTest::mouseClick(w.BevelButton1->Widget(), Qt::LeftButton);
  EXPECT_TRUE(IsOpen());
  EXPECT_TRUE(w.TopLevelWidget()->isVisible());
  QTest::mouseClick(w.BevelButton1->Widget(), Qt::LeftButton);
  EXPECT_EQ(shownUrls.urls, (std::vector<std::string>{kDonation, kDonation}));
}

TEST_F(AboutWinTest, AnyKeyClosesTheWindowAndOpensNothing) {
  const std::pair<const char*, Qt::Key> keys[] = {
      {"letter", Qt::Key_K}, {"space", Qt::Key_Space}, {"Return", Qt::Key_Return},
      {"Escape", Qt::Key_Escape}, {"Tab", Qt::Key_Tab}, {"arrow", Qt::Key_Down},
      // Keys that type no text.
      {"F1", Qt::Key_F1}, {"F5", Qt::Key_F5}, {"F12", Qt::Key_F12}, {"Insert", Qt::Key_Insert},
      {"Pause", Qt::Key_Pause}, {"Print", Qt::Key_Print}};
  for (auto [name, key] : keys) {
    SCOPED_TRACE(name);
    aboutWin& w = Open();
    QTest::keyClick(w.TopLevelWidget()->windowHandle(), key);
    EXPECT_FALSE(IsOpen());
    ProcessEvents();
  }
  EXPECT_TRUE(shownUrls.urls.empty());
}

TEST_F(AboutWinTest, AClickOnTheWindowOrOnItsTextClosesIt) {
  struct Case {
    const char* where;
    std::function<QPoint(aboutWin&)> at;
  };
  const Case cases[] = {
      {"blank", [](aboutWin&) { return kBlank; }},
      {"group box", [](aboutWin&) { return QPoint(30, 280); }},
      {"description", [](aboutWin& w) { return CentreOf(*w.StaticText3); }},
      {"product name", [](aboutWin& w) { return CentreOf(*w.StaticText1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    aboutWin& w = Open();
    QWidget* content = w.ContentWidget();
    QWidget* target = content->childAt(c.at(w));
    QPoint local = target ? target->mapFrom(content, c.at(w)) : c.at(w);
    QTest::mouseClick(target ? target : content, Qt::LeftButton, {}, local);
    EXPECT_FALSE(IsOpen());
    ProcessEvents();
  }
  EXPECT_TRUE(shownUrls.urls.empty());
}

// The donation line wraps in a label too short for two lines: it shows its
// first line whole, from the label's top, and the second line is what gives way.
TEST_F(AboutWinTest, TheDonationLineShowsItsFirstLineWhole) {
  aboutWin& w = Open();
  QWidget* label = w.StaticText6->Widget();
  ASSERT_EQ(label->height(), 18);
  const QImage shown = label->grab().toImage();
  auto inkInRow = [](const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
  };
  EXPECT_FALSE(inkInRow(shown, 0)) << "the tops of the first line's letters are cut off";

  // The same label with room for every line: the short label shows its top rows.
  label->resize(label->width(), 100);
  const QImage whole = label->grab().toImage();
  label->resize(label->width(), 18);
  int rowsWithInk = 0;
  for (int y = 0; y < shown.height(); ++y) {
    rowsWithInk += inkInRow(shown, y) ? 1 : 0;
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixel(x, y), whole.pixel(x, y)) << "at " << x << ", " << y;
  }
  EXPECT_GT(rowsWithInk, 5) << "the first line shows";
}

TEST_F(AboutWinTest, ChoosingAboutAgainBringsTheOpenWindowForward) {
  aboutWin& first = Open();
  QTest::mouseMove(first.ContentWidget(), CentreOf(*first.StaticText4));
  first.TopLevelWidget()->lower();

  EXPECT_FALSE(fw::Shared<App>().FileAboutKavro_Action());
  EXPECT_EQ(&fw::Shared<aboutWin>(), &first);
  EXPECT_TRUE(first.TopLevelWidget()->isVisible());
  EXPECT_EQ(LookOf(*first.StaticText4), kHovered) << "the same window, as it was";
}

}  // namespace
