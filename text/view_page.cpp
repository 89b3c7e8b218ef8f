#include <algorithm>
#include <string>

#include "console/console.h"
#include "console/unicode_text.h"
#include "text/file_viewer.h"
#include "text/file_viewer_state.h"
#include "text/view_utf8.h"
#include "window/window.h"

namespace tarvana {
namespace {

int BufferSlots(const FileView& view) {
  return std::max(kViewBufferLines, ViewPageHeight(view.window));
}

// The row of the scroll-bar thumb between rows top and bottom.
int ThumbRow(int top, int bottom, std::int64_t current, std::int64_t total) {
  return top + ScrollBarThumb(bottom - top + 1, current, total);
}

// line + count, held at INT64_MAX (a line number asked for may be that far).
std::int64_t LinesOn(std::int64_t line, int count) {
  return line > INT64_MAX - count ? INT64_MAX : line + count;
}

// Reads the buffer from line `first` on: the lines (tabs expanded), the end
// marker after the last one, empty slots after that.
void FillBuffer(FileView& view, std::int64_t first) {
  const int slots = BufferSlots(view);
  view.file.ScanTo(LinesOn(first, slots));
  const std::int64_t last = ViewLastLine(view);
  std::vector<std::string> raw;
  view.file.ReadLines(first, std::min<std::int64_t>(slots, last - first),
                      view.utf8 ? kViewUtf8LineBytes : kViewLineChars, raw, view.starts);
  view.bufferFirst = first;
  view.lines.clear();
  view.cellLines.clear();
  for (std::string& line : raw) {
    if (view.utf8) {
      std::string_view text = line;
      if (first == 1 && view.cellLines.empty() && text.starts_with(kUtf8ByteOrderMark))
        text.remove_prefix(kUtf8ByteOrderMark.size());
      view.cellLines.push_back(Utf8ViewLine(text, view.tabWidth, static_cast<int>(kViewLineChars)));
      view.lines.emplace_back();
    } else if (line.find('\t') != std::string::npos)
      view.lines.push_back(ExpandTabsUpTo(line, view.tabWidth, kViewLineChars));
    else
      view.lines.push_back(std::move(line));
  }
  if (static_cast<int>(view.lines.size()) < slots &&
      first + static_cast<std::int64_t>(view.lines.size()) == last) {
    if (view.utf8)
      view.cellLines.push_back(CellString::FromCp437(kEndOfFileMarker));
    else
      view.lines.emplace_back(kEndOfFileMarker);
  }
  view.lines.resize(slots);
  if (view.utf8) view.cellLines.resize(slots);
  view.starts.resize(slots + 1, view.starts.back());
}

}  // namespace

std::int64_t ViewLastLine(const FileView& view) {
  return view.file.EndKnown() ? view.file.EndLine() : INT64_MAX;
}

int ViewPageHeight(const WindowRec& window) {
  return window.Bottom - window.Top - 1;
}
int ViewPageWidth(const WindowRec& window) {
  return window.Right - window.Left - 3;
}

bool ViewWindowFits(const WindowRec& window) {
  return WindowOnScreen(window) && ViewPageHeight(window) >= 1 && ViewPageWidth(window) >= 1;
}

void DrawViewPage(FileView& view) {
  const WindowRec& w = view.window;
  if (!ViewWindowFits(w)) return;
  const int height = ViewPageHeight(w), width = ViewPageWidth(w);
  const int slots = BufferSlots(view);
  view.topLine = std::clamp<std::int64_t>(view.topLine, 1, ViewLastLine(view));
  if (view.lines.empty() || view.topLine < view.bufferFirst ||
      view.topLine - view.bufferFirst > slots - height) {
    view.file.ScanTo(LinesOn(view.topLine, slots));
    view.topLine = std::min(view.topLine, ViewLastLine(view));
    // Going back, the buffer ends with the page, so that further steps back
    // are drawn from it.
    const bool back = !view.lines.empty() && view.topLine < view.bufferFirst;
    FillBuffer(view,
               back ? std::max<std::int64_t>(1, view.topLine + height - slots) : view.topLine);
  }
  const std::int64_t slot = view.topLine - view.bufferFirst;

  UseColor(w.FillColor);
  for (int r = 0; r < height && width > 0; ++r) {
    Locate(w.Top + 1 + r, w.Left + 2);
    if (view.utf8) {
      // A wide character cut by either edge leaves blanks for its halves.
      const CellString& cells = view.cellLines[slot + r];
      const int left = static_cast<int>(std::min<std::int64_t>(view.leftColumn - 1, cells.Width()));
      PrintCells(cells.Slice(left, width).Padded(width));
      continue;
    }
    const std::string& text = view.lines[slot + r];
    std::string shown(width, ' ');
    if (view.leftColumn - 1 < static_cast<std::int64_t>(text.size()))
      shown.replace(0, width, text, view.leftColumn - 1, width);
    shown.resize(width, ' ');
    PrintText(shown);
  }

  UseColor(w.FrameColor);
  const char frame = static_cast<char>(view.bottomFrameChar);
  Locate(w.Bottom, w.Right - 3);
  PrintText(std::string(2, frame));
  if (view.topLine > 1) {
    Locate(w.Bottom, w.Right - 3);
    PrintText("\x18");
  }
  if (view.topLine + height <= ViewLastLine(view)) {
    Locate(w.Bottom, w.Right - 2);
    PrintText("\x19");
  }

  const std::int64_t total = std::max<std::int64_t>(view.file.Size(), 1);
  const std::int64_t current = view.starts[slot];
  view.thumbRow = ThumbRow(w.Top + 1, w.Bottom - 1, current, total);
  if (view.scrollBar != 0)
    DrawScrollBar(w.Right, w.Top + 1, w.Bottom - 1, current,
                  view.starts[std::min<std::int64_t>(slot + height, slots)], current, total,
                  view.scrollBar, w.FrameColor, w.TitleColor);
  UseColor(w.FillColor);
}

}  // namespace tarvana
