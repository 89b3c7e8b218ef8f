#pragma once
// Test support for directories that change while their list is open: a
// headless console that, each time a list waits for a key with none queued,
// first runs the next stage's change (removing a file or folder) and then
// queues that stage's keys. The change lands at a known point of the list's
// life, never after some time.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "console/backend.h"
#include "console/headless.h"

namespace tarvana::test_support {

class StagedInputConsole : public HeadlessConsole {
 public:
  struct Stage {
    std::function<void()> change;  // may be empty
    std::string keys;              // key names, as QueueKeys takes them
  };

  using HeadlessConsole::HeadlessConsole;

  void AddStage(std::function<void()> change, std::string keys) {
    stages_.push_back({std::move(change), std::move(keys)});
  }
  std::size_t StagesLeft() const { return stages_.size(); }

  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    // Only a wait for a key with nothing pending moves to the next stage.
    if (timeoutMs < 0 && queue.empty() && Queued() == 0 && !stages_.empty()) {
      Stage stage = std::move(stages_.front());
      stages_.pop_front();
      if (stage.change) stage.change();
      QueueKeys(stage.keys);
    }
    HeadlessConsole::ReadInput(queue, timeoutMs);
  }

 private:
  std::deque<Stage> stages_;
};

// Installs a fresh 80 by 25 staged console and returns it.
inline StagedInputConsole& UseStagedInputConsole() {
  auto backend = std::make_unique<StagedInputConsole>(80, 25);
  StagedInputConsole& console = *backend;
  InstallConsoleBackend(std::move(backend));
  return console;
}

}  // namespace tarvana::test_support
