// Writes runtime/unicode/unicode_tables.cpp from a Unicode Character Database
// folder laid out as Debian's unicode-data package installs it:
//   make_unicode_tables UCD_DIR [OUTPUT]
//     writes the tables to OUTPUT (standard output without it);
//   make_unicode_tables --compare FILE UCD_DIR
//     exits 0 when FILE is what UCD_DIR gives, byte for byte, 1 when it is not,
//     and 77 (a skipped test) when UCD_DIR has no EastAsianWidth.txt.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/unicode/unicode_tables.h"

namespace {

using tarvana::GraphemeBreak;
using tarvana::WidthClass;
using tarvana::internal::CaseMapRange;
using tarvana::internal::UnicodeRange;

constexpr char32_t kCodePoints = 0x110000;
constexpr int kSkipped = 77;

struct UcdFile {
  std::string path;
  std::vector<std::string> lines;
};

UcdFile Read(const std::string& ucd, const std::string& name) {
  UcdFile file{ucd + "/" + name, {}};
  std::ifstream in(file.path);
  if (!in)
    throw std::runtime_error("cannot read " + file.path +
                             ": give the folder of the Unicode Character Database");
  for (std::string line; std::getline(in, line);)
    file.lines.push_back(line);
  return file;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

struct Entry {
  char32_t first;
  char32_t last;
  std::string value;
};

// "0300..036F ; Mn # comment" as {0x300, 0x36F, "Mn"}.
Entry ParseEntry(const std::string& text, const std::string& where) {
  static const std::regex form(
      R"(^\s*([0-9A-F]{4,6})(?:\.\.([0-9A-F]{4,6}))?\s*;\s*([^;#]*?)\s*$)");
  std::smatch m;
  const std::string data = text.substr(0, text.find('#'));
  if (!std::regex_match(data, m, form)) throw std::runtime_error(where + ": cannot read this line");
  const char32_t first = std::stoul(m[1], nullptr, 16);
  const char32_t last = m[2].matched ? std::stoul(m[2], nullptr, 16) : first;
  if (last < first || last >= kCodePoints)
    throw std::runtime_error(where + ": not a range of code points");
  return {first, last, m[3]};
}

// Calls each for the "# @missing:" defaults of the file, then for its entries.
void ForEachEntry(const UcdFile& file, const std::function<void(const Entry&)>& each) {
  const std::string missing = "# @missing:";
  for (std::size_t i = 0; i < file.lines.size(); ++i)
    if (file.lines[i].rfind(missing, 0) == 0)
      each(ParseEntry(file.lines[i].substr(missing.size()),
                      file.path + ":" + std::to_string(i + 1)));
  for (std::size_t i = 0; i < file.lines.size(); ++i)
    if (!Trim(file.lines[i]).empty() && Trim(file.lines[i])[0] != '#')
      each(ParseEntry(file.lines[i], file.path + ":" + std::to_string(i + 1)));
}

// The version a file's first line names, as in "# EastAsianWidth-15.0.0.txt".
std::string VersionOf(const UcdFile& file) {
  static const std::regex form(R"(^# [A-Za-z]+-(\d+\.\d+\.\d+)\.txt)");
  std::smatch m;
  if (file.lines.empty() || !std::regex_search(file.lines[0], m, form))
    throw std::runtime_error(file.path + ": the first line names no version");
  return m[1];
}

// The emoji version emoji-data.txt names in its header.
std::string EmojiVersionOf(const UcdFile& file) {
  static const std::regex form(R"(^#.*Emoji Version (\d+\.\d+))");
  std::smatch m;
  for (const std::string& line : file.lines)
    if (std::regex_search(line, m, form)) return m[1];
  throw std::runtime_error(file.path + ": the header names no emoji version");
}

// One property's value for every code point.
using Values = std::vector<std::string>;

Values ReadProperty(const UcdFile& file, const std::string& absent) {
  Values values(kCodePoints, absent);
  ForEachEntry(file, [&](const Entry& e) {
    for (char32_t c = e.first; c <= e.last; ++c)
      values[c] = e.value;
  });
  return values;
}

// The binary properties of emoji-data.txt by name: Emoji, Emoji_Presentation, ...
std::map<std::string, std::vector<bool>> ReadEmoji(const UcdFile& file) {
  std::map<std::string, std::vector<bool>> flags;
  ForEachEntry(file, [&](const Entry& e) {
    auto& f = flags.try_emplace(e.value, kCodePoints, false).first->second;
    for (char32_t c = e.first; c <= e.last; ++c)
      f[c] = true;
  });
  for (const char* name : {"Emoji", "Emoji_Presentation", "Extended_Pictographic"})
    if (!flags.count(name)) throw std::runtime_error(file.path + ": no " + name + " entries");
  return flags;
}

std::uint8_t WidthValue(char32_t c, const std::string& category, const std::string& eastAsian,
                        bool emoji, bool presentation, bool pictographic) {
  WidthClass w = WidthClass::kNarrow;
  if (category == "Cc") {
    w = WidthClass::kControl;
  } else if (c == 0x00AD) {
    w = WidthClass::kNarrow;  // SOFT HYPHEN: terminals show it
  } else if (category == "Mn" || category == "Me" || category == "Cf" ||
             (c >= 0x1160 && c <= 0x11FF) || c == 0x200B) {
    w = WidthClass::kZero;  // marks, format characters, Hangul medial vowels and final consonants
  } else if (eastAsian == "W" || eastAsian == "F" || presentation) {
    w = WidthClass::kWide;
  }
  std::uint8_t value = static_cast<std::uint8_t>(w);
  if (emoji || pictographic) value |= tarvana::internal::kEmojiCapableFlag;
  if (presentation) value |= tarvana::internal::kEmojiPresentationFlag;
  return value;
}

std::uint8_t GraphemeValue(const std::string& name, bool pictographic) {
  static const std::map<std::string, GraphemeBreak> names = {
      {"Other", GraphemeBreak::kOther},
      {"CR", GraphemeBreak::kCR},
      {"LF", GraphemeBreak::kLF},
      {"Control", GraphemeBreak::kControl},
      {"Extend", GraphemeBreak::kExtend},
      {"ZWJ", GraphemeBreak::kZwj},
      {"Regional_Indicator", GraphemeBreak::kRegionalIndicator},
      {"Prepend", GraphemeBreak::kPrepend},
      {"SpacingMark", GraphemeBreak::kSpacingMark},
      {"L", GraphemeBreak::kL},
      {"V", GraphemeBreak::kV},
      {"T", GraphemeBreak::kT},
      {"LV", GraphemeBreak::kLV},
      {"LVT", GraphemeBreak::kLVT},
  };
  const auto it = names.find(name);
  if (it == names.end()) throw std::runtime_error("unknown Grapheme_Cluster_Break value " + name);
  std::uint8_t value = static_cast<std::uint8_t>(it->second);
  if (pictographic) value |= tarvana::internal::kExtendedPictographicFlag;
  return value;
}

// The runs of equal, non-zero values.
std::vector<UnicodeRange> Ranges(const std::vector<std::uint8_t>& values) {
  std::vector<UnicodeRange> ranges;
  for (char32_t c = 0; c < kCodePoints; ++c) {
    if (values[c] == 0) continue;
    if (!ranges.empty() && ranges.back().last + 1 == c && ranges.back().value == values[c])
      ranges.back().last = c;
    else
      ranges.push_back({c, c, values[c]});
  }
  return ranges;
}

// c in hexadecimal with at least digits digits.
std::string Hex(unsigned c, int digits) {
  std::ostringstream s;
  s << "0x" << std::uppercase << std::hex;
  s.width(digits);
  s.fill('0');
  s << c;
  return s.str();
}

// Entries of one width, three a line, as clang-format lays them out.
void WriteTable(std::ostream& out, const char* name, const std::vector<UnicodeRange>& ranges) {
  int digits = 5;
  for (const UnicodeRange& r : ranges)
    if (r.last > 0xFFFFF) digits = 6;
  out << "constexpr UnicodeRange " << name << "[] = {";
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    out << (i % 3 == 0 ? "\n    " : " ") << "{" << Hex(ranges[i].first, digits) << ", "
        << Hex(ranges[i].last, digits) << ", " << Hex(ranges[i].value, 2) << "},";
  }
  out << "\n};\n";
}

// The simple case folding of CaseFolding.txt (its C and S lines) for every
// code point that has one: "0041; C; 0061; # LATIN CAPITAL LETTER A".
std::map<char32_t, char32_t> ReadSimpleFolding(const UcdFile& file) {
  static const std::regex form(R"(^([0-9A-F]{4,6}); ([CFST]); ([0-9A-F ]+);)");
  std::map<char32_t, char32_t> folding;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    const std::string line = Trim(file.lines[i]);
    if (line.empty() || line[0] == '#') continue;
    std::smatch m;
    if (!std::regex_search(line, m, form))
      throw std::runtime_error(file.path + ":" + std::to_string(i + 1) + ": cannot read this line");
    if (m[2] == "C" || m[2] == "S")
      folding[std::stoul(m[1], nullptr, 16)] = std::stoul(m[3], nullptr, 16);
  }
  if (folding.empty()) throw std::runtime_error(file.path + ": no simple case folding");
  return folding;
}

