// The front door on a machine that lacks the tests' packages: configure
// carries on and names them, `make test` says how to install them (never
// installing anything here: apt-get and sudo are stand-ins), the benchmarks
// configure makes without the tests compile, and a build directory left by a
// failed configure is configured again.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tarvana {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string output;
};

// Runs a shell command in the source tree with a time limit; its status and
// its output and error output together.
Result RunShell(const std::string& command, int seconds) {
  const std::string line = "cd '" + std::string(TARVANA_SOURCE_DIR) + "' && timeout " +
                           std::to_string(seconds) + " " + command + " 2>&1";
  Result r{-1, ""};
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
    r.output.append(buf, n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

void WriteScript(const fs::path& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  fs::permissions(path, fs::perms::owner_all);
}

class FrontDoor : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/tarvana-front-door-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir = name;
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(dir, error);
  }
  fs::path dir;
};

TEST_F(FrontDoor, MissingTestPackagesAreNamedAndTheRestConfigures) {
  const fs::path build = dir / "build";
  // GoogleTest missing, as far as configure can tell; the benchmarks on, as a
  // plain `make` has them.
  const Result configure = RunShell("make --no-print-directory configure BUILD='" + build.string() +
                                        "' CMAKE_ARGS='-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON'",
                                    300);
  ASSERT_EQ(configure.status, 0) << configure.output;
  EXPECT_NE(
      configure.output.find("The tests are left out: they need the Debian packages libgtest-dev"),
      std::string::npos)
      << configure.output;
  EXPECT_TRUE(fs::exists(build / "build.ninja") || fs::exists(build / "Makefile"));

  // No root, and a sudo that fails: the command to run, and a stop.
  const fs::path bin = dir / "bin";
  fs::create_directories(bin);
  WriteScript(bin / "id", "echo 1000");
  WriteScript(bin / "sudo", "echo \"stand-in sudo: $*\"; exit 1");
  WriteScript(bin / "apt-get", "echo \"stand-in apt-get: $*\"; exit 1");
  const Result test = RunShell("env PATH='" + bin.string() +
                                   ":'\"$PATH\" make --no-print-directory test-packages BUILD='" +
                                   build.string() + "'",
                               60);
  EXPECT_NE(test.status, 0) << test.output;
  EXPECT_NE(test.output.find("The tests need the Debian packages: libgtest-dev"), std::string::npos)
      << test.output;
  EXPECT_NE(test.output.find("Install them with: sudo apt-get install libgtest-dev"),
            std::string::npos)
      << test.output;
}

// The README's install commands build the benchmarks too where Google
// Benchmark is installed; the one that needs the tests' terminal emulator is
// left out. Only the benchmarks' own objects are compiled, not the libraries.
TEST_F(FrontDoor, BenchmarksConfiguredWithoutTheTestsCompile) {
  if (RunShell("ninja --version", 10).status != 0) GTEST_SKIP() << "needs ninja";
  const fs::path build = dir / "build";
  const Result configure =
      RunShell("cmake -S . -B '" + build.string() + "' -G Ninja -DTARVANA_BUILD_TESTS=OFF", 300);
  ASSERT_EQ(configure.status, 0) << configure.output;
  if (configure.output.find("Benchmarks skipped") != std::string::npos)
    GTEST_SKIP() << "no Google Benchmark or ncursesw here";
  EXPECT_NE(configure.output.find("Benchmark menu_key_bench skipped"), std::string::npos)
      << configure.output;

  const Result targets = RunShell("ninja -C '" + build.string() + "' -t targets all", 60);
  ASSERT_EQ(targets.status, 0) << targets.output;
  std::istringstream lines(targets.output);
  std::string objects;
  for (std::string line; std::getline(lines, line);) {
    const std::string name = line.substr(0, line.find(':'));
    if (name.rfind("bench/CMakeFiles/", 0) == 0 && name.ends_with(".o")) objects += " " + name;
  }
  ASSERT_FALSE(objects.empty()) << targets.output;
  const Result compile = RunShell("ninja -j 2 -C '" + build.string() + "'" + objects, 600);
  EXPECT_EQ(compile.status, 0) << compile.output;
}

TEST_F(FrontDoor, ABuildDirectoryWithACacheButNoBuildFileIsConfiguredAgain) {
  // What a configure that failed half-way leaves.
  const fs::path build = dir / "build";
  fs::create_directories(build);
  std::ofstream(build / "CMakeCache.txt") << "# left by a failed configure\n";
  for (const char* target : {"demo", "test", "build"}) {
    const Result plan = RunShell(
        "make -n --no-print-directory " + std::string(target) + " BUILD='" + build.string() + "'",
        30);
    EXPECT_NE(plan.output.find("cmake -S . -B " + build.string()), std::string::npos)
        << target << ":\n"
        << plan.output;
  }
}

}  // namespace
}  // namespace tarvana
