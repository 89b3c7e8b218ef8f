#pragma once
// The dialog boxes over lines already made cells: what DrawDialog and the
// waits run once their code page 437 lines are cells, and what the modern
// layer runs with texts of any script. Placement, drawing and results as for
// DrawDialog, DialogWait and DialogChoice.

#include <span>
#include <vector>

#include "console/cell_string.h"
#include "console/screen_save.h"
#include "console/types.h"

namespace tarvana {

void DrawDialogCells(std::span<const CellString> lines, WindowRec rec, const CellString& title,
                     ScreenSave& save, int& row, int& col);
KeyCode DialogWaitCells(std::span<const CellString> lines, const WindowRec& rec,
                        const CellString& title);
// Shows the box until Esc (0) or a typed character that folds as one of the
// letters (its 1-based position); other keys and clicks are ignored. Typed
// characters of any script arrive while the box is shown.
int DialogLetterChoice(std::span<const CellString> lines, const WindowRec& rec,
                       const CellString& title, std::span<const char32_t> foldedLetters);

}  // namespace tarvana
