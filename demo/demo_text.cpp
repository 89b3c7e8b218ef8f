#include "demo/demo_text.h"

#include "console/console.h"

namespace tarvana::demo {

void StartScreen() {
  SetColor(0, 7);
  ClearScreen();
}

void PrintLines(std::initializer_list<const char*> lines) {
  for (const char* line : lines) {
    PrintText(line);
    NewLine();
  }
}

FieldRec ToolField(int row, int col, int length, int fieldType) {
  FieldRec field;
  field.Row = static_cast<std::uint8_t>(row);
  field.Col = static_cast<std::uint8_t>(col);
  field.Length = static_cast<std::uint8_t>(length);
  field.FieldType = static_cast<std::uint8_t>(fieldType);
  field.EditMode = 3;
  field.Mask = -1;
  field.ExitOnChange = 0;
  field.PromptColor = 0x71;
  field.NormalColor = 0x71;
  field.EditColor = 0x4F;
  return field;
}

}  // namespace tarvana::demo