// The Simple_Uppercase_Mapping of UnicodeData.txt (its thirteenth field) for
// every code point that has one: "0061;LATIN SMALL LETTER A;Ll;...;0041;;0041".
std::map<char32_t, char32_t> ReadSimpleUppercase(const UcdFile& file) {
  static const std::regex form(R"(^([0-9A-F]{4,6});(?:[^;]*;){11}([0-9A-F]{4,6})?;)");
  std::map<char32_t, char32_t> upper;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    if (Trim(file.lines[i]).empty()) continue;
    std::smatch m;
    if (!std::regex_search(file.lines[i], m, form))
      throw std::runtime_error(file.path + ":" + std::to_string(i + 1) + ": cannot read this line");
    if (m[2].matched) upper[std::stoul(m[1], nullptr, 16)] = std::stoul(m[2], nullptr, 16);
  }
  if (upper.empty()) throw std::runtime_error(file.path + ": no simple upper-case mapping");
  return upper;
}

// The mappings as runs of one delta, each step 1 (A..Z) or 2 (the Latin
// Extended pairs, capital then small).
std::vector<CaseMapRange> MapRanges(const std::map<char32_t, char32_t>& mapping) {
  std::vector<CaseMapRange> ranges;
  for (const auto& [from, to] : mapping) {
    const std::int32_t delta = static_cast<std::int32_t>(to) - static_cast<std::int32_t>(from);
    if (!ranges.empty()) {
      CaseMapRange& r = ranges.back();
      const bool single = r.first == r.last;
      const char32_t step = from - r.last;
      if (r.delta == delta && ((single && step <= 2) || (!single && step == char32_t(r.stride)))) {
        r.stride = static_cast<std::int32_t>(step);
        r.last = from;
        continue;
      }
    }
    ranges.push_back({from, from, delta, 1});
  }
  return ranges;
}

