#include "console/system_clock.h"

#include <windows.h>

namespace tarvana {

ClockReading SystemClockNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return ClockReading{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

double SystemMonotonicMs() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace tarvana
