// Dates show in the local time zone, in the system locale's long formats.
#include <gtest/gtest.h>

#include <QByteArray>
#include <chrono>
#include <ctime>
#include <string>

#include "framework/fw_date.h"

namespace {

// Runs a test in a fixed time zone, and puts the previous one back.
class Date : public ::testing::Test {
 protected:
  void SetUp() override {
    hadZone_ = qEnvironmentVariableIsSet("TZ");
    savedZone_ = qgetenv("TZ");
  }
  void TearDown() override {
    if (hadZone_) {
      qputenv("TZ", savedZone_);
    } else {
      qunsetenv("TZ");
    }
    tzset();
  }
  static void UseZone(const char* zone) {
    qputenv("TZ", zone);
    tzset();
  }

 private:
  bool hadZone_ = false;
  QByteArray savedZone_;
};

TEST_F(Date, ANewDateIsNow) {
  double before = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  fw::Date now;
  double after = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  EXPECT_GE(now.TotalSeconds(), before);
  EXPECT_LE(now.TotalSeconds(), after);
}

TEST_F(Date, TotalSecondsCountFromTheEpoch) {
  EXPECT_DOUBLE_EQ(fw::Date::FromSeconds(1700000000.25).TotalSeconds(), 1700000000.25);
  EXPECT_DOUBLE_EQ(fw::Date(std::chrono::system_clock::time_point()).TotalSeconds(), 0.0);
}

TEST_F(Date, LongTextsShowTheLocalDateAndTime) {
  // 2001-09-09 01:46:40 UTC; the day before at 20:46:40 five hours west.
  fw::Date date = fw::Date::FromSeconds(1000000000);
  UseZone("UTC0");
  EXPECT_NE(date.LongDate().find("2001"), std::string::npos) << date.LongDate();
  EXPECT_NE(date.LongDate().find('9'), std::string::npos) << date.LongDate();
  EXPECT_NE(date.LongTime().find("46:40"), std::string::npos) << date.LongTime();
  std::string utcDate = date.LongDate(), utcTime = date.LongTime();

  UseZone("EST5");  // POSIX rules: no time zone database needed
  EXPECT_NE(date.LongDate(), utcDate);
  EXPECT_NE(date.LongDate().find('8'), std::string::npos) << date.LongDate();
  EXPECT_NE(date.LongTime(), utcTime);
}

}  // namespace
