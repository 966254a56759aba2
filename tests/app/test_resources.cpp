// The pictures of the Resources folder and the registered file types.
#include <QImage>

#include "app/file_types.h"
#include "app/pictures.h"
#include "framework/fw_resources.h"
#include "support/kavro_test.h"

namespace {

using kavro::testing::KavroTest;

class PicturesTest : public KavroTest {};

TEST_F(PicturesTest, EachPictureOfTheBuildIsReadOnce) {
  struct Accessor {
    const char* file;
    fw::PicturePtr (*get)();
  };
  const Accessor accessors[] = {{"locked.gif", locked},       {"unlocked.gif", unlocked},
                                {"newIcon64.pct", newIcon64}, {"paypal.gif", paypal},
                                {"eye.png", eye}};
  for (const Accessor& a : accessors) {
    SCOPED_TRACE(a.file);
    fw::PicturePtr first = a.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(a.get(), first);
    EXPECT_EQ(fw::testing::PictureFileReads(a.file), 1);
  }
}

TEST_F(PicturesTest, PicturesHaveTheSizesTheWindowsShowThemAt) {
  EXPECT_EQ(newIcon64()->Width(), 64);
  EXPECT_EQ(newIcon64()->Height(), 64);
  EXPECT_EQ(eye()->Width(), 36);
  EXPECT_LE(eye()->Height(), 24);
  EXPECT_EQ(paypal()->Width(), 300);
  EXPECT_EQ(paypal()->Height(), 42);
  auto grip = fw::ResourcePicture("PicSeparatorDot.gif");
  ASSERT_NE(grip, nullptr);
  EXPECT_EQ(grip->Width(), 2 * grip->Height());
}

TEST_F(PicturesTest, AMissingPictureIsLookedForAgainAndFoundOnceAdded) {
  std::filesystem::path folder = HomeDir() / "Resources";
  std::filesystem::create_directories(folder);
  fw::testing::SetResourcesFolder(folder);

  EXPECT_EQ(eye(), nullptr);
  EXPECT_EQ(eye(), nullptr);

  QImage image(36, 24, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QString::fromStdString((folder / "eye.png").string()), "PNG"));
  fw::PicturePtr found = eye();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Width(), 36);
  std::filesystem::remove(folder / "eye.png");
  EXPECT_EQ(eye(), found);
}

TEST_F(PicturesTest, AFileThatHoldsNoPictureGivesNone) {
  std::filesystem::path folder = HomeDir() / "Resources";
  std::filesystem::create_directories(folder);
  fw::testing::SetResourcesFolder(folder);
  WriteBytes(folder / "locked.gif", "not a picture");
  EXPECT_EQ(locked(), nullptr);
}

TEST_F(PicturesTest, PicturesAreFoundByContentWhateverTheirName) {
  std::filesystem::path folder = HomeDir() / "Resources";
  std::filesystem::create_directories(folder);
  fw::testing::SetResourcesFolder(folder);
  QImage image(64, 64, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(QString::fromStdString((folder / "newIcon64.pct").string()), "PNG"));
  ASSERT_NE(newIcon64(), nullptr);
}

class FileTypesTest : public KavroTest {
 protected:
  void TearDown() override {
    FileTypes::Release();
    KavroTest::TearDown();
  }
};

TEST_F(FileTypesTest, StartUpRegistersTextAndTextPlain) {
  FileTypes::Initialize();
  const fw::FileType* text = fw::FileType::Registered("text");
  const fw::FileType* plain = fw::FileType::Registered("text/plain");
  ASSERT_NE(text, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(text->Extensions(), "");
  EXPECT_EQ(text->MacType(), "TEXT");
  EXPECT_EQ(text->MacCreator(), "R*ch");
  EXPECT_EQ(plain->Extensions(),
            ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt;.tab");
  EXPECT_EQ(plain->MacCreator(), "????");

  FileTypes::Release();
  EXPECT_EQ(fw::FileType::Registered("text"), nullptr);
  EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
}

TEST_F(FileTypesTest, TextPlainAdmitsFilesByItsExtensions) {
  FileTypes::Initialize();
  struct Case {
    const char* file;
    bool admitted;
  };
  const Case cases[] = {{"export.txt", true}, {"old.TAB", true},     {"notes.text", true},
                        {"a.hpp", true},      {"b.m2", true},        {"data.csv", false},
                        {"photo.png", false}, {"noextension", false}, {"txt", false}};
  for (const Case& c : cases) EXPECT_EQ(fw::FileTypeAdmits("text/plain", c.file), c.admitted) << c.file;
  EXPECT_FALSE(fw::FileTypeAdmits("image/png", "a.txt"));
}

}  // namespace
