#pragma once
// Test files for the viewer tests: a fresh temporary directory that is removed
// with everything in it when the holder goes away.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "testing/scratch_dir.h"

namespace tarvana::test_support {

class ViewTestFiles {
 public:
  ViewTestFiles() : scratch_("tarvana_view_"), dir_(scratch_.Name()) {}
  ViewTestFiles(const ViewTestFiles&) = delete;
  ViewTestFiles& operator=(const ViewTestFiles&) = delete;

  const std::string& Dir() const { return dir_; }
  std::string Path(std::string_view name) const { return dir_ + "/" + std::string(name); }
  // Writes the file (bytes as given) and returns its path.
  std::string Write(std::string_view name, std::string_view content) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary).write(content.data(), content.size());
    return path;
  }

 private:
  ScratchDir scratch_;
  std::string dir_;
};

// "Line 1\n" .. "Line n\n".
inline std::string NumberedLines(int count, std::string_view lineEnd = "\n") {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text.append("Line ").append(std::to_string(i)).append(lineEnd);
  return text;
}

}  // namespace tarvana::test_support
