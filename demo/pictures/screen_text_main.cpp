// tarvana-screen-text KEYS [TEXT]: runs the demonstration on the headless
// console with the machine's clock, queues the key names and the typed text,
// and prints the 80 by 25 screen where it waits for the next key: each row's
// cells as UTF-8 text (a wide cluster once, for both its cells), then each
// row's colours as two hex digits per cell. The browser test compares the
// page's terminal with it.

#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/cp437.h"
#include "console/headless.h"
#include "console/terminal/narrow_glyphs.h"
#include "console/unicode_text.h"
#include "demo/demo.h"
#include "runtime/system_clock.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: tarvana-screen-text KEYS [TEXT] (run from the repository root)\n");
    return 2;
  }
  auto& console = tarvana::UseHeadlessConsole(80, 25);
  console.SetClock(tarvana::SystemClockNow());
  console.QueueKeys(argv[1]);
  if (argc == 3) console.QueueText(argv[2]);
  try {
    tarvana::demo::RunDemo();
    std::fprintf(stderr, "tarvana-screen-text: the program ended\n");
    return 1;
  } catch (const tarvana::HeadlessInputExhausted&) {
  }
  for (int row = 1; row <= tarvana::ScreenHeight(); ++row) {
    std::string line;
    for (int col = 1; col <= tarvana::ScreenWidth(); ++col) {
      // A code page 437 cell as the terminal shows its byte; a text cell's
      // cluster as it is; nothing for the second half of a wide cluster.
      const auto byte = static_cast<unsigned char>(tarvana::ReadCell(row, col));
      std::string glyph;
      tarvana::AppendUtf8(glyph, tarvana::Cp437ToUnicode(byte));
      const std::string text = tarvana::ReadCellText(row, col);
      line += text == glyph ? tarvana::Cp437ToTerminalText(std::string(1, static_cast<char>(byte)),
                                                           tarvana::TextEncoding::kUtf8)
                            : text;
    }
    std::printf("%s\n", line.c_str());
  }
  for (int row = 1; row <= tarvana::ScreenHeight(); ++row) {
    for (int col = 1; col <= tarvana::ScreenWidth(); ++col)
      std::printf("%02X", tarvana::ReadCellColor(row, col));
    std::printf("\n");
  }
  return 0;
}
