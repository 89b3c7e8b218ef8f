#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "entry/text_field.h"
#include "runtime/number_format.h"
#include "tools/internal_tools.h"

namespace tarvana::demo {

void RunInternalToolsDemo() {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  In addition to the high level tools included in the Tarvana Toolbox,",
              "  there are several low level tools, many of which use low level API",
              "  calls to give your program information and control that Vantrel cannot",
              "  give you directly.", "", ""});
  Locate(9, 1);
  PrintLines({("  The name of this program is: " + ProgramName()).c_str(), "",
              "  This program will now check the size of one of your drives."});
  FieldRec field = ToolField(18, 3, 1, field_type::kUpperLetters);
  std::string letter;
  std::uint8_t cursor = 0;
  std::int16_t insertMode = 0;
  if (TextField(field, "Enter a drive letter: ", letter, kEnterOrEsc, cursor, insertMode) == "\x1b")
    return;
  std::uint64_t clusterBytes, totalBytes, freeBytes;
  DiskSpace(letter + ":\\", clusterBytes, totalBytes, freeBytes);
  Locate(19, 1);
  if (clusterBytes > 0) {
    PrintLines(
        {("    Clusters are" + PrintedNumber(clusterBytes, kSingleDigits) + "bytes long.").c_str(),
         ("    Total space available: " + GroupedNumber(totalBytes) + " bytes.").c_str(),
         ("    Free space available:  " + GroupedNumber(freeBytes) + " bytes.").c_str()});
  } else {
    PrintLines({"    Invalid drive specifier."});
  }
  NewLine();
  PrintText("  Press any key to return to the menu.");
  WaitKey();
}

}  // namespace tarvana::demo
