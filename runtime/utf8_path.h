#pragma once
// File names cross the toolbox's interface as UTF-8 text. A path made from
// such a name opens the same file on every platform: on Windows the standard
// library converts it to the wide name the file system takes, where a plain
// char string would go through the ANSI code page and lose what it lacks.

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvana {

// The path named by UTF-8 text.
inline std::filesystem::path PathFromUtf8(std::string_view name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

// The path's name as UTF-8 text, as the toolbox's routines take it.
inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace tarvana
