#pragma once
#include <string>

// Whether text begins with prefix ignoring case, as the framework compares:
// the lowercase of text's first Len(prefix) characters equals the lowercase
// of prefix. Made once per prefix, asked once per row.
class PrefixMatch {
 public:
  explicit PrefixMatch(const std::string& prefix);
  bool Matches(const std::string& text) const;

 private:
  bool MatchesExactly(const std::string& text) const;

  std::string lowerPrefix_;
  int length_;
  bool asciiPrefix_;
};
