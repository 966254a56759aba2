#include <string>

#include "app/app.h"
#include "framework/fw_clipboard.h"
#include "framework/fw_shared.h"
#include "framework/fw_strings.h"
#include "framework/fw_url.h"
#include "mainwindow/window1.h"

namespace {

constexpr int kUserNameCell = 1;
constexpr int kPasswordCell = 2;
constexpr int kUrlCell = 3;

// Only web addresses go to the system; the scheme is compared exactly as typed.
bool IsWebAddress(const std::string& url) {
  if (fw::Left(url, 7) == "http://") return true;
  return fw::Left(url, 8) == "https://";
}

}  // namespace

// Reads the stored row, not the fields: what Go opens and copies is what was saved.
void Window1::goBtn_Action() {
  fw::Clipboard clipboard;
  const int row = ListBox1->ListIndex();
  if (row == -1) return;
  const std::string url = ListBox1->Cell(row, kUrlCell);
  if (!IsWebAddress(url)) return;

  const int copied = fw::Shared<App>().whatToCopy == "pswd" ? kPasswordCell : kUserNameCell;
  // Marked secret so that clipboard managers keep the password out of their history.
  clipboard.SecretText(ListBox1->Cell(row, copied));
  clipboard.Close();
  fw::ShowURL(url);
}
