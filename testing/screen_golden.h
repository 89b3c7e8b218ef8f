#pragma once
// Whole-screen golden files: the cells' text as UTF-8 (a wide cluster written
// once, taking its two columns as a terminal shows it), then a colour map
// with one letter per cell and a legend of the colour attributes. On a
// mismatch the observed screen is written beside the golden file.

#include <gtest/gtest.h>

#include <string>

namespace tarvana::test_support {

// The screen as golden-file text.
std::string ScreenPicture();
// Compares the screen with testdata file `path` (relative to the source tree).
// Set TARVANA_UPDATE_GOLDEN=1 to write the file instead.
::testing::AssertionResult ScreenMatchesGolden(const std::string& path);

}  // namespace tarvana::test_support
