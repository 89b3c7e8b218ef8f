#include "console/console.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "console/backend.h"
#include "console/cell_text.h"
#include "console/console_screen.h"
#include "console/cp437.h"
#include "console/input_event.h"
#include "console/key_translate.h"
#include "console/resize_hooks.h"
#include "console/terminal_backend.h"
#include "console/text_input.h"
#include "console/unicode_text.h"
#include "runtime/system_clock.h"

namespace tarvana {
namespace {

// Frames are shown at most this often while a program polls for input.
constexpr double kFrameMs = 1000.0 / 60.0;

// The screen takes the device's size up to 2048 columns by 1024 rows: beyond
// any real terminal (an 8K display in a 4-pixel font has 1920 by 540), while a
// wrong or hostile report cannot make the screen, the renderer's buffers and
// whole-screen saves take gigabytes. A larger terminal shows it top left.
constexpr int kMaxDeviceCols = 2048;
constexpr int kMaxDeviceRows = 1024;

// What other threads may touch: events posted for the console's wait, and the
// device to wake, while the console holds one.
struct PostHub {
  std::mutex mutex;
  std::deque<int> posted;
  ConsoleBackend* device = nullptr;
};

PostHub& Hub() {
  static PostHub hub;
  return hub;
}

std::uint64_t NextSerial() {
  static std::atomic<std::uint64_t> next{1};
  return next++;
}

struct PendingTimer {
  int id;
  double dueMs;
};

struct ConsoleState {
  ConsoleState(std::unique_ptr<ConsoleBackend> b, bool installed)
      : backend(std::move(b)), screen(1, 1), installed(installed) {
    int cols = 80, rows = 25;
    backend->InitialSize(cols, rows);
    screen.Resize(std::min(cols, kMaxDeviceCols), std::min(rows, kMaxDeviceRows));
    const std::lock_guard<std::mutex> lock(Hub().mutex);
    Hub().device = backend.get();
  }
  ~ConsoleState() {
    const std::lock_guard<std::mutex> lock(Hub().mutex);
    Hub().device = nullptr;
  }
  ConsoleState(const ConsoleState&) = delete;
  ConsoleState& operator=(const ConsoleState&) = delete;