// Entries of one width (the delta signed, in hexadecimal), two a line, as
// clang-format lays them out.
void WriteMapTable(std::ostream& out, const char* name, const std::vector<CaseMapRange>& ranges) {
  out << "constexpr CaseMapRange " << name << "[] = {";
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const std::int32_t delta = ranges[i].delta;
    out << (i % 2 == 0 ? "\n    " : " ") << "{" << Hex(ranges[i].first, 5) << ", "
        << Hex(ranges[i].last, 5) << ", " << (delta < 0 ? "-" : "+")
        << Hex(static_cast<unsigned>(delta < 0 ? -delta : delta), 5) << ", " << ranges[i].stride
        << "},";
  }
  out << "\n};\n";
}

// The tables the character database in ucd gives, with its versions.
struct Tables {
  std::string version, emojiVersion;
  std::vector<UnicodeRange> width, grapheme, letters;
  std::vector<CaseMapRange> folding, upper;
};

Tables ReadTables(const std::string& ucd) {
  const UcdFile eastAsianFile = Read(ucd, "EastAsianWidth.txt");
  const UcdFile categoryFile = Read(ucd, "extracted/DerivedGeneralCategory.txt");
  const UcdFile emojiFile = Read(ucd, "emoji/emoji-data.txt");
  const UcdFile graphemeFile = Read(ucd, "auxiliary/GraphemeBreakProperty.txt");
  const UcdFile foldingFile = Read(ucd, "CaseFolding.txt");
  // UnicodeData.txt names no version: the files beside it vouch for it.
  const UcdFile dataFile = Read(ucd, "UnicodeData.txt");
  const std::string version = VersionOf(eastAsianFile);
  for (const UcdFile* f : {&categoryFile, &graphemeFile, &foldingFile})
    if (VersionOf(*f) != version)
      throw std::runtime_error(f->path + " is of version " + VersionOf(*f) + ", " +
                               eastAsianFile.path + " of " + version);

  // The blocks whose unassigned code points default to W are listed as W (or
  // given by "@missing" lines, which ReadProperty applies first).
  const Values eastAsian = ReadProperty(eastAsianFile, "N");
  const Values category = ReadProperty(categoryFile, "Cn");
  const Values grapheme = ReadProperty(graphemeFile, "Other");
  const auto emoji = ReadEmoji(emojiFile);
  const auto& isEmoji = emoji.at("Emoji");
  const auto& presentation = emoji.at("Emoji_Presentation");
  const auto& pictographic = emoji.at("Extended_Pictographic");

  std::vector<std::uint8_t> width(kCodePoints), breaks(kCodePoints), letters(kCodePoints);
  for (char32_t c = 0; c < kCodePoints; ++c) {
    width[c] =
        WidthValue(c, category[c], eastAsian[c], isEmoji[c], presentation[c], pictographic[c]);
    breaks[c] = GraphemeValue(grapheme[c], pictographic[c]);
    letters[c] = category[c][0] == 'L' ? tarvana::internal::kLetterValue : 0;
  }
  for (char32_t c = tarvana::internal::kHangulSyllableFirst;
       c <= tarvana::internal::kHangulSyllableLast; ++c) {
    const bool lv =
        (c - tarvana::internal::kHangulSyllableFirst) % tarvana::internal::kHangulTCount == 0;
    if (grapheme[c] != (lv ? "LV" : "LVT") || pictographic[c])
      throw std::runtime_error(graphemeFile.path + ": the Hangul syllable " + Hex(c, 4) +
                               " is not " + (lv ? "LV" : "LVT") +
                               ": the lookup's rule for LV no longer holds");
    breaks[c] = static_cast<std::uint8_t>(GraphemeBreak::kLVT);
  }
  return {version,
          EmojiVersionOf(emojiFile),
          Ranges(width),
          Ranges(breaks),
          Ranges(letters),
          MapRanges(ReadSimpleFolding(foldingFile)),
          MapRanges(ReadSimpleUppercase(dataFile))};
}

