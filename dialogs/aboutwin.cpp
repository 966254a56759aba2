// The about window: its properties, its nine controls from one table, the two
// links, the donation button and closing on a key or a click.
#include "dialogs/aboutwin.h"

#include <array>

#include "app/pictures.h"
#include "framework/fw_control_table.h"
#include "framework/fw_shared.h"
#include "framework/fw_url.h"
#include "framework/fw_window_properties.h"

namespace {

using fw::Create;
using fw::kNoText;
using fw::kSystemFont;

// The author's addresses, on the domain reserved for examples.
constexpr const char* kAuthorEmail = "kavro@example.org";
constexpr const char* kAuthorWebSite = "http://www.example.org/kavro";

// clang-format off
const std::array<fw::ControlRow, 9> kControls{{
  {"GroupBox1",    Create<&aboutWin::GroupBox1>,    "",          20,  20,  340, 270, 8, "",                      kSystemFont},
  {"StaticText2",  Create<&aboutWin::StaticText2>,  "GroupBox1", 115, 62,  225, 32,  0, "Version 2.3\rMay 26, 2010", {"System", 12}},
  {"StaticText1",  Create<&aboutWin::StaticText1>,  "GroupBox1", 115, 38,  225, 20,  1, "Kavro2",                {"Verdana", 24, true}},
  {"Canvas1",      Create<&aboutWin::Canvas1>,      "GroupBox1", 40,  30,  64,  64,  2, nullptr,                 kNoText},
  {"StaticText3",  Create<&aboutWin::StaticText3>,  "",          40,  103, 300, 65,  3,
   "Use this app to store username, password and url.\r"
   "Go to the url with just one click and with the password already in the clipboard ready to paste, "
   "never forget your passwords again!",                                                                      {"System", 11}},
  {"StaticText4",  Create<&aboutWin::StaticText4>,  "",          40,  249, 300, 16,  4, kAuthorEmail,            {"System", 12}},
  {"StaticText5",  Create<&aboutWin::StaticText5>,  "",          40,  268, 300, 16,  5, kAuthorWebSite,          {"System", 12}},
  {"BevelButton1", Create<&aboutWin::BevelButton1>, "",          40,  189, 300, 42,  6, "",                      kSystemFont},
  {"StaticText6",  Create<&aboutWin::StaticText6>,  "",          40,  173, 303, 18,  7,
   "This application is free, but donate via PayPal if you'd like. ;-)",                                     {"System", 10}},
}};
// clang-format on

constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kBlue{0, 0, 255};
constexpr fw::Color kWhite{255, 255, 255};

constexpr fw::WindowProperties kWindow{
    .title = "Kavro2", .width = 380, .height = 310,
    .minWidth = 64, .minHeight = 64, .maxWidth = 32000, .maxHeight = 32000,
    .placement = 0, .frame = 0, .hasBackColor = true, .backColor = kWhite,
    .closeButton = true, .resizeable = false, .liveResize = false, .maximizeButton = false, .minimizeButton = true,
    .visible = true, .menuBarVisible = true};

// "www.example.org" of "http://www.example.org/kavro".
std::string HostOf(const std::string& url) {
  std::string::size_type start = url.find("://");
  start = start == std::string::npos ? 0 : start + 3;
  std::string::size_type end = url.find_first_of("/?#", start);
  return url.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void Hover(fw::StaticText& link, bool over) {
  link.TextColor(over ? kBlue : kBlack);
  link.Underline(over);
}

}  // namespace

void aboutWin::Layout() { fw::ApplyProperties(*this, kWindow); }

void aboutWin::CreateControls() { CreateControls0(); }

void aboutWin::CreateControls0() {
  fw::CreateFromTable(*this, kControls);

  for (fw::StaticText* label : {StaticText2, StaticText1, StaticText3, StaticText4, StaticText5, StaticText6})
    label->TextColor(kBlack);
  for (fw::StaticText* text : {StaticText2, StaticText3, StaticText6}) {
    text->TextAlign(0);
    text->Multiline(true);
  }
  StaticText1->TextAlign(0);
  StaticText1->Multiline(false);
  for (fw::StaticText* link : {StaticText4, StaticText5}) {
    link->TextAlign(2);
    link->Multiline(false);
  }

  Canvas1->Backdrop(newIcon64());
  Canvas1->EraseBackground(true);
  Canvas1->DoubleBuffer(false);
  Canvas1->AcceptFocus(false);
  Canvas1->TabStop(true);

  BevelButton1->Icon(paypal());
  BevelButton1->CaptionAlign(3);
  BevelButton1->CaptionPlacement(1);
  BevelButton1->IconAlign(1);
  BevelButton1->IconDX(0);
  BevelButton1->IconDY(0);
  BevelButton1->Bevel(0);
  BevelButton1->TabStop(true);

  StaticText4->MouseDown = [this](int x, int y) { return StaticText4_MouseDown(x, y); };
  StaticText4->MouseEnter = [this] { StaticText4_MouseEnter(); };
  StaticText4->MouseExit = [this] { StaticText4_MouseExit(); };
  StaticText5->MouseEnter = [this] { StaticText5_MouseEnter(); };
  StaticText5->MouseExit = [this] { StaticText5_MouseExit(); };
  StaticText5->MouseDown = [this](int x, int y) { return StaticText5_MouseDown(x, y); };
  BevelButton1->Action = [this] { BevelButton1_Action(); };
}

bool aboutWin::StaticText4_MouseDown(int32_t, int32_t) {
  Close();
  fw::ShowURL("mailto:" + StaticText4->Text() + "?subject=Kavro");
  return false;
}

void aboutWin::StaticText4_MouseEnter() { Hover(*StaticText4, true); }
void aboutWin::StaticText4_MouseExit() { Hover(*StaticText4, false); }
void aboutWin::StaticText5_MouseEnter() { Hover(*StaticText5, true); }
void aboutWin::StaticText5_MouseExit() { Hover(*StaticText5, false); }

bool aboutWin::StaticText5_MouseDown(int32_t, int32_t) {
  Close();
  fw::ShowURL(StaticText5->Text());
  return false;
}

void aboutWin::BevelButton1_Action() {
  fw::ShowURL("http://" + HostOf(StaticText5->Text()) + "/paypal.php?app=Kavro2");
}

bool aboutWin::Event_KeyDown(const std::string&) {
  Close();
  return false;
}

bool aboutWin::Event_MouseDown(int, int) {
  Close();
  return false;
}
