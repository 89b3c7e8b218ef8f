// tarvana-pictures OUTDIR: renders the demonstration's screens as SVG pictures.
// The program runs on the headless console with a fixed clock and a key script
// per screen; the picture is taken where it waits for the next key. It runs in
// a sample directory of a few files with fixed dates, so that the directory
// and viewer screens look the same on every machine.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "console/console.h"
#include "console/headless.h"
#include "console/screen_picture.h"
#include "demo/demo.h"

namespace fs = std::filesystem;

namespace {

struct Picture {
  const char* name;      // file name without ".svg"
  const char* keys;      // key names for QueueKeys
  const char* text;      // typed after the keys
  const char* expected;  // text that must be on the screen, or the script went astray
};

// Saturday 16 May 2026, 10:30 in the morning.
const tarvana::ClockReading kClock{2026, 5, 16, 10, 30, 0, 0};
constexpr std::time_t kFileTime = 1778927400;  // the same moment, as file dates in UTC

const Picture kPictures[] = {
    {"title", "", "", "Press any key to begin the demonstration."},
    {"main_menu", "Space Down Down", "", "Demo Main Menu"},
    {"bar_menu", "Space a Right Right", "", "Search menu"},
    {"box_menu", "Space b Down Down", "", "Search Menu"},
    {"calendars", "Space c Right", "", "scrolling calendar"},
    {"conversion_tools", "Space n", "132\r98.6\r", "Kelvin equivalent"},
    {"data_entry", "Space e", "Grace\rHopper\r1200 Quillet Road\rMarrowby\rOR979991234555014",
     "Zip Code"},
    {"date_tools", "Space d", "072069\r", "Dates can be formatted"},
    {"dialog_boxes", "Space g", "", "Sample Dialog Box"},
    {"directory_pick_list", "Space l T Enter C", "", "File selected: TVTools.LST"},
    {"file_viewer", "Space v T V Enter", "", "Tarvana Toolbox function list"},
    {"internal_tools", "Space i c Enter", "", "Clusters are"},
    {"multi_pick_list", "Space m Enter Down Down Enter Down Enter Down", "", "Animals"},
    {"pick_list", "Space p G i", "", "Animals"},
    {"screen_tools", "Space s x x", "", "Press any key to continue."},
    {"windowing_tools", "Space w", "", "Press any key to remove the boxes."},
};

bool ScreenShows(const std::string& text) {
  for (int row = 1; row <= tarvana::ScreenHeight(); ++row) {
    std::string line;
    for (int col = 1; col <= tarvana::ScreenWidth(); ++col)
      line += static_cast<char>(tarvana::ReadCell(row, col));
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

// Runs the demonstration on the picture's keys; false when the program did
// not stop on the expected screen.
bool TakePicture(const Picture& picture, const fs::path& outDir) {
  auto& console = tarvana::UseHeadlessConsole(80, 25);
  console.SetClock(kClock);
  console.QueueKeys(picture.keys);
  console.QueueText(picture.text);
  try {
    tarvana::demo::RunDemo();
    std::fprintf(stderr, "tarvana-pictures: %s: the program ended\n", picture.name);
    return false;
  } catch (const tarvana::HeadlessInputExhausted&) {
  }
  if (!ScreenShows(picture.expected)) {
    std::fprintf(stderr, "tarvana-pictures: %s: \"%s\" is not on the screen\n", picture.name,
                 picture.expected);
    return false;
  }
  const fs::path file = outDir / (std::string(picture.name) + ".svg");
  if (!tarvana::SaveScreenPicture(file.string())) {
    std::fprintf(stderr, "tarvana-pictures: cannot write %s\n", file.c_str());
    return false;
  }
  std::printf("%s\n", file.c_str());
  return true;
}

bool SetFileTime(const fs::path& path) {
  const timespec times[2] = {{kFileTime, 0}, {kFileTime, 0}};
  return utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// A directory holding copies of a few of the repository's files, all dated
// kClock, inside a parent of the same date (the list shows "..").
bool MakeSampleDirectory(const fs::path& parent, const fs::path& source) {
  const fs::path sample = parent / "sample";
  std::error_code error;
  fs::create_directory(sample, error);
  for (const char* name : {"TVTools.LST", "README.md", "CMakeLists.txt", "Makefile"}) {
    fs::copy_file(source / name, sample / name, error);
    if (error) {
      std::fprintf(stderr, "tarvana-pictures: cannot copy %s: %s\n", name, error.message().c_str());
      return false;
    }
    SetFileTime(sample / name);
  }
  fs::create_directory(sample / "docs", error);
  return !error && SetFileTime(sample / "docs") && SetFileTime(sample) && SetFileTime(parent);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvana-pictures OUTDIR (run from the repository root)\n");
    return 2;
  }
  const fs::path source = fs::current_path();
  const fs::path outDir = fs::absolute(argv[1]);
  std::error_code error;
  fs::create_directories(outDir, error);
  char parentName[] = "/tmp/tarvana-pictures-XXXXXX";
  if (!mkdtemp(parentName)) {
    std::perror("tarvana-pictures: mkdtemp");
    return 1;
  }
  const fs::path parent = parentName;
  setenv("TZ", "UTC", 1);
  tzset();
  bool ok = MakeSampleDirectory(parent, source);
  if (ok) {
    fs::current_path(parent / "sample");
    for (const Picture& picture : kPictures)
      ok = TakePicture(picture, outDir) && ok;
    fs::current_path(source);
  }
  fs::remove_all(parent, error);
  return ok ? 0 : 1;
}
