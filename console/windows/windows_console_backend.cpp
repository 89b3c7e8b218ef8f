// The console on Windows: the console API's input records and cell output,
// on a screen buffer of its own so that the user's console comes back
// untouched.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/console_api.h"
#include "console/cp437.h"
#include "console/terminal_backend.h"
#include "console/windows/console_restore.h"
#include "runtime/system_clock.h"
#include "runtime/utf16.h"

namespace tarvana {
namespace {

// Input as keys, with window-size events; no line editing, echo or Ctrl+C
// signal (Ctrl+C arrives as a key, as on a PC).
constexpr DWORD kKeyInputMode = ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS;

class WindowsConsoleBackend final : public ConsoleBackend {
 public:
  WindowsConsoleBackend()
      : in_(GetStdHandle(STD_INPUT_HANDLE)),
        out_(GetStdHandle(STD_OUTPUT_HANDLE)),
        // The buffer the user sees, even when standard output goes elsewhere.
        user_(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr)) {
    inputIsConsole_ = GetConsoleMode(in_, &originalInMode_) != 0;
    if (inputIsConsole_) {
      ArmConsoleRestore(in_, originalInMode_, user_);
      // Quick-edit stays as the user had it while the mouse is off.
      keyMode_ = kKeyInputMode | (originalInMode_ & ENABLE_QUICK_EDIT_MODE);
      SetConsoleMode(in_, keyMode_);
    }
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (GetConsoleScreenBufferInfo(user_, &info)) {
      cols_ = info.srWindow.Right - info.srWindow.Left + 1;
      rows_ = info.srWindow.Bottom - info.srWindow.Top + 1;
    }
  }

  // Ctrl+C as the console's processed input would have it: the console given
  // back, then the C library's interrupt, which ends the program unless it
  // handles SIGINT.
  void Interrupt() override {
    RestoreConsole();
    raise(SIGINT);
  }

  ~WindowsConsoleBackend() override {
    RestoreConsole();
    if (screen_ != INVALID_HANDLE_VALUE) CloseHandle(screen_);
    if (user_ != INVALID_HANDLE_VALUE) CloseHandle(user_);
  }

  void InitialSize(int& cols, int& rows) override {
    cols = cols_;
    rows = rows_;
  }

  void Present(const Screen& screen) override {
    if (!fullScreen_ || screen_ == INVALID_HANDLE_VALUE) return;
    if (screen.Width() != bufferCols_ || screen.Height() != bufferRows_)
      FitBuffer(screen.Width(), screen.Height());
    const std::vector<Cell>& now = screen.Cells();
    for (const CellRect& r : ChangedRects(shown_, now, screen.Width()))
      WriteRect(now, screen.Width(), r);
    shown_ = now;
    CONSOLE_CURSOR_INFO cursor{static_cast<DWORD>(std::clamp(screen.CursorHeight(), 1, 100)),
                               screen.CursorVisible()};
    SetConsoleCursorInfo(screen_, &cursor);
    SetConsoleCursorPosition(screen_, COORD{static_cast<SHORT>(screen.CursorCol() - 1),
                                            static_cast<SHORT>(screen.CursorRow() - 1)});
  }

  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    const size_t before = queue.size();
    const double end = MonotonicMs() + timeoutMs;
    for (;;) {
      Drain(queue);
      if (timeoutMs == 0 || queue.size() > before) return;
      DWORD wait = INFINITE;
      if (timeoutMs > 0) {
        const double now = MonotonicMs();
        if (now >= end) return;
        wait = static_cast<DWORD>(end - now) + 1;
      }
      const DWORD woke = WaitForSingleObject(in_, wait);
      if (woke == WAIT_TIMEOUT || woken_.exchange(false)) return;
      if (woke != WAIT_OBJECT_0) HangUp();
    }
  }

  // A focus record in the console's input wakes its wait; the reader drops it.
  void Wake() override {
    woken_ = true;
    INPUT_RECORD record{};
    record.EventType = FOCUS_EVENT;
    record.Event.FocusEvent.bSetFocus = TRUE;
    DWORD written = 0;
    WriteConsoleInputW(in_, &record, 1, &written);
  }

  void Beep() override { MessageBeep(0); }

  void Sleep(int ms) override {
    if (ms > 0) ::Sleep(static_cast<DWORD>(ms));
  }

