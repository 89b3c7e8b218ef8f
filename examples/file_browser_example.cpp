#include "file_browser_example.h"

#include <filesystem>

#include <tarvana/tarvana.h>

namespace examples {

using namespace tarvana;

std::string RunFileBrowserExample(const std::string& directory) {
  std::filesystem::path folder = directory;
  std::string lastShown;
  SetColor(15, 1);
  ClearScreen();
  for (;;) {
    StatusLine("Enter: open   Esc: leave");
    // Choosing a folder lists that one; choosing a file answers its path.
    const auto file = ui::PickFile(folder, {.title = "Files", .row = 3, .col = 6, .rows = 18});
    if (!file) return lastShown;  // Esc, or nothing to list
    folder = file->parent_path();
    // The viewer takes the whole screen: arrows, PgUp, PgDn, Home, End, Alt-L
    // for a line number, Esc to come back.
    if (ui::ViewTextFile(*file)) {
      lastShown = file->string();
    } else {
      ui::ShowMessage("The file is empty or cannot be read.\n\nPress any key.",
                      {.title = file->filename().string(), .scheme = ui::schemes::kGrey});
    }
  }
}

}  // namespace examples
