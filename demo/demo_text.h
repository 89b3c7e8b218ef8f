#pragma once
// Helpers the demonstration screens share: starting a screen, printing help
// lines, the input fields of the tool screens.

#include <initializer_list>

#include "entry/field_rec.h"

namespace tarvana::demo {

// Black on light grey, cleared.
void StartScreen();
// Each line printed at the cursor and followed by a new line.
void PrintLines(std::initializer_list<const char*> lines);
// A field as the tool screens use it: edit mode 3, the text shown, blue on
// light grey around a bright white on red edit.
FieldRec ToolField(int row, int col, int length, int fieldType);
// Enter and Esc: the keys that end the tool screens' fields.
inline constexpr char kEnterOrEsc[] = "\r\x1b";

}  // namespace tarvana::demo
