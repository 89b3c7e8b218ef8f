#include "text/file_viewer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "console/console.h"
#include "console/text_input.h"
#include "runtime/number_format.h"
#include "text/file_viewer_state.h"
#include "text/view_utf8.h"
#include "window/window.h"

namespace tarvana {
namespace {

// Lines a turn of the mouse wheel scrolls, as terminals and browsers do.
constexpr int kWheelLines = 3;

constexpr std::uint8_t kAltL = 38;
constexpr std::string_view kLinePrompt = "Line number? ";

ViewStep Refuse() {
  Beep();
  return ViewStep::kRefused;
}

ViewStep Close(FileView& view) {
  RestoreScreen(view.save);
  view.lines.clear();
  view.cellLines.clear();
  view.starts.clear();
  return ViewStep::kClosed;
}

ViewStep Redraw(FileView& view) {
  DrawViewPage(view);
  return ViewStep::kDrawn;
}

// Alt-L: the prompt on the bottom frame; the typing may fill the row up to the
// right frame and no further.
ViewStep AskLineNumber(FileView& view) {
  const WindowRec& w = view.window;
  const int room = std::max(0, w.Right - w.Left - 2);
  const std::string_view prompt = kLinePrompt.substr(0, room);
  UseColor(w.FrameColor);
  Locate(w.Bottom, w.Left + 2);
  PrintText(prompt);
  view.lineNumber = InputLineState{"", static_cast<std::size_t>(room) - prompt.size()};
  return ViewStep::kTyping;
}

// The line a typed number asks for: its leading number, rounded; at least 1,
// at most the end marker's line.
std::int64_t AskedLine(const FileView& view, std::string_view text) {
  const double n = LeadingNumber(text);
  const std::int64_t last = ViewLastLine(view);
  if (!(n >= 1)) return 1;
  if (n >= static_cast<double>(last)) return last;
  return std::min(static_cast<std::int64_t>(std::nearbyint(n)), last);
}

ViewStep StepLineNumber(FileView& view, const KeyCode& key) {
  switch (StepInputLine(*view.lineNumber, key)) {
    case InputLineStep::kEnded:
      break;
    case InputLineStep::kRefused:
      return ViewStep::kRefused;
    default:
      return ViewStep::kTyping;
  }
  const std::string text = std::move(view.lineNumber->text);
  view.lineNumber.reset();
  const WindowRec& w = view.window;
  UseColor(w.FrameColor);
  Locate(w.Bottom, w.Left + 2);
  PrintText(
      std::string(std::max(0, w.Right - w.Left - 2), static_cast<char>(view.bottomFrameChar)));
  UseColor(w.FillColor);
  view.topLine = AskedLine(view, text);
  return Redraw(view);
}

ViewStep StepMouse(FileView& view, const InputEvent& event) {
  const KeyCode& key = event.key;
  if (!view.mouse || MouseEvent(key) != mouse::kReleased) return Refuse();
  if (MouseButton(key) == mouse::kRight) return Close(view);
  const WindowRec& w = view.window;
  const int row = event.row;
  if (MouseButton(key) != mouse::kLeft || event.col != w.Right || row <= w.Top || row >= w.Bottom ||
      row == view.thumbRow)
    return Refuse();
  const int height = ViewPageHeight(w);
  view.topLine += row < view.thumbRow ? -height : height;
  return Redraw(view);
}

ViewStep StepExtendedKey(FileView& view, std::uint8_t scanCode) {
  const int height = ViewPageHeight(view.window);
  switch (scanCode) {
    case scan::kDown:
      ++view.topLine;
      break;
    case scan::kUp:
      --view.topLine;
      break;
    case scan::kPgDn:
      view.topLine += height;
      break;
    case scan::kPgUp:
      view.topLine -= height;
      break;
    case scan::kHome:
      view.topLine = 1;
      break;
    case scan::kEnd:
      view.file.ScanToEnd();
      view.topLine = view.file.EndLine();
      break;
    case scan::kRight:
      view.leftColumn += 10;
      break;
    case scan::kLeft:
      view.leftColumn = std::max<std::int64_t>(1, view.leftColumn - 10);
      break;
    case kAltL:
      return AskLineNumber(view);
    default:
      return Refuse();
  }
  return Redraw(view);
}

int RunFileView(std::string_view fileName, const WindowRec& window, int tabWidth,
                std::uint8_t scrollBar, bool mouse) {
  FileView view;
  const int opened = OpenFileView(view, fileName, window, tabWidth, scrollBar, mouse);
  if (opened != 0) return opened;
  std::optional<WheelInputScope> wheel;
  if (mouse) wheel.emplace();
  while (StepFileView(view, WaitKeyEvent()) != ViewStep::kClosed) {
  }
  return 0;
}

}  // namespace

int OpenFileView(FileView& view, std::string_view fileName, const WindowRec& window, int tabWidth,
                 std::uint8_t scrollBar, bool mouse) {
  if (!ViewWindowFits(window)) return -1;
  switch (view.file.Open(std::string(fileName))) {
    case ViewLineFile::Opened::kUnreadable:
      return -1;
    case ViewLineFile::Opened::kEmpty:
      return -2;
    case ViewLineFile::Opened::kOk:
      break;
  }
  const std::string_view head = view.file.Head(kUtf8ProbeBytes);
  view.utf8 = IsUtf8Head(head, view.file.Size() > static_cast<std::int64_t>(head.size()));
  view.window = window;
  view.tabWidth = tabWidth;
  view.scrollBar = scrollBar;
  view.mouse = mouse;
  view.topLine = 1;
  view.leftColumn = 1;
  view.lines.clear();
  OpenWindow(window, fileName, view.save);
  // Read once, before an arrow or the line-number prompt can cover the cell;
  // in a window too narrow for column Right - 5 the first cell of the line.
  view.bottomFrameChar = static_cast<std::uint8_t>(
      ReadCell(window.Bottom, std::max(window.Right - 5, window.Left + 1)));
  UseColor(window.FillColor);
  DrawViewPage(view);
  return 0;
}

ViewStep StepFileView(FileView& view, const KeyCode& key) {
  return StepFileView(view, EventOfKey(key, MouseRow(), MouseCol()));
}

ViewStep StepFileView(FileView& view, const InputEvent& event) {
  const KeyCode& key = event.key;
  if (!view.save.Live()) return ViewStep::kClosed;
  if (view.lineNumber) return StepLineNumber(view, key);
  if (key == "\x1b") return Close(view);
  if (event.kind == InputEvent::Kind::kWheel) {
    if (!view.mouse) return Refuse();
    view.topLine += kWheelLines * event.wheel;
    return Redraw(view);
  }
  if (IsMouseKey(key)) return StepMouse(view, event);
  if (key.size() == 2 && key[0] == '\0')
    return StepExtendedKey(view, static_cast<std::uint8_t>(key[1]));
  return Refuse();
}

int ViewFile(std::string_view fileName, const WindowRec& window, int tabWidth,
             std::uint8_t scrollBar) {
  return RunFileView(fileName, window, tabWidth, scrollBar, true);
}

int KeyViewFile(std::string_view fileName, const WindowRec& window, int tabWidth,
                std::uint8_t scrollBar) {
  return RunFileView(fileName, window, tabWidth, scrollBar, false);
}

}  // namespace tarvana
