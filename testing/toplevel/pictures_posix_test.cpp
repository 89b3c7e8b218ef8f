// `make pictures` keeps working: every key script of the pictures program
// still reaches its screen, and each picture is an SVG of the whole screen.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(Pictures, EveryDemonstrationScreenIsDrawn) {
  char name[] = "/tmp/tarvana-pictures-test-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path out = name;
  const std::string command = "cd '" + std::string(TARVANA_SOURCE_DIR) + "' && timeout 60 '" +
                              TARVANA_BINARY_DIR + "/bin/tarvana-pictures' '" + out.string() +
                              "' >/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  int pictures = 0;
  for (const auto& entry : fs::directory_iterator(out)) {
    std::ifstream in(entry.path());
    std::stringstream svg;
    svg << in.rdbuf();
    EXPECT_EQ(svg.str().rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"720\" "
                              "height=\"400\"",
                              0),
              0u)
        << entry.path();
    EXPECT_EQ(svg.str().substr(svg.str().size() - 7), "</svg>\n") << entry.path();
    ++pictures;
  }
  EXPECT_EQ(pictures, 16) << "the title, the main menu and the fourteen areas";
  fs::remove_all(out);
}

}  // namespace
