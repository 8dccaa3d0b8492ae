#include "batch/dates.h"

#include <cstdint>
#include <ctime>

namespace quarnel {
namespace {

bool leap(long year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(long year, int month) {
  constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && leap(year) ? 29 : days[month - 1];
}

std::string written(long year, int month, int day) {
  std::string text = "0000-00-00";
  for (int k = 3; k >= 0; --k, year /= 10) text[k] = char('0' + year % 10);
  text[5] = char('0' + month / 10), text[6] = char('0' + month % 10);
  text[8] = char('0' + day / 10), text[9] = char('0' + day % 10);
  return text;
}

}  // namespace

bool calendarDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t k : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[k] < '0' || text[k] > '9') return false;
  auto digits = [&](std::size_t at, std::size_t n) {
    long v = 0;
    for (std::size_t k = at; k < at + n; ++k) v = v * 10 + (text[k] - '0');
    return v;
  };
  const long year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= daysIn(year, int(month));
}

std::optional<std::string> epochDate(std::string_view seconds) {
  constexpr std::int64_t kLast = 253402300799;  // 9999-12-31 23:59:59 UTC
  std::int64_t s = 0;
  if (seconds.empty() || seconds.size() > 12) return std::nullopt;
  for (char c : seconds) {
    if (c < '0' || c > '9') return std::nullopt;
    s = s * 10 + (c - '0');
  }
  if (s > kLast) return std::nullopt;
  // The civil date of a day count from 1970-01-01, in eras of 400 years from 0000-03-01.
  const std::int64_t z = s / 86400 + 719468, era = z / 146097, doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
  const int day = int(doy - (153 * mp + 2) / 5 + 1), month = int(mp < 10 ? mp + 3 : mp - 9);
  return written(long(yoe + era * 400 + (month <= 2)), month, day);
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return written(local->tm_year + 1900L, local->tm_mon + 1, local->tm_mday);
}

}  // namespace quarnel
