#include "ui/scheme.h"

#include <stdexcept>
#include <string>

namespace tarvana::ui {

Scheme SchemeNamed(std::string_view name) {
  if (name == "blue") return schemes::kBlue;
  if (name == "cyan") return schemes::kCyan;
  if (name == "grey") return schemes::kGrey;
  if (name == "mono") return schemes::kMono;
  throw std::invalid_argument("SchemeNamed: name \"" + std::string(name) +
                              "\" is none of blue, cyan, grey, mono");
}

}  // namespace tarvana::ui
