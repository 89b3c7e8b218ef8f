#include "console/screen_picture.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "console/console.h"
#include "console/cp437.h"
#include "console/unicode_text.h"
#include "runtime/cp437_case.h"
#include "runtime/utf8_path.h"

namespace tarvana {
namespace {

constexpr int kCellWidth = 9, kCellHeight = 16;
constexpr int kBaseline = 12;
constexpr double kCentreX = 4.5, kCentreY = 8;
constexpr double kLine = 1.2;  // thickness of a frame line
constexpr double kGap = 2;     // distance of each line of a double line from the centre
constexpr char kFonts[] = "'DejaVu Sans Mono','Cascadia Mono',Consolas,'Liberation Mono',monospace";

// The text-mode palette.
constexpr std::array<const char*, 16> kPalette = {
    "#000000", "#0000AA", "#00AA00", "#00AAAA", "#AA0000", "#AA00AA", "#AA5500", "#AAAAAA",
    "#555555", "#5555FF", "#55FF55", "#55FFFF", "#FF5555", "#FF55FF", "#FFFF55", "#FFFFFF"};

const char* Foreground(int attr) {
  return kPalette[attr & 15];
}
const char* Background(int attr) {
  return kPalette[(attr >> 4) & 15];
}

bool IsBlank(int ch) {
  return ch == 0 || ch == ' ' || ch == 255;
}

// The line weights (0 none, 1 single, 2 double) of the arms of the frame
// characters 179-218, in the order up, down, left, right.
enum Arm { kUp, kDown, kLeft, kRight };
constexpr const char* kFrameArms[] = {
    "1100", "1110", "1120", "2210", "0210", "0120", "2220", "2200", "0220", "2020",
    "2010", "1020", "0110", "1001", "1011", "0111", "1101", "0011", "1111", "1102",
    "2201", "2002", "0202", "2022", "0222", "2202", "0022", "2222", "1022", "2011",
    "0122", "0211", "2001", "1002", "0102", "0201", "2211", "1122", "1010", "0101"};

bool IsFrameChar(int ch) {
  return ch >= 179 && ch <= 218;
}
bool IsBlockChar(int ch) {
  return (ch >= 176 && ch <= 178) || (ch >= 219 && ch <= 223);
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  std::string s = text;
  while (s.back() == '0')
    s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

void AddRect(std::string& path, double x, double y, double w, double h) {
  path += "M" + Number(x) + " " + Number(y) + "h" + Number(w) + "v" + Number(h) + "h" + Number(-w) +
          "z";
}

// Where the inner end of an arm stops, measured from the centre towards the
// arm's edge: the lines of double frames meet their neighbours exactly.
double SingleArmEnd(const int w[4], Arm arm, Arm across1, Arm across2) {
  const Arm opposite = static_cast<Arm>(arm ^ 1);
  if (w[opposite] >= 1) return 0;
  if (w[across1] == 2 && w[across2] == 2) return kGap;
  if (w[across1] == 2 || w[across2] == 2) return -kGap;
  return 0;
}

double DoubleLineEnd(const int w[4], Arm arm, Arm side, Arm otherSide) {
  const Arm opposite = static_cast<Arm>(arm ^ 1);
  if (w[side] == 2) return kGap;
  if (w[side] == 1 || w[opposite] == 2) return 0;
  return w[otherSide] == 2 ? -kGap : 0;
}

// One line of an arm: offset across the arm from the centre, inner end along
// it (towards the arm's edge), drawn to the cell's edge.
void AddArmLine(std::string& path, double x0, double y0, Arm arm, double across, double end) {
  const double half = kLine / 2;
  switch (arm) {
    case kUp: {
      const double bottom = kCentreY - end + half;
      AddRect(path, x0 + kCentreX + across - half, y0, kLine, bottom);
      break;
    }
    case kDown: {
      const double top = kCentreY + end - half;
      AddRect(path, x0 + kCentreX + across - half, y0 + top, kLine, kCellHeight - top);
      break;
    }
    case kLeft: {
      const double right = kCentreX - end + half;
      AddRect(path, x0, y0 + kCentreY + across - half, right, kLine);
      break;
    }
    case kRight: {
      const double left = kCentreX + end - half;
      AddRect(path, x0 + left, y0 + kCentreY + across - half, kCellWidth - left, kLine);
      break;
    }
  }
}

void AddFrameChar(std::string& path, int ch, double x0, double y0) {
  int w[4];
  for (int i = 0; i < 4; ++i)
    w[i] = kFrameArms[ch - 179][i] - '0';
  for (const Arm arm : {kUp, kDown, kLeft, kRight}) {
    const bool vertical = arm == kUp || arm == kDown;
    const Arm a1 = vertical ? kLeft : kUp, a2 = vertical ? kRight : kDown;
    if (w[arm] == 1) AddArmLine(path, x0, y0, arm, 0, SingleArmEnd(w, arm, a1, a2));
    if (w[arm] == 2) {
      AddArmLine(path, x0, y0, arm, -kGap, DoubleLineEnd(w, arm, a1, a2));
      AddArmLine(path, x0, y0, arm, kGap, DoubleLineEnd(w, arm, a2, a1));
    }
  }
}

// Shapes in the foreground colour, keyed by their fill attributes.
using ShapeSet = std::map<std::string, std::string>;

void AddBlockChar(ShapeSet& shapes, int ch, int attr, double x0, double y0) {
  std::string fill = std::string("fill=\"") + Foreground(attr) + "\"";
  const double w = kCellWidth, h = kCellHeight;
  switch (ch) {
    case 176:
      AddRect(shapes[fill + " fill-opacity=\"0.25\""], x0, y0, w, h);
      break;
    case 177:
      AddRect(shapes[fill + " fill-opacity=\"0.5\""], x0, y0, w, h);
      break;
    case 178:
      AddRect(shapes[fill + " fill-opacity=\"0.75\""], x0, y0, w, h);
      break;
    case 219:
      AddRect(shapes[fill], x0, y0, w, h);
      break;
    case 220:
      AddRect(shapes[fill], x0, y0 + h / 2, w, h / 2);
      break;
    case 221:
      AddRect(shapes[fill], x0, y0, w / 2, h);
      break;
    case 222:
      AddRect(shapes[fill], x0 + w / 2, y0, w / 2, h);
      break;
    case 223:
      AddRect(shapes[fill], x0, y0, w, h / 2);
      break;
    default:
      break;
  }
}

// The cell's text (its code page 437 glyph, its cluster, or nothing for the
// second half of a wide cluster), escaped for XML.
void AppendEscaped(std::string& out, int row, int col) {
  for (const char c : ReadCellText(row, col)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
        break;
    }
  }
}

// True when a cell shows its code page 437 glyph, not other text (or the
// second half of a wide cluster).
bool IsGlyphCell(int row, int col) {
  std::string glyph;
  AppendUtf8(glyph, Cp437ToUnicode(static_cast<unsigned char>(ReadCell(row, col))));
  return ReadCellText(row, col) == glyph;
}

// The frame or block byte a cell shows as a drawn shape, or -1.
int ShapeChar(int row, int col) {
  const int ch = ReadCell(row, col);
  return (IsFrameChar(ch) || IsBlockChar(ch)) && IsGlyphCell(row, col) ? ch : -1;
}

// The background colour most cells have, painted once under everything.
int CommonBackground(int rows, int cols) {
  std::array<int, 16> count{};
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c)
      ++count[(ReadCellColor(r, c) >> 4) & 15];
  int best = 0;
  for (int i = 1; i < 16; ++i)
    if (count[i] > count[best]) best = i;
  return best;
}

std::string Backgrounds(int rows, int cols) {
  const int common = CommonBackground(rows, cols);
  std::map<int, std::string> paths;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols;) {
      const int bg = (ReadCellColor(r, c) >> 4) & 15;
      int end = c;
      while (end < cols && ((ReadCellColor(r, end + 1) >> 4) & 15) == bg)
        ++end;
      if (bg != common)
        AddRect(paths[bg], (c - 1) * kCellWidth, (r - 1) * kCellHeight, (end - c + 1) * kCellWidth,
                kCellHeight);
      c = end + 1;
    }
  std::string out = "<rect width=\"" + std::to_string(cols * kCellWidth) + "\" height=\"" +
                    std::to_string(rows * kCellHeight) + "\" fill=\"" + kPalette[common] + "\"/>\n";
  for (const auto& [bg, d] : paths)
    out += std::string("<path fill=\"") + kPalette[bg] + "\" d=\"" + d + "\"/>\n";
  return out;
}

