#pragma once
// Example: a file browser: a directory pick list, and the file viewer for the
// file chosen.

#include <string>

namespace examples {

// Lists the entries of directory; choosing a folder lists that one, choosing
// a file shows it in the viewer and comes back to the list. Returns, when the
// list is left with Esc, the path of the last file shown ("" when none was).
std::string RunFileBrowserExample(const std::string& directory);

}  // namespace examples
