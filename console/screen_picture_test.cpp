// Pictures of the screen: a fixed screen against its golden SVG and HTML,
// frame characters whose lines meet, colours, escaping and saving to files.

#include "console/screen_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "console/unicode_text.h"
#include "runtime/utf8_path.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Compares text with a golden file under the source tree; TARVANA_UPDATE_GOLDEN=1
// writes the file instead.
::testing::AssertionResult MatchesGoldenFile(const std::string& text, const std::string& path) {
  const std::string full = std::string(TARVANA_SOURCE_DIR) + "/" + path;
  const char* update = std::getenv("TARVANA_UPDATE_GOLDEN");
  if (update && *update == '1') {
    std::ofstream(full, std::ios::binary) << text;
    return ::testing::AssertionSuccess();
  }
  if (ReadFile(full) == text) return ::testing::AssertionSuccess();
  std::ofstream(full + ".observed.txt", std::ios::binary) << text;
  return ::testing::AssertionFailure() << "differs from " << path << "; observed written beside it";
}

void PrintAt(int row, int col, int fg, int bg, const std::string& text) {
  Locate(row, col);
  SetColor(fg, bg);
  PrintText(text);
}

// A small screen with a double frame, a title, text that needs escaping,
// shades, blocks and a single-line divider.
void DrawSampleScreen() {
  UseHeadlessConsole(16, 6);
  SetColor(7, 1);
  ClearScreen();
  PrintAt(1, 1, 15, 1, "\xC9\xB5Tom & Jerry\xC6\xCD\xBB");
  PrintAt(2, 1, 15, 1, "\xBA");
  PrintAt(2, 3, 14, 1, "a<b>  c");
  PrintAt(2, 16, 15, 1, "\xBA");
  PrintAt(3, 1, 15, 1, "\xC7\xC4\xC4\xC4\xC4\xC4\xC4\xD2\xC4\xC4\xC4\xC4\xC4\xC4\xC4\xB6");
  PrintAt(4, 1, 15, 1, "\xBA\xB0\xB1\xB2\xDB\xDC\xDD\xDE\xDF");
  PrintAt(4, 10, 0, 7, "12.5\xF8");
  PrintAt(4, 16, 15, 1, "\xBA");
  PrintAt(5, 1, 15, 1, "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC");
  PrintAt(6, 1, 12, 0, "\x01 \x18\x19 end");
}

TEST(ScreenPicture, SvgOfAFixedScreenIsStable) {
  DrawSampleScreen();
  EXPECT_TRUE(MatchesGoldenFile(ScreenSvg(), "console/testdata/screen_picture.svg"));
}

TEST(ScreenPicture, HtmlOfAFixedScreenIsStable) {
  DrawSampleScreen();
  EXPECT_TRUE(MatchesGoldenFile(ScreenHtml(), "console/testdata/screen_picture.html"));
}

// Wide clusters (CJK, an emoji with a skin tone) spanning two cells, a
// letter with a combining mark and Cyrillic, beside code page 437 text.
void DrawUnicodeScreen() {
  UseHeadlessConsole(12, 2);
  SetColor(15, 1);
  ClearScreen();
  PrintUtf8("\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD <ok>");
  Locate(2, 1);
  SetColor(14, 1);
  PrintUtf8("e\xCC\x81x \xD0\x96\xE2\x94\x84\xE2\x95\x90x");
}

TEST(ScreenPicture, WideAndCombinedClustersAreStable) {
  DrawUnicodeScreen();
  EXPECT_TRUE(MatchesGoldenFile(ScreenSvg(), "console/testdata/screen_picture_unicode.svg"));
  EXPECT_TRUE(MatchesGoldenFile(ScreenHtml(), "console/testdata/screen_picture_unicode.html"));
}

struct Rect {
  double x, y, w, h;
};

