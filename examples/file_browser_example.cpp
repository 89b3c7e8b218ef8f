#include "file_browser_example.h"

#include <filesystem>

#include "tarvana.h"

namespace examples {

using namespace tarvana;
namespace fs = std::filesystem;

std::string RunFileBrowserExample(const std::string& directory) {
  fs::path folder = fs::absolute(directory).lexically_normal();
  std::string lastShown;
  for (;;) {
    SetColor(15, 1);
    ClearScreen();
    PrintAt(folder.string().substr(0, 78), 1, 2, 0x1E);
    StatusLine("Enter: open   Esc: leave");
    // The list's window; Bottom is lowered when there are fewer entries, and
    // Right = 0 sizes it to the lines, which here show the name (cut to 24
    // characters), the size, the date and the time, separated by a bar.
    WindowRec window{3, 6, 22, 0, 1, 2, 0, 6, 0x70, 0x1F, 0x1E, 0x1B};
    const std::uint8_t columns =
        dir_info::kName | dir_info::kSize | dir_info::kDate | dir_info::kTime;
    const std::string name =
        DirPickList(window, "Files", 1, (folder / "*.*").string(), 0, columns, " \xB3 ", 0x71, 24);
    if (name.empty()) return lastShown;  // Esc, or nothing to list
    const fs::path chosen = (folder / name).lexically_normal();
    std::error_code error;
    if (fs::is_directory(chosen, error)) {
      folder = chosen.has_filename() ? chosen : chosen.parent_path();
      continue;
    }
    SetColor(14, 1);
    StatusLine("\x18\x19 PgUp PgDn Home End   \x1B\x1A sideways   Alt-L line number   Esc back");
    // FillColor is the text's colour; tabs stop every 8 columns; 1 draws a
    // scroll bar. ViewFile answers -1 for a file it cannot read, -2 for an
    // empty one.
    const WindowRec viewer{2, 1, 24, 80, 1, 2, 0, 0, 0, 0x1F, 0x1E, 0x1B};
    const int result = ViewFile(chosen.string(), viewer, 8, 1);
    if (result == 0) {
      lastShown = chosen.string();
    } else {
      const BasedArray<std::string> message(
          1,
          {result == -2 ? "The file is empty." : "The file cannot be read.", "", "Press any key."});
      DialogBox(message, WindowRec{0, 0, 0, 0, 1, 2, 0, 6, 0x70, 0x4F, 0x4E, 0x4F}, name, 0);
    }
  }
}

}  // namespace examples
