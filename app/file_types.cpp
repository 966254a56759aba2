#include "app/file_types.h"

namespace FileTypes {

std::unique_ptr<fw::FileType> pText;
std::unique_ptr<fw::FileType> pTextPlain;

void Initialize() {
  pText = std::make_unique<fw::FileType>();
  pText->Name("text");
  pText->Extensions("");
  pText->MacType("TEXT");
  pText->MacCreator("R*ch");
  pText->ToString();

  pTextPlain = std::make_unique<fw::FileType>();
  pTextPlain->Name("text/plain");
  pTextPlain->Extensions(
      ".asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text;.txt;.tab");
  pTextPlain->MacType("TEXT");
  pTextPlain->MacCreator("????");
  pTextPlain->ToString();
}

void Release() {
  pText.reset();
  pTextPlain.reset();
}

}  // namespace FileTypes
