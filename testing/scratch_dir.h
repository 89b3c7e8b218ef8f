#pragma once
// A fresh directory in the system's temporary folder for a test, removed with
// everything in it when the holder goes away. Standard library only, so that
// tests use it on every platform.

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace tarvana::test_support {

class ScratchDir {
 public:
  explicit ScratchDir(std::string_view prefix = "tarvana-test-") {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return;
    std::random_device random;
    // create_directory fails on an existing name, so the directory is new.
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const std::filesystem::path candidate =
          base / (std::string(prefix) + std::to_string(random()));
      if (std::filesystem::create_directory(candidate, error)) path_ = candidate;
    }
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // Empty when no directory could be made.
  const std::filesystem::path& Path() const { return path_; }
  // The path as the toolbox's routines take it: UTF-8.
  std::string Name() const { return Utf8(path_); }
  static std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace tarvana::test_support
