#pragma once
// How the entry screen moves between fields after a field's ending key.
// Shared with the modern layer's form, which moves through its fields so.

#include <cstdint>
#include <string>

#include "console/types.h"
#include "entry/field_rec.h"
#include "runtime/based_array.h"

namespace tarvana::internal {

// The keys that move between fields, in this order: Enter, Tab, Up, Down and
// Shift+Tab (NUL + 15).
extern const std::string kNavigationKeys;

enum class EntryMove { kMoved, kEnded };

// Acts on the key that ended the editing of fields[current]: Enter, Tab and
// Down move to the next field, Up and Shift+Tab to the previous one, wrapping
// around and passing over types 0 and 255; any other key ends the form.
EntryMove StepEntryScreen(const BasedArray<FieldRec>& fields, std::int16_t& current,
                          const KeyCode& key);

}  // namespace tarvana::internal
