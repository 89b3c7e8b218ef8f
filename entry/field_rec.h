#pragma once
// The field descriptor shared by every data entry routine, the field types
// with the characters each accepts, and the exit-key lists that end editing.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"

namespace tarvana {

// FieldType codes with a meaning of their own; 1-8 and 10 name character
// classes (see FieldCharClass), every other code accepts any character.
namespace field_type {
inline constexpr std::uint8_t kDisplayOnly = 0;
inline constexpr std::uint8_t kDigits = 1;
inline constexpr std::uint8_t kUnsignedDecimal = 2;
inline constexpr std::uint8_t kSignedInteger = 3;
inline constexpr std::uint8_t kSignedDecimal = 4;
inline constexpr std::uint8_t kLetters = 5;
inline constexpr std::uint8_t kUpperLetters = 6;
inline constexpr std::uint8_t kAlphanumeric = 7;
inline constexpr std::uint8_t kAnyCharacter = 8;
inline constexpr std::uint8_t kTemplate = 9;
inline constexpr std::uint8_t kYesNo = 10;
inline constexpr std::uint8_t kStopMarker = 254;
inline constexpr std::uint8_t kLabel = 255;
}  // namespace field_type

// EditMode codes: the odd modes let the first accepted character replace the
// whole text; 1-2 keep the cursor on the last cell, 3-4 let it rest one cell
// past the end, 5-6 end the editing when the field is full. Modes above 6 act
// as mode 4.
namespace edit_mode {
inline constexpr std::uint8_t kDisplayOnly = 0;
inline constexpr std::uint8_t kReplaceStopOnLastCell = 1;
inline constexpr std::uint8_t kStopOnLastCell = 2;
inline constexpr std::uint8_t kReplaceRestPastEnd = 3;
inline constexpr std::uint8_t kRestPastEnd = 4;
inline constexpr std::uint8_t kReplaceEndWhenFull = 5;
inline constexpr std::uint8_t kEndWhenFull = 6;
}  // namespace edit_mode

// One field of a form: fourteen bytes in this order, without padding, so that
// a table of them is an array of fourteen-byte records. (Packed with #pragma
// pack, which GCC, Clang and MSVC all take; its 16-bit fields cannot be bound
// to non-const references.)
#pragma pack(push, 1)
struct FieldRec {
  std::uint8_t Row = 0;
  std::uint8_t Col = 0;           // the prompt's column; the field follows the prompt
  std::uint8_t Length = 0;        // the longest text the field holds
  std::uint8_t FieldType = 0;     // see field_type
  std::uint8_t EditMode = 0;      // see edit_mode
  std::int16_t Mask = -1;         // -1 shows the text, 0 nothing, else this character per character
  std::int16_t ExitOnChange = 0;  // EntryScreen ends when this field is left changed
  ColorAttr PromptColor = 0;
  ColorAttr NormalColor = 0;  // the field when it is not being edited
  ColorAttr EditColor = 0;    // the field while it is being edited
  std::int16_t Changed = 0;   // out: 0 unchanged, non-zero after a change
};
#pragma pack(pop)
static_assert(sizeof(FieldRec) == 14);

// The characters a field of this type may take: digits (1), digits and "."
// (2), digits and "-" (3), digits and ".-" (4), letters and space (5, 6),
// digits, letters, space and ".-" (7), "YyNn" (10); empty for every other
// type, which accepts any character.
std::string FieldCharClass(int fieldType);

// The 1-based position of key in an exit-key list (concatenated KeyCodes), or
// 0 when it is not there. A one-byte key never matches the scan-code half of a
// NUL + scan code entry, so "H" is not found in a list holding Up (NUL + "H").
int IsExitKey(const KeyCode& key, std::string_view exitKeys);

}  // namespace tarvana
