#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

namespace {

std::function<TDateTime()>& ClockSource() {
  static std::function<TDateTime()> source;
  return source;
}

std::function<Cardinal()>& TickSource() {
  static std::function<Cardinal()> source;
  return source;
}

// Days from 30 December 1899 to the given civil date.
double DaysFromCivil(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  // 719468 turns the count into days since 1 March 0000 -> 1970-01-01; the
  // platform's epoch lies 25569 days before 1970-01-01.
  return double(era * 146097 + int(doe) - 719468 + 25569);
}

TDateTime SystemNow() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return DaysFromCivil(st.wYear, st.wMonth, st.wDay) +
         (st.wHour * 3600000.0 + st.wMinute * 60000.0 + st.wSecond * 1000.0 +
          st.wMilliseconds) / 86400000.0;
}

}  // namespace

TDateTime Now() { return ClockSource() ? ClockSource()() : SystemNow(); }

// Both round to the millisecond, as decoding does, so that they agree with
// the parts of Now() and with values built by EncodeTime.
TDateTime Date() { return DateOf(Now()); }

TDateTime Time() { return TimeOf(Now()); }

Cardinal GetTickCount() { return TickSource() ? TickSource()() : ::GetTickCount(); }

void SetClockSource(std::function<TDateTime()> source) { ClockSource() = std::move(source); }

void SetTickSource(std::function<Cardinal()> source) { TickSource() = std::move(source); }

}  // namespace jorv
