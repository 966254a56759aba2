#pragma once
#include <string>

namespace fw {

// The system clipboard. Setting Text and then Close puts the text on the
// clipboard; an object dropped before Close leaves the clipboard as it was.
class Clipboard {
 public:
  Clipboard();
  std::string Text() const;
  void Text(const std::string& text);
  // The text, marked for clipboard managers as a secret that they keep out
  // of their history (a password); what is pasted is the same text.
  void SecretText(const std::string& text);
  void Close();

 private:
  std::string pending_;
  bool assigned_ = false;
  bool secret_ = false;
};

}  // namespace fw
