#pragma once
// Test support: a fixture that gives every test a fresh 80 by 25 headless
// console, and readers for what is on its screen.

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "console/headless.h"

namespace tarvana::test_support {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { console = &UseHeadlessConsole(80, 25); }
  HeadlessConsole* console = nullptr;
};

// Mouse clicks reported as the demonstration has them: releases of the left
// and right buttons.
void EnableClicks();

// The characters of count cells of a row from col on, as raw bytes.
std::string ScreenText(int row, int col = 1, int count = -1);
// A whole row with trailing blanks removed.
std::string RowText(int row);
// A whole row's text as UTF-8 (each cell's ReadCellText), trailing blanks
// removed.
std::string RowUtf8(int row);
// The characters of a column from row top to bottom.
std::string ColumnText(int col, int top, int bottom);

}  // namespace tarvana::test_support