  std::unique_ptr<ConsoleBackend> backend;
  Screen screen;
  MouseState mouse;
  std::deque<InputRecord> queue;
  bool installed;  // false: the terminal, taken by the console itself
  bool fullScreen = false;
  double lastPresentMs = -1e9;
  int textInput = 0;   // open TextInputScopes
  int wheelInput = 0;  // open WheelInputScopes
  bool ctrlCInterrupts = false;
  // The screen takes the device's size as it changes (SetFollowTerminalSize);
  // resized: a change the readers have not reported yet.
  bool following = false;
  bool resized = false;
  std::vector<PendingTimer> timers;
  // The thread that took the console: the only one that may draw or read.
  std::thread::id owner = std::this_thread::get_id();
  std::uint64_t serial = NextSerial();
};

constexpr std::uint64_t kRandomStart = 0x2545F4914F6CDD1DULL;

std::unique_ptr<ConsoleState>& StateSlot() {
  static std::unique_ptr<ConsoleState> state;
  return state;
}

// The console state, taking the terminal over when no device is held yet. Only
// routines that draw or read input come here; the clock and the random numbers
// do not, so that a program using only them leaves the terminal alone.
// The console state this thread was last found to own, by serial number: the
// check on every call is then one thread-local compare.
thread_local std::uint64_t ownedSerial = 0;

void CheckOwner(const ConsoleState& s) {
  if (s.serial == ownedSerial) return;
  if (s.owner != std::this_thread::get_id())
    throw std::logic_error(
        "tarvana: the console was used from a thread other than the one that took it; draw and "
        "read input on that thread, and wake it from others with PostEvent");
  ownedSerial = s.serial;
}

ConsoleState& State() {
  auto& slot = StateSlot();
  if (!slot) slot = std::make_unique<ConsoleState>(MakeTerminalBackend(), false);
  CheckOwner(*slot);
  return *slot;
}

// The console state when it exists, for routines that must not take the
// terminal; nullptr before.
ConsoleState* ExistingState() {
  auto& slot = StateSlot();
  if (slot) CheckOwner(*slot);
  return slot.get();
}

// The random state lives apart from the device, which it never needs.
std::uint64_t& RandomState() {
  static std::uint64_t state = kRandomStart;
  return state;
}

// The device's clock when the console holds one (tests set theirs), otherwise
// the machine's.
ClockReading ClockNow() {
  // Other threads may read the clock; they read the machine's.
  const auto& slot = StateSlot();
  return slot && slot->owner == std::this_thread::get_id() ? slot->backend->Now()
                                                           : SystemClockNow();
}

Screen& Scr() {
  return State().screen;
}

// Operations that address the screen take the terminal over.
Screen& FullScr() {
  ConsoleState& s = State();
  if (!s.fullScreen) EnterFullScreen();
  return s.screen;
}

tarvana::internal::ResizeHooks& Hooks() {
  static tarvana::internal::ResizeHooks hooks;
  return hooks;
}

// While following, gives the screen the device's size when that changed,
// letting the layer above put its boxes away before and draw them after.
// Called only where no drawing is under way: the readers and Refresh.
void FollowDevice(ConsoleState& s) {
  if (!s.following) return;
  int cols = s.screen.Width(), rows = s.screen.Height();
  s.backend->CurrentSize(cols, rows);
  cols = std::clamp(cols, 1, kMaxDeviceCols);
  rows = std::clamp(rows, 1, kMaxDeviceRows);
  if (cols == s.screen.Width() && rows == s.screen.Height()) return;
  static bool inHooks = false;
  if (inHooks) return;
  inHooks = true;
  struct Leave {
    ~Leave() { inHooks = false; }
  } leave;
  if (Hooks().before) Hooks().before();
  s.screen.Resize(cols, rows);
  if (Hooks().after) Hooks().after();
  s.resized = true;
}

void PresentNow(ConsoleState& s) {
  if (s.fullScreen) s.backend->Present(s.screen);
  s.lastPresentMs = s.backend->MonotonicMs();
}

void PresentIfFrameDue(ConsoleState& s) {
  if (s.backend->MonotonicMs() - s.lastPresentMs >= kFrameMs) PresentNow(s);
}

// Drops records that yield no KeyCode from the head of the queue; returns the
// KeyCode of the head record (left in place) or an empty one.
// The KeyCode a record yields; with text input on, a character code page 437
// cannot show yields its stand-in "?" instead of nothing.
KeyCode KeyOfRecord(const ConsoleState& s, const InputRecord& record, MouseState& mouse) {
  if (record.kind == InputRecord::Kind::kUnshowable && s.textInput > 0) return KeyCode(1, '?');
  return TranslateRecord(record, mouse);
}

KeyCode PeekKey(ConsoleState& s) {
  while (!s.queue.empty()) {
    MouseState trial = s.mouse;
    KeyCode key = KeyOfRecord(s, s.queue.front(), trial);
    if (!key.empty()) return key;
    if (s.queue.front().kind == InputRecord::Kind::kUnshowable) s.backend->Beep();
    s.mouse = trial;  // a skipped record still counts as read
    s.queue.pop_front();
  }
  return {};
}

KeyCode TakeKey(ConsoleState& s) {
  KeyCode key = PeekKey(s);
  if (!key.empty()) {
    KeyOfRecord(s, s.queue.front(), s.mouse);
    s.queue.pop_front();
  }
  return key;
}

// Reads what the device has; a Ctrl+C among it interrupts the program when
// it is to, and is not read as a key.
void ReadDevice(ConsoleState& s, int timeoutMs) {
  const std::size_t before = s.queue.size();
  s.backend->ReadInput(s.queue, timeoutMs);
  if (!s.ctrlCInterrupts) return;
  for (std::size_t i = before; i < s.queue.size();) {
    MouseState unused;
    if (s.queue[i].kind == InputRecord::Kind::kKey &&
        TranslateRecord(s.queue[i], unused) == KeyCode(1, '\x03')) {
      s.queue.erase(s.queue.begin() + static_cast<std::ptrdiff_t>(i));
      s.backend->Interrupt();
    } else {
      ++i;
    }
  }
}

// The next event in the queue: a size change, or a record's KeyCode with the
// mouse cell it leaves; kNone when the queue holds neither.
InputEvent TakeEvent(ConsoleState& s, bool withResize) {
  if (withResize && s.resized) {
    s.resized = false;
    InputEvent e;
    e.kind = InputEvent::Kind::kResize;
    return e;
  }
  while (!s.queue.empty()) {
    const InputRecord record = s.queue.front();
    s.queue.pop_front();
    const KeyCode key = KeyOfRecord(s, record, s.mouse);
    if (!key.empty()) {
      InputEvent e = EventOfKey(key, s.mouse.row, s.mouse.col);
      if (record.kind != InputRecord::Kind::kMouse) e.text = TypedText(record.key, key);
      return e;
    }
    if (record.kind == InputRecord::Kind::kUnshowable) s.backend->Beep();
    if (record.kind == InputRecord::Kind::kMouse && record.mouse.wheel &&
        (withResize || s.wheelInput > 0)) {
      InputEvent e;
      e.kind = InputEvent::Kind::kWheel;
      e.wheel = record.mouse.wheelUp ? -1 : 1;
      e.row = record.mouse.row + 1;
      e.col = record.mouse.col + 1;
      return e;
    }
    // The terminal's size change is the record of no other kind.
    if (record.kind == InputRecord::Kind::kOther) FollowDevice(s);
    if (withResize && record.kind == InputRecord::Kind::kOther) {
      s.resized = false;
      InputEvent e;
      e.kind = InputEvent::Kind::kResize;
      return e;
    }
  }
  return {};
}

// The timer that runs out first; end() without one.
std::vector<PendingTimer>::iterator SoonestTimer(ConsoleState& s) {
  return std::min_element(
      s.timers.begin(), s.timers.end(),
      [](const PendingTimer& a, const PendingTimer& b) { return a.dueMs < b.dueMs; });
}

// A posted event, or the timer that ran out first; kNone when neither.
InputEvent TakePostedOrTimer(ConsoleState& s) {
  InputEvent e;
  {
    const std::lock_guard<std::mutex> lock(Hub().mutex);
    if (!Hub().posted.empty()) {
      e.kind = InputEvent::Kind::kPosted;
      e.id = Hub().posted.front();
      Hub().posted.pop_front();
      return e;
    }
  }
  const auto due = SoonestTimer(s);
  if (due != s.timers.end() && due->dueMs <= s.backend->MonotonicMs()) {
    e.kind = InputEvent::Kind::kTimer;
    e.id = due->id;
    s.timers.erase(due);
  }
  return e;
}

// How long a wait may last before the next timer runs out: -1 without one.
int WaitMs(ConsoleState& s) {
  const auto due = SoonestTimer(s);
  if (due == s.timers.end()) return -1;
  return static_cast<int>(std::max(0.0, std::ceil(due->dueMs - s.backend->MonotonicMs())));
}

// Waits for the next event; posted events and timers only for the readers
// that take every kind.
InputEvent WaitForEvent(bool everyKind) {
  ConsoleState& s = State();
  // The frame is shown before the wait: one poll and one read then bring
  // the key, whether it came already or comes later.
  for (;;) {
    InputEvent e = TakeEvent(s, everyKind);
    if (e.kind == InputEvent::Kind::kNone && everyKind) e = TakePostedOrTimer(s);
    if (e.kind != InputEvent::Kind::kNone) return e;
    FollowDevice(s);
    if (everyKind && s.resized) continue;
    PresentNow(s);
    ReadDevice(s, everyKind ? WaitMs(s) : -1);
  }
}

}  // namespace

ConsoleBackend& InstallConsoleBackend(std::unique_ptr<ConsoleBackend> backend) {
  auto& slot = StateSlot();
  slot.reset();  // a terminal the console took is given back first
  {
    const std::lock_guard<std::mutex> lock(Hub().mutex);
    Hub().posted.clear();  // a new device starts without the old one's events
  }
  slot = std::make_unique<ConsoleState>(std::move(backend), true);
  RandomState() = kRandomStart;
  return *slot->backend;
}

bool ConsoleHoldsDevice() {
  return StateSlot() != nullptr;
}

void ReleaseConsoleTerminal() {
  auto& slot = StateSlot();
  if (!slot || slot->installed) return;
  LeaveFullScreen();
  slot.reset();
}

Screen& ConsoleScreenForWriting() {
  return FullScr();
}

void Locate(int row, int col) {
  FullScr().Locate(row, col);
}
void SetColor(int fg, int bg) {
  Scr().SetColor(fg, bg);
}

void PrintText(std::string_view text) {
  ConsoleState& s = State();
  s.screen.PrintText(text);
  if (!s.fullScreen && !text.empty()) s.backend->StreamText(text);
}

void NewLine() {
  ConsoleState& s = State();
  s.screen.NewLine();
  if (!s.fullScreen) s.backend->StreamNewLine();
}

void ClearScreen() {
  FullScr().ClearScreen();
}

int ReadCell(int row, int col) {
  const Screen& sc = Scr();
  if (row < 1 || row > sc.Height() || col < 1 || col > sc.Width()) return 0;
  return sc.At(row, col).ch;
}

void PrintUtf8(std::string_view utf8) {
  PrintCells(CellString::FromUtf8(utf8));
}

void PrintCells(const CellString& cells) {
  ConsoleState& s = State();
  if (s.fullScreen) {
    s.screen.PrintCells(cells.Cells());
    return;
  }
  std::string cp437;
  s.screen.PrintCells(cells.Cells(), &cp437);
  if (!cp437.empty()) s.backend->StreamText(cp437);
}

std::string ReadCellText(int row, int col) {
  const Screen& sc = Scr();
  if (row < 1 || row > sc.Height() || col < 1 || col > sc.Width()) return "";
  const Cell& cell = sc.At(row, col);
  if (cell.flags & cell_flag::kContinuation) return "";
  if (cell.text != 0) return CellTextUtf8(cell.text);
  std::string out;
  AppendUtf8(out, Cp437ToUnicode(cell.ch));
  return out;
}

ColorAttr ReadCellColor(int row, int col) {
  const Screen& sc = Scr();
  if (row < 1 || row > sc.Height() || col < 1 || col > sc.Width()) return 0;
  return sc.At(row, col).attr;
}

int ScreenWidth() {
  return Scr().Width();
}
int ScreenHeight() {
  return Scr().Height();
}
int CursorRow() {
  return Scr().CursorRow();
}
int CursorCol() {
  return Scr().CursorCol();
}
void SetCursor(int mode) {
  Scr().SetCursor(mode);
}

void SetConsoleSize(int cols, int rows) {
  if (cols < 1 || rows < 1 || cols > 9999 || rows > 9999) return;
  State().following = false;  // a size asked for is kept
  Screen& sc = FullScr();
  sc.Resize(cols, rows);
  State().backend->RequestSize(cols, rows);
}

void ReadScreenBlock(std::vector<Cell>& buffer) {
  const Screen& sc = Scr();
  buffer = sc.Cells();
}

void WriteScreenBlock(const std::vector<Cell>& buffer) {
  Screen& sc = FullScr();
  sc.WriteRect(buffer.data(), 1, 1, std::min<int>(sc.Height(), buffer.size() / sc.Width()),
               sc.Width());
}

void ReadScreenRect(std::vector<Cell>& buffer, int top, int left, int rows, int cols) {
  rows = std::max(rows, 0);
  cols = std::max(cols, 0);
  buffer.assign(static_cast<size_t>(rows) * cols, Cell{});
  Scr().ReadRect(buffer.data(), top, left, rows, cols);
}

void WriteScreenRect(const std::vector<Cell>& buffer, int top, int left, int rows, int cols) {
  if (rows <= 0 || cols <= 0 || buffer.size() < static_cast<size_t>(rows) * cols) return;
  FullScr().WriteRect(buffer.data(), top, left, rows, cols);
}

void Beep() {
  State().backend->Beep();
}

void SetCtrlCInterrupts(bool on) {
  State().ctrlCInterrupts = on;
}

bool CtrlCInterrupts() {
  const ConsoleState* s = ExistingState();
  return s && s->ctrlCInterrupts;
}

void Refresh() {
  if (ConsoleState* s = ExistingState()) {
    FollowDevice(*s);
    PresentNow(*s);
  }
}

void internal::SetResizeHooks(ResizeHooks hooks) {
  Hooks() = hooks;
}

void SetFollowTerminalSize(bool on) {
  ConsoleState& s = State();
  s.following = on;
  FollowDevice(s);
}

bool FollowsTerminalSize() {
  const ConsoleState* s = ExistingState();
  return s && s->following;
}

void Pause(int ms) {
  ConsoleState& s = State();
  PresentNow(s);
  if (ms > 0) s.backend->Sleep(ms);
}

void SplitColor(ColorAttr attr, int& fg, int& bg) {
  fg = attr & 15;
  bg = attr >> 4;
}

ColorAttr MakeColor(int fg, int bg) {
  return static_cast<ColorAttr>((bg * 16 + fg) & 0xFF);
}

void UseColor(ColorAttr attr) {
  int fg, bg;
  SplitColor(attr, fg, bg);
  SetColor(fg, bg);
}

KeyCode InKey() {
  ConsoleState& s = State();
  PresentIfFrameDue(s);
  ReadDevice(s, 0);
  return TakeKey(s);
}

KeyCode WaitKey() {
  return WaitForEvent(false).key;
}

InputEvent WaitEvent() {
  return WaitForEvent(true);
}

InputEvent WaitKeyEvent() {
  return WaitForEvent(false);
}

InputEvent PollEvent() {
  ConsoleState& s = State();
  PresentIfFrameDue(s);
  ReadDevice(s, 0);
  FollowDevice(s);
  const InputEvent e = TakeEvent(s, true);
  return e.kind != InputEvent::Kind::kNone ? e : TakePostedOrTimer(s);
}

void PostEvent(int id) {
  const std::lock_guard<std::mutex> lock(Hub().mutex);
  Hub().posted.push_back(id);
  if (Hub().device) Hub().device->Wake();
}

void SetTimer(int id, int ms) {
  ConsoleState& s = State();
  CancelTimer(id);
  s.timers.push_back({id, s.backend->MonotonicMs() + std::max(ms, 0)});
}

void CancelTimer(int id) {
  ConsoleState& s = State();
  std::erase_if(s.timers, [id](const PendingTimer& t) { return t.id == id; });
}

bool KeyWaiting() {
  ConsoleState& s = State();
  PresentIfFrameDue(s);
  ReadDevice(s, 0);
  return !PeekKey(s).empty();
}

void SetMouse(bool on) {
  ConsoleState& s = State();
  s.mouse.on = on;
  if (!on) {
    s.mouse.row = 0;
    s.mouse.col = 0;
  }
  s.backend->SetMouseReporting(on);
}

void SetMouse(int buttons, int events) {
  ConsoleState& s = State();
  s.mouse.buttonMask = buttons;
  s.mouse.eventMask = events;
}

int MouseRow() {
  return State().mouse.row;
}
int MouseCol() {
  return State().mouse.col;
}

double Timer() {
  const ClockReading t = ClockNow();
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

std::string ClockDate() {
  const ClockReading t = ClockNow();
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", t.month, t.day, t.year);
  return text;
}

std::string ClockTime() {
  const ClockReading t = ClockNow();
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

void Randomize(double start) {
  // Any start value, fractional or negative, gives a usable non-zero state.
  std::uint64_t bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(start * 1000.0));
  RandomState() = (bits ^ 0x9E3779B97F4A7C15ULL) | 1;
}

double Rnd() {
  // xorshift64*: small, fast and plenty for screen effects.
  std::uint64_t& x = RandomState();
  x ^= x >> 12;
  x ^= x << 25;
  x ^= x >> 27;
  return static_cast<double>((x * 0x2545F4914F6CDD1DULL) >> 11) / 9007199254740992.0;
}

TextInputScope::TextInputScope() {
  ++State().textInput;
}

WheelInputScope::WheelInputScope() {
  ++State().wheelInput;
}

WheelInputScope::~WheelInputScope() {
  if (StateSlot() && StateSlot()->wheelInput > 0) --StateSlot()->wheelInput;
}

TextInputScope::~TextInputScope() {
  // The console may have been replaced while the scope lived.
  if (StateSlot() && StateSlot()->textInput > 0) --StateSlot()->textInput;
}

void EnterFullScreen() {
  ConsoleState& s = State();
  if (s.fullScreen) return;
  s.fullScreen = true;
  s.backend->SetFullScreen(true);
}

void LeaveFullScreen() {
  ConsoleState& s = State();
  if (!s.fullScreen) return;
  PresentNow(s);
  s.fullScreen = false;
  s.backend->SetFullScreen(false);
}

}  // namespace tarvana
