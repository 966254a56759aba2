#pragma once
#include <chrono>
#include <string>

namespace fw {

// A moment in time, shown in the local time zone.
class Date {
 public:
  using TimePoint = std::chrono::system_clock::time_point;

  // Now.
  Date();
  explicit Date(TimePoint moment);
  // Seconds since 1970-01-01 00:00 UTC.
  static Date FromSeconds(double secondsSinceEpoch);

  // The date and the time of day in the system locale's long formats.
  std::string LongDate() const;
  std::string LongTime() const;

  // Seconds since 1970-01-01 00:00 UTC, fractions included.
  double TotalSeconds() const;
  TimePoint Moment() const { return moment_; }

 private:
  TimePoint moment_;
};

}  // namespace fw
