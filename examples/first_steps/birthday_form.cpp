// A two-field form whose date must lie in the past.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <tarvana/tarvana.h>

int main() {
  using namespace tarvana;
  std::optional<std::vector<std::string>> answer;
  {
    Session session;
    const auto inThePast = [](const std::string& date) {
      return !date.empty() && DaysBetween(date, ClockDate()) > 0 ? "" : "Give a day in the past";
    };
    const std::vector<ui::FormField> fields = {
        {.label = "Name", .width = 30},
        {.label = "Birthday", .kind = ui::FieldKind::kDate, .validator = inThePast},
    };
    answer = ui::FillForm(fields, {.title = "About you"});
  }  // the terminal is back: plain output follows what was on it
  if (answer) std::printf("%s was born on %s.\n", (*answer)[0].c_str(), (*answer)[1].c_str());
}
