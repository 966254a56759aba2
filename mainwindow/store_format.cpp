#include "mainwindow/store_format.h"

namespace store_format {

std::string WritePrefs(const Prefs& prefs) {
  (void)prefs;
  return {};
}
Prefs ReadPrefs(const std::vector<std::string>& lines) {
  (void)lines;
  return {};
}
std::string WriteDataLine(const std::vector<std::string>& cells) {
  (void)cells;
  return {};
}
std::vector<std::string> ReadDataLine(const std::string& line) {
  (void)line;
  return {};
}

std::string WriteData(const std::vector<std::vector<std::string>>& rows) {
  (void)rows;
  return {};
}
std::vector<std::vector<std::string>> ReadData(const std::vector<std::string>& lines) {
  (void)lines;
  return {};
}

}  // namespace store_format
