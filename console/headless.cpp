#include "console/headless.h"

#include <algorithm>

#include <map>
#include <memory>

#include "console/cp437_best_fit.h"
#include "console/us_layout.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {
namespace {

InputRecord CharRecord(unsigned char ch) {
  KeyPosition pos = UsLayoutKey(ch);
  KeyRecord k;
  k.ch = ch;
  k.scan = pos.scan;
  k.shift = pos.shift;
  k.ctrl = ch >= 1 && ch <= 26 && ch != 8 && ch != 9 && ch != 13;
  return InputRecord::Key(k);
}

InputRecord ScanRecord(std::uint8_t scan) {
  KeyRecord k;
  k.scan = scan;
  return InputRecord::Key(k);
}

const std::map<std::string, InputRecord, std::less<>>& NamedKeys() {
  static const auto* keys = [] {
    auto* m = new std::map<std::string, InputRecord, std::less<>>{
        {"Esc", ScanRecord(usKey::kEsc)},  {"Enter", CharRecord('\r')},
        {"Tab", CharRecord('\t')},         {"Space", CharRecord(' ')},
        {"Backspace", CharRecord(8)},      {"Home", ScanRecord(scan::kHome)},
        {"Up", ScanRecord(scan::kUp)},     {"PgUp", ScanRecord(scan::kPgUp)},
        {"Left", ScanRecord(scan::kLeft)}, {"Right", ScanRecord(scan::kRight)},
        {"End", ScanRecord(scan::kEnd)},   {"Down", ScanRecord(scan::kDown)},
        {"PgDn", ScanRecord(scan::kPgDn)}, {"Ins", ScanRecord(scan::kIns)},
        {"Del", ScanRecord(scan::kDel)},   {"F11", ScanRecord(scan::kF11)},
        {"F12", ScanRecord(scan::kF12)},
    };
    for (int f = 1; f <= 10; ++f)
      m->emplace("F" + std::to_string(f), ScanRecord(58 + f));
    InputRecord backTab = ScanRecord(scan::kBackTab);
    backTab.key.shift = true;
    m->emplace("Shift+Tab", backTab);
    InputRecord ctrlBackspace = CharRecord(127);
    ctrlBackspace.key.ctrl = true;
    m->emplace("Ctrl+Backspace", ctrlBackspace);
    return m;
  }();
  return *keys;
}

}  // namespace

InputRecord KeyRecordByName(std::string_view name) {
  const auto& keys = NamedKeys();
  if (auto it = keys.find(name); it != keys.end()) return it->second;
  if (name.size() == 1) return CharRecord(static_cast<unsigned char>(name[0]));
  auto prefixed = [&](std::string_view prefix) {
    return name.size() == prefix.size() + 1 && name.substr(0, prefix.size()) == prefix;
  };
  if (prefixed("Alt+")) {
    InputRecord r = CharRecord(static_cast<unsigned char>(name.back()));
    r.key.alt = true;
    return r;
  }
  if (prefixed("Ctrl+")) {
    const char c = name.back();
    if (c >= 'A' && c <= 'Z') return CharRecord(static_cast<unsigned char>(c - 'A' + 1));
    if (c >= 'a' && c <= 'z') return CharRecord(static_cast<unsigned char>(c - 'a' + 1));
  }
  if (name.substr(0, 5) == "Ctrl+" && keys.count(name.substr(5))) {
    InputRecord r = keys.find(name.substr(5))->second;
    r.key.ctrl = true;
    return r;
  }
  throw std::invalid_argument("unknown key name: " + std::string(name));
}

void HeadlessConsole::QueueKeys(std::string_view names) {
  size_t pos = 0;
  while (pos < names.size()) {
    size_t end = names.find(' ', pos);
    if (end == std::string_view::npos) end = names.size();
    if (end > pos) QueueRecord(KeyRecordByName(names.substr(pos, end - pos)));
    pos = end + 1;
  }
}

