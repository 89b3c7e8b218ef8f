#pragma once
// A pick list or checklist that a program keeps on the screen while it owns
// the loop: it draws the list, hands it each event and acts on what the list
// says, binding keys of its own beside it. PickOne and PickMany are this
// list run until it ends.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "console/input_event.h"
#include "ui/list_of.h"
#include "ui/lists.h"

namespace tarvana::ui {

namespace internal {
class ListCore;
}  // namespace internal

// What a list made of an event.
enum class ListResult {
  kNotForTheList,  // a key or click it has no use for: the program's to act on
  kHandled,        // the highlight moved, a search went on, a mark changed
  kChosen,         // Enter, or a click on the highlighted item of a pick list
  kCancelled,      // Esc or a right click
};

class List {
 public:
  // Opens a pick list of the items (kept in the list) on the screen, as
  // PickOne shows it. Throws as PickOne.
  explicit List(std::vector<std::string> items, const ListOptions& options = {});
  // Opens a checklist, as PickMany shows it, with the marked items marked.
  // Throws as PickMany.
  static List Checklist(std::vector<std::string> items, ListOf<std::size_t> marked = {},
                        const ListOptions& options = {});
  // Puts back the screen under the list.
  ~List();
  List(List&&) noexcept;
  List& operator=(List&&) noexcept;

  // Draws the list again, frame and all: after the program drew over it.
  void Draw();
  // Acts on one event and shows the result; after kChosen or kCancelled the
  // list stays on the screen until it is destroyed.
  ListResult Handle(const InputEvent& event);
  // The index in items of the highlighted item.
  std::size_t Current() const;
  // The indices of the marked items, ascending (none for a pick list).
  std::vector<std::size_t> Marked() const;

 private:
  List(std::vector<std::string> items, ListOf<std::size_t> marked, const ListOptions& options,
       bool checklist);
  std::unique_ptr<std::vector<std::string>> items_;
  std::unique_ptr<internal::ListCore> core_;
};

}  // namespace tarvana::ui