  double MonotonicMs() override { return SystemMonotonicMs(); }

  ClockReading Now() override { return SystemClockNow(); }

  void RequestSize(int cols, int rows) override {
    if (screen_ != INVALID_HANDLE_VALUE) FitBuffer(cols, rows);
  }

  void SetMouseReporting(bool on) override {
    mouseOn_ = on;
    ApplyInputMode();
  }

  void SetFullScreen(bool on) override {
    if (on == fullScreen_) return;
    if (on && screen_ == INVALID_HANDLE_VALUE) {
      screen_ = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          CONSOLE_TEXTMODE_BUFFER, nullptr);
      if (screen_ == INVALID_HANDLE_VALUE) return;
      // A console with virtual-terminal processing (Windows 10 on) takes text
      // of any script; without wrapping, no write can scroll the screen.
      takesText_ = SetConsoleMode(
                       screen_, ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
      FitBuffer(cols_, rows_);
    }
    fullScreen_ = on;
    SetConsoleActiveScreenBuffer(on ? screen_ : user_);
    ApplyInputMode();
    shown_.clear();
  }

  void StreamText(std::string_view cp437) override {
    std::u16string text;
    text.reserve(cp437.size());
    for (unsigned char ch : cp437) {
      const char32_t u = Cp437ToUnicode(ch);
      text += static_cast<char16_t>(u);
    }
    Write(text);
  }

  void StreamNewLine() override { Write(u"\r\n"); }

 private:
  // Mouse input only on the full screen, whose cells it names; quick-edit
  // would take the clicks for selecting text, and outside the full screen
  // the user keeps it.
  void ApplyInputMode() {
    if (!inputIsConsole_) return;
    SetConsoleMode(in_, mouseOn_ && fullScreen_ ? (kKeyInputMode | ENABLE_MOUSE_INPUT) : keyMode_);
  }

  // Makes the toolbox's screen buffer cols by rows cells, its window all of it.
  void FitBuffer(int cols, int rows) {
    // The window must fit the buffer at every step: shrink it first.
    SMALL_RECT tiny{0, 0, 0, 0};
    SetConsoleWindowInfo(screen_, TRUE, &tiny);
    SetConsoleScreenBufferSize(screen_, COORD{static_cast<SHORT>(cols), static_cast<SHORT>(rows)});
    SMALL_RECT window{0, 0, static_cast<SHORT>(cols - 1), static_cast<SHORT>(rows - 1)};
    SetConsoleWindowInfo(screen_, TRUE, &window);
    bufferCols_ = cols;
    bufferRows_ = rows;
    shown_.clear();
  }

  void WriteRect(const std::vector<Cell>& cells, int cols, const CellRect& r) {
    WriteCells(cells, cols, r);
    if (!takesText_) return;
    for (const ConsoleText& t : ConsoleTextsIn(cells, cols, r))
      WriteText(cells, cols, t);
  }

  void WriteCells(const std::vector<Cell>& cells, int cols, const CellRect& r) {
    const int width = r.right - r.left + 1;
    const int height = r.bottom - r.top + 1;
    block_.resize(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
      const Cell* cellsOfRow = cells.data() + static_cast<size_t>(r.top + row) * cols;
      for (int col = 0; col < width; ++col) {
        const ConsoleCharInfo c = ConsoleCharOfCell(cellsOfRow, cols, r.left + col);
        CHAR_INFO& out = block_[static_cast<size_t>(row) * width + col];
        out.Char.UnicodeChar = static_cast<WCHAR>(c.ch);
        out.Attributes = c.attributes;  // the console's own attribute layout
      }
    }
    SMALL_RECT region{static_cast<SHORT>(r.left), static_cast<SHORT>(r.top),
                      static_cast<SHORT>(r.right), static_cast<SHORT>(r.bottom)};
    WriteConsoleOutputW(screen_, block_.data(),
                        COORD{static_cast<SHORT>(width), static_cast<SHORT>(height)}, COORD{0, 0},
                        &region);
  }

