// libFuzzer target: the file viewer on arbitrary file contents, in windows of
// any shape (sane and degenerate) and any tab width, fed arbitrary keys and
// clicks step by step. A window that cannot show text is refused with -1 and
// nothing drawn; an open viewer draws only in its window and shadow, and Esc
// (after Enter, which ends a line number being typed) closes it and leaves the
// screen as it was.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "console/screen_save.h"
#include "testing/fuzz_support.h"
#include "text/file_viewer_state.h"

namespace {

using namespace tarvana;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

// One file per fuzzing process, written afresh for every input.
const std::string& FilePath() {
  static const std::string path = [] {
    const std::string p = "/tmp/tarvana_view_fuzz_" + std::to_string(getpid()) + ".txt";
    std::atexit([] { std::remove(FilePath().c_str()); });
    return p;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  WindowRec window{};
  for (std::uint8_t* field = &window.Top; field <= &window.TitleColor; ++field)
    *field = in.Byte();
  // Mostly near the screen; sometimes one row or column, or corners swapped.
  window.Top %= 30;
  window.Left %= 90;
  window.Bottom %= 30;
  window.Right %= 140;
  const int tabWidth = in.In(-2, 12);
  const std::uint8_t scrollBar = in.Byte() % 3;
  const bool mouse = in.Flag();
  fuzz::UseFuzzMouse(in);
  // The keys come first; the rest of the input is the file.
  const int keys = in.Byte();
  const std::string keyBytes = in.Text(255);
  const std::string_view content = in.Rest();
  std::ofstream(FilePath(), std::ios::binary | std::ios::trunc)
      .write(content.data(), static_cast<std::streamsize>(content.size()));
  FuzzBytes keyInput(reinterpret_cast<const std::uint8_t*>(keyBytes.data()), keyBytes.size());
  fuzz::QueueFuzzInput(console, keyInput, keys);

  const std::vector<Cell> before = fuzz::Screen();
  FileView view;
  const int opened = OpenFileView(view, FilePath(), window, tabWidth, scrollBar, mouse);
  if (opened != 0) {
    if (opened == -2 && !content.empty()) FuzzFail("a file with text was taken for empty");
    if (opened == -1 && ViewWindowFits(window)) FuzzFail("a readable file was refused");
    fuzz::ExpectScreen(before, "a refused viewer");
    return 0;
  }
  if (!ViewWindowFits(window)) FuzzFail("the viewer opened in a window that does not fit");
  const SaveArea area = WindowSaveArea(window);
  const fuzz::Area drawn{area.top, area.left, area.top + area.rows - 1, area.left + area.cols - 1};
  bool closed = false;
  for (KeyCode key = InKey(); !key.empty() && !closed; key = InKey()) {
    closed = StepFileView(view, key) == ViewStep::kClosed;
    if (!closed)
      fuzz::ExpectOnlyInside(before, {drawn, fuzz::TitleSpill(window), fuzz::CloseBoxSpill(window)},
                             "the viewer");
  }
  if (!closed) {
    StepFileView(view, "\r");
    if (StepFileView(view, "\x1b") != ViewStep::kClosed) FuzzFail("Esc did not close the viewer");
  }
  fuzz::ExpectScreen(before, "the closed viewer");
  return 0;
}
