#pragma once
// Directory pick lists: the entries of a directory that match a file
// specifier, one line each, in a sorted pick list; the line of one entry; and
// the keyboard-only variant.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"

namespace tarvana {

// One directory entry as the enumeration delivers it.
struct DirEntry {
  std::string name;
  // The alternate short name; always empty on POSIX, which has none.
  std::string shortName;
  std::uint64_t size = 0;
  // Last write, in seconds since 1970-01-01 00:00 UTC.
  std::int64_t modified = 0;
  // False when the entry's time could not be read; its date and time columns
  // then show zeros, as for a failed conversion to local time.
  bool timeKnown = true;
};

// Info-flag bits: the columns of an entry line, in this order.
namespace dir_info {
inline constexpr std::uint8_t kName = 1;        // the name, padded or cut to the name width
inline constexpr std::uint8_t kSize = 4;        // the size right-aligned in 10 characters
inline constexpr std::uint8_t kDate = 8;        // local date MM-DD-YY
inline constexpr std::uint8_t kTime = 16;       // local time HH:MM
inline constexpr std::uint8_t kShortName = 32;  // the short name, or the name
}  // namespace dir_info

// The entry's line: each column whose bit is set, followed by the separator
// (the short name last, with none after it); then every trailing blank or
// separator character is removed. A size of more than 10 digits is written
// whole. A time that cannot be converted to local time shows 00-00-00 and
// 00:00.
std::string FileInfoLine(std::uint8_t infoFlags, std::string_view separator, const DirEntry& entry,
                         int nameWidth);

// Lists the entries matching fileSpec (an optional directory part, then a
// name pattern with the DOS wildcards * and ?, matched without regard to the
// case of a-z; "*.*" matches every name) in a PickList sorted ascending, and
// returns the WHOLE name of the entry chosen, exactly as the directory holds
// it (the list shows it cut to nameWidth). Returns "" on Esc, or, without
// opening a window, when the directory cannot be read, nothing matches or the
// window would not fit (as PickList refuses it; nothing is read then). An
// entry chosen that the directory no longer holds is not returned: the list
// opens again on the directory as it is then (and returns "" when it can no
// longer be read or nothing matches).
// Every entry is listed, directories (and "." and "..") included. When the
// window has more interior rows than there are entries, its Bottom is lowered
// to fit them and the change is kept in the caller's record; Right 0 asks for
// automatic width as in PickList, except that a window that would pass the
// screen's right edge reaches just to it and cuts the longer lines (the
// caller's Right stays 0). `reserved` is not used.
std::string DirPickList(WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
                        std::string_view fileSpec, int reserved, std::uint8_t infoFlags,
                        std::string_view separator, ColorAttr barColor, std::uint8_t nameWidth);

// DirPickList on KeyPickList: keyboard only; mouse events beep.
std::string KeyDirPickList(WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
                           std::string_view fileSpec, int reserved, std::uint8_t infoFlags,
                           std::string_view separator, ColorAttr barColor, std::uint8_t nameWidth);

}  // namespace tarvana