  // Writes text over the cells that show it as a stand-in. Where the console
  // lays it out over other cells than the screen does (its widths differ),
  // those cells get their stand-ins back.
  void WriteText(const std::vector<Cell>& cells, int cols, const ConsoleText& t) {
    SetConsoleCursorPosition(screen_, COORD{static_cast<SHORT>(t.col), static_cast<SHORT>(t.row)});
    SetConsoleTextAttribute(screen_, t.attr);
    DWORD written = 0;
    WriteConsoleW(screen_, t.text.data(), static_cast<DWORD>(t.text.size()), &written, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info;
    const bool known =
        GetConsoleScreenBufferInfo(screen_, &info) && info.dwCursorPosition.Y == t.row;
    if (known && info.dwCursorPosition.X == t.col + t.width) return;
    const int reached = known ? info.dwCursorPosition.X : cols - 1;
    int last = reached >= cols - 1 ? cols - 1 : std::max(reached - 1, t.col + t.width - 1);
    if (cells[static_cast<size_t>(t.row) * cols + last].flags & cell_flag::kWideFirst)
      last = std::min(last + 1, cols - 1);
    WriteCells(cells, cols, {t.row, t.col, t.row, last});
  }

  // Takes every record that is waiting, without blocking.
  void Drain(std::deque<InputRecord>& queue) {
    INPUT_RECORD records[64];
    for (;;) {
      DWORD waiting = 0;
      if (!GetNumberOfConsoleInputEvents(in_, &waiting)) HangUp();
      if (waiting == 0) return;
      DWORD got = 0;
      if (!ReadConsoleInputW(in_, records, 64, &got)) HangUp();
      for (DWORD i = 0; i < got; ++i)
        Map(records[i], queue);
    }
  }

  void Map(const INPUT_RECORD& record, std::deque<InputRecord>& queue) {
    switch (record.EventType) {
      case KEY_EVENT: {
        const KEY_EVENT_RECORD& k = record.Event.KeyEvent;
        mapped_.clear();
        MapConsoleKeyEvent({k.bKeyDown != 0, k.wRepeatCount, k.wVirtualKeyCode, k.wVirtualScanCode,
                            static_cast<char16_t>(k.uChar.UnicodeChar), k.dwControlKeyState},
                           keyState_, mapped_);
        queue.insert(queue.end(), mapped_.begin(), mapped_.end());
        break;
      }
      case MOUSE_EVENT: {
        const MOUSE_EVENT_RECORD& m = record.Event.MouseEvent;
        queue.push_back(
            MapConsoleMouseEvent({m.dwMousePosition.X, m.dwMousePosition.Y, m.dwButtonState,
                                  m.dwControlKeyState, m.dwEventFlags}));
        break;
      }
      case WINDOW_BUFFER_SIZE_EVENT:
        // A record that yields no key wakes a waiting program, which presents
        // its screen again: everything is written anew.
        shown_.clear();
        queue.push_back(InputRecord{});
        break;
      default:
        break;
    }
  }

  // Input is gone (no console, or it was closed): no key will ever come, so
  // end instead of waiting forever.
  [[noreturn]] void HangUp() {
    RestoreConsole();
    std::_Exit(129);
  }

  // Plain lines go to standard output: the console, or UTF-8 bytes where it
  // is redirected.
  void Write(std::u16string_view text) {
    DWORD written = 0;
    if (WriteConsoleW(out_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
      return;
    const std::string bytes = Utf16ToUtf8(text);
    WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }

  HANDLE in_, out_, user_;
  std::atomic<bool> woken_{false};
  HANDLE screen_ = INVALID_HANDLE_VALUE;
  DWORD originalInMode_ = 0;
  DWORD keyMode_ = kKeyInputMode;
  bool inputIsConsole_ = false;
  bool fullScreen_ = false;
  bool mouseOn_ = false;    // mouse input asked for, on while the full screen shows
  bool takesText_ = false;  // clusters the cells cannot hold are written as text
  int cols_ = 80, rows_ = 25;
  int bufferCols_ = 0, bufferRows_ = 0;
  std::vector<Cell> shown_;  // what the toolbox's buffer shows; empty: unknown
  std::vector<CHAR_INFO> block_;
  std::vector<InputRecord> mapped_;
  ConsoleKeyState keyState_;
};

}  // namespace

// On Windows the console's own device is the console on standard input and
// output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend() {
  return std::make_unique<WindowsConsoleBackend>();
}

bool StdioIsTerminal() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) &&
         GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

bool TerminalAvailable() {
  return StdioIsTerminal();
}

std::string TerminalProblem() {
  return StdioIsTerminal() ? "" : "standard input and output must be a console";
}

}  // namespace tarvana
