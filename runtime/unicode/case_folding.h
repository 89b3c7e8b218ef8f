#pragma once
// Caseless matching by the Unicode simple case folding (CaseFolding.txt,
// statuses C and S): one code point for one, so a text keeps its length in
// code points. "Ж" and "ж" fold alike, "Σ", "σ" and "ς" too; "ß" stays "ß"
// (only the full folding makes it "ss"), and the Turkic dotted and dotless i
// keep their default foldings.

#include <string>
#include <string_view>

namespace tarvana {

// The simple case folding of c; c itself when it has none.
char32_t SimpleCaseFold(char32_t c);
// utf8 with each scalar value folded; each maximal subpart of an ill-formed
// sequence becomes U+FFFD.
std::string FoldCase(std::string_view utf8);

}  // namespace tarvana
