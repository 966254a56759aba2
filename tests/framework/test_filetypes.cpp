// A file type is named in a dialog's filter only while it is registered, and
// admits files by their extension whatever its case.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/fw_filetype.h"

namespace {

const char* textPlainExtensions =
    ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt;.tab";

std::unique_ptr<fw::FileType> MakeType(const std::string& name, const std::string& extensions) {
  auto type = std::make_unique<fw::FileType>();
  type->Name(name);
  type->Extensions(extensions);
  type->MacType("TEXT");
  type->MacCreator("????");
  return type;
}

TEST(FileTypes, ToStringRegistersUnderTheName) {
  auto type = MakeType("text/plain", textPlainExtensions);
  EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
  EXPECT_EQ(type->ToString(), "text/plain");
  EXPECT_EQ(fw::FileType::Registered("text/plain"), type.get());
  EXPECT_EQ(type->ToString(), "text/plain");  // registering twice is registering once
  type->Name("other");
  EXPECT_EQ(fw::FileType::Registered("text/plain"), nullptr);
}

TEST(FileTypes, ChangingAnyFieldOrDestroyingWithdrawsTheRegistration) {
  using Change = void (*)(fw::FileType&);
  const std::vector<Change> changes = {
      [](fw::FileType& t) { t.Name("text"); },
      [](fw::FileType& t) { t.Extensions(".txt"); },
      [](fw::FileType& t) { t.MacType("TEXT"); },
      [](fw::FileType& t) { t.MacCreator("R*ch"); },
  };
  for (Change change : changes) {
    auto type = MakeType("text", "");
    type->ToString();
    change(*type);
    EXPECT_FALSE(type->IsRegistered());
    EXPECT_FALSE(fw::FileTypeAdmits("text", "a.txt"));
  }
  auto type = MakeType("text", "");
  type->ToString();
  type.reset();
  EXPECT_EQ(fw::FileType::Registered("text"), nullptr);
}

TEST(FileTypes, TheNewestRegistrationOfANameWins) {
  auto older = MakeType("text", ".txt");
  auto newer = MakeType("text", ".asc");
  older->ToString();
  newer->ToString();
  EXPECT_EQ(fw::FileType::Registered("text"), newer.get());
  newer.reset();
  EXPECT_EQ(fw::FileType::Registered("text"), older.get());
}

TEST(FileTypes, ExtensionsAdmitFilesIgnoringCase) {
  auto type = MakeType("text/plain", textPlainExtensions);
  type->ToString();
  const std::vector<std::pair<std::string, bool>> cases = {
      {"/home/u/export.txt", true},  {"/home/u/EXPORT.TXT", true}, {"notes.Text", true},
      {"list.tab", true},            {"a.c", true},                {"archive.tar", false},
      {"export.txt.gz", false},      {"txt", false},               {"/home/u/noextension", false},
      {"/home/u/folder.txt/", false},
  };
  for (const auto& [file, admitted] : cases) EXPECT_EQ(fw::FileTypeAdmits("text/plain", file), admitted) << file;
}

TEST(FileTypes, ATypeWithoutExtensionsAdmitsEveryFileAndAnUnknownNameNone) {
  auto type = MakeType("text", "");
  type->ToString();
  EXPECT_TRUE(fw::FileTypeAdmits("text", "/home/u/anything"));
  EXPECT_TRUE(fw::FileTypeAdmits("text", "data.bin"));
  EXPECT_FALSE(fw::FileTypeAdmits("text/html", "page.txt"));
}

TEST(FileTypes, DialogNameFilterListsThePatterns) {
  auto plain = MakeType("text/plain", textPlainExtensions);
  auto text = MakeType("text", "");
  plain->ToString();
  text->ToString();
  EXPECT_EQ(fw::DialogNameFilter("text/plain"),
            "text/plain (*.asc *.ascii *.bas *.c *.class *.cp *.cpp *.h *.hp *.hpp *.i3 *.java *.m2 *.m3 *.mak "
            "*.text *.txt *.tab)");
  EXPECT_EQ(fw::DialogNameFilter("text"), "text (*)");
  EXPECT_EQ(fw::DialogNameFilter("unknown"), "");
}

// Destroyed after main returns, as the program's own file types may be: its
// withdrawal must not touch a registry that is already gone.
fw::FileType typeOutlivingMain;

TEST(FileTypes, ATypeDestroyedAfterMainWithdrawsSafely) {
  typeOutlivingMain.Name("late");
  typeOutlivingMain.ToString();
  EXPECT_EQ(fw::FileType::Registered("late"), &typeOutlivingMain);
}

}  // namespace