std::string Generate(const std::string& ucd) {
  const Tables t = ReadTables(ucd);
  std::ostringstream out;
  out << "// Generated from the Unicode Character Database " << t.version << " (emoji data "
      << t.emojiVersion << ") by\n"
      << "// runtime/unicode/generator/make_unicode_tables.cpp: do not edit. To regenerate, build\n"
      << "// the target make_unicode_tables and run it from the repository root:\n"
      << "//   make_unicode_tables /usr/share/unicode runtime/unicode/unicode_tables.cpp\n"
      << "// " << t.width.size() << " width, " << t.grapheme.size() << " grapheme and "
      << t.letters.size() << " letter ranges of " << sizeof(UnicodeRange) << " bytes, "
      << t.folding.size() << " case folding and\n"
      << "// " << t.upper.size() << " upper-case ranges of " << sizeof(CaseMapRange)
      << " bytes; unicode_tables.h says what the values mean.\n"
      << "\n"
      << "#include \"runtime/unicode/unicode_tables.h\"\n"
      << "\n"
      << "namespace tarvana::internal {\n"
      << "namespace {\n"
      << "\n"
      << "// From EastAsianWidth.txt, DerivedGeneralCategory.txt and emoji-data.txt.\n";
  WriteTable(out, "kWidth", t.width);
  out << "\n"
      << "// From GraphemeBreakProperty.txt and emoji-data.txt.\n";
  WriteTable(out, "kGrapheme", t.grapheme);
  out << "\n"
      << "// From CaseFolding.txt: its simple foldings (statuses C and S).\n";
  WriteMapTable(out, "kCaseFold", t.folding);
  out << "\n"
      << "// From DerivedGeneralCategory.txt: the letters (Lu, Ll, Lt, Lm, Lo).\n";
  WriteTable(out, "kLetter", t.letters);
  out << "\n"
      << "// From UnicodeData.txt: its simple upper-case mappings.\n";
  WriteMapTable(out, "kUpperCase", t.upper);
  out << "\n"
      << "}  // namespace\n"
      << "\n"
      << "const std::span<const UnicodeRange> kWidthRanges = kWidth;\n"
      << "const std::span<const UnicodeRange> kGraphemeRanges = kGrapheme;\n"
      << "const std::span<const CaseMapRange> kCaseFoldRanges = kCaseFold;\n"
      << "const std::span<const UnicodeRange> kLetterRanges = kLetter;\n"
      << "const std::span<const CaseMapRange> kUpperCaseRanges = kUpperCase;\n"
      << "\n"
      << "}  // namespace tarvana::internal\n";
  return out.str();
}

int Compare(const std::string& committed, const std::string& ucd) {
  if (!std::filesystem::exists(ucd + "/EastAsianWidth.txt")) {
    std::cout << "skipped: " << ucd << " holds no Unicode Character Database\n";
    return kSkipped;
  }
  std::ifstream in(committed, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + committed);
  std::ostringstream file;
  file << in.rdbuf();
  const std::string have = file.str(), want = Generate(ucd);
  if (have == want) return 0;
  std::size_t line = 1;
  for (std::size_t i = 0; i < have.size() && i < want.size() && have[i] == want[i]; ++i)
    line += have[i] == '\n';
  std::cout << committed << " differs from what " << ucd << " gives, from line " << line
            << ": regenerate it with make_unicode_tables " << ucd << " " << committed << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--compare") return Compare(args[1], args[2]);
    if (args.size() != 1 && args.size() != 2) {
      std::cerr << "usage: make_unicode_tables UCD_DIR [OUTPUT]\n"
                   "       make_unicode_tables --compare FILE UCD_DIR\n";
      return 2;
    }
    const std::string tables = Generate(args[0]);
    if (args.size() == 1) {
      std::cout << tables;
    } else {
      std::ofstream out(args[1], std::ios::binary);
      out << tables;
      if (!out.flush()) throw std::runtime_error("cannot write " + args[1]);
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "make_unicode_tables: " << e.what() << "\n";
    return 1;
  }
}
