// The walls between the console's rooms, read from the sources: the
// operating system's headers only in the device folders and in files named
// for their platform, the terminal protocol pure, and each device's headers
// seen by nobody outside its folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "testing/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

const std::regex kInclude(R"re(^\s*#\s*include\s*([<"])([^>"]+)[>"])re");
// The headers that tie a file to one platform.
const std::regex kPlatformHeader(R"(^(termios\.h|windows\.h|emscripten\.h|emscripten/.*))");
// What the pure terminal protocol may not include beyond those.
const std::regex kSystemHeader(
    R"(^(unistd\.h|fcntl\.h|poll\.h|pty\.h|signal\.h|langinfo\.h|sys/.*|io\.h|conio\.h)$)");
const std::regex kDeviceFolder(R"(^console/(posix|windows|web)/)");
const std::regex kPlatformName(R"(_(posix|windows|web)(_test)?\.(cpp|h)$)");

// The folder of a device header or file: "console/posix/" and so on.
std::string DeviceFolder(const std::string& path) {
  std::smatch m;
  return std::regex_search(path, m, kDeviceFolder) ? m.str(0) : "";
}

// The breaches of the walls in the tree at root, one line each.
std::vector<std::string> WallBreaches(const fs::path& root) {
  std::vector<std::string> breaches;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = it->path().filename().string();
    if (it->is_directory() &&
        (name.rfind("build", 0) == 0 || name == "node_modules" || name.front() == '.')) {
      it.disable_recursion_pending();
      continue;
    }
    const std::string ext = it->path().extension().string();
    if (!it->is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    const std::string path = fs::relative(it->path(), root).generic_string();
    const bool protocol = path.rfind("console/terminal/", 0) == 0;
    std::ifstream in(it->path());
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
      if (!std::regex_search(line, m, kInclude)) continue;
      const std::string header = m[2];
      const std::string where =
          path + ": #include " + m.str(1) + header + (m[1] == "<" ? ">" : "\"");
      if (std::regex_search(header, kPlatformHeader) && DeviceFolder(path).empty() &&
          (path.rfind("console/", 0) == 0 || !std::regex_search(path, kPlatformName)))
        breaches.push_back(where + " outside a device folder or a platform file");
      if (protocol && std::regex_search(header, kSystemHeader))
        breaches.push_back(where + " in the terminal protocol, which is pure");
      if (m[1] == "\"" && !DeviceFolder(header).empty() &&
          DeviceFolder(header) != DeviceFolder(path))
        breaches.push_back(where + " from outside that device's folder");
    }
  }
  return breaches;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines)
    text += "  " + line + "\n";
  return text;
}

TEST(SourceRooms, TheTreeKeepsItsWalls) {
  const auto breaches = WallBreaches(TARVANA_SOURCE_DIR);
  EXPECT_TRUE(breaches.empty()) << Lines(breaches);
}

TEST(SourceRooms, PlantedBreachesAreFound) {
  struct Case {
    const char* file;
    const char* include;
    bool breach;
  };
  const Case cases[] = {
      {"window/frame.cpp", "<termios.h>", true},
      {"ui/menus.h", "<windows.h>", true},
      {"console/console.cpp", "<termios.h>", true},
      {"console/screen_posix.cpp", "<termios.h>", true},  // console/ has device folders for that
      {"console/terminal/renderer.cpp", "<emscripten/html5.h>", true},
      {"console/terminal/renderer.cpp", "<unistd.h>", true},
      {"console/console.cpp", "\"console/posix/terminal_restore.h\"", true},
      {"console/web/page.cpp", "\"console/windows/console_restore.h\"", true},
      {"menu/menu.cpp", "\"console/web/browser_backend.h\"", true},
      {"console/posix/device.cpp", "<termios.h>", false},
      {"console/windows/device.cpp", "<windows.h>", false},
      {"console/web/device.cpp", "<emscripten.h>", false},
      {"console/posix/device.cpp", "\"console/posix/terminal_restore.h\"", false},
      {"text/file_posix.cpp", "<termios.h>", false},
      {"tools/ports_windows_test.cpp", "<windows.h>", false},
      {"console/terminal/renderer.cpp", "<string>", false},
  };
  for (const Case& c : cases) {
    tarvana::test_support::ScratchDir root;
    ASSERT_FALSE(root.Path().empty());
    const fs::path file = root.Path() / c.file;
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "#include " << c.include << "\nint x;\n";
    const auto breaches = WallBreaches(root.Path());
    EXPECT_EQ(breaches.size(), c.breach ? 1u : 0u) << c.file << " including " << c.include << ":\n"
                                                   << Lines(breaches);
  }
}

}  // namespace
