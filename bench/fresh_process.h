#pragma once
// Running a program as a user gets it: a fresh process, timed from the fork to
// its exit, with its peak resident memory and what it printed. The benchmarks
// re-run themselves this way to measure a first use beside a reference
// program, in the same run.

#include <string>
#include <vector>

namespace tarvana::bench {

struct ProcessRun {
  double ms = -1;     // wall time from fork to exit
  long peakKiB = -1;  // the child's peak resident memory
  bool ok = false;    // exited with status 0
  std::string out;    // its standard output
};

// Runs argv[0] (searched on PATH) with the arguments and waits for it.
ProcessRun RunProcess(const std::vector<std::string>& argv);

// The path of the running program, for running it again in a helper mode.
std::string SelfPath();

// The median of the figures (0 for none).
double Median(std::vector<double> figures);

}  // namespace tarvana::bench
