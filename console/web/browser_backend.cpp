#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "console/beep_pacer.h"
#include "console/terminal/key_decoder.h"
#include "console/terminal/narrow_glyphs.h"
#include "console/terminal/terminal_caps.h"
#include "console/terminal/terminal_renderer.h"
#include "console/terminal_backend.h"
#include "console/web/browser_backend.h"
#include "runtime/system_clock.h"

// The page (web/index.html) keeps Module.tarvana: the xterm.js terminal, the
// bytes typed and not read yet, and whether the terminal changed size.

EM_JS(void, tv_write, (const char* bytes, int n),
      { Module.tarvana.write(HEAPU8.slice(bytes, bytes + n)); });

EM_JS(int, tv_take_input, (char* buf, int cap), {
  const input = Module.tarvana.input;
  const n = Math.min(cap, input.length);
  for (let i = 0; i < n; ++i)
    HEAPU8[buf + i] = input[i];
  input.splice(0, n);
  return n;
});

EM_JS(int, tv_cols, (), { return Module.tarvana.term.cols; });
EM_JS(int, tv_rows, (), { return Module.tarvana.term.rows; });

// True once after the terminal changed size.
EM_JS(int, tv_take_resize, (), {
  const resized = Module.tarvana.resized;
  Module.tarvana.resized = false;
  return resized ? 1 : 0;
});

EM_JS(void, tv_resize, (int cols, int rows), { Module.tarvana.term.resize(cols, rows); });

// Gives the thread back to the browser until input or a resize arrives or ms
// have passed (ms < 0: no limit). Suspends the program through ASYNCIFY.
EM_JS(void, tv_wait, (int ms), {
  return Asyncify.handleSleep(function(wakeUp) {
    const t = Module.tarvana;
    if (t.input.length > 0 || t.resized) {
      setTimeout(wakeUp, 0);
      return;
    }
    let timer = 0;
    t.wake = function() {
      t.wake = null;
      if (timer) clearTimeout(timer);
      wakeUp();
    };
    if (ms >= 0)
      timer = setTimeout(
          function() {
            if (t.wake) t.wake();
          },
          ms);
  });
});

namespace tarvana {
namespace {

// The screen of the last frame written, for the page's tests.
std::string presentedScreen;

// A loop that polls without waiting gives the browser its thread this often,
// so that the tab keeps drawing and taking keys.
constexpr double kYieldEveryMs = 15;

TerminalCaps BrowserCaps() {
  TerminalCaps caps = XtermCaps();
  caps.encoding = TextEncoding::kUtf8;
  // xterm.js fills the lines CSI T brings in with the default background.
  caps.scrollDownByInsertingLines = true;
  caps.windowOps = false;
  return caps;
}

class BrowserBackend final : public ConsoleBackend {
 public:
  BrowserBackend() : caps_(BrowserCaps()), renderer_(caps_), lastYield_(MonotonicMs()) {}

  void InitialSize(int& cols, int& rows) override {
    cols = tv_cols();
    rows = tv_rows();
  }
  void CurrentSize(int& cols, int& rows) override { InitialSize(cols, rows); }

  void Present(const Screen& screen) override {
    if (!fullScreen_) return;
    frame_.clear();
    renderer_.Render(screen, tv_cols(), tv_rows(), frame_);
    KeepPresented(screen);
    Write(frame_);
  }

  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    const size_t before = queue.size();
    const double end = MonotonicMs() + timeoutMs;
    for (;;) {
      Take(queue);
      if (queue.size() > before) return;
      const double now = MonotonicMs();
      if (timeoutMs == 0) {
        if (now - lastYield_ >= kYieldEveryMs) Wait(0);
        return;
      }
      if (timeoutMs > 0 && now >= end) return;
      Wait(timeoutMs < 0 ? -1 : std::max(1, static_cast<int>(std::ceil(end - now))));
    }
  }

  void Beep() override {
    if (beeps_.Sounds(MonotonicMs())) Write("\a");
  }

  void Sleep(int ms) override {
    if (ms > 0) Wait(ms);
  }

  double MonotonicMs() override { return SystemMonotonicMs(); }

  ClockReading Now() override { return SystemClockNow(); }

  void RequestSize(int cols, int rows) override {
    if (cols != tv_cols() || rows != tv_rows()) tv_resize(cols, rows);
  }

  void SetMouseReporting(bool on) override { Write(on ? caps_.mouseOn : caps_.mouseOff); }

  void SetFullScreen(bool on) override {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
      Write(EnterFullScreenSequence(caps_));
      renderer_.Invalidate();
    } else {
      Write(ResetModesSequence(caps_, false) + LeaveAlternateScreenSequence(caps_));
    }
  }

  void StreamText(std::string_view cp437) override {
    Write(Cp437ToTerminalText(cp437, caps_.encoding));
  }
  void StreamNewLine() override { Write("\r\n"); }

 private:
  // Decodes what the page has received. xterm.js hands over each key whole,
  // so a lone Esc is the Esc key at once. A resize wakes a waiting program
  // with a record that yields no key, and it presents its screen again.
  void Take(std::deque<InputRecord>& queue) {
    if (tv_take_resize()) {
      renderer_.Invalidate();
      queue.push_back(InputRecord{});
    }
    char buf[4096];
    for (int n; (n = tv_take_input(buf, sizeof buf)) > 0;) {
      const auto records =
          decoder_.Feed(std::string_view(buf, static_cast<size_t>(n)), MonotonicMs());
      queue.insert(queue.end(), records.begin(), records.end());
    }
    const auto rest = decoder_.Expire(std::numeric_limits<double>::infinity());
    queue.insert(queue.end(), rest.begin(), rest.end());
  }

  // The screen as the page's test compares it with xterm.js: each row's
  // characters in UTF-8 and a line feed, then each row's colours in hex.
  static void KeepPresented(const Screen& screen) {
    presentedScreen.clear();
    std::string row;
    for (int r = 1; r <= screen.Height(); ++r) {
      row.clear();
      for (int c = 1; c <= screen.Width(); ++c)
        row += static_cast<char>(screen.At(r, c).ch);
      presentedScreen += Cp437ToTerminalText(row, TextEncoding::kUtf8) + "\n";
    }
    static const char hex[] = "0123456789ABCDEF";
    for (int r = 1; r <= screen.Height(); ++r) {
      for (int c = 1; c <= screen.Width(); ++c) {
        const int attr = screen.At(r, c).attr;
        presentedScreen += hex[attr >> 4];
        presentedScreen += hex[attr & 15];
      }
      presentedScreen += "\n";
    }
  }

  void Wait(int ms) {
    tv_wait(ms);
    lastYield_ = MonotonicMs();
  }

  void Write(std::string_view bytes) {
    if (!bytes.empty()) tv_write(bytes.data(), static_cast<int>(bytes.size()));
  }

  TerminalCaps caps_;
  TerminalRenderer renderer_;
  KeyDecoder decoder_;
  BeepPacer beeps_;
  std::string frame_;
  bool fullScreen_ = false;
  double lastYield_;
};

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE const char* tarvana_presented_screen() {
  return presentedScreen.c_str();
}

std::unique_ptr<ConsoleBackend> MakeBrowserBackend() {
  return std::make_unique<BrowserBackend>();
}

// In the browser the console's own device is the page's terminal.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend() {
  return MakeBrowserBackend();
}

bool StdioIsTerminal() {
  return true;
}

bool TerminalAvailable() {
  return true;
}

std::string TerminalProblem() {
  return "";
}

}  // namespace tarvana
