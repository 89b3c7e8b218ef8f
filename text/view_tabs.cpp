#include <string>

#include "text/file_viewer.h"
#include "text/file_viewer_state.h"

namespace tarvana {

std::string ExpandTabsUpTo(std::string_view line, int tabWidth, std::size_t limit) {
  if (tabWidth < 1) return std::string(line.substr(0, limit));
  const std::size_t width = static_cast<std::size_t>(tabWidth);
  std::string out;
  for (const char c : line) {
    if (out.size() >= limit) break;
    if (c == '\t')
      out.append(width - out.size() % width, ' ');
    else
      out += c;
  }
  if (out.size() > limit) out.resize(limit);
  return out;
}

std::string ExpandTabs(std::string_view line, int tabWidth) {
  return ExpandTabsUpTo(line, tabWidth, std::string::npos);
}

}  // namespace tarvana
