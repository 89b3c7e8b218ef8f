#include <string>

#include "demo/demo_text.h"
#include "demo/screens.h"
#include "picklist/dir_pick_list.h"
#include "text/file_viewer.h"
#include "tools/prompt_utils.h"

namespace tarvana::demo {

void RunFileViewerDemo() {
  StartScreen();
  WindowRec list{3, 15, 22, 0, 2, 2, 0, 2, 7, 31, 30, 27};
  const std::string name =
      DirPickList(list, "Select a File to View", 1, "*.*", 0, 31, "\xB3", 113, 15);
  if (name.empty()) return;
  StatusLine("\x18, \x19, PgUp, PgDn, \x1A, \x1B, Home, End, Alt-L, Esc to Exit");
  const WindowRec viewer{2, 2, 23, 78, 1, 2, 0, 6, 112, 31, 30, 27};
  ViewFile(name, viewer, 8, 1);
}

}  // namespace tarvana::demo