std::string Shapes(int rows, int cols) {
  ShapeSet shapes;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      const int ch = ShapeChar(r, c), attr = ReadCellColor(r, c);
      const double x0 = (c - 1) * kCellWidth, y0 = (r - 1) * kCellHeight;
      if (ch < 0) continue;
      if (IsFrameChar(ch))
        AddFrameChar(shapes[std::string("fill=\"") + Foreground(attr) + "\""], ch, x0, y0);
      else if (IsBlockChar(ch))
        AddBlockChar(shapes, ch, attr, x0, y0);
    }
  std::string out;
  for (const auto& [fill, d] : shapes)
    out += "<path " + fill + " d=\"" + d + "\"/>\n";
  return out;
}

// Runs of glyphs of one colour, each glyph placed on its own cell (a wide
// cluster at its first, spanning the second); blanks belong to whichever run
// they are in.
std::string Texts(int rows, int cols) {
  std::string out;
  for (int r = 1; r <= rows; ++r) {
    const std::string y = std::to_string((r - 1) * kCellHeight + kBaseline);
    for (int c = 1; c <= cols;) {
      const int ch = ReadCell(r, c);
      if (IsBlank(ch) || ShapeChar(r, c) >= 0) {
        ++c;
        continue;
      }
      const int fg = ReadCellColor(r, c) & 15;
      int end = c;  // the last glyph of the run
      // A cell of other text is a run of its own, so that its cluster,
      // however many characters, sits on its cell.
      const bool glyphRun = IsGlyphCell(r, c);
      for (int next = c + 1; next <= cols && glyphRun; ++next) {
        if (ShapeChar(r, next) >= 0 || !IsGlyphCell(r, next)) break;
        if (IsBlank(ReadCell(r, next))) continue;
        if ((ReadCellColor(r, next) & 15) != fg) break;
        end = next;
      }
      std::string xs, glyphs;
      for (int i = c; i <= end; ++i) {
        if (i > c) xs += ' ';
        xs += std::to_string((i - 1) * kCellWidth);
        AppendEscaped(glyphs, r, i);
      }
      out += "<text x=\"" + xs + "\" y=\"" + y + "\" fill=\"" + kPalette[fg] + "\">" + glyphs +
             "</text>\n";
      c = end + 1;
    }
  }
  return out;
}

