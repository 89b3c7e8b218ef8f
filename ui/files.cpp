#include "ui/files.h"

#include <algorithm>
#include <system_error>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/text_input.h"
#include "picklist/dir_lines.h"
#include "runtime/utf8_path.h"
#include "text/file_viewer.h"
#include "ui/placement.h"
#include "window/window.h"

namespace tarvana::ui {

namespace fs = std::filesystem;

std::optional<fs::path> PickFile(const fs::path& directory, const FileOptions& options) {
  const internal::ShowOnReturn shown;
  std::error_code error;
  if (!fs::is_directory(directory, error))
    internal::Refuse("PickFile", "directory \"" + Utf8FromPath(directory) + "\" is no directory");
  if (options.rows < 0) internal::Refuse("PickFile", "options.rows is negative");
  fs::path folder = fs::absolute(directory, error).lexically_normal();
  for (;;) {
    const int rows = options.rows > 0 ? options.rows : std::min(15, ScreenHeight() - 2);
    constexpr int kNameWidth = 40;
    // The directory list lowers Bottom to its entries and sizes Right to them.
    WindowRec window = internal::PlaceWindow(options.scheme, options.row, options.col, rows + 2,
                                             kNameWidth + 4, "PickFile", options.title);
    window.Right = 0;
    // Names as UTF-8, a cluster per cell, searched ahead by case folding.
    TextInputScope typing;
    const std::string name = tarvana::internal::RunDirList(
        window, CellString::FromUtf8(options.title), 1,
        Utf8FromPath(folder / PathFromUtf8(options.pattern)),
        [](const tarvana::internal::DirListing& listing) {
          return tarvana::internal::DirNameItems(listing, kNameWidth);
        },
        options.scheme.bar, true);
    if (name.empty()) return std::nullopt;
    const fs::path chosen = (folder / PathFromUtf8(name)).lexically_normal();
    if (!fs::is_directory(chosen, error)) return chosen;
    folder = chosen.has_filename() ? chosen : chosen.parent_path();
  }
}

bool ViewTextFile(const fs::path& file, const ViewOptions& options) {
  const internal::ShowOnReturn shown;
  WindowRec window = internal::PlaceWindow(options.scheme, 1, 1, 3, 3, "ViewTextFile",
                                           "titled by the viewer with the file's name");
  window.Top = static_cast<std::uint8_t>(std::clamp(options.top > 0 ? options.top : 1, 0, 255));
  window.Left = static_cast<std::uint8_t>(std::clamp(options.left > 0 ? options.left : 1, 0, 255));
  window.Bottom = static_cast<std::uint8_t>(
      std::clamp(options.bottom > 0 ? options.bottom : ScreenHeight(), 0, 255));
  window.Right = static_cast<std::uint8_t>(
      std::clamp(options.right > 0 ? options.right : ScreenWidth(), 0, 255));
  window.Shadow = 0;
  if (!WindowOnScreen(window) || window.Bottom - window.Top < 2 || window.Right - window.Left < 4)
    internal::Refuse("ViewTextFile", "the window from row " + std::to_string(options.top) +
                                         ", column " + std::to_string(options.left) +
                                         " leaves no text row and column on the screen");
  return ViewFile(Utf8FromPath(file), window, options.tabWidth, 1) == 0;
}

}  // namespace tarvana::ui