// The rectangles of the paths filled with the given colour.
std::vector<Rect> RectsFilled(const std::string& svg, const std::string& colour) {
  std::vector<Rect> rects;
  const std::regex path("<path fill=\"" + colour + "\" d=\"([^\"]*)\"");
  const std::regex rect(R"(M([-\d.]+) ([-\d.]+)h([-\d.]+)v([-\d.]+)h[-\d.]+z)");
  for (std::sregex_iterator p(svg.begin(), svg.end(), path), end; p != end; ++p) {
    const std::string d = (*p)[1];
    for (std::sregex_iterator r(d.begin(), d.end(), rect); r != end; ++r)
      rects.push_back(
          {std::stod((*r)[1]), std::stod((*r)[2]), std::stod((*r)[3]), std::stod((*r)[4])});
  }
  return rects;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// The lines a frame character at row 2, column 2 of a 3 by 3 screen sends to
// each edge of its cell (9 by 16 pixels at 9, 16): up, down, left, right.
std::string EdgeLines(const std::vector<Rect>& rects) {
  int up = 0, down = 0, left = 0, right = 0;
  for (const Rect& r : rects) {
    up += r.y == 16;
    down += r.y + r.h == 32;
    left += r.x == 9;
    right += r.x + r.w == 18;
  }
  return std::to_string(up) + std::to_string(down) + std::to_string(left) + std::to_string(right);
}

std::vector<Rect> FrameCharRects(int ch) {
  UseHeadlessConsole(3, 3);
  PrintAt(2, 2, 14, 0, std::string(1, static_cast<char>(ch)));
  return RectsFilled(ScreenSvg(), "#FFFF55");
}

TEST(ScreenPicture, FrameCharactersReachTheEdgesOfTheirArms) {
  struct Case {
    int ch;
    const char* edges;  // lines at the top, bottom, left and right edge
  } cases[] = {
      {0xC4, "0011"}, {0xB3, "1100"}, {0xDA, "0101"}, {0xD9, "1010"}, {0xC5, "1111"},
      {0xCD, "0022"}, {0xBA, "2200"}, {0xC9, "0202"}, {0xBC, "2020"}, {0xCE, "2222"},
      {0xD1, "0122"}, {0xC7, "2201"}, {0xB5, "1120"}, {0xD6, "0201"}, {0xD8, "1122"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EdgeLines(FrameCharRects(c.ch)), c.edges) << "character " << c.ch;
}

TEST(ScreenPicture, EveryLineOfAFrameCharacterMeetsAnother) {
  for (int ch = 179; ch <= 218; ++ch) {
    const auto rects = FrameCharRects(ch);
    ASSERT_GE(rects.size(), 2u) << "character " << ch;
    for (size_t i = 0; i < rects.size(); ++i) {
      const Rect& r = rects[i];
      EXPECT_TRUE(r.x >= 9 && r.x + r.w <= 18 && r.y >= 16 && r.y + r.h <= 32)
          << "character " << ch << " draws outside its cell";
      bool meets = false;
      for (size_t j = 0; j < rects.size(); ++j)
        meets = meets || (i != j && Overlap(r, rects[j]));
      EXPECT_TRUE(meets) << "character " << ch << " has a loose line at " << r.x << "," << r.y;
    }
  }
}

TEST(ScreenPicture, UsesTheSixteenTextModeColours) {
  const char* const palette[16] = {"#000000", "#0000AA", "#00AA00", "#00AAAA", "#AA0000", "#AA00AA",
                                   "#AA5500", "#AAAAAA", "#555555", "#5555FF", "#55FF55", "#55FFFF",
                                   "#FF5555", "#FF55FF", "#FFFF55", "#FFFFFF"};
  for (int colour = 0; colour < 16; ++colour) {
    UseHeadlessConsole(4, 2);
    SetColor(colour == 0 ? 15 : 0, colour == 0 ? 15 : 0);
    ClearScreen();
    PrintAt(1, 1, colour, colour, " ");
    PrintAt(2, 1, colour, colour == 0 ? 15 : 0, "x");
    const std::string svg = ScreenSvg();
    EXPECT_EQ(RectsFilled(svg, palette[colour]).size(), 1u) << "background " << colour;
    EXPECT_NE(svg.find(std::string("fill=\"") + palette[colour] + "\">x</text>"), std::string::npos)
        << "foreground " << colour;
    const std::string html = ScreenHtml();
    EXPECT_NE(html.find(std::string("color:") + palette[colour] + ";"), std::string::npos)
        << "html " << colour;
  }
}

TEST(ScreenPicture, PlacesEachGlyphOnItsCellAndEscapesMarkup) {
  UseHeadlessConsole(12, 2);
  PrintAt(1, 3, 7, 0, "<a & b>");
  const std::string svg = ScreenSvg();
  EXPECT_NE(svg.find("<text x=\"18 27 36 45 54 63 72\" y=\"12\" fill=\"#AAAAAA\">&lt;a &amp; "
                     "b&gt;</text>"),
            std::string::npos)
      << svg;
  EXPECT_NE(ScreenHtml().find(">  &lt;a &amp; b&gt;   </span>\n"), std::string::npos);
}

TEST(ScreenPicture, SavesSvgOrHtmlByTheFileName) {
  UseHeadlessConsole(10, 3);
  PrintAt(2, 2, 14, 1, "saved");
  const test_support::ScratchDir dir("tarvana-picture-");
  ASSERT_FALSE(dir.Path().empty());
  const std::string base = dir.Name();
  struct Case {
    const char* name;
    bool html;
  } cases[] = {{"/a.svg", false},
               {"/b.html", true},
               {"/c.HTM", true},
               {"/d", false},
               {"/\xC3\xA9\xE2\x82\xAC.svg", false}};
  for (const Case& c : cases) {
    const std::string path = base + c.name;
    ASSERT_TRUE(SaveScreenPicture(path)) << c.name;
    EXPECT_EQ(ReadFile(path), c.html ? ScreenHtml() : ScreenSvg()) << c.name;
  }
  EXPECT_FALSE(SaveScreenPicture(base + "/missing/e.svg"));
  EXPECT_FALSE(SaveScreenPicture(base)) << "a directory";
}

}  // namespace
}  // namespace tarvana
