#include "picklist/dir_enumeration.h"

#include <windows.h>

#include "runtime/utf16.h"

namespace tarvana::internal {
namespace {

// An open search and the entry it found last, its names in UTF-8.
struct Search {
  HANDLE find = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW data{};
  bool pending = true;  // the first entry came with the search's start
  std::string name;
  std::string shortName;
};

Search* Of(void* handle) {
  return static_cast<Search*>(handle);
}

void Close(void*& handle) {
  if (Search* s = Of(handle)) {
    FindClose(s->find);
    delete s;
  }
  handle = nullptr;
}

std::string Utf8(const wchar_t* text) {
  return Utf16ToUtf8(reinterpret_cast<const char16_t*>(text));
}

// 100 ns ticks since 1601-01-01 (UTC) to seconds since 1970-01-01 (UTC).
std::int64_t UnixSeconds(const FILETIME& t) {
  const std::int64_t ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  return ticks / 10000000 - 11644473600LL;
}

}  // namespace

DirectoryReader::~DirectoryReader() {
  Close(handle_);
}

bool DirectoryReader::Open(const std::string& directory) {
  Close(handle_);
  name_ = nullptr;
  std::string pattern = directory;
  if (!pattern.empty() && pattern.back() != '/' && pattern.back() != '\\' && pattern.back() != ':')
    pattern += '\\';
  pattern += '*';
  const std::u16string wide = Utf8ToUtf16(pattern);
  auto search = new Search;
  // FindExInfoStandard: the short (8.3) name comes with each entry.
  search->find =
      FindFirstFileExW(reinterpret_cast<const wchar_t*>(wide.c_str()), FindExInfoStandard,
                       &search->data, FindExSearchNameMatch, nullptr, 0);
  if (search->find == INVALID_HANDLE_VALUE) {
    delete search;
    return false;
  }
  handle_ = search;
  return true;
}

bool DirectoryReader::Next(std::string_view& name) {
  Search* s = Of(handle_);
  name_ = nullptr;
  if (!s) return false;
  if (!s->pending && !FindNextFileW(s->find, &s->data)) return false;
  s->pending = false;
  s->name = Utf8(s->data.cFileName);
  s->shortName = Utf8(s->data.cAlternateFileName);
  name_ = s->name.c_str();
  name = s->name;
  return true;
}

EntryFacts DirectoryReader::Facts() {
  EntryFacts facts;
  Search* s = Of(handle_);
  if (!name_ || !s) return facts;
  facts.size = (static_cast<std::uint64_t>(s->data.nFileSizeHigh) << 32) | s->data.nFileSizeLow;
  facts.modified = UnixSeconds(s->data.ftLastWriteTime);
  facts.known = true;
  facts.shortName = s->shortName;
  return facts;
}

}  // namespace tarvana::internal