void HeadlessConsole::QueueUtf8(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t u = DecodeUtf8(utf8, pos);
    const int ch = BestFitCp437(u);
    InputRecord r = ch >= 0 ? CharRecord(static_cast<unsigned char>(ch)) : InputRecord{};
    if (ch < 0) r.kind = InputRecord::Kind::kUnshowable;
    r.key.text = u;
    QueueRecord(r);
  }
}

void HeadlessConsole::QueueText(std::string_view text) {
  for (char c : text)
    QueueRecord(CharRecord(static_cast<unsigned char>(c)));
}

void HeadlessConsole::QueueKeyCode(const KeyCode& key) {
  if (key.size() == 1) {
    if (key[0] == 27) return QueueRecord(ScanRecord(usKey::kEsc));
    return QueueRecord(CharRecord(static_cast<unsigned char>(key[0])));
  }
  if (key.size() == 2 && key[0] == 0)
    return QueueRecord(ScanRecord(static_cast<std::uint8_t>(key[1])));
  throw std::invalid_argument("QueueKeyCode takes one- and two-byte KeyCodes; use QueueClick");
}

void HeadlessConsole::QueueClick(int row, int col, int button) {
  MouseRecord m;
  m.row = row - 1;
  m.col = col - 1;
  m.buttons = button;
  QueueRecord(InputRecord::Mouse(m));
  m.buttons = 0;
  QueueRecord(InputRecord::Mouse(m));
}

void HeadlessConsole::QueueRecord(const InputRecord& record) {
  input_.push_back(record);
}

void HeadlessConsole::SetClock(const ClockReading& reading) {
  clock_ = reading;
}

void HeadlessConsole::InitialSize(int& cols, int& rows) {
  cols = cols_;
  rows = rows_;
}

void HeadlessConsole::ReadInput(std::deque<InputRecord>& queue, int timeoutMs) {
  if (input_.empty()) {
    if (!queue.empty()) return;  // the console still holds input: no empty poll
    if (timeoutMs < 0) {
      if (onExhausted_) onExhausted_();
      throw HeadlessInputExhausted("headless console: waiting for a key, but no input is queued");
    }
    if (++emptyPolls_ > pollLimit_)
      throw HeadlessInputExhausted("headless console: polled for input " +
                                   std::to_string(pollLimit_) +
                                   " times in a row, but no input is queued");
    // A wait with a time limit and nothing to read lasts its limit; a poll, a
    // moment.
    monotonicMs_ += std::max(timeoutMs, 1);
    return;
  }
  emptyPolls_ = 0;
  // Records up to the next size change; the change itself only once the
  // console has taken what came before it, as a terminal's would come.
  while (!input_.empty()) {
    if (!sizes_.empty() && sizes_.front().at == handed_) {
      if (!queue.empty()) return;
      cols_ = sizes_.front().cols;
      rows_ = sizes_.front().rows;
      sizes_.pop_front();
      queue.push_back(input_.front());
      input_.pop_front();
      ++handed_;
      continue;
    }
    queue.push_back(input_.front());
    input_.pop_front();
    ++handed_;
  }
}

void HeadlessConsole::QueueResize(int cols, int rows) {
  sizes_.push_back({handed_ + input_.size(), cols, rows});
  input_.push_back(InputRecord{});
}

void HeadlessConsole::Sleep(int ms) {
  monotonicMs_ += ms;
  long long total = clock_.millisecond + ms;
  clock_.millisecond = static_cast<int>(total % 1000);
  long long seconds = clock_.hour * 3600LL + clock_.minute * 60 + clock_.second + total / 1000;
  seconds %= 86400;
  clock_.hour = static_cast<int>(seconds / 3600);
  clock_.minute = static_cast<int>(seconds / 60 % 60);
  clock_.second = static_cast<int>(seconds % 60);
}

HeadlessConsole& UseHeadlessConsole(int cols, int rows) {
  auto backend = std::make_unique<HeadlessConsole>(cols, rows);
  HeadlessConsole& ref = *backend;
  InstallConsoleBackend(std::move(backend));
  return ref;
}

}  // namespace tarvana
