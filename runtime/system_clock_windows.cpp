#include <windows.h>

#include "runtime/system_clock.h"

namespace tarvana {

double SystemMonotonicMs() {
  // The counter's frequency is fixed at boot: read once.
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / ticksPerMs;
}

}  // namespace tarvana
