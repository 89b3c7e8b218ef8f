#include "tools/prompt_utils.h"

#include <fstream>

#include "console/console.h"
#include "runtime/utf8_path.h"
#include "tools/printer_port.h"

namespace tarvana {
namespace {

struct Printer {
  std::string path = DefaultPrinterPort();
  std::ofstream file;
  bool tried = false;
  int column = 0;  // characters sent since the last line end

  void Send(std::string_view text) {
    if (!tried) {
      tried = true;
      file.open(PathFromUtf8(path), std::ios::binary | std::ios::app);
    }
    if (!file.is_open()) return;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.flush();
  }
};

Printer& ThePrinter() {
  static Printer printer;
  return printer;
}

struct RememberedCursor {
  int row = 0, col = 0;
  bool set = false;
} remembered;

// The centred text and its first column, as CenterText and LPrintCentered place it.
std::string_view Centred(std::string_view text, int width, int& firstCol) {
  const int w = width < 1 ? 80 : width;
  if (static_cast<int>(text.size()) > w) text = text.substr(0, w);
  firstCol = (w - static_cast<int>(text.size())) / 2 + 1;
  return text;
}

}  // namespace

void CenterText(std::string_view text, int width) {
  int col = 0;
  text = Centred(text, width, col);
  Locate(CursorRow(), col);
  PrintText(text);
}

void StatusLine(std::string_view text) {
  const int row = CursorRow(), col = CursorCol();
  Locate(ScreenHeight(), 1);
  CenterText(text, 0);
  Locate(row, col);
}

void LPrintCentered(std::string_view text, int width) {
  int col = 0;
  text = Centred(text, width, col);
  Printer& printer = ThePrinter();
  if (printer.column >= col) {
    printer.Send("\r\n");
    printer.column = 0;
  }
  printer.Send(std::string(col - 1 - printer.column, ' '));
  printer.Send(text);
  printer.column = col - 1 + static_cast<int>(text.size());
}

void SetPrinterFile(std::string_view path) {
  Printer& printer = ThePrinter();
  printer.file.close();
  printer.file.clear();
  printer.tried = false;
  printer.path = std::string(path);
  printer.column = 0;
}

void PrintAt(std::string_view text, int row, int col, ColorAttr attr) {
  UseColor(attr);
  Locate(row, col);
  PrintText(text);
}

void PrintRC(int row, int col, std::string_view text) {
  Locate(row, col);
  PrintText(text);
}

void SaveCursor() {
  remembered = {CursorRow(), CursorCol(), true};
}

void RestoreCursor() {
  if (remembered.set) Locate(remembered.row, remembered.col);
}

}  // namespace tarvana
