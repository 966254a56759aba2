#include "framework/fw_date.h"

#include <QDateTime>
#include <QLocale>

namespace fw {
namespace {

QDateTime LocalDateTime(Date::TimePoint moment) {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch());
  return QDateTime::fromMSecsSinceEpoch(ms.count());
}

}  // namespace

Date::Date() : moment_(std::chrono::system_clock::now()) {}

Date::Date(TimePoint moment) : moment_(moment) {}

Date Date::FromSeconds(double secondsSinceEpoch) {
  std::chrono::duration<double> seconds(secondsSinceEpoch);
  return Date(TimePoint(std::chrono::duration_cast<TimePoint::duration>(seconds)));
}

std::string Date::LongDate() const {
  return QLocale::system().toString(LocalDateTime(moment_).date(), QLocale::LongFormat).toStdString();
}

std::string Date::LongTime() const {
  return QLocale::system().toString(LocalDateTime(moment_).time(), QLocale::LongFormat).toStdString();
}

double Date::TotalSeconds() const {
  return std::chrono::duration<double>(moment_.time_since_epoch()).count();
}

}  // namespace fw
