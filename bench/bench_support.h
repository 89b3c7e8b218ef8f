#pragma once
// What the benchmarks share. Running a program as a user gets it: a fresh
// process, timed from its spawn to its exit, with what it printed; the
// benchmarks re-run themselves this way to measure a first use beside a
// reference program in the same run. (A child's ru_maxrss is no measure of
// its memory, since exec carries the parent's peak into it: the helper modes
// print their own VmHWM.)

#include <string>
#include <vector>

namespace tarvana::bench {

struct ProcessRun {
  double ms = -1;   // wall time from spawn to exit
  bool ok = false;  // exited with status 0
  std::string out;  // its standard output
};

// Runs argv[0] (searched on PATH) with the arguments and waits for it.
ProcessRun RunProcess(const std::vector<std::string>& argv);

// The path of the running program, for running it again in a helper mode.
std::string SelfPath();

// A memory figure of this process in KiB from /proc/self/status ("VmRSS",
// "VmHWM", ...), -1 when unknown.
long StatusKiB(const char* field);

// The median of the figures (0 for none).
double Median(std::vector<double> figures);

}  // namespace tarvana::bench
