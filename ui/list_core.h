#pragma once
// The pick list over a caller's strings that List and the modal PickOne and
// PickMany share: opened on the screen, one event at a time, closed with the
// screen put back.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/input_event.h"
#include "console/text_input.h"
#include "picklist/list_view.h"
#include "runtime/based_array.h"
#include "ui/layers.h"
#include "ui/list.h"

namespace tarvana::ui::internal {

class ListCore final : public Layer {
 public:
  // Opens the list over items, which must outlive it; marked given makes it
  // a checklist. Throws std::invalid_argument naming the routine's argument.
  ListCore(std::span<const std::string> items, const ListOptions& options,
           std::optional<std::span<const std::size_t>> marked, std::string_view routine);
  ~ListCore();
  ListCore(const ListCore&) = delete;
  ListCore& operator=(const ListCore&) = delete;

  void Draw();
  ListResult Handle(const InputEvent& event);
  std::size_t Current() const;
  std::vector<std::size_t> Marked() const;

 private:
  void Hide() override;
  void Show() override;

  TextInputScope typing_;
  WheelInputScope wheel_;
  BasedArray<std::int16_t> flags_;
  tarvana::internal::ListView view_;
  CellString title_;
  ListOptions options_;
  std::string routine_;
};

// Runs the list until it ends: PickOne's and PickMany's loop. False on Esc.
bool RunToEnd(ListCore& list);

}  // namespace tarvana::ui::internal
