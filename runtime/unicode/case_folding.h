#pragma once
// The Unicode simple case mappings: one code point for one, so a text keeps
// its length in code points.
// Caseless matching by the simple case folding (CaseFolding.txt, statuses C
// and S): "Ж" and "ж" fold alike, "Σ", "σ" and "ς" too; "ß" stays "ß" (only
// the full folding makes it "ss"), and the Turkic dotted and dotless i keep
// their default foldings.
// Upper-casing by the simple upper-case mapping (UnicodeData.txt): "ж" is
// "Ж", final "ς" is "Σ"; "ß" and "ﬀ" stay as they are (only the full mapping
// makes them "SS" and "FF").

#include <string>
#include <string_view>

namespace tarvana {

// The simple case folding of c; c itself when it has none.
char32_t SimpleCaseFold(char32_t c);
// utf8 with each scalar value folded; each maximal subpart of an ill-formed
// sequence becomes U+FFFD.
std::string FoldCase(std::string_view utf8);
// The simple upper-case mapping of c; c itself when it has none.
char32_t SimpleUpperCase(char32_t c);

}  // namespace tarvana
