#pragma once
// Test support for the field editors: a headless console that remembers how
// the cursor looked when the screen was last shown (while waiting for a key,
// or at Pause), a fixture around it, and a field descriptor to start from.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "console/backend.h"
#include "console/console.h"
#include "console/headless.h"
#include "entry/field_rec.h"
#include "testing/headless_test_support.h"

namespace tarvana::test_support {

class CursorWatchingConsole : public HeadlessConsole {
 public:
  using HeadlessConsole::HeadlessConsole;
  void Present(const Screen& screen) override {
    cursorVisible = screen.CursorVisible();
    cursorHeight = screen.CursorHeight();
    cursorRow = screen.CursorRow();
    cursorCol = screen.CursorCol();
  }
  bool cursorVisible = false;
  int cursorHeight = 0;
  int cursorRow = 0;
  int cursorCol = 0;
};

class EntryTest : public HeadlessTest {
 protected:
  void SetUp() override {
    watcher = &static_cast<CursorWatchingConsole&>(
        InstallConsoleBackend(std::make_unique<CursorWatchingConsole>(80, 25)));
    console = watcher;
    SetColor(7, 0);
    ClearScreen();
  }
  // Runs an editor that is expected to wait for more keys; false when it
  // returned instead.
  static bool WaitsForMore(const std::function<void()>& edit) {
    try {
      edit();
      return false;
    } catch (const HeadlessInputExhausted&) {
      return true;
    }
  }
  // How the cursor looks now.
  void ShowScreen() { Pause(0); }
  CursorWatchingConsole* watcher = nullptr;
};

// A field on row 5 whose prompt starts in column 10, in prompt colour 0x71,
// normal colour 0x74 and edit colour 0x0B.
inline FieldRec TestField(std::uint8_t type, std::uint8_t mode, std::uint8_t length,
                          std::int16_t mask = -1) {
  FieldRec f;
  f.Row = 5;
  f.Col = 10;
  f.Length = length;
  f.FieldType = type;
  f.EditMode = mode;
  f.Mask = mask;
  f.PromptColor = 0x71;
  f.NormalColor = 0x74;
  f.EditColor = 0x0B;
  return f;
}

}  // namespace tarvana::test_support