bool EndsWithHtml(std::string_view name) {
  const std::string upper = UpperText(std::string(name));
  for (const std::string ext : {".HTML", ".HTM"})
    if (upper.size() >= ext.size() &&
        upper.compare(upper.size() - ext.size(), ext.size(), ext) == 0)
      return true;
  return false;
}

}  // namespace

std::string ScreenSvg() {
  const int rows = ScreenHeight(), cols = ScreenWidth();
  const std::string width = std::to_string(cols * kCellWidth);
  const std::string height = std::to_string(rows * kCellHeight);
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" +
                    height + "\" viewBox=\"0 0 " + width + " " + height +
                    "\" xml:space=\"preserve\" font-family=\"" + kFonts +
                    "\" font-size=\"15\">\n<g shape-rendering=\"crispEdges\">\n";
  out += Backgrounds(rows, cols);
  out += "</g>\n";
  out += Shapes(rows, cols);
  out += Texts(rows, cols);
  out += "</svg>\n";
  return out;
}

std::string ScreenHtml() {
  const int rows = ScreenHeight(), cols = ScreenWidth();
  std::string out =
      "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Screen</title>\n"
      "</head>\n<body style=\"margin:0\">\n<pre style=\"margin:0;display:inline-block;font-family:";
  out += kFonts;
  out += ";font-size:15px;line-height:16px\">";
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols;) {
      const int attr = ReadCellColor(r, c);
      out += std::string("<span style=\"color:") + Foreground(attr) +
             ";background:" + Background(attr) + "\">";
      for (; c <= cols && ReadCellColor(r, c) == attr; ++c)
        AppendEscaped(out, r, c);
      out += "</span>";
    }
    out += '\n';
  }
  out += "</pre>\n</body>\n</html>\n";
  return out;
}

bool SaveScreenPicture(std::string_view fileName) {
  std::ofstream file{PathFromUtf8(fileName), std::ios::binary | std::ios::trunc};
  if (!file) return false;
  file << (EndsWithHtml(fileName) ? ScreenHtml() : ScreenSvg());
  file.close();
  return !file.fail();
}

}  // namespace tarvana
