#pragma once
// Files: picking one from a directory (opening folders on the way) and showing
// a text file in the viewer.

#include <filesystem>
#include <optional>
#include <string>

#include "ui/scheme.h"

namespace tarvana::ui {

struct FileOptions {
  std::string title = "Files";
  // The name pattern, with the wildcards * and ? ("*.*" lists everything).
  std::string pattern = "*.*";
  // The list's top-left corner (1-based), 0 centres.
  int row = 0;
  int col = 0;
  // Entries shown at once; 0 shows as many as fit, up to 15.
  int rows = 0;
  Scheme scheme = schemes::kBlue;
};

// Lists the entries of `directory` matching options.pattern; choosing a
// folder lists that one. Returns the path of the file chosen, or nothing on
// Esc or when a folder has nothing to list (or is gone). An entry removed
// while it is listed is not returned: the folder is listed again as it is
// then. Throws std::invalid_argument when `directory` is no directory or the
// list does not fit on the screen.
std::optional<std::filesystem::path> PickFile(const std::filesystem::path& directory,
                                              const FileOptions& options = {});

struct ViewOptions {
  // The viewer's window (1-based corners, frame included); 0 takes the whole
  // screen in that direction.
  int top = 0, left = 0, bottom = 0, right = 0;
  // Tabs stop every tabWidth columns.
  int tabWidth = 8;
  Scheme scheme = schemes::kBlue;
};

// Shows the file until Esc or a right click, then restores the screen. False,
// showing nothing, when the file is missing, unreadable (a FIFO, a device, a
// file whose size reads 0 holding more than 16 MiB) or empty. Throws
// std::invalid_argument when the window leaves no text row and column or does
// not lie on the screen.
bool ViewTextFile(const std::filesystem::path& file, const ViewOptions& options = {});

}  // namespace tarvana::ui
